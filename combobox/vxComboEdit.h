// The combo box's edit child (drop-down style): the system's edit, which reads to screen
// readers as a text named as its combo, whose parent is the combo, as the system's combo box
// edit does.
#pragma once

#include <afxwin.h>

class vxComboEditAccessible;

class vxComboEdit : public CEdit
{
public:
    vxComboEdit();
    virtual ~vxComboEdit();

protected:
// Message map and handlers
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

private:
    vxComboEditAccessible* m_pAccessible; // owned, made on demand
};
