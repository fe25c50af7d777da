// Texts at the interface: the engine keeps and paints values as UTF-16; narrow calls hand in
// and get back text in the ANSI code page. Names (of draw items, fonts, colours) are ASCII
// and kept narrow.
#pragma once

#include <windows.h>
#include <string>

namespace vxcore {

std::wstring Widen(const char* text);   // from the ANSI code page; empty for null
std::string Narrow(const wchar_t* text); // to the ANSI code page; empty for null

inline std::wstring Converted(const char* text) { return Widen(text); }
inline std::string Converted(const wchar_t* text) { return Narrow(text); }

// An argument converted to the other character set, null kept as null.
template <class From, class To>
class ConvertedArg {
public:
    explicit ConvertedArg(const From* text) : m_null(text == nullptr), m_text(Converted(text)) {}
    const To* get() const { return m_null ? nullptr : m_text.c_str(); }

private:
    bool m_null;
    std::basic_string<To> m_text;
};

using WideArg = ConvertedArg<char, wchar_t>;   // a narrow argument for the engine's side
using NarrowArg = ConvertedArg<wchar_t, char>; // a name handed in wide

} // namespace vxcore
