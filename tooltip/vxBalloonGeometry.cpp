#include "vxBalloonGeometry.h"

vxBalloonShape vxCalcBalloonShape(SIZE sizeText, SIZE sizeIcon, int nLineHeight, const vxBalloonMetrics& m)
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

    vxBalloonShape s;
    s.sizeBody = {w, h};
    s.sizeWnd = {w, h + m.nArrowHeight};
    const int stemX = w - m.nMarginX;
    const int stemY = h - m.nMarginY;
    s.ptStem[0] = {stemX, stemY};
    s.ptStem[1] = {stemX, stemY + m.nArrowHeight};
    s.ptStem[2] = {stemX - m.nArrowWidth, stemY};
    s.ptTip = s.ptStem[1];
    return s;
}

POINT vxBalloonWindowPos(POINT ptTip, SIZE sizeWnd, const vxBalloonMetrics& m)
{
    return {ptTip.x - sizeWnd.cx + m.nMarginX, ptTip.y - sizeWnd.cy + m.nMarginY};
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
