#include "vxTipAlertAccessible.h"

long vxTipAlertAccessible::AccState(long)
{
    return vxAccessibleWindowState(Hwnd()) & ~(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
}

BOOL vxTipAlertAccessible::AccName(long, CString& strName)
{
    strName = vxAccessibleNameOf(Hwnd());
    return TRUE;
}

BOOL vxTipAlertAccessible::AccLocation(long, RECT& rcScreen)
{
    return ::GetWindowRect(Hwnd(), &rcScreen);
}
