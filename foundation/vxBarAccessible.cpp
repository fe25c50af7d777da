#include "vxBarAccessible.h"

#include "vxAccessibleObject.h"

namespace {

// The name a screen reader gives a window: its accessible object's.
CString AccessibleNameOf(HWND hWnd)
{
    CString strName;
    IAccessible* pAcc = NULL;
    if (hWnd == NULL || ::AccessibleObjectFromWindow(hWnd, OBJID_CLIENT, vxAccessibleObject::InterfaceId(),
                                                     reinterpret_cast<void**>(&pAcc)) != S_OK)
        return strName;
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR bstr = NULL;
    if (pAcc->get_accName(self, &bstr) == S_OK && bstr != NULL)
        strName = CString(bstr);
    ::SysFreeString(bstr);
    pAcc->Release();
    return strName;
}

} // namespace

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
        const CString strBefore = AccessibleNameOf(place.hBefore);
        const CString strAfter = AccessibleNameOf(place.hAfter);
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
