#pragma once

#include "vxLayoutItem.h"

/// Places the child windows of one parent in groups (rows or columns) of fixed, stretching
/// and spacer items, and moves exactly the windows whose places changed in one deferred batch.
///
/// A layout owns its groups and a group its items; windows (sizer bars included) belong to the
/// host. The host builds the tree once, calls CalcLayout whenever the parent's size changes,
/// and sizer bars call MoveLayoutItems while they are dragged.
class AFX_EXT_CLASS vxLayout
{
public:
    /// An empty layout of the children of pParent (a dialog or a frame's client window; it
    /// may be a member whose window is made later). Groups follow one another along the
    /// direction: rows top to bottom for DirHorizontal, columns left to right for DirVertical.
    vxLayout(CWnd* pParent, Direction direction);
    /// Destroys the groups and items; the windows stay where they are.
    ~vxLayout();
    /// Groups are owned: a copy would share them and destroy them twice.
    vxLayout(const vxLayout&) = delete;
    vxLayout& operator=(const vxLayout&) = delete;

// Building (indices are zero-based; adders answer -1 for a group index that names nothing)
    /// Appends a group (row or column) with this style; returns its index. Cannot fail.
    int AddGroup(LayoutStyle style);
    /// Also sets the group's minimum and maximum size (widths in a DirVertical layout).
    int AddGroup(LayoutStyle style, int nMinSize, int nMaxSize);
    /// Appends an item that places the window; returns its index in the group, or -1. The
    /// window's handle is kept, so a temporary window object may be passed.
    int AddItem(int nGroup, CWnd* pWnd, LayoutStyle style);
    /// The window is looked up once, now, among the parent's children; its handle is kept.
    int AddItem(int nGroup, int nID, LayoutStyle style);
    /// Appends an empty stretching item; returns its index in the group, or -1.
    int AddSpacerItem(int nGroup);
    /// Appends an item holding a sizer bar (stretching when bStretch is non-zero); returns its
    /// index in the group, or -1. Give it its neighbours with SetSplitterWnd or
    /// SetSplitterGroup, and create the bar with this layout.
    int AddSplitterItem(int nGroup, int bStretch, CWnd* pBar);
    /// The same, with the bar found among the parent's children by its control ID.
    int AddSplitterItem(int nGroup, int bStretch, int nID);
    /// Neighbours of a splitter item: two items of its group, or two groups. 0 on a bad index.
    int SetSplitterWnd(int nGroup, int nItem, int nPrevItem, int nNextItem);
    /// Makes two groups the neighbours of a splitter item: a bar between rows or columns.
    /// 1 when done, 0 when an index names nothing.
    int SetSplitterGroup(int nGroup, int nItem, int nPrevGroup, int nNextGroup);
    /// Replaces an item's style; nothing happens on a bad index (as for every setter below).
    void SetItemStyle(int nGroup, int nItem, LayoutStyle style);
    /// Width of an item of a DirVertical element, height of a DirHorizontal one; a fixed item
    /// keeps it. Limits are not applied here.
    void SetItemSize(int nGroup, int nItem, int nSize);
    /// Thickness of a group.
    void SetGroupSize(int nGroup, int nSize);
    /// Least size a sizer-bar drag leaves the item (width or height, as for SetItemSize).
    void SetItemMinSize(int nGroup, int nItem, int nSize);
    /// Greatest size a sizer-bar drag gives the item; INT_MAX for no limit.
    void SetItemMaxSize(int nGroup, int nItem, int nSize);
    /// Least thickness a sizer-bar drag leaves the group.
    void SetGroupMinSize(int nGroup, int nSize);
    /// Greatest thickness a sizer-bar drag gives the group; INT_MAX for no limit.
    void SetGroupMaxSize(int nGroup, int nSize);
    /// Insets taken off the layout rectangle before the groups are placed.
    void SetMargins(int nLeft, int nTop, int nRight, int nBottom);

// Calculation and placement
    /// Lays the tree out inside the rectangle (parent client coordinates) and moves the
    /// windows whose places changed, in one batch; the window argument plays no part. Call
    /// it from the parent's WM_SIZE. The moved windows' owners may delete the layout meanwhile:
    /// it touches nothing once they move.
    void CalcLayout(CRect rect, CWnd* pWnd);
    /// Lays out inside (0, 0, nWidth, nHeight); the window argument plays no part.
    void CalcLayout(int nWidth, int nHeight, CWnd* pWnd);
    /// Lays out inside the window's client rectangle.
    void CalcLayout(CWnd* pWnd);
    /// One step of a sizer-bar drag: moves the edge between the splitter item's neighbours.
    void MoveLayoutItems(vxLayoutItem* pSplitter, CPoint delta);
    /// The first item (groups and items in order) that places this window; null if none.
    vxLayoutItem* GetItem(CWnd* pWnd);

protected:
// Attributes
    std::vector<vxLayoutGroup*> m_groups; ///< in placement order, owned
    /// Whose children are laid out; null: nothing is moved. Read it through ParentWindow().
    mutable HWND m_hParent;
    /// A parent object given before its window was made (the layout a member built in its
    /// parent's constructor): its handle is taken at the first use after the window exists,
    /// and the object forgotten.
    mutable CWnd* m_pPendingParent;
    Direction m_direction;           ///< of the layout and all its groups
    CRect m_margins;                 ///< insets taken off the layout rectangle

    HWND ParentWindow() const;

private:
// Internal helpers
    BOOL IsGroupValid(int nGroup) const;
    /// The item at these indices, or null.
    vxLayoutItem* FindItem(int nGroup, int nItem) const;
    /// Direction of a group's items: across the group's own.
    Direction GetChildDirect(const vxLayoutGroup* pGroup) const;
    int AppendItem(int nGroup, ItemKind kind, LayoutStyle style, HWND hWnd, int nID);
    HWND FindChild(int nID) const;
    void LayOutGroup(vxLayoutGroup* pGroup);
    void MoveWindows();
};
