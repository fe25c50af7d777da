// The layout with real windows under Wine: nothing moves without a parent or when the batch
// is lost; items start at their windows' sizes; drag steps; and sizer bars dragged with the
// mouse through SendInput, the loop pumped.
#include "fault_injection.h"
#include "layout_windows.h"
#include "vxSizerBar.h"

namespace {

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

TEST_F(LayoutWindows, ItemsStartAtTheirWindowsClientSizeWithinTheMargins)
{
    CStatic* pA = MakeChild(101, true, CSize(60, 20));
    CStatic* pB = MakeChild(102, true, CSize(80, 30));
    vxVertLayout layout(&parent);
    layout.SetWidth(100);
    layout.AddItem(pA, StyleFixed);
    layout.AddSpacerItem();
    layout.AddItem(123, StyleFixed); // no child 123: an item of size 0
    layout.AddItem(pB, StyleFixed);
    layout.CalcLayout(200, 300, NULL);
    EXPECT_EQ(Place(pA), CRect(0, 0, 100, 20));
    EXPECT_EQ(layout.GetItem(NULL)->m_rect, CRect(0, 20, 100, 270)); // the spacer
    EXPECT_EQ(Place(pB), CRect(0, 270, 100, 300));

    // Margins inset the rectangle of either overload; a window lays out in its client area.
    layout.SetMargins(1, 2, 3, 4);
    layout.CalcLayout(CRect(10, 20, 110, 220), NULL);
    EXPECT_EQ(Place(pA), CRect(11, 22, 111, 42));
    layout.CalcLayout(&parent);
    EXPECT_EQ(Place(pB), CRect(1, 566, 101, 596));
    // Without a window to measure there is nothing to lay out in.
    CWnd none;
    layout.CalcLayout(&none);
    layout.CalcLayout(static_cast<CWnd*>(NULL));
    EXPECT_EQ(Place(pB), CRect(1, 566, 101, 596));
}

TEST_F(LayoutWindows, ALostBatchMovesNothingAndKeepsEveryFlagForTheNextAttempt)
{
    CStatic* pA = MakeChild(101, true, CSize(40, 10));
    CStatic* pB = MakeChild(102, true, CSize(40, 10));
    vxHorizLayout layout(&parent);
    layout.SetHeight(20);
    layout.AddItem(pA, StyleFixed);
    layout.AddItem(pB, StyleFixed);
    vxtest::MessageRecorder a(pA->m_hWnd), b(pB->m_hWnd);
    {
        vxtest::FaultInjector injector;
        injector.FailNextOf(vxtest::Request::WindowBatch);
        layout.CalcLayout(800, 600, NULL);
        EXPECT_TRUE(injector.Failed());
    }
    EXPECT_EQ(Moves(a) + Moves(b), 0);
    EXPECT_EQ(layout.GetItem(pA)->m_bDirty, 1);
    EXPECT_EQ(layout.GetItem(pB)->m_bDirty, 1);
    layout.CalcLayout(800, 600, NULL);
    EXPECT_EQ(Moves(a), 1);
    EXPECT_EQ(Moves(b), 1);
    EXPECT_EQ(Place(pB), CRect(40, 0, 80, 20));
    EXPECT_EQ(layout.GetItem(pB)->m_bDirty, 0);
}

// A row of a fixed item, a 4-pixel bar and a second fixed item, as a host builds it for a bar.
TEST_F(LayoutWindows, DragStepsMoveTheNeighboursEdgeAndNothingWithoutBothNeighbours)
{
    CStatic* pPrev = MakeChild(101);
    CStatic* pBar = MakeChild(102);
    CStatic* pNext = MakeChild(103);
    vxHorizLayout layout(&parent);
    layout.SetHeight(40);
    layout.AddItem(pPrev, StyleFixed);
    layout.SetItemSize(0, 0, 100);
    layout.AddSplitterItem(0, 0, pBar);
    layout.SetItemSize(0, 1, 4);
    layout.AddItem(pNext, StyleFixed);
    layout.SetItemSize(0, 2, 100);
    ASSERT_EQ(layout.SetSplitterWnd(0, 1, 0, 2), 1);
    layout.CalcLayout(300, 40, NULL);
    vxLayoutItem* pItem = layout.GetItem(pBar);
    layout.MoveLayoutItems(pItem, CPoint(10, 3));
    EXPECT_EQ(Place(pNext), CRect(114, 0, 204, 40));
    // Without both neighbours there is no edge to move.
    vxtest::MessageRecorder prev(pPrev->m_hWnd), bar(pBar->m_hWnd), next(pNext->m_hWnd);
    pItem->m_pNext = NULL;
    layout.MoveLayoutItems(pItem, CPoint(10, 10));
    pItem->m_pNext = layout.GetItem(pNext);
    pItem->m_pPrev = NULL;
    layout.MoveLayoutItems(pItem, CPoint(10, 10));
    layout.MoveLayoutItems(NULL, CPoint(10, 10));
    EXPECT_EQ(Moves(prev) + Moves(bar) + Moves(next), 0);
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
    EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, IDC_SIZEWE));
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
    EXPECT_EQ(::GetCursor(), ::LoadCursor(NULL, IDC_SIZENS));
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
    // The next calculation keeps the fixed row's new height and shares the rest anew.
    layout.CalcLayout(800, 700, NULL);
    EXPECT_EQ(Place(pLeft).bottom, 260);
    EXPECT_EQ(Place(pBottom), CRect(0, 266, 800, 700));
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
