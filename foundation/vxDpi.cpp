#include "vxDpi.h"

#include <tchar.h>

namespace {

const int kDesignDpi = 96;

// The per-window and system queries of Windows 10; older systems answer by the screen.
typedef UINT(WINAPI* DpiForWindowFn)(HWND);
typedef UINT(WINAPI* DpiForSystemFn)();

template <class Fn>
Fn User32Function(const char* pszName) // GetProcAddress takes narrow names only
{
    HMODULE hUser32 = ::GetModuleHandle(_T("user32.dll"));
    return hUser32 != NULL ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(hUser32, pszName)))
                           : NULL;
}

} // namespace

int vxSystemDpi()
{
    static const DpiForSystemFn s_pfnSystem = User32Function<DpiForSystemFn>("GetDpiForSystem");
    if (s_pfnSystem != NULL)
        return static_cast<int>(s_pfnSystem());
    HDC hdc = ::GetDC(NULL);
    const int nDpi = hdc != NULL ? ::GetDeviceCaps(hdc, LOGPIXELSY) : kDesignDpi;
    if (hdc != NULL)
        ::ReleaseDC(NULL, hdc);
    return nDpi;
}

int vxDpiOf(HWND hWnd)
{
    static const DpiForWindowFn s_pfnWindow = User32Function<DpiForWindowFn>("GetDpiForWindow");
    int nDpi = 0;
    if (hWnd != NULL && ::IsWindow(hWnd))
        nDpi = s_pfnWindow != NULL ? static_cast<int>(s_pfnWindow(hWnd)) : vxSystemDpi();
    else
        nDpi = vxSystemDpi();
    return nDpi > 0 ? nDpi : kDesignDpi;
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
