// Texts at the interface: the engine keeps and paints values as UTF-16; narrow calls hand in
// and get back text in the ANSI code page. Names (of draw items, fonts, colours) are ASCII
// and kept narrow.
#pragma once

#include <windows.h>
#include <string>

namespace vxcore {

std::wstring Widen(const char* text);   // from the ANSI code page; empty for null
std::string Narrow(const wchar_t* text); // to the ANSI code page; empty for null

// An argument converted for the engine's side, null kept as null.
class WideArg {
public:
    explicit WideArg(const char* text) : m_null(text == nullptr), m_text(Widen(text)) {}
    const wchar_t* get() const { return m_null ? nullptr : m_text.c_str(); }

private:
    bool m_null;
    std::wstring m_text;
};

class NarrowArg {
public:
    explicit NarrowArg(const wchar_t* text) : m_null(text == nullptr), m_text(Narrow(text)) {}
    const char* get() const { return m_null ? nullptr : m_text.c_str(); }

private:
    bool m_null;
    std::string m_text;
};

} // namespace vxcore
