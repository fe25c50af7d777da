#include "vxStackGeometry.h"

vxStackFlow::vxStackFlow(const RECT& area, SIZE szItem, int nSpace, int nItems)
    : m_nLeft(area.left), m_szItem(szItem), m_nSpace(nSpace), m_y(area.top)
{
    m_nContent = (area.bottom - area.top) - nItems * szItem.cy - nItems * nSpace;
}

vxStackPlace vxStackFlow::Next(BOOL bOpen)
{
    vxStackPlace place = {};
    place.rcButton = {m_nLeft, m_y, m_nLeft + m_szItem.cx, m_y + m_szItem.cy};
    if (bOpen) {
        // The content sits one gap below its button and pushes the rest down.
        const int top = m_y + m_szItem.cy + m_nSpace;
        place.rcContent = {m_nLeft, top, m_nLeft + m_szItem.cx, top + m_nContent};
        m_y += m_nContent + m_nSpace;
    }
    m_y += m_szItem.cy + m_nSpace;
    return place;
}
