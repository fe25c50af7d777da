// Message dispatch through a message map against a plain window procedure.
#include "bench.h"

#include <afxwin.h>

#include <memory>

namespace {

const int kMessages = 1000000;
const int kMapEntries = 30;
volatile LONG_PTR g_sink;             // keeps the handlers' work from being optimised away

// Thirty handlers, one per message WM_APP + N.
class DispatchWnd : public CWnd
{
public:
    template <int N>
    LRESULT OnApp(WPARAM wParam, LPARAM lParam)
    {
        g_sink = g_sink + N + static_cast<LONG_PTR>(wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

#define VXBENCH_ENTRY(n) ON_MESSAGE(WM_APP + n, &DispatchWnd::OnApp<n>)

BEGIN_MESSAGE_MAP(DispatchWnd, CWnd)
    VXBENCH_ENTRY(0) VXBENCH_ENTRY(1) VXBENCH_ENTRY(2) VXBENCH_ENTRY(3) VXBENCH_ENTRY(4)
    VXBENCH_ENTRY(5) VXBENCH_ENTRY(6) VXBENCH_ENTRY(7) VXBENCH_ENTRY(8) VXBENCH_ENTRY(9)
    VXBENCH_ENTRY(10) VXBENCH_ENTRY(11) VXBENCH_ENTRY(12) VXBENCH_ENTRY(13) VXBENCH_ENTRY(14)
    VXBENCH_ENTRY(15) VXBENCH_ENTRY(16) VXBENCH_ENTRY(17) VXBENCH_ENTRY(18) VXBENCH_ENTRY(19)
    VXBENCH_ENTRY(20) VXBENCH_ENTRY(21) VXBENCH_ENTRY(22) VXBENCH_ENTRY(23) VXBENCH_ENTRY(24)
    VXBENCH_ENTRY(25) VXBENCH_ENTRY(26) VXBENCH_ENTRY(27) VXBENCH_ENTRY(28) VXBENCH_ENTRY(29)
END_MESSAGE_MAP()

// The same thirty cases in a switch, as a hand-written window procedure has them.
LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP && message < WM_APP + kMapEntries) {
        g_sink = g_sink + (message - WM_APP) + static_cast<LONG_PTR>(wParam);
        return 0;
    }
    return ::DefWindowProc(hwnd, message, wParam, lParam);
}

HWND CreatePlainWindow()
{
    WNDCLASS wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.lpszClassName = _T("vxbench.plain");
    ::RegisterClass(&wc);
    return ::CreateWindow(_T("vxbench.plain"), _T(""), WS_POPUP, 0, 0, 10, 10, NULL, NULL, wc.hInstance, NULL);
}

// Every message of the map in turn, so that a lookup by scanning would pay on average
// for half the map.
void SendAll(HWND hwnd)
{
    for (int i = 0; i < kMessages; ++i)
        ::SendMessage(hwnd, WM_APP + i % kMapEntries, 1, 0);
}

} // namespace

VXBENCH_FIGURE(message_map_dispatch)
{
    auto framed = std::make_shared<DispatchWnd>();
    framed->CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
    HWND plain = CreatePlainWindow();
    HWND hFramed = framed->GetSafeHwnd();

    vxbench::Comparison c;
    c.baseline = "plain window procedure, 1M sent messages";
    c.runBaseline = [plain] { SendAll(plain); };
    c.runSubject = [hFramed] { SendAll(hFramed); };
    c.cleanup = [framed, plain] {
        framed->DestroyWindow();
        ::DestroyWindow(plain);
    };
    c.runs = 9;                      // a run is short, and Wine's sends vary from run to run
    c.targetRatio = 1.15;
    return c;
}
