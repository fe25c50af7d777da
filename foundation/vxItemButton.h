// The button of an item that a control lays out (a list view item, a stack window item).
// Besides what the system button does, it takes the keyboard inside its control: the arrow
// keys ask the parent to move the focus to a neighbour, and Enter presses a push button as
// Space does (radio buttons keep the code the system gives them, by which the platform tells
// radio buttons: in a dialog they move and check as a radio group does, and Enter presses the
// dialog's default button). It answers screen readers
// through a provider that its control's kind of item makes.
#pragma once

#include <afxwin.h>

class vxAccessibleProvider;

// Sent by an item button to its parent: wParam the arrow key, lParam the button's window;
// 1 when the focus moved.
#define WM_VX_FOCUSNEIGHBOUR (WM_USER + 1210)

class vxItemButton : public CButton
{
public:
    vxItemButton();
    virtual ~vxItemButton();

protected:
// Overridables
    // The provider that reads this button to screen readers, made at their first question.
    virtual vxAccessibleProvider* NewAccessible() = 0;

// Message map and handlers
    afx_msg LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

private:
    vxAccessibleProvider* m_pAccessible; // owned, made on demand
};
