#include "vxWindowDpi.h"

namespace vxcore {
namespace {

const int kDesignDpi = 96;

typedef UINT(WINAPI* DpiForWindowFn)(HWND);
typedef HRESULT(WINAPI* DpiForMonitorFn)(HMONITOR, int, UINT*, UINT*);
const int kEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

template <class Fn>
Fn FunctionOf(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// shcore.dll from the system folder only; Windows 7 has none.
DpiForMonitorFn LoadDpiForMonitor()
{
    return FunctionOf<DpiForMonitorFn>(LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32),
                                       "GetDpiForMonitor");
}

} // namespace

int SystemDpi()
{
    // Fixed for the life of the process, once the screen could be asked.
    static int s_dpi = 0;
    if (s_dpi == 0) {
        HDC screen = GetDC(nullptr);
        if (screen) {
            s_dpi = GetDeviceCaps(screen, LOGPIXELSY);
            ReleaseDC(nullptr, screen);
        }
    }
    return s_dpi > 0 ? s_dpi : kDesignDpi;
}

int WindowDpi(HWND hwnd)
{
    static const DpiForWindowFn forWindow =
        FunctionOf<DpiForWindowFn>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    static const DpiForMonitorFn forMonitor = LoadDpiForMonitor();
    if (!hwnd || !IsWindow(hwnd))
        return SystemDpi();
    if (forWindow) {
        UINT dpi = forWindow(hwnd);
        return dpi > 0 ? static_cast<int>(dpi) : kDesignDpi;
    }
    UINT dpiX = 0, dpiY = 0;
    if (forMonitor && SUCCEEDED(forMonitor(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &dpiX, &dpiY)) && dpiY > 0)
        return static_cast<int>(dpiY);
    return SystemDpi();
}

} // namespace vxcore
