// The host in the balloon's click: the notify window deletes the tooltip, or destroys the
// parent that owns the balloon, or is itself gone before the click; a balloon window that
// cannot be made, and one made again on the same object; run-time class.
#include "fault_injection.h"
#include "rvToolTip.h"
#include "tooltip_windows.h"

#include <gtest/gtest.h>

using namespace tiptest;

namespace {

TEST(TooltipHostUnkind, NotifyWindowDeletesTheTooltipOrDestroysItsParentInTheClick)
{
    for (vxtest::HostAct act : {vxtest::HostAct::DeleteControl, vxtest::HostAct::DestroyParent}) {
        SCOPED_TRACE(testing::Message() << "act " << (int)act);
        auto round = [&] {
            vxtest::HostWindow host;
            vxtest::HostWindow notify(200, 100);
            ::MoveWindow(notify.Hwnd(), 1000, 800, 200, 100, TRUE);
            rvToolTip* pTip = new rvToolTip;
            ASSERT_TRUE(pTip->Create(CWnd::FromHandle(host.Hwnd())));
            pTip->SetNotifyWnd(CWnd::FromHandle(notify.Hwnd()));
            bool fired = false;
            notify.SetHandler(vxtest::ActOnce(WM_TOOLTIP_CLICK, act, &pTip, host.Hwnd(), &fired));
            CPoint pt(vxtest::ScreenPoint(host.Hwnd(), 400, 300));
            pTip->Show("Click me", &pt, "");
            vxtest::PumpFor(30);
            const RECT rc = WindowRect(pTip->GetSafeHwnd());
            vxtest::Click({rc.left + 20, rc.top + 20});
            EXPECT_TRUE(vxtest::PumpUntil([&] { return fired; }, 1500));
            vxtest::PumpFor(50);
            delete pTip;
        };
        std::string report;
        EXPECT_TRUE(vxtest::RoundLeavesNothing(round, 16 * 1024, &report)) << report;
    }
}

TEST(TooltipLifetime, AWindowThatCannotBeMadeFailsAndTheObjectMakesOneLater)
{
    vxtest::HostWindow host;
    rvToolTip tip;
    {
        vxtest::FaultInjector injector;
        injector.FailNextOf(vxtest::Request::Window);
        EXPECT_FALSE(tip.Create(CWnd::FromHandle(host.Hwnd())));
    }
    EXPECT_EQ(tip.GetSafeHwnd(), (HWND)NULL);
    // Made, destroyed, made again: the object lets go of each window at its end.
    ASSERT_TRUE(tip.Create(CWnd::FromHandle(host.Hwnd())));
    ::DestroyWindow(tip.GetSafeHwnd());
    EXPECT_EQ(tip.GetSafeHwnd(), (HWND)NULL);
    ASSERT_TRUE(tip.Create(CWnd::FromHandle(host.Hwnd())));
    CPoint pt(vxtest::ScreenPoint(host.Hwnd(), 400, 300));
    tip.Show("Again", &pt, "");
    vxtest::PumpFor(30);
    EXPECT_TRUE(tip.IsWindowVisible());
}

TEST(TooltipHostUnkind, NotifyWindowGoneBeforeTheClickHearsNothing)
{
    vxtest::HostWindow host;
    rvToolTip tip;
    ASSERT_TRUE(tip.Create(CWnd::FromHandle(host.Hwnd())));
    EXPECT_TRUE(tip.IsKindOf(RUNTIME_CLASS(rvToolTip)));
    EXPECT_STREQ(tip.GetRuntimeClass()->m_lpszClassName, "rvToolTip");
    {
        // Set through a temporary window object, which the idle pass frees.
        vxtest::HostWindow notify(200, 100);
        tip.SetNotifyWnd(CWnd::FromHandle(notify.Hwnd()));
        CWnd::DeleteTempMap();
    }
    CPoint pt(vxtest::ScreenPoint(host.Hwnd(), 400, 300));
    tip.Show("Click me", &pt, "");
    vxtest::PumpFor(30);
    const RECT rc = WindowRect(tip.GetSafeHwnd());
    host.Recorder().Clear();
    vxtest::Click({rc.left + 20, rc.top + 20});
    vxtest::PumpFor(100);
    EXPECT_EQ(host.Recorder().Count(WM_TOOLTIP_CLICK), 0);
    EXPECT_TRUE(tip.IsWindowVisible());
}

} // namespace
