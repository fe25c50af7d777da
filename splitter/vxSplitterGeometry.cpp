#include "vxSplitterGeometry.h"

vxSplitSpans vxDivideSpan(int start, int length, int fixedSize, int bFirstFixed, int barSize)
{
    vxSplitSpans s;
    if (bFirstFixed) {
        // Pane 0 keeps its size, the bar follows it, pane 1 takes what is left.
        s.pane0 = {start, fixedSize};
        s.bar = {start + fixedSize, barSize};
        s.pane1 = {start + fixedSize + barSize, length - fixedSize - barSize};
    } else {
        // Pane 1 keeps its size at the far end, pane 0 takes what is left before the bar.
        int first = length - barSize - fixedSize;
        s.pane0 = {start, first};
        s.bar = {start + first, barSize};
        s.pane1 = {start + first + barSize, fixedSize};
    }
    return s;
}

void vxLayoutPanes(vxSplitterPane panes[2], RECT* prcBar, const vxSplitterShape& shape, int x,
                   int y, int w, int h)
{
    if (panes[0].bHidden && panes[1].bHidden)
        return;
    if (panes[0].bHidden || panes[1].bHidden) {
        vxSplitterPane& shown = panes[0].bHidden ? panes[1] : panes[0];
        shown.x = x;
        shown.y = y;
        shown.cx = w;
        shown.cy = h;
        return;
    }

    const int v = shape.bVertical;
    // Across the axis both panes and the bar fill the area.
    for (int i = 0; i < 2; ++i) {
        if (v) {
            panes[i].y = y;
            panes[i].cy = h;
        } else {
            panes[i].x = x;
            panes[i].cx = w;
        }
    }
    const vxSplitterPane& fixed = shape.bFirstFixed ? panes[0] : panes[1];
    vxSplitSpans s = vxDivideSpan(v ? x : y, v ? w : h, fixed.nSize, shape.bFirstFixed,
                                 shape.nBarSize);
    vxAxisPos(panes[0], v) = s.pane0.pos;
    vxAxisLen(panes[0], v) = s.pane0.len;
    vxAxisPos(panes[1], v) = s.pane1.pos;
    vxAxisLen(panes[1], v) = s.pane1.len;
    if (v)
        *prcBar = {s.bar.pos, y, s.bar.pos + s.bar.len, y + h};
    else
        *prcBar = {x, s.bar.pos, x + w, s.bar.pos + s.bar.len};
}
