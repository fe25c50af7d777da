// What a screen reader reads of the combo box and of its drop list.
// The combo: a combo box named by its dialog label (else its window text), valued by its shown
// text, expanded while its list is shown, with the edit (drop-down style) and the shown list as
// children; its default action opens or closes the list.
// The drop list: a list named as its combo, whose rows are list items named by their text; the
// highlighted row is the selected and focused one, disabled rows are unavailable.
#pragma once

#include "vxAccessible.h"
#include "vxAccessibleListBox.h"

class vxCtrlComboBox;
class vxDropListBox;

class vxComboAccessible : public vxAccessibleProvider
{
public:
    explicit vxComboAccessible(vxCtrlComboBox* pCombo);

    long AccChildCount() override;
    long AccRole(long nChild) override;
    long AccState(long nChild) override;
    BOOL AccName(long nChild, CString& strName) override;
    BOOL AccValue(long nChild, CString& strValue) override;
    BOOL AccDefaultAction(long nChild, CString& strAction) override;
    BOOL AccDoDefaultAction(long nChild) override;
    BOOL AccLocation(long nChild, RECT& rcScreen) override;
    long AccFocus() override;
    HWND AccChildWindow(long nChild) override;

private:
    HWND EditHwnd() const;               // the edit child, or none
    HWND ListHwnd() const;               // the list shown as the combo's, or none

    vxCtrlComboBox* m_pCombo;            // the owner
};

class vxDropListAccessible : public vxListBoxAccessible
{
public:
    vxDropListAccessible(vxDropListBox* pList, vxCtrlComboBox* pCombo);

protected:
    CString ListName() override;
    CString RowName(int nRow) override;
    BOOL IsRowDisabled(int nRow) override;
    // The list never takes the focus; while it is open the current row stands for it.
    BOOL HasFocus() override { return TRUE; }

private:
    vxDropListBox* m_pList;              // the owner
    vxCtrlComboBox* m_pCombo;            // the list's combo, which outlives it
};
