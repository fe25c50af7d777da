#include "vxVertLayout.h"

vxVertLayout::vxVertLayout(CWnd* pParent) : vxLayout(pParent, DirVertical)
{
    m_nGroup = AddGroup(StyleFixed);
}

vxVertLayout::~vxVertLayout()
{
}

int vxVertLayout::AddItem(CWnd* pWnd, LayoutStyle style)
{
    return vxLayout::AddItem(m_nGroup, pWnd, style);
}

int vxVertLayout::AddItem(int nID, LayoutStyle style)
{
    return vxLayout::AddItem(m_nGroup, nID, style);
}

int vxVertLayout::AddSpacerItem()
{
    return vxLayout::AddSpacerItem(m_nGroup);
}

void vxVertLayout::SetWidth(int nWidth)
{
    SetGroupSize(m_nGroup, nWidth);
}
