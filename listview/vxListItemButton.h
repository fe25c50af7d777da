// The button window of a list view item. Besides what the system button does, it names itself
// to screen readers (by its caption, or by its tooltip text when it shows only an image) and
// takes the keyboard inside the list view: the arrow keys ask the list view to move the focus
// to the neighbouring item (in a dialog, radio items move and check as a radio group does),
// and Enter presses it as Space does.
#pragma once

#include <afxwin.h>

// Sent by an item button to its list view: wParam the arrow key, lParam the button's window.
#define WM_VXLV_FOCUSNEIGHBOUR (WM_USER + 1210)

class vxListItemAccessible;

class vxListItemButton : public CButton
{
public:
    vxListItemButton();
    virtual ~vxListItemButton();

protected:
    afx_msg LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

private:
    vxListItemAccessible* m_pAccessible; // what screen readers read; owned, made on demand
};
