#include "vxBarAccessible.h"

int vxBarPercent(int nPos, int nLow, int nHigh)
{
    if (nHigh <= nLow)
        return 0;
    const long long nShare = (static_cast<long long>(nPos) - nLow) * 100 / (static_cast<long long>(nHigh) - nLow);
    return static_cast<int>(nShare < 0 ? 0 : (nShare > 100 ? 100 : nShare));
}

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
