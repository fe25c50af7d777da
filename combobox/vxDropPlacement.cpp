// Placement of the drop-down frame and the row arithmetic of the drop list.
#include "vxDropPlacement.h"

#include <algorithm>

vxDropPlacement vxCalcDropPlacement(const vxDropPlacementInput& in)
{
    // Row products are taken in 64 bits: a large row height times 100,000 rows overflows
    // 32; every height is cut to the screen before it goes back to 32 bits.
    typedef long long i64;
    const i64 h = vxDropRowHeight(in.nRowHeight);
    const i64 n = std::max(in.nRows, 0);
    // A preferred count below 1 (other than -1, none) would give a frame of its border alone.
    const i64 D = in.nDefaultVisible >= 1 ? in.nDefaultVisible : -1;
    const bool bAllRows = D == -1 || n < D;  // no preferred count, or fewer rows than it
    vxDropPlacement out;
    const RECT& rcScreen = in.rcScreen;
    out.bUpward = ((i64)rcScreen.bottom - in.y) / h < in.nMinVisible;
    out.top = in.y;
    i64 H = n * h + 4;

    const i64 T = (i64)in.y - in.cyCombo;    // the combo's top edge
    if (out.bUpward && bAllRows) {
        // All rows above the combo, cut at the screen's top.
        out.top = (int)std::max(T - H, (i64)rcScreen.top);
        if (out.top + H > T)
            H = T - out.top;
    } else if (out.bUpward) {
        out.top = (int)std::max(T - h * D - 2, (i64)rcScreen.top);
        H = T - out.top;
    } else if (bAllRows) {
        // All rows below, cut at the screen's bottom, never lower than the scroll arrows.
        if (in.y + H > rcScreen.bottom)
            H = (i64)rcScreen.bottom - in.y;
        else if (H < in.cyMinimum)
            H = in.cyMinimum;
    } else {
        H = h * D;
        if (in.y + h * D > rcScreen.bottom)
            H = (i64)rcScreen.bottom - in.y;
        H += 2;
    }
    out.height = (int)H;

    // Moved left to end at the screen's right edge, never past its left.
    const int cxScreen = (int)std::max((i64)rcScreen.right - rcScreen.left, (i64)0);
    out.width = in.cx > 0 ? in.cx : 0;
    out.left = in.x;
    if ((i64)rcScreen.right - in.x < out.width)
        out.left = (int)std::max((i64)rcScreen.right - out.width, (i64)rcScreen.left);
    if (out.left == rcScreen.left && out.width > cxScreen)
        out.width = cxScreen;
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
