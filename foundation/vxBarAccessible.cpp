#include "vxBarAccessible.h"

#include "vxBarValue.h"

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
    strName = vxWindowText(Hwnd());
    if (strName.IsEmpty())
        strName = vxAccessibleLabelOf(Hwnd());
    vxBarPlace place = {};
    if (strName.IsEmpty() && m_place(place)) {
        const CString strBefore = vxAccessibleNameOf(place.hBefore);
        const CString strAfter = vxAccessibleNameOf(place.hAfter);
        strName = strBefore;
        if (!strBefore.IsEmpty() && !strAfter.IsEmpty())
            strName += _T(", ");
        strName += strAfter;
    }
    // Nothing of its own: what the system's object says of the window.
    return !strName.IsEmpty();
}

BOOL vxBarAccessible::AccValue(long, CString& strValue)
{
    vxBarPlace place = {};
    if (!m_place(place))
        return FALSE;
    strValue.Format(_T("%d%%"), vxBarPercent(place.nPos, place.nLow, place.nHigh));
    return TRUE;
}
