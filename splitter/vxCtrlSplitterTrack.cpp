// The modal drag of a splitter's bar: its own message loop, the inverted outline, and the
// re-layout once the drag is applied. The decisions themselves are vxSplitterDragState's.
#include "vxCtrlSplitter.h"

#include "vxAccessibleEvent.h"
#include "vxBarAccessible.h"
#include "vxSplitterDrag.h"
#include "vxAliveWatch.h"

namespace {

const DWORD kTrackerDCFlags = DCX_CACHE | DCX_LOCKWINDOWUPDATE;

} // namespace

int vxCtrlSplitter::Track(CWnd* pWnd, CPoint point)
{
    if (!m_bMovable || !IsSplitterVisible())
        return 0;
    return m_bVertical ? TrackVertical(pWnd, point) : TrackHorizontal(pWnd, point);
}

int vxCtrlSplitter::TrackVertical(CWnd* pWnd, CPoint /*point*/)
{
    return TrackAlongAxis(pWnd, 1);
}

int vxCtrlSplitter::TrackHorizontal(CWnd* pWnd, CPoint /*point*/)
{
    return TrackAlongAxis(pWnd, 0);
}

int vxCtrlSplitter::TrackAlongAxis(CWnd* pWnd, int bVertical)
{
    // The capture window must be a child of the host, whose client area the splitter divides.
    HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (!::IsWindow(hWnd))
        return 0;
    HWND hHost = ::GetParent(hWnd);
    if (hHost == NULL)
        return 0;
    // Some other drag or menu holds the mouse.
    if (::GetCapture() != NULL)
        return 0;
    vxSplitterShape shape = Shape();
    shape.bVertical = bVertical;
    vxDragLimits limits;
    if (!vxDragLimitsFor(m_panes, shape, &limits))
        return 0;

    ::SetCapture(hWnd);
    CRect rcWnd;
    ::GetWindowRect(hWnd, &rcWnd);
    ::MapWindowPoints(NULL, hHost, reinterpret_cast<POINT*>(&rcWnd), 2);
    vxSplitterDragState drag(bVertical, bVertical ? rcWnd.left : rcWnd.top, limits, m_rcSplitter);
    HCURSOR hSizing = bVertical ? m_hCursorWE : m_hCursorNS;

    HDC hHeldDC = ::GetDCEx(hWnd, NULL, kTrackerDCFlags);
    // The host's window object is looked up at each use: handlers dispatched inside the loop
    // may clean up temporary window objects.
    OnInvertTracker(CWnd::FromHandle(hHost), CRect(drag.Outline()));
    if (hSizing != NULL)
        ::SetCursor(hSizing);

    // Messages dispatched below may destroy the host or delete this splitter.
    vxAliveWatch watch(m_pAliveWatches);
    MSG msg = {};
    bool msgTaken = false;           // msg holds the message that ended the drag
    vxDragAction ending = vxDragEndCancel;
    for (bool tracking = true; tracking;) {
        // A splitter deleted by a dispatched message has nothing left to drag.
        if (!watch.IsAlive())
            break;
        // A capture taken away (by a dispatched message, or with its window) ends the drag
        // at once, applied as on release; no input needs to arrive first.
        if (::GetCapture() != hWnd) {
            ending = vxDragEndApply;
            break;
        }
        BOOL nGot = ::GetMessage(&msg, NULL, 0, 0);
        vxDragAction action = drag.Next(nGot, msg, ::GetCapture() == hWnd);
        switch (action) {
        case vxDragDispatch:
            ::DispatchMessage(&msg);
            break;
        case vxDragDiscard:
            break;
        case vxDragPointerStill:
        case vxDragPointerMoved:
            // The vertical bar's loop renews its cursor on every move, the horizontal bar's does not.
            if (bVertical && hSizing != NULL)
                ::SetCursor(hSizing);
            if (action == vxDragPointerMoved) {
                OnInvertTracker(CWnd::FromHandle(hHost), CRect(drag.PreviousOutline()));
                OnInvertTracker(CWnd::FromHandle(hHost), CRect(drag.Outline()));
            }
            break;
        default:
            ending = action;
            msgTaken = true;
            tracking = false;
            break;
        }
    }

    // Erase the outline; the host may be gone if a dispatched message destroyed it.
    const bool captureHeld = ::GetCapture() == hWnd;
    const bool hostAlive = ::IsWindow(hHost) != FALSE;
    if (hostAlive && watch.IsAlive())
        OnInvertTracker(CWnd::FromHandle(hHost), CRect(drag.Outline()));
    else if (hostAlive)
        ::InvalidateRect(hHost, &drag.Outline(), TRUE);
    if (hHeldDC != NULL)
        ::ReleaseDC(hWnd, hHeldDC);
    // Only our own capture is released: one taken by another window stays with it.
    if (captureHeld)
        ::ReleaseCapture();

    if (ending == vxDragEndQuit) {
        // The host's message loop must still see the quit.
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return 0;
    }
    if (ending == vxDragEndApply && msgTaken && !captureHeld)
        ::DispatchMessage(&msg);     // taken from the queue after the drag had already ended
    // A splitter deleted, or a host destroyed, during the drag applies nothing.
    if (!watch.IsAlive() || !hostAlive || ending != vxDragEndApply)
        return 0;
    const int d = drag.Offset();
    if (d == 0)
        return 0;
    const int nMoved = ApplyMove(shape, d, hHost, drag.Outline());
    // Screen readers hear the bar's new place, as after a move by the keys.
    if (nMoved && ::IsWindow(m_hBkWnd))
        vxNotifyAccessibleEvent(EVENT_OBJECT_VALUECHANGE, m_hBkWnd, OBJID_CLIENT, CHILDID_SELF);
    return nMoved;
}

bool vxCtrlSplitter::GetBarPlace(vxBarPlace& place)
{
    vxDragLimits limits;
    if (!m_bMovable || !IsSplitterVisible() || !vxDragLimitsFor(m_panes, Shape(), &limits))
        return false;
    place.nPos = m_bVertical ? m_rcSplitter.left : m_rcSplitter.top;
    place.nLow = limits.low;
    place.nHigh = limits.high;
    place.hBefore = m_panes[0].hWnd;
    place.hAfter = m_panes[1].hWnd;
    return true;
}

int vxCtrlSplitter::MoveBar(int nStep)
{
    if (!m_bMovable || !IsSplitterVisible())
        return 0;
    const vxSplitterShape shape = Shape();
    vxDragLimits limits;
    if (!vxDragLimitsFor(m_panes, shape, &limits))
        return 0;
    const int nOrigin = m_bVertical ? m_rcSplitter.left : m_rcSplitter.top;
    const int d = vxClampDragPosition(nOrigin + nStep, limits) - nOrigin;
    if (d == 0)
        return 0;
    // The bar window's parent is the host whose client area is divided.
    HWND hHost = ::IsWindow(m_hBkWnd) ? ::GetParent(m_hBkWnd) : NULL;
    if (hHost == NULL)
        return 0;
    CRect rcBar = m_rcSplitter;
    rcBar.OffsetRect(m_bVertical ? d : 0, m_bVertical ? 0 : d);
    return ApplyMove(shape, d, hHost, rcBar);
}

int vxCtrlSplitter::ApplyMove(const vxSplitterShape& shape, int d, HWND hHost, const CRect& rcBar)
{
    vxApplyDrag(m_panes, shape, d);
    // Pane windows are the host's: their move may delete the splitter.
    vxAliveWatch watch(m_pAliveWatches);
    LayoutWnd();
    if (!watch.IsAlive())
        return 0;
    LayoutChild();
    if (!watch.IsAlive())
        return 0;
    // The bar rectangles are in the host's coordinates: repaint the old and the new place there.
    ::InvalidateRect(hHost, &m_rcSplitter, TRUE);
    m_rcSplitter = rcBar;
    ::InvalidateRect(hHost, &m_rcSplitter, TRUE);
    MoveBkWnd();
    return 1;
}

void vxCtrlSplitter::OnInvertTracker(CWnd* pWnd, const CRect& rect)
{
    HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL)
        return;
    HDC hDC = ::GetDCEx(hWnd, NULL, kTrackerDCFlags);
    if (hDC == NULL)
        return;
    OnInvertTracker(CDC::FromHandle(hDC), rect);
    ::ReleaseDC(hWnd, hDC);
}

void vxCtrlSplitter::OnInvertTracker(CDC* pDC, const CRect& rect)
{
    if (pDC == NULL)
        return;
    CBrush* pBrush = CDC::GetHalftoneBrush();
    HBRUSH hOldBrush = NULL;
    if (pBrush != NULL)
        hOldBrush = static_cast<HBRUSH>(::SelectObject(pDC->GetSafeHdc(), pBrush->GetSafeHandle()));
    pDC->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    if (hOldBrush != NULL)
        ::SelectObject(pDC->GetSafeHdc(), hOldBrush);
}
