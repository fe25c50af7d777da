// Scroll arithmetic without windows: the bar after size and content changes, line, page and
// thumb movements with their limits, and the wheel's conversion into scroll commands.
#include "vxListScroll.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct Fit {
    long page, pos, delta;
    int max;
};

Fit FitBar(int window, int display, int barPos, long page, long pos)
{
    Fit f = {page, pos, 0, 0};
    f.max = vxFitScrollBar(window, display, barPos, f.page, f.pos, f.delta);
    return f;
}

TEST(ListScroll, BarFollowsContentAndWindowSize)
{
    // Content 1000 in a window 300 from scratch: range 0-999, page 300.
    Fit f = FitBar(300, 1000, 0, 0, 0);
    EXPECT_EQ(f.max, 999);
    EXPECT_EQ(f.page, 300);
    EXPECT_EQ(f.pos, 0);
    EXPECT_EQ(f.delta, 0);

    // Growing 300 -> 600 at 300: proportional 600, limited to 399; contents move up by 99.
    f = FitBar(600, 1000, 300, 300, 300);
    EXPECT_EQ(f.page, 600);
    EXPECT_EQ(f.pos, 399);
    EXPECT_EQ(f.delta, -99);

    // Shrinking keeps the proportion: 600 at page 600 into 300 -> 300.
    f = FitBar(300, 1000, 600, 600, 600);
    EXPECT_EQ(f.pos, 300);
    EXPECT_EQ(f.delta, 300);

    // Same size, position inside the limit: nothing moves.
    f = FitBar(300, 1000, 200, 300, 200);
    EXPECT_EQ(f.pos, 200);
    EXPECT_EQ(f.delta, 0);

    // Everything fits: page and position 0, contents back by the old position, bar gone.
    f = FitBar(1200, 1000, 399, 600, 399);
    EXPECT_EQ(f.max, 0);
    EXPECT_EQ(f.page, 0);
    EXPECT_EQ(f.pos, 0);
    EXPECT_EQ(f.delta, 399);
    f = FitBar(1000, 1000, 0, 0, 0);
    EXPECT_EQ(f.max, 0);
}

TEST(ListScroll, PositionsBeyondSixteenBitsAndTinyPagesStayInRange)
{
    Fit f = FitBar(500, 2000000, 150000, 500, 150000);
    EXPECT_EQ(f.max, 1999999);
    EXPECT_EQ(f.pos, 150000);

    // A one-pixel old page would scale far past the content: limited, no overflow.
    f = FitBar(100000, 2000000000, 1900000000, 1, 1900000000);
    EXPECT_EQ(f.pos, 2000000000L - 100000 - 1);
    EXPECT_EQ(f.delta, 1900000000L - f.pos);
}

TEST(ListScroll, LinePageAndThumbMovementsAreLimited)
{
    // Content 1000, page 300: positions 0 to 700.
    EXPECT_EQ(vxScrollDelta(SB_LINEDOWN, 0, 0, 300, 1000, 60), 60);
    EXPECT_EQ(vxScrollDelta(SB_LINEUP, 0, 200, 300, 1000, 60), -60);
    EXPECT_EQ(vxScrollDelta(SB_LINEUP, 0, 30, 300, 1000, 60), -30);
    EXPECT_EQ(vxScrollDelta(SB_LINEDOWN, 0, 0, 300, 1000, 90), 90);     // a line at 144 DPI
    EXPECT_EQ(vxScrollDelta(SB_LINEUP, 0, 0, 300, 1000, 60), 0);
    EXPECT_EQ(vxScrollDelta(SB_PAGEDOWN, 0, 600, 300, 1000, 60), 100);
    EXPECT_EQ(vxScrollDelta(SB_PAGEDOWN, 0, 100, 300, 1000, 60), 300);
    EXPECT_EQ(vxScrollDelta(SB_PAGEUP, 0, 100, 300, 1000, 60), -100);
    EXPECT_EQ(vxScrollDelta(SB_LINEDOWN, 0, 700, 300, 1000, 60), 0);
    EXPECT_EQ(vxScrollDelta(SB_THUMBTRACK, 900, 0, 300, 1000, 60), 700);
    EXPECT_EQ(vxScrollDelta(SB_THUMBPOSITION, 250, 400, 300, 1000, 60), -150);
    EXPECT_EQ(vxScrollDelta(SB_THUMBTRACK, 100000, 70000, 500, 200000, 60), 30000);

    // Codes beyond the thumb move nothing.
    EXPECT_EQ(vxScrollDelta(SB_TOP, 0, 300, 300, 1000, 60), 0);
    EXPECT_EQ(vxScrollDelta(SB_BOTTOM, 0, 300, 300, 1000, 60), 0);
    EXPECT_EQ(vxScrollDelta(SB_ENDSCROLL, 0, 300, 300, 1000, 60), 0);

    // Content that fits (no page): the top is the only position.
    EXPECT_EQ(vxScrollDelta(SB_LINEDOWN, 0, 0, 0, 128, 60), 0);
    EXPECT_EQ(vxScrollDelta(SB_PAGEDOWN, 0, 0, 0, 128, 60), 0);
    EXPECT_EQ(vxScrollDelta(SB_THUMBTRACK, 50, 0, 0, 128, 60), 0);
}

TEST(ListScroll, WheelTurnsNotchesAndLinesIntoCommands)
{
    auto check = [](int delta, UINT lines, UINT code, int steps) {
        int remainder = 0;
        vxWheelScroll w = vxWheelToScroll(remainder, delta, lines, 1000);
        EXPECT_EQ(w.nCode, code) << delta << " / " << lines;
        EXPECT_EQ(w.nSteps, steps) << delta << " / " << lines;
    };
    check(-120, 3, SB_LINEDOWN, 1);
    check(120, 3, SB_LINEUP, 1);
    check(-240, 3, SB_LINEDOWN, 2);
    check(-120, 9, SB_LINEDOWN, 3);
    check(-120, 0, SB_LINEDOWN, 1);
    check(-60, 3, SB_LINEDOWN, 0);
    check(0, 3, SB_LINEDOWN, 0);
    check(-120, 1, SB_LINEDOWN, 1);
    check(-120, WHEEL_PAGESCROLL, SB_PAGEDOWN, 1);
    check(360, WHEEL_PAGESCROLL, SB_PAGEUP, 1);

    // A huge setting is cut to what the content can hold instead of looping for ever.
    int remainder = 0;
    vxWheelScroll w = vxWheelToScroll(remainder, -32768, 0xFFFFFFF0u, 17);
    EXPECT_EQ(w.nSteps, 17);
    remainder = 0;
    w = vxWheelToScroll(remainder, SHRT_MIN, 100, INT_MAX);
    EXPECT_EQ(w.nSteps, 273 * 100 / 3);
}

TEST(ListScroll, SmallWheelDeltasAddUpToWholeNotches)
{
    // A precision touchpad's deltas of 30: the fourth completes a notch, one line step.
    int remainder = 0;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(vxWheelToScroll(remainder, -30, 3, 1000).nSteps, 0);
    vxWheelScroll w = vxWheelToScroll(remainder, -30, 3, 1000);
    EXPECT_EQ(w.nCode, (UINT)SB_LINEDOWN);
    EXPECT_EQ(w.nSteps, 1);
    EXPECT_EQ(remainder, 0);
    // 200 is one notch and 80 kept; a turn of direction drops what was kept.
    EXPECT_EQ(vxWheelToScroll(remainder, 200, 3, 1000).nSteps, 1);
    EXPECT_EQ(remainder, 80);
    EXPECT_EQ(vxWheelToScroll(remainder, -100, 3, 1000).nSteps, 0);
    EXPECT_EQ(remainder, -100);
    EXPECT_EQ(vxWheelToScroll(remainder, -20, WHEEL_PAGESCROLL, 1000).nCode, (UINT)SB_PAGEDOWN);
    EXPECT_EQ(remainder, 0);
}

} // namespace

TEST(ListScroll, ShowingASpanScrollsAsLittleAsNeededWithinTheContent)
{
    // A 100-high view at position 200 of 1,000 pixels of content.
    EXPECT_EQ(vxScrollToShow(10, 50, 100, 200, 1000), 0);     // shows already
    EXPECT_EQ(vxScrollToShow(-30, 10, 100, 200, 1000), -30);  // above: its top to the top
    EXPECT_EQ(vxScrollToShow(80, 130, 100, 200, 1000), 30);   // below: its bottom to the bottom
    EXPECT_EQ(vxScrollToShow(60, 300, 100, 200, 1000), 60);   // taller than the view: its top
    EXPECT_EQ(vxScrollToShow(-300, -250, 100, 200, 1000), -200); // not before the start
    EXPECT_EQ(vxScrollToShow(790, 820, 100, 200, 1000), 700);    // not past the end
    EXPECT_EQ(vxScrollToShow(120, 140, 100, 0, 80), 0);          // content shorter than the view
}
