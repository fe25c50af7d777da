// Layout, placement and vertical scrolling of the list view.
#include "vxCtrlListView.h"
#include "vxListGeometry.h"
#include "vxListRecords.h"
#include "vxListScroll.h"

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
    OffsetRects((int)nDelta);
    MoveWindows();
}

void vxCtrlListView::OffsetRects(int dy)
{
    if (dy == 0)
        return;
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        vxListGroup* pGroup = m_arrGroups[g];
        if (pGroup->m_bShowHeader)
            pGroup->m_rcHeader.OffsetRect(0, dy);
        for (INT_PTR i = 0; i < pGroup->m_arrItems.GetSize(); ++i)
            pGroup->m_arrItems[i]->m_rcItem.OffsetRect(0, dy);
    }
}

int vxCtrlListView::CountWindows()
{
    int n = 0;
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        const vxListGroup* pGroup = m_arrGroups[g];
        if (pGroup->m_bShowHeader && pGroup->LiveHeaderHwnd())
            ++n;
        for (INT_PTR i = 0; i < pGroup->m_arrItems.GetSize(); ++i)
            if (pGroup->m_arrItems[i]->LiveHwnd())
                ++n;
    }
    return n;
}

// Adds one window to a batch; a batch that failed stays NULL.
static HDWP DeferPlace(HDWP hdwp, HWND hwnd, const CRect& rc)
{
    if (!hdwp)
        return NULL;
    return ::DeferWindowPos(hdwp, hwnd, NULL, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER);
}

void vxCtrlListView::MoveWindows()
{
    // Only live windows are counted and placed: a record whose window is gone would make
    // the whole batch fail.
    const int n = CountWindows();
    if (n <= 0)
        return;
    HDWP hdwp = ::BeginDeferWindowPos(n);
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        const vxListGroup* pGroup = m_arrGroups[g];
        if (pGroup->m_bShowHeader && pGroup->LiveHeaderHwnd())
            hdwp = DeferPlace(hdwp, pGroup->LiveHeaderHwnd(), pGroup->m_rcHeader);
        for (INT_PTR i = 0; i < pGroup->m_arrItems.GetSize(); ++i) {
            const vxListItem* pItem = pGroup->m_arrItems[i];
            if (pItem->LiveHwnd())
                hdwp = DeferPlace(hdwp, pItem->LiveHwnd(), pItem->m_rcItem);
        }
    }
    if (hdwp)
        ::EndDeferWindowPos(hdwp);
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

void vxCtrlListView::ScrollContents(int dy)
{
    ScrollWindow(0, dy);
    // The rectangles follow the windows, so that they keep saying where each one stands.
    OffsetRects(dy);
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
    std::vector<std::pair<HWND, CRect>> stray;
    for (INT_PTR g = 0; g < m_arrGroups.GetSize(); ++g) {
        const vxListGroup* pGroup = m_arrGroups[g];
        if (pGroup->m_bShowHeader && pGroup->LiveHeaderHwnd() && isFar(pGroup->m_rcHeader))
            stray.emplace_back(pGroup->LiveHeaderHwnd(), pGroup->m_rcHeader);
        for (INT_PTR i = 0; i < pGroup->m_arrItems.GetSize(); ++i) {
            const vxListItem* pItem = pGroup->m_arrItems[i];
            if (pItem->LiveHwnd() && isFar(pItem->m_rcItem))
                stray.emplace_back(pItem->LiveHwnd(), pItem->m_rcItem);
        }
    }
    if (stray.empty())
        return;
    HDWP hdwp = ::BeginDeferWindowPos((int)stray.size());
    for (const auto& place : stray)
        hdwp = DeferPlace(hdwp, place.first, place.second);
    if (hdwp)
        ::EndDeferWindowPos(hdwp);
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
    if (rcWnd.right >= rc.right + ::GetSystemMetrics(SM_CXVSCROLL))
        rc.right += ::GetSystemMetrics(SM_CXVSCROLL);
    if (rcWnd.bottom >= rc.bottom + ::GetSystemMetrics(SM_CYHSCROLL))
        rc.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
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

void vxCtrlListView::ScrollByCode(UINT nSBCode, CScrollBar* pScrollBar)
{
    // The thumb's 32-bit tracking position, not the message's 16-bit one.
    const bool bThumb = nSBCode == SB_THUMBPOSITION || nSBCode == SB_THUMBTRACK;
    const long nTrack = bThumb ? Get32BitScrollPos(SB_VERT, pScrollBar) : 0;
    const long d = vxScrollDelta(nSBCode, nTrack, m_scrollPos.cy, m_pageSize.cy, m_displaySize.cy);
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
        vxWheelToScroll(m_nWheelRemainder, zDelta, nLines, m_displaySize.cy / VX_LIST_LINE_STEP + 1);
    // Scrolled here, not through OnVScroll, whose default processing would hand the wheel
    // message on: the parent hears nothing of a wheel the list view used.
    for (int i = 0; i < wheel.nSteps; ++i)
        ScrollByCode(wheel.nCode, NULL);
    return 1;
}
