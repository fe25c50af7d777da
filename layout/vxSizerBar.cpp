#include "vxSizerBar.h"

#include "vxAccessibleEvent.h"
#include "vxAliveWatch.h"
#include "vxBarKeys.h"
#include "vxBarAccessible.h"
#include "vxFocusCue.h"
#include "vxSizerBarBounds.h"
#include "vxSizerBarCursors.h"
#include "vxMirror.h"

namespace {

vxSizerSide SideOf(vxLayoutItem& element)
{
    const bool bByWidth = element.m_direction == DirVertical;
    return {element.ReadRect(), bByWidth ? element.m_minWidth : element.m_minHeight,
            bByWidth ? element.m_maxWidth : element.m_maxHeight, bByWidth};
}

// Where the edge between the draggable item's neighbours may go.
CRect EdgeRange(vxLayoutItem* pItem)
{
    return vxSizerEdgeRange(SideOf(*pItem->m_pPrev), SideOf(*pItem->m_pNext));
}

} // namespace

IMPLEMENT_DYNCREATE(vxSizerBar, CStatic)

BEGIN_MESSAGE_MAP(vxSizerBar, CStatic)
    ON_WM_PAINT()
    ON_WM_CREATE()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_WM_CHAR()
    ON_WM_CAPTURECHANGED()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_GETDLGCODE, &vxSizerBar::OnGetDlgCode)
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(WM_GETOBJECT, &vxSizerBar::OnGetObject)
    ON_MESSAGE(WM_UPDATEUISTATE, &vxSizerBar::OnUpdateUIState)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()


vxSizerBar::vxSizerBar()
    : m_pLayout(NULL), m_nHorizontal(-1), m_bDragging(0), m_ptLast(0, 0), m_hPrevFocus(NULL),
      m_pAliveWatches(NULL), m_nKeyMoved(0), m_pAccessible(NULL)
{
}

vxSizerBar::~vxSizerBar()
{
    vxAliveWatch::EndAll(m_pAliveWatches);
    // Going away in the middle of a drag must not leave the cursor clipped.
    if (m_bDragging)
        CancelDrag();
    delete m_pAccessible;
}

int vxSizerBar::Create(unsigned long dwStyle, CWnd* pParent, vxLayout* pLayout, unsigned int nID,
                       const RECT& rect)
{
    m_pLayout = pLayout;
    return CStatic::Create(_T(""), dwStyle, rect, pParent, nID);
}

void vxSizerBar::SubclassDlgItem(unsigned int nID, CWnd* pParent, vxLayout* pLayout)
{
    m_pLayout = pLayout;
    // A static control without SS_NOTIFY lets every click through to its parent.
    if (CWnd::SubclassDlgItem(nID, pParent))
        ModifyStyle(0, SS_NOTIFY);
}

BOOL vxSizerBar::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= SS_NOTIFY | WS_TABSTOP;
    return CWnd::PreCreateWindow(cs);
}

int vxSizerBar::IsHorizontal()
{
    if (m_hWnd == NULL)
        return 0;
    if (m_nHorizontal == -1) {
        CRect rc;
        GetWindowRect(&rc);
        m_nHorizontal = rc.Width() > rc.Height() ? 1 : 0;
    }
    return m_nHorizontal;
}

void vxSizerBar::NotifyMoved(CPoint delta)
{
    if (m_pLayout != NULL)
        m_pLayout->MoveLayoutItems(m_pLayout->GetItem(this), delta);
}

void vxSizerBar::ForgetLayout(const vxLayout* pLayout)
{
    if (m_pLayout != pLayout)
        return;
    if (m_bDragging)
        CancelDrag();
    m_pLayout = NULL;
}

void vxSizerBar::CancelDrag()
{
    // Cleared first: releasing the capture below is not a capture lost to someone else.
    m_bDragging = 0;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    ::ClipCursor(NULL);
    ::SetFocus(m_hPrevFocus);
}

vxLayoutItem* vxSizerBar::FindDraggableItem()
{
    if (m_pLayout == NULL)
        return NULL;
    vxLayoutItem* pItem = m_pLayout->GetItem(this);
    if (pItem == NULL || pItem->m_pPrev == NULL || pItem->m_pNext == NULL)
        return NULL;
    return pItem;
}

void vxSizerBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    dc.Draw3dRect(&rc, ::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_3DDKSHADOW));
    rc.DeflateRect(1, 1);
    dc.Draw3dRect(&rc, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_3DSHADOW));
    // The keyboard's focus, not a drag's.
    if (::GetFocus() == m_hWnd && !m_bDragging)
        vxDrawFocusCue(m_hWnd, dc.GetSafeHdc(), rc);
}

// A documented entry of the message map; it only forwards.
int vxSizerBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CStatic::OnCreate(lpCreateStruct);
}

BOOL vxSizerBar::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    ::SetCursor(vxGetSizerCursor(IsHorizontal()));
    return TRUE;
}

void vxSizerBar::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    // A bar outside a layout, or without both neighbours, has nothing to move; a second
    // press while dragging would lose the focus to give back.
    if (m_bDragging || FindDraggableItem() == NULL)
        return;

    ClientToScreen(&point);
    m_ptLast = point;
    vxAliveWatch watch(m_pAliveWatches, m_hWnd);
    SetCapture();
    m_hPrevFocus = ::SetFocus(m_hWnd);
    // The window losing the focus hears of it and may take the capture, or end the bar:
    // without the capture there is no drag, and the cursor stays free.
    if (!watch.IsAlive())
        return;
    // The layout is asked again: it may have gone meanwhile.
    vxLayoutItem* pItem = FindDraggableItem();
    if (::GetCapture() != m_hWnd || pItem == NULL) {
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        ::SetFocus(m_hPrevFocus);
        return;
    }

    CRect range = EdgeRange(pItem);
    HWND hParent = ::GetParent(m_hWnd);
    // As a rectangle: in a mirrored parent its sides change places on the screen.
    ::MapWindowPoints(hParent, NULL, reinterpret_cast<POINT*>(&range), 2);
    CRect bar;
    GetWindowRect(&bar);
    const CRect clip = vxSizerCursorClip(range, bar, point, IsHorizontal());
    ::ClipCursor(&clip);
    m_bDragging = 1;
}

void vxSizerBar::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (!m_bDragging)
        return;
    ClientToScreen(&point);
    if (point != m_ptLast) {
        vxAliveWatch watch(m_pAliveWatches);
        NotifyMoved(vxOffsetInClientTerms(::GetParent(m_hWnd), CPoint(point - m_ptLast)));
        if (!watch.IsAlive())
            return;
        m_ptLast = point;
    }
}

void vxSizerBar::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (!m_bDragging)
        return;
    ClientToScreen(&point);
    const CPoint offset(vxOffsetInClientTerms(::GetParent(m_hWnd), CPoint(point - m_ptLast)));
    // The focus given back is the host's to react to, also by deleting the bar.
    vxAliveWatch watch(m_pAliveWatches);
    CancelDrag();
    // Also for (0, 0): the bar's group is laid out again.
    if (!watch.IsAlive())
        return;
    vxAliveWatch moved(m_pAliveWatches, m_hWnd);
    NotifyMoved(offset);
    if (moved.IsAlive())
        vxNotifyAccessibleEvent(EVENT_OBJECT_VALUECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

void vxSizerBar::OnCancelMode()
{
    if (m_bDragging)
        CancelDrag();
}

void vxSizerBar::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Escape ends the drag where it is and goes no further.
    if (nChar == VK_ESCAPE && m_bDragging) {
        CancelDrag();
        return;
    }
    CStatic::OnChar(nChar, nRepCnt, nFlags);
}

void vxSizerBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A quick second press starts a drag like the first; the parent hears no double-click.
    OnLButtonDown(nFlags, point);
}

LRESULT vxSizerBar::OnGetDlgCode(WPARAM, LPARAM lParam)
{
    // While dragging, every key is the bar's, so that Escape ends the drag and does not
    // cancel the dialog. With the focus, the arrows move the bar, and Escape puts back a bar
    // the keys have moved.
    if (m_bDragging)
        return DLGC_WANTALLKEYS;
    return vxBarDlgCode(Default(), m_nKeyMoved, lParam);
}

void vxSizerBar::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bDragging) {
        CStatic::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const int nStep = vxBarKeyStep(m_hWnd, nChar, IsHorizontal());
    if (nStep != 0)
        MoveByKey(nStep);
    else if (nChar == VK_ESCAPE && m_nKeyMoved != 0)
        MoveByKey(-m_nKeyMoved);
    else
        CStatic::OnKeyDown(nChar, nRepCnt, nFlags);
}

void vxSizerBar::MoveByKey(int nStep)
{
    vxLayoutItem* pItem = FindDraggableItem();
    if (pItem == NULL)
        return;
    const BOOL bHorizontal = IsHorizontal();
    const CRect range = EdgeRange(pItem);
    CRect bar;
    GetWindowRect(&bar);
    ::MapWindowPoints(NULL, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&bar), 2);
    const int nMove = bHorizontal ? vxSizerKeyMove(bar.top, bar.Height(), range.top, range.bottom, nStep)
                                  : vxSizerKeyMove(bar.left, bar.Width(), range.left, range.right, nStep);
    if (nMove == 0)
        return;
    // The moved windows' owners may end the bar.
    vxAliveWatch watch(m_pAliveWatches, m_hWnd);
    NotifyMoved(bHorizontal ? CPoint(0, nMove) : CPoint(nMove, 0));
    if (!watch.IsAlive())
        return;
    m_nKeyMoved += nMove;
    vxNotifyAccessibleEvent(EVENT_OBJECT_VALUECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

BOOL vxSizerBar::GetBarPlace(vxBarPlace& place)
{
    vxLayoutItem* pItem = FindDraggableItem();
    if (pItem == NULL)
        return FALSE;
    // The positions a drag lets the bar's leading edge take, as the keys move it.
    const CRect range = EdgeRange(pItem);
    CRect bar;
    GetWindowRect(&bar);
    ::MapWindowPoints(NULL, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&bar), 2);
    const BOOL bHorizontal = IsHorizontal();
    place.nPos = bHorizontal ? bar.top : bar.left;
    place.nLow = bHorizontal ? range.top : range.left;
    place.nHigh = bHorizontal ? range.bottom - bar.Height() : range.right - bar.Width();
    place.hBefore = pItem->m_pPrev->m_hWnd;
    place.hAfter = pItem->m_pNext->m_hWnd;
    return place.nHigh >= place.nLow;
}

void vxSizerBar::OnSetFocus(CWnd* pOldWnd)
{
    CStatic::OnSetFocus(pOldWnd);
    m_nKeyMoved = 0;
    Invalidate(FALSE);
}

void vxSizerBar::OnKillFocus(CWnd* pNewWnd)
{
    CStatic::OnKillFocus(pNewWnd);
    m_nKeyMoved = 0;
    Invalidate(FALSE);
}

LRESULT vxSizerBar::OnUpdateUIState(WPARAM, LPARAM)
{
    // The focus cue shown or hidden.
    const LRESULT lResult = Default();
    Invalidate(FALSE);
    return lResult;
}

LRESULT vxSizerBar::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = vxAnswerGetObject(m_pAccessible, wParam, lParam, [this] {
        return new vxBarAccessible(
            m_hWnd, [this](vxBarPlace& place) { return GetBarPlace(place); }, [this](int nStep) { MoveByKey(nStep); });
    });
    return lResult != 0 ? lResult : Default();
}

void vxSizerBar::OnNcDestroy()
{
    vxDeleteProvider(m_pAccessible);
    CStatic::OnNcDestroy();
}

void vxSizerBar::OnDestroy()
{
    // A bar destroyed in a drag (with its parent, say) may hear of no capture change: the
    // cursor must not stay clipped.
    if (m_bDragging)
        CancelDrag();
    CStatic::OnDestroy();
}

void vxSizerBar::OnCaptureChanged(CWnd* pWnd)
{
    // Another window took the capture (or the bar is going away): the drag cannot go on,
    // and the cursor must not stay clipped.
    if (m_bDragging && (pWnd == NULL || pWnd->m_hWnd != m_hWnd))
        CancelDrag();
}
