// The one place that knows the DPI a window is shown at, and the system's sizes at a DPI.
// The library's own sizes are given for 96 DPI and scaled here. A host that is not DPI aware
// sees 96 everywhere (the system scales its windows as bitmaps) and gets them unchanged; a
// per-monitor aware one gets its monitor's DPI, whether or not the system tells it of changes
// (Windows 8.1 and per-monitor v1 hosts get no WM_DPICHANGED_AFTERPARENT).
//
// Every query newer than Windows 7 is loaded at run time: GetDpiForWindow and
// GetSystemMetricsForDpi (Windows 10 1607), GetDpiForMonitor (shcore.dll, Windows 8.1).
#pragma once

#include <windows.h>

// Sent to child windows once their parent has taken a new DPI (Windows 10; the headers name
// it only for that version).
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

// Dots per inch of the window as it sees them: the window's own, else its monitor's, else
// the system's; the system's for no window.
int vxDpiOf(HWND hWnd);

// Dots per inch of a monitor as this process sees it; the system's where the system cannot
// tell (before Windows 8.1).
int vxDpiOfMonitor(HMONITOR hMonitor);

// Dots per inch of the monitor nearest to a point of the virtual screen.
int vxDpiAtPoint(POINT pt);

// Dots per inch of the system, at which the system's and the skin engine's fonts are made.
int vxSystemDpi();

// A system metric (SM_CXVSCROLL, ...) as the system draws it at nDpi.
int vxMetricAtDpi(int nIndex, int nDpi);

// A size given for 96 DPI at nDpi, rounded as MulDiv rounds.
int vxScaleToDpi(int nPixels, int nDpi);
RECT vxScaleToDpi(const RECT& rc, int nDpi);
