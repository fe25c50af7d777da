#pragma once

#include "vxLayout.h"

class vxAliveWatch;
class vxBarAccessible;
struct vxBarPlace;

/// A thin bar that the user drags to move the edge between two elements of a layout: two
/// items of one group, or two groups.
///
/// Keyboard: a bar made by Create is a tab stop. While it has the focus (a focus rectangle
/// shows it) the arrow keys along its axis move it 4 pixels at 96 DPI, 32 with Ctrl, within
/// the limits a drag has; Escape puts it back where it was when it took the focus.
///
/// Drag: a left-button press on a bar whose layout item has both neighbours captures the
/// mouse, takes the focus (so that Escape arrives here) and clips the cursor to the range the
/// neighbours' limits allow; every move is handed at once to vxLayout::MoveLayoutItems, so the
/// windows follow live. Release, Escape, WM_CANCELMODE, or losing the capture ends the drag
/// where it is and gives capture, cursor and focus back. The bar belongs to the host; it only
/// points at its layout (which tells the bar when it goes), and it sends nothing to its
/// parent. Each drag step moves host windows, whose owners may destroy or delete the bar, its
/// layout or its parent: the bar then touches nothing of itself.
class AFX_EXT_CLASS vxSizerBar : public CStatic
{
    DECLARE_DYNCREATE(vxSizerBar)
public:
    /// A bar object without a window; Create or SubclassDlgItem gives it one.
    vxSizerBar();
    /// Ends a drag in progress, letting the cursor go; a window that still exists is destroyed
    /// as any window object's is.
    virtual ~vxSizerBar();

// Operations
    /// Creates the bar as a child of pParent; returns what CStatic::Create returns.
    int Create(unsigned long dwStyle, CWnd* pParent, vxLayout* pLayout, unsigned int nID,
               const RECT& rect);
    /// Takes over the parent's existing child with this ID as the bar.
    void SubclassDlgItem(unsigned int nID, CWnd* pParent, vxLayout* pLayout);

// Overridables
    /// Adds the style bits the bar needs (notify, so that it receives the mouse; a tab stop,
    /// so that the keyboard reaches it).
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

protected:
    /// 1 when the bar is wider than tall, fixed the first time it is asked once the window
    /// exists; 0 without a window.
    int IsHorizontal();
    /// Hands one drag step to the layout.
    void NotifyMoved(CPoint delta);
    /// Ends a drag: capture, cursor clip and focus are given back.
    void CancelDrag();

// Message map and handlers
    afx_msg void OnPaint();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUpdateUIState(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

// Attributes
    vxLayout* m_pLayout;             ///< the layout holding the bar's item (not owned)
    int m_nHorizontal;               ///< -1 until known, else IsHorizontal's answer
    int m_bDragging;
    CPoint m_ptLast;                 ///< screen cursor position at the press or last move
    HWND m_hPrevFocus;               ///< focus before the press, given back at the end
    vxAliveWatch* m_pAliveWatches;   ///< handlers on the stack whose layout moves host windows
    int m_nKeyMoved;                 ///< keyboard moves since the bar took the focus
    vxBarAccessible* m_pAccessible;  ///< what screen readers read; owned, made on demand

private:
    friend class vxLayout;
// Internal helpers
    /// The layout is going: a drag ends and the bar moves nothing any more.
    void ForgetLayout(const vxLayout* pLayout);
    /// The bar's layout item when it can be dragged (both neighbours set), else null.
    vxLayoutItem* FindDraggableItem();
    BOOL GetBarPlace(vxBarPlace& place); ///< where screen readers read it stands; FALSE: no room
    /// One keyboard step along the bar's axis, cut to the limits.
    void MoveByKey(int nStep);
};
