// Row layout of one list view group: an optional header strip, then items of one size that
// flow left to right and wrap at the right edge of the area. Plain integer geometry, free of
// window calls.
#pragma once

#include <afxwin.h>

#include <vector>

// The list view's own sizes for 96 DPI, unless the host sets others.
const int VX_LIST_GROUP_HEIGHT = 30;
const int VX_LIST_ITEM_SIZE = 48;    // wide and high
const int VX_LIST_ITEM_SPACE = 2;    // between rows, and between items of a row

// Sizes that shape every group of a list view.
struct vxListMetrics
{
    int nGroupHeight;                // header strip height
    SIZE szItem;                     // every item window
    POINT ptItemStart;               // first item's offset from the group's item origin
    int nItemRowSpace;               // between two rows
    int nItemColumnSpace;            // between two items of a row
};

// Lays one group out from a start y: the header first, then one item per NextItem() call.
class vxGroupFlow
{
public:
    // With bHeader the header takes nGroupHeight over the area's width at y; without it the
    // items start at y.
    vxGroupFlow(const vxListMetrics& m, const RECT& area, int y, BOOL bHeader);

    const RECT& Header() const { return m_rcHeader; } // empty without a header
    // Next item's rectangle. An item that would pass the right edge starts a new row; the
    // test is made once, so an item wider than the area still gets a row of its own.
    RECT NextItem();
    // Where the group ends: one item height below the last row (also with no items).
    int Bottom() const { return m_ptCursor.y + m_metrics.szItem.cy; }

private:
    vxListMetrics m_metrics;
    int m_nAreaRight;
    RECT m_rcHeader;
    POINT m_ptOrigin;                // first item's corner
    POINT m_ptCursor;                // next item's corner
};

// Lays the groups out one under another from the area's top, shifted up by the scroll
// position, with nGroupSpace after every group (the last one included).
class vxListFlow
{
public:
    vxListFlow(const vxListMetrics& m, const RECT& area, int nScrollPos, int nGroupSpace);

    // The next group starts where the previous one ended plus the group space.
    vxGroupFlow BeginGroup(BOOL bHeader) const { return vxGroupFlow(m_metrics, m_rcArea, m_y, bHeader); }
    void EndGroup(const vxGroupFlow& group) { m_y = group.Bottom() + m_nGroupSpace; }
    // Laid-out size: the area's width by the content height measured from the client top
    // (top margin and groups; the bottom margin is not added).
    SIZE DisplaySize() const { return {m_rcArea.right - m_rcArea.left, m_nScrollPos + m_y}; }

private:
    vxListMetrics m_metrics;
    RECT m_rcArea;
    int m_nScrollPos;
    int m_nGroupSpace;
    int m_y;                         // where the next group starts
};

// The item the keyboard moves to from item nFrom of items (in their order): Left and Right
// the one before and after it, Up and Down the one on the nearest row above or below (rows
// told apart by their top) whose centre is nearest in x. -1 when there is none.
int vxNeighbourItem(const std::vector<RECT>& items, int nFrom, UINT nKey);
