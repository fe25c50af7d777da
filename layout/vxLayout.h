// Places the child windows of one parent in groups (rows or columns) of fixed, stretching
// and spacer items, and moves exactly the windows whose places changed in one deferred batch.
//
// A layout owns its groups and a group its items; windows (sizer bars included) belong to the
// host. The host builds the tree once, calls CalcLayout whenever the parent's size changes,
// and sizer bars call MoveLayoutItems while they are dragged.
#pragma once

#include "vxLayoutItem.h"

class vxAliveWatch;

class AFX_EXT_CLASS vxLayout
{
public:
    vxLayout(CWnd* pParent, Direction direction);
    ~vxLayout();
    // Groups are owned: a copy would share them and destroy them twice.
    vxLayout(const vxLayout&) = delete;
    vxLayout& operator=(const vxLayout&) = delete;

// Building (indices are zero-based; adders answer -1 for a group index that names nothing)
    int AddGroup(LayoutStyle style);
    // Also sets the group's minimum and maximum size (widths in a DirVertical layout).
    int AddGroup(LayoutStyle style, int nMinSize, int nMaxSize);
    int AddItem(int nGroup, CWnd* pWnd, LayoutStyle style);
    // The window is looked up once, now, among the parent's children; its handle is kept.
    int AddItem(int nGroup, int nID, LayoutStyle style);
    int AddSpacerItem(int nGroup);
    int AddSplitterItem(int nGroup, int bStretch, CWnd* pBar);
    int AddSplitterItem(int nGroup, int bStretch, int nID);
    // Neighbours of a splitter item: two items of its group, or two groups. 0 on a bad index.
    int SetSplitterWnd(int nGroup, int nItem, int nPrevItem, int nNextItem);
    int SetSplitterGroup(int nGroup, int nItem, int nPrevGroup, int nNextGroup);
    void SetItemStyle(int nGroup, int nItem, LayoutStyle style);
    void SetItemSize(int nGroup, int nItem, int nSize);
    void SetGroupSize(int nGroup, int nSize);
    void SetItemMinSize(int nGroup, int nItem, int nSize);
    void SetItemMaxSize(int nGroup, int nItem, int nSize);
    void SetGroupMinSize(int nGroup, int nSize);
    void SetGroupMaxSize(int nGroup, int nSize);
    void SetMargins(int nLeft, int nTop, int nRight, int nBottom);

// Calculation and placement
    // Lays the tree out inside the rectangle (parent client coordinates); the window
    // argument plays no part.
    void CalcLayout(CRect rect, CWnd* pWnd);
    void CalcLayout(int nWidth, int nHeight, CWnd* pWnd);
    // Lays out inside the window's client rectangle.
    void CalcLayout(CWnd* pWnd);
    // One step of a sizer-bar drag: moves the edge between the splitter item's neighbours.
    void MoveLayoutItems(vxLayoutItem* pSplitter, CPoint delta);
    // The first item (groups and items in order) that places this window; null if none.
    vxLayoutItem* GetItem(CWnd* pWnd);

protected:
// Attributes
    std::vector<vxLayoutGroup*> m_groups; // in placement order, owned
    // Whose children are laid out; null: nothing is moved. Read it through ParentWindow().
    mutable HWND m_hParent;
    // A parent object given before its window was made (the layout a member built in its
    // parent's constructor): its handle is taken at the first use after the window exists,
    // and the object forgotten.
    mutable CWnd* m_pPendingParent;
    Direction m_direction;           // of the layout and all its groups
    CRect m_margins;                 // insets taken off the layout rectangle

    HWND ParentWindow() const;

private:
// Internal helpers
    BOOL IsGroupValid(int nGroup) const;
    // The item at these indices, or null.
    vxLayoutItem* FindItem(int nGroup, int nItem) const;
    // Direction of a group's items: across the group's own.
    Direction GetChildDirect(const vxLayoutGroup* pGroup) const;
    int AppendItem(int nGroup, ItemKind kind, LayoutStyle style, HWND hWnd, int nID);
    HWND FindChild(int nID) const;
    // Number of items with a window and a set dirty flag.
    int CountWindows() const;
    void PositionGroupRects(const CRect& inner);
    void CalcGroupLayout();
    void LayOutGroup(vxLayoutGroup* pGroup);
    void MoveWindows();

    vxAliveWatch* m_pAliveWatches;   // moves on the stack: the moved windows' owners may
                                     // delete the layout
};
