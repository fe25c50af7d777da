#include "vxListScroll.h"

int vxFitScrollBar(int nWindow, int nDisplay, int nBarPos, long& nPage, long& nPos,
                   long& nDelta)
{
    if (nWindow >= nDisplay) {
        // Everything fits: no page, back to the top.
        nPage = 0;
        nPos = 0;
        nDelta = nBarPos;
        return 0;
    }
    // Proportional position for the new window size, limited before narrowing so that a
    // tiny old page cannot overflow the result.
    const long limit = nDisplay - nWindow - 1;
    double scaled = nPos;
    if (nPage > 0 && nPos > 0)
        scaled = (double)nPos * nWindow / nPage;
    nPos = scaled < limit ? (long)scaled : limit;
    nPage = nWindow;
    nDelta = nBarPos - nPos;
    return nDisplay - 1;
}

long vxScrollDelta(UINT nCode, long nTrackPos, long nPos, long nPage, long nDisplay, long nLineStep,
                   int nRepeat)
{
    // Summed in 64 bits: many repeats of a long step must not wrap before the limit applies.
    long long d;
    switch (nCode) {
    case SB_LINEUP: d = -(long long)nLineStep * nRepeat; break;
    case SB_LINEDOWN: d = (long long)nLineStep * nRepeat; break;
    case SB_PAGEUP: d = -(long long)nPage * nRepeat; break;
    case SB_PAGEDOWN: d = (long long)nPage * nRepeat; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: d = (long long)nTrackPos - nPos; break;
    default: return 0;
    }
    // Without a page the bar is hidden: the top is the only position.
    const long limit = nPage > 0 ? nDisplay - nPage : 0;
    const long long t = nPos + d;
    if (t < 0)
        d = -nPos;
    if (t > limit)
        d = limit - nPos;
    return (long)d;
}

vxWheelScroll vxWheelToScroll(int& nRemainder, int zDelta, UINT nLines, int nMaxSteps)
{
    const bool up = zDelta > 0;
    if (nRemainder != 0 && (nRemainder > 0) != up)
        nRemainder = 0;
    nRemainder += zDelta;
    const long long notches = (nRemainder < 0 ? -(long long)nRemainder : nRemainder) / WHEEL_DELTA;
    nRemainder %= WHEEL_DELTA;
    if (notches == 0)
        return {up ? (UINT)SB_LINEUP : (UINT)SB_LINEDOWN, 0};
    if (nLines == WHEEL_PAGESCROLL)
        return {up ? (UINT)SB_PAGEUP : (UINT)SB_PAGEDOWN, 1};

    long long steps = notches * nLines / VX_LIST_WHEEL_DIVISOR;
    if (steps > nMaxSteps)
        steps = nMaxSteps;
    if (steps < 1)
        steps = 1;
    return {up ? (UINT)SB_LINEUP : (UINT)SB_LINEDOWN, (int)steps};
}

long vxScrollToShow(long nTop, long nBottom, long nView, long nPos, long nDisplay)
{
    long d = 0;
    if (nTop < 0)
        d = nTop;
    else if (nBottom > nView)
        d = nBottom - nView < nTop ? nBottom - nView : nTop;
    const long nMax = nDisplay > nView ? nDisplay - nView : 0;
    if (nPos + d > nMax)
        d = nMax - nPos;
    if (nPos + d < 0)
        d = -nPos;
    return d;
}
