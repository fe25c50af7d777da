// The layout with real windows under Wine: the deferred batch moves exactly the changed
// windows once each, hidden ones too, nothing without a parent; and sizer bars dragged with
// the mouse through SendInput, the message loop pumped.
#include "vxHorizLayout.h"
#include "vxSizerBar.h"
#include "vxtest.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct LayoutWindows : ::testing::Test {
    vxtest::HostWindow host{800, 600};
    CWnd parent;
    std::vector<std::unique_ptr<CStatic>> children;

    LayoutWindows() { parent.Attach(host.Hwnd()); }
    ~LayoutWindows() override
    {
        for (auto& child : children)
            child->DestroyWindow();
        parent.Detach();
    }
    CStatic* MakeChild(UINT nID, bool bVisible = true)
    {
        children.push_back(std::make_unique<CStatic>());
        const DWORD style = WS_CHILD | SS_GRAYRECT | (bVisible ? WS_VISIBLE : 0);
        children.back()->Create(_T(""), style, CRect(0, 0, 10, 10), &parent, nID);
        return children.back().get();
    }
    // The window's rectangle in the host's client coordinates.
    CRect Place(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        ::MapWindowPoints(NULL, host.Hwnd(), reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    CPoint Screen(int x, int y) { return CPoint(vxtest::ScreenPoint(host.Hwnd(), x, y)); }
};

int Moves(const vxtest::MessageRecorder& recorder) { return recorder.Count(WM_WINDOWPOSCHANGED); }

TEST_F(LayoutWindows, BatchMovesExactlyTheChangedWindowsOnce)
{
    CStatic* pFixed = MakeChild(101);
    CStatic* pStretch = MakeChild(102);
    CStatic* pHidden = MakeChild(103, false);
    CStatic* pBottom = MakeChild(104);
    vxHorizLayout layout(&parent);
    layout.SetHeight(40);
    layout.AddItem(pFixed, StyleFixed);
    layout.SetItemSize(0, 0, 100);
    layout.AddItem(pStretch, StyleStretch);
    layout.AddItem(pHidden, StyleFixed);
    layout.SetItemSize(0, 2, 50);
    const int nBottom = layout.AddGroup(StyleStretch);
    layout.AddItem(nBottom, pBottom, StyleStretch);

    vxtest::MessageRecorder fixed(pFixed->m_hWnd), stretch(pStretch->m_hWnd),
        hidden(pHidden->m_hWnd), bottom(pBottom->m_hWnd);
    layout.CalcLayout(&parent);
    EXPECT_EQ(Moves(fixed), 1);
    EXPECT_EQ(Moves(stretch), 1);
    EXPECT_EQ(Moves(hidden), 1);
    EXPECT_EQ(Moves(bottom), 1);
    EXPECT_EQ(Place(pFixed), CRect(0, 0, 100, 40));
    EXPECT_EQ(Place(pStretch), CRect(100, 0, 750, 40));
    EXPECT_EQ(Place(pHidden), CRect(750, 0, 800, 40));
    EXPECT_EQ(Place(pBottom), CRect(0, 40, 800, 600));
    EXPECT_FALSE(pHidden->IsWindowVisible());

    // The same rectangle again: nothing moves.
    for (auto* pRec : {&fixed, &stretch, &hidden, &bottom})
        pRec->Clear();
    layout.CalcLayout(&parent);
    EXPECT_EQ(Moves(fixed) + Moves(stretch) + Moves(hidden) + Moves(bottom), 0);

    // Narrower: the fixed item keeps its place and is not moved; the others move once.
    layout.CalcLayout(CRect(0, 0, 600, 600), NULL);
    EXPECT_EQ(Moves(fixed), 0);
    EXPECT_EQ(Moves(stretch), 1);
    EXPECT_EQ(Moves(hidden), 1);
    EXPECT_EQ(Moves(bottom), 1);
    EXPECT_EQ(Place(pHidden), CRect(550, 0, 600, 40));

    // Lower only: the row keeps its rectangle, only the bottom group's window moves.
    for (auto* pRec : {&fixed, &stretch, &hidden, &bottom})
        pRec->Clear();
    layout.CalcLayout(600, 500, NULL);
    EXPECT_EQ(Moves(fixed) + Moves(stretch) + Moves(hidden), 0);
    EXPECT_EQ(Moves(bottom), 1);
    EXPECT_EQ(Place(pBottom), CRect(0, 40, 600, 500));
}

TEST_F(LayoutWindows, WithoutParentNothingMoves)
{
    CStatic* pItem = MakeChild(101);
    vxHorizLayout layout(NULL);
    layout.AddItem(pItem, StyleStretch);
    vxtest::MessageRecorder recorder(pItem->m_hWnd);
    layout.CalcLayout(CRect(0, 0, 300, 200), NULL);
    layout.CalcLayout(&parent);
    EXPECT_EQ(Moves(recorder), 0);
    EXPECT_EQ(Place(pItem), CRect(0, 0, 10, 10));
}

// A layout made as a member of its parent, in the parent's constructor: the window comes
// later, and items found by id and the moves use it once it exists.
TEST_F(LayoutWindows, ParentWhoseWindowComesAfterTheLayout)
{
    struct Form : CWnd {
        vxHorizLayout layout{this};
    } form;
    ASSERT_TRUE(form.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 50));
    CStatic item;
    item.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &form, 51);
    EXPECT_EQ(form.layout.AddItem(51, StyleStretch), 0);
    form.layout.SetHeight(200);
    form.layout.CalcLayout(&form);
    CRect rc;
    item.GetWindowRect(&rc);
    form.ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(0, 0, 300, 200));
    item.DestroyWindow();
    form.DestroyWindow();
}

// A row (items: left, bar, right) over a group holding a bar, over a stretching group.
struct SizerBarDrag : LayoutWindows {
    vxHorizLayout layout{&parent};
    CStatic* pLeft = MakeChild(201);
    CStatic* pRight = MakeChild(202);
    CStatic* pBottom = MakeChild(203);
    vxSizerBar itemBar;
    vxSizerBar groupBar;
    CRect freeClip;

    SizerBarDrag()
    {
        itemBar.Create(WS_CHILD | WS_VISIBLE, &parent, &layout, 210, CRect(0, 0, 4, 200));
        groupBar.Create(WS_CHILD | WS_VISIBLE, &parent, &layout, 211, CRect(0, 0, 800, 6));
        layout.SetHeight(200);
        layout.SetGroupMinSize(0, 100);
        layout.AddItem(pLeft, StyleFixed);
        layout.SetItemSize(0, 0, 100);
        layout.SetItemMinSize(0, 0, 50);
        layout.AddSplitterItem(0, 0, &itemBar);
        layout.SetItemSize(0, 1, 4);
        layout.AddItem(pRight, StyleStretch);
        layout.SetItemMinSize(0, 2, 20);
        layout.SetSplitterWnd(0, 1, 0, 2);
        const int nBarGroup = layout.AddGroup(StyleFixed);
        layout.AddSplitterItem(nBarGroup, 1, &groupBar);
        layout.SetGroupSize(nBarGroup, 6);
        const int nBottom = layout.AddGroup(StyleStretch, 150, 0x10000);
        layout.AddItem(nBottom, pBottom, StyleStretch);
        layout.SetSplitterGroup(nBarGroup, 0, 0, nBottom);
        layout.CalcLayout(&parent);
        ::SetForegroundWindow(host.Hwnd());
        ::SetFocus(host.Hwnd());
        vxtest::PumpMessages();
        ::GetClipCursor(&freeClip);
    }
    ~SizerBarDrag() override
    {
        ::ClipCursor(NULL);
        itemBar.DestroyWindow();
        groupBar.DestroyWindow();
    }
    CRect ClipNow()
    {
        CRect rc;
        ::GetClipCursor(&rc);
        return rc;
    }
    // Presses on the bar at a client point and waits until the drag has taken the capture.
    bool Press(CWnd& bar, CPoint client)
    {
        vxtest::MouseMove(Screen(client.x, client.y));
        vxtest::PumpMessages();
        vxtest::MouseDown();
        return vxtest::PumpUntil([&] { return ::GetCapture() == bar.m_hWnd; });
    }
    void MoveTo(CPoint client)
    {
        vxtest::MouseMove(Screen(client.x, client.y));
        vxtest::PumpMessages();
    }
    // Capture, clip and focus are all given back.
    void ExpectReleased()
    {
        EXPECT_EQ(::GetCapture(), (HWND)NULL);
        EXPECT_EQ(ClipNow(), freeClip);
        EXPECT_EQ(::GetFocus(), host.Hwnd());
    }
};

TEST_F(SizerBarDrag, BarBetweenItemsFollowsLiveWithinTheNeighboursLimits)
{
    ASSERT_EQ(Place(&itemBar), CRect(100, 0, 104, 200));
    ASSERT_TRUE(Press(itemBar, CPoint(102, 50)));
    EXPECT_EQ(::GetFocus(), itemBar.m_hWnd);
    // The edge may run from the left item's minimum to the right item's minimum, keeping
    // the cursor's distance from the bar's sides.
    const CPoint topLeft = Screen(50 + 2, 0);
    const CPoint bottomRight = Screen(800 - 20 - 2, 200);
    EXPECT_EQ(ClipNow(), CRect(topLeft, bottomRight));

    MoveTo(CPoint(150, 50));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return Place(pLeft).right == 148; }));
    EXPECT_EQ(Place(&itemBar), CRect(148, 0, 152, 200));
    EXPECT_EQ(Place(pRight), CRect(152, 0, 800, 200));
    // The cursor is held inside the clip: the left item does not fall below its minimum.
    MoveTo(CPoint(10, 50));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return Place(pLeft).right == 50; }));

    vxtest::MouseUp();
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == NULL; }));
    ExpectReleased();
    EXPECT_EQ(Place(pLeft), CRect(0, 0, 50, 200));
    EXPECT_EQ(Place(pBottom), CRect(0, 206, 800, 600));
}

TEST_F(SizerBarDrag, BarBetweenGroupsMovesTheGroups)
{
    ASSERT_EQ(Place(&groupBar), CRect(0, 200, 800, 206));
    ASSERT_TRUE(Press(groupBar, CPoint(400, 203)));
    const CRect clip = ClipNow();
    EXPECT_EQ(clip.left, Screen(0, 0).x);
    EXPECT_EQ(clip.right, Screen(800, 0).x);
    EXPECT_EQ(clip.top, Screen(0, 100 + 3).y);
    // The bar's lower edge stops where the lower group keeps its minimum of 150.
    EXPECT_EQ(clip.bottom, Screen(0, 600 - 150 - 3).y);

    MoveTo(CPoint(400, 263));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return Place(&groupBar).top == 260; }));
    EXPECT_EQ(Place(pLeft).bottom, 260);
    EXPECT_EQ(Place(&itemBar).bottom, 260);
    EXPECT_EQ(Place(pBottom), CRect(0, 266, 800, 600));
    vxtest::MouseUp();
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == NULL; }));
    ExpectReleased();
    EXPECT_EQ(Place(pBottom), CRect(0, 266, 800, 600));
}

TEST_F(SizerBarDrag, PressesOnBarsWithNothingToMoveStartNoDrag)
{
    // No layout; a layout the bar is no item of; an item whose next neighbour was never set.
    vxSizerBar loose, stranger, lonely;
    loose.Create(WS_CHILD | WS_VISIBLE, &parent, NULL, 220, CRect(300, 300, 306, 400));
    stranger.Create(WS_CHILD | WS_VISIBLE, &parent, &layout, 221, CRect(320, 300, 326, 400));
    lonely.Create(WS_CHILD | WS_VISIBLE, &parent, &layout, 222, CRect(340, 300, 346, 400));
    const int nGroup = layout.AddGroup(StyleFixed);
    layout.AddSplitterItem(nGroup, 0, &lonely);
    for (vxSizerBar* pBar : {&loose, &stranger, &lonely}) {
        SCOPED_TRACE(pBar->GetDlgCtrlID());
        vxtest::MouseMove(vxtest::ScreenPoint(pBar->m_hWnd, 3, 10));
        vxtest::PumpMessages();
        vxtest::MouseDown();
        vxtest::PumpFor(30);
        ExpectReleased();
        vxtest::MouseUp();
        vxtest::PumpFor(30);
    }
    loose.DestroyWindow();
    stranger.DestroyWindow();
    lonely.DestroyWindow();
}

TEST_F(SizerBarDrag, EscapeAndCancelModeEndTheDragWhereItIs)
{
    ASSERT_TRUE(Press(itemBar, CPoint(102, 50)));
    MoveTo(CPoint(130, 50));
    ASSERT_TRUE(vxtest::PumpUntil([&] { return Place(pLeft).right == 128; }));
    host.Recorder().Clear();
    vxtest::KeyPress(VK_ESCAPE);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == NULL; }));
    ExpectReleased();
    // Not passed on: the host sees no Escape.
    EXPECT_EQ(host.Recorder().Filter([](const vxtest::RecordedMessage& m) {
        return (m.message == WM_CHAR || m.message == WM_KEYDOWN) && m.wParam == VK_ESCAPE;
    }).size(), 0u);
    // Moving and releasing after the end changes nothing.
    MoveTo(CPoint(200, 50));
    vxtest::MouseUp();
    vxtest::PumpFor(50);
    EXPECT_EQ(Place(pLeft).right, 128);

    ASSERT_TRUE(Press(itemBar, CPoint(130, 50)));
    itemBar.SendMessage(WM_CANCELMODE);
    ExpectReleased();
    MoveTo(CPoint(160, 50));
    vxtest::MouseUp();
    vxtest::PumpFor(50);
    EXPECT_EQ(Place(pLeft).right, 128);
}

} // namespace
