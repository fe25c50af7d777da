// Where the drop-down frame goes on the screen: below the combo, or above it when too few
// rows fit below, sized to its rows or to the preferred row count, and kept on the screen of
// the monitor the combo is on (which may lie left of or above the primary one).
#pragma once

#include <afx.h>

struct vxDropPlacementInput {
    int x, y;                        // frame's creation point: the combo's bottom left, screen
    int cx;                          // the combo's width
    int cyCombo;                     // the combo's window height
    int nRowHeight;                  // the list's row height; 0 or less counts as 1
    int nRows;                       // rows to show
    int nDefaultVisible;             // preferred row count, -1: none
    int nMinVisible;                 // fewer rows fitting below opens upward
    RECT rcScreen;                   // the combo's monitor, whole, not its work area
    int cyMinimum;                   // smallest height downward: the scroll bar's arrow height
};

struct vxDropPlacement {
    int left, top, width, height;
    BOOL bUpward;
};

vxDropPlacement vxCalcDropPlacement(const vxDropPlacementInput& in);
// The row height the list gets and the arithmetic divides by: at least 1.
int vxDropRowHeight(int nRowHeight);
// Row under a point of the list's client area; a row height of 0 or less counts as 1.
int vxDropRowAt(int y, int nRowHeight, int nTopIndex);
