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
    strAction = m_pCombo->m_bDropped ? _T("Close") : _T("Open");
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
    : vxListBoxAccessible(pList->GetSafeHwnd()), m_pList(pList), m_pCombo(pCombo)
{
}

CString vxDropListAccessible::ListName()
{
    return NameOfCombo(m_pCombo);
}

CString vxDropListAccessible::RowName(int nRow)
{
    const _tagListboxItem* pItem = m_pList->RowItem(nRow);
    return pItem != NULL ? pItem->strText : CString();
}

BOOL vxDropListAccessible::IsRowDisabled(int nRow)
{
    const _tagListboxItem* pItem = m_pList->RowItem(nRow);
    return pItem != NULL && pItem->bDisabled;
}
