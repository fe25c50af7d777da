// Helpers for the tooltip tests: icons of a known size, text measured as the balloon measures
// it, and reading a balloon's place and pixels.
#pragma once

#include "vxtest.h"

#include <windows.h>

#include <string>

namespace tiptest {

// A plain white child window (static controls are transparent to WindowFromPoint).
HWND CreateToolWindow(HWND hParent, int x, int y, int cx, int cy);

// A solid icon of the given size (hot spot in its centre); the caller destroys it.
HICON MakeIcon(int size, COLORREF colour);

// Extent of a text as DrawText measures it (own line breaks, external leading) in a font,
// or in a device context's default font when hFont is null.
SIZE MeasureText(HFONT hFont, const std::string& text);

using vxtest::WindowRect;

// The point the stem's tip of a balloon window touches, from its rectangle and the body height
// (window height less the stem's 25 pixels).
POINT TipOf(HWND hwnd);

using vxtest::CountColour;
using vxtest::LongestRun;

// Moves the pointer (SetCursorPos) and relays a mouse move the way a host's loop would.
template <class Tip>
void RelayMoveTo(Tip& tip, POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    MSG msg = {};
    msg.message = WM_MOUSEMOVE;
    msg.pt = screen;
    tip.RelayEvent(&msg);
}

template <class Tip>
void Relay(Tip& tip, UINT message)
{
    MSG msg = {};
    msg.message = message;
    ::GetCursorPos(&msg.pt);
    tip.RelayEvent(&msg);
}

} // namespace tiptest
