/// \file
/// The accordion stack window and the message it sends.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

/// Sent to the notify window (or the parent) when the user selects an entry of an open
/// sub-item list: wParam item index, lParam entry index or LB_ERR. The receiver may delete
/// the stack window.
#define WM_STACKWND_SUBITEMSEL (WM_USER + 123)

class vxAliveWatch;
class vxStackItemAccessible;

/// vxCtrlStackWnd: an accordion of item buttons. Below the button of an open item its content
/// (a sub-item list the stack window makes, or a window of the host's) takes the height the
/// buttons leave free; closed items' contents are hidden.
///
/// Open and closed: every item starts closed. A click on an item's button opens it and closes
/// the others; SelectSubItem opens its item the same way; ExpandItem opens one item and leaves
/// the others, so several can be open. Every change of what is open relayouts.
///
/// Ownership: the stack window makes the item records, buttons and sub-item lists and frees
/// them when its window is destroyed or, at the latest, with the object. A custom content
/// window stays the host's: it is placed, shown and hidden, never destroyed.
///
/// A user's selection in an open sub-item list is sent as WM_STACKWND_SUBITEMSEL (wParam item
/// index, lParam entry index or LB_ERR) to the notify window, or to the parent when none is set.
/// Host windows (the notify window, custom contents) are kept by handle and tested before use;
/// the receiver of a selection and the host windows moved by a relayout may delete the stack
/// window, which then touches nothing of itself.
class AFX_EXT_CLASS vxCtrlStackWnd : public CWnd
{
    DECLARE_DYNAMIC(vxCtrlStackWnd)
    friend class vxStackItemAccessible;

public:
    /// An item as the stack window keeps it.
    struct stItemInfo
    {
        CButton* pButton;            ///< the item's button, made here
        CWnd* pContent;              ///< the sub-item list made here; NULL for a custom item
        HWND hContent;               ///< the content window: that list or the host's window
        BOOL bExpanded;              ///< the item is open
        BOOL bCustom;                ///< 1: pContent is the host's window
    };

    /// A stack window without a window: create it with CWnd::Create (class name NULL).
    vxCtrlStackWnd();
    virtual ~vxCtrlStackWnd();       ///< frees what the stack window made

// Items (indices are positions; null, 0 or -1 for an index that names nothing). Items need
// the window: before Create (or after the window is gone) the adders refuse with -1.
    /// Appends a closed item: a button of this caption and skin name over a sub-item list of
    /// that skin name; returns its index, or -1.
    int AddItem(LPCTSTR pszCaption, LPCTSTR pszButtonSkin, LPCTSTR pszListSkin);
    /// Appends a closed item whose content is the host's window (kept by handle, never
    /// destroyed here); returns its index, or -1 when pContent has no window.
    int AddCustomItem(LPCTSTR pszCaption, CWnd* pContent);
    /// Appends an entry of text and image value to the item's sub-item list; FALSE for a bad
    /// index or a custom item.
    BOOL AddSubItem(int nItem, LPCTSTR pszText, LPCTSTR pszImage);
    void ExpandItem(int nItem);                   ///< opens without closing the others
    BOOL SelectSubItem(int nItem, int nEntry);    ///< opens the item alone; sends nothing
    CWnd* GetItemContent(int nItem);              ///< NULL once a custom content is destroyed
    CButton* GetItemButton(int nItem);            ///< the item's button, or NULL

// Settings
    void SetSubItemHeight(int nHeight);           ///< every sub-item list; no relayout
    void SetSpace(int nSpace);                    ///< gap between buttons (0); relayouts
    void SetItemSize(int cx, int cy);             ///< button size (150 x 20); relayouts
    void SetPadding(int nLeft, int nTop, int nRight, int nBottom); ///< may cut the button width
    void SetAutoWidth(int bAutoWidth);            ///< button width follows the client width
    /// Receiver of WM_STACKWND_SUBITEMSEL instead of the parent; NULL: the parent again.
    void SetNotifyWnd(CWnd* pWnd) { m_hNotifyWnd = pWnd->GetSafeHwnd(); }

// Message handlers
    /// Relayouts to the new client size.
    afx_msg void OnSize(UINT nType, int cx, int cy);

protected:
// Overridables
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam); ///< button clicks, list selections
    virtual void PreSubclassWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

// Message map and handlers
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg LRESULT OnFocusNeighbour(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL IsValid(int nItem);
    stItemInfo* NewItem(CButton* pButton, CWnd* pList, HWND hContent);
    void AppendItem(CButton* pButton, CWnd* pList, HWND hContent); ///< the windows go if it cannot
    static void DestroyItemWindows(CButton* pButton, CWnd* pContent);
    CButton* CreateButton(LPCTSTR pszCaption, UINT nID);     ///< NULL when it fails
    void ReleaseItems();
    void OpenAlone(int nItem);       ///< opens one item, closes every other; relayouts on change
    void SetExpanded(stItemInfo* pItem, BOOL bExpanded); ///< screen readers hear of a change
    void ReLayout();
    void OnItemButtonClicked(HWND hButton);
    void OnSubItemSelChange(HWND hList);
    int ClientWidth();               ///< 0 without a window
    void ScaleToDpi();               ///< own sizes the host has not set, at the window's DPI

    CArray<stItemInfo*, stItemInfo*> m_arrItems;
    CSize m_szItem;                  ///< every button; its width is also the contents'
    int m_nSpace;                    ///< below every button and below an open content
    CRect m_rcPadding;               ///< left, top, right and bottom padding widths
    BOOL m_bAutoWidth;
    HWND m_hNotifyWnd;               ///< receiver of selections; NULL: the parent
    int m_nSubItemHeight;            ///< height of one entry of every sub-item list
    vxAliveWatch* m_pAliveWatches;   ///< handlers on the stack that call out to the host
    BOOL m_bItemSizeGiven;           ///< the host set the button size: kept at any DPI
    BOOL m_bSubItemHeightGiven;      ///< the host set the entry height: kept at any DPI
    int m_nDpi;                      ///< the DPI its own sizes were last scaled for
};
