// The library's own sizes (given for 96 DPI) at the DPI a window is shown at. A host that is
// not DPI aware sees 96 everywhere (the system scales its windows as bitmaps) and so gets the
// sizes unchanged; a per-monitor aware one gets its monitor's DPI.
#pragma once

#include <windows.h>

// Sent to child windows once their parent has taken a new DPI (Windows 10; the headers name
// it only for that version).
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

// Dots per inch of the window as it sees them; the system's for no window.
int vxDpiOf(HWND hWnd);

// Dots per inch of the system, at which the system's and the skin engine's fonts are made.
int vxSystemDpi();

// A size given for 96 DPI at nDpi, rounded as MulDiv rounds.
int vxScaleToDpi(int nPixels, int nDpi);
RECT vxScaleToDpi(const RECT& rc, int nDpi);
