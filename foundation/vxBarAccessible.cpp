#include "vxBarAccessible.h"

long vxBarAccessible::AccRole(long)
{
    return ROLE_SYSTEM_SEPARATOR;
}

long vxBarAccessible::AccState(long)
{
    return vxAccessibleWindowState(Hwnd());
}

BOOL vxBarAccessible::AccName(long, CString& strName)
{
    // The bar's window text, else what the system's object says of the window.
    strName = vxWindowText(Hwnd());
    return !strName.IsEmpty();
}

BOOL vxBarAccessible::AccValue(long, CString& strValue)
{
    RECT rc;
    ::GetWindowRect(Hwnd(), &rc);
    ::MapWindowPoints(NULL, ::GetParent(Hwnd()), reinterpret_cast<POINT*>(&rc), 2);
    const bool bHorizontal = rc.right - rc.left > rc.bottom - rc.top;
    strValue.Format(_T("%d"), static_cast<int>(bHorizontal ? rc.top : rc.left));
    return TRUE;
}
