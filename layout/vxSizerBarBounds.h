// Where a sizer bar lets the cursor go during a drag: pure integer geometry.
#pragma once

#include <afxwin.h>

// A neighbour of a sizer bar as a drag sees it: its rectangle (parent client coordinates) and
// the least and greatest size a drag leaves it, in the dimension its direction measures.
struct vxSizerSide {
    CRect rect;
    int nMin;
    int nMax;                        // INT_MAX: no limit
    bool bByWidth;                   // sized by width (a column), else by height
};

// Positions the edge shared by two neighbours may take so that neither leaves its minimum
// and maximum size (parent client coordinates; the bar's thickness is not counted).
CRect vxSizerEdgeRange(const vxSizerSide& prev, const vxSizerSide& next);

// Cursor bounds (screen) for a drag pressed at ptPress on a bar with window rectangle
// rcBar: the edge range in screen coordinates, narrowed by the press offset within the bar
// on both ends of the drag axis (the bar's leading edge meets the previous neighbour's
// limits, its trailing edge the next one's), and the bar's own extent across it. An axis
// without room holds the cursor at the press position.
CRect vxSizerCursorClip(const CRect& rcEdgeRange, const CRect& rcBar, CPoint ptPress, bool bHorizontal);

// How far one keyboard step of nStep pixels moves a bar whose leading edge is at nBarStart,
// nThickness thick, within the range [nLow, nHigh] that a drag allows its edges: the step cut
// so that the bar stays inside; 0 without room, or when the bar stands outside the range on
// the side the step points to.
int vxSizerKeyMove(int nBarStart, int nThickness, int nLow, int nHigh, int nStep);
