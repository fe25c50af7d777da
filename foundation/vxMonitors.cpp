#include "vxMonitors.h"

namespace {

vxMonitor InfoOf(HMONITOR hMonitor)
{
    vxMonitor monitor = {};
    if (vxMonitorFromHandle(hMonitor, monitor))
        return monitor;
    // No monitor to ask: the primary screen as the system metrics give it.
    ::SetRect(&monitor.rcMonitor, 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    if (!::SystemParametersInfo(SPI_GETWORKAREA, 0, &monitor.rcWork, 0))
        monitor.rcWork = monitor.rcMonitor;
    return monitor;
}

} // namespace

bool vxMonitorFromHandle(HMONITOR hMonitor, vxMonitor& rMonitor)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (hMonitor == NULL || !::GetMonitorInfo(hMonitor, &info))
        return false;
    rMonitor.rcMonitor = info.rcMonitor;
    rMonitor.rcWork = info.rcWork;
    // The primary monitor's work area is the one SPI_SETWORKAREA sets; Windows reports it for
    // the monitor too, Wine only through SPI_GETWORKAREA.
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0)
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rMonitor.rcWork, 0);
    return true;
}

vxMonitor vxMonitorOf(HWND hWnd)
{
    if (hWnd == NULL || !::IsWindow(hWnd))
        return vxPrimaryMonitor();
    return InfoOf(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST));
}

vxMonitor vxPrimaryMonitor()
{
    const POINT origin = {0, 0};
    return InfoOf(::MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY));
}
