#include "vxDpi.h"

#include "vxRuntimeImport.h"

#include <tchar.h>

namespace {

const int kDesignDpi = 96;

typedef UINT(WINAPI* DpiForWindowFn)(HWND);
typedef UINT(WINAPI* DpiForSystemFn)();
typedef int(WINAPI* MetricsForDpiFn)(int, UINT);
typedef HRESULT(WINAPI* DpiForMonitorFn)(HMONITOR, int, UINT*, UINT*);
const int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

template <class Fn>
Fn User32Function(const char* pszName)
{
    return vxFunctionOf<Fn>(::GetModuleHandle(_T("user32.dll")), pszName);
}

DpiForMonitorFn LoadDpiForMonitor()
{
    return vxFunctionOf<DpiForMonitorFn>(vxSystemLibrary(_T("shcore.dll")), "GetDpiForMonitor");
}

int DpiOrDesign(int nDpi)
{
    return nDpi > 0 ? nDpi : kDesignDpi;
}

} // namespace

int vxSystemDpi()
{
    static const DpiForSystemFn s_pfnSystem = User32Function<DpiForSystemFn>("GetDpiForSystem");
    if (s_pfnSystem != NULL)
        return DpiOrDesign(static_cast<int>(s_pfnSystem()));
    HDC hdc = ::GetDC(NULL);
    const int nDpi = hdc != NULL ? ::GetDeviceCaps(hdc, LOGPIXELSY) : kDesignDpi;
    if (hdc != NULL)
        ::ReleaseDC(NULL, hdc);
    return DpiOrDesign(nDpi);
}

int vxDpiOfMonitor(HMONITOR hMonitor)
{
    static const DpiForMonitorFn s_pfnMonitor = LoadDpiForMonitor();
    UINT uDpiX = 0, uDpiY = 0;
    if (hMonitor != NULL && s_pfnMonitor != NULL && SUCCEEDED(s_pfnMonitor(hMonitor, kEffectiveDpi, &uDpiX, &uDpiY)))
        return DpiOrDesign(static_cast<int>(uDpiY));
    return vxSystemDpi();
}

int vxDpiOf(HWND hWnd)
{
    static const DpiForWindowFn s_pfnWindow = User32Function<DpiForWindowFn>("GetDpiForWindow");
    if (hWnd == NULL || !::IsWindow(hWnd))
        return vxSystemDpi();
    if (s_pfnWindow != NULL)
        return DpiOrDesign(static_cast<int>(s_pfnWindow(hWnd)));
    return vxDpiOfMonitor(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST));
}

int vxDpiAtPoint(POINT pt)
{
    return vxDpiOfMonitor(::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST));
}

int vxMetricAtDpi(int nIndex, int nDpi)
{
    static const MetricsForDpiFn s_pfnMetrics = User32Function<MetricsForDpiFn>("GetSystemMetricsForDpi");
    if (s_pfnMetrics != NULL)
        return s_pfnMetrics(nIndex, static_cast<UINT>(nDpi));
    // The system's metrics are at the system's DPI for this process.
    return ::MulDiv(::GetSystemMetrics(nIndex), nDpi, vxSystemDpi());
}

int vxScaleToDpi(int nPixels, int nDpi)
{
    return ::MulDiv(nPixels, nDpi, kDesignDpi);
}

RECT vxScaleToDpi(const RECT& rc, int nDpi)
{
    return {vxScaleToDpi(rc.left, nDpi), vxScaleToDpi(rc.top, nDpi), vxScaleToDpi(rc.right, nDpi),
            vxScaleToDpi(rc.bottom, nDpi)};
}
