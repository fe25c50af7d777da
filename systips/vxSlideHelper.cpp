#include "vxSlideHelper.h"
#include "vxDpi.h"
#include "vxMonitors.h"
#include "vxTipsClose.h"
#include "vxTipsPlacement.h"

vxSlideHelper::vxSlideHelper()
    : m_hWnd(NULL), m_nCloseTicket(0), m_nPhase(Idle), m_nTargetY(0), m_nCurY(0), m_nStayTime(4000), m_nStep(TIPS_SLIDE_STEP)
{
    ::SetRectEmpty(&m_rcWnd);
}

void vxSlideHelper::Attach(HWND hWnd, UINT_PTR nCloseTicket)
{
    m_hWnd = hWnd;
    m_nCloseTicket = nCloseTicket;
}

void vxSlideHelper::Start(const _tagstSysTips& tips, const RECT& rcWnd)
{
    m_nTargetY = rcWnd.top;
    m_nCurY = rcWnd.bottom;
    m_rcWnd = rcWnd;
    m_nStayTime = tips.nStayTime;
    m_nStep = vxScaleToDpi(TIPS_SLIDE_STEP, vxDpiOf(m_hWnd));
    m_nPhase = SlidingIn;
    if (!::SetTimer(m_hWnd, TIPS_TIMER_SLIDE_IN, TIPS_SLIDE_IN_INTERVAL, NULL)) {
        // No timer to slide by: the tip shows in its place at once, and its stay begins.
        MoveTo(m_rcWnd.left, m_rcWnd.top);
        m_nPhase = Staying;
        ::SetTimer(m_hWnd, TIPS_TIMER_SLIDE_STAY, m_nStayTime, NULL);
    }
}

void vxSlideHelper::MoveRestingPlace(int x, int y)
{
    m_rcWnd.left = x;
    m_rcWnd.top = y;
    if (m_nPhase != SlidingOut)
        m_nTargetY = y;
}

void vxSlideHelper::Stop()
{
    if (m_hWnd != NULL) {
        ::KillTimer(m_hWnd, TIPS_TIMER_SLIDE_OUT);
        ::KillTimer(m_hWnd, TIPS_TIMER_SLIDE_IN);
        ::KillTimer(m_hWnd, TIPS_TIMER_SLIDE_STAY);
    }
    m_hWnd = NULL;
    m_nPhase = Idle;
}

void vxSlideHelper::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_TIMER)
        return;
    switch (wParam) {
    case TIPS_TIMER_SLIDE_IN:
        m_nCurY -= m_nStep;
        if (m_nCurY > m_nTargetY) {
            MoveTo(m_rcWnd.left, m_nCurY);
        } else {
            MoveTo(m_rcWnd.left, m_rcWnd.top);
            m_nPhase = Staying;
            ::KillTimer(m_hWnd, TIPS_TIMER_SLIDE_IN);
            ::SetTimer(m_hWnd, TIPS_TIMER_SLIDE_STAY, m_nStayTime, NULL);
        }
        break;
    case TIPS_TIMER_SLIDE_STAY:
        BeginSlideOut();
        ::KillTimer(m_hWnd, TIPS_TIMER_SLIDE_STAY);
        break;
    case TIPS_TIMER_SLIDE_OUT:
        m_nCurY += m_nStep;
        if (m_nCurY < m_nTargetY) {
            MoveTo(m_rcWnd.left, m_nCurY);
        } else {
            ::KillTimer(m_hWnd, TIPS_TIMER_SLIDE_OUT);
            m_nPhase = Idle;
            ::ShowWindow(m_hWnd, SW_HIDE);
            vxPostTipsClose(m_hWnd, m_nCloseTicket);
        }
        break;
    }
}

void vxSlideHelper::BeginSlideOut()
{
    RECT rcWnd;
    ::GetWindowRect(m_hWnd, &rcWnd);
    // Down out of the work area of the monitor the tip rests on.
    const RECT rcWork = vxMonitorOf(m_hWnd).rcWork;
    m_nTargetY = rcWork.bottom;
    m_nCurY = rcWnd.top;
    m_nPhase = SlidingOut;
    ::SetTimer(m_hWnd, TIPS_TIMER_SLIDE_OUT, vxSlideOutInterval(rcWork.bottom - rcWnd.top, m_nStep), NULL);
}

void vxSlideHelper::MoveTo(int x, int y)
{
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}
