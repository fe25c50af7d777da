// rvToolTip: tools, relay, timers, showing and the pointer over the balloon.
#include "rvToolTip.h"
#include "vxAccessibleEvent.h"
#include "vxBalloonGeometry.h"
#include "rvToolTipAccessible.h"
#include "vxBalloonDismiss.h"
#include "vxAliveWatch.h"
#include "vxDpi.h"

#include <commctrl.h>

namespace {

const UINT_PTR kShowTimer = 100;     // pointer rests on a tool
const UINT_PTR kHideTimer = 101;     // hide once the pointer has moved
const UINT_PTR kAutoHideTimer = 502; // arms auto-hide

// Where resources of the given type and id are found: the host's modules first, then ours.
HINSTANCE ResourceModuleFor(UINT nID, LPCTSTR type)
{
    return AfxFindResourceHandle(MAKEINTRESOURCE(nID), type);
}

HICON LoadIconResource(UINT nIDIcon, int cx, int cy)
{
    return static_cast<HICON>(::LoadImage(ResourceModuleFor(nIDIcon, RT_GROUP_ICON),
                                          MAKEINTRESOURCE(nIDIcon), IMAGE_ICON, cx, cy,
                                          LR_SHARED));
}

} // namespace

IMPLEMENT_DYNAMIC(rvToolTip, CWnd)

BEGIN_MESSAGE_MAP(rvToolTip, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_ACTIVATE()
    ON_WM_ACTIVATEAPP()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_MOUSELEAVE, &rvToolTip::OnMouseLeave)
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_DPICHANGED, &rvToolTip::OnDpiChanged)
    ON_MESSAGE(WM_DISPLAYCHANGE, &rvToolTip::OnDisplayChange)
    ON_MESSAGE(WM_GETOBJECT, &rvToolTip::OnGetObject)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

rvToolTip::rvToolTip()
    : m_bAutoHidePending(FALSE), m_bAutoHide(FALSE), m_nShowDelay(500), m_nHideDelay(500),
      m_ptLast(0, 0), m_nTimer(0), m_hIcon(NULL), m_sizeIcon(0, 0),
      m_clrBk(::GetSysColor(COLOR_WINDOW)), m_clrFrame(::GetSysColor(COLOR_WINDOWTEXT)),
      m_clrInnerFrame(::GetSysColor(COLOR_SCROLLBAR)), m_sizeWnd(0, 0), m_mapTools(10),
      m_bLink(FALSE), m_bHover(FALSE), m_hCursor(NULL), m_hNotifyWnd(NULL),
      m_nMarginX(VX_BALLOON_METRICS.nMarginX), m_nMarginY(VX_BALLOON_METRICS.nMarginY),
      m_nArrowWidth(VX_BALLOON_METRICS.nArrowWidth), m_nArrowHeight(VX_BALLOON_METRICS.nArrowHeight),
      m_nIconGap(VX_BALLOON_METRICS.nIconGap), m_nDefShowDelay(500), m_nDefHideDelay(500), m_hFont(NULL),
      m_hPendingTool(NULL), m_pAliveWatches(NULL), m_nLinkLineHeight(VX_BALLOON_LINK_LINE_HEIGHT),
      m_pAccessible(NULL), m_hFocusBefore(NULL), m_nDpi(96), m_ptTip(0, 0), m_nStem(0), m_hDpiFont(NULL), m_hDpiFontSource(NULL)
{
    m_mapTools.InitHashTable(17);
    m_nShowDelay = m_nDefShowDelay;
    m_nHideDelay = m_nDefHideDelay;
}

rvToolTip::~rvToolTip()
{
    vxAliveWatch::EndAll(m_pAliveWatches);
    // Destroyed here, while the object is still a tooltip, so that OnDestroy stops its timers.
    if (m_hWnd != NULL)
        DestroyWindow();
    delete m_pAccessible;
    if (m_hDpiFont != NULL)
        ::DeleteObject(m_hDpiFont);
}

LRESULT rvToolTip::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = vxAnswerGetObject(m_pAccessible, wParam, lParam, [this] { return new rvToolTipAccessible(this); });
    return lResult != 0 ? lResult : Default();
}

void rvToolTip::OnNcDestroy()
{
    vxDeleteProvider(m_pAccessible);
    CWnd::OnNcDestroy();
}

int rvToolTip::Create(CWnd* pParentWnd)
{
    // A class the system refuses (MFC throws for it) is a creation that failed.
    LPCTSTR pszClass = NULL;
    try {
        pszClass = AfxRegisterWndClass(0);
    } catch (CResourceException* e) {
        e->Delete();
        return FALSE;
    }
    if (!CreateEx(0, pszClass, NULL, WS_POPUP, 0, 0, 0, 0, pParentWnd->GetSafeHwnd(), NULL, NULL))
        return FALSE;
    ScaleToDpi(vxDpiOf(m_hWnd));
    return TRUE;
}

void rvToolTip::ScaleToDpi(int nDpi)
{
    // A copy of the text font made for the previous DPI goes with it.
    if (nDpi != m_nDpi && m_hDpiFont != NULL) {
        ::DeleteObject(m_hDpiFont);
        m_hDpiFont = m_hDpiFontSource = NULL;
    }
    m_nDpi = nDpi;
    m_nMarginX = vxScaleToDpi(VX_BALLOON_METRICS.nMarginX, nDpi);
    m_nMarginY = vxScaleToDpi(VX_BALLOON_METRICS.nMarginY, nDpi);
    m_nArrowWidth = vxScaleToDpi(VX_BALLOON_METRICS.nArrowWidth, nDpi);
    m_nArrowHeight = vxScaleToDpi(VX_BALLOON_METRICS.nArrowHeight, nDpi);
    m_nIconGap = vxScaleToDpi(VX_BALLOON_METRICS.nIconGap, nDpi);
    m_nLinkLineHeight = vxScaleToDpi(VX_BALLOON_LINK_LINE_HEIGHT, nDpi);
}

LRESULT rvToolTip::OnDpiChanged(WPARAM wParam, LPARAM)
{
    // A shown balloon is measured and placed again at its new DPI; the rectangle Windows
    // suggests is not the balloon's, whose tip must stay on its point.
    if (HIWORD(wParam) == m_nDpi)
        return 0;
    if (IsWindowVisible())
        PlaceBalloon();
    else
        ScaleToDpi(HIWORD(wParam));
    return 0;
}

LRESULT rvToolTip::OnDisplayChange(WPARAM, LPARAM)
{
    if (IsWindowVisible())
        PlaceBalloon();
    return 0;
}

// --- tools -------------------------------------------------------------------------------

void rvToolTip::AddTool(CWnd* pWnd, LPCTSTR lpszText, HICON hIcon)
{
    HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL)
        return;
    tagTipToolInfo info;
    info.strText = lpszText != NULL ? lpszText : _T("");
    info.hIcon = hIcon;
    m_mapTools.SetAt(hWnd, info);
}

int rvToolTip::AddTool(CWnd* pWnd, UINT nIDText, UINT nIDIcon, int cx, int cy)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return 0;
    CString strText;
    if (!strText.LoadString(nIDText))
        return 0;
    HICON hIcon = NULL;
    if (nIDIcon != 0) {
        hIcon = LoadIconResource(nIDIcon, cx, cy);
        if (hIcon == NULL)
            return 0;
    }
    AddTool(pWnd, strText, hIcon);
    return 1;
}

void rvToolTip::RemoveTool(CWnd* pWnd)
{
    HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL)
        return;
    m_mapTools.RemoveKey(hWnd);
    // A show still pending for the removed tool is dropped.
    if (m_nTimer == kShowTimer && m_hPendingTool == hWnd)
        KillPendingTimer();
}

void rvToolTip::RelayEvent(MSG* pMsg)
{
    if (pMsg == NULL || m_hWnd == NULL)
        return;
    switch (pMsg->message) {
    case WM_MOUSEMOVE: {
        // The pointer's place now, not the message's: relays may come late.
        CPoint pt;
        ::GetCursorPos(&pt);
        if (pt == m_ptLast)
            return;
        HWND hUnder = ::WindowFromPoint(pt);
        tagTipToolInfo info;
        // Only the window under the pointer is a tool, never its parents.
        if (hUnder == NULL || !m_mapTools.Lookup(hUnder, info)) {
            Hide(m_nHideDelay);
            return;
        }
        m_ptLast = pt;
        m_strText = info.strText;
        SetIcon(info.hIcon);
        if (IsWindowVisible())
            HideNow();
        KillPendingTimer();
        StartTimer(kShowTimer, m_nShowDelay);
        m_hPendingTool = hUnder;
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        // Hidden at once; a pending timer stays.
        HideNow();
        break;
    default:
        break;
    }
}

// --- showing -----------------------------------------------------------------------------

void rvToolTip::Show(CString strText, CPoint* pPoint, CString /*strOther*/)
{
    if (m_hWnd == NULL)
        return;
    if (IsWindowVisible())
        HideNow();
    if (pPoint != NULL)
        m_ptLast = *pPoint;
    else
        ::GetCursorPos(&m_ptLast);
    m_strText = strText;
    m_ptTip = m_ptLast;
    if (!PlaceBalloon())
        return;
    // From now on the hide check compares with where the pointer is, not with the tip.
    ::GetCursorPos(&m_ptLast);
    ArmAutoHide();
}

void rvToolTip::ArmAutoHide()
{
    // A press elsewhere hides an auto-hide balloon, which so leaves the focus where the user
    // has it; only where that cannot be watched is the balloon made the active window, whose
    // losing the activation hides it.
    if (m_bAutoHide && !vxWatchBalloon(m_hWnd, TRUE, m_bLink))
        SetActiveWindow();
}

void rvToolTip::Hide(int nDelay)
{
    if (m_hWnd == NULL || !IsWindowVisible())
        return;
    if (nDelay <= 0) {
        HideNow();
        return;
    }
    KillPendingTimer();
    StartTimer(kHideTimer, static_cast<UINT>(nDelay));
}

void rvToolTip::SetTipText(LPCTSTR lpszText, CPoint* pPoint)
{
    CString strText = lpszText != NULL ? lpszText : _T("");
    if (m_sizeWnd.cx == 0 || m_sizeWnd.cy == 0) {
        Show(strText, pPoint, CString());
        return;
    }
    if (m_hWnd == NULL)
        return;
    m_strText = strText;
    CSize size;
    if (!MeasureBalloon(&size, NULL))
        return;
    if (size != m_sizeWnd) {
        Show(strText, pPoint, CString());
        return;
    }
    // Same size: the window stays where it is (unless a new point is given), only the text
    // is repainted, and screen readers hear the new text of a balloon already shown.
    if (IsWindowVisible())
        vxNotifyAccessibleEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    else
        ShowWindow(SW_SHOWNOACTIVATE);
    CRect rcText = TextRect();
    if (pPoint != NULL && *pPoint != m_ptLast) {
        m_ptLast = *pPoint;
        m_ptTip = *pPoint;
        PlaceBalloon();
    }
    RedrawWindow(rcText, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void rvToolTip::SetAutoHide(BOOL bAutoHide, UINT nDelay)
{
    // Without a window no timer can carry the setting: it takes effect at once.
    if (nDelay == 0 || m_hWnd == NULL) {
        m_bAutoHide = bAutoHide;
        return;
    }
    m_bAutoHidePending = bAutoHide;
    SetTimer(kAutoHideTimer, nDelay, NULL);
}

int rvToolTip::SetIcon(UINT nIDIcon, int cx, int cy)
{
    HICON hIcon = LoadIconResource(nIDIcon, cx, cy);
    if (hIcon == NULL)
        return 0;
    SetIcon(hIcon);
    return 1;
}

// --- settings ----------------------------------------------------------------------------

void rvToolTip::SetShowDelay(int nDelay) { m_nShowDelay = nDelay; }
void rvToolTip::SetHideDelay(int nDelay) { m_nHideDelay = nDelay; }
void rvToolTip::SetBkColor(COLORREF clr) { m_clrBk = clr; }
void rvToolTip::SetFrameColor(COLORREF clr) { m_clrFrame = clr; }
void rvToolTip::SetInnerFrameColor(COLORREF clr) { m_clrInnerFrame = clr; }
void rvToolTip::SetFont(CFont* pFont)
{
    m_hFont = pFont != NULL ? static_cast<HFONT>(pFont->GetSafeHandle()) : NULL;
}
void rvToolTip::SetCursor(HICON hCursor) { m_hCursor = hCursor; }
void rvToolTip::SetbLink(BOOL bLink) { m_bLink = bLink; }
void rvToolTip::SetNotifyWnd(CWnd* pWnd) { m_hNotifyWnd = pWnd->GetSafeHwnd(); }

// --- message handlers --------------------------------------------------------------------

void rvToolTip::OnTimer(UINT_PTR nIDEvent)
{
    CPoint pt;
    switch (nIDEvent) {
    case kShowTimer: {
        HWND hTool = m_hPendingTool;
        KillPendingTimer();
        // A tool window destroyed during the delay shows nothing, and its record goes.
        if (!::IsWindow(hTool)) {
            m_mapTools.RemoveKey(hTool);
            break;
        }
        ::GetCursorPos(&pt);
        if (pt == m_ptLast) {
            Show(m_strText, &m_ptLast, CString());
            StartTimer(kHideTimer, m_nDefHideDelay);
        }
        break;
    }
    case kHideTimer:
        ::GetCursorPos(&pt);
        if (pt != m_ptLast) {
            KillPendingTimer();
            HideNow();
        }
        break;
    case kAutoHideTimer:
        m_bAutoHide = m_bAutoHidePending;
        KillTimer(kAutoHideTimer);
        // An invisible balloon is armed when it is shown.
        if (IsWindowVisible() && !vxWatchBalloon(m_hWnd, m_bAutoHide, m_bLink) && m_bAutoHide)
            SetActiveWindow();
        break;
    default:
        break;
    }
    CWnd::OnTimer(nIDEvent);
}

void rvToolTip::OnDestroy()
{
    vxUnwatchBalloon(m_hWnd);
    KillPendingTimer();
    KillTimer(kAutoHideTimer);
    m_bHover = FALSE;
    CWnd::OnDestroy();
}

void rvToolTip::OnActivateApp(BOOL bActive, DWORD dwThreadID)
{
    CWnd::OnActivateApp(bActive, dwThreadID);
    // Another application taking the activation hides an auto-hide balloon, as the balloon's
    // own losing it does.
    if (!bActive && IsWindowVisible() && m_bAutoHide)
        HideNow();
}

void rvToolTip::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    // A shown balloon can be dismissed by Escape (and, auto-hiding, by a press elsewhere);
    // one hidden with the focus gives it back.
    if (lpwndpos->flags & SWP_SHOWWINDOW) {
        vxWatchBalloon(m_hWnd, m_bAutoHide, m_bLink);
    } else if (lpwndpos->flags & SWP_HIDEWINDOW) {
        vxUnwatchBalloon(m_hWnd);
        if (::GetFocus() == m_hWnd)
            ReturnFocus();
    }
}

void rvToolTip::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    // Only Tab brings the focus here, to a link: the link shows it has it.
    m_hFocusBefore = pOldWnd->GetSafeHwnd();
    Invalidate(TRUE);
}

void rvToolTip::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    Invalidate(TRUE);
}

void rvToolTip::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN || nChar == VK_SPACE) {
        ClickLink();
        return;
    }
    if (nChar == VK_TAB) {
        ReturnFocus();
        return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void rvToolTip::ReturnFocus()
{
    if (::IsWindow(m_hFocusBefore))
        ::SetFocus(m_hFocusBefore);
    m_hFocusBefore = NULL;
}

void rvToolTip::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE && IsWindowVisible() && m_bAutoHide)
        HideNow();
}

void rvToolTip::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bHover) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        m_bHover = _TrackMouseEvent(&tme);
        if (m_bLink) {
            if (m_hCursor != NULL)
                ::SetCursor(m_hCursor);
            // Repainted as a link, also without a cursor of its own.
            Invalidate(TRUE);
        }
    }
    CWnd::OnMouseMove(nFlags, point);
}

int rvToolTip::OnMouseActivate(CWnd* /*pDesktopWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    // A click on the balloon leaves the activation with the host's window.
    return MA_NOACTIVATE;
}

LRESULT rvToolTip::OnMouseLeave(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    m_bHover = FALSE;
    Invalidate(TRUE);
    return 1;
}

void rvToolTip::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (ClickLink())
        CWnd::OnLButtonDown(nFlags, point);
}

BOOL rvToolTip::ClickLink()
{
    if (!::IsWindow(m_hNotifyWnd))
        return TRUE;
    vxAliveWatch watch(m_pAliveWatches, m_hWnd);
    ::SendMessage(m_hNotifyWnd, WM_TOOLTIP_CLICK, 0, 0);
    // The notified window may have deleted the tooltip or destroyed its window.
    return watch.IsAlive();
}

// --- internal helpers --------------------------------------------------------------------

void rvToolTip::KillPendingTimer()
{
    if (m_nTimer != 0 && m_hWnd != NULL)
        KillTimer(m_nTimer);
    m_nTimer = 0;
    m_hPendingTool = NULL;
}

void rvToolTip::StartTimer(UINT_PTR nID, UINT nElapse)
{
    m_nTimer = SetTimer(nID, nElapse, NULL) != 0 ? nID : 0;
}

void rvToolTip::HideNow()
{
    if (m_hWnd != NULL)
        ShowWindow(SW_HIDE);
}

BOOL rvToolTip::MeasureBalloon(CSize* pSize, HRGN* phRgn)
{
    CDC* pDC = GetDC();
    if (pDC == NULL)
        return FALSE;
    HRGN hRgn = NULL;
    GetWindowRegion(pDC, &hRgn, pSize);
    ReleaseDC(pDC);
    if (phRgn != NULL)
        *phRgn = hRgn;
    else if (hRgn != NULL)
        ::DeleteObject(hRgn);
    return TRUE;
}

BOOL rvToolTip::PlaceBalloon()
{
    // Shaped and placed in screen coordinates: a balloon mirrored (by a right-to-left process)
    // would have its region mirrored and its stem a whole width away from its point.
    if ((GetExStyle() & WS_EX_LAYOUTRTL) != 0)
        ModifyStyleEx(WS_EX_LAYOUTRTL, 0);
    ScaleToDpi(vxDpiAtPoint(m_ptTip));
    CSize size;
    HRGN hRgn = NULL;
    m_nStem = 0;
    if (!MeasureBalloon(&size, &hRgn))
        return FALSE;
    // The window's size is the same whichever way the stem stands; only a turned one needs
    // its region made again.
    const POINT ptTip = m_ptTip;
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfo(::MonitorFromPoint(ptTip, MONITOR_DEFAULTTONEAREST), &info))
        m_nStem = vxBalloonStemFor(ptTip, size, Metrics(), info.rcMonitor);
    if (m_nStem != 0) {
        if (hRgn != NULL)
            ::DeleteObject(hRgn);
        hRgn = NULL;
        if (!MeasureBalloon(&size, &hRgn))
            return FALSE;
    }
    SetWindowRgn(hRgn, TRUE);        // the window owns the region from here on
    m_sizeWnd = size;
    PlaceAt(m_ptTip, size);
    return TRUE;
}

int rvToolTip::BodyTop() const
{
    return (m_nStem & VX_BALLOON_STEM_UP) != 0 ? m_nArrowHeight : 0;
}

void rvToolTip::PlaceAt(const CPoint& ptTip, const CSize& size)
{
    POINT pos = vxBalloonWindowPos(ptTip, size, Metrics(), m_nStem);
    SetWindowPos(&wndTop, pos.x, pos.y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}
