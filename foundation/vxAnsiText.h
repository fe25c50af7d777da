// Text in the process's ANSI code page, taken character by character: a double-byte code
// page (932 and its kin) or UTF-8 (65001, as an application manifest can set it), so that no
// search, cut or selection splits a character.
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
