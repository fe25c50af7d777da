#include "vxComboAccessible.h"

#include "vxComboMessages.h"
#include "vxCtrlComboBox.h"
#include "vxDropListBox.h"

namespace {

BOOL WindowOnScreen(HWND hWnd, RECT& rcScreen)
{
    return hWnd != NULL && ::GetWindowRect(hWnd, &rcScreen);
}

} // namespace

CString vxComboAccessibleName(HWND hCombo)
{
    return vxAccessibleLabelOf(hCombo);
}

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
    vxDropListBox* pList = m_pCombo->GetDropListBox();
    return pList != NULL ? pList->GetSafeHwnd() : NULL;
}

HWND vxComboAccessible::AccChildWindow(long nChild)
{
    return nChild == kField ? EditHwnd() : (nChild == kList ? ListHwnd() : NULL);
}

long vxComboAccessible::UiaSelection()
{
    // The open list's row, else the field that shows the chosen item.
    if (ListHwnd() != NULL)
        return kList;
    return m_pCombo->GetCurSel() >= 0 ? kField : 0;
}

long vxComboAccessible::AccRole(long nChild)
{
    switch (nChild) {
    case CHILDID_SELF: return ROLE_SYSTEM_COMBOBOX;
    case kField: return EditHwnd() != NULL ? ROLE_SYSTEM_TEXT : ROLE_SYSTEM_STATICTEXT;
    case kList: return ROLE_SYSTEM_LIST;
    default: return ROLE_SYSTEM_PUSHBUTTON;
    }
}

long vxComboAccessible::AccState(long nChild)
{
    const BOOL bShown = ListHwnd() != NULL;
    if (nChild == kList)
        return bShown ? vxAccessibleWindowState(ListHwnd()) : STATE_SYSTEM_INVISIBLE;
    if (nChild == kField && EditHwnd() != NULL)
        return vxAccessibleWindowState(EditHwnd());
    long nState = vxAccessibleWindowState(Hwnd());
    if (nChild == kField)
        return (nState & ~STATE_SYSTEM_FOCUSABLE) | STATE_SYSTEM_READONLY;
    if (nChild == kButton)
        return (nState & ~(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED)) | (bShown ? STATE_SYSTEM_PRESSED : 0);
    nState |= STATE_SYSTEM_HASPOPUP;
    if (AccFocus() >= 0)
        nState |= STATE_SYSTEM_FOCUSED;
    return nState | (bShown ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED);
}

BOOL vxComboAccessible::AccName(long nChild, CString& strName)
{
    // The button is named by what it does; the other parts as the combo, as the system names
    // its own.
    if (nChild == kButton)
        return AccDefaultAction(CHILDID_SELF, strName);
    strName = vxComboAccessibleName(Hwnd());
    return TRUE;
}

BOOL vxComboAccessible::AccValue(long nChild, CString& strValue)
{
    if (nChild != CHILDID_SELF && nChild != kField)
        return FALSE;
    m_pCombo->GetText(strValue);
    return TRUE;
}

BOOL vxComboAccessible::AccDefaultAction(long nChild, CString& strAction)
{
    if (nChild != CHILDID_SELF && nChild != kButton)
        return FALSE;
    strAction = ListHwnd() != NULL ? _T("Close") : _T("Open");
    return TRUE;
}

BOOL vxComboAccessible::AccDoDefaultAction(long nChild)
{
    if ((nChild != CHILDID_SELF && nChild != kButton) || !::IsWindowEnabled(Hwnd()))
        return FALSE;
    // The button's toggle, posted: its notifications may end the combo.
    return ::PostMessage(Hwnd(), WM_COMBO_DROPDOWNBUTTON, 0, 0);
}

BOOL vxComboAccessible::AccLocation(long nChild, RECT& rcScreen)
{
    if (nChild == CHILDID_SELF)
        return FALSE;
    if (HWND hChild = AccChildWindow(nChild))
        return WindowOnScreen(hChild, rcScreen);
    if (nChild == kList)
        return FALSE;
    CRect rc = nChild == kButton ? m_pCombo->m_rcButton : m_pCombo->RecalcEditArea();
    m_pCombo->ClientToScreen(&rc);
    rcScreen = rc;
    return !rc.IsRectEmpty();
}

long vxComboAccessible::AccFocus()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL)
        return -1;
    if (hFocus == Hwnd())
        return CHILDID_SELF;
    return hFocus == EditHwnd() ? kField : -1;
}

long vxComboEditAccessible::AccState(long)
{
    long nState = vxAccessibleWindowState(Hwnd());
    if (::GetWindowLong(Hwnd(), GWL_STYLE) & ES_READONLY)
        nState |= STATE_SYSTEM_READONLY;
    return nState;
}

BOOL vxComboEditAccessible::AccName(long, CString& strName)
{
    strName = vxComboAccessibleName(m_hCombo);
    return TRUE;
}

BOOL vxComboEditAccessible::AccValue(long, CString& strValue)
{
    strValue = vxWindowText(Hwnd());
    return TRUE;
}

vxDropListAccessible::vxDropListAccessible(vxDropListBox* pList, vxCtrlComboBox* pCombo)
    : vxListBoxAccessible(pList->GetSafeHwnd()), m_pList(pList), m_pCombo(pCombo)
{
}

HWND vxDropListAccessible::AccParentWindow()
{
    return m_pCombo != NULL ? m_pCombo->GetSafeHwnd() : NULL;
}

BOOL vxDropListAccessible::ChooseRow(int nRow)
{
    return m_pList->ChooseRow(nRow);
}

CString vxDropListAccessible::ListName()
{
    return vxComboAccessibleName(m_pCombo->GetSafeHwnd());
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
