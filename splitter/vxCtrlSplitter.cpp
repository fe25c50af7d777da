#include "vxCtrlSplitter.h"
#include "vxSplitterGeometry.h"
#include "vxAliveWatch.h"
#include "vxSplitterBarHook.h"
#include "vxDpi.h"

namespace {

const int VX_SPLITTER_BAR_SIZE = 4; // the bar's thickness for 96 DPI, unless the host sets one

} // namespace

vxCtrlSplitter::vxCtrlSplitter()
    : m_rcSplitter(0, 0, 0, 0), m_rcLayout(0, 0, 0, 0), m_bFirstFixed(0), m_nSplitterSize(VX_SPLITTER_BAR_SIZE),
      m_bMovable(1), m_bVertical(1), m_panes(), m_hCursorNS(NULL), m_hCursorWE(NULL),
      m_hCursorArrow(NULL), m_hBkWnd(NULL), m_bUseCursor(1), m_pAliveWatches(NULL),
      m_bLaidOut(false), m_lastShape(), m_lastPanes(), m_rcLastBar(0, 0, 0, 0), m_hLastBkWnd(NULL),
      m_bSplitterSizeGiven(false), m_pBarHook(NULL)
{
}

vxCtrlSplitter::~vxCtrlSplitter()
{
    vxAliveWatch::EndAll(m_pAliveWatches);
    delete m_pBarHook;               // unhooks the bar if it still exists
}

int vxCtrlSplitter::CreateSplitter(HWND hBarWnd, int bFirstFixed, int bVertical, int bMovable)
{
    if (!::IsWindow(hBarWnd))
        return 0;
    // The system's shared cursors, never destroyed: a copy of its own for each splitter
    // would be a cursor for the window system to make anew at every splitter.
    m_hCursorNS = ::LoadCursor(NULL, IDC_SIZENS);
    m_hCursorWE = ::LoadCursor(NULL, IDC_SIZEWE);
    m_hCursorArrow = ::LoadCursor(NULL, IDC_ARROW);
    m_hBkWnd = hBarWnd;
    m_bFirstFixed = bFirstFixed;
    m_bVertical = bVertical;
    m_bMovable = bMovable;
    // The keyboard reaches the bar, and screen readers read it.
    delete m_pBarHook;
    m_pBarHook = new vxSplitterBarHook(this);
    m_pBarHook->HookWindow(hBarWnd);
    ::SetWindowLongPtr(hBarWnd, GWL_STYLE, ::GetWindowLongPtr(hBarWnd, GWL_STYLE) | WS_TABSTOP);
    return 1;
}

vxSplitterPane* vxCtrlSplitter::Pane(int nPane)
{
    return nPane == 0 || nPane == 1 ? &m_panes[nPane] : NULL;
}

vxSplitterShape vxCtrlSplitter::Shape() const
{
    return {m_bVertical, m_bFirstFixed, m_nSplitterSize};
}

HWND vxCtrlSplitter::AttachWnd(int nPane, HWND hWnd)
{
    vxSplitterPane* pane = Pane(nPane);
    if (pane == NULL)
        return NULL;
    HWND hOld = pane->hWnd;
    pane->hWnd = hWnd;
    return hOld;
}

HWND vxCtrlSplitter::DetachWnd(int nPane)
{
    return AttachWnd(nPane, NULL);
}

HWND vxCtrlSplitter::GetAttachWnd(int nPane)
{
    vxSplitterPane* pane = Pane(nPane);
    return pane != NULL ? pane->hWnd : NULL;
}

vxCtrlSplitter* vxCtrlSplitter::AttachSplitter(int nPane, vxCtrlSplitter* pSplitter)
{
    vxSplitterPane* pane = Pane(nPane);
    if (pane == NULL)
        return NULL;
    if (pSplitter != NULL && pSplitter->Holds(this))
        return NULL;
    vxCtrlSplitter* pOld = pane->pSplitter;
    pane->pSplitter = pSplitter;
    return pOld;
}

bool vxCtrlSplitter::Holds(const vxCtrlSplitter* pSplitter) const
{
    if (pSplitter == this)
        return true;
    for (const vxSplitterPane& pane : m_panes)
        if (pane.pSplitter != NULL && pane.pSplitter->Holds(pSplitter))
            return true;
    return false;
}

vxCtrlSplitter* vxCtrlSplitter::DetachSplitter(int nPane)
{
    return AttachSplitter(nPane, NULL);
}

vxCtrlSplitter* vxCtrlSplitter::GetAttachSplitter(int nPane)
{
    vxSplitterPane* pane = Pane(nPane);
    return pane != NULL ? pane->pSplitter : NULL;
}

void vxCtrlSplitter::ShowPane(int nPane, int bShow)
{
    vxSplitterPane* pane = Pane(nPane);
    if (pane == NULL)
        return;
    pane->bHidden = bShow == 0;
    if (pane->hWnd != NULL)
        ::ShowWindow(pane->hWnd, bShow ? SW_SHOW : SW_HIDE);
}

int vxCtrlSplitter::IsPaneVisible(int nPane)
{
    vxSplitterPane* pane = Pane(nPane);
    return pane != NULL && !pane->bHidden;
}

int vxCtrlSplitter::IsSplitterVisible()
{
    return !m_panes[0].bHidden && !m_panes[1].bHidden;
}

int vxCtrlSplitter::IsHideAllPane()
{
    return m_panes[0].bHidden && m_panes[1].bHidden;
}

void vxCtrlSplitter::SetPaneSize(int nPane, int nSize, int nMinSize)
{
    vxSplitterPane* pane = Pane(nPane);
    if (pane == NULL)
        return;
    pane->nMinSize = nMinSize;
    if (nSize == -1)
        return;
    pane->nSize = nSize;
    vxAxisLen(*pane, m_bVertical) = nSize;
}

void vxCtrlSplitter::GetPaneRect(int nPane, RECT* pRect)
{
    vxSplitterPane* pane = Pane(nPane);
    if (pane == NULL || pRect == NULL)
        return;
    *pRect = {pane->x, pane->y, pane->x + pane->cx, pane->y + pane->cy};
}

int vxCtrlSplitter::IsVertical()
{
    return m_bVertical;
}

void vxCtrlSplitter::SetSplitterSize(int nSize)
{
    m_nSplitterSize = nSize;
    m_bSplitterSizeGiven = true;
}

void vxCtrlSplitter::GetSplitterRect(RECT* pRect)
{
    if (pRect != NULL)
        *pRect = m_rcSplitter;
}

void vxCtrlSplitter::GetLayoutRect(RECT* pRect)
{
    if (pRect != NULL)
        *pRect = m_rcLayout;
}

void vxCtrlSplitter::Layout(int x, int y, int cx, int cy)
{
    // The same area, panes, sizes and windows as last time: everything is where it was put,
    // so nothing is moved or asked of the window manager; nested splitters see for themselves.
    const CRect rcArea(x, y, x + cx, y + cy);
    // The bar's own thickness follows the DPI its window is shown at.
    if (!m_bSplitterSizeGiven && m_hBkWnd != NULL)
        m_nSplitterSize = vxScaleToDpi(VX_SPLITTER_BAR_SIZE, vxDpiOf(m_hBkWnd));
    if (IsLaidOutAs(rcArea)) {
        LayoutChild();
        return;
    }
    m_rcLayout = rcArea;
    if (m_bVertical)
        LayoutVertical(x, y, cx, cy);
    else
        LayoutHorizontal(x, y, cx, cy);
    LayoutWnd();
    LayoutChild();
    MoveBkWnd();
    RememberLayout();
}

bool vxCtrlSplitter::IsLaidOutAs(const CRect& rcArea) const
{
    const vxSplitterShape shape = Shape();
    return m_bLaidOut && rcArea == m_rcLayout && shape.bVertical == m_lastShape.bVertical &&
           shape.bFirstFixed == m_lastShape.bFirstFixed && shape.nBarSize == m_lastShape.nBarSize &&
           vxSamePane(m_panes[0], m_lastPanes[0]) &&
           vxSamePane(m_panes[1], m_lastPanes[1]) && m_rcSplitter == m_rcLastBar &&
           m_hBkWnd == m_hLastBkWnd;
}

void vxCtrlSplitter::RememberLayout()
{
    m_bLaidOut = true;
    m_lastShape = Shape();
    m_lastPanes[0] = m_panes[0];
    m_lastPanes[1] = m_panes[1];
    m_rcLastBar = m_rcSplitter;
    m_hLastBkWnd = m_hBkWnd;
}

void vxCtrlSplitter::LayoutVertical(int x, int y, int cx, int cy)
{
    vxSplitterShape shape = Shape();
    shape.bVertical = 1;
    vxLayoutPanes(m_panes, &m_rcSplitter, shape, x, y, cx, cy);
}

void vxCtrlSplitter::LayoutHorizontal(int x, int y, int cx, int cy)
{
    vxSplitterShape shape = Shape();
    shape.bVertical = 0;
    vxLayoutPanes(m_panes, &m_rcSplitter, shape, x, y, cx, cy);
}

void vxCtrlSplitter::LayoutWnd()
{
    // Pane 1 first, then pane 0.
    for (int i = 1; i >= 0; --i) {
        const vxSplitterPane& pane = m_panes[i];
        if (pane.hWnd == NULL || pane.bHidden)
            continue;
        UINT flags = 0;
        HWND hParent = ::GetParent(pane.hWnd);
        if (hParent != NULL) {
            CRect rc;
            ::GetWindowRect(pane.hWnd, &rc);
            ::MapWindowPoints(NULL, hParent, reinterpret_cast<POINT*>(&rc), 2);
            if (rc.left == pane.x && rc.top == pane.y)
                flags |= SWP_NOMOVE;
            if (rc.Width() == pane.cx && rc.Height() == pane.cy)
                flags |= SWP_NOSIZE;
            // Already in place: not touched at all.
            if (flags == (SWP_NOMOVE | SWP_NOSIZE))
                continue;
        }
        ::SetWindowPos(pane.hWnd, NULL, pane.x, pane.y, pane.cx, pane.cy,
                       flags | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void vxCtrlSplitter::LayoutChild()
{
    for (int i = 0; i < 2; ++i) {
        const vxSplitterPane& pane = m_panes[i];
        if (pane.pSplitter != NULL && !pane.bHidden)
            pane.pSplitter->Layout(pane.x, pane.y, pane.cx, pane.cy);
    }
}

void vxCtrlSplitter::MoveBkWnd()
{
    if (m_hBkWnd == NULL)
        return;
    ::MoveWindow(m_hBkWnd, m_rcSplitter.left, m_rcSplitter.top, m_rcSplitter.Width(),
                 m_rcSplitter.Height(), TRUE);
    ::InvalidateRect(m_hBkWnd, NULL, TRUE);
}

int vxCtrlSplitter::HitTest(CPoint point)
{
    return m_bMovable && IsSplitterVisible() && m_rcSplitter.PtInRect(point);
}

void vxCtrlSplitter::SetUseCursor(int bUse)
{
    m_bUseCursor = bUse;
}

void vxCtrlSplitter::ShowCursor(int bShow)
{
    HCURSOR hCursor = NULL;
    if (!bShow)
        hCursor = m_hCursorArrow;
    else if (m_bUseCursor)
        hCursor = m_bVertical ? m_hCursorWE : m_hCursorNS;
    // Without cursors (not created) the pointer is left as it is rather than hidden.
    if (hCursor != NULL)
        ::SetCursor(hCursor);
}

HCURSOR vxCtrlSplitter::GetCursor()
{
    if (!m_bMovable)
        return NULL;
    return m_bVertical ? m_hCursorWE : m_hCursorNS;
}

void vxCtrlSplitter::Invalidate(CWnd* pHostWnd)
{
    if (pHostWnd != NULL && ::IsWindow(pHostWnd->GetSafeHwnd()))
        ::InvalidateRect(pHostWnd->GetSafeHwnd(), &m_rcSplitter, TRUE);
}
