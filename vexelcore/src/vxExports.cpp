// The exported functions: each skin call is journaled first, then checked and applied. The
// narrow and the wide form of a call share one implementation over wide values. No C++
// exception crosses this C interface: a call that runs out of memory answers its failure.
#include "vexelcore_journal.h"

#include "vxImages.h"
#include "vxJournal.h"
#include "vxPainters.h"
#include "vxSkinProc.h"
#include "vxText.h"
#include "vxTheme.h"
#include "vxToolTips.h"
#include "vxWindowState.h"

using namespace vxcore;

namespace {

bool g_getFontFails = false;

// The record of a window put under a skin, or null.
WindowState* SkinnedState(HWND hwnd)
{
    WindowState* state = FindState(hwnd);
    return state && state->skinned ? state : nullptr;
}

void SetItem(DrawItems& items, const char* name, const wchar_t* value)
{
    if (value)
        items[name] = value;
    else
        items.erase(name);
}

int SkinWindow(HWND hwnd, int kind, const wchar_t* skin)
{
    if (!skin || !*skin)
        return 0;
    WindowState* state = AttachState(hwnd);
    if (!state)
        return 0;
    state->skinned = true;
    state->kind = kind;
    state->skin = skin;
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return 1;
}

int SetDrawItemValue(HWND hwnd, const char* name, const wchar_t* value)
{
    WindowState* state = SkinnedState(hwnd);
    if (!state || !name)
        return 0;
    SetItem(state->items, name, value);
    Repaint(*state, false);
    return 1;
}

// Either form's value; a narrow one is converted where the table keeps it.
template <class Char>
int SetDrawItemValueEx(HWND hwnd, int index, const char* name, const Char* value)
{
    WindowState* state = SkinnedState(hwnd);
    if (!state || !name || state->kind != kKindListBox || index < 0)
        return 0;
    // The table follows the list's edits; only an index past it asks the list (entries added
    // before the skin came).
    if (index >= state->entries.Count()) {
        const LRESULT count = SendMessageW(hwnd, LB_GETCOUNT, 0, 0);
        if (count == LB_ERR || index >= count)
            return 0;
        state->entries.Resize(static_cast<int>(count));
    }
    state->entries.Set(index, name, value);
    if (IsEntryShown(*state, index))
        Repaint(*state, false);
    return 1;
}

HFONT GetFont(const char* name)
{
    LOGFONTA font;
    if (g_getFontFails || !DescribeFont(name, font))
        return nullptr;
    return CreateFontIndirectA(&font);
}

int SetToolTips(HWND hwnd, const wchar_t* text)
{
    WindowState* state = text ? AttachState(hwnd) : FindState(hwnd);
    if (!state)
        return 0;
    return SetToolTip(*state, text) ? 1 : 0;
}

const wchar_t* SkinName(HWND hwnd)
{
    WindowState* state = SkinnedState(hwnd);
    return state ? state->skin.c_str() : nullptr;
}

const wchar_t* DrawItemValue(HWND hwnd, int index, const char* name)
{
    WindowState* state = FindState(hwnd);
    if (!state || !name)
        return nullptr;
    return index == -1 ? state->Item(name) : state->EntryItem(index, name);
}

const wchar_t* ToolTips(HWND hwnd)
{
    WindowState* state = FindState(hwnd);
    return state && state->hasToolTip ? state->toolTip.c_str() : nullptr;
}

// A wide value handed out in the ANSI code page; each query keeps its own answer until it is
// asked again.
const char* Answer(std::string& kept, const wchar_t* value)
{
    if (!value)
        return nullptr;
    kept = Narrow(value);
    return kept.c_str();
}

} // namespace

extern "C" {

VXCORE_API int vxSkinWindow(HWND hwnd, int kind, const char* skin, int reserved)
{
    try {
        JournalCall("vxSkinWindow").Handle(hwnd).Number(kind).Text(skin).Number(reserved).Record();
        return SkinWindow(hwnd, kind, WideArg(skin).get());
    } catch (...) {
        return 0;
    }
}

VXCORE_API int vxSkinWindowW(HWND hwnd, int kind, const wchar_t* skin, int reserved)
{
    try {
        JournalCall("vxSkinWindow").Handle(hwnd).Number(kind).Text(skin).Number(reserved).Record();
        return SkinWindow(hwnd, kind, skin);
    } catch (...) {
        return 0;
    }
}

VXCORE_API int vxSetDrawItemValue(HWND hwnd, const char* name, const char* value, int reserved)
{
    try {
        JournalCall("vxSetDrawItemValue").Handle(hwnd).Text(name).Text(value).Number(reserved).Record();
        return SetDrawItemValue(hwnd, name, WideArg(value).get());
    } catch (...) {
        return 0;
    }
}

VXCORE_API int vxSetDrawItemValueW(HWND hwnd, const wchar_t* name, const wchar_t* value, int reserved)
{
    try {
        JournalCall("vxSetDrawItemValue").Handle(hwnd).Text(name).Text(value).Number(reserved).Record();
        return SetDrawItemValue(hwnd, NarrowArg(name).get(), value);
    } catch (...) {
        return 0;
    }
}

VXCORE_API int vxSetDrawItemValueEx(HWND hwnd, int index, int reserved1, const char* name,
                                    const char* value, int reserved2)
{
    try {
        JournalCall("vxSetDrawItemValueEx").Handle(hwnd).Number(index).Number(reserved1)
            .Text(name).Text(value).Number(reserved2).Record();
        return SetDrawItemValueEx(hwnd, index, name, value);
    } catch (...) {
        return 0;
    }
}

VXCORE_API int vxSetDrawItemValueExW(HWND hwnd, int index, int reserved1, const wchar_t* name,
                                     const wchar_t* value, int reserved2)
{
    try {
        JournalCall("vxSetDrawItemValueEx").Handle(hwnd).Number(index).Number(reserved1)
            .Text(name).Text(value).Number(reserved2).Record();
        return SetDrawItemValueEx(hwnd, index, NarrowArg(name).get(), value);
    } catch (...) {
        return 0;
    }
}

VXCORE_API int vxSetDrawItemVisible(HWND hwnd, int element, int part, int visible, int reserved)
{
    try {
        JournalCall("vxSetDrawItemVisible").Handle(hwnd).Number(element).Number(part)
            .Number(visible).Number(reserved).Record();
        WindowState* state = SkinnedState(hwnd);
        if (!state || element != VXCORE_ELEMENT_IMAGE || part != VXCORE_PART_ALL)
            return 0;
        state->imageVisible = visible != 0;
        Repaint(*state, false);
        return 1;
    } catch (...) {
        return 0;
    }
}

VXCORE_API int vxLockState(HWND hwnd, int lock)
{
    try {
        JournalCall("vxLockState").Handle(hwnd).Number(lock).Record();
        WindowState* state = SkinnedState(hwnd);
        if (!state)
            return 0;
        state->locked = lock != 0;
        Repaint(*state, false);
        return 1;
    } catch (...) {
        return 0;
    }
}

VXCORE_API HFONT vxGetFont(const char* name)
{
    try {
        JournalCall("vxGetFont").Text(name).Record();
        return GetFont(name);
    } catch (...) {
        return NULL;
    }
}

VXCORE_API HFONT vxGetFontW(const wchar_t* name)
{
    try {
        JournalCall("vxGetFont").Text(name).Record();
        return GetFont(NarrowArg(name).get());
    } catch (...) {
        return NULL;
    }
}

VXCORE_API int vxSetToolTips(HWND hwnd, const char* text)
{
    try {
        JournalCall("vxSetToolTips").Handle(hwnd).Text(text).Record();
        return SetToolTips(hwnd, WideArg(text).get());
    } catch (...) {
        return 0;
    }
}

VXCORE_API int vxSetToolTipsW(HWND hwnd, const wchar_t* text)
{
    try {
        JournalCall("vxSetToolTips").Handle(hwnd).Text(text).Record();
        return SetToolTips(hwnd, text);
    } catch (...) {
        return 0;
    }
}

VXCORE_API BOOL vxRegisterImage(const char* name, HBITMAP bitmap)
{
    try {
        return RegisterBitmap(WideArg(name).get(), bitmap) ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}

VXCORE_API BOOL vxRegisterImageW(const wchar_t* name, HBITMAP bitmap)
{
    try {
        return RegisterBitmap(name, bitmap) ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}

VXCORE_API BOOL vxRegisterIcon(const char* name, HICON icon)
{
    try {
        return RegisterIcon(WideArg(name).get(), icon) ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}

VXCORE_API BOOL vxRegisterIconW(const wchar_t* name, HICON icon)
{
    try {
        return RegisterIcon(name, icon) ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}

VXCORE_API int vxIsSkinned(HWND hwnd)
{
    try {
        WindowState* state = SkinnedState(hwnd);
        return state ? (state->kind != 0 ? state->kind : -1) : 0;
    } catch (...) {
        return 0;
    }
}

VXCORE_API const char* vxGetSkinName(HWND hwnd)
{
    try {
        static std::string kept;
        return Answer(kept, SkinName(hwnd));
    } catch (...) {
        return nullptr;
    }
}

VXCORE_API const wchar_t* vxGetSkinNameW(HWND hwnd)
{
    try {
        return SkinName(hwnd);
    } catch (...) {
        return nullptr;
    }
}

VXCORE_API const char* vxGetDrawItemValue(HWND hwnd, int index, const char* name)
{
    try {
        static std::string kept;
        return Answer(kept, DrawItemValue(hwnd, index, name));
    } catch (...) {
        return nullptr;
    }
}

VXCORE_API const wchar_t* vxGetDrawItemValueW(HWND hwnd, int index, const wchar_t* name)
{
    try {
        return DrawItemValue(hwnd, index, NarrowArg(name).get());
    } catch (...) {
        return nullptr;
    }
}

VXCORE_API const char* vxGetToolTips(HWND hwnd)
{
    try {
        static std::string kept;
        return Answer(kept, ToolTips(hwnd));
    } catch (...) {
        return nullptr;
    }
}

VXCORE_API const wchar_t* vxGetToolTipsW(HWND hwnd)
{
    try {
        return ToolTips(hwnd);
    } catch (...) {
        return nullptr;
    }
}

VXCORE_API COLORREF vxGetSkinColour(const char* role)
{
    return ThemeColour(role);
}

VXCORE_API COLORREF vxGetSkinColourW(const wchar_t* role)
{
    return ThemeColour(NarrowArg(role).get());
}

VXCORE_API int vxWindowStateCount(void)
{
    try {
        return StateCount();
    } catch (...) {
        return 0;
    }
}

VXCORE_API int vxJournalCount(void)
{
    try {
        return JournalCount();
    } catch (...) {
        return 0;
    }
}

VXCORE_API const char* vxJournalGet(int i)
{
    try {
        return JournalLine(i);
    } catch (...) {
        return nullptr;
    }
}

VXCORE_API void vxJournalClear(void)
{
    try {
        JournalClear();
    } catch (...) {
        return;
    }
}

VXCORE_API void vxJournalEnable(int on)
{
    try {
        JournalEnable(on != 0);
    } catch (...) {
        return;
    }
}

VXCORE_API void vxSetGetFontFails(int fails)
{
    try {
        g_getFontFails = fails != 0;
    } catch (...) {
        return;
    }
}

} // extern "C"
