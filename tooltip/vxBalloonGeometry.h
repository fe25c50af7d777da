// Shape of the balloon tooltip: a rounded body around the text (and icon) with a right-angled
// stem below its right end whose tip touches the point the balloon is shown at. Plain
// integer geometry, free of window calls.
#pragma once

#include <afxwin.h>

// Sizes that shape a balloon.
struct vxBalloonMetrics
{
    int nMarginX;                    // text margin left and right; corner ellipse width
    int nMarginY;                    // text margin top and bottom; corner ellipse height
    int nArrowWidth;                 // stem's top side, running left from its upright side
    int nArrowHeight;                // stem's upright side, running down into the tip
    int nIconGap;                    // between icon and text
};

// The balloon's sizes at 96 DPI, and the least line pitch of link mode.
const vxBalloonMetrics VX_BALLOON_METRICS = {13, 13, 25, 25, 5};
const int VX_BALLOON_LINK_LINE_HEIGHT = 18;

// The balloon in window coordinates (origin at the window's top-left corner).
struct vxBalloonShape
{
    SIZE sizeBody;                   // rounded body: W x H
    SIZE sizeWnd;                    // whole window: W x (H + stem height)
    POINT ptStem[3];                 // stem triangle: upright side's top, the tip, top side's end
    POINT ptTip;                     // the stem's tip, equal to ptStem[1]
};

// Balloon around a text extent (link mode: the wrapped lines' extent) and an optional icon
// (sizeIcon 0 x 0 for none) drawn as vxBalloonIconTop places it for the first line's
// height, with the bottom margin below it.
vxBalloonShape vxCalcBalloonShape(SIZE sizeText, SIZE sizeIcon, int nLineHeight,
                                              const vxBalloonMetrics& m);

// Top-left corner of a balloon window of sizeWnd whose tip lies on ptTip (screen
// coordinates): the balloon stands above and to the left of the point, unclamped.
POINT vxBalloonWindowPos(POINT ptTip, SIZE sizeWnd, const vxBalloonMetrics& m);

// Where the text starts inside the client rectangle: past the margins and the icon.
RECT vxBalloonTextRect(const RECT& rcClient, SIZE sizeIcon, const vxBalloonMetrics& m);

// Top of the icon so that its bottom lines up with the first text line's bottom, unless that
// would put it above the window's top edge.
int vxBalloonIconTop(int nLineHeight, int nIconHeight, const vxBalloonMetrics& m);
