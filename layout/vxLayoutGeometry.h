// The layout's arithmetic over sizes: sharing a container's length among its children,
// packing them along it, and one step of a sizer-bar drag. It asks no window; vxLayout reads
// the windows' sizes, applies the results and moves the windows.
#pragma once

#include <afxwin.h>

#include <vector>

// A child of a container as the sharing sees it.
struct vxLayoutShare {
    int nSize;                       // along the container; kept unless stretching
    bool bStretch;
    int nWeight;                     // of a stretching child
};

// The children's sizes once nLength is shared: fixed children keep theirs, stretching ones
// share what the fixed leave by weight. The quotient is truncated and the pixels lost to it
// stay free at the end; a lone stretching child takes all that is left, and stretching
// children whose weights sum to 0 keep their sizes. Nothing is clamped: a negative remainder
// gives negative sizes.
std::vector<int> vxShareLength(const std::vector<vxLayoutShare>& children, int nLength);

// Children of these sizes packed in order from the container's leading edge along its width
// (bAlongWidth) or its height, each taking the container's full extent across.
std::vector<CRect> vxPackSpans(const CRect& container, const std::vector<int>& sizes, bool bAlongWidth);

// One step of a sizer-bar drag: the edge the neighbours share follows the step along the drag
// axis (sideways: x), and the other coordinate of the step is dropped.
struct vxEdgeStep {
    CRect prev;
    CRect next;
    CPoint offset;                   // by which the bar, or the group holding it, moves
};
vxEdgeStep vxStepEdge(const CRect& prev, const CRect& next, CPoint step, bool bSideways);
