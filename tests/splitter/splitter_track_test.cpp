// The bar drag with real windows: Track's own loop is fed posted messages and real input
// from a timer script, and the screen under the outline is read back while it runs.
#include "splitter_windows.h"
#include "vxCtrlSplitter.h"

#include <gtest/gtest.h>

using namespace splittest;

namespace {

const RECT kBand = {0, 100, 420, 102};   // two rows across the splitter, read back

struct SplitterTrack : ::testing::Test {
    vxtest::HostWindow host{800, 600};
    HWND pane0 = CreateColourWindow(host.Hwnd(), RGB(255, 255, 255), {0, 0, 1, 1});
    HWND pane1 = CreateColourWindow(host.Hwnd(), RGB(160, 160, 160), {0, 0, 1, 1});
    HWND bar = CreateColourWindow(host.Hwnd(), RGB(64, 64, 64), {0, 0, 1, 1});
    vxCtrlSplitter splitter;

    void SetUp() override
    {
        ASSERT_EQ(BuildDragSplitter(splitter, bar, pane0, pane1), 1);
        ::SetFocus(host.Hwnd());
        Repaint();
    }

    void Repaint()
    {
        ::RedrawWindow(host.Hwnd(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        vxtest::PumpFor(50);
    }

    CWnd* Bar() { return CWnd::FromHandle(bar); }
    Snapshot Band() { return Snapshot(host.Hwnd(), kBand); }

    // The outline stands at left (and nowhere else) against the picture before the drag, in
    // the halftone that inverts every other pixel.
    bool OutlineAt(const Snapshot& before, int left)
    {
        Snapshot now = Band();
        int inside = now.Differences(before, {left, kBand.top, left + 4, kBand.bottom});
        return inside > 0 && 2 * inside <= 4 * (kBand.bottom - kBand.top) && inside == now.Differences(before);
    }
    DragScript::Step WaitForOutline(const Snapshot& before, int left)
    {
        return WaitFor([this, &before, left] { return OutlineAt(before, left); });
    }

    RECT Pane(int i)
    {
        RECT rc;
        splitter.GetPaneRect(i, &rc);
        return rc;
    }
    RECT BarRect()
    {
        RECT rc;
        splitter.GetSplitterRect(&rc);
        return rc;
    }
    void ExpectUnchanged()
    {
        EXPECT_EQ(Pane(0), (RECT{0, 0, 246, 300}));
        EXPECT_EQ(Pane(1), (RECT{250, 0, 400, 300}));
        EXPECT_EQ(BarRect(), (RECT{246, 0, 250, 300}));
        EXPECT_EQ(PlaceInParent(bar), (RECT{246, 0, 250, 300}));
        EXPECT_EQ(PlaceInParent(pane0), (RECT{0, 0, 246, 300}));
    }
};

TEST_F(SplitterTrack, RefusesToStartWithoutRoomCaptureOrAProperWindow)
{
    const Snapshot before = Band();
    DragScript watchdog(host.Hwnd(), {});            // ends a drag that should not have begun

    // Another window holds the capture: nothing is drawn, the capture stays where it is.
    ::SetCapture(host.Hwnd());
    EXPECT_EQ(splitter.Track(Bar(), CPoint(2, 10)), 0);
    EXPECT_EQ(::GetCapture(), host.Hwnd());
    ::ReleaseCapture();

    // No window, a window without a parent.
    EXPECT_EQ(splitter.Track(nullptr, CPoint(0, 0)), 0);
    EXPECT_EQ(splitter.Track(CWnd::FromHandle(host.Hwnd()), CPoint(0, 0)), 0);

    // No room between the minimum sizes.
    splitter.SetPaneSize(0, -1, 200);
    splitter.SetPaneSize(1, -1, 192);
    EXPECT_EQ(splitter.Track(Bar(), CPoint(2, 10)), 0);
    EXPECT_EQ(watchdog.Ticks(), 0);
    splitter.SetPaneSize(0, -1, 50);
    splitter.SetPaneSize(1, -1, 30);

    // A hidden pane, a bar that is not movable.
    splitter.ShowPane(1, 0);
    EXPECT_EQ(splitter.Track(Bar(), CPoint(2, 10)), 0);
    splitter.ShowPane(1, 1);
    vxCtrlSplitter fixedBar;
    ASSERT_EQ(fixedBar.CreateSplitter(bar, 0, 1, 0), 1);
    EXPECT_EQ(fixedBar.Track(Bar(), CPoint(2, 10)), 0);

    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Band(), before);
    ExpectUnchanged();
}

TEST_F(SplitterTrack, ReleaseAtTheStartChangesNothing)
{
    const Snapshot before = Band();
    bool outlineShown = false;
    DragScript script(host.Hwnd(), {
        WaitFor([&] { return outlineShown = OutlineAt(before, 246); }),
        Post(bar, WM_LBUTTONUP, 0, MAKELPARAM(2, 10)),
    });
    EXPECT_EQ(splitter.Track(Bar(), CPoint(2, 10)), 0);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(outlineShown);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Band(), before);
    ExpectUnchanged();
}

TEST_F(SplitterTrack, DragOfTwentyMovesTheBarAndTheFixedPaneKeepsItsSize)
{
    const Snapshot before = Band();
    HCURSOR during = nullptr;
    DragScript script(host.Hwnd(), {
        PostMove(bar, 20, 10),
        WaitForOutline(before, 266),
        Do([&] { during = ::GetCursor(); }),
        Post(bar, WM_LBUTTONUP, 0, MAKELPARAM(20, 10)),
    });
    EXPECT_EQ(splitter.Track(Bar(), CPoint(2, 10)), 1);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(during, splitter.GetCursor());
    EXPECT_EQ(::GetCapture(), nullptr);

    EXPECT_EQ(Pane(0), (RECT{0, 0, 266, 300}));
    EXPECT_EQ(Pane(1), (RECT{270, 0, 400, 300}));
    EXPECT_EQ(BarRect(), (RECT{266, 0, 270, 300}));
    EXPECT_EQ(PlaceInParent(pane0), (RECT{0, 0, 266, 300}));
    EXPECT_EQ(PlaceInParent(pane1), (RECT{270, 0, 400, 300}));
    EXPECT_EQ(PlaceInParent(bar), (RECT{266, 0, 270, 300}));

    // Outline gone: once painted, the band shows exactly the new arrangement, and painting
    // everything again changes nothing.
    vxtest::PumpFor(50);
    const Snapshot after = Band();
    for (int x : {0, 100, 246, 249, 265})
        EXPECT_EQ(vxtest::PixelAt(host.Hwnd(), x, 100), RGB(255, 255, 255)) << x;
    for (int x : {266, 267, 268, 269})
        EXPECT_EQ(vxtest::PixelAt(host.Hwnd(), x, 101), RGB(64, 64, 64)) << x;
    for (int x : {270, 300, 399})
        EXPECT_EQ(vxtest::PixelAt(host.Hwnd(), x, 100), RGB(160, 160, 160)) << x;
    Repaint();
    EXPECT_EQ(Band(), after);

    // Pane 1 is the fixed pane: 20 smaller from now on.
    splitter.Layout(0, 0, 400, 300);
    EXPECT_EQ(Pane(1), (RECT{270, 0, 400, 300}));
    splitter.Layout(0, 0, 600, 300);
    EXPECT_EQ(Pane(1), (RECT{470, 0, 600, 300}));
    EXPECT_EQ(PlaceInParent(pane1), (RECT{470, 0, 600, 300}));
}

TEST_F(SplitterTrack, EscapeAndTheRightButtonCancel)
{
    const Snapshot before = Band();
    struct Ending {
        const char* name;
        DragScript::Step step;
    };
    const Ending endings[] = {
        {"posted Escape", Post(bar, WM_KEYDOWN, VK_ESCAPE)},
        {"right button", Post(bar, WM_RBUTTONDOWN, MK_RBUTTON)},
        {"typed Escape", Do([] { RawKey(VK_ESCAPE, false); RawKey(VK_ESCAPE, true); })},
    };
    vxtest::GuiCounts afterFirst;
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.name);
        DragScript script(host.Hwnd(), {
            PostMove(bar, 30, 10),
            WaitForOutline(before, 276),
            ending.step,
        });
        EXPECT_EQ(splitter.Track(Bar(), CPoint(2, 10)), 0);
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(Band(), before);
        ExpectUnchanged();
        vxtest::PumpFor(30);                              // the key's release, after the drag
        if (&ending == &endings[0])
            afterFirst = vxtest::GuiCounts::Now();
    }
    // Each drag gave back the device contexts it drew the outline with.
    EXPECT_EQ(vxtest::GuiCounts::Now(), afterFirst) << vxtest::ToString(afterFirst);
}

TEST_F(SplitterTrack, OtherKeysNeitherEndTheDragNorReachAWindow)
{
    const Snapshot before = Band();
    host.Recorder().Clear();
    DragScript script(host.Hwnd(), {
        PostMove(bar, 30, 10),
        WaitForOutline(before, 276),
        Do([] { RawKey('A', false); }),
        WaitFor([] { return (::GetKeyState('A') & 0x8000) != 0; }),   // taken by the loop
        Do([] { RawKey('A', true); }),
        WaitFor([] { return (::GetKeyState('A') & 0x8000) == 0; }),
        Post(host.Hwnd(), WM_KEYDOWN, 'B'),
        Post(host.Hwnd(), WM_CHAR, 'b'),
        WaitForOutline(before, 276),                      // still dragging
        Post(bar, WM_LBUTTONUP),
    });
    EXPECT_EQ(splitter.Track(Bar(), CPoint(2, 10)), 1);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(host.Recorder().Count(WM_KEYDOWN), 0);
    EXPECT_EQ(host.Recorder().Count(WM_KEYUP), 0);
    EXPECT_EQ(host.Recorder().Count(WM_CHAR), 0);
    EXPECT_EQ(Pane(0), (RECT{0, 0, 276, 300}));
}

TEST_F(SplitterTrack, TimersKeepFiringDuringTheDrag)
{
    const Snapshot before = Band();
    host.Recorder().Clear();
    ::SetTimer(host.Hwnd(), 77, 10, nullptr);
    auto ticks = [&] {
        return host.Recorder().Filter([](const vxtest::RecordedMessage& m) {
            return m.message == WM_TIMER && m.wParam == 77;
        }).size();
    };
    DragScript script(host.Hwnd(), {
        PostMove(bar, 10, 10),
        WaitFor([&] { return ticks() >= 3; }),
        WaitForOutline(before, 256),
        Post(bar, WM_LBUTTONUP),
    });
    EXPECT_EQ(splitter.Track(Bar(), CPoint(2, 10)), 1);
    ::KillTimer(host.Hwnd(), 77);
    EXPECT_TRUE(script.Finished());
    EXPECT_GE(ticks(), 3u);
}

TEST_F(SplitterTrack, CaptureTakenAwayAppliesTheDragWhereTheOutlineStands)
{
    const Snapshot before = Band();
    DragScript script(host.Hwnd(), {
        PostMove(bar, 10, 10),
        WaitForOutline(before, 256),
        Do([&] { ::SetCapture(host.Hwnd()); }),
    });
    EXPECT_EQ(splitter.Track(Bar(), CPoint(2, 10)), 1);
    EXPECT_TRUE(script.Finished());
    // The capture stays with the window that took it.
    EXPECT_EQ(::GetCapture(), host.Hwnd());
    ::ReleaseCapture();
    EXPECT_EQ(Pane(0), (RECT{0, 0, 256, 300}));
    EXPECT_EQ(PlaceInParent(bar), (RECT{256, 0, 260, 300}));
}

TEST_F(SplitterTrack, QuitEndsTheDragCancelledAndReachesTheHostLoop)
{
    const Snapshot before = Band();
    DragScript script(host.Hwnd(), {
        PostMove(bar, 40, 10),
        WaitForOutline(before, 286),
        Do([] { ::PostQuitMessage(7); }),
    });
    EXPECT_EQ(splitter.Track(Bar(), CPoint(2, 10)), 0);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Band(), before);
    ExpectUnchanged();
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(SplitterTrack, DraggedWithTheRealMouse)
{
    int result = -1;
    SetPressHandler(bar, [&](POINT client) { result = splitter.Track(Bar(), CPoint(client)); });
    const Snapshot before = Band();
    const POINT start = vxtest::ScreenPoint(host.Hwnd(), 248, 150);
    vxtest::MouseMove(start);
    DragScript script(host.Hwnd(), {
        WaitFor([&] { return ::GetCapture() == bar; }),
        Do([&] { RawMouseMove({start.x + 25, start.y + 40}); }),
        WaitForOutline(before, 273),                      // the leading edge follows the pointer
        Do([&] { RawMouseMove({start.x + 400, start.y}); }),
        WaitForOutline(before, 366),
        Do([&] { RawMouseMove({start.x + 25, start.y}); }),
        WaitForOutline(before, 273),
        Do([] { RawMouseButton(MOUSEEVENTF_LEFTUP); }),
    });
    RawMouseButton(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return result != -1; }, 10000));
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Pane(0), (RECT{0, 0, 273, 300}));
    EXPECT_EQ(PlaceInParent(bar), (RECT{273, 0, 277, 300}));
}

} // namespace
