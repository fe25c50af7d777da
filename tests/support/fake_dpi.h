// Monitors and windows at DPIs of the test's choosing, as a real desk of mixed DPIs has them
// (Wine gives every monitor the system's). The library and the skin engine load their DPI
// queries with GetProcAddress; this answers those lookups with functions that report the DPIs
// set here and the real ones elsewhere, or with none, as older systems do. The library looks
// its queries up once, so a FakeDpi is made before the first window of the test and the
// system it imitates holds for the rest of the process.
#pragma once

#include <windows.h>

#include <memory>

namespace vxtest {

class FakeDpi
{
public:
    enum class System {
        Windows10, // GetDpiForWindow, GetSystemMetricsForDpi and GetDpiForMonitor
        Windows81, // GetDpiForMonitor only
        Windows7,  // none of them: the system DPI everywhere
    };

    explicit FakeDpi(System system = System::Windows10);
    ~FakeDpi();
    FakeDpi(const FakeDpi&) = delete;
    FakeDpi& operator=(const FakeDpi&) = delete;

    // Every window on this monitor (top-level windows there and their children) is at nDpi.
    void SetMonitorDpi(HMONITOR hMonitor, int nDpi);
    void SetPrimaryMonitorDpi(int nDpi);
    // This top-level window and its children are at nDpi wherever they are.
    void SetWindowDpi(HWND hWnd, int nDpi);
    // Tells a top-level window its DPI changed as Windows does: WM_DPICHANGED with its
    // rectangle scaled to the new DPI, then WM_DPICHANGED_AFTERPARENT to every descendant.
    static void TellDpiChanged(HWND hTopLevel, int nOldDpi, int nNewDpi);

private:
    struct Patches;
    std::unique_ptr<Patches> m_pPatches;
};

} // namespace vxtest
