/// \file
/// The grouped list view and the messages it sends to its parent.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

/// Sent to the parent when an item is clicked: wParam group index, lParam item index. The
/// parent may delete the list view while it handles it.
#define WM_LISTVIEW_ITEMCLICK (WM_USER + 1200)
/// Sent to the parent when an item is double-clicked, after its click; as WM_LISTVIEW_ITEMCLICK.
#define WM_LISTVIEW_ITEMDBLCLK (WM_USER + 1201)

class vxAliveWatch;
class vxListViewAccessible;
class vxListGroup;
class vxListItem;
struct vxListMetrics;

/// vxCtrlListView: titled groups of skinned item buttons, flowed into rows under their
/// headers and scrolled vertically.
///
/// The list view owns its groups; a group owns its items and header window; an item owns its
/// button window. Every record lives until DeleteItem/DeleteGroup, the list view's WM_DESTROY
/// or the list view object's destruction, whichever comes first.
///
/// Layout state: each relayout recomputes every rectangle from the members and the current
/// scroll position, updates the scroll bar and places every live window once, in one deferred
/// batch, at its place for the final scroll position. Relayouts follow every group or item
/// change while m_bUpdate is set; LockUpdate(0) ... LockUpdate(1) gathers a batch of changes
/// into one relayout. Scrolling moves the existing windows with ScrollWindow and recomputes
/// nothing; m_scrollPos.cy and the bar's position always move together.
///
/// Clicks and double-clicks on items reach the parent as WM_LISTVIEW_ITEMCLICK and
/// WM_LISTVIEW_ITEMDBLCLK (wParam group index, lParam item index); the parent's answer is the
/// command's result.
class AFX_EXT_CLASS vxCtrlListView : public CWnd
{
    DECLARE_DYNAMIC(vxCtrlListView)
    friend class vxListViewAccessible;

public:
    /// What kind of button an item is.
    enum ItemMode
    {
        ModeButton = 0,              ///< push buttons; no selection
        ModeRadio = 1,               ///< auto radio buttons; one selected item
    };

    /// A list view without a window: create it with CWnd::Create (class name NULL) as a child.
    vxCtrlListView();
    virtual ~vxCtrlListView();       ///< frees every record and window still there

// Groups and items (indices are positions; -1 or 0 for an index that names nothing). Groups
// and items need the window: before Create (or after the window is gone) the adders refuse
// with -1 and nothing is kept.
    /// Appends a group under a header of this title and skin name (the header shown when
    /// bShowHeader is non-zero; a click on it folds the group); returns its index, or -1.
    int AddGroup(LPCTSTR pszTitle, LPCTSTR pszSkin, int bShowHeader);
    /// Appends an item button of this skin name to the group; returns its index, or -1.
    int AddItem(int nGroup, LPCTSTR pszSkin);
    /// The same with a caption and an image value for the skin engine (either may be NULL).
    int AddItem(int nGroup, LPCTSTR pszSkin, LPCTSTR pszCaption, LPCTSTR pszImage);
    /// Removes the item and its button; FALSE when the indices name nothing.
    BOOL DeleteItem(int nGroup, int nItem);
    /// Removes the group with its header and items; FALSE when the index names nothing.
    BOOL DeleteGroup(int nGroup);
    /// Sets the item's image value; FALSE when the indices name nothing.
    BOOL SetItemImage(int nGroup, int nItem, LPCTSTR pszImage);
    /// Sets the item's caption; FALSE when the indices name nothing.
    BOOL SetItemText(int nGroup, int nItem, LPCTSTR pszCaption);
    /// Sets the text the item's tooltip shows; FALSE when the indices name nothing.
    BOOL SetItemToolTips(int nGroup, int nItem, LPCTSTR pszText);
    void SelectItem(int nGroup, int nItem);           ///< radio mode only; clears no other item
    BOOL GetSelectedItem(int& nGroup, int& nItem);     ///< first checked item, radio mode only
    int GetItemCount(int nGroup);    ///< items of the group; -1 when the index names nothing
    int GetGroupCount();             ///< number of groups

// Settings (stored only; they take effect at the next relayout)
    int GetGroupSpace() { return m_nGroupSpace; }                         ///< gap below a group (0)
    void SetGroupSpace(int nSpace) { m_nGroupSpace = nSpace; }            ///< see GetGroupSpace
    int GetItemColumnSpace() { return m_nItemColumnSpace; }               ///< gap between items of a row (2)
    /// See GetItemColumnSpace.
    void SetItemColumnSpace(int nSpace) { m_nItemColumnSpace = nSpace; m_bColumnSpaceGiven = TRUE; }
    int GetItemRowSpace() { return m_nItemRowSpace; }                     ///< gap between rows of items (2)
    void SetItemRowSpace(int nSpace) { m_nItemRowSpace = nSpace; m_bRowSpaceGiven = TRUE; } ///< see GetItemRowSpace
    CRect GetMargins() { return m_rcMargins; }                            ///< insets of the client area (0)
    /// See GetMargins.
    void SetMargins(int nLeft, int nTop, int nRight, int nBottom) { m_rcMargins.SetRect(nLeft, nTop, nRight, nBottom); }
    CPoint GetItemStartPos() { return m_ptItemStart; }                    ///< offset of a group's first item (0, 0)
    void SetItemStartPos(int x, int y) { m_ptItemStart.SetPoint(x, y); }  ///< see GetItemStartPos
    /// Size of every item (48 x 48 at 96 DPI; the defaults of this group follow the DPI).
    CSize GetItemSize() { return m_szItem; }
    void SetItemSize(int cx, int cy) { m_szItem.SetSize(cx, cy); m_bItemSizeGiven = TRUE; } ///< see GetItemSize
    int GetGroupHeight() { return m_nGroupHeight; }                       ///< height of a group header (30)
    void SetGroupHeight(int nHeight) { m_nGroupHeight = nHeight; m_bGroupHeightGiven = TRUE; } ///< see GetGroupHeight
    ItemMode GetItemMode() { return m_itemMode; }                         ///< kind of the next items
    void SetItemMode(ItemMode mode) { m_itemMode = mode; } ///< applies to items created later

// Relayouts
    void LockUpdate(int bUpdate);    ///< 0 suspends relayouts; non-zero resumes with one relayout

protected:
// Overridables
    virtual void PreSubclassWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam); ///< item notifications to the parent

// Message map and handlers
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnDestroy();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFocusNeighbour(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

private:
// Records
    BOOL IsGroupValid(int nGroup);
    vxListItem* FindItem(int nGroup, int nItem);      ///< NULL when group or item is not valid
    int GetItemByHwnd(HWND hWnd, int& nGroup, int& nItem);
    void DeleteAllGroups();
    void OnItemFocused(vxListItem* pFocused); ///< shown, and the one tab stop
    void SetTabStopItem(HWND hStop);     ///< hStop alone a tab stop (NULL: the first item)
    BOOL HasTabStopItem();

// Layout and placement
    void RelayoutIfUpdating();
    void ReLayoutItem();
    void GetMetrics(vxListMetrics& m) const;
    /// Every header and item rectangle; with bWindowsMoved the places recorded too (the
    /// windows were scrolled with them).
    void OffsetRects(int dy, BOOL bWindowsMoved);
    void MoveWindows();              ///< the live windows whose rectangle changed, in one batch

// Sizes at the DPI
    /// The list view's own sizes the host has not replaced, at the window's DPI.
    void ScaleToDpi();
    afx_msg LRESULT OnDpiChangedAfterParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);

// Scrolling
    void SetDisplaySize(int cx, int cy);
    const CSize& GetDisplaySize() const { return m_displaySize; }
    void UpdateScrollInfo();
    void ScrollIntoView(const CRect& rc); ///< the least scroll that shows the client rectangle
    void ScrollContents(int dy);     ///< moves the children by dy and repaints them
    void PlaceFarWindows(int dy);    ///< windows the platform could not move by dy
    void ScrollByCode(UINT nSBCode, CScrollBar* pScrollBar, int nRepeat = 1); ///< a scroll command's move, repeated
    long SyncScrollBar();            ///< bar in line with client and content; returns the delta
    void UpdateScrollBar(int nBar, int nWindow, int nDisplay, long& nPage, long& nPos, long& nDelta);
    int Get32BitScrollPos(int nBar, CScrollBar* pScrollBar);
    void GetClientRectSB(CWnd* pWnd, CRect& rc);

// Members
    CSize m_displaySize;             ///< laid-out content; cx the area width, cy the height
    CSize m_pageSize;                ///< cy: scroll page, 0 while everything fits
    CSize m_scrollPos;               ///< cy: scroll position, equal to the bar's
    CArray<vxListGroup*, vxListGroup*> m_arrGroups;
    int m_nGroupHeight;
    CSize m_szItem;
    CPoint m_ptItemStart;            ///< first item's offset from a group's item origin
    CRect m_rcMargins;               ///< left, top, right and bottom margin widths
    int m_nItemRowSpace;
    int m_nItemColumnSpace;
    BOOL m_bUpdate;                  ///< non-zero: group and item changes relayout at once
    ItemMode m_itemMode;             ///< kind of window that new items get
    int m_nGroupSpace;               ///< vertical gap after each group
    int m_nLayoutPass;               ///< counts relayouts, so a pass sees that a nested one (from
                                     ///< WM_SIZE when the bar shows or hides) has placed everything
    vxAliveWatch* m_pAliveWatches;   ///< handlers on the stack that call out to the parent
    int m_nWheelRemainder;           ///< wheel delta short of a whole notch, kept for the next
    BOOL m_bGroupHeightGiven;        ///< the host set the header height: kept at any DPI
    BOOL m_bItemSizeGiven;           ///< the host set the item size: kept at any DPI
    BOOL m_bRowSpaceGiven;           ///< the host set the row space: kept at any DPI
    BOOL m_bColumnSpaceGiven;        ///< the host set the column space: kept at any DPI
    int m_nDpi;                      ///< the DPI its own sizes were last scaled for
    int m_nLineStep;                 ///< pixels of one line scroll at the window's DPI
    vxListViewAccessible* m_pAccessible; ///< what screen readers read; owned, made on demand
};
