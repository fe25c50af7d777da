// Row layout of groups without windows: the worked example, wrapping at the right edge,
// oversized items, start offsets, group spacing and the content size.
#include "vxListGeometry.h"

#include <gtest/gtest.h>

#include "vxtest_checks.h"

#include <ostream>
#include <vector>

namespace {

vxListMetrics Defaults()
{
    vxListMetrics m;
    m.nGroupHeight = 30;
    m.szItem = {48, 48};
    m.ptItemStart = {0, 0};
    m.nItemRowSpace = 2;
    m.nItemColumnSpace = 2;
    return m;
}

std::vector<RECT> Items(vxGroupFlow& flow, int count)
{
    std::vector<RECT> items;
    for (int i = 0; i < count; ++i)
        items.push_back(flow.NextItem());
    return items;
}

TEST(ListGeometry, WorkedExampleFlowsFiveItemsIntoTwoRows)
{
    vxListFlow list(Defaults(), RECT{0, 0, 200, 300}, 0, 0);
    vxGroupFlow group = list.BeginGroup(TRUE);
    EXPECT_RECT(group.Header(), 0, 0, 200, 30);
    std::vector<RECT> items = Items(group, 5);
    EXPECT_RECT(items[0], 0, 30, 48, 78);
    EXPECT_RECT(items[1], 50, 30, 98, 78);
    EXPECT_RECT(items[2], 100, 30, 148, 78);
    EXPECT_RECT(items[3], 150, 30, 198, 78);
    EXPECT_RECT(items[4], 0, 80, 48, 128);
    EXPECT_EQ(group.Bottom(), 128);
    list.EndGroup(group);
    EXPECT_EQ(list.DisplaySize(), vxtest::Sz(200, 128));
}

TEST(ListGeometry, WrapsOnlyWhenAnItemPassesTheRightEdge)
{
    // 150 wide: the third item ends exactly on the edge and stays.
    vxGroupFlow wide(Defaults(), RECT{0, 0, 150, 500}, 0, FALSE);
    std::vector<RECT> row = Items(wide, 4);
    EXPECT_RECT(row[2], 100, 0, 148, 48);
    EXPECT_RECT(row[3], 0, 50, 48, 98);

    // 147 wide: the third item wraps.
    vxGroupFlow narrow(Defaults(), RECT{0, 0, 147, 500}, 0, FALSE);
    std::vector<RECT> wrapped = Items(narrow, 3);
    EXPECT_RECT(wrapped[1], 50, 0, 98, 48);
    EXPECT_RECT(wrapped[2], 0, 50, 48, 98);
    EXPECT_EQ(narrow.Bottom(), 98);

    // Row and column gaps of other sizes.
    vxListMetrics m = Defaults();
    m.nItemColumnSpace = 10;
    m.nItemRowSpace = 7;
    vxGroupFlow gaps(m, RECT{0, 0, 120, 500}, 0, FALSE);
    std::vector<RECT> spaced = Items(gaps, 3);
    EXPECT_RECT(spaced[1], 58, 0, 106, 48);
    EXPECT_RECT(spaced[2], 0, 55, 48, 103);
}

TEST(ListGeometry, NarrowAreaGivesEveryItemARowOfItsOwn)
{
    // Narrower than start offset plus one item: the first row stays empty.
    vxListMetrics m = Defaults();
    m.ptItemStart = {10, 5};
    vxGroupFlow flow(m, RECT{0, 0, 40, 500}, 100, TRUE);
    EXPECT_RECT(flow.Header(), 0, 100, 40, 130);
    std::vector<RECT> items = Items(flow, 3);
    EXPECT_RECT(items[0], 10, 185, 58, 233);
    EXPECT_RECT(items[1], 10, 235, 58, 283);
    EXPECT_RECT(items[2], 10, 285, 58, 333);
    EXPECT_EQ(flow.Bottom(), 333);

    // An item wider than the area is placed anyway, one per row.
    m = Defaults();
    m.szItem = {300, 20};
    vxGroupFlow wide(m, RECT{5, 0, 205, 500}, 0, FALSE);
    std::vector<RECT> big = Items(wide, 2);
    EXPECT_RECT(big[0], 5, 22, 305, 42);
    EXPECT_RECT(big[1], 5, 44, 305, 64);
}

TEST(ListGeometry, EmptyGroupsStillTakeOneItemHeight)
{
    vxListMetrics m = Defaults();
    m.ptItemStart = {3, 7};
    vxGroupFlow bare(m, RECT{0, 40, 200, 300}, 40, FALSE);
    EXPECT_EQ(bare.Bottom(), 40 + 7 + 48);
    EXPECT_RECT(bare.Header(), 0, 0, 0, 0);

    vxGroupFlow headed(m, RECT{0, 40, 200, 300}, 40, TRUE);
    EXPECT_EQ(headed.Bottom(), 40 + 30 + 7 + 48);
}

TEST(ListGeometry, ContentSizeCountsTopMarginGroupsAndSpacesButNotTheScroll)
{
    // No groups: the area width by the top margin.
    vxListFlow empty(Defaults(), RECT{4, 6, 196, 290}, 0, 9);
    EXPECT_EQ(empty.DisplaySize(), vxtest::Sz(192, 6));

    // Two groups, group space after each; scrolled by 50 the rectangles move up while the
    // content height stays.
    for (int pos : {0, 50}) {
        vxListFlow list(Defaults(), RECT{4, 6, 196, 290}, pos, 9);
        vxGroupFlow first = list.BeginGroup(TRUE);
        EXPECT_EQ(first.Header().top, 6 - pos);
        Items(first, 2);
        list.EndGroup(first);                          // 6 + 30 + 48 + 9 = 93
        vxGroupFlow second = list.BeginGroup(FALSE);
        std::vector<RECT> items = Items(second, 5);    // three on a row of 192, then two
        EXPECT_RECT(items[0], 4, 93 - pos, 52, 141 - pos);
        EXPECT_RECT(items[2], 104, 93 - pos, 152, 141 - pos);
        EXPECT_RECT(items[3], 4, 143 - pos, 52, 191 - pos);
        EXPECT_RECT(items[4], 54, 143 - pos, 102, 191 - pos);
        list.EndGroup(second);
        EXPECT_EQ(list.DisplaySize().cy, 191 + 9);
    }
}

} // namespace

TEST(ListGeometry, ArrowKeysFindTheNeighbourOnTheRowOrTheNearestRow)
{
    // Two rows of three 40-wide items, then a row of one under a later group's header.
    const std::vector<RECT> items = {
        {0, 0, 40, 40},   {42, 0, 82, 40},   {84, 0, 124, 40},
        {0, 42, 40, 82},  {42, 42, 82, 82},  {84, 42, 124, 82},
        {0, 120, 40, 160},
    };
    EXPECT_EQ(vxNeighbourItem(items, 1, VK_LEFT), 0);
    EXPECT_EQ(vxNeighbourItem(items, 0, VK_LEFT), -1);
    EXPECT_EQ(vxNeighbourItem(items, 2, VK_RIGHT), 3);   // on into the next row
    EXPECT_EQ(vxNeighbourItem(items, 6, VK_RIGHT), -1);
    EXPECT_EQ(vxNeighbourItem(items, 1, VK_DOWN), 4);
    EXPECT_EQ(vxNeighbourItem(items, 5, VK_DOWN), 6);    // the short row's nearest
    EXPECT_EQ(vxNeighbourItem(items, 6, VK_DOWN), -1);
    EXPECT_EQ(vxNeighbourItem(items, 6, VK_UP), 3);
    EXPECT_EQ(vxNeighbourItem(items, 4, VK_UP), 1);
    EXPECT_EQ(vxNeighbourItem(items, 1, VK_UP), -1);
    EXPECT_EQ(vxNeighbourItem(items, 7, VK_DOWN), -1);   // no such item
    EXPECT_EQ(vxNeighbourItem(items, 1, VK_HOME), -1);
}
