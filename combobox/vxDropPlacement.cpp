// Placement of the drop-down frame and the row arithmetic of the drop list.
#include "vxDropPlacement.h"

#include <algorithm>

vxDropPlacement vxCalcDropPlacement(const vxDropPlacementInput& in)
{
    const int h = vxDropRowHeight(in.nRowHeight);
    const int n = in.nRows;
    const int D = in.nDefaultVisible;
    const bool bAllRows = D == -1 || n < D;  // no preferred count, or fewer rows than it
    vxDropPlacement out;
    out.bUpward = (in.cyScreen - in.y) / h < in.nMinVisible;
    out.top = in.y;
    int H = n * h + 4;

    const int T = in.y - in.cyCombo;         // the combo's top edge
    if (out.bUpward && bAllRows) {
        // All rows above the combo, cut at the screen's top.
        out.top = std::max(T - H, 0);
        if (out.top + H > T)
            H = T - out.top;
    } else if (out.bUpward) {
        out.top = std::max(T - h * D - 2, 0);
        H = T - out.top;
    } else if (bAllRows) {
        // All rows below, cut at the screen's bottom, never lower than the scroll arrows.
        if (in.y + H > in.cyScreen)
            H = in.cyScreen - in.y;
        else if (H < in.cyMinimum)
            H = in.cyMinimum;
    } else {
        H = h * D;
        if (in.y + h * D > in.cyScreen)
            H = in.cyScreen - in.y;
        H += 2;
    }
    out.height = H;

    // Moved left to end at the screen's right edge, never past its left.
    out.width = in.cx > 0 ? in.cx : 0;
    out.left = in.x;
    if (in.cxScreen - in.x < out.width)
        out.left = std::max(in.cxScreen - out.width, 0);
    if (out.left == 0 && out.width > in.cxScreen)
        out.width = in.cxScreen;
    return out;
}

int vxDropRowHeight(int nRowHeight)
{
    return std::max(nRowHeight, 1);
}

int vxDropRowAt(int y, int nRowHeight, int nTopIndex)
{
    return y / vxDropRowHeight(nRowHeight) + nTopIndex;
}
