// A plain top-level window for tests to parent controls to, and the window classes and
// activation of the tests' own windows.
#include "vxtest.h"

namespace vxtest {

namespace {

const char kHostClass[] = "vxtest.HostWindow";
const char kHostProp[] = "vxtest.host";

} // namespace

bool RegisterTestClass(const char* name, WNDPROC proc, HBRUSH hBackground, UINT style)
{
    WNDCLASSA wc = {};
    if (::GetClassInfoA(::GetModuleHandleA(nullptr), name, &wc))
        return true;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = hBackground;
    wc.lpszClassName = name;
    return ::RegisterClassA(&wc) != 0;
}

bool BringToFront(HWND hwnd)
{
    return PumpUntil([&] {
        ::SetForegroundWindow(hwnd);
        return ::GetForegroundWindow() == hwnd;
    });
}

HostWindow::HostWindow(int clientWidth, int clientHeight, DWORD style)
{
    RegisterTestClass(kHostClass, ::DefWindowProcA, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), CS_DBLCLKS);
    RECT rc = {0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&rc, style, FALSE, 0);
    m_hwnd = ::CreateWindowExA(0, kHostClass, "vxtest host", style | WS_CLIPCHILDREN, 100, 100,
                               rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    ::SetPropA(m_hwnd, kHostProp, this);
    ::SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostWindow::Proc));
    ::ShowWindow(m_hwnd, SW_SHOW);
    ::UpdateWindow(m_hwnd);
    ::SetForegroundWindow(m_hwnd);
    PumpMessages();
}

HostWindow::~HostWindow()
{
    if (::IsWindow(m_hwnd)) {
        ::RemovePropA(m_hwnd, kHostProp);
        ::SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(::DefWindowProcA));
        ::DestroyWindow(m_hwnd);
    }
    PumpMessages();
}

LRESULT CALLBACK HostWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<HostWindow*>(::GetPropA(hwnd, kHostProp));
    if (self == nullptr)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    self->m_recorder.Record(hwnd, message, wParam, lParam, IsPostedMessage(hwnd, message, wParam, lParam));
    LRESULT result = 0;
    if (self->m_handler && self->m_handler(message, wParam, lParam, result))
        return result;
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace vxtest
