// The focus rectangle the library's controls draw, as the system's controls draw theirs:
// hidden while the window's UI state hides focus cues (until the keyboard is used), and as
// thick as the system's focus border, scaled to the window's DPI; under high contrast always
// shown and two pixels thick at least.
#pragma once

#include <windows.h>

// Draws the cue inside rc, unless the window's UI state hides it (bAlways: focus the keyboard
// gave, shown whatever the state says).
void vxDrawFocusCue(HWND hWnd, HDC hdc, const RECT& rc, BOOL bAlways = FALSE);
