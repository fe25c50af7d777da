// Layout, placement and vertical scrolling of the list view.
#include "vxCtrlListView.h"
#include "vxDpi.h"
#include "vxListGeometry.h"
#include "vxListRecords.h"
#include "vxListScroll.h"
#include "vxWindowBatch.h"

#include <utility>
#include <vector>

void vxCtrlListView::LockUpdate(int bUpdate)
{
    if (!m_bUpdate && bUpdate)
        ReLayoutItem();
    m_bUpdate = bUpdate;
}

void vxCtrlListView::RelayoutIfUpdating()
{
    if (m_bUpdate)
        ReLayoutItem();
}

void vxCtrlListView::GetMetrics(vxListMetrics& m) const
{
    m.nGroupHeight = m_nGroupHeight;
    m.szItem = m_szItem;
    m.ptItemStart = m_ptItemStart;
    m.nItemRowSpace = m_nItemRowSpace;
    m.nItemColumnSpace = m_nItemColumnSpace;
}

void vxCtrlListView::ReLayoutItem()
{
    if (!::IsWindow(GetSafeHwnd()))
        return;
    const int nPass = ++m_nLayoutPass;

    CRect area;
    GetClientRect(&area);
    area.DeflateRect(m_rcMargins.left, m_rcMargins.top, m_rcMargins.right, m_rcMargins.bottom);
    vxListMetrics metrics;
    GetMetrics(metrics);

    // Rectangles for the position the bar stands at now.
    vxListFlow flow(metrics, area, GetScrollPos(SB_VERT), m_nGroupSpace);
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        vxListGroup* pGroup = m_arrGroups[g];
        vxGroupFlow groupFlow = flow.BeginGroup(pGroup->m_bShowHeader);
        if (pGroup->m_bShowHeader)
            pGroup->m_rcHeader = groupFlow.Header();
        for (INT_PTR i = 0; i < pGroup->m_arrItems.GetSize(); ++i)
            pGroup->m_arrItems[i]->m_rcItem = groupFlow.NextItem();
        flow.EndGroup(groupFlow);
    }

    // The new content size may move the position. The windows are not scrolled by it: they
    // are placed once, at their rectangles for the final position.
    m_displaySize = flow.DisplaySize();
    const long nDelta = SyncScrollBar();
    if (nPass != m_nLayoutPass)
        return;                      // the bar changed the client size; that pass placed all
    OffsetRects((int)nDelta, FALSE);
    MoveWindows();
}

void vxCtrlListView::OffsetRects(int dy, BOOL bWindowsMoved)
{
    if (dy == 0)
        return;
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        vxListGroup* pGroup = m_arrGroups[g];
        if (pGroup->m_bShowHeader) {
            pGroup->m_rcHeader.OffsetRect(0, dy);
            if (bWindowsMoved)
                pGroup->m_headerPlaced.rc.OffsetRect(0, dy);
        }
        for (INT_PTR i = 0; i < pGroup->m_arrItems.GetSize(); ++i) {
            vxListItem* pItem = pGroup->m_arrItems[i];
            pItem->m_rcItem.OffsetRect(0, dy);
            if (bWindowsMoved)
                pItem->m_placed.rc.OffsetRect(0, dy);
        }
    }
}

namespace {

// Windows to move and the records of where each stands, in step.
struct PendingMoves {
    std::vector<vxWindowMove> moves;
    std::vector<vxPlacement*> places;

    void Add(HWND hWnd, const CRect& rc, vxPlacement* pPlaced)
    {
        moves.push_back({hWnd, rc});
        places.push_back(pPlaced);
    }
    // One batch; a batch that failed moved nothing, and nothing is recorded. The records are
    // set first: the windows hear of their moves, and the records are not touched after.
    void Place()
    {
        vxMoveInOneBatch(moves, [this] {
            for (size_t i = 0; i < moves.size(); ++i)
                places[i]->Set(moves[i].rc);
        });
    }
};

} // namespace

void vxCtrlListView::MoveWindows()
{
    // Only live windows whose rectangle changed are placed: a record whose window is gone
    // would make the whole batch fail, and an append moves only what really shifts.
    PendingMoves moves;
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        vxListGroup* pGroup = m_arrGroups[g];
        if (pGroup->m_bShowHeader && pGroup->LiveHeaderHwnd() &&
            pGroup->m_headerPlaced.Differs(pGroup->m_rcHeader))
            moves.Add(pGroup->LiveHeaderHwnd(), pGroup->m_rcHeader, &pGroup->m_headerPlaced);
        for (INT_PTR i = 0; i < pGroup->m_arrItems.GetSize(); ++i) {
            vxListItem* pItem = pGroup->m_arrItems[i];
            if (pItem->LiveHwnd() && pItem->m_placed.Differs(pItem->m_rcItem))
                moves.Add(pItem->LiveHwnd(), pItem->m_rcItem, &pItem->m_placed);
        }
    }
    moves.Place();
}

void vxCtrlListView::SetDisplaySize(int cx, int cy)
{
    m_displaySize.SetSize(cx, cy);
    UpdateScrollInfo();
}

void vxCtrlListView::UpdateScrollInfo()
{
    const long nDelta = SyncScrollBar();
    if (nDelta != 0)
        ScrollContents((int)nDelta);
}

void vxCtrlListView::ScrollIntoView(const CRect& rc)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const long d = vxScrollToShow(rc.top, rc.bottom, rcClient.Height(), m_scrollPos.cy, m_displaySize.cy);
    if (d == 0)
        return;
    m_scrollPos.cy += d;
    SetScrollPos(SB_VERT, (int)m_scrollPos.cy, TRUE);
    ScrollContents((int)-d);
}

void vxCtrlListView::ScrollContents(int dy)
{
    ScrollWindow(0, dy);
    // The rectangles follow the windows, so that they keep saying where each one stands.
    OffsetRects(dy, TRUE);
    PlaceFarWindows(dy);
    // The moved children would otherwise keep the stale pixels that were scrolled with them.
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The platform keeps child window positions within 16 bits, so a window that stood beyond
// that range before a scroll, or stands beyond it after, did not move with the others: it
// is placed from its rectangle. Only such windows are moved, a handful per scroll.
void vxCtrlListView::PlaceFarWindows(int dy)
{
    auto isFar = [dy](const CRect& rc) { return !vxFitsSixteenBits(rc.top) || !vxFitsSixteenBits(rc.top - dy); };
    PendingMoves stray;
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        vxListGroup* pGroup = m_arrGroups[g];
        if (pGroup->m_bShowHeader && pGroup->LiveHeaderHwnd() && isFar(pGroup->m_rcHeader))
            stray.Add(pGroup->LiveHeaderHwnd(), pGroup->m_rcHeader, &pGroup->m_headerPlaced);
        for (INT_PTR i = 0; i < pGroup->m_arrItems.GetSize(); ++i) {
            vxListItem* pItem = pGroup->m_arrItems[i];
            if (pItem->LiveHwnd() && isFar(pItem->m_rcItem))
                stray.Add(pItem->LiveHwnd(), pItem->m_rcItem, &pItem->m_placed);
        }
    }
    stray.Place();
}

long vxCtrlListView::SyncScrollBar()
{
    CRect rc;
    GetClientRectSB(this, rc);
    long nDelta = 0;
    UpdateScrollBar(SB_VERT, rc.Height(), m_displaySize.cy, m_pageSize.cy, m_scrollPos.cy, nDelta);
    return nDelta;
}

void vxCtrlListView::UpdateScrollBar(int nBar, int nWindow, int nDisplay, long& nPage, long& nPos,
                                     long& nDelta)
{
    const int nMax = vxFitScrollBar(nWindow, nDisplay, GetScrollPos(nBar), nPage, nPos, nDelta);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    si.nMin = 0;
    si.nMax = nMax;
    si.nPage = (UINT)nPage;
    si.nPos = (int)nPos;
    // Setting a bar redraws it, which is slow; an append that starts no new row changes nothing.
    SCROLLINFO current = {};
    current.cbSize = sizeof(current);
    current.fMask = SIF_ALL;
    if (GetScrollInfo(nBar, &current, SIF_ALL) && current.nMin == si.nMin && current.nMax == si.nMax &&
        current.nPage == si.nPage && current.nPos == si.nPos)
        return;
    SetScrollInfo(nBar, &si, TRUE);
}

int vxCtrlListView::Get32BitScrollPos(int nBar, CScrollBar* /*pScrollBar*/)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(nBar, &si, SIF_ALL);
    return si.nTrackPos;
}

void vxCtrlListView::GetClientRectSB(CWnd* pWnd, CRect& rc)
{
    // The client rectangle the window would have without its scroll bars.
    CRect rcWnd;
    pWnd->GetWindowRect(&rcWnd);
    pWnd->ScreenToClient(&rcWnd);
    pWnd->GetClientRect(&rc);
    const int nDpi = vxDpiOf(pWnd->GetSafeHwnd());
    const int cxScrollBar = vxMetricAtDpi(SM_CXVSCROLL, nDpi);
    const int cyScrollBar = vxMetricAtDpi(SM_CYHSCROLL, nDpi);
    if (rcWnd.right >= rc.right + cxScrollBar)
        rc.right += cxScrollBar;
    if (rcWnd.bottom >= rc.bottom + cyScrollBar)
        rc.bottom += cyScrollBar;
}

void vxCtrlListView::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    ReLayoutItem();
    if (m_displaySize == CSize(0, 0) && rcWnd.Width() > 0 && rcWnd.Height() > 0)
        SetDisplaySize(rcWnd.Width(), rcWnd.Height());
    UpdateScrollInfo();
}

void vxCtrlListView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (nSBCode > SB_THUMBTRACK)
        return;                      // SB_TOP, SB_BOTTOM, SB_ENDSCROLL and unknown codes
    ScrollByCode(nSBCode, pScrollBar);
    CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
}

void vxCtrlListView::ScrollByCode(UINT nSBCode, CScrollBar* pScrollBar, int nRepeat)
{
    // The thumb's 32-bit tracking position, not the message's 16-bit one.
    const bool bThumb = nSBCode == SB_THUMBPOSITION || nSBCode == SB_THUMBTRACK;
    const long nTrack = bThumb ? Get32BitScrollPos(SB_VERT, pScrollBar) : 0;
    const long d = vxScrollDelta(nSBCode, nTrack, m_scrollPos.cy, m_pageSize.cy, m_displaySize.cy, m_nLineStep, nRepeat);
    if (d != 0) {
        m_scrollPos.cy += d;
        SetScrollPos(SB_VERT, (int)m_scrollPos.cy, TRUE);
        ScrollContents((int)-d);
    }
}

BOOL vxCtrlListView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    int nMin = 0, nMax = 0;
    GetScrollRange(SB_VERT, &nMin, &nMax);
    if (nMin == nMax)
        return 0;

    UINT nLines = 0;
    if (!::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0))
        nLines = 0;
    const vxWheelScroll wheel =
        vxWheelToScroll(m_nWheelRemainder, zDelta, nLines, m_displaySize.cy / m_nLineStep + 1);
    // Scrolled here, not through OnVScroll, whose default processing would hand the wheel
    // message on: the parent hears nothing of a wheel the list view used. The steps are
    // summed into one move, so a message costs one placement whatever its delta.
    if (wheel.nSteps > 0)
        ScrollByCode(wheel.nCode, NULL, wheel.nSteps);
    return 1;
}
