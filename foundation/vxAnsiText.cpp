#include "vxAnsiText.h"

#include <mbstring.h>
#include <string.h>
#include <wchar.h>

#include <string>

namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Bytes of a UTF-8 sequence by its first byte; 1 for a byte that starts none.
int Utf8SequenceBytes(unsigned char byte)
{
    if (byte >= 0xC2 && byte <= 0xDF)
        return 2;
    if (byte >= 0xE0 && byte <= 0xEF)
        return 3;
    if (byte >= 0xF0 && byte <= 0xF4)
        return 4;
    return 1;
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::wstring Widen(const char* psz, int nBytes)
{
    std::wstring wide;
    const int nWide = ::MultiByteToWideChar(CP_UTF8, 0, psz, nBytes, NULL, 0);
    if (nWide > 0) {
        wide.resize(static_cast<size_t>(nWide));
        ::MultiByteToWideChar(CP_UTF8, 0, psz, nBytes, &wide[0], nWide);
    }
    return wide;
}

} // namespace

UINT vxAnsiCodePage()
{
    return ::GetACP();
}

int vxAnsiCharBytes(const char* psz, int nAvailable, UINT nCodePage)
{
    if (psz == NULL || nAvailable <= 0)
        return 0;
    const unsigned char lead = static_cast<unsigned char>(psz[0]);
    if (lead < 0x80)
        return 1;
    if (nCodePage == CP_UTF8) {
        const int nBytes = Utf8SequenceBytes(lead);
        if (nBytes > nAvailable)
            return 1;
        for (int i = 1; i < nBytes; ++i) {
            if (!IsContinuation(static_cast<unsigned char>(psz[i])))
                return 1;
        }
        return nBytes;
    }
    return nAvailable >= 2 && psz[1] != '\0' && ::IsDBCSLeadByteEx(nCodePage, lead) ? 2 : 1;
}

int vxCharUnits(const char* psz, int nAvailable)
{
    return vxAnsiCharBytes(psz, nAvailable, vxAnsiCodePage());
}

int vxCharUnits(const wchar_t* psz, int nAvailable)
{
    if (psz == NULL || nAvailable <= 0)
        return 0;
    return nAvailable >= 2 && IS_HIGH_SURROGATE(psz[0]) && IS_LOW_SURROGATE(psz[1]) ? 2 : 1;
}

namespace {

template <class Char>
int WholeCharUnits(const Char* psz, int nLength, int nRoom)
{
    int nUnits = 0;
    while (nUnits < nLength) {
        const int nChar = vxCharUnits(psz + nUnits, nLength - nUnits);
        if (nChar <= 0 || nUnits + nChar > nRoom)
            break;
        nUnits += nChar;
    }
    return nUnits;
}

} // namespace

int vxWholeCharUnits(const char* psz, int nLength, int nRoom)
{
    return WholeCharUnits(psz, nLength, nRoom);
}

int vxWholeCharUnits(const wchar_t* psz, int nLength, int nRoom)
{
    return WholeCharUnits(psz, nLength, nRoom);
}

bool vxBeginsWithNoCase(const char* pszText, const char* pszPrefix, size_t nUnits)
{
    if (pszText == NULL || pszPrefix == NULL)
        return false;
    // The multibyte functions of the C runtime know double-byte code pages, not UTF-8.
    if (vxAnsiCodePage() == CP_UTF8)
        return vxUtf8BeginsWithNoCase(pszText, pszPrefix, nUnits);
    return _mbsnbicmp(reinterpret_cast<const unsigned char*>(pszText),
                      reinterpret_cast<const unsigned char*>(pszPrefix), nUnits) == 0;
}

bool vxBeginsWithNoCase(const wchar_t* pszText, const wchar_t* pszPrefix, size_t nUnits)
{
    if (pszText == NULL || pszPrefix == NULL)
        return false;
    if (nUnits == 0)
        return true;
    if (wcsnlen(pszText, nUnits) < nUnits)
        return false;
    return ::CompareStringOrdinal(pszText, static_cast<int>(nUnits), pszPrefix,
                                  static_cast<int>(nUnits), TRUE) == CSTR_EQUAL;
}

bool vxBeginsWith(const char* pszText, const char* pszPrefix, size_t nUnits)
{
    if (pszText == NULL || pszPrefix == NULL)
        return false;
    // Bytes that differ are characters that differ: only byte-equal texts need the
    // character-wise comparison, which is many times slower.
    if (strncmp(pszText, pszPrefix, nUnits) != 0)
        return false;
    // In UTF-8 no character's bytes stand inside another's: equal bytes are equal characters.
    if (vxAnsiCodePage() == CP_UTF8)
        return true;
    return _mbsnbcmp(reinterpret_cast<const unsigned char*>(pszText),
                     reinterpret_cast<const unsigned char*>(pszPrefix), nUnits) == 0;
}

bool vxBeginsWith(const wchar_t* pszText, const wchar_t* pszPrefix, size_t nUnits)
{
    return pszText != NULL && pszPrefix != NULL && wcsncmp(pszText, pszPrefix, nUnits) == 0;
}

int vxWideUnits(const char* psz, int nUnits)
{
    return nUnits <= 0 ? nUnits : ::MultiByteToWideChar(CP_ACP, 0, psz, nUnits, NULL, 0);
}

int vxWideUnits(const wchar_t* /*psz*/, int nUnits)
{
    return nUnits;
}

bool vxTextEquals(const char* pszText, const char* pszOther)
{
    return _mbscmp(reinterpret_cast<const unsigned char*>(pszText),
                   reinterpret_cast<const unsigned char*>(pszOther)) == 0;
}

bool vxTextEquals(const wchar_t* pszText, const wchar_t* pszOther)
{
    return wcscmp(pszText, pszOther) == 0;
}

bool vxUtf8BeginsWithNoCase(const char* pszText, const char* pszPrefix, size_t nBytes)
{
    if (pszText == NULL || pszPrefix == NULL)
        return false;
    // Letters of ASCII fold by themselves; only other characters need the wide comparison.
    size_t i = 0;
    for (; i < nBytes; ++i) {
        const char t = pszText[i];
        const char p = pszPrefix[i];
        if ((t & 0x80) != 0 || (p & 0x80) != 0)
            break;
        if (AsciiLower(t) != AsciiLower(p))
            return false;
    }
    if (i == nBytes)
        return true;
    // The two cases of a letter may differ in their length in bytes, so the prefix is
    // compared with as many UTF-16 units of the whole text as it has itself.
    const std::wstring prefix = Widen(pszPrefix, static_cast<int>(nBytes));
    const std::wstring text = Widen(pszText, static_cast<int>(strlen(pszText)));
    const size_t nUnits = prefix.size();
    if (text.size() < nUnits)
        return false;
    return ::CompareStringOrdinal(text.c_str(), static_cast<int>(nUnits), prefix.c_str(),
                                  static_cast<int>(nUnits), TRUE) == CSTR_EQUAL;
}
