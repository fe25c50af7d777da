#include "fake_dpi.h"

#include "import_patch.h"

#include <cstring>
#include <map>
#include <vector>

#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace vxtest {
namespace {

typedef FARPROC(WINAPI* GetProcAddressFn)(HMODULE, LPCSTR);
typedef UINT(WINAPI* DpiForWindowFn)(HWND);
typedef int(WINAPI* MetricsForDpiFn)(int, UINT);
typedef HRESULT(WINAPI* DpiForMonitorFn)(HMONITOR, int, UINT*, UINT*);

// State of the fakes; they outlive every FakeDpi since the library keeps their addresses.
FakeDpi::System g_system = FakeDpi::System::Windows10;
std::map<HWND, int> g_windowDpi;
std::map<HMONITOR, int> g_monitorDpi;
GetProcAddressFn g_pfnRealGetProcAddress = nullptr;

int SystemDpi()
{
    HDC hdc = ::GetDC(NULL);
    const int nDpi = ::GetDeviceCaps(hdc, LOGPIXELSY);
    ::ReleaseDC(NULL, hdc);
    return nDpi;
}

int MonitorDpi(HMONITOR hMonitor)
{
    const auto it = g_monitorDpi.find(hMonitor);
    return it != g_monitorDpi.end() ? it->second : SystemDpi();
}

int WindowDpi(HWND hWnd)
{
    HWND hRoot = ::GetAncestor(hWnd, GA_ROOT);
    const auto it = g_windowDpi.find(hRoot != NULL ? hRoot : hWnd);
    if (it != g_windowDpi.end())
        return it->second;
    return MonitorDpi(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST));
}

UINT WINAPI FakeGetDpiForWindow(HWND hWnd)
{
    return ::IsWindow(hWnd) ? static_cast<UINT>(WindowDpi(hWnd)) : 0;
}

HRESULT WINAPI FakeGetDpiForMonitor(HMONITOR hMonitor, int /*type*/, UINT* pDpiX, UINT* pDpiY)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoA(hMonitor, &info) || pDpiX == nullptr || pDpiY == nullptr)
        return E_INVALIDARG;
    *pDpiX = *pDpiY = static_cast<UINT>(MonitorDpi(hMonitor));
    return S_OK;
}

int WINAPI FakeGetSystemMetricsForDpi(int nIndex, UINT uDpi)
{
    return ::MulDiv(::GetSystemMetrics(nIndex), static_cast<int>(uDpi), SystemDpi());
}

bool Named(LPCSTR pszName, const char* pszWanted)
{
    return HIWORD(reinterpret_cast<ULONG_PTR>(pszName)) != 0 && std::strcmp(pszName, pszWanted) == 0;
}

FARPROC WINAPI FakeGetProcAddress(HMODULE hModule, LPCSTR pszName)
{
    const bool bWindows10 = g_system == FakeDpi::System::Windows10;
    const bool bWindows81 = bWindows10 || g_system == FakeDpi::System::Windows81;
    if (Named(pszName, "GetDpiForWindow"))
        return bWindows10 ? reinterpret_cast<FARPROC>(&FakeGetDpiForWindow) : nullptr;
    if (Named(pszName, "GetSystemMetricsForDpi"))
        return bWindows10 ? reinterpret_cast<FARPROC>(&FakeGetSystemMetricsForDpi) : nullptr;
    if (Named(pszName, "GetDpiForSystem") && !bWindows10)
        return nullptr;
    if (Named(pszName, "GetDpiForMonitor"))
        return bWindows81 ? reinterpret_cast<FARPROC>(&FakeGetDpiForMonitor) : nullptr;
    return g_pfnRealGetProcAddress(hModule, pszName);
}

// Every descendant, parents before their children, as Windows sends it.
BOOL CALLBACK TellChild(HWND hChild, LPARAM)
{
    ::SendMessageA(hChild, WM_DPICHANGED_AFTERPARENT, 0, 0);
    return TRUE;
}

} // namespace

struct FakeDpi::Patches {
    std::vector<std::unique_ptr<ImportPatch>> list;
};

FakeDpi::FakeDpi(System system) : m_pPatches(new Patches)
{
    g_system = system;
    g_pfnRealGetProcAddress = &::GetProcAddress;
    for (HMODULE hModule : {ControlModule(), SkinEngineModule(), ::GetModuleHandleA(NULL)}) {
        m_pPatches->list.emplace_back(new ImportPatch(hModule, "kernel32.dll", "GetProcAddress",
                                                      reinterpret_cast<void*>(&FakeGetProcAddress)));
    }
}

FakeDpi::~FakeDpi()
{
    g_windowDpi.clear();
    g_monitorDpi.clear();
}

void FakeDpi::SetMonitorDpi(HMONITOR hMonitor, int nDpi)
{
    g_monitorDpi[hMonitor] = nDpi;
}

void FakeDpi::SetPrimaryMonitorDpi(int nDpi)
{
    const POINT origin = {0, 0};
    SetMonitorDpi(::MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), nDpi);
}

void FakeDpi::SetWindowDpi(HWND hWnd, int nDpi)
{
    g_windowDpi[hWnd] = nDpi;
}

void FakeDpi::TellDpiChanged(HWND hTopLevel, int nOldDpi, int nNewDpi)
{
    RECT rc = {};
    ::GetWindowRect(hTopLevel, &rc);
    RECT suggested = {rc.left, rc.top, rc.left + ::MulDiv(rc.right - rc.left, nNewDpi, nOldDpi),
                      rc.top + ::MulDiv(rc.bottom - rc.top, nNewDpi, nOldDpi)};
    ::SendMessageA(hTopLevel, WM_DPICHANGED, MAKEWPARAM(nNewDpi, nNewDpi), reinterpret_cast<LPARAM>(&suggested));
    ::EnumChildWindows(hTopLevel, TellChild, reinterpret_cast<LPARAM>(hTopLevel));
}

} // namespace vxtest
