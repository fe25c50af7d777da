#include "rvToolTipAccessible.h"

#include "rvToolTip.h"

rvToolTipAccessible::rvToolTipAccessible(rvToolTip* pTip)
    : vxAccessibleProvider(pTip->GetSafeHwnd()), m_pTip(pTip)
{
}

long rvToolTipAccessible::AccRole(long)
{
    return ROLE_SYSTEM_TOOLTIP;
}

long rvToolTipAccessible::AccState(long)
{
    // The balloon never takes the focus.
    return vxAccessibleWindowState(Hwnd()) & ~(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
}

BOOL rvToolTipAccessible::AccName(long, CString& strName)
{
    strName = m_pTip->m_strText;
    return TRUE;
}
