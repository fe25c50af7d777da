#include "vxListItemButton.h"

#include "vxListAccessible.h"

vxAccessibleProvider* vxListItemButton::NewAccessible()
{
    return new vxListItemAccessible(m_hWnd);
}
