// Layout calculation without windows: sharing, placement, dirty flags, the batch of moves,
// and sizer-bar drag steps.
#include "layout_fakes.h"
#include "vxSizerBarBounds.h"

using namespace layouttest;

namespace {

// The windows moved by the last batch, in batch order.
std::vector<HWND> MovedWindows(const FakeWindowOps& ops)
{
    std::vector<HWND> windows;
    for (const Move& m : ops.LastMoves())
        windows.push_back(m.hWnd);
    return windows;
}

TEST(LayoutCalc, ColumnWithFixedWindowsAroundASpacer)
{
    FakeWindowOps ops;
    FakeWnd parent, a, b;
    ops.SetClientSize(&a, 60, 20);
    ops.SetClientSize(&b, 80, 30);
    VertProbe layout(&parent);
    layout.SetWidth(100);
    layout.AddItem(&a, StyleFixed);
    layout.AddSpacerItem();
    layout.AddItem(&b, StyleFixed);
    layout.CalcLayout(200, 300, nullptr);

    EXPECT_EQ(CRect(0, 0, 100, 300), layout.Group(0)->m_rect);
    EXPECT_EQ(CRect(0, 0, 100, 20), layout.Item(0, 0)->m_rect);
    EXPECT_EQ(CRect(0, 20, 100, 270), layout.Item(0, 1)->m_rect);
    EXPECT_EQ(CRect(0, 270, 100, 300), layout.Item(0, 2)->m_rect);
    // One batch sized for exactly the two windows; spacers have none.
    ASSERT_EQ(1u, ops.batches.size());
    EXPECT_EQ(2, ops.batchSizes[0]);
    EXPECT_EQ(1, ops.ended);
    ASSERT_EQ(2u, ops.LastMoves().size());
    EXPECT_EQ(a.m_hWnd, ops.LastMoves()[0].hWnd);
    EXPECT_EQ(CRect(0, 0, 100, 20), ops.LastMoves()[0].rect);
    EXPECT_EQ(b.m_hWnd, ops.LastMoves()[1].hWnd);
    EXPECT_EQ(CRect(0, 270, 100, 300), ops.LastMoves()[1].rect);
    EXPECT_EQ(0, layout.Item(0, 0)->m_bDirty);
    EXPECT_EQ(0, layout.Item(0, 2)->m_bDirty);
}

TEST(LayoutCalc, StretchSharesAreTruncatedAndTheRestStaysFree)
{
    FakeWindowOps ops;
    FakeWnd parent;
    HorizProbe layout(&parent);
    layout.SetHeight(10);
    for (int i = 0; i < 3; ++i)
        layout.AddSpacerItem();
    layout.CalcLayout(100, 50, nullptr);
    EXPECT_EQ(CRect(0, 0, 33, 10), layout.Item(0, 0)->m_rect);
    EXPECT_EQ(CRect(33, 0, 66, 10), layout.Item(0, 1)->m_rect);
    EXPECT_EQ(CRect(66, 0, 99, 10), layout.Item(0, 2)->m_rect);

    // Two stretch groups share a layout's length with nothing fixed.
    LayoutProbe rows(&parent, DirHorizontal);
    rows.AddGroup(StyleStretch);
    rows.AddGroup(StyleStretch);
    rows.CalcLayout(80, 200, nullptr);
    EXPECT_EQ(CRect(0, 0, 80, 100), rows.Group(0)->m_rect);
    EXPECT_EQ(CRect(0, 100, 80, 200), rows.Group(1)->m_rect);

    // Weights: the product is formed first, then truncated toward zero.
    LayoutProbe weighted(&parent, DirVertical);
    weighted.AddGroup(StyleStretch);
    weighted.AddGroup(StyleStretch);
    weighted.AddGroup(StyleStretch);
    weighted.Group(1)->m_weight = 2;
    weighted.CalcLayout(101, 10, nullptr);
    EXPECT_EQ(25, weighted.Group(0)->m_rect.Width());
    EXPECT_EQ(50, weighted.Group(1)->m_rect.Width());
    EXPECT_EQ(25, weighted.Group(2)->m_rect.Width());
    EXPECT_EQ(100, weighted.Group(2)->m_rect.right);
}

TEST(LayoutCalc, OverfullGroupsRunPastTheirEndAndPassNegativeSizesOn)
{
    FakeWindowOps ops;
    FakeWnd parent, a, s, b;
    ops.SetClientSize(&a, 70, 5);
    ops.SetClientSize(&b, 60, 5);
    HorizProbe layout(&parent);
    layout.SetHeight(20);
    layout.AddItem(&a, StyleFixed);
    layout.AddItem(&s, StyleStretch);
    layout.AddItem(&b, StyleFixed);
    layout.SetItemMinSize(0, 1, 10); // limits play no part in the calculation
    layout.CalcLayout(100, 40, nullptr);
    EXPECT_EQ(CRect(0, 0, 70, 20), layout.Item(0, 0)->m_rect);
    EXPECT_EQ(CRect(70, 0, 40, 20), layout.Item(0, 1)->m_rect);
    EXPECT_EQ(CRect(40, 0, 100, 20), layout.Item(0, 2)->m_rect);
    ASSERT_EQ(3u, ops.LastMoves().size());
    EXPECT_EQ(-30, ops.LastMoves()[1].rect.Width());

    // A container of negative length gives every stretch child a negative share.
    LayoutProbe rows(&parent, DirHorizontal);
    rows.AddGroup(StyleStretch);
    rows.AddGroup(StyleStretch);
    rows.SetMargins(0, 30, 0, 30);
    rows.CalcLayout(50, 20, nullptr);
    EXPECT_EQ(CRect(0, 30, 50, 10), rows.Group(0)->m_rect);
    EXPECT_EQ(CRect(0, 10, 50, -10), rows.Group(1)->m_rect);
}

TEST(LayoutCalc, MarginsInsetTheLayoutRectangle)
{
    FakeWindowOps ops;
    FakeWnd parent;
    LayoutProbe layout(&parent, DirVertical);
    layout.AddGroup(StyleStretch);
    layout.AddSpacerItem(0);
    layout.SetMargins(5, 5, 5, 5);
    layout.CalcLayout(100, 100, nullptr);
    EXPECT_EQ(CRect(5, 5, 95, 95), layout.Group(0)->m_rect);
    EXPECT_EQ(CRect(5, 5, 95, 95), layout.Item(0, 0)->m_rect);

    // The rectangle overload takes any origin; the size overload of a window uses its client.
    layout.SetMargins(1, 2, 3, 4);
    layout.CalcLayout(CRect(10, 20, 110, 220), nullptr);
    EXPECT_EQ(CRect(11, 22, 107, 216), layout.Group(0)->m_rect);
    ops.SetClientSize(&parent, 300, 200);
    layout.CalcLayout(&parent);
    EXPECT_EQ(CRect(1, 2, 297, 196), layout.Group(0)->m_rect);
    // Without a window to measure there is nothing to lay out in.
    FakeWnd unknown;
    layout.CalcLayout(&unknown);
    layout.CalcLayout(static_cast<CWnd*>(nullptr));
    EXPECT_EQ(CRect(1, 2, 297, 196), layout.Group(0)->m_rect);
}

TEST(LayoutCalc, AWindowItemWithoutAWindowHasSizeZero)
{
    FakeWindowOps ops;
    FakeWnd parent;
    HorizProbe layout(&parent);
    layout.SetHeight(10);
    layout.AddItem(123, StyleFixed); // no child 123: no window
    layout.AddSpacerItem();
    layout.CalcLayout(100, 100, nullptr);
    EXPECT_EQ(nullptr, layout.Item(0, 0)->m_hWnd);
    EXPECT_EQ(CRect(0, 0, 0, 10), layout.Item(0, 0)->m_rect);
    EXPECT_EQ(CRect(0, 0, 100, 10), layout.Item(0, 1)->m_rect);
    EXPECT_EQ(0, ops.measured);
    EXPECT_TRUE(ops.batches.empty());
}

TEST(LayoutCalc, ALostBatchKeepsEveryFlagForTheNextAttempt)
{
    FakeWindowOps ops;
    FakeWnd parent, a, b;
    ops.SetClientSize(&a, 40, 10);
    ops.SetClientSize(&b, 40, 10);
    HorizProbe layout(&parent);
    layout.SetHeight(10);
    layout.AddItem(&a, StyleFixed);
    layout.AddItem(&b, StyleFixed);

    ops.failBegin = true;
    layout.CalcLayout(100, 100, nullptr);
    EXPECT_EQ(0, ops.ended);
    EXPECT_EQ(1, layout.Item(0, 0)->m_bDirty);

    ops.failBegin = false;
    ops.failDeferAfter = 1;
    layout.CalcLayout(100, 100, nullptr);
    EXPECT_EQ(0, ops.ended);
    EXPECT_EQ(1, layout.Item(0, 0)->m_bDirty);
    EXPECT_EQ(1, layout.Item(0, 1)->m_bDirty);

    ops.failDeferAfter = -1;
    ops.Clear();
    layout.CalcLayout(100, 100, nullptr);
    EXPECT_EQ((std::vector<HWND>{a.m_hWnd, b.m_hWnd}), MovedWindows(ops));
    EXPECT_EQ(1, ops.ended);
}

// A row of fixed item P, a bar, and item N, as a host builds it for a sizer bar.
struct RowWithBar {
    FakeWnd parent, p, bar, n;
    HorizProbe layout{&parent};

    RowWithBar(FakeWindowOps& ops, LayoutStyle nextStyle)
    {
        ops.SetClientSize(&p, 100, 10);
        ops.SetClientSize(&n, 100, 10);
        layout.SetHeight(40);
        layout.AddItem(&p, StyleFixed);
        layout.AddSplitterItem(0, 0, &bar);
        layout.AddItem(&n, nextStyle);
        layout.SetItemSize(0, 1, 4);
        EXPECT_EQ(1, layout.SetSplitterWnd(0, 1, 0, 2));
        layout.CalcLayout(300, 40, nullptr);
        ops.Clear();
    }
    vxLayoutItem* Splitter() { return layout.Item(0, 1); }
};

TEST(LayoutCalc, DragBetweenItemsOfARow)
{
    FakeWindowOps ops;
    RowWithBar fixed(ops, StyleFixed);
    EXPECT_EQ(CRect(100, 0, 104, 40), fixed.Splitter()->m_rect);
    fixed.layout.MoveLayoutItems(fixed.Splitter(), CPoint(10, 3));
    EXPECT_EQ(CRect(0, 0, 110, 40), fixed.layout.Item(0, 0)->m_rect);
    EXPECT_EQ(CRect(110, 0, 114, 40), fixed.Splitter()->m_rect); // the vertical 3 is dropped
    EXPECT_EQ(CRect(114, 0, 204, 40), fixed.layout.Item(0, 2)->m_rect);
    EXPECT_EQ((std::vector<HWND>{fixed.p.m_hWnd, fixed.bar.m_hWnd, fixed.n.m_hWnd}), MovedWindows(ops));
    // The next CalcLayout keeps the new fixed sizes.
    ops.Clear();
    fixed.layout.CalcLayout(300, 40, nullptr);
    EXPECT_TRUE(ops.batches.empty());

    // A stretch neighbour is given its share again when the group is re-laid.
    RowWithBar stretch(ops, StyleStretch);
    EXPECT_EQ(CRect(104, 0, 300, 40), stretch.layout.Item(0, 2)->m_rect);
    stretch.layout.MoveLayoutItems(stretch.Splitter(), CPoint(-20, 0));
    EXPECT_EQ(CRect(0, 0, 80, 40), stretch.layout.Item(0, 0)->m_rect);
    EXPECT_EQ(CRect(80, 0, 84, 40), stretch.Splitter()->m_rect);
    EXPECT_EQ(CRect(84, 0, 300, 40), stretch.layout.Item(0, 2)->m_rect);

    // A zero step re-lays the group and moves nothing.
    ops.Clear();
    stretch.layout.MoveLayoutItems(stretch.Splitter(), CPoint(0, 0));
    EXPECT_TRUE(ops.batches.empty());
}

TEST(LayoutCalc, DragBetweenGroupsMovesTheBarsGroup)
{
    FakeWindowOps ops;
    FakeWnd parent, top, bar, bottom;
    LayoutProbe layout(&parent, DirHorizontal);
    layout.AddGroup(StyleFixed);   // 0: rows of fixed height
    layout.AddGroup(StyleFixed);   // 1: the bar's own group
    layout.AddGroup(StyleStretch); // 2
    layout.SetGroupSize(0, 100);
    layout.SetGroupSize(1, 5);
    layout.AddItem(0, &top, StyleStretch);
    layout.AddSplitterItem(1, 1, &bar);
    layout.AddItem(2, &bottom, StyleStretch);
    ASSERT_EQ(1, layout.SetSplitterGroup(1, 0, 0, 2));
    layout.CalcLayout(200, 300, nullptr);
    EXPECT_EQ(CRect(0, 100, 200, 105), layout.Item(1, 0)->m_rect);
    EXPECT_EQ(CRect(0, 105, 200, 300), layout.Item(2, 0)->m_rect);
    ops.Clear();

    layout.MoveLayoutItems(layout.Item(1, 0), CPoint(7, 25));
    EXPECT_EQ(CRect(0, 0, 200, 125), layout.Group(0)->m_rect);
    EXPECT_EQ(CRect(0, 125, 200, 130), layout.Group(1)->m_rect);
    EXPECT_EQ(CRect(0, 130, 200, 300), layout.Group(2)->m_rect);
    EXPECT_EQ(CRect(0, 0, 200, 125), layout.Item(0, 0)->m_rect);
    EXPECT_EQ(CRect(0, 125, 200, 130), layout.Item(1, 0)->m_rect);
    EXPECT_EQ(CRect(0, 130, 200, 300), layout.Item(2, 0)->m_rect);
    EXPECT_EQ((std::vector<HWND>{top.m_hWnd, bar.m_hWnd, bottom.m_hWnd}), MovedWindows(ops));
    EXPECT_EQ(0, layout.Group(0)->m_bDirty);
    EXPECT_EQ(0, layout.Group(2)->m_bDirty);

    // The next CalcLayout keeps the fixed group's new size and recomputes the stretch one.
    ops.Clear();
    layout.CalcLayout(200, 300, nullptr);
    EXPECT_TRUE(ops.batches.empty());
    layout.CalcLayout(200, 400, nullptr);
    EXPECT_EQ(CRect(0, 130, 200, 400), layout.Group(2)->m_rect);
}

TEST(LayoutCalc, DragsWithoutBothNeighboursDoNothing)
{
    FakeWindowOps ops;
    RowWithBar row(ops, StyleFixed);
    row.layout.AddSplitterItem(0, 0, &row.bar);
    row.layout.SetItemSize(0, 3, 4);
    row.layout.CalcLayout(300, 40, nullptr);
    ops.Clear();
    const std::string before = row.layout.Dump();

    row.layout.MoveLayoutItems(row.layout.Item(0, 3), CPoint(10, 10)); // neighbours never set
    row.layout.MoveLayoutItems(nullptr, CPoint(10, 10));
    row.Splitter()->m_pNext = nullptr;
    row.layout.MoveLayoutItems(row.Splitter(), CPoint(10, 10));
    row.Splitter()->m_pNext = row.layout.Item(0, 2);
    row.Splitter()->m_pPrev = nullptr;
    row.layout.MoveLayoutItems(row.Splitter(), CPoint(10, 10));
    row.Splitter()->m_pPrev = row.layout.Item(0, 0);
    EXPECT_EQ(before, row.layout.Dump());
    EXPECT_TRUE(ops.batches.empty());
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
