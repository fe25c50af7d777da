// The host in the balloon's click: the notify window deletes the tooltip, or destroys the
// parent that owns the balloon, or is itself gone before the click; run-time class.
#include "rvToolTip.h"
#include "tooltip_windows.h"

#include <gtest/gtest.h>

using namespace tiptest;

namespace {

TEST(TooltipHostUnkind, NotifyWindowDeletesTheTooltipOrDestroysItsParentInTheClick)
{
    enum class Act { DeleteTooltip, DestroyParent };
    auto round = [](Act act, bool* pFired) {
        vxtest::HostWindow host;
        vxtest::HostWindow notify(200, 100);
        ::MoveWindow(notify.Hwnd(), 1000, 800, 200, 100, TRUE);
        rvToolTip* pTip = new rvToolTip;
        ASSERT_TRUE(pTip->Create(CWnd::FromHandle(host.Hwnd())));
        pTip->SetNotifyWnd(CWnd::FromHandle(notify.Hwnd()));
        HWND hHost = host.Hwnd();
        notify.SetHandler([&](UINT message, WPARAM, LPARAM, LRESULT&) {
            if (message != WM_TOOLTIP_CLICK || pTip == NULL)
                return false;
            if (act == Act::DeleteTooltip) {
                delete pTip;
                pTip = NULL;
            } else {
                ::DestroyWindow(hHost);
            }
            *pFired = true;
            return true;
        });
        CPoint pt(vxtest::ScreenPoint(hHost, 400, 300));
        pTip->Show("Click me", &pt, "");
        vxtest::PumpFor(30);
        const RECT rc = WindowRect(pTip->GetSafeHwnd());
        vxtest::Click({rc.left + 20, rc.top + 20});
        vxtest::PumpUntil([&] { return *pFired; }, 1500);
        vxtest::PumpFor(50);
        delete pTip;
    };

    for (Act act : {Act::DeleteTooltip, Act::DestroyParent}) {
        SCOPED_TRACE(testing::Message() << "act " << (int)act);
        bool fired = false;
        round(act, &fired);
        const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
        const size_t bytesBefore = vxtest::HeapBytesInUse();
        fired = false;
        round(act, &fired);
        EXPECT_TRUE(fired);
        vxtest::PumpMessages();
        EXPECT_EQ(vxtest::GuiCounts::Now(), before) << vxtest::ToString(vxtest::GuiCounts::Now());
        EXPECT_LT(vxtest::HeapBytesInUse(), bytesBefore + 16 * 1024);
    }
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
