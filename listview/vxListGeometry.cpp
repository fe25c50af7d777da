#include "vxListGeometry.h"

vxGroupFlow::vxGroupFlow(const vxListMetrics& m, const RECT& area, int y, BOOL bHeader)
    : m_metrics(m), m_nAreaRight(area.right), m_rcHeader()
{
    int itemTop = y;
    if (bHeader) {
        m_rcHeader = {area.left, y, area.right, y + m.nGroupHeight};
        itemTop += m.nGroupHeight;
    }
    m_ptOrigin = {area.left + m.ptItemStart.x, itemTop + m.ptItemStart.y};
    m_ptCursor = m_ptOrigin;
}

RECT vxGroupFlow::NextItem()
{
    const SIZE& sz = m_metrics.szItem;
    if (m_ptCursor.x + sz.cx > m_nAreaRight) {
        // Passing the right edge: start the next row at the origin's x.
        m_ptCursor.x = m_ptOrigin.x;
        m_ptCursor.y += m_metrics.nItemRowSpace + sz.cy;
    }
    RECT r = {m_ptCursor.x, m_ptCursor.y, m_ptCursor.x + sz.cx, m_ptCursor.y + sz.cy};
    m_ptCursor.x += sz.cx + m_metrics.nItemColumnSpace;
    return r;
}

vxListFlow::vxListFlow(const vxListMetrics& m, const RECT& area, int nScrollPos, int nGroupSpace)
    : m_metrics(m), m_rcArea(area), m_nScrollPos(nScrollPos), m_nGroupSpace(nGroupSpace),
      m_y(area.top - nScrollPos)
{
}

int vxNeighbourItem(const std::vector<RECT>& items, int nFrom, UINT nKey)
{
    const int nCount = static_cast<int>(items.size());
    if (nFrom < 0 || nFrom >= nCount)
        return -1;
    if (nKey == VK_LEFT)
        return nFrom - 1;
    if (nKey == VK_RIGHT)
        return nFrom + 1 < nCount ? nFrom + 1 : -1;
    if (nKey != VK_UP && nKey != VK_DOWN)
        return -1;
    const RECT& from = items[nFrom];
    const int nCentre = (from.left + from.right) / 2;
    const bool bDown = nKey == VK_DOWN;
    // The nearest row on that side, then the nearest centre on it.
    int nBest = -1;
    for (int i = 0; i < nCount; ++i) {
        const RECT& rc = items[i];
        if (bDown ? rc.top <= from.top : rc.top >= from.top)
            continue;
        if (nBest < 0) {
            nBest = i;
            continue;
        }
        const RECT& best = items[nBest];
        const bool bNearerRow = bDown ? rc.top < best.top : rc.top > best.top;
        const int nDistance = abs((rc.left + rc.right) / 2 - nCentre);
        const int nBestDistance = abs((best.left + best.right) / 2 - nCentre);
        if (bNearerRow || (rc.top == best.top && nDistance < nBestDistance))
            nBest = i;
    }
    return nBest;
}
