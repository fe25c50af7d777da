// Areas, paint layout, colours and wheel steps of the combo box window as plain integer code,
// so that every decision is tested without a window.
#pragma once

#include <afx.h>

// The combo's own sizes for 96 DPI: the drop list's rows, and the edit's margins in the
// window (the right one is the drop button strip).
const int VXCB_ROW_HEIGHT = 26;
const RECT VXCB_EDIT_MARGIN = {2, 2, 26, 2};
// Room above and below the text in the field that a host's font sizes, and room the system's
// combo adds to a field height set by CB_SETITEMHEIGHT.
const int VXCB_FIELD_PADDING = 4;
const int VXCB_SET_FIELD_ROOM = 2;

// Drop button strip used for hit testing: the right margin's width at the client's right.
RECT vxComboButtonArea(const RECT& rcClient, const RECT& rcMargin);
// Area of the edit child: the client shrunk by the margins, nEditHeight high unless it is -1.
RECT vxComboEditArea(const RECT& rcClient, const RECT& rcMargin, int nEditHeight);

// Where painting puts its parts.
struct vxComboPaintLayout {
    RECT rcOuterFrame;               // first sunken rectangle (framed only)
    RECT rcInnerFrame;               // second rectangle, one pixel inside (framed only)
    RECT rcButton;                   // drop button as painted
    RECT rcText;                     // selection field text rectangle
};
// cxButton is the system's scroll-bar width; bFramed the combo's frame-and-button option.
vxComboPaintLayout vxComboCalcPaintLayout(const RECT& rcClient, int cxButton,
                                                      BOOL bFramed);
// DrawFrameControl state of the drop button.
UINT vxComboButtonState(BOOL bDropped, BOOL bEnabled);

// System colour indices of the drop-list style's selection field.
struct vxComboFieldColours {
    int nFill;
    int nText;
};
vxComboFieldColours vxComboFieldColoursFor(BOOL bFocused, BOOL bDropped,
                                                       BOOL bEnabled);

// Adds nDelta to the accumulated wheel delta; a full notch either way resets the sum and
// answers +1 (away from the user) or -1 (towards), anything less answers 0.
int vxComboWheelNotch(int& nAccumulated, int nDelta);
