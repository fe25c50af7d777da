/// \file
/// The records of a layout tree and the enumerations that describe them.
#pragma once

#include <afxwin.h>

#include <vector>

/// Which dimension an element's size, minimum and maximum measure.
enum Direction
{
    DirHorizontal = 1,               ///< a band across the full width: sized by height
    DirVertical = 2                  ///< a band across the full height: sized by width
};

/// How an element is sized along its container's axis.
enum LayoutStyle
{
    StyleNormal = 0,                 ///< keeps its size, as StyleFixed
    StyleFixed = 1,                  ///< keeps the size it was given
    StyleStretch = 2                 ///< shares the space the other elements leave
};

/// What a layout element is.
enum ItemKind
{
    ItemWindow = 0,                  ///< places a child window
    ItemSpacer = 1,                  ///< empty space
    ItemSplitter = 2,                ///< holds a sizer bar between two neighbours
    ItemGroup = 3                    ///< the record is a vxLayoutGroup
};

class vxLayoutGroup;

/// One element of a layout tree: a window, a spacer or a splitter item, as
/// vxLayout::GetItem hands it out (read it; the layout's setters change it). A group owns its
/// items; no record owns a window.
class vxLayoutItem
{
public:
    /// A record of zero size with no limits; the layout makes them.
    vxLayoutItem(Direction direction, ItemKind kind, LayoutStyle style);

// Attributes
    Direction m_direction;           ///< which dimension its size measures
    ItemKind m_kind;                 ///< what the element is
    LayoutStyle m_style;             ///< fixed or stretching along its container
    CRect m_rect;                    ///< parent client coordinates; all 0: not sized yet
    int m_maxWidth;                  ///< limits for sizer-bar drags only
    int m_maxHeight;                 ///< limit for sizer-bar drags only
    int m_minWidth;                  ///< limit for sizer-bar drags only
    int m_minHeight;                 ///< limit for sizer-bar drags only
    int m_weight;                    ///< stretch weight
    vxLayoutItem* m_pPrev;           ///< splitter item: the element before the bar (not owned)
    vxLayoutItem* m_pNext;           ///< splitter item: the element after the bar (not owned)
    vxLayoutGroup* m_pParentGroup;   ///< the group holding the item; null for a group
    HWND m_hWnd;                     ///< placed window (not owned), kept by handle: hosts hand in
                                     ///< temporary window objects that are freed at idle
    int m_nID;                       ///< control ID when added by ID, else -1
    int m_bDirty;                    ///< rectangle changed since the window was last moved

// Operations
    /// The rectangle; a window item not sized yet first takes its window's client size.
    CRect ReadRect();
    /// Replaces the rectangle, marking the item dirty when any coordinate differs.
    void SetRect(const CRect& rc);
    /// Width for a DirVertical element, height for a DirHorizontal one.
    int GetSize();
    /// Moves the right edge (DirVertical) or bottom edge (DirHorizontal) to give this size.
    void SetSize(int nSize);
    /// Sets the minimum of the dimension the direction measures.
    void SetMinSize(int nSize);
    /// Sets the maximum of the dimension the direction measures.
    void SetMaxSize(int nSize);
};

/// A row or column of a layout: an element of its own that holds items.
class vxLayoutGroup : public vxLayoutItem
{
public:
    /// An empty group; the layout makes them.
    vxLayoutGroup(Direction direction, LayoutStyle style);
    /// Destroys the items in order.
    ~vxLayoutGroup();
    vxLayoutGroup(const vxLayoutGroup&) = delete;
    vxLayoutGroup& operator=(const vxLayoutGroup&) = delete;

// Attributes
    std::vector<vxLayoutItem*> m_items; ///< in placement order, owned

// Operations
    /// Whether the index names an item of the group.
    bool IsItemValid(int nItem) const { return nItem >= 0 && nItem < static_cast<int>(m_items.size()); }
};
