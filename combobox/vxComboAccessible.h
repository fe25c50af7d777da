// What a screen reader reads of the combo box, its edit and its drop list.
// The combo: a combo box named by its dialog label (nothing else: its window text is its value),
// valued by its shown text, expanded while its list is shown (the drop-down list or the
// filtered one), with the system combo box's three children: the edit (drop-down style, a
// window of its own) or the shown item, the list (the shown list's window, else an invisible
// list), and the button, whose default action opens or closes the list as the combo's does.
// The edit: a text named as its combo, whose parent is the combo.
// The drop list: a list named as its combo, whose parent is the combo and whose rows are list
// items named by their text; the highlighted row is the selected and focused one, disabled
// rows are unavailable.
#pragma once

#include "vxAccessible.h"
#include "vxListBoxAccessible.h"

class vxCtrlComboBox;
class vxDropListBox;

class vxComboAccessible : public vxAccessibleProvider
{
public:
    explicit vxComboAccessible(vxCtrlComboBox* pCombo);

    enum { kField = 1, kList = 2, kButton = 3 }; // the children, as the system numbers them

    long AccChildCount() override { return kButton; }
    long AccRole(long nChild) override;
    long AccState(long nChild) override;
    BOOL AccName(long nChild, CString& strName) override;
    BOOL AccValue(long nChild, CString& strValue) override;
    BOOL AccDefaultAction(long nChild, CString& strAction) override;
    BOOL AccDoDefaultAction(long nChild) override;
    BOOL AccLocation(long nChild, RECT& rcScreen) override;
    long AccFocus() override;
    HWND AccChildWindow(long nChild) override;
    long UiaSelection() override;

private:
    HWND EditHwnd() const;               // the edit child, or none
    HWND ListHwnd() const;               // the list shown as the combo's, or none

    vxCtrlComboBox* m_pCombo;            // the owner
};

class vxComboEditAccessible : public vxAccessibleProvider
{
public:
    vxComboEditAccessible(HWND hEdit, HWND hCombo) : vxAccessibleProvider(hEdit), m_hCombo(hCombo) {}

    long AccRole(long) override { return ROLE_SYSTEM_TEXT; }
    long AccState(long nChild) override;
    BOOL AccName(long nChild, CString& strName) override;
    BOOL AccValue(long nChild, CString& strValue) override;
    HWND AccParentWindow() override { return m_hCombo; }

private:
    HWND m_hCombo;                       // the edit's combo, its parent window
};

class vxDropListAccessible : public vxListBoxAccessible
{
public:
    vxDropListAccessible(vxDropListBox* pList, vxCtrlComboBox* pCombo);

    HWND AccParentWindow() override;

protected:
    CString ListName() override;
    CString RowName(int nRow) override;
    BOOL IsRowDisabled(int nRow) override;
    BOOL ChooseRow(int nRow) override;
    // The list never takes the focus; while it is open the current row stands for it.
    BOOL HasFocus() override { return TRUE; }

private:
    vxDropListBox* m_pList;              // the owner
    vxCtrlComboBox* m_pCombo;            // the list's combo, which outlives it
};

// The name a combo's parts share: the combo's dialog label, else nothing.
CString vxComboAccessibleName(HWND hCombo);
