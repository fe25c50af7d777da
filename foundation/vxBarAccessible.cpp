#include "vxBarAccessible.h"

#include "vxBarValue.h"
#include "vxUia.h"

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

long vxBarAccessible::UiaControlType(long)
{
    return vxUiaThumbControl;
}

BOOL vxBarAccessible::UiaRange(long, int& nPos, int& nLow, int& nHigh)
{
    vxBarPlace place = {};
    if (!m_place(place))
        return FALSE;
    nPos = place.nPos;
    nLow = place.nLow;
    nHigh = place.nHigh;
    return TRUE;
}

BOOL vxBarAccessible::UiaSetRange(long, int nPos)
{
    vxBarPlace place = {};
    if (!m_place(place))
        return FALSE;
    // As the keys move it: the bar's owner holds it within the drag's limits.
    m_move(nPos - place.nPos);
    return TRUE;
}
