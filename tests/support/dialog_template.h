// Dialog templates built in memory, for tests that run real dialogs of the framework.
#pragma once

#include <windows.h>

#include <vector>

namespace vxtest {

class DialogTemplate
{
public:
    // Predefined control classes by atom.
    enum : WORD { kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082 };

    // A pop-up dialog of the given size in dialog units; with DS_SETFONT in Tahoma 8.
    DialogTemplate(short cx, short cy, DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT,
                   const char* title = "")
    {
        DLGTEMPLATE dlg = {};
        dlg.style = style;
        dlg.cx = cx;
        dlg.cy = cy;
        Add(&dlg, sizeof(dlg));
        Word(0);                                 // no menu
        Word(0);                                 // standard class
        Text(title);
        if (style & DS_SETFONT) {
            Word(8);                             // point size
            Text("Tahoma");
        }
    }

    // A child item of a predefined class (WS_CHILD | WS_VISIBLE are added).
    DialogTemplate& Item(WORD atom, DWORD style, short x, short y, short cx, short cy, WORD id,
                         const char* text = "")
    {
        Begin(style, x, y, cx, cy, id);
        Word(0xFFFF);
        Word(atom);
        return End(text);
    }
    // A child item of a registered class.
    DialogTemplate& Item(const char* cls, DWORD style, short x, short y, short cx, short cy, WORD id,
                         const char* text = "")
    {
        Begin(style, x, y, cx, cy, id);
        Text(cls);
        return End(text);
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_bytes.data()); }

private:
    void Begin(DWORD style, short x, short y, short cx, short cy, WORD id)
    {
        Align();
        DLGITEMTEMPLATE item = {};
        item.style = WS_CHILD | WS_VISIBLE | style;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = id;
        Add(&item, sizeof(item));
        ++reinterpret_cast<DLGTEMPLATE*>(m_bytes.data())->cdit;
    }
    DialogTemplate& End(const char* text)
    {
        Text(text);
        Word(0);                                 // no creation data
        return *this;
    }
    void Add(const void* p, size_t n)
    {
        const BYTE* b = static_cast<const BYTE*>(p);
        m_bytes.insert(m_bytes.end(), b, b + n);
    }
    void Word(WORD w) { Add(&w, sizeof(w)); }
    void Text(const char* text)
    {
        for (const char* p = text; *p; ++p)
            Word(static_cast<WORD>(*p));
        Word(0);
    }
    void Align()
    {
        while (m_bytes.size() % 4)
            m_bytes.push_back(0);
    }
    std::vector<BYTE> m_bytes;
};

} // namespace vxtest
