#include "tips_test_util.h"

#include "vxtest.h"

namespace tipstest {

namespace {

const char kTipClass[] = "vxtest.TipWindow";

bool IsLibraryTimer(WPARAM id) { return id == 1 || id == 2 || id == 3 || (id >= 10 && id <= 12); }

} // namespace

TipWindow::TipWindow(int cx, int cy, DWORD style)
{
    vxtest::RegisterTestClass(kTipClass, &TipWindow::Proc, reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1));
    m_hwnd = ::CreateWindowExA(0, kTipClass, "tip", style, 0, 0, cx, cy, nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_log));
}

TipWindow::~TipWindow()
{
    if (::IsWindow(m_hwnd)) {
        ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
        ::DestroyWindow(m_hwnd);
    }
}

RECT TipWindow::Rect() const
{
    RECT rc = {};
    ::GetWindowRect(m_hwnd, &rc);
    return rc;
}

bool TipWindow::Unhooked() const
{
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hwnd, GWLP_WNDPROC)) == OwnProc();
}

int TipWindow::Alpha() const
{
    if ((::GetWindowLongPtrA(m_hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) == 0)
        return 255;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!::GetLayeredWindowAttributes(m_hwnd, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
        return 255;
    return alpha;
}

_tagstSysTips TipWindow::Record(int nShowMode, int priority, UINT stayMs, _tagenumTipsSrc src,
                                int id) const
{
    _tagstSysTips t = {};
    t.src = src;
    t.nShowMode = nShowMode;
    t.priority = static_cast<_tagenumPriority>(priority);
    t.nStayTime = stayMs;
    t.nExtra1 = id;
    t.hWnd = m_hwnd;
    return t;
}

WNDPROC TipWindow::OwnProc()
{
    return &TipWindow::Proc;
}

LRESULT CALLBACK TipWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* log = reinterpret_cast<TipLog*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (log == nullptr)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_TIMER:
        // The hooks have acted on the tick already: read back what they applied.
        if (IsLibraryTimer(wParam)) {
            ++log->timerTicks;
            log->timerTimes.push_back(::GetTickCount());
        }
        if (wParam == 2 || wParam == 3) {
            BYTE alpha = 255;
            DWORD flags = 0;
            if ((::GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) == 0 ||
                !::GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags))
                alpha = 255;
            log->fadeAlphas.push_back(alpha);
            log->fadeTimers.push_back((int)wParam);
        } else if (wParam == 10 || wParam == 11) {
            RECT rc;
            ::GetWindowRect(hwnd, &rc);
            log->slideTops.push_back(rc.top);
            log->slideTimers.push_back((int)wParam);
        }
        return 0;
    case WM_CLOSE:
        ++log->closes;
        if (log->keepOnClose)
            return 0;
        break;
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE:
        ++log->mouseLeaves;
        log->lastLeaveTime = ::GetTickCount();
        break;
    case WM_STYLECHANGED: {
        // Taking a tip into the stack sets its extended style to the tool window style alone.
        const auto* change = reinterpret_cast<const STYLESTRUCT*>(lParam);
        if (wParam == (WPARAM)GWL_EXSTYLE && change->styleNew == WS_EX_TOOLWINDOW &&
            (change->styleOld & WS_EX_TOOLWINDOW) == 0) {
            ++log->shows;
            if (log->onShown)
                log->onShown();
        }
        break;
    }
    case WM_WINDOWPOSCHANGED:
        if (!(reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_NOMOVE))
            log->moveTops.push_back(reinterpret_cast<const WINDOWPOS*>(lParam)->y);
        if (log->onMoved)
            log->onMoved();
        break;
    case WM_NCDESTROY:
        log->destroyed = true;
        break;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

OpenSysTips* NewManager(int maxCount)
{
    auto* p = new OpenSysTips;
    p->Init();
    p->SetTipsMaxCount(maxCount);
    return p;
}

void DestroyManager(OpenSysTips* pTips)
{
    ::DestroyWindow(pTips->GetSafeHwnd());
}

RECT WorkArea()
{
    RECT rc = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

} // namespace tipstest
