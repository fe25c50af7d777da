// Shape of the balloon tooltip: a rounded body around the text (and icon) with a right-angled
// stem below its right end whose tip touches the point the balloon is shown at. Near a
// monitor's top or left edge the balloon turns to the other side of its point: the stem
// then rises from the body's top, or stands at its left end. Plain integer geometry, free of
// window calls.
#pragma once

#include <afxwin.h>

// Sizes that shape a balloon.
struct vxBalloonMetrics
{
    int nMarginX;                    // text margin left and right; corner ellipse width
    int nMarginY;                    // text margin top and bottom; corner ellipse height
    int nArrowWidth;                 // stem's top side, running left from its vertical side
    int nArrowHeight;                // stem's vertical side, running down into the tip
    int nIconGap;                    // between icon and text
};

// The balloon's sizes at 96 DPI, and the least line pitch of link mode.
const vxBalloonMetrics VX_BALLOON_METRICS = {13, 13, 25, 25, 5};
const int VX_BALLOON_LINK_LINE_HEIGHT = 18;

// Where the stem stands; 0 is below the body's right end.
const UINT VX_BALLOON_STEM_UP = 0x1;   // above the body: the balloon hangs below its point
const UINT VX_BALLOON_STEM_LEFT = 0x2; // at the body's left end: the balloon is right of it

// The balloon in window coordinates (origin at the window's top-left corner).
struct vxBalloonShape
{
    int yBody;                       // top of the body: 0, or the stem's height when it rises
    SIZE sizeBody;                   // rounded body: W x H
    SIZE sizeWnd;                    // whole window: W x (H + stem height)
    POINT ptStem[3];                 // stem triangle: vertical side's top, the tip, top side's end
    POINT ptTip;                     // the stem's tip, equal to ptStem[1]
};

// Balloon around a text extent (link mode: the wrapped lines' extent) and an optional icon
// (sizeIcon 0 x 0 for none) drawn as vxBalloonIconTop places it for the first line's
// height, with the bottom margin below it.
vxBalloonShape vxCalcBalloonShape(SIZE sizeText, SIZE sizeIcon, int nLineHeight,
                                  const vxBalloonMetrics& m, UINT nStem = 0);

// Top-left corner of a balloon window of sizeWnd whose tip lies on ptTip (screen
// coordinates): the balloon stands above and to the left of the point (below or to the right
// as nStem says), unclamped.
POINT vxBalloonWindowPos(POINT ptTip, SIZE sizeWnd, const vxBalloonMetrics& m, UINT nStem = 0);

// The stem that keeps a balloon of sizeWnd for ptTip on the monitor: turned down from the
// top edge, turned right from the left edge.
UINT vxBalloonStemFor(POINT ptTip, SIZE sizeWnd, const vxBalloonMetrics& m, const RECT& rcMonitor);

// Where the text starts inside the client rectangle: past the margins and the icon.
RECT vxBalloonTextRect(const RECT& rcClient, SIZE sizeIcon, const vxBalloonMetrics& m);

// Top of the icon so that its bottom lines up with the first text line's bottom, unless that
// would put it above the window's top edge.
int vxBalloonIconTop(int nLineHeight, int nIconHeight, const vxBalloonMetrics& m);
