// Text taken character by character, so that no search, cut or selection splits a character:
// narrow text in the process's ANSI code page, a double-byte code page (932 and its kin) or
// UTF-8 (65001, as an application manifest can set it); wide text in UTF-16, where a
// surrogate pair is one character. The overloads for both let TCHAR code call one name.
#pragma once

#include <windows.h>

#include <stddef.h>

// The code page the library's texts are in (the process's ANSI code page).
UINT vxAnsiCodePage();

// Bytes of the character that starts at psz, of the nAvailable bytes there: 1 to 4 in UTF-8,
// 1 or 2 in a double-byte code page. A character cut off by the end, or a byte that starts
// none, counts as a character of one byte. 0 when nAvailable is not positive.
int vxAnsiCharBytes(const char* psz, int nAvailable, UINT nCodePage);

// Whether the UTF-8 text begins with the first nBytes of pszPrefix, letters compared without
// their case (simple case folding, as CompareStringOrdinal does).
bool vxUtf8BeginsWithNoCase(const char* pszText, const char* pszPrefix, size_t nBytes);

// Units (bytes, or UTF-16 units) of the character that starts at psz, of the nAvailable
// there, in the process's ANSI code page for narrow text; 0 when nAvailable is not positive.
int vxCharUnits(const char* psz, int nAvailable);
int vxCharUnits(const wchar_t* psz, int nAvailable);
// The most units of the nLength-unit text, at most nRoom, that end with a whole character.
int vxWholeCharUnits(const char* psz, int nLength, int nRoom);
int vxWholeCharUnits(const wchar_t* psz, int nLength, int nRoom);

// Whether pszText begins with the first nUnits of pszPrefix, letters compared without their
// case: multibyte-aware in the ANSI code page, or ordinally in UTF-16 (CompareStringOrdinal).
bool vxBeginsWithNoCase(const char* pszText, const char* pszPrefix, size_t nUnits);
bool vxBeginsWithNoCase(const wchar_t* pszText, const wchar_t* pszPrefix, size_t nUnits);
// The same, case-sensitively.
bool vxBeginsWith(const char* pszText, const char* pszPrefix, size_t nUnits);
bool vxBeginsWith(const wchar_t* pszText, const wchar_t* pszPrefix, size_t nUnits);
// UTF-16 units of the first nUnits of the text: converted from the ANSI code page for narrow
// text (an edit of a Unicode window counts so), nUnits itself for wide text.
int vxWideUnits(const char* psz, int nUnits);
int vxWideUnits(const wchar_t* psz, int nUnits);
// Whether the texts are equal, character by character.
bool vxTextEquals(const char* pszText, const char* pszOther);
bool vxTextEquals(const wchar_t* pszText, const wchar_t* pszOther);
