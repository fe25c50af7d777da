// Vertical scroll arithmetic of the list view: the bar's range, page and position after a
// size or content change, the movement of one scroll command, and the scroll commands of one
// wheel message. Plain integer code, free of window calls.
#pragma once

#include <afxwin.h>

enum
{
    VX_LIST_LINE_STEP = 60,          // pixels of one SB_LINEUP / SB_LINEDOWN at 96 DPI
    VX_LIST_WHEEL_DIVISOR = 3,       // wheel lines per line step
};

// Brings page and position in line with a window of nWindow pixels showing nDisplay pixels
// of content, the bar currently standing at nBarPos. The position keeps its proportion when
// the window size changes and stays one short of the largest scrollable position. nDelta is
// how far the contents must move (old bar position - new position). Returns the bar's
// maximum (0 with page 0: the bar disappears).
int vxFitScrollBar(int nWindow, int nDisplay, int nBarPos, long& nPage, long& nPos,
                               long& nDelta);

// Movement in pixels for a scroll code (SB_LINEUP ... SB_THUMBTRACK; 0 for any other)
// applied nRepeat times, a line being nLineStep pixels, limited so the position stays within
// 0 and nDisplay - nPage. With nPage 0 the content fits and nothing scrolls.
long vxScrollDelta(UINT nCode, long nTrackPos, long nPos, long nPage, long nDisplay,
                   long nLineStep, int nRepeat = 1);

// Whether a child window coordinate is one the platform keeps (signed 16 bits).
inline bool vxFitsSixteenBits(int y)
{
    return y >= -32768 && y <= 32767;
}

// The scroll commands that one wheel message stands for.
struct vxWheelScroll
{
    UINT nCode;                      // SB_LINEUP, SB_LINEDOWN, SB_PAGEUP or SB_PAGEDOWN
    int nSteps;                      // how many times the command is applied
};

// A wheel delta (away from the user positive) with the system's wheel lines setting
// (WHEEL_PAGESCROLL: a page per message that completes a notch). Deltas add up in
// nRemainder, kept by the caller between messages, so that the small deltas of precision
// touchpads scroll once per whole notch; a turn of direction starts again from 0. No step
// before a whole notch; then at least one and at most nMaxSteps, since more line steps
// than the content holds move nothing further.
vxWheelScroll vxWheelToScroll(int& nRemainder, int zDelta, UINT nLines, int nMaxSteps);

// The scroll move that brings the span [nTop, nBottom) of client coordinates into a view
// nView high (its top first when it is taller), kept within the content's range; 0 when it
// already shows.
long vxScrollToShow(long nTop, long nBottom, long nView, long nPos, long nDisplay);
