// The layout's arithmetic without windows: sharing a length, packing spans, drag steps, and
// where a sizer bar's edge, cursor and keys may go.
#include "vxLayoutGeometry.h"
#include "vxSizerBarBounds.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << ")";
}

namespace {

const vxLayoutShare Fixed(int nSize) { return {nSize, false, 1}; }
const vxLayoutShare Stretch(int nWeight = 1, int nSize = 0) { return {nSize, true, nWeight}; }

struct ShareCase {
    const char* what;
    std::vector<vxLayoutShare> children;
    int nLength;
    std::vector<int> sizes;
};

TEST(LayoutCalc, SharingGivesStretchChildrenWhatTheFixedLeave)
{
    const ShareCase cases[] = {
        {"fixed around a stretch", {Fixed(20), Stretch(), Fixed(30)}, 300, {20, 250, 30}},
        {"equal shares truncated, the rest free", {Stretch(), Stretch(), Stretch()}, 100, {33, 33, 33}},
        {"two halves", {Stretch(), Stretch()}, 200, {100, 100}},
        {"the product is formed before the quotient", {Stretch(1), Stretch(2), Stretch(1)}, 101, {25, 50, 25}},
        {"overfull: a negative share", {Fixed(70), Stretch(), Fixed(60)}, 100, {70, -30, 60}},
        {"a negative length", {Stretch(), Stretch()}, -40, {-20, -20}},
        {"a lone stretch takes all whatever its weight", {Fixed(10), Stretch(0, 7)}, 50, {10, 40}},
        {"weights summing to 0 keep their sizes", {Stretch(1, 5), Stretch(-1, 9), Fixed(3)}, 100, {5, 9, 3}},
        {"nothing to share", {}, 100, {}},
    };
    for (const ShareCase& c : cases)
        EXPECT_EQ(vxShareLength(c.children, c.nLength), c.sizes) << c.what;
}

TEST(LayoutCalc, PackingPlacesSpansInOrderAcrossTheFullExtent)
{
    const CRect container(10, 20, 110, 220);
    EXPECT_EQ(vxPackSpans(container, {30, -10, 50}, true),
              (std::vector<CRect>{CRect(10, 20, 40, 220), CRect(40, 20, 30, 220), CRect(30, 20, 80, 220)}));
    EXPECT_EQ(vxPackSpans(container, {100, 0, 150}, false),
              (std::vector<CRect>{CRect(10, 20, 110, 120), CRect(10, 120, 110, 120), CRect(10, 120, 110, 270)}));
}

TEST(LayoutCalc, DragStepsMoveTheSharedEdgeAlongTheDragAxisOnly)
{
    const CRect prev(0, 0, 100, 40), next(104, 0, 300, 40);
    const vxEdgeStep sideways = vxStepEdge(prev, next, CPoint(10, 3), true);
    EXPECT_EQ(sideways.prev, CRect(0, 0, 110, 40));
    EXPECT_EQ(sideways.next, CRect(114, 0, 300, 40));
    EXPECT_EQ(sideways.offset, CPoint(10, 0));

    const vxEdgeStep upDown = vxStepEdge(CRect(0, 0, 200, 100), CRect(0, 105, 200, 300), CPoint(7, -25), false);
    EXPECT_EQ(upDown.prev, CRect(0, 0, 200, 75));
    EXPECT_EQ(upDown.next, CRect(0, 80, 200, 300));
    EXPECT_EQ(upDown.offset, CPoint(0, -25));
}

// Two columns: the one before the bar at 0..100 (at least 10, at most 150 wide), the one after
// at 104..300 (at least 20, at most 180).
TEST(LayoutCalc, EdgeRangeKeepsBothNeighboursWithinTheirLimits)
{
    const vxSizerSide prev = {CRect(0, 0, 100, 50), 10, 150, true};
    const vxSizerSide next = {CRect(104, 0, 300, 50), 20, 180, true};
    const CRect range = vxSizerEdgeRange(prev, next);
    EXPECT_EQ(range.left, 120);  // the next column at most 180 wide
    EXPECT_EQ(range.right, 150); // the previous at most 150
    // Rows are limited in height.
    const CRect rows = vxSizerEdgeRange({CRect(0, 0, 50, 100), 30, INT_MAX, false},
                                        {CRect(0, 104, 50, 300), 40, INT_MAX, false});
    EXPECT_EQ(rows.top, 30);
    EXPECT_EQ(rows.bottom, 260);

    // INT_MAX is no limit, and far edges stay inside the 32-bit range once moved to the screen.
    const CRect wide = vxSizerEdgeRange({CRect(-500, 0, 100, 50), 10, INT_MAX, true},
                                        {CRect(104, 0, 900, 50), 20, INT_MAX, true});
    EXPECT_EQ(wide.left, -490);
    EXPECT_EQ(wide.right, 880);
    CRect open = vxSizerEdgeRange({CRect(0, 0, 100, 50), 0, INT_MAX, true}, {CRect(104, 0, 200, 50), 0, INT_MAX, true});
    EXPECT_EQ(open.left, 0);
    EXPECT_EQ(open.right, 200);
    open.OffsetRect(2000, 2000);
    EXPECT_GT(open.right, open.left);
}

// Cursor bounds of a drag: a 4-pixel bar pressed 1 pixel from its leading edge, over an edge
// range of 50..280 along the drag axis. Either way round, the bar's leading edge stops at the
// range's start and its trailing edge at the range's end.
TEST(LayoutCalc, CursorClipKeepsBothBarEdgesWithinTheEdgeRange)
{
    const CRect sideways = vxSizerCursorClip(CRect(50, 0, 280, 0), CRect(100, 10, 104, 210),
                                             CPoint(101, 60), FALSE);
    EXPECT_EQ(CRect(51, 10, 277, 210), sideways);
    const CRect upDown = vxSizerCursorClip(CRect(0, 50, 0, 280), CRect(10, 100, 210, 104),
                                           CPoint(60, 101), TRUE);
    EXPECT_EQ(CRect(10, 51, 210, 277), upDown);
    // No room on the drag axis: the cursor stays at the press.
    EXPECT_EQ(CRect(10, 101, 210, 101),
              vxSizerCursorClip(CRect(0, 100, 0, 102), CRect(10, 100, 210, 104), CPoint(60, 101), TRUE));
}

// Keyboard steps of a 4-pixel bar over the same edge range of 50..280: the bar's leading edge
// stays at 50 or more and its trailing edge at 280 or less, as in a drag.
TEST(LayoutCalc, KeyStepsKeepTheBarWithinTheEdgeRange)
{
    EXPECT_EQ(vxSizerKeyMove(100, 4, 50, 280, 4), 4);
    EXPECT_EQ(vxSizerKeyMove(100, 4, 50, 280, -32), -32);
    EXPECT_EQ(vxSizerKeyMove(60, 4, 50, 280, -32), -10);     // cut at the start
    EXPECT_EQ(vxSizerKeyMove(260, 4, 50, 280, 32), 16);      // trailing edge stops at 280
    EXPECT_EQ(vxSizerKeyMove(276, 4, 50, 280, 4), 0);
    EXPECT_EQ(vxSizerKeyMove(100, 4, 100, 102, 4), 0);       // no room at all
    EXPECT_EQ(vxSizerKeyMove(300, 4, 50, 280, 4), 0);        // outside: never further out
    EXPECT_EQ(vxSizerKeyMove(300, 4, 50, 280, -4), -24);     // back inside at once
    EXPECT_EQ(vxSizerKeyMove(0, 4, 50, 1 << 28, 1 << 30), (1 << 28) - 4);
}

} // namespace
