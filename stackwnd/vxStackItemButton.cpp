#include "vxStackItemButton.h"

#include "vxCtrlStackWnd.h"
#include "vxStackAccessible.h"

vxAccessibleProvider* vxStackItemButton::NewAccessible()
{
    vxCtrlStackWnd* pStack = DYNAMIC_DOWNCAST(vxCtrlStackWnd, GetParent());
    return pStack != NULL ? new vxStackItemAccessible(m_hWnd, pStack) : NULL;
}
