// The button of a stack window item. Besides what the system button does, it tells screen
// readers whether its item is open and takes the keyboard inside the stack window: Up and Down
// ask the stack window to move the focus to the button before or after it, and Enter presses
// it as Space does.
#pragma once

#include <afxwin.h>

// Sent by an item button to its stack window: wParam VK_UP or VK_DOWN, lParam the button.
#define WM_VXSW_FOCUSNEIGHBOUR (WM_USER + 1220)

class vxStackItemAccessible;

class vxStackItemButton : public CButton
{
public:
    vxStackItemButton();
    virtual ~vxStackItemButton();

protected:
    afx_msg LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

private:
    vxStackItemAccessible* m_pAccessible; // what screen readers read; owned, made on demand
};
