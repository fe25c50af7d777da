// The combo's drop-down: a top-most pop-up frame, a child of the desktop, that holds its own
// copy of the items to show and the drop list. It exists only while the list is open; a
// filtered list keeps it over the keystrokes that refill it.
//
// Capture: the frame takes the mouse capture when it is created and hands it to the list
// when the pointer enters the list; the list hands it back when the pointer leaves. A click
// outside the frame or the application's deactivation posts the close to the combo: the frame
// never destroys itself, and the combo destroys it only outside the frame's handlers.
#pragma once

#include <afxwin.h>

#include "vxDropPlacement.h"
#include "vxListboxItemList.h"


class vxCtrlComboBox;
class vxDropListBox;

class vxDropWnd : public CWnd
{
    DECLARE_DYNAMIC(vxDropWnd)

public:
    // Takes the rows to show from rows.
    vxDropWnd(vxCtrlComboBox* pCombo, vxListboxItemList& rows, DWORD dwCBStyle, int nItemHeight);
    virtual ~vxDropWnd();

// Attributes
    vxDropListBox* GetListBox() { return m_pListBox; }
    const vxListboxItemList& GetRows() const { return m_rows; }

// Operations
    void FollowRowHeight(int nItemHeight); // rows of the combo's new height, placed again
    // Shows these rows instead (taken from rows, which gets the old ones), nRow highlighted,
    // placed for their count, and takes the capture again.
    void ShowRows(vxListboxItemList& rows, int nRow);
    // Where a list of nRows rows of the combo would drop, on the combo's monitor.
    static vxDropPlacement PlacementFor(vxCtrlComboBox* pCombo, int nRows, int nRowHeight);

// Overridables
    virtual BOOL DestroyWindow();        // releases the capture and the list first

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = NULL);

// Message handlers
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnDropSetCapture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropReleaseCapture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

// Internal helpers
private:
    BOOL CreateListBox();
    void PlaceOnScreen();
    void FillList();
    // Posts a mouse message of this window's client point to m_hInputMethodPress.
    void ForwardToInputMethod(UINT message, UINT nFlags, CPoint point);

    vxDropListBox* m_pListBox;           // owned; none before creation
    CRect m_rcList;                      // list rectangle, client coordinates
    CRect m_rcGrip;                      // never set: the list covers the client area
    vxCtrlComboBox* m_pCombo;            // receives the posted choice and close
    int m_nListItemHeight;
    vxListboxItemList m_rows;            // copies of the items to show, by row
    DWORD m_dwCBStyle;                   // the combo's option bits, kept only
    HWND m_hInputMethodPress;            // an input method's window pressed on: gets the mouse until release
};
