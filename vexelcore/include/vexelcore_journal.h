// vexelcore's call journal and test switches, for the library's tests only: neither is part
// of the installed interface.
//
// While the journal is switched on (vxJournalEnable, off at load) every call of the
// seven skin functions (either form, under the plain name; wide texts written in the ANSI
// code page) adds one line, in call order; while off no call adds a line and no
// string handed in is copied for it.
//   vxSkinWindow(<hwnd>,<kind>,<skin>,<n>)
//   vxSetDrawItemValue(<hwnd>,<name>,<value>,<n>)
//   vxSetDrawItemValueEx(<hwnd>,<index>,<n>,<name>,<value>,<n>)
//   vxSetDrawItemVisible(<hwnd>,<n>,<n>,<visible>,<n>)
//   vxLockState(<hwnd>,<n>)
//   vxGetFont(<name>)
//   vxSetToolTips(<hwnd>,<text>)
// <hwnd> is "0x" and the handle in upper-case hex, at least 8 digits (vxFormatHandle below
// writes it the same way); numbers are signed decimal; strings are in double quotes with
// '"' and '\' preceded by '\' and bytes below 0x20 written as \xNN; a null string is null.
// Example: vxSkinWindow(0x00012345,103,"listview.item",0)
// The journal keeps the latest VXCORE_JOURNAL_LIMIT lines.
#pragma once

#include "vexelcore.h"

#define VXCORE_JOURNAL_LIMIT 65536

#ifdef __cplusplus
extern "C" {
#endif

VXCORE_API int vxJournalCount(void);
// Line i (0 = oldest kept), null when out of range. Valid until the journal changes.
VXCORE_API const char* vxJournalGet(int i);
VXCORE_API void vxJournalClear(void);
// Non-zero switches the journal on, 0 off; lines already kept stay.
VXCORE_API void vxJournalEnable(int on);
// Non-zero: vxGetFont returns null (the callers' fallback path); 0 restores it.
VXCORE_API void vxSetGetFontFails(int fails);

#ifdef __cplusplus
}
#endif

// Writes a window handle as the journal does ("0x0001A2B4") into a buffer of `size`
// characters (19 hold any handle) and returns the buffer; a short buffer gets a cut text.
static inline const char* vxFormatHandle(HWND hwnd, char* buffer, size_t size)
{
    static const char digits[] = "0123456789ABCDEF";
    char text[2 + 2 * sizeof(UINT_PTR) + 1];
    UINT_PTR value = (UINT_PTR)hwnd;
    int count = 8;
    while (count < (int)(2 * sizeof(UINT_PTR)) && (value >> (4 * count)) != 0)
        ++count;
    text[0] = '0';
    text[1] = 'x';
    for (int i = 0; i < count; ++i)
        text[2 + i] = digits[(value >> (4 * (count - 1 - i))) & 0xF];
    text[2 + count] = '\0';
    if (buffer && size > 0) {
        size_t i = 0;
        for (; i + 1 < size && text[i]; ++i)
            buffer[i] = text[i];
        buffer[i] = '\0';
    }
    return buffer;
}
