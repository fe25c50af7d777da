// Stack layout without windows: the worked example, closed stacks, padding and spacing, two
// open items, a stack too small for its buttons, and the width rules of padding and
// automatic width.
#include "vxStackGeometry.h"

#include <gtest/gtest.h>

#include "vxtest_checks.h"

#include <string>
#include <vector>

namespace {

std::vector<vxStackPlace> Lay(const RECT& area, SIZE item, int space, const std::vector<int>& open)
{
    vxStackFlow flow(area, item, space, (int)open.size());
    std::vector<vxStackPlace> places;
    for (int o : open)
        places.push_back(flow.Next(o));
    return places;
}

TEST(StackGeometry, WorkedExampleFillsTheArea)
{
    // Client 200 x 300, padding 10, space 5, item 1 of three open.
    vxStackFlow flow(RECT{10, 10, 190, 290}, SIZE{150, 20}, 5, 3);
    EXPECT_EQ(flow.ContentHeight(), 205);
    vxStackPlace p0 = flow.Next(FALSE), p1 = flow.Next(TRUE), p2 = flow.Next(FALSE);
    EXPECT_RECT(p0.rcButton, 10, 10, 160, 30);
    EXPECT_RECT(p0.rcContent, 0, 0, 0, 0);
    EXPECT_RECT(p1.rcButton, 10, 35, 160, 55);
    EXPECT_RECT(p1.rcContent, 10, 60, 160, 265);
    EXPECT_RECT(p2.rcButton, 10, 270, 160, 290);
}

TEST(StackGeometry, ClosedStackIsAColumnOfButtons)
{
    std::vector<vxStackPlace> p = Lay(RECT{0, 0, 200, 300}, SIZE{150, 20}, 0, {0, 0, 0});
    EXPECT_RECT(p[0].rcButton, 0, 0, 150, 20);
    EXPECT_RECT(p[1].rcButton, 0, 20, 150, 40);
    EXPECT_RECT(p[2].rcButton, 0, 40, 150, 60);

    // Spacing runs below every button, the last one included.
    p = Lay(RECT{4, 6, 200, 300}, SIZE{100, 25}, 3, {0, 0});
    EXPECT_RECT(p[1].rcButton, 4, 34, 104, 59);
}

TEST(StackGeometry, OpenItemTakesTheFreeHeightWhereverItStands)
{
    // Client 300 high, three items: item 1 open gets 240 at y 40, item 2's button at 280.
    std::vector<vxStackPlace> p = Lay(RECT{0, 0, 200, 300}, SIZE{150, 20}, 0, {0, 1, 0});
    EXPECT_RECT(p[1].rcContent, 0, 40, 150, 280);
    EXPECT_RECT(p[2].rcButton, 0, 280, 150, 300);

    // The last item open: its content ends at the bottom.
    p = Lay(RECT{0, 0, 200, 300}, SIZE{150, 20}, 0, {0, 0, 1});
    EXPECT_RECT(p[2].rcContent, 0, 60, 150, 300);

    // Two open: both get the full free height, the later one runs below the area.
    p = Lay(RECT{0, 0, 200, 300}, SIZE{150, 20}, 0, {1, 0, 1});
    EXPECT_RECT(p[0].rcContent, 0, 20, 150, 260);
    EXPECT_RECT(p[1].rcButton, 0, 260, 150, 280);
    EXPECT_RECT(p[2].rcButton, 0, 280, 150, 300);
    EXPECT_RECT(p[2].rcContent, 0, 300, 150, 540);
}

TEST(StackGeometry, AreaTooSmallForTheButtonsGivesANegativeContent)
{
    vxStackFlow flow(RECT{0, 0, 200, 50}, SIZE{150, 20}, 0, 3);
    EXPECT_EQ(flow.ContentHeight(), -10);
    vxStackPlace p0 = flow.Next(TRUE);
    vxStackPlace p1 = flow.Next(FALSE);
    EXPECT_EQ(p0.rcContent.bottom - p0.rcContent.top, -10);
    EXPECT_RECT(p1.rcButton, 0, 10, 150, 30);

    vxStackFlow none(RECT{0, 0, 200, 50}, SIZE{150, 20}, 0, 0);
    EXPECT_EQ(none.ContentHeight(), 50);
}

TEST(StackGeometry, WidthRulesOfPaddingAndAutomaticWidth)
{
    // Padding 10 and 10 in a client 160 wide.
    EXPECT_EQ(vxStackLimitWidth(150, 160, 10, 10), 140);
    EXPECT_EQ(vxStackLimitWidth(100, 160, 10, 10), 100);
    EXPECT_EQ(vxStackLimitWidth(140, 160, 10, 10), 140);
    EXPECT_EQ(vxStackLimitWidth(141, 160, 10, 10), 140);
    EXPECT_EQ(vxStackLimitWidth(150, 160, 0, 0), 150);

    // Automatic width: client 200 less 10 and 10, then a resize to 300.
    EXPECT_EQ(vxStackFillWidth(200, 10, 10), 180);
    EXPECT_EQ(vxStackFillWidth(300, 10, 10), 280);
    // A client narrower than the padding (an empty one, too) gives width 0, not a negative.
    EXPECT_EQ(vxStackFillWidth(10, 10, 10), 0);
    EXPECT_EQ(vxStackLimitWidth(150, 0, 10, 10), 0);
}

} // namespace
