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
    // Only a link takes the focus, by Tab.
    const long nState = vxAccessibleWindowState(Hwnd());
    if (m_pTip->m_bLink)
        return nState | STATE_SYSTEM_LINKED;
    return nState & ~(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
}

BOOL rvToolTipAccessible::AccName(long, CString& strName)
{
    strName = m_pTip->m_strText;
    return TRUE;
}
