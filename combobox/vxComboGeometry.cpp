#include "vxComboGeometry.h"

RECT vxComboButtonArea(const RECT& rcClient, const RECT& rcMargin)
{
    RECT rc = {rcClient.right - rcMargin.right, rcClient.top, rcClient.right, rcClient.bottom};
    return rc;
}

RECT vxComboEditArea(const RECT& rcClient, const RECT& rcMargin, int nEditHeight)
{
    RECT rc = {rcClient.left + rcMargin.left, rcClient.top + rcMargin.top,
               rcClient.right - rcMargin.right, rcClient.bottom - rcMargin.bottom};
    if (nEditHeight != -1)
        rc.bottom = rc.top + nEditHeight;
    return rc;
}

vxComboPaintLayout vxComboCalcPaintLayout(const RECT& rcClient, int cxButton, BOOL bFramed)
{
    vxComboPaintLayout layout;
    layout.rcOuterFrame = rcClient;
    layout.rcInnerFrame = rcClient;
    layout.rcButton = {rcClient.right - cxButton, rcClient.top, rcClient.right, rcClient.bottom};
    layout.rcText = rcClient;
    layout.rcText.right = rcClient.right - cxButton - 1;
    if (!bFramed)
        return layout;

    // The double frame takes two pixels all round; button and text move inside it.
    ::InflateRect(&layout.rcInnerFrame, -1, -1);
    layout.rcButton.top += 2;
    layout.rcButton.bottom -= 2;
    layout.rcButton.left -= 2;
    layout.rcButton.right -= 2;
    layout.rcText.left += 4;
    layout.rcText.top += 3;
    layout.rcText.right -= 2;
    layout.rcText.bottom -= 3;
    return layout;
}

UINT vxComboButtonState(BOOL bDropped, BOOL bEnabled)
{
    UINT nState = DFCS_SCROLLDOWN;
    if (bDropped)
        nState |= DFCS_PUSHED | DFCS_FLAT;
    if (!bEnabled)
        nState |= DFCS_INACTIVE;
    return nState;
}

vxComboFieldColours vxComboFieldColoursFor(BOOL bFocused, BOOL bDropped, BOOL bEnabled)
{
    // Highlighted only while focused with the list closed; disabled always greys.
    if (!bFocused || bDropped) {
        vxComboFieldColours c = {bEnabled ? COLOR_HIGHLIGHTTEXT : COLOR_BTNFACE,
                                 bEnabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT};
        return c;
    }
    vxComboFieldColours c = {bEnabled ? COLOR_HIGHLIGHT : COLOR_BTNFACE,
                             bEnabled ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT};
    return c;
}

int vxComboWheelNotch(int& nAccumulated, int nDelta)
{
    nAccumulated += nDelta;
    if (nAccumulated >= WHEEL_DELTA) {
        nAccumulated = 0;
        return 1;
    }
    if (nAccumulated <= -WHEEL_DELTA) {
        nAccumulated = 0;
        return -1;
    }
    return 0;
}
