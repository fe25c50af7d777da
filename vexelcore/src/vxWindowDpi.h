// The DPI a window is painted at, as the system tells this process: the window's own
// (Windows 10), else its monitor's (Windows 8.1), else the system's. The queries newer than
// Windows 7 are loaded at run time.
#pragma once

#include <windows.h>

namespace vxcore {

int WindowDpi(HWND hwnd);
int SystemDpi();

} // namespace vxcore
