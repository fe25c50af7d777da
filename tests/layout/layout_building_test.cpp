// Building a layout without windows: indices, failure results, records, sizes and limits.
#include "layout_fakes.h"

#include <type_traits>

using namespace layouttest;

namespace {

// Copying would share the owned groups between two layouts.
static_assert(!std::is_copy_constructible<vxLayout>::value, "layouts are not copyable");
static_assert(!std::is_copy_assignable<vxLayout>::value, "layouts are not assignable");
static_assert(!std::is_copy_constructible<vxHorizLayout>::value, "layouts are not copyable");
static_assert(!std::is_copy_assignable<vxVertLayout>::value, "layouts are not assignable");

TEST(LayoutBuilding, AddersReturnIndicesAndMinusOneForAnUnknownGroup)
{
    FakeWnd parent, a, b;
    LayoutProbe layout(&parent, DirHorizontal);
    EXPECT_EQ(0, layout.AddGroup(StyleFixed));
    EXPECT_EQ(1, layout.AddGroup(StyleStretch));
    EXPECT_EQ(0, layout.AddItem(1, &a, StyleFixed));
    EXPECT_EQ(1, layout.AddSpacerItem(1));
    EXPECT_EQ(2, layout.AddSplitterItem(1, 0, &b));
    EXPECT_EQ(3, layout.AddItem(1, 77, StyleStretch));
    EXPECT_EQ(4, layout.AddSplitterItem(1, 1, 78));
    EXPECT_EQ(0, layout.AddItem(0, &b, StyleNormal));

    const std::string before = layout.Dump();
    for (int bad : {-1, 2, 5}) {
        EXPECT_EQ(-1, layout.AddItem(bad, &a, StyleFixed));
        EXPECT_EQ(-1, layout.AddItem(bad, 77, StyleFixed));
        EXPECT_EQ(-1, layout.AddSpacerItem(bad));
        EXPECT_EQ(-1, layout.AddSplitterItem(bad, 1, &a));
        EXPECT_EQ(-1, layout.AddSplitterItem(bad, 0, 78));
    }
    EXPECT_EQ(before, layout.Dump());
    EXPECT_EQ(2, layout.GroupCount());
    EXPECT_EQ(5, layout.ItemCount(1));
}

TEST(LayoutBuilding, DerivedLayoutsStartWithOneFixedGroup)
{
    FakeWnd parent, a, b;
    HorizProbe rows(&parent);
    EXPECT_EQ(0, rows.GetGroupID());
    ASSERT_EQ(1, rows.GroupCount());
    EXPECT_EQ(StyleFixed, rows.Group(0)->m_style);
    EXPECT_EQ(DirHorizontal, rows.Group(0)->m_direction);
    EXPECT_EQ(0, rows.AddItem(&a, StyleFixed));
    EXPECT_EQ(1, rows.AddSpacerItem());
    EXPECT_EQ(2, rows.AddItem(9, StyleStretch));
    EXPECT_EQ(3, rows.ItemCount(0));
    rows.SetHeight(24);
    EXPECT_EQ(CRect(0, 0, 0, 24), rows.Group(0)->m_rect);

    VertProbe columns(&parent);
    EXPECT_EQ(0, columns.GetGroupID());
    EXPECT_EQ(DirVertical, columns.Group(0)->m_direction);
    EXPECT_EQ(1, columns.AddGroup(StyleStretch));
    EXPECT_EQ(0, columns.AddItem(&b, StyleFixed));
    columns.SetWidth(100);
    EXPECT_EQ(CRect(0, 0, 100, 0), columns.Group(0)->m_rect);
    EXPECT_EQ(1, columns.Group(0)->m_bDirty);
    EXPECT_EQ(0, columns.ItemCount(1));
}

TEST(LayoutBuilding, GroupLimitsFollowTheLayoutDirection)
{
    FakeWnd parent;
    VertProbe columns(&parent);
    columns.AddGroup(StyleFixed, 20, 200);
    EXPECT_EQ(20, columns.Group(1)->m_minWidth);
    EXPECT_EQ(200, columns.Group(1)->m_maxWidth);
    EXPECT_EQ(0, columns.Group(1)->m_minHeight);
    EXPECT_EQ(0x10000, columns.Group(1)->m_maxHeight);

    HorizProbe rows(&parent);
    rows.AddGroup(StyleStretch, 30, 90);
    EXPECT_EQ(30, rows.Group(1)->m_minHeight);
    EXPECT_EQ(90, rows.Group(1)->m_maxHeight);
    EXPECT_EQ(0, rows.Group(1)->m_minWidth);
    rows.SetGroupMinSize(0, 5);
    rows.SetGroupMaxSize(0, 50);
    EXPECT_EQ(5, rows.Group(0)->m_minHeight);
    EXPECT_EQ(50, rows.Group(0)->m_maxHeight);

    // Items of a row are limited in width, items of a column in height.
    FakeWnd a;
    rows.AddItem(0, &a, StyleFixed);
    rows.SetItemMinSize(0, 0, 11);
    rows.SetItemMaxSize(0, 0, 111);
    EXPECT_EQ(11, rows.Item(0, 0)->m_minWidth);
    EXPECT_EQ(111, rows.Item(0, 0)->m_maxWidth);
    EXPECT_EQ(0x10000, rows.Item(0, 0)->m_maxHeight);
    columns.AddItem(&a, StyleFixed);
    columns.SetItemMinSize(0, 0, 12);
    columns.SetItemMaxSize(0, 0, 120);
    EXPECT_EQ(12, columns.Item(0, 0)->m_minHeight);
    EXPECT_EQ(120, columns.Item(0, 0)->m_maxHeight);
    EXPECT_EQ(0, columns.Item(0, 0)->m_minWidth);
}

TEST(LayoutBuilding, SettingASizeMovesOneEdgeAndMarksOnlyAChange)
{
    FakeWindowOps ops;
    FakeWnd parent, a;
    HorizProbe rows(&parent);
    rows.AddSpacerItem();
    rows.Item(0, 0)->m_rect.SetRect(10, 0, 30, 20);

    rows.SetItemSize(0, 0, 20); // unchanged: the flag stays as it was
    EXPECT_EQ(CRect(10, 0, 30, 20), rows.Item(0, 0)->m_rect);
    EXPECT_EQ(0, rows.Item(0, 0)->m_bDirty);
    rows.SetItemSize(0, 0, 50);
    EXPECT_EQ(CRect(10, 0, 60, 20), rows.Item(0, 0)->m_rect);
    EXPECT_EQ(1, rows.Item(0, 0)->m_bDirty);
    rows.SetItemSize(0, 0, 50);
    EXPECT_EQ(1, rows.Item(0, 0)->m_bDirty);

    // Negative sizes are taken as they are; no limit applies.
    rows.SetItemMinSize(0, 0, 40);
    rows.SetItemSize(0, 0, -5);
    EXPECT_EQ(CRect(10, 0, 5, 20), rows.Item(0, 0)->m_rect);

    // A window item not sized yet starts from its window's client size.
    ops.SetClientSize(&a, 70, 25);
    rows.AddItem(&a, StyleFixed);
    rows.SetItemSize(0, 1, 40);
    EXPECT_EQ(CRect(0, 0, 40, 25), rows.Item(0, 1)->m_rect);

    // A group of a column layout is sized by width.
    VertProbe columns(&parent);
    columns.SetGroupSize(0, 80);
    EXPECT_EQ(CRect(0, 0, 80, 0), columns.Group(0)->m_rect);
    columns.AddSpacerItem();
    columns.SetItemSize(0, 0, 15);
    EXPECT_EQ(CRect(0, 0, 0, 15), columns.Item(0, 0)->m_rect);
}

TEST(LayoutBuilding, NeighbourSettersLinkWithoutCheckingTheOrder)
{
    FakeWnd parent, a, b, bar;
    LayoutProbe layout(&parent, DirHorizontal);
    layout.AddGroup(StyleFixed);
    layout.AddGroup(StyleFixed);
    layout.AddGroup(StyleStretch);
    layout.AddItem(0, &a, StyleFixed);
    layout.AddSplitterItem(0, 0, &bar);
    layout.AddItem(0, &b, StyleStretch);
    layout.AddSplitterItem(1, 1, &bar);

    EXPECT_EQ(0, layout.SetSplitterWnd(0, 1, 0, 3)); // next == number of items
    EXPECT_EQ(1, layout.SetSplitterWnd(0, 1, 0, 2));
    EXPECT_EQ(layout.Item(0, 0), layout.Item(0, 1)->m_pPrev);
    EXPECT_EQ(layout.Item(0, 2), layout.Item(0, 1)->m_pNext);
    // Nothing checks that the item is a splitter or lies between its neighbours.
    EXPECT_EQ(1, layout.SetSplitterWnd(0, 0, 2, 1));
    EXPECT_EQ(layout.Item(0, 2), layout.Item(0, 0)->m_pPrev);
    EXPECT_EQ(1, layout.SetSplitterGroup(1, 0, 0, 2));
    EXPECT_EQ(layout.Group(0), layout.Item(1, 0)->m_pPrev);
    EXPECT_EQ(layout.Group(2), layout.Item(1, 0)->m_pNext);
}

TEST(LayoutBuilding, GetItemFindsTheFirstItemOfAWindow)
{
    FakeWnd parent, a, b, other;
    LayoutProbe layout(&parent, DirHorizontal);
    EXPECT_EQ(nullptr, layout.GetItem(nullptr));
    layout.AddGroup(StyleFixed);
    layout.AddGroup(StyleFixed);
    layout.AddItem(0, &a, StyleFixed);
    EXPECT_EQ(nullptr, layout.GetItem(nullptr));
    layout.AddItem(1, &b, StyleFixed);
    layout.AddSpacerItem(1);
    layout.AddSpacerItem(0);
    layout.AddItem(1, &a, StyleFixed);
    EXPECT_EQ(layout.Item(0, 0), layout.GetItem(&a));
    EXPECT_EQ(layout.Item(1, 0), layout.GetItem(&b));
    EXPECT_EQ(layout.Item(0, 1), layout.GetItem(nullptr)); // groups in order, then items
    EXPECT_EQ(nullptr, layout.GetItem(&other));
}

} // namespace
