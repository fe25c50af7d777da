// The records of a layout tree: items (windows, spacers, splitter items) and the groups that
// hold them, with the two enumerations that describe them. A group owns its items; no record
// owns a window.
#pragma once

#include <afxwin.h>

#include <vector>

// Which dimension an element's size, minimum and maximum measure.
enum Direction
{
    DirHorizontal = 1,               // a band across the full width: sized by height
    DirVertical = 2                  // a band across the full height: sized by width
};

// How an element is sized along its container's axis.
enum LayoutStyle
{
    StyleNormal = 0,                 // keeps its size, as StyleFixed
    StyleFixed = 1,
    StyleStretch = 2                 // shares the space the other elements leave
};

enum ItemKind
{
    ItemWindow = 0,                  // places a child window
    ItemSpacer = 1,                  // empty space
    ItemSplitter = 2,                // holds a sizer bar between two neighbours
    ItemGroup = 3                    // the record is a vxLayoutGroup
};

class vxLayoutGroup;

class AFX_EXT_CLASS vxLayoutItem
{
public:
    vxLayoutItem(Direction direction, ItemKind kind, LayoutStyle style);

// Attributes
    Direction m_direction;
    ItemKind m_kind;
    LayoutStyle m_style;
    CRect m_rect;                    // parent client coordinates; all 0: not sized yet
    int m_maxWidth;                  // limits for sizer-bar drags only
    int m_maxHeight;
    int m_minWidth;
    int m_minHeight;
    int m_weight;                    // stretch weight
    vxLayoutItem* m_pPrev;           // splitter item: the element before the bar (not owned)
    vxLayoutItem* m_pNext;           // splitter item: the element after the bar (not owned)
    vxLayoutGroup* m_pParentGroup;   // the group holding the item; null for a group
    HWND m_hWnd;                     // placed window (not owned), kept by handle: hosts hand in
                                     // temporary window objects that are freed at idle
    int m_nID;                       // control ID when added by ID, else -1
    int m_bDirty;                    // rectangle changed since the window was last moved

// Operations
    // The rectangle; a window item not sized yet first takes its window's client size.
    CRect ReadRect();
    // Replaces the rectangle, marking the item dirty when any coordinate differs.
    void SetRect(const CRect& rc);
    // Width for a DirVertical element, height for a DirHorizontal one.
    int GetSize();
    // Moves the right edge (DirVertical) or bottom edge (DirHorizontal) to give this size.
    void SetSize(int nSize);
    // Sets the minimum or maximum of the dimension the direction measures.
    void SetMinSize(int nSize);
    void SetMaxSize(int nSize);
};

class AFX_EXT_CLASS vxLayoutGroup : public vxLayoutItem
{
public:
    vxLayoutGroup(Direction direction, LayoutStyle style);
    ~vxLayoutGroup();
    vxLayoutGroup(const vxLayoutGroup&) = delete;
    vxLayoutGroup& operator=(const vxLayoutGroup&) = delete;

// Attributes
    std::vector<vxLayoutItem*> m_items; // in placement order, owned

// Operations
    bool IsItemValid(int nItem) const { return nItem >= 0 && nItem < static_cast<int>(m_items.size()); }
};
