// Placement of the drop-down frame on the screen and the row arithmetic of the drop list.
#include "vxDropPlacement.h"

#include <gtest/gtest.h>

namespace {

// A 200 x 24 combo whose bottom left is (x, y) on a 1024 x 768 screen, 26-pixel rows.
vxDropPlacementInput Input(int x, int y, int nRows, int nDefaultVisible = -1)
{
    vxDropPlacementInput in;
    in.x = x;
    in.y = y;
    in.cx = 200;
    in.cyCombo = 24;
    in.nRowHeight = 26;
    in.nRows = nRows;
    in.nDefaultVisible = nDefaultVisible;
    in.nMinVisible = 5;
    in.rcScreen = {0, 0, 1024, 768};
    in.cyMinimum = 17;
    return in;
}

TEST(DropPlacement, DownwardHeights)
{
    // All rows and the border when there is room below.
    vxDropPlacement p = vxCalcDropPlacement(Input(100, 100, 10));
    EXPECT_FALSE(p.bUpward);
    EXPECT_EQ(p.top, 100);
    EXPECT_EQ(p.height, 264);
    EXPECT_EQ(p.left, 100);
    EXPECT_EQ(p.width, 200);
    // A preferred count below the rows: that many rows and two pixels.
    EXPECT_EQ(vxCalcDropPlacement(Input(100, 100, 10, 4)).height, 106);
    // A preferred count above the rows: all rows.
    EXPECT_EQ(vxCalcDropPlacement(Input(100, 100, 10, 12)).height, 264);
    // A preferred count equal to the rows counts as a preferred count.
    EXPECT_EQ(vxCalcDropPlacement(Input(100, 100, 10, 10)).height, 262);
    // Cut at the screen's bottom.
    p = vxCalcDropPlacement(Input(100, 600, 10));
    EXPECT_FALSE(p.bUpward);
    EXPECT_EQ(p.height, 168);
    EXPECT_EQ(vxCalcDropPlacement(Input(100, 600, 10, 8)).height, 170);
}

TEST(DropPlacement, ScrollBarHeightIsTheMinimum)
{
    vxDropPlacementInput in = Input(100, 100, 1);
    in.nRowHeight = 8;                           // 12 pixels by the rows
    EXPECT_EQ(vxCalcDropPlacement(in).height, 17);
    in.cyMinimum = 10;
    EXPECT_EQ(vxCalcDropPlacement(in).height, 12);
}

TEST(DropPlacement, UpwardWhenTooFewRowsFitBelow)
{
    // 100 pixels below the combo hold 3 rows of 26, fewer than 5: above the combo (top 644).
    vxDropPlacement p = vxCalcDropPlacement(Input(100, 668, 10));
    EXPECT_TRUE(p.bUpward);
    EXPECT_EQ(p.top, 644 - 264);
    EXPECT_EQ(p.height, 264);
    p = vxCalcDropPlacement(Input(100, 668, 10, 4));
    EXPECT_EQ(p.top, 644 - 106);
    EXPECT_EQ(p.height, 106);
    // More rows than fit above: from the screen's top to the combo.
    p = vxCalcDropPlacement(Input(100, 700, 40));
    EXPECT_TRUE(p.bUpward);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.height, 676);
    p = vxCalcDropPlacement(Input(100, 700, 40, 30));
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.height, 676);
    // Exactly the minimum fits below: downward.
    EXPECT_FALSE(vxCalcDropPlacement(Input(100, 768 - 130, 10)).bUpward);
    EXPECT_TRUE(vxCalcDropPlacement(Input(100, 768 - 129, 10)).bUpward);
}

TEST(DropPlacement, KeptWithinTheScreenHorizontally)
{
    // Past the right edge: moved left to end at it.
    vxDropPlacement p = vxCalcDropPlacement(Input(900, 100, 3));
    EXPECT_EQ(p.left, 824);
    EXPECT_EQ(p.width, 200);
    // Wider than the screen: at the left edge, as wide as the screen.
    vxDropPlacementInput in = Input(100, 100, 3);
    in.cx = 1500;
    p = vxCalcDropPlacement(in);
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.width, 1024);
    // No width: nothing to move.
    in.cx = 0;
    p = vxCalcDropPlacement(in);
    EXPECT_EQ(p.left, 100);
    EXPECT_EQ(p.width, 0);
}

TEST(DropPlacement, OtherMonitorsBoundTheFrameByTheirOwnEdges)
{
    // A monitor right of the primary one: a combo at its left edge stays there, one near its
    // bottom opens above within it.
    vxDropPlacementInput in = Input(1024, 100, 3);
    in.rcScreen = {1024, 0, 2048, 768};
    vxDropPlacement p = vxCalcDropPlacement(in);
    EXPECT_EQ(p.left, 1024);
    in.x = 1900;
    EXPECT_EQ(vxCalcDropPlacement(in).left, 2048 - 200);
    in.y = 700;
    in.nRows = 40;
    p = vxCalcDropPlacement(in);
    EXPECT_TRUE(p.bUpward);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.height, 676);
    // A monitor left of and above the primary one, all in negative coordinates.
    in = Input(-150, -200, 40);
    in.rcScreen = {-1280, -1024, 0, 0};
    p = vxCalcDropPlacement(in);
    EXPECT_FALSE(p.bUpward);
    EXPECT_EQ(p.left, -200);                     // ends at the monitor's right edge, 0
    EXPECT_EQ(p.height, 200);                    // cut at its bottom edge, 0
    in.y = -60;
    p = vxCalcDropPlacement(in);
    EXPECT_TRUE(p.bUpward);
    EXPECT_EQ(p.top, -1024);
    EXPECT_EQ(p.height, -84 + 1024);
    // Wider than that monitor: at its left edge, as wide as it.
    in.cx = 1500;
    p = vxCalcDropPlacement(in);
    EXPECT_EQ(p.left, -1280);
    EXPECT_EQ(p.width, 1280);
}

TEST(DropPlacement, BadCountsAndHugeRowsStayOnTheScreen)
{
    // A preferred count of 0 or below (but -1) is no preferred count: every row, not a
    // frame of its border alone or of a negative height.
    for (int d : {0, -2, -1000}) {
        SCOPED_TRACE(d);
        EXPECT_EQ(vxCalcDropPlacement(Input(100, 100, 10, d)).height, 264);
        vxDropPlacement up = vxCalcDropPlacement(Input(100, 760, 10, d));
        EXPECT_TRUE(up.bUpward);
        EXPECT_GE(up.top, 0);
        EXPECT_GT(up.height, 0);
    }
    // Row height times rows beyond 32 bits: cut to the screen, below and above.
    vxDropPlacementInput in = Input(100, 100, 100000);
    in.nRowHeight = 0x7FFFFFFF / 1000;
    in.nMinVisible = 0;              // not one row fits below; opened below all the same
    vxDropPlacement p = vxCalcDropPlacement(in);
    EXPECT_EQ(p.top, 100);
    EXPECT_EQ(p.height, 668);
    in.nDefaultVisible = 50000;
    EXPECT_EQ(vxCalcDropPlacement(in).height, 670);
    in.y = 700;
    in.nMinVisible = 100000;
    p = vxCalcDropPlacement(in);
    EXPECT_TRUE(p.bUpward);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.height, 676);
    // Negative row counts are none.
    EXPECT_EQ(vxCalcDropPlacement(Input(100, 100, -5)).height, 17);
}

TEST(DropPlacement, RowHeightZeroCountsAsOne)
{
    vxDropPlacementInput in = Input(100, 100, 10);
    in.nRowHeight = 0;
    vxDropPlacement p = vxCalcDropPlacement(in);
    EXPECT_FALSE(p.bUpward);
    EXPECT_EQ(p.height, 17);                     // 10 rows of 1 and the border, at least 17
    in.nRowHeight = -5;
    EXPECT_EQ(vxCalcDropPlacement(in).height, 17);
    EXPECT_EQ(vxDropRowHeight(0), 1);
    EXPECT_EQ(vxDropRowHeight(-3), 1);
    EXPECT_EQ(vxDropRowHeight(26), 26);
    // Rows under a point: truncated, from the top index.
    EXPECT_EQ(vxDropRowAt(0, 26, 0), 0);
    EXPECT_EQ(vxDropRowAt(25, 26, 0), 0);
    EXPECT_EQ(vxDropRowAt(26, 26, 3), 4);
    EXPECT_EQ(vxDropRowAt(-5, 26, 2), 2);
    EXPECT_EQ(vxDropRowAt(50, 0, 2), 52);
}

} // namespace
