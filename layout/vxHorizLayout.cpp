#include "vxHorizLayout.h"

vxHorizLayout::vxHorizLayout(CWnd* pParent) : vxLayout(pParent, DirHorizontal)
{
    m_nGroup = AddGroup(StyleFixed);
}

vxHorizLayout::~vxHorizLayout()
{
}

int vxHorizLayout::AddItem(CWnd* pWnd, LayoutStyle style)
{
    return vxLayout::AddItem(m_nGroup, pWnd, style);
}

int vxHorizLayout::AddItem(int nID, LayoutStyle style)
{
    return vxLayout::AddItem(m_nGroup, nID, style);
}

int vxHorizLayout::AddSpacerItem()
{
    return vxLayout::AddSpacerItem(m_nGroup);
}

void vxHorizLayout::SetHeight(int nHeight)
{
    SetGroupSize(m_nGroup, nHeight);
}
