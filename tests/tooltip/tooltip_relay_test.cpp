// Tools, relayed mouse messages and the show and hide timers, with the pointer moved by
// SetCursorPos and the tooltip fed as a host's message loop would feed it.
#include "rvToolTip.h"
#include "tooltip_windows.h"

#include "vxtest_checks.h"

#include <gtest/gtest.h>

using namespace tiptest;

namespace {

struct ProbeTip : rvToolTip {
    using rvToolTip::m_nTimer;
    using rvToolTip::m_strText;
};

const int kShowDelay = 400;

struct TooltipRelay : ::testing::Test {
    vxtest::HostWindow host{800, 600};
    HWND toolA = Child(host.Hwnd(), 20, 20, 200, 150);
    HWND toolB = Child(host.Hwnd(), 300, 20, 200, 150);
    HWND inner = Child(toolA, 120, 90, 60, 40);      // a child control of tool A
    ProbeTip tip;

    static HWND Child(HWND parent, int x, int y, int cx, int cy)
    {
        return CreateToolWindow(parent, x, y, cx, cy);
    }

    void SetUp() override
    {
        ASSERT_TRUE(tip.Create(CWnd::FromHandle(host.Hwnd())));
        tip.AddTool(CWnd::FromHandle(toolA), _T("Tool A"), nullptr);
        tip.AddTool(CWnd::FromHandle(toolB), _T("Tool B"), nullptr);
        tip.SetShowDelay(kShowDelay);
        tip.SetHideDelay(200);
        vxtest::PumpMessages();
    }

    POINT In(HWND hwnd, int x, int y) { return vxtest::ScreenPoint(hwnd, x, y); }
    bool Visible() { return tip.IsWindowVisible() != FALSE; }
    // Waits for the balloon to show; answers the time it took.
    DWORD TimeUntilShown(DWORD since)
    {
        EXPECT_TRUE(vxtest::PumpUntil([&] { return Visible(); }, 5000));
        return ::GetTickCount() - since;
    }
};

TEST_F(TooltipRelay, BalloonAppearsAfterTheShowDelayWithItsTipOnThePointer)
{
    const POINT p = In(toolA, 50, 60);
    const DWORD start = ::GetTickCount();
    RelayMoveTo(tip, p);
    EXPECT_EQ(tip.m_nTimer, 100u);
    EXPECT_FALSE(Visible());
    // Timers never fire early, however slow the machine.
    EXPECT_GE(TimeUntilShown(start) + 20, static_cast<DWORD>(kShowDelay));
    EXPECT_EQ(tip.m_strText, "Tool A");
    POINT tipPoint = TipOf(tip.GetSafeHwnd());
    EXPECT_EQ(tipPoint, vxtest::Pt(p.x, p.y));
    EXPECT_EQ(tip.m_nTimer, 101u);                   // the hide check runs

    // A relay at the same place changes nothing; moving on (off every tool) hides it after
    // the hide check sees the pointer moved.
    RelayMoveTo(tip, p);
    EXPECT_TRUE(Visible());
    RelayMoveTo(tip, In(host.Hwnd(), 700, 500));
    EXPECT_TRUE(Visible());
    EXPECT_TRUE(vxtest::PumpUntil([&] { return !Visible(); }, 5000));
    EXPECT_EQ(tip.m_nTimer, 0u);
}

TEST_F(TooltipRelay, MovingWithinAToolRestartsTheDelay)
{
    RelayMoveTo(tip, In(toolA, 30, 30));
    vxtest::PumpFor(kShowDelay / 2);
    const DWORD restart = ::GetTickCount();
    const POINT p2 = In(toolA, 60, 40);
    RelayMoveTo(tip, p2);
    EXPECT_GE(TimeUntilShown(restart) + 20, static_cast<DWORD>(kShowDelay));
    EXPECT_EQ(TipOf(tip.GetSafeHwnd()).x, p2.x);

    // A move while shown hides at once, and the balloon comes back where the pointer rests.
    const POINT p3 = In(toolA, 90, 70);
    RelayMoveTo(tip, p3);
    EXPECT_FALSE(Visible());
    const DWORD again = ::GetTickCount();
    EXPECT_GE(TimeUntilShown(again) + 20, static_cast<DWORD>(kShowDelay));
    EXPECT_EQ(TipOf(tip.GetSafeHwnd()), vxtest::Pt(p3.x, p3.y));

    // Another tool shows its own text.
    RelayMoveTo(tip, In(toolB, 40, 40));
    TimeUntilShown(::GetTickCount());
    EXPECT_EQ(tip.m_strText, "Tool B");
}

TEST_F(TooltipRelay, ChildControlOfAToolIsNoTool)
{
    // Resting on the child shows nothing.
    RelayMoveTo(tip, In(inner, 10, 10));
    EXPECT_EQ(tip.m_nTimer, 0u);
    vxtest::PumpFor(kShowDelay + 300);
    EXPECT_FALSE(Visible());

    // Shown for tool A, then onto the child: hidden after the hide delay, not at once.
    RelayMoveTo(tip, In(toolA, 20, 20));
    TimeUntilShown(::GetTickCount());
    RelayMoveTo(tip, In(inner, 10, 10));
    EXPECT_TRUE(Visible());
    EXPECT_EQ(tip.m_nTimer, 101u);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return !Visible(); }, 5000));
}

TEST_F(TooltipRelay, RelayedButtonPressHidesAtOnce)
{
    for (UINT press : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_NCLBUTTONDOWN,
                       WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN}) {
        SCOPED_TRACE(vxtest::MessageName(press));
        RelayMoveTo(tip, In(toolA, 20 + static_cast<int>(press % 50), 30));
        TimeUntilShown(::GetTickCount());
        Relay(tip, press);
        EXPECT_FALSE(Visible());
    }
    // Other messages are ignored, a null message too.
    Relay(tip, WM_KEYDOWN);
    tip.RelayEvent(nullptr);
}

TEST_F(TooltipRelay, ToolsAreReplacedAndRemoved)
{
    tip.AddTool(CWnd::FromHandle(toolA), _T("Replaced"), nullptr);
    RelayMoveTo(tip, In(toolA, 20, 20));
    TimeUntilShown(::GetTickCount());
    EXPECT_EQ(tip.m_strText, "Replaced");
    tip.Hide(0);

    // Removing a tool whose show is pending drops the show.
    RelayMoveTo(tip, In(toolA, 40, 20));
    EXPECT_EQ(tip.m_nTimer, 100u);
    tip.RemoveTool(CWnd::FromHandle(toolA));
    EXPECT_EQ(tip.m_nTimer, 0u);
    vxtest::PumpFor(kShowDelay + 300);
    EXPECT_FALSE(Visible());
    RelayMoveTo(tip, In(toolA, 60, 20));
    EXPECT_EQ(tip.m_nTimer, 0u);

    // Null windows are ignored.
    tip.AddTool(nullptr, _T("nothing"), nullptr);
    tip.RemoveTool(nullptr);
}

TEST_F(TooltipRelay, DestroyedToolOrTooltipLeavesNoTimerBehind)
{
    // The tool window goes while its show is pending: nothing is shown.
    HWND doomed = Child(host.Hwnd(), 20, 300, 100, 100);
    tip.AddTool(CWnd::FromHandle(doomed), _T("Doomed"), nullptr);
    RelayMoveTo(tip, In(doomed, 30, 30));
    EXPECT_EQ(tip.m_nTimer, 100u);
    ::DestroyWindow(doomed);
    vxtest::PumpFor(kShowDelay + 300);
    EXPECT_FALSE(Visible());
    EXPECT_EQ(tip.m_nTimer, 0u);

    // The tooltip's window goes with show and auto-hide timers pending.
    RelayMoveTo(tip, In(toolA, 30, 30));
    tip.SetAutoHide(TRUE, 100);
    EXPECT_TRUE(tip.DestroyWindow());
    EXPECT_EQ(tip.m_nTimer, 0u);
    vxtest::PumpFor(kShowDelay + 300);

    // A tooltip object deleted with its window and a timer pending.
    auto* heapTip = new rvToolTip;
    ASSERT_TRUE(heapTip->Create(CWnd::FromHandle(host.Hwnd())));
    heapTip->AddTool(CWnd::FromHandle(toolB), _T("B"), nullptr);
    heapTip->SetShowDelay(100);
    RelayMoveTo(*heapTip, In(toolB, 30, 30));
    HWND hwnd = heapTip->GetSafeHwnd();
    delete heapTip;
    EXPECT_FALSE(::IsWindow(hwnd));
    vxtest::PumpFor(400);

    // Without a window, relaying and showing do nothing.
    rvToolTip unborn;
    unborn.AddTool(CWnd::FromHandle(toolA), _T("A"), nullptr);
    RelayMoveTo(unborn, In(toolA, 50, 50));
    CPoint pt(100, 100);
    unborn.Show("x", &pt, "");
    unborn.SetTipText(_T("y"), &pt);
    unborn.Hide(100);
}

TEST_F(TooltipRelay, HideWithADelayOnlyWhenVisible)
{
    tip.Hide(300);
    EXPECT_EQ(tip.m_nTimer, 0u);                     // invisible: no hide check starts
    CPoint pt = In(host.Hwnd(), 400, 400);
    ::SetCursorPos(pt.x, pt.y);
    tip.Show("Direct", &pt, "");
    EXPECT_TRUE(Visible());
    tip.Hide(300);
    EXPECT_EQ(tip.m_nTimer, 101u);
    // The pointer has not moved since the show: the check keeps it up.
    vxtest::PumpFor(700);
    EXPECT_TRUE(Visible());
    ::SetCursorPos(pt.x + 30, pt.y);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return !Visible(); }, 5000));
    // The check ended with it: a balloon shown directly afterwards stays, wherever the
    // pointer goes, until it is hidden.
    tip.Show("Direct", &pt, "");
    ::SetCursorPos(pt.x + 60, pt.y);
    vxtest::PumpFor(700);
    EXPECT_TRUE(Visible());
    tip.Hide(0);
    EXPECT_FALSE(Visible());
}

} // namespace
