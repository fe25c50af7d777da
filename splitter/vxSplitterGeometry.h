// Integer geometry of a two-pane splitter (its records are vxCtrlSplitter.h's): the division
// of an area into pane 0, the bar and pane 1. Free of window calls, so it runs without a window system.
#pragma once

#include "vxCtrlSplitter.h"

// A stretch along one axis.
struct vxSpan
{
    int pos;
    int len;
};

// Pane 0, the bar and pane 1 along the splitting axis.
struct vxSplitSpans
{
    vxSpan pane0;
    vxSpan bar;
    vxSpan pane1;
};

// Divides [start, start + length) with the fixed pane at its preferred size and the other
// pane taking the rest; nothing is clamped, so the rest may be zero or negative.
vxSplitSpans vxDivideSpan(int start, int length, int fixedSize, int bFirstFixed, int barSize);

// Lays the two panes and the bar out over (x, y, w, h). Both panes hidden: nothing changes.
// One hidden: the other takes the whole area, the hidden pane and the bar keep their places.
void vxLayoutPanes(vxSplitterPane panes[2], RECT* prcBar,
                               const vxSplitterShape& shape, int x, int y, int w, int h);

// Whether two records of a pane hold the same preferred size, visibility, contents and place
// (the minimum size only bounds drags).
inline bool vxSamePane(const vxSplitterPane& a, const vxSplitterPane& b)
{
    return a.nSize == b.nSize && a.bHidden == b.bHidden && a.hWnd == b.hWnd &&
           a.pSplitter == b.pSplitter && a.x == b.x && a.y == b.y && a.cx == b.cx && a.cy == b.cy;
}

// Position and size of a pane along the splitting axis.
inline int& vxAxisPos(vxSplitterPane& pane, int bVertical) { return bVertical ? pane.x : pane.y; }
inline int& vxAxisLen(vxSplitterPane& pane, int bVertical) { return bVertical ? pane.cx : pane.cy; }
inline int vxAxisPos(const vxSplitterPane& pane, int bVertical) { return bVertical ? pane.x : pane.y; }
inline int vxAxisLen(const vxSplitterPane& pane, int bVertical) { return bVertical ? pane.cx : pane.cy; }
