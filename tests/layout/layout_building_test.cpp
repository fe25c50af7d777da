// Building a layout: indices, failure results, records, sizes and limits, read through the
// items the layout hands out.
#include "layout_windows.h"

#include <type_traits>

namespace {

// Copying would share the owned groups between two layouts.
static_assert(!std::is_copy_constructible<vxLayout>::value, "layouts are not copyable");
static_assert(!std::is_copy_assignable<vxLayout>::value, "layouts are not assignable");
static_assert(!std::is_copy_constructible<vxHorizLayout>::value, "layouts are not copyable");
static_assert(!std::is_copy_assignable<vxVertLayout>::value, "layouts are not assignable");

using LayoutBuilding = LayoutWindows;

TEST_F(LayoutBuilding, AddersReturnTheIndicesOfTheirGroups)
{
    CStatic* pA = MakeChild(101);
    CStatic* pB = MakeChild(102);
    vxLayout layout(&parent, DirHorizontal);
    EXPECT_EQ(0, layout.AddGroup(StyleFixed));
    EXPECT_EQ(1, layout.AddGroup(StyleStretch));
    EXPECT_EQ(0, layout.AddItem(1, pA, StyleFixed));
    EXPECT_EQ(1, layout.AddSpacerItem(1));
    EXPECT_EQ(2, layout.AddSplitterItem(1, 0, pB));
    EXPECT_EQ(3, layout.AddItem(1, 77, StyleStretch));
    EXPECT_EQ(4, layout.AddSplitterItem(1, 1, 78));
    EXPECT_EQ(0, layout.AddItem(0, pB, StyleNormal));

    EXPECT_EQ(5u, layout.GetItem(pA)->m_pParentGroup->m_items.size());
}

TEST_F(LayoutBuilding, DerivedLayoutsStartWithOneFixedGroup)
{
    CStatic* pA = MakeChild(101);
    CStatic* pB = MakeChild(102);
    vxHorizLayout rows(&parent);
    EXPECT_EQ(0, rows.GetGroupID());
    EXPECT_EQ(0, rows.AddItem(pA, StyleFixed));
    EXPECT_EQ(1, rows.AddSpacerItem());
    EXPECT_EQ(2, rows.AddItem(9, StyleStretch));
    const vxLayoutGroup* pRow = rows.GetItem(pA)->m_pParentGroup;
    EXPECT_EQ(StyleFixed, pRow->m_style);
    EXPECT_EQ(DirHorizontal, pRow->m_direction);
    EXPECT_EQ(DirVertical, rows.GetItem(pA)->m_direction);
    EXPECT_EQ(3u, pRow->m_items.size());
    rows.SetHeight(24);
    EXPECT_EQ(CRect(0, 0, 0, 24), pRow->m_rect);

    vxVertLayout columns(&parent);
    EXPECT_EQ(0, columns.GetGroupID());
    EXPECT_EQ(1, columns.AddGroup(StyleStretch));
    EXPECT_EQ(0, columns.AddItem(pB, StyleFixed));
    const vxLayoutGroup* pColumn = columns.GetItem(pB)->m_pParentGroup;
    EXPECT_EQ(DirVertical, pColumn->m_direction);
    columns.SetWidth(100);
    EXPECT_EQ(CRect(0, 0, 100, 0), pColumn->m_rect);
    EXPECT_EQ(1, pColumn->m_bDirty);
}

TEST_F(LayoutBuilding, LimitsFollowTheDirection)
{
    CStatic* pA = MakeChild(101);
    CStatic* pB = MakeChild(102);
    vxVertLayout columns(&parent);
    columns.AddGroup(StyleFixed, 20, 200);
    columns.AddItem(1, pA, StyleFixed);
    const vxLayoutGroup* pColumn = columns.GetItem(pA)->m_pParentGroup;
    EXPECT_EQ(20, pColumn->m_minWidth);
    EXPECT_EQ(200, pColumn->m_maxWidth);
    EXPECT_EQ(0, pColumn->m_minHeight);
    EXPECT_EQ(0x10000, pColumn->m_maxHeight);
    // Items of a column are limited in height.
    columns.SetItemMinSize(1, 0, 12);
    columns.SetItemMaxSize(1, 0, 120);
    EXPECT_EQ(12, columns.GetItem(pA)->m_minHeight);
    EXPECT_EQ(120, columns.GetItem(pA)->m_maxHeight);
    EXPECT_EQ(0, columns.GetItem(pA)->m_minWidth);

    vxHorizLayout rows(&parent);
    rows.AddItem(pB, StyleFixed);
    rows.SetGroupMinSize(0, 5);
    rows.SetGroupMaxSize(0, 50);
    const vxLayoutGroup* pRow = rows.GetItem(pB)->m_pParentGroup;
    EXPECT_EQ(5, pRow->m_minHeight);
    EXPECT_EQ(50, pRow->m_maxHeight);
    EXPECT_EQ(0, pRow->m_minWidth);
    // Items of a row are limited in width.
    rows.SetItemMinSize(0, 0, 11);
    rows.SetItemMaxSize(0, 0, 111);
    EXPECT_EQ(11, rows.GetItem(pB)->m_minWidth);
    EXPECT_EQ(111, rows.GetItem(pB)->m_maxWidth);
    EXPECT_EQ(0x10000, rows.GetItem(pB)->m_maxHeight);
}

TEST_F(LayoutBuilding, SettingASizeMovesOneEdgeAndMarksOnlyAChange)
{
    CStatic* pA = MakeChild(101, true, CSize(70, 25));
    vxHorizLayout rows(&parent);
    rows.AddSpacerItem();
    vxLayoutItem* pSpacer = rows.GetItem(NULL);
    pSpacer->m_rect.SetRect(10, 0, 30, 20);

    rows.SetItemSize(0, 0, 20); // unchanged: the flag stays as it was
    EXPECT_EQ(CRect(10, 0, 30, 20), pSpacer->m_rect);
    EXPECT_EQ(0, pSpacer->m_bDirty);
    rows.SetItemSize(0, 0, 50);
    EXPECT_EQ(CRect(10, 0, 60, 20), pSpacer->m_rect);
    EXPECT_EQ(1, pSpacer->m_bDirty);

    // Negative sizes are taken as they are; no limit applies.
    rows.SetItemMinSize(0, 0, 40);
    rows.SetItemSize(0, 0, -5);
    EXPECT_EQ(CRect(10, 0, 5, 20), pSpacer->m_rect);

    // A window item not sized yet starts from its window's client size.
    rows.AddItem(pA, StyleFixed);
    rows.SetItemSize(0, 1, 40);
    EXPECT_EQ(CRect(0, 0, 40, 25), rows.GetItem(pA)->m_rect);

    // A group of a column layout is sized by width, its items by height.
    vxVertLayout columns(&parent);
    columns.SetGroupSize(0, 80);
    columns.AddSpacerItem();
    columns.SetItemSize(0, 0, 15);
    EXPECT_EQ(CRect(0, 0, 0, 15), columns.GetItem(NULL)->m_rect);
    EXPECT_EQ(CRect(0, 0, 80, 0), columns.GetItem(NULL)->m_pParentGroup->m_rect);
}

TEST_F(LayoutBuilding, NeighbourSettersLinkWithoutCheckingTheOrder)
{
    CStatic* pA = MakeChild(101);
    CStatic* pB = MakeChild(102);
    CStatic* pBar = MakeChild(103);
    CStatic* pTop = MakeChild(104);
    CStatic* pBottom = MakeChild(105);
    vxLayout layout(&parent, DirHorizontal);
    layout.AddGroup(StyleFixed);
    layout.AddGroup(StyleFixed);
    layout.AddGroup(StyleStretch);
    layout.AddItem(0, pA, StyleFixed);
    layout.AddSplitterItem(0, 0, pBar);
    layout.AddItem(0, pB, StyleStretch);
    layout.AddItem(1, pTop, StyleFixed);
    layout.AddItem(2, pBottom, StyleFixed);
    vxLayoutItem* pItem = layout.GetItem(pBar);

    EXPECT_EQ(0, layout.SetSplitterWnd(0, 1, 0, 3)); // next == number of items
    EXPECT_EQ(1, layout.SetSplitterWnd(0, 1, 0, 2));
    EXPECT_EQ(layout.GetItem(pA), pItem->m_pPrev);
    EXPECT_EQ(layout.GetItem(pB), pItem->m_pNext);
    // Nothing checks that the item is a splitter or lies between its neighbours.
    EXPECT_EQ(1, layout.SetSplitterWnd(0, 0, 2, 1));
    EXPECT_EQ(layout.GetItem(pB), layout.GetItem(pA)->m_pPrev);
    EXPECT_EQ(1, layout.SetSplitterGroup(1, 0, 0, 2));
    EXPECT_EQ(layout.GetItem(pA)->m_pParentGroup, layout.GetItem(pTop)->m_pPrev);
    EXPECT_EQ(layout.GetItem(pBottom)->m_pParentGroup, layout.GetItem(pTop)->m_pNext);
}

TEST_F(LayoutBuilding, GetItemFindsTheFirstItemOfAWindow)
{
    CStatic* pA = MakeChild(101);
    CStatic* pB = MakeChild(102);
    CStatic* pOther = MakeChild(103);
    vxLayout layout(&parent, DirHorizontal);
    EXPECT_EQ(nullptr, layout.GetItem(nullptr));
    layout.AddGroup(StyleFixed);
    layout.AddGroup(StyleFixed);
    layout.AddItem(0, pA, StyleFixed);
    EXPECT_EQ(nullptr, layout.GetItem(nullptr));
    layout.AddItem(1, pB, StyleFixed);
    layout.AddSpacerItem(1);
    layout.AddSpacerItem(0);
    layout.AddItem(1, pA, StyleFixed);
    const vxLayoutGroup* pFirst = layout.GetItem(pA)->m_pParentGroup;
    const vxLayoutGroup* pSecond = layout.GetItem(pB)->m_pParentGroup;
    EXPECT_NE(pFirst, pSecond);
    EXPECT_EQ(pFirst->m_items[0], layout.GetItem(pA));
    EXPECT_EQ(pSecond->m_items[0], layout.GetItem(pB));
    EXPECT_EQ(pFirst->m_items[1], layout.GetItem(nullptr)); // groups in order, then items
    EXPECT_EQ(nullptr, layout.GetItem(pOther));
    CWnd none;
    EXPECT_EQ(nullptr, layout.GetItem(&none));
}

} // namespace
