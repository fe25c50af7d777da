// Two monitors side by side, each 1024 x 768, the primary one at the origin and the second one
// right of it or, in ./dev's other layout, left of it at negative coordinates (the stand-in
// displays of ./dev; on one monitor every case is skipped): drop lists and tips on the monitor
// they belong to, and drags of a sizer bar and a splitter on the second one.
#include "vxCtrlComboBox.h"
#include "vxCtrlSplitter.h"
#include "vxCtrlSysTips.h"
#include "sizer_rig.h"
#include "rvToolTip.h"
#include "splitter_windows.h"
#include "tips_test_util.h"
#include "vxtest.h"
#include "vxtest_checks.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const RECT kPrimaryMonitor = {0, 0, 1024, 768};

class TwoMonitors : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The two-monitor run says it expects them; elsewhere the cases stand aside.
        if (const char* expected = std::getenv("VX_EXPECT_MONITORS")) {
            ASSERT_EQ(::GetSystemMetrics(SM_CMONITORS), std::atoi(expected));
        }
        if (::GetSystemMetrics(SM_CMONITORS) != 2)
            GTEST_SKIP() << "one monitor: these cases run on the two-monitor display";
        ASSERT_TRUE(vxtest::SameRect(MonitorRect({500, 300}), kPrimaryMonitor));
        // The second monitor: right of the primary, or left of it.
        const int sideX = ::GetSystemMetrics(SM_XVIRTUALSCREEN) < 0 ? -500 : 1500;
        second = MonitorRect({sideX, 300});
        ASSERT_EQ(second.right - second.left, 1024) << vxtest::Show(second);
        ASSERT_FALSE(vxtest::SameRect(second, kPrimaryMonitor));
        ::SetWindowPos(host.Hwnd(), NULL, second.left + 76, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        vxtest::PumpMessages();
    }

    static RECT MonitorRect(POINT pt)
    {
        MONITORINFO info = {};
        info.cbSize = sizeof(info);
        ::GetMonitorInfoA(::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &info);
        return info.rcMonitor;
    }
    // A point of the screen in the host's client coordinates.
    POINT ClientPoint(int x, int y) const
    {
        POINT pt = {x, y};
        ::ScreenToClient(host.Hwnd(), &pt);
        return pt;
    }
    CWnd* Host() { return CWnd::FromHandle(host.Hwnd()); }
    // A window's rectangle on the screen.
    static RECT ScreenRect(HWND hwnd)
    {
        RECT rc;
        ::GetWindowRect(hwnd, &rc);
        return rc;
    }

    vxtest::HostWindow host{600, 600};
    RECT second = {};
};

// The drop list of a combo at this client point of the host, opened; its screen rectangle.
RECT DroppedRect(CWnd* pHost, int x, int y)
{
    vxCtrlComboBox combo;
    combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(x, y, x + 200, y + 24), pHost, 100);
    for (int i = 0; i < 10; ++i)
        combo.AddString(_T("item"));
    combo.ShowDropDown(TRUE);
    vxtest::PumpMessages();
    RECT rc = {};
    combo.GetDroppedControlRect(&rc);
    combo.ShowDropDown(FALSE);
    combo.DestroyWindow();
    return rc;
}

TEST_F(TwoMonitors, DropListsStayOnTheMonitorOfTheirCombo)
{
    // Near the bottom of the second monitor: opened above the combo, within that monitor.
    const int comboTop = second.bottom - 60 - 24;   // its bottom 60 above the edge
    const RECT up = DroppedRect(Host(), 300, ClientPoint(0, comboTop).y);
    EXPECT_EQ(up.bottom, comboTop);
    EXPECT_GT(up.top, second.top);
    EXPECT_GT(up.left, second.left);

    // At the second monitor's left edge: the list stays on it, not pushed onto the other one.
    const RECT atLeft = DroppedRect(Host(), ClientPoint(second.left, 0).x, 100);
    EXPECT_EQ(atLeft.left, second.left);
    EXPECT_EQ(atLeft.right, second.left + 200);

    // Three quarters of the combo on the second monitor: its list is moved left to end at
    // that monitor's right edge rather than running onto the next one.
    const RECT straddling = DroppedRect(Host(), ClientPoint(second.right - 150, 0).x, 100);
    EXPECT_EQ(straddling.right, second.right);
    EXPECT_EQ(straddling.left, second.right - 200);
}

TEST_F(TwoMonitors, TipsStackOnThePrimaryMonitorOrTheOneChosen)
{
    tipstest::OpenSysTips* pTips = tipstest::NewManager(2);
    tipstest::TipWindow first(300, 120), next(300, 120);
    _tagstSysTips tip = first.Record(0, 0, 0);
    ASSERT_EQ(pTips->AddTips(tip.src, &tip), 1);
    const RECT work = tipstest::WorkArea();
    EXPECT_EQ(first.Rect().right, work.right);
    EXPECT_EQ(first.Rect().top, work.bottom - 175);
    EXPECT_LE(first.Rect().right, kPrimaryMonitor.right);

    // Chosen: the second monitor; the shown tip moves over, the next one stacks above it.
    const POINT inSecond = {second.left + 500, 300};
    pTips->SetMonitor(::MonitorFromPoint(inSecond, MONITOR_DEFAULTTONEAREST));
    EXPECT_EQ(first.Rect().right, second.right);
    tip = next.Record(0, 0, 0);
    ASSERT_EQ(pTips->AddTips(tip.src, &tip), 1);
    EXPECT_EQ(next.Rect().right, second.right);
    EXPECT_EQ(next.Rect().top, second.bottom - 175);
    EXPECT_EQ(first.Rect().top, second.bottom - 350);
    tipstest::DestroyManager(pTips);
}

TEST_F(TwoMonitors, BalloonStandsAboveLeftOfItsPointOnTheSecondMonitor)
{
    rvToolTip tip;
    ASSERT_TRUE(tip.Create(Host()));
    CPoint pt(second.left + 400, 300);
    tip.Show("On the second monitor", &pt, "");
    vxtest::PumpMessages();
    CRect rc;
    tip.GetWindowRect(&rc);
    // The stem's tip on the point, a margin in from the balloon's right edge.
    EXPECT_EQ(rc.right - pt.x, 13);
    EXPECT_LT(rc.top, pt.y);
    EXPECT_GT(rc.left, second.left);
    EXPECT_EQ(::MonitorFromRect(&rc, MONITOR_DEFAULTTONULL),
              ::MonitorFromPoint(pt, MONITOR_DEFAULTTONULL));

    // Near the top-left corner of either monitor it turns below and right of the point and
    // stays on that monitor, the stem still on the point.
    for (const RECT& monitor : {kPrimaryMonitor, second}) {
        CPoint corner(monitor.left + 20, monitor.top + 10);
        tip.Show("In the corner", &corner, "");
        vxtest::PumpMessages();
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(::GetWindowRgn(tip.GetSafeHwnd(), hRgn), ERROR);
        tip.GetWindowRect(&rc);
        ::OffsetRgn(hRgn, rc.left, rc.top);
        RECT shown;
        ::GetRgnBox(hRgn, &shown);
        RECT within;
        EXPECT_TRUE(::IntersectRect(&within, &shown, &monitor) && ::EqualRect(&within, &shown))
            << vxtest::Show(shown);
        EXPECT_TRUE(::PtInRegion(hRgn, corner.x + 1, corner.y + 3));
        ::DeleteObject(hRgn);
    }
    tip.Hide(0);
}

TEST_F(TwoMonitors, SizerBarDraggedOnTheSecondMonitor)
{
    SizerRig rig(Host());
    vxtest::PumpMessages();
    const POINT press = vxtest::ScreenPoint(rig.bar.m_hWnd, 2, 100);
    ASSERT_GT(press.x, second.left);
    vxtest::MouseMove(press);
    vxtest::MouseDown();
    ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == rig.bar.m_hWnd; }));
    vxtest::MouseMove({press.x + 150, press.y});
    vxtest::MouseUp();
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == NULL; }));
    CRect rc;
    rig.left.GetWindowRect(&rc);
    EXPECT_NEAR(rc.Width(), 250, 1);
}

TEST_F(TwoMonitors, SplitterDraggedOnTheSecondMonitor)
{
    int result = -1;
    splittest::DragRig rig(host.Hwnd(), &result);
    const POINT press = vxtest::ScreenPoint(rig.bar, 2, 150);
    ASSERT_GT(press.x, second.left);
    vxtest::MouseDrag(press, {press.x - 100, press.y});
    ASSERT_TRUE(vxtest::PumpUntil([&] { return result != -1; }));
    EXPECT_EQ(result, 1);
    // The bar's leading edge goes where the pointer goes: pressed at 248, 100 to the left.
    RECT rc;
    rig.splitter.GetPaneRect(0, &rc);
    EXPECT_NEAR(rc.right, 148, 1);
}

} // namespace
