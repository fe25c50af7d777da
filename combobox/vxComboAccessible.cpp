#include "vxComboAccessible.h"

#include "vxComboMessages.h"
#include "vxCtrlComboBox.h"
#include "vxDropListBox.h"

namespace {

BOOL WindowOnScreen(HWND hWnd, RECT& rcScreen)
{
    return hWnd != NULL && ::GetWindowRect(hWnd, &rcScreen);
}

// The combo's name: its dialog label, else its window text.
CString NameOfCombo(vxCtrlComboBox* pCombo)
{
    CString strName = vxAccessibleLabelOf(pCombo->GetSafeHwnd());
    if (strName.IsEmpty())
        pCombo->GetWindowText(strName);
    return strName;
}

} // namespace

vxComboAccessible::vxComboAccessible(vxCtrlComboBox* pCombo)
    : vxAccessibleProvider(pCombo->GetSafeHwnd()), m_pCombo(pCombo)
{
}

HWND vxComboAccessible::EditHwnd() const
{
    return m_pCombo->HasEdit() ? m_pCombo->m_pEdit->GetSafeHwnd() : NULL;
}

HWND vxComboAccessible::ListHwnd() const
{
    vxDropListBox* pList = m_pCombo->m_bDropped ? m_pCombo->GetDropListBox() : NULL;
    return pList != NULL ? pList->GetSafeHwnd() : NULL;
}

long vxComboAccessible::AccChildCount()
{
    return (EditHwnd() != NULL ? 1 : 0) + (ListHwnd() != NULL ? 1 : 0);
}

HWND vxComboAccessible::AccChildWindow(long nChild)
{
    HWND hEdit = EditHwnd();
    if (hEdit != NULL && nChild == 1)
        return hEdit;
    return nChild == (hEdit != NULL ? 2 : 1) ? ListHwnd() : NULL;
}

long vxComboAccessible::AccRole(long nChild)
{
    if (nChild == CHILDID_SELF)
        return ROLE_SYSTEM_COMBOBOX;
    return AccChildWindow(nChild) == EditHwnd() ? ROLE_SYSTEM_TEXT : ROLE_SYSTEM_LIST;
}

long vxComboAccessible::AccState(long nChild)
{
    if (nChild != CHILDID_SELF)
        return vxAccessibleWindowState(AccChildWindow(nChild));
    long nState = vxAccessibleWindowState(Hwnd()) | STATE_SYSTEM_HASPOPUP;
    if (AccFocus() >= 0)
        nState |= STATE_SYSTEM_FOCUSED;
    nState |= m_pCombo->m_bDropped ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
    return nState;
}

BOOL vxComboAccessible::AccName(long, CString& strName)
{
    // The edit and the list are named as the combo, as the system names its own.
    strName = NameOfCombo(m_pCombo);
    return TRUE;
}

BOOL vxComboAccessible::AccValue(long nChild, CString& strValue)
{
    if (nChild != CHILDID_SELF && AccChildWindow(nChild) != EditHwnd())
        return FALSE;
    m_pCombo->GetText(strValue);
    return TRUE;
}

BOOL vxComboAccessible::AccDefaultAction(long nChild, CString& strAction)
{
    if (nChild != CHILDID_SELF)
        return FALSE;
    strAction = m_pCombo->m_bDropped ? "Close" : "Open";
    return TRUE;
}

BOOL vxComboAccessible::AccDoDefaultAction(long nChild)
{
    if (nChild != CHILDID_SELF || !::IsWindowEnabled(Hwnd()))
        return FALSE;
    // The button's toggle, posted: its notifications may end the combo.
    return ::PostMessage(Hwnd(), WM_COMBO_DROPDOWNBUTTON, 0, 0);
}

BOOL vxComboAccessible::AccLocation(long nChild, RECT& rcScreen)
{
    return nChild != CHILDID_SELF && WindowOnScreen(AccChildWindow(nChild), rcScreen);
}

long vxComboAccessible::AccFocus()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL)
        return -1;
    if (hFocus == Hwnd())
        return CHILDID_SELF;
    return hFocus == EditHwnd() ? 1 : -1;
}

vxDropListAccessible::vxDropListAccessible(vxDropListBox* pList, vxCtrlComboBox* pCombo)
    : vxAccessibleProvider(pList->GetSafeHwnd()), m_pList(pList), m_pCombo(pCombo)
{
}

long vxDropListAccessible::AccChildCount()
{
    return m_pList->GetCount();
}

long vxDropListAccessible::AccRole(long nChild)
{
    return nChild == CHILDID_SELF ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM;
}

long vxDropListAccessible::AccState(long nChild)
{
    if (nChild == CHILDID_SELF)
        return vxAccessibleWindowState(Hwnd()) & ~STATE_SYSTEM_FOCUSABLE;
    const int nRow = static_cast<int>(nChild - 1);
    long nState = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (nRow == m_pList->GetCurSel())
        nState |= STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
    const _tagListboxItem* pItem = m_pList->RowItem(nRow);
    if (pItem != NULL && pItem->bDisabled)
        nState |= STATE_SYSTEM_UNAVAILABLE;
    CRect rcRow, rcClient;
    m_pList->GetItemRect(nRow, &rcRow);
    m_pList->GetClientRect(&rcClient);
    if (!rcClient.IntersectRect(rcClient, rcRow))
        nState |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    return nState;
}

BOOL vxDropListAccessible::AccName(long nChild, CString& strName)
{
    if (nChild == CHILDID_SELF) {
        strName = NameOfCombo(m_pCombo);
        return TRUE;
    }
    const _tagListboxItem* pItem = m_pList->RowItem(static_cast<int>(nChild - 1));
    if (pItem == NULL)
        return FALSE;
    strName = pItem->strText;
    return TRUE;
}

BOOL vxDropListAccessible::AccLocation(long nChild, RECT& rcScreen)
{
    if (nChild == CHILDID_SELF)
        return FALSE;
    CRect rcRow;
    if (m_pList->GetItemRect(static_cast<int>(nChild - 1), &rcRow) == LB_ERR)
        return FALSE;
    m_pList->ClientToScreen(&rcRow);
    rcScreen = rcRow;
    return TRUE;
}

long vxDropListAccessible::AccChildAt(POINT ptScreen)
{
    CPoint pt(ptScreen);
    m_pList->ScreenToClient(&pt);
    BOOL bOutside = TRUE;
    const UINT nRow = m_pList->ItemFromPoint(pt, bOutside);
    return bOutside ? CHILDID_SELF : static_cast<long>(nRow) + 1;
}

long vxDropListAccessible::AccFocus()
{
    // The list never takes the focus; while it is open the highlighted row stands for it.
    const int nRow = m_pList->GetCurSel();
    return nRow >= 0 ? nRow + 1 : -1;
}

long vxDropListAccessible::AccSelection()
{
    return m_pList->GetCurSel() + 1;
}
