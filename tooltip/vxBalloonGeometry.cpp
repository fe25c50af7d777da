#include "vxBalloonGeometry.h"

vxBalloonShape vxCalcBalloonShape(SIZE sizeText, SIZE sizeIcon, int nLineHeight, const vxBalloonMetrics& m,
                                  UINT nStem)
{
    // Text extent grown by the margins on every side, widened by the icon and its gap.
    int w = sizeText.cx + 2 * m.nMarginX;
    int h = sizeText.cy + 2 * m.nMarginY;
    if (sizeIcon.cx > 0 || sizeIcon.cy > 0)
        w += sizeIcon.cx + m.nIconGap;
    // The body holds the icon where it is drawn, with the bottom margin below it: an icon
    // much taller than the first line stands at the top margin and must not be cut off.
    if (sizeIcon.cy > 0) {
        const int nIconBottom = vxBalloonIconTop(nLineHeight, sizeIcon.cy, m) + sizeIcon.cy;
        if (h < nIconBottom + m.nMarginY)
            h = nIconBottom + m.nMarginY;
    }

    // The turned shapes are the usual one mirrored in the window.
    const BOOL bUp = (nStem & VX_BALLOON_STEM_UP) != 0;
    const BOOL bLeft = (nStem & VX_BALLOON_STEM_LEFT) != 0;
    const int cyWnd = h + m.nArrowHeight;
    const auto mirrored = [&](int x, int y) {
        return POINT{bLeft ? w - x : x, bUp ? cyWnd - y : y};
    };
    vxBalloonShape s;
    s.yBody = bUp ? m.nArrowHeight : 0;
    s.sizeBody = {w, h};
    s.sizeWnd = {w, cyWnd};
    const int stemX = w - m.nMarginX;
    const int stemY = h - m.nMarginY;
    s.ptStem[0] = mirrored(stemX, stemY);
    s.ptStem[1] = mirrored(stemX, stemY + m.nArrowHeight);
    s.ptStem[2] = mirrored(stemX - m.nArrowWidth, stemY);
    s.ptTip = s.ptStem[1];
    return s;
}

POINT vxBalloonWindowPos(POINT ptTip, SIZE sizeWnd, const vxBalloonMetrics& m, UINT nStem)
{
    const int x = (nStem & VX_BALLOON_STEM_LEFT) != 0 ? ptTip.x - m.nMarginX : ptTip.x - sizeWnd.cx + m.nMarginX;
    const int y = (nStem & VX_BALLOON_STEM_UP) != 0 ? ptTip.y - m.nMarginY : ptTip.y - sizeWnd.cy + m.nMarginY;
    return {x, y};
}

UINT vxBalloonStemFor(POINT ptTip, SIZE sizeWnd, const vxBalloonMetrics& m, const RECT& rcMonitor)
{
    const POINT pos = vxBalloonWindowPos(ptTip, sizeWnd, m);
    UINT nStem = 0;
    if (pos.y < rcMonitor.top)
        nStem |= VX_BALLOON_STEM_UP;
    if (pos.x < rcMonitor.left)
        nStem |= VX_BALLOON_STEM_LEFT;
    return nStem;
}

RECT vxBalloonTextRect(const RECT& rcClient, SIZE sizeIcon, const vxBalloonMetrics& m)
{
    RECT rc = rcClient;
    rc.left += m.nMarginX;
    rc.top += m.nMarginY;
    if (sizeIcon.cx > 0 || sizeIcon.cy > 0)
        rc.left += sizeIcon.cx + m.nIconGap;
    return rc;
}

int vxBalloonIconTop(int nLineHeight, int nIconHeight, const vxBalloonMetrics& m)
{
    int y = m.nMarginY + nLineHeight - nIconHeight;
    return y < 1 ? m.nMarginY : y;
}
