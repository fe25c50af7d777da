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
