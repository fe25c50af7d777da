#include "vxSplitterDrag.h"

BOOL vxDragLimitsFor(const vxSplitterPane panes[2], const vxSplitterShape& shape,
                     vxDragLimits* pLimits)
{
    const int v = shape.bVertical;
    const int t = shape.nBarSize;
    vxDragLimits limits;
    limits.low = vxAxisPos(panes[0], v) + panes[0].nMinSize + t;
    limits.high = vxAxisPos(panes[1], v) + vxAxisLen(panes[1], v) - panes[1].nMinSize - t;
    if (limits.low >= limits.high)
        return FALSE;
    *pLimits = limits;
    return TRUE;
}

int vxClampDragPosition(int position, const vxDragLimits& limits)
{
    if (position > limits.high)
        return limits.high;
    if (position < limits.low)
        return limits.low;
    return position;
}

void vxApplyDrag(vxSplitterPane panes[2], const vxSplitterShape& shape, int d)
{
    const int v = shape.bVertical;
    vxAxisLen(panes[0], v) += d;
    vxAxisPos(panes[1], v) += d;
    vxAxisLen(panes[1], v) -= d;
    vxSplitterPane& fixed = shape.bFirstFixed ? panes[0] : panes[1];
    fixed.nSize = vxAxisLen(fixed, v);
}

vxSplitterDragState::vxSplitterDragState(int bVertical, int origin, const vxDragLimits& limits,
                                         const RECT& rcBar)
    : m_bVertical(bVertical), m_nOrigin(origin), m_nLast(origin), m_limits(limits), m_rcBar(rcBar),
      m_rcOutline(rcBar), m_rcPrevious(rcBar)
{
}

vxDragAction vxSplitterDragState::Next(BOOL nGot, const MSG& msg, BOOL bCaptureHeld)
{
    // The host's loop must still see the quit, and a broken queue ends the drag unapplied.
    if (nGot == 0)
        return vxDragEndQuit;
    if (nGot < 0)
        return vxDragEndCancel;
    // Capture taken away: the drag ends where the outline stands, as on release.
    if (!bCaptureHeld)
        return vxDragEndApply;

    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
        return vxDragEndCancel;
    // Every other key stroke (up, system keys, characters) is swallowed, so none of it reaches
    // a window while the drag runs.
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
        return vxDragDiscard;

    switch (msg.message) {
    case WM_LBUTTONUP:
        return vxDragEndApply;
    case WM_RBUTTONDOWN:
        return vxDragEndCancel;
    case WM_MOUSEMOVE: {
        // Coordinates are signed 16-bit: left of or above the capture window they are negative.
        int along = m_bVertical ? static_cast<short>(LOWORD(msg.lParam))
                                : static_cast<short>(HIWORD(msg.lParam));
        int position = vxClampDragPosition(m_nOrigin + along, m_limits);
        if (position == m_nLast)
            return vxDragPointerStill;
        m_rcPrevious = m_rcOutline;
        const int d = position - m_nLast;
        if (m_bVertical) {
            m_rcOutline.left += d;
            m_rcOutline.right += d;
        } else {
            m_rcOutline.top += d;
            m_rcOutline.bottom += d;
        }
        m_nLast = position;
        return vxDragPointerMoved;
    }
    default:
        return vxDragDispatch;
    }
}

int vxSplitterDragState::Offset() const
{
    return m_bVertical ? m_rcOutline.left - m_rcBar.left : m_rcOutline.top - m_rcBar.top;
}
