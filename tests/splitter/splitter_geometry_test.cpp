// Division of an area into panes and bar, both orientations, hidden panes, oversized panes.
#include "splitter_test_util.h"
#include "vxSplitterGeometry.h"

#include <gtest/gtest.h>

namespace {

struct Place {
    int x, y, cx, cy;
};

Place PlaceOf(const vxSplitterPane& p) { return {p.x, p.y, p.cx, p.cy}; }

bool operator==(const Place& a, const Place& b)
{
    return a.x == b.x && a.y == b.y && a.cx == b.cx && a.cy == b.cy;
}

std::ostream& operator<<(std::ostream& os, const Place& p)
{
    return os << "(" << p.x << "," << p.y << " " << p.cx << "x" << p.cy << ")";
}

struct Split {
    vxSplitterPane panes[2] = {};
    RECT bar = {};
    vxSplitterShape shape = {1, 0, 4};

    void Layout(int x, int y, int w, int h) { vxLayoutPanes(panes, &bar, shape, x, y, w, h); }
};

struct DivideCase {
    const char* what;
    vxSplitterShape shape;
    int nSize0, nSize1;              // preferred sizes; only the fixed pane's counts
    int x, y, w, h;
    Place pane0;
    RECT bar;
    Place pane1;
};

TEST(SplitterGeometry, TheFixedPaneKeepsItsSizeInEitherOrientationAndIsNeverClamped)
{
    const DivideCase cases[] = {
        {"vertical, pane 1 fixed", {1, 0, 4}, 90, 150, 0, 0, 400, 300,
         {0, 0, 246, 300}, {246, 0, 250, 300}, {250, 0, 150, 300}},
        {"vertical, pane 0 fixed, away from the origin, a thicker bar", {1, 1, 6}, 120, 150, 10, 20, 400, 300,
         {10, 20, 120, 300}, {130, 20, 136, 320}, {136, 20, 274, 300}},
        {"horizontal, pane 0 fixed", {0, 1, 4}, 100, 90, 0, 0, 400, 300,
         {0, 0, 400, 100}, {0, 100, 400, 104}, {0, 104, 400, 196}},
        {"horizontal, pane 1 fixed, away from the origin", {0, 0, 4}, 100, 50, 5, 7, 200, 160,
         {5, 7, 200, 106}, {5, 113, 205, 117}, {5, 117, 200, 50}},
        {"wider than the area", {1, 0, 4}, 0, 500, 0, 0, 400, 300,
         {0, 0, -104, 300}, {-104, 0, -100, 300}, {-100, 0, 500, 300}},
        {"taller than the area less the bar", {0, 1, 4}, 296, 0, 0, 0, 400, 300,
         {0, 0, 400, 296}, {0, 296, 400, 300}, {0, 300, 400, 0}},
    };
    for (const DivideCase& c : cases) {
        Split s;
        s.shape = c.shape;
        s.panes[0].nSize = c.nSize0;
        s.panes[1].nSize = c.nSize1;
        s.panes[0].nMinSize = s.panes[1].nMinSize = 20; // minimum sizes bound drags only
        s.Layout(c.x, c.y, c.w, c.h);
        EXPECT_EQ(PlaceOf(s.panes[0]), c.pane0) << c.what;
        EXPECT_EQ(s.bar, c.bar) << c.what;
        EXPECT_EQ(PlaceOf(s.panes[1]), c.pane1) << c.what;
    }
}

TEST(SplitterGeometry, HiddenPanes)
{
    Split s;
    s.panes[1].nSize = 150;
    s.Layout(0, 0, 400, 300);
    const RECT oldBar = s.bar;
    const Place oldPane0 = PlaceOf(s.panes[0]);

    // One pane hidden: the other takes everything; the hidden one and the bar stay put.
    s.panes[0].bHidden = 1;
    s.Layout(0, 0, 500, 200);
    EXPECT_EQ(PlaceOf(s.panes[1]), (Place{0, 0, 500, 200}));
    EXPECT_EQ(PlaceOf(s.panes[0]), oldPane0);
    EXPECT_EQ(s.bar, oldBar);

    s.panes[0].bHidden = 0;
    s.panes[1].bHidden = 1;
    s.Layout(3, 4, 50, 60);
    EXPECT_EQ(PlaceOf(s.panes[0]), (Place{3, 4, 50, 60}));
    EXPECT_EQ(PlaceOf(s.panes[1]), (Place{0, 0, 500, 200}));
    EXPECT_EQ(s.bar, oldBar);

    // Both hidden: nothing changes at all.
    s.panes[0].bHidden = 1;
    s.Layout(100, 100, 900, 900);
    EXPECT_EQ(PlaceOf(s.panes[0]), (Place{3, 4, 50, 60}));
    EXPECT_EQ(PlaceOf(s.panes[1]), (Place{0, 0, 500, 200}));
    EXPECT_EQ(s.bar, oldBar);
}

TEST(SplitterGeometry, SpanArithmetic)
{
    vxSplitSpans s = vxDivideSpan(0, 0, 0, 1, 4);
    EXPECT_EQ(s.pane1.len, -4);
    s = vxDivideSpan(-50, 100, 30, 0, 0);
    EXPECT_EQ(s.pane0.pos, -50);
    EXPECT_EQ(s.pane0.len, 70);
    EXPECT_EQ(s.bar.pos, 20);
    EXPECT_EQ(s.bar.len, 0);
    EXPECT_EQ(s.pane1.pos, 20);
    EXPECT_EQ(s.pane1.len, 30);
}

} // namespace
