// The combo's side of the drop-down: toggling, choosing and closing.
#include "vxCtrlComboBox.h"

LRESULT vxCtrlComboBox::OnDropdownButton(WPARAM, LPARAM)
{
    return 1;
}

LRESULT vxCtrlComboBox::OnSelectedItem(WPARAM, LPARAM)
{
    return 1;
}

LRESULT vxCtrlComboBox::OnDestroyDropdownList(WPARAM, LPARAM)
{
    return 1;
}

CListBox* vxCtrlComboBox::GetDropListBox()
{
    return NULL;
}

void vxCtrlComboBox::ScrollDropList(int)
{
}

void vxCtrlComboBox::MoveDropListSelection(int)
{
}

BOOL vxCtrlComboBox::CloseDropDownOnFocusLoss(CWnd*)
{
    return TRUE;
}
