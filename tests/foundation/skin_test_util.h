// Helpers of the skin engine tests: journal lines, child windows of a host, solid test
// images and pixels read back from a window's screen surface.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

#include "vexelcore_journal.h"
#include "vxtest.h"
#include "vxtest_checks.h"

namespace skintest {

using vxtest::H;
using vxtest::Journal;

// A visible child of the host at (x, y) with the given client size (no borders).
inline HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y,
                  int cx, int cy, int id = 1)
{
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

// A 32-bit bitmap of one colour; the caller deletes it.
inline HBITMAP SolidBitmap(int cx, int cy, COLORREF colour)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, cx, cy);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, cx, cy};
    COLORREF oldBack = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    SetBkColor(dc, oldBack);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

using vxtest::PixelAt;

// Pumps until the window's pixel has the colour; true when it got it.
inline bool PixelBecomes(HWND hwnd, int x, int y, COLORREF colour)
{
    return vxtest::PumpUntil([&] { return PixelAt(hwnd, x, y) == colour; });
}

// Number of pixels of a rectangle that differ from a colour.
inline int PixelsOtherThan(HWND hwnd, const RECT& rect, COLORREF colour)
{
    return (rect.right - rect.left) * (rect.bottom - rect.top) - vxtest::CountColour(hwnd, rect, colour);
}

inline std::string Hex(COLORREF colour)
{
    char text[16];
    wsprintfA(text, "0x%06X", static_cast<unsigned>(colour));
    return text;
}

// Pumps a little and answers the window's pixel, for failure messages.
inline std::string SettledPixel(HWND hwnd, int x, int y)
{
    vxtest::PumpMessages();
    return Hex(PixelAt(hwnd, x, y));
}

} // namespace skintest
