// Button and edit areas, paint layout, button state, field colours and wheel notches.
#include "vxComboGeometry.h"

#include "vxtest_checks.h"

#include <gtest/gtest.h>

namespace {

const RECT kClient = {0, 0, 200, 24};
const RECT kMargins = {2, 2, 26, 2};

TEST(ComboGeometry, ButtonAndEditAreasFollowTheMargins)
{
    EXPECT_RECT(vxComboButtonArea(kClient, kMargins), 174, 0, 200, 24);
    EXPECT_RECT(vxComboEditArea(kClient, kMargins, -1), 2, 2, 174, 22);
    // A fixed edit height starts at the top margin.
    EXPECT_RECT(vxComboEditArea(kClient, kMargins, 16), 2, 2, 174, 18);
    // Other margins and an offset client.
    const RECT client = {10, 5, 110, 35};
    const RECT margins = {4, 6, 30, 1};
    EXPECT_RECT(vxComboButtonArea(client, margins), 80, 5, 110, 35);
    EXPECT_RECT(vxComboEditArea(client, margins, -1), 14, 11, 80, 34);
}

TEST(ComboGeometry, PaintLayoutWithAndWithoutFrame)
{
    vxComboPaintLayout plain = vxComboCalcPaintLayout(kClient, 17, FALSE);
    EXPECT_RECT(plain.rcButton, 183, 0, 200, 24);
    EXPECT_RECT(plain.rcText, 0, 0, 182, 24);

    vxComboPaintLayout framed = vxComboCalcPaintLayout(kClient, 17, TRUE);
    EXPECT_RECT(framed.rcOuterFrame, 0, 0, 200, 24);
    EXPECT_RECT(framed.rcInnerFrame, 1, 1, 199, 23);
    // Two pixels in from top and bottom, moved two to the left.
    EXPECT_RECT(framed.rcButton, 181, 2, 198, 22);
    EXPECT_RECT(framed.rcText, 4, 3, 180, 21);
}

TEST(ComboGeometry, ButtonStateAndFieldColours)
{
    EXPECT_EQ(vxComboButtonState(FALSE, TRUE), static_cast<UINT>(DFCS_SCROLLDOWN));
    EXPECT_EQ(vxComboButtonState(TRUE, TRUE), static_cast<UINT>(0x4201));
    EXPECT_EQ(vxComboButtonState(FALSE, FALSE), static_cast<UINT>(0x0101));
    EXPECT_EQ(vxComboButtonState(TRUE, FALSE), static_cast<UINT>(0x4301));

    // Focused with the list closed: highlighted.
    vxComboFieldColours c = vxComboFieldColoursFor(TRUE, FALSE, TRUE);
    EXPECT_EQ(c.nFill, COLOR_HIGHLIGHT);
    EXPECT_EQ(c.nText, COLOR_HIGHLIGHTTEXT);
    c = vxComboFieldColoursFor(TRUE, FALSE, FALSE);
    EXPECT_EQ(c.nFill, COLOR_BTNFACE);
    EXPECT_EQ(c.nText, COLOR_GRAYTEXT);
    // Not focused, or the list open: plain.
    const BOOL cases[3][2] = {{FALSE, FALSE}, {FALSE, TRUE}, {TRUE, TRUE}};
    for (const BOOL* focusedDropped : cases) {
        c = vxComboFieldColoursFor(focusedDropped[0], focusedDropped[1], TRUE);
        EXPECT_EQ(c.nFill, COLOR_HIGHLIGHTTEXT);
        EXPECT_EQ(c.nText, COLOR_BTNTEXT);
        c = vxComboFieldColoursFor(focusedDropped[0], focusedDropped[1], FALSE);
        EXPECT_EQ(c.nFill, COLOR_BTNFACE);
        EXPECT_EQ(c.nText, COLOR_GRAYTEXT);
    }
}

TEST(ComboGeometry, WheelDeltasAccumulateToNotches)
{
    int sum = 0;
    EXPECT_EQ(vxComboWheelNotch(sum, 40), 0);
    EXPECT_EQ(vxComboWheelNotch(sum, 40), 0);
    EXPECT_EQ(vxComboWheelNotch(sum, 40), 1);
    EXPECT_EQ(sum, 0);
    EXPECT_EQ(vxComboWheelNotch(sum, -120), -1);
    EXPECT_EQ(sum, 0);
    // A large delta is still one notch, and the rest is dropped.
    EXPECT_EQ(vxComboWheelNotch(sum, 360), 1);
    EXPECT_EQ(sum, 0);
    // Opposite deltas cancel.
    EXPECT_EQ(vxComboWheelNotch(sum, 100), 0);
    EXPECT_EQ(vxComboWheelNotch(sum, -100), 0);
    EXPECT_EQ(vxComboWheelNotch(sum, -119), 0);
    EXPECT_EQ(vxComboWheelNotch(sum, -1), -1);
}

} // namespace
