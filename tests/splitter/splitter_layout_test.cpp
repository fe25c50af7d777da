// vxCtrlSplitter with real windows: creation, pane records and refused indices, placement of
// pane and bar windows, hidden panes, nested splitters, hit testing and cursors.
#include "splitter_windows.h"
#include "vxCtrlSplitter.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace splittest;

namespace {

struct SplitterLayout : ::testing::Test {
    vxtest::HostWindow host{800, 600};
    HWND pane0 = CreateColourWindow(host.Hwnd(), RGB(255, 255, 255), {0, 0, 10, 10});
    HWND pane1 = CreateColourWindow(host.Hwnd(), RGB(192, 192, 192), {0, 0, 10, 10});
    HWND bar = CreateColourWindow(host.Hwnd(), RGB(64, 64, 64), {0, 0, 4, 4});
    vxCtrlSplitter splitter;

    RECT PaneRect(int pane)
    {
        RECT rc = {-1, -1, -1, -1};
        splitter.GetPaneRect(pane, &rc);
        return rc;
    }
    RECT BarRect()
    {
        RECT rc = {};
        splitter.GetSplitterRect(&rc);
        return rc;
    }
};

TEST_F(SplitterLayout, CreationNeedsAWindowAndUsesTheSystemCursors)
{
    // Not a window: refused, no cursors, the bar window is not known.
    EXPECT_EQ(splitter.CreateSplitter(nullptr, 0, 1, 1), 0);
    EXPECT_EQ(splitter.CreateSplitter(reinterpret_cast<HWND>(0x123456), 0, 1, 1), 0);
    EXPECT_EQ(splitter.GetCursor(), nullptr);
    splitter.SetPaneSize(1, 150, 20);
    splitter.Layout(0, 0, 400, 300);
    EXPECT_EQ(PlaceInParent(bar), (RECT{0, 0, 4, 4}));   // no bar window: nothing moved
    HCURSOR before = ::GetCursor();
    splitter.ShowCursor(1);
    splitter.ShowCursor(0);
    EXPECT_EQ(::GetCursor(), before);                    // no cursors: the pointer stays
    EXPECT_EQ(splitter.MoveBar(10), 0);                  // no bar window: no key moves

    ASSERT_EQ(splitter.CreateSplitter(bar, 0, 1, 1), 1);
    HCURSOR sizing = splitter.GetCursor();
    ASSERT_NE(sizing, nullptr);
    EXPECT_EQ(sizing, ::LoadCursor(nullptr, IDC_SIZEWE));
    splitter.ShowCursor(1);
    EXPECT_EQ(::GetCursor(), sizing);
    splitter.SetUseCursor(0);
    splitter.ShowCursor(0);
    HCURSOR arrow = ::GetCursor();
    EXPECT_NE(arrow, sizing);
    splitter.ShowCursor(1);                              // not used: left alone
    EXPECT_EQ(::GetCursor(), arrow);
    EXPECT_EQ(splitter.GetCursor(), sizing);             // GetCursor ignores the use flag

    // Not movable: no cursor handed out, no hit.
    vxCtrlSplitter fixedBar;
    ASSERT_EQ(fixedBar.CreateSplitter(bar, 0, 0, 0), 1);
    EXPECT_EQ(fixedBar.GetCursor(), nullptr);
    fixedBar.Layout(0, 0, 400, 300);
    RECT rc;
    fixedBar.GetSplitterRect(&rc);
    EXPECT_EQ(fixedBar.HitTest(CPoint(rc.left, rc.top)), 0);
    EXPECT_EQ(fixedBar.MoveBar(10), 0);                  // nor by the keys
    RECT after;
    fixedBar.GetSplitterRect(&after);
    EXPECT_EQ(after, rc);
}

TEST_F(SplitterLayout, SystemCursorsSurviveTheSplittersThatShowedThem)
{
    {
        auto a = std::make_unique<vxCtrlSplitter>();
        ASSERT_EQ(a->CreateSplitter(bar, 0, 1, 1), 1);
        // A second creation takes the other orientation's cursor.
        ASSERT_EQ(a->CreateSplitter(bar, 0, 0, 1), 1);
        EXPECT_EQ(a->GetCursor(), ::LoadCursor(nullptr, IDC_SIZENS));
        a->ShowCursor(1);                                // the pointer shows it ...
    }                                                    // ... past the splitter's end
    EXPECT_EQ(::GetCursor(), ::LoadCursor(nullptr, IDC_SIZENS));
    ICONINFO info = {};
    for (LPCTSTR id : {IDC_SIZEWE, IDC_SIZENS, IDC_ARROW}) {
        ASSERT_TRUE(::GetIconInfo(::LoadCursor(nullptr, id), &info));
        ::DeleteObject(info.hbmMask);
        if (info.hbmColor)
            ::DeleteObject(info.hbmColor);
    }
    // Many splitters leave no GDI objects behind.
    vxtest::GuiCounts start = vxtest::GuiCounts::Now();
    for (int i = 0; i < 50; ++i) {
        vxCtrlSplitter s;
        s.CreateSplitter(bar, i & 1, 1, 1);
        s.ShowCursor(1);
        s.ShowCursor(0);
    }
    EXPECT_EQ(vxtest::GuiCounts::Now(), start) << vxtest::ToString(vxtest::GuiCounts::Now());
}

TEST_F(SplitterLayout, PaneIndicesOtherThanZeroAndOneAreRefused)
{
    ASSERT_EQ(splitter.CreateSplitter(bar, 0, 1, 1), 1);
    vxCtrlSplitter child;
    for (int bad : {-1, 2, 100}) {
        EXPECT_EQ(splitter.AttachWnd(bad, pane0), nullptr);
        EXPECT_EQ(splitter.GetAttachWnd(bad), nullptr);
        EXPECT_EQ(splitter.DetachWnd(bad), nullptr);
        EXPECT_EQ(splitter.AttachSplitter(bad, &child), nullptr);
        EXPECT_EQ(splitter.GetAttachSplitter(bad), nullptr);
        EXPECT_EQ(splitter.DetachSplitter(bad), nullptr);
        EXPECT_EQ(splitter.IsPaneVisible(bad), 0);
        splitter.ShowPane(bad, 0);
        splitter.SetPaneSize(bad, 10, 10);
        RECT rc = {7, 7, 7, 7};
        splitter.GetPaneRect(bad, &rc);
        EXPECT_EQ(rc, (RECT{7, 7, 7, 7}));
    }
    // Nothing of that reached the real panes.
    EXPECT_EQ(splitter.GetAttachWnd(0), nullptr);
    EXPECT_EQ(splitter.GetAttachWnd(1), nullptr);
    EXPECT_TRUE(splitter.IsSplitterVisible());
    EXPECT_TRUE(::IsWindowVisible(pane0));

    // Attach answers what was attached before; detach leaves the window where it is.
    EXPECT_EQ(splitter.AttachWnd(0, pane0), nullptr);
    EXPECT_EQ(splitter.AttachWnd(0, pane1), pane0);
    EXPECT_EQ(splitter.DetachWnd(0), pane1);
    EXPECT_EQ(splitter.GetAttachWnd(0), nullptr);
    EXPECT_EQ(splitter.AttachSplitter(1, &child), nullptr);
    EXPECT_EQ(splitter.GetAttachSplitter(1), &child);
    EXPECT_EQ(splitter.DetachSplitter(1), &child);
    EXPECT_EQ(splitter.GetAttachSplitter(1), nullptr);
}

TEST_F(SplitterLayout, PlacesPaneAndBarWindows)
{
    ASSERT_EQ(splitter.CreateSplitter(bar, 0, 1, 1), 1);
    splitter.AttachWnd(0, pane0);
    splitter.AttachWnd(1, pane1);
    splitter.SetPaneSize(1, 150, 20);
    EXPECT_EQ(PaneRect(1), (RECT{0, 0, 150, 0}));        // the size is taken in at once
    splitter.Layout(0, 0, 400, 300);

    RECT layout;
    splitter.GetLayoutRect(&layout);
    EXPECT_EQ(layout, (RECT{0, 0, 400, 300}));
    EXPECT_EQ(PaneRect(1), (RECT{250, 0, 400, 300}));
    EXPECT_EQ(BarRect(), (RECT{246, 0, 250, 300}));
    EXPECT_EQ(PaneRect(0), (RECT{0, 0, 246, 300}));
    EXPECT_EQ(PlaceInParent(pane0), PaneRect(0));
    EXPECT_EQ(PlaceInParent(pane1), PaneRect(1));
    EXPECT_EQ(PlaceInParent(bar), BarRect());

    // Windows already in place are not repositioned at all; a moved one is.
    vxtest::MessageRecorder rec0(pane0), rec1(pane1);
    splitter.Layout(0, 0, 400, 300);
    EXPECT_EQ(rec0.Count(WM_WINDOWPOSCHANGING), 0);
    EXPECT_EQ(rec1.Count(WM_WINDOWPOSCHANGING), 0);
    splitter.Layout(0, 0, 500, 300);                     // pane 0 grows, pane 1 moves
    EXPECT_EQ(rec0.Count(WM_WINDOWPOSCHANGING), 1);
    EXPECT_EQ(rec1.Count(WM_WINDOWPOSCHANGING), 1);
    EXPECT_EQ(PlaceInParent(pane1), (RECT{350, 0, 500, 300}));
    EXPECT_EQ(PlaceInParent(pane0), (RECT{0, 0, 346, 300}));

    // The horizontal orientation with the first pane fixed.
    vxCtrlSplitter stacked;
    ASSERT_EQ(stacked.CreateSplitter(bar, 1, 0, 1), 1);
    stacked.AttachWnd(0, pane0);
    stacked.AttachWnd(1, pane1);
    stacked.SetPaneSize(0, 100, 20);
    stacked.Layout(0, 0, 400, 300);
    EXPECT_EQ(PlaceInParent(pane0), (RECT{0, 0, 400, 100}));
    EXPECT_EQ(PlaceInParent(bar), (RECT{0, 100, 400, 104}));
    EXPECT_EQ(PlaceInParent(pane1), (RECT{0, 104, 400, 300}));
    EXPECT_EQ(stacked.IsVertical(), 0);

    // A thicker bar takes effect at the next layout.
    stacked.SetSplitterSize(10);
    EXPECT_EQ(PlaceInParent(bar), (RECT{0, 100, 400, 104}));
    stacked.Layout(0, 0, 400, 300);
    EXPECT_EQ(PlaceInParent(bar), (RECT{0, 100, 400, 110}));
}

TEST_F(SplitterLayout, HiddenPanes)
{
    ASSERT_EQ(splitter.CreateSplitter(bar, 0, 1, 1), 1);
    splitter.AttachWnd(0, pane0);
    splitter.AttachWnd(1, pane1);
    splitter.SetPaneSize(1, 150, 20);
    splitter.SetPaneSize(0, -1, 30);                     // minimum only
    EXPECT_EQ(PaneRect(0), (RECT{0, 0, 0, 0}));
    splitter.Layout(0, 0, 400, 300);
    const RECT oldBar = BarRect();
    EXPECT_EQ(splitter.HitTest(CPoint(246, 10)), 1);
    EXPECT_EQ(splitter.HitTest(CPoint(249, 299)), 1);
    EXPECT_EQ(splitter.HitTest(CPoint(250, 10)), 0);     // right edge exclusive
    EXPECT_EQ(splitter.HitTest(CPoint(245, 10)), 0);

    // Hiding shows at once, lays out at the next Layout.
    splitter.ShowPane(0, 0);
    EXPECT_FALSE(::IsWindowVisible(pane0));
    EXPECT_EQ(splitter.IsPaneVisible(0), 0);
    EXPECT_EQ(splitter.IsSplitterVisible(), 0);
    EXPECT_EQ(PlaceInParent(pane1), (RECT{250, 0, 400, 300}));
    splitter.Layout(0, 0, 400, 300);
    EXPECT_EQ(PlaceInParent(pane1), (RECT{0, 0, 400, 300}));
    EXPECT_EQ(splitter.HitTest(CPoint(247, 10)), 0);
    EXPECT_EQ(BarRect(), oldBar);

    // Both hidden: no pane window moves, the bar window still goes to the old bar.
    splitter.ShowPane(1, 0);
    EXPECT_EQ(splitter.IsHideAllPane(), 1);
    ::MoveWindow(bar, 0, 0, 4, 4, TRUE);
    vxtest::MessageRecorder rec1(pane1);
    splitter.Layout(10, 10, 200, 200);
    EXPECT_EQ(rec1.Count(WM_WINDOWPOSCHANGING), 0);
    EXPECT_EQ(PlaceInParent(bar), oldBar);
    EXPECT_EQ(PaneRect(1), (RECT{0, 0, 400, 300}));

    splitter.ShowPane(0, 1);
    splitter.ShowPane(1, 1);
    EXPECT_TRUE(::IsWindowVisible(pane0));
    EXPECT_TRUE(::IsWindowVisible(pane1));
    splitter.Layout(0, 0, 400, 300);
    EXPECT_EQ(PlaceInParent(pane0), (RECT{0, 0, 246, 300}));
}

TEST_F(SplitterLayout, NestedSplittersThreeLevelsDeep)
{
    // Root: vertical, pane 0 fixed at 200; its pane 1 a stacked splitter with pane 1 fixed at
    // 100; that one's pane 0 a vertical splitter with pane 1 fixed at 80.
    HWND bars[3], leaves[4];
    for (HWND& b : bars)
        b = CreateColourWindow(host.Hwnd(), RGB(64, 64, 64), {0, 0, 1, 1});
    for (HWND& l : leaves)
        l = CreateColourWindow(host.Hwnd(), RGB(255, 255, 255), {0, 0, 1, 1});
    vxCtrlSplitter root, middle, inner;
    ASSERT_EQ(root.CreateSplitter(bars[0], 1, 1, 1), 1);
    ASSERT_EQ(middle.CreateSplitter(bars[1], 0, 0, 1), 1);
    ASSERT_EQ(inner.CreateSplitter(bars[2], 0, 1, 1), 1);
    root.SetPaneSize(0, 200, 10);
    middle.SetPaneSize(1, 100, 10);
    inner.SetPaneSize(1, 80, 10);
    root.AttachWnd(0, leaves[0]);
    root.AttachSplitter(1, &middle);
    middle.AttachSplitter(0, &inner);
    middle.AttachWnd(1, leaves[1]);
    inner.AttachWnd(0, leaves[2]);
    inner.AttachWnd(1, leaves[3]);

    root.Layout(10, 20, 700, 500);
    EXPECT_EQ(PlaceInParent(leaves[0]), (RECT{10, 20, 210, 520}));
    EXPECT_EQ(PlaceInParent(bars[0]), (RECT{210, 20, 214, 520}));
    RECT layout;
    middle.GetLayoutRect(&layout);
    EXPECT_EQ(layout, (RECT{214, 20, 710, 520}));
    EXPECT_EQ(PlaceInParent(bars[1]), (RECT{214, 416, 710, 420}));
    EXPECT_EQ(PlaceInParent(leaves[1]), (RECT{214, 420, 710, 520}));
    inner.GetLayoutRect(&layout);
    EXPECT_EQ(layout, (RECT{214, 20, 710, 416}));
    EXPECT_EQ(PlaceInParent(leaves[2]), (RECT{214, 20, 626, 416}));
    EXPECT_EQ(PlaceInParent(bars[2]), (RECT{626, 20, 630, 416}));
    EXPECT_EQ(PlaceInParent(leaves[3]), (RECT{630, 20, 710, 416}));

    // The same area again moves nothing; a change deep down moves only what it changes.
    std::vector<std::unique_ptr<vxtest::MessageRecorder>> recorders;
    for (HWND w : {leaves[0], bars[0], bars[1], leaves[1], leaves[2], bars[2], leaves[3]})
        recorders.push_back(std::make_unique<vxtest::MessageRecorder>(w));
    root.Layout(10, 20, 700, 500);
    for (const auto& r : recorders)
        EXPECT_EQ(r->Count(WM_WINDOWPOSCHANGING), 0);
    inner.SetPaneSize(1, 90, 10);
    root.Layout(10, 20, 700, 500);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(recorders[i]->Count(WM_WINDOWPOSCHANGING), 0) << i;
    for (size_t i = 4; i < 7; ++i)
        EXPECT_EQ(recorders[i]->Count(WM_WINDOWPOSCHANGING), 1) << i;
    EXPECT_EQ(PlaceInParent(leaves[3]), (RECT{620, 20, 710, 416}));
    recorders.clear();

    // A hidden pane's nested splitter is not laid out.
    root.ShowPane(1, 0);
    root.Layout(0, 0, 300, 300);
    EXPECT_EQ(PlaceInParent(leaves[0]), (RECT{0, 0, 300, 300}));
    middle.GetLayoutRect(&layout);
    EXPECT_EQ(layout, (RECT{214, 20, 710, 520}));

    // A pane with both a window and a splitter places both into the same area.
    root.ShowPane(1, 1);
    root.AttachWnd(1, pane1);
    root.Layout(10, 20, 700, 500);
    EXPECT_EQ(PlaceInParent(pane1), (RECT{214, 20, 710, 520}));
    EXPECT_EQ(PlaceInParent(leaves[1]), (RECT{214, 420, 710, 520}));
}

TEST_F(SplitterLayout, InvalidateRepaintsTheBarOnTheHost)
{
    ASSERT_EQ(splitter.CreateSplitter(bar, 0, 1, 1), 1);
    splitter.SetPaneSize(1, 150, 20);
    splitter.Layout(0, 0, 400, 300);
    vxtest::PumpMessages();
    ::ValidateRect(host.Hwnd(), nullptr);
    splitter.Invalidate(CWnd::FromHandle(host.Hwnd()));
    RECT update = {};
    ASSERT_TRUE(::GetUpdateRect(host.Hwnd(), &update, FALSE));
    EXPECT_EQ(update, (RECT{246, 0, 250, 300}));
    splitter.Invalidate(nullptr);                        // no host: nothing
}

} // namespace
