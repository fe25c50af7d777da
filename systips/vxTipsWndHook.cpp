#include "vxTipsWndHook.h"

#include "vxAccessibleEvent.h"
#include "vxTipAlertAccessible.h"

#include "vxAliveWatch.h"
#include "vxDpi.h"
#include "vxTipsClose.h"
#include "vxTipsPlacement.h"
#include "vxTipsWndAdmin.h"

vxTipsWndHook::vxTipsWndHook()
    : m_hTipWnd(NULL), m_nCloseTicket(vxNewTipsTicket()), m_pAdmin(NULL), m_bFirstPlace(1), m_bPlacing(FALSE), m_pAliveWatches(NULL),
      m_pAlert(NULL), m_bAnnounce(FALSE)
{
    ::ZeroMemory(&m_stTips, sizeof(m_stTips));
}

vxTipsWndHook::~vxTipsWndHook()
{
    vxAliveWatch::EndAll(m_pAliveWatches);
    vxDeleteProvider(m_pAlert);
}

BOOL vxTipsWndHook::Attach(const _tagstSysTips* pTips, vxTipsWndAdmin* pAdmin)
{
    if (pTips == NULL || !::IsWindow(pTips->hWnd))
        return FALSE;
    m_hTipWnd = pTips->hWnd;
    m_stTips = *pTips;
    m_pAdmin = pAdmin;
    ::SetWindowLongPtr(m_hTipWnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    if (m_stTips.nShowMode == TIPS_SHOW_FADE)
        m_layer.Attach(m_hTipWnd, m_nCloseTicket);
    else if (m_stTips.nShowMode == TIPS_SHOW_SLIDE)
        m_slide.Attach(m_hTipWnd, m_nCloseTicket);
    return HookWindow(m_hTipWnd);
}

void vxTipsWndHook::PlaceAt(int nIndex, int nSlotHeight, int nCount)
{
    const RECT rcWork = m_pAdmin->GetWorkArea();
    if (!::IsWindow(m_hTipWnd))
        return;
    // Sized for where the tip goes, so that the move there needs no second placement.
    nSlotHeight = vxScaleToDpi(nSlotHeight, vxDpiOfMonitor(::MonitorFromRect(&rcWork, MONITOR_DEFAULTTONEAREST)));
    RECT rcWnd;
    ::GetWindowRect(m_hTipWnd, &rcWnd);
    const int cx = rcWnd.right - rcWnd.left;
    const int cy = rcWnd.bottom - rcWnd.top;
    const POINT pt = vxTipsSlotOrigin(rcWork, nIndex, nSlotHeight, nCount, cx);

    if (!m_bFirstPlace && IsSliding() && m_slide.IsMoving()) {
        m_slide.MoveRestingPlace(pt.x, pt.y);
        return;
    }
    // The tip's window is the host's: a move may remove this tip and delete the hook.
    vxAliveWatch watch(m_pAliveWatches);
    if (!m_bFirstPlace) {
        m_bPlacing = TRUE;
        ::SetWindowPos(m_hTipWnd, HWND_TOPMOST, pt.x, pt.y, cx, cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
        if (!watch.IsAlive())
            return;
        m_bPlacing = FALSE;
        if (IsSliding())
            m_slide.MoveRestingPlace(pt.x, pt.y);
        return;
    }
    // First placement: the helper shows the tip its own way; a plain tip just appears.
    m_bPlacing = TRUE;
    if (IsFading()) {
        ::SetWindowPos(m_hTipWnd, HWND_TOPMOST, pt.x, pt.y, cx, cy, SWP_NOACTIVATE);
        if (!watch.IsAlive())
            return;
        m_layer.Start(m_stTips);
    } else if (IsSliding()) {
        ::SetWindowPos(m_hTipWnd, HWND_TOPMOST, pt.x, pt.y, cx, cy, SWP_NOACTIVATE);
        if (!watch.IsAlive())
            return;
        const RECT rcRest = {pt.x, pt.y, pt.x + cx, pt.y + cy};
        m_slide.Start(m_stTips, rcRest);
    } else {
        ::SetWindowPos(m_hTipWnd, HWND_TOPMOST, pt.x, pt.y, cx, cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    if (!watch.IsAlive())
        return;
    m_bPlacing = FALSE;
    m_bFirstPlace = 0;
    // A screen reader announces the tip once it is shown: a fading or sliding tip is shown by
    // its helper.
    m_bAnnounce = TRUE;
    if (::IsWindowVisible(m_hTipWnd))
        Announce();
}

void vxTipsWndHook::Announce()
{
    m_bAnnounce = FALSE;
    vxNotifyAccessibleEvent(EVENT_SYSTEM_ALERT, m_hTipWnd, OBJID_ALERT, CHILDID_SELF);
}

void vxTipsWndHook::Release()
{
    StopHelpers();
    HookWindow(NULL);
    vxDeleteProvider(m_pAlert);
}

LRESULT vxTipsWndHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A close asked for by this hook's helpers or its manager; one asked for by an earlier
    // hook of the window closes nothing.
    if (message == vxTipsCloseMessage() && message != 0)
        return wParam == m_nCloseTicket ? ::SendMessage(m_hTipWnd, WM_CLOSE, 0, 0) : 0;
    if (message == WM_GETOBJECT) {
        const LRESULT lResult = vxAnswerGetObject(m_pAlert, wParam, lParam, [this] { return new vxTipAlertAccessible(m_hTipWnd); });
        if (lResult != 0)
            return lResult;
    }
    // The helpers observe; the message always goes on.
    if (IsFading())
        m_layer.OnMessage(message, wParam, lParam);
    if (IsSliding())
        m_slide.OnMessage(message, wParam, lParam);
    // The system tells top-level windows of a new work area, new monitors or a new DPI, and
    // the tips are the manager's only ones: the first tip told moves them all into their slots.
    const BOOL bMoved = (message == WM_SETTINGCHANGE && wParam == SPI_SETWORKAREA) ||
                        message == WM_DISPLAYCHANGE || message == WM_DPICHANGED;
    const BOOL bShown = (message == WM_SHOWWINDOW && wParam) ||
                        (message == WM_WINDOWPOSCHANGED && (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW));
    if (m_bAnnounce && bShown) {
        const LRESULT lResult = Default();
        if (m_bAnnounce && ::IsWindowVisible(m_hTipWnd))
            Announce();
        return lResult;
    }
    if (!bMoved || (m_bPlacing && message == WM_DPICHANGED))
        return Default();
    vxTipsWndAdmin* pAdmin = m_pAdmin;
    vxAliveWatch watch(m_pAliveWatches);
    const LRESULT lResult = Default();
    if (watch.IsAlive() && pAdmin != NULL)
        pAdmin->Relayout(TRUE);
    return lResult;
}

void vxTipsWndHook::OnHookedClose()
{
    ::ShowWindow(m_hTipWnd, SW_HIDE);
    StopHelpers();
    if (m_pAdmin != NULL)
        m_pAdmin->RemoveTipsByWnd(m_hTipWnd);   // deletes this
}

void vxTipsWndHook::OnHookedDestroy()
{
    StopHelpers();
    if (m_pAdmin != NULL)
        m_pAdmin->RemoveTipsByWnd(m_hTipWnd);   // deletes this
}

BOOL vxTipsWndHook::IsFading() const
{
    return m_layer.GetWnd() != NULL && ::IsWindow(m_layer.GetWnd());
}

BOOL vxTipsWndHook::IsSliding() const
{
    return m_slide.GetWnd() != NULL && ::IsWindow(m_slide.GetWnd());
}

void vxTipsWndHook::StopHelpers()
{
    if (IsSliding())
        m_slide.Stop();
    if (IsFading())
        m_layer.Stop();
}
