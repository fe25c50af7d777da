// Placement arithmetic of shown tips and of the slide-out, free of window calls.
#pragma once

#include <afx.h>

// Distance between the tops of two stacked tips at 96 DPI.
const int TIPS_SLOT_HEIGHT = 175;
// Pixels a sliding tip moves per tick, in and out, at 96 DPI.
const int TIPS_SLIDE_STEP = 5;
// Interval of the slide-in ticks, ms.
const UINT TIPS_SLIDE_IN_INTERVAL = 10;
// The slide-out is spread over about this many ms.
const UINT TIPS_SLIDE_OUT_DURATION = 200;

// Top-left corner, in screen coordinates, of the tip at nIndex (0: oldest) of nCount shown
// tips: slots of nSlotHeight stack upwards from the work area's bottom, the newest lowest,
// whatever the windows' own heights; every tip is right-aligned with the work area.
POINT vxTipsSlotOrigin(const RECT& rcWork, int nIndex, int nSlotHeight, int nCount,
                                   int nWndWidth);

// Interval of the slide-out ticks for a tip whose top is nDistance pixels above the bottom
// it slides to, nStep pixels a tick: the whole slide takes about TIPS_SLIDE_OUT_DURATION.
// Under one whole step, one slide-in interval, so that the next tick finishes the slide.
UINT vxSlideOutInterval(int nDistance, int nStep);
