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

TEST(SplitterGeometry, VerticalDividesWidthAroundTheFixedPane)
{
    Split s;
    s.panes[1].nSize = 150;
    s.Layout(0, 0, 400, 300);
    EXPECT_EQ(PlaceOf(s.panes[0]), (Place{0, 0, 246, 300}));
    EXPECT_EQ(s.bar, (RECT{246, 0, 250, 300}));
    EXPECT_EQ(PlaceOf(s.panes[1]), (Place{250, 0, 150, 300}));

    // Pane 0 fixed, an area that does not start at the origin, a thicker bar.
    s.shape = {1, 1, 6};
    s.panes[0].nSize = 120;
    s.Layout(10, 20, 400, 300);
    EXPECT_EQ(PlaceOf(s.panes[0]), (Place{10, 20, 120, 300}));
    EXPECT_EQ(s.bar, (RECT{130, 20, 136, 320}));
    EXPECT_EQ(PlaceOf(s.panes[1]), (Place{136, 20, 274, 300}));
}

TEST(SplitterGeometry, HorizontalDividesHeightAroundTheFixedPane)
{
    Split s;
    s.shape = {0, 1, 4};
    s.panes[0].nSize = 100;
    s.Layout(0, 0, 400, 300);
    EXPECT_EQ(PlaceOf(s.panes[0]), (Place{0, 0, 400, 100}));
    EXPECT_EQ(s.bar, (RECT{0, 100, 400, 104}));
    EXPECT_EQ(PlaceOf(s.panes[1]), (Place{0, 104, 400, 196}));

    s.shape = {0, 0, 4};
    s.panes[1].nSize = 50;
    s.Layout(5, 7, 200, 160);
    EXPECT_EQ(PlaceOf(s.panes[0]), (Place{5, 7, 200, 106}));
    EXPECT_EQ(s.bar, (RECT{5, 113, 205, 117}));
    EXPECT_EQ(PlaceOf(s.panes[1]), (Place{5, 117, 200, 50}));
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

TEST(SplitterGeometry, PreferredSizeLargerThanTheAreaIsNotClamped)
{
    Split s;
    s.panes[1].nSize = 500;
    s.panes[1].nMinSize = 20;          // minimum sizes bound drags only
    s.Layout(0, 0, 400, 300);
    EXPECT_EQ(PlaceOf(s.panes[0]), (Place{0, 0, -104, 300}));
    EXPECT_EQ(s.bar, (RECT{-104, 0, -100, 300}));
    EXPECT_EQ(PlaceOf(s.panes[1]), (Place{-100, 0, 500, 300}));

    s.shape = {0, 1, 4};
    s.panes[0].nSize = 296;
    s.Layout(0, 0, 400, 300);
    EXPECT_EQ(PlaceOf(s.panes[1]), (Place{0, 300, 400, 0}));
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
