#include "vxTipsPlacement.h"

POINT vxTipsSlotOrigin(const RECT& rcWork, int nIndex, int nSlotHeight, int nCount, int nWndWidth)
{
    POINT pt;
    pt.x = rcWork.right - nWndWidth;
    pt.y = rcWork.bottom - (nCount - nIndex) * nSlotHeight;
    return pt;
}

UINT vxSlideOutInterval(int nDistance, int nStep)
{
    int nSteps = nStep > 0 ? nDistance / nStep : 0;
    if (nSteps <= 0)
        return TIPS_SLIDE_IN_INTERVAL;
    return TIPS_SLIDE_OUT_DURATION / (UINT)nSteps;
}
