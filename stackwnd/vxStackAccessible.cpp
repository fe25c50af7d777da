#include "vxStackAccessible.h"

#include "CVexelListBox.h"
#include "vxCtrlStackWnd.h"

vxStackItemAccessible::vxStackItemAccessible(HWND hButton, vxCtrlStackWnd* pStack)
    : vxAccessibleProvider(hButton), m_pStack(pStack)
{
}

long vxStackItemAccessible::AccRole(long)
{
    return ROLE_SYSTEM_PUSHBUTTON;
}

long vxStackItemAccessible::AccState(long)
{
    long nState = vxAccessibleWindowState(Hwnd());
    BOOL bOpen = FALSE;
    for (INT_PTR i = 0; i < m_pStack->m_arrItems.GetSize(); ++i) {
        const vxCtrlStackWnd::stItemInfo* pItem = m_pStack->m_arrItems[i];
        if (pItem->pButton != NULL && pItem->pButton->GetSafeHwnd() == Hwnd())
            bOpen = pItem->bExpanded;
    }
    return nState | (bOpen ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED);
}

BOOL vxStackItemAccessible::AccName(long, CString& strName)
{
    strName = vxWindowText(Hwnd());
    return TRUE;
}

BOOL vxStackItemAccessible::AccDefaultAction(long, CString& strAction)
{
    strAction = _T("Open");
    return TRUE;
}

BOOL vxStackItemAccessible::AccDoDefaultAction(long)
{
    // Posted: the click may end in the host deleting the stack window.
    return ::IsWindowEnabled(Hwnd()) && ::PostMessage(Hwnd(), BM_CLICK, 0, 0);
}

vxSubItemListAccessible::vxSubItemListAccessible(CVexelListBox* pList)
    : vxListBoxAccessible(pList->GetSafeHwnd()), m_pList(pList)
{
}

CString vxSubItemListAccessible::ListName()
{
    return vxWindowText(Hwnd());
}

BOOL vxSubItemListAccessible::ChooseRow(int nRow)
{
    // The list's own selection change, as a click makes it: posted, as the host hears of it.
    if (m_pList->SetCurSel(nRow) == LB_ERR)
        return FALSE;
    return ::PostMessage(::GetParent(Hwnd()), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(Hwnd()), LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(Hwnd()));
}

CString vxSubItemListAccessible::RowName(int nRow)
{
    return m_pList->EntryText(nRow);
}
