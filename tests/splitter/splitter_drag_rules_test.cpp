// The drag's decisions without windows: limits, clamping, how each message is taken, the
// outline's place and the final pane arithmetic.
#include "splitter_test_util.h"
#include "vxSplitterDrag.h"

#include <gtest/gtest.h>

namespace {

MSG Message(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    MSG msg = {};
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    return msg;
}

MSG MoveTo(int x, int y) { return Message(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

// Pane 0 at x 0 with minimum 50, bar 246..250, pane 1 ending at 400 with minimum 30.
struct VerticalDrag : ::testing::Test {
    vxSplitterPane panes[2] = {};
    vxSplitterShape shape = {1, 0, 4};
    RECT bar = {};

    void SetUp() override
    {
        panes[0].nMinSize = 50;
        panes[1].nMinSize = 30;
        panes[1].nSize = 150;
        vxLayoutPanes(panes, &bar, shape, 0, 0, 400, 300);
    }
};

TEST_F(VerticalDrag, LimitsLeaveEachPaneItsMinimum)
{
    vxDragLimits limits = {};
    ASSERT_TRUE(vxDragLimitsFor(panes, shape, &limits));
    EXPECT_EQ(limits.low, 54);
    EXPECT_EQ(limits.high, 366);

    EXPECT_EQ(vxClampDragPosition(10, limits), 54);
    EXPECT_EQ(vxClampDragPosition(54, limits), 54);
    EXPECT_EQ(vxClampDragPosition(200, limits), 200);
    EXPECT_EQ(vxClampDragPosition(366, limits), 366);
    EXPECT_EQ(vxClampDragPosition(1000, limits), 366);

    // Minimums and two bar thicknesses fill the area: no room, the limits are left untouched.
    panes[0].nMinSize = 200;
    panes[1].nMinSize = 192;
    vxDragLimits untouched = {7, 8};
    EXPECT_FALSE(vxDragLimitsFor(panes, shape, &untouched));
    EXPECT_EQ(untouched.low, 7);
    EXPECT_EQ(untouched.high, 8);
    panes[1].nMinSize = 191;
    EXPECT_TRUE(vxDragLimitsFor(panes, shape, &untouched));
}

TEST_F(VerticalDrag, OutlineFollowsThePointerWithinTheLimits)
{
    vxDragLimits limits = {};
    ASSERT_TRUE(vxDragLimitsFor(panes, shape, &limits));
    // The bar window is the capture window: its origin is the bar's left edge.
    vxSplitterDragState drag(1, bar.left, limits, bar);
    EXPECT_EQ(drag.Offset(), 0);

    // Two pixels into the bar: the leading edge follows the pointer itself.
    EXPECT_EQ(drag.Next(TRUE, MoveTo(2, 10), TRUE), vxDragPointerMoved);
    EXPECT_EQ(drag.Outline(), (RECT{248, 0, 252, 300}));
    EXPECT_EQ(drag.PreviousOutline(), bar);
    // The vertical coordinate plays no part in an upright bar's drag.
    EXPECT_EQ(drag.Next(TRUE, MoveTo(2, 200), TRUE), vxDragPointerStill);

    // Beyond the high limit the outline holds at the limit, moves there are still.
    EXPECT_EQ(drag.Next(TRUE, MoveTo(400, 10), TRUE), vxDragPointerMoved);
    EXPECT_EQ(drag.Outline().left, 366);
    EXPECT_EQ(drag.Next(TRUE, MoveTo(500, 10), TRUE), vxDragPointerStill);
    EXPECT_EQ(drag.Outline().left, 366);

    // Far left of the capture window (negative 16-bit coordinates) holds at the low limit.
    EXPECT_EQ(drag.Next(TRUE, MoveTo(-300, 10), TRUE), vxDragPointerMoved);
    EXPECT_EQ(drag.PreviousOutline().left, 366);
    EXPECT_EQ(drag.Outline(), (RECT{54, 0, 58, 300}));
    EXPECT_EQ(drag.Next(TRUE, MoveTo(-1000, 10), TRUE), vxDragPointerStill);

    // Back within the limits it moves again.
    EXPECT_EQ(drag.Next(TRUE, MoveTo(20, 10), TRUE), vxDragPointerMoved);
    EXPECT_EQ(drag.Outline().left, 266);
    EXPECT_EQ(drag.Offset(), 20);
}

TEST_F(VerticalDrag, HowMessagesEndOrPassTheDrag)
{
    vxDragLimits limits = {};
    ASSERT_TRUE(vxDragLimitsFor(panes, shape, &limits));
    vxSplitterDragState drag(1, bar.left, limits, bar);

    // Keys other than Escape are swallowed, whatever their kind.
    EXPECT_EQ(drag.Next(TRUE, Message(WM_KEYDOWN, 'A'), TRUE), vxDragDiscard);
    EXPECT_EQ(drag.Next(TRUE, Message(WM_KEYUP, 'A'), TRUE), vxDragDiscard);
    EXPECT_EQ(drag.Next(TRUE, Message(WM_CHAR, 'a'), TRUE), vxDragDiscard);
    EXPECT_EQ(drag.Next(TRUE, Message(WM_SYSKEYDOWN, VK_MENU), TRUE), vxDragDiscard);
    EXPECT_EQ(drag.Next(TRUE, Message(WM_KEYUP, VK_ESCAPE), TRUE), vxDragDiscard);
    // Everything else that is not the drag's is dispatched.
    EXPECT_EQ(drag.Next(TRUE, Message(WM_TIMER, 1), TRUE), vxDragDispatch);
    EXPECT_EQ(drag.Next(TRUE, Message(WM_PAINT), TRUE), vxDragDispatch);
    EXPECT_EQ(drag.Next(TRUE, Message(WM_LBUTTONDOWN), TRUE), vxDragDispatch);

    // Endings.
    EXPECT_EQ(drag.Next(TRUE, Message(WM_KEYDOWN, VK_ESCAPE), TRUE), vxDragEndCancel);
    EXPECT_EQ(drag.Next(TRUE, Message(WM_RBUTTONDOWN), TRUE), vxDragEndCancel);
    EXPECT_EQ(drag.Next(TRUE, Message(WM_LBUTTONUP), TRUE), vxDragEndApply);
    // Capture taken away ends the drag applied, before looking at the message.
    EXPECT_EQ(drag.Next(TRUE, Message(WM_KEYDOWN, VK_ESCAPE), FALSE), vxDragEndApply);
    EXPECT_EQ(drag.Next(TRUE, MoveTo(10, 10), FALSE), vxDragEndApply);
    // The quit ends it unapplied (the loop posts it again); a failed read likewise.
    EXPECT_EQ(drag.Next(FALSE, Message(WM_QUIT, 3), TRUE), vxDragEndQuit);
    EXPECT_EQ(drag.Next(FALSE, Message(WM_QUIT, 3), FALSE), vxDragEndQuit);
    EXPECT_EQ(drag.Next(-1, Message(0), TRUE), vxDragEndCancel);
    // None of that moved the outline.
    EXPECT_EQ(drag.Outline(), bar);
}

TEST_F(VerticalDrag, ApplyingMovesTheBoundaryAndTheFixedPaneKeepsItsNewSize)
{
    vxApplyDrag(panes, shape, 20);
    EXPECT_EQ(panes[0].cx, 266);
    EXPECT_EQ(panes[1].x, 270);
    EXPECT_EQ(panes[1].cx, 130);
    EXPECT_EQ(panes[1].nSize, 130);    // pane 1 is fixed: 20 smaller
    EXPECT_EQ(panes[0].nSize, 0);

    vxLayoutPanes(panes, &bar, shape, 0, 0, 400, 300);
    EXPECT_EQ(panes[1].cx, 130);
    EXPECT_EQ(bar, (RECT{266, 0, 270, 300}));

    // The next layout of a larger area still keeps pane 1 at 130.
    vxLayoutPanes(panes, &bar, shape, 0, 0, 600, 300);
    EXPECT_EQ(panes[1].x, 470);
    EXPECT_EQ(panes[1].cx, 130);
}

TEST(HorizontalDrag, UsesTheVerticalCoordinateAndHeights)
{
    vxSplitterPane panes[2] = {};
    vxSplitterShape shape = {0, 1, 4};
    RECT bar = {};
    panes[0].nSize = 100;
    panes[0].nMinSize = 10;
    panes[1].nMinSize = 10;
    vxLayoutPanes(panes, &bar, shape, 0, 20, 400, 300);   // bar 120..124, pane 1 to 320

    vxDragLimits limits = {};
    ASSERT_TRUE(vxDragLimitsFor(panes, shape, &limits));
    EXPECT_EQ(limits.low, 34);
    EXPECT_EQ(limits.high, 306);

    vxSplitterDragState drag(0, bar.top, limits, bar);
    EXPECT_EQ(drag.Next(TRUE, MoveTo(300, 0), TRUE), vxDragPointerStill);
    EXPECT_EQ(drag.Next(TRUE, MoveTo(0, -30), TRUE), vxDragPointerMoved);
    EXPECT_EQ(drag.Outline(), (RECT{0, 90, 400, 94}));
    EXPECT_EQ(drag.Offset(), -30);

    vxApplyDrag(panes, shape, drag.Offset());
    EXPECT_EQ(panes[0].cy, 70);
    EXPECT_EQ(panes[0].nSize, 70);     // pane 0 is fixed
    EXPECT_EQ(panes[1].y, 94);
    EXPECT_EQ(panes[1].cy, 226);
    EXPECT_EQ(panes[0].cx, 400);       // across the axis nothing changes
}

} // namespace
