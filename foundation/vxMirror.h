// Windows laid out right to left (WS_EX_LAYOUTRTL: a mirrored window, its client x growing to
// the left): what the user sees on the screen, turned into the window's client terms.
#pragma once

#include <windows.h>

// Whether the window is mirrored; FALSE for no window.
BOOL vxIsMirrored(HWND hWnd);
// An arrow key as the window's client coordinates see it: Left and Right exchanged in a
// mirrored window, so that each moves the way it points on the screen.
UINT vxArrowInClientTerms(HWND hWnd, UINT nChar);
// A move of the pointer on the screen as a move in the window's client coordinates.
POINT vxOffsetInClientTerms(HWND hWnd, POINT offset);
