// Layout and settings of the stack window.
#include "vxCtrlStackWnd.h"
#include "vxStackGeometry.h"
#include "vxAliveWatch.h"

int vxCtrlStackWnd::ClientWidth()
{
    if (!GetSafeHwnd())
        return 0;
    CRect rc;
    GetClientRect(&rc);
    return rc.Width();
}

void vxCtrlStackWnd::ReLayout()
{
    if (!GetSafeHwnd())
        return;
    CRect area;
    GetClientRect(&area);
    area.DeflateRect(m_rcPadding.left, m_rcPadding.top, m_rcPadding.right, m_rcPadding.bottom);

    const UINT flags = SWP_SHOWWINDOW | SWP_NOZORDER;
    const INT_PTR nCount = m_arrItems.GetSize();
    vxStackFlow flow(area, m_szItem, m_nSpace, (int)nCount);
    // Moving a host's content window calls into the host, which may destroy or delete the
    // stack window (its items then go): the walk stops there.
    vxAliveWatch watch(m_pAliveWatches);
    for (INT_PTR i = 0; i < nCount && watch.IsAlive() && m_arrItems.GetSize() == nCount; ++i) {
        const stItemInfo* pItem = m_arrItems[i];
        const vxStackPlace place = flow.Next(pItem->bExpanded);
        const CRect& rcButton = reinterpret_cast<const CRect&>(place.rcButton);
        pItem->pButton->SetWindowPos(NULL, rcButton.left, rcButton.top, rcButton.Width(),
                                     rcButton.Height(), flags);
        // A custom content whose window the host has destroyed is passed over.
        if (!::IsWindow(pItem->hContent))
            continue;
        if (pItem->bExpanded) {
            const CRect& rcContent = reinterpret_cast<const CRect&>(place.rcContent);
            ::SetWindowPos(pItem->hContent, NULL, rcContent.left, rcContent.top, rcContent.Width(),
                           rcContent.Height(), flags);
        } else {
            ::ShowWindow(pItem->hContent, SW_HIDE);
        }
    }
}

void vxCtrlStackWnd::SetSubItemHeight(int nHeight)
{
    m_nSubItemHeight = nHeight;
    m_bSubItemHeightGiven = TRUE;
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i)
        if (m_arrItems[i]->pContent != NULL)
            m_arrItems[i]->pContent->SendMessage(LB_SETITEMHEIGHT, 0, MAKELPARAM(nHeight, 0));
}

void vxCtrlStackWnd::SetSpace(int nSpace)
{
    m_nSpace = nSpace;
    if (m_arrItems.GetSize() > 0)
        ReLayout();
}

void vxCtrlStackWnd::SetItemSize(int cx, int cy)
{
    m_szItem.SetSize(cx, cy);
    m_bItemSizeGiven = TRUE;
    if (m_arrItems.GetSize() > 0)
        ReLayout();
}

void vxCtrlStackWnd::SetPadding(int nLeft, int nTop, int nRight, int nBottom)
{
    m_rcPadding.SetRect(nLeft, nTop, nRight, nBottom);
    if (GetSafeHwnd())               // without a window there is no client width to keep to
        m_szItem.cx = vxStackLimitWidth(m_szItem.cx, ClientWidth(), nLeft, nRight);
    if (m_arrItems.GetSize() > 0)
        ReLayout();
}

void vxCtrlStackWnd::SetAutoWidth(int bAutoWidth)
{
    if (bAutoWidth == m_bAutoWidth)
        return;
    m_bAutoWidth = bAutoWidth;
    if (m_bAutoWidth && GetSafeHwnd()) {
        m_szItem.cx = vxStackFillWidth(ClientWidth(), m_rcPadding.left, m_rcPadding.right);
        ReLayout();
    }
}

void vxCtrlStackWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_bAutoWidth)
        m_szItem.cx = vxStackFillWidth(ClientWidth(), m_rcPadding.left, m_rcPadding.right);
    ReLayout();
}
