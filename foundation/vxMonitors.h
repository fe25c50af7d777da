// The monitor a window is on, with its rectangle and work area in virtual-screen
// coordinates (a monitor left of or above the primary one has negative ones).
#pragma once

#include <windows.h>

struct vxMonitor {
    RECT rcMonitor;                  // the whole monitor
    RECT rcWork;                     // without the taskbar and other docked bars
};

// The monitor that holds most of the window, or the nearest one; the primary monitor for a
// window that does not exist.
vxMonitor vxMonitorOf(HWND hWnd);
// The monitor of this handle, in rMonitor; false, and nothing written, for a handle that names
// no monitor (one unplugged meanwhile).
bool vxMonitorFromHandle(HMONITOR hMonitor, vxMonitor& rMonitor);
// The primary monitor (at the origin); its work area is the one SPI_GETWORKAREA gives.
vxMonitor vxPrimaryMonitor();
