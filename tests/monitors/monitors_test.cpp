// Two monitors side by side, each 1024 x 768, the primary one at the origin (the stand-in
// display of ./dev's second run; on one monitor every case is skipped): drop lists and tips
// on the monitor they belong to, and drags of a sizer bar and a splitter on the right one.
#include "vxCtrlComboBox.h"
#include "vxCtrlSplitter.h"
#include "vxCtrlSysTips.h"
#include "vxHorizLayout.h"
#include "vxSizerBar.h"
#include "vxtest.h"
#include "vxtest_checks.h"

#include <gtest/gtest.h>

namespace {

const RECT kLeftMonitor = {0, 0, 1024, 768};
const RECT kRightMonitor = {1024, 0, 2048, 768};

class TwoMonitors : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (::GetSystemMetrics(SM_CMONITORS) != 2)
            GTEST_SKIP() << "one monitor: these cases run on the two-monitor display";
        ASSERT_TRUE(vxtest::SameRect(MonitorRect({1500, 300}), kRightMonitor))
            << vxtest::Show(MonitorRect({1500, 300}));
        ::SetWindowPos(host.Hwnd(), NULL, 1100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        vxtest::PumpMessages();
    }

    static RECT MonitorRect(POINT pt)
    {
        MONITORINFO info = {};
        info.cbSize = sizeof(info);
        ::GetMonitorInfoA(::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &info);
        return info.rcMonitor;
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
};

// The drop list of a combo at this client point of the host, opened; its screen rectangle.
RECT DroppedRect(CWnd* pHost, int x, int y)
{
    vxCtrlComboBox combo;
    combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(x, y, x + 200, y + 24), pHost, 100);
    for (int i = 0; i < 10; ++i)
        combo.AddString("item");
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
    // Near the bottom of the right monitor: opened above the combo, within that monitor.
    const int comboTop = kRightMonitor.bottom - 60 - 24;   // its bottom 60 above the edge
    POINT top = {0, comboTop};
    ::ScreenToClient(host.Hwnd(), &top);
    const RECT up = DroppedRect(Host(), 300, top.y);
    EXPECT_EQ(up.bottom, comboTop);
    EXPECT_GT(up.top, kRightMonitor.top);
    EXPECT_GT(up.left, kRightMonitor.left);

    // At the right monitor's left edge: the list stays on it, not pushed onto the left one.
    POINT origin = {0, 0};
    ::ClientToScreen(host.Hwnd(), &origin);
    const RECT edge = DroppedRect(Host(), 1024 - origin.x, 100);
    EXPECT_EQ(edge.left, 1024);
    EXPECT_EQ(edge.right, 1024 + 200);
}

// A plain top-level window the host fills, as a tip.
HWND NewTipWindow()
{
    return ::CreateWindowExA(0, "STATIC", "tip", WS_POPUP | WS_BORDER, 0, 0, 300, 120, NULL, NULL,
                             ::GetModuleHandleA(NULL), NULL);
}

TEST_F(TwoMonitors, TipsStackOnThePrimaryMonitorOrTheOneChosen)
{
    vxCtrlSysTips* pTips = new vxCtrlSysTips;
    ASSERT_EQ(pTips->Init(), 1);
    pTips->SetTipsMaxCount(2);
    HWND first = NewTipWindow();
    _tagstSysTips tip = {};
    tip.hWnd = first;
    ASSERT_EQ(pTips->AddTips(tip.src, &tip), 1);
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(ScreenRect(first).right, work.right);
    EXPECT_EQ(ScreenRect(first).top, work.bottom - 175);
    EXPECT_LE(ScreenRect(first).right, kLeftMonitor.right);

    // Chosen: the right monitor; the shown tip moves over, the next one stacks above it.
    const POINT right = {1500, 300};
    pTips->SetMonitor(::MonitorFromPoint(right, MONITOR_DEFAULTTONEAREST));
    EXPECT_EQ(ScreenRect(first).right, kRightMonitor.right);
    HWND second = NewTipWindow();
    tip.hWnd = second;
    ASSERT_EQ(pTips->AddTips(tip.src, &tip), 1);
    EXPECT_EQ(ScreenRect(second).right, kRightMonitor.right);
    EXPECT_EQ(ScreenRect(second).top, kRightMonitor.bottom - 175);
    EXPECT_EQ(ScreenRect(first).top, kRightMonitor.bottom - 350);
    pTips->Uninit();
    pTips->DestroyWindow();
    vxtest::PumpMessages();
}

TEST_F(TwoMonitors, SizerBarDraggedOnTheRightMonitor)
{
    CStatic left, right;
    left.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), Host(), 201);
    right.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), Host(), 202);
    vxHorizLayout layout(Host());
    vxSizerBar bar;
    bar.Create(WS_CHILD | WS_VISIBLE, Host(), &layout, 210, CRect(0, 0, 4, 200));
    layout.SetHeight(200);
    layout.AddItem(&left, StyleFixed);
    layout.SetItemSize(0, 0, 100);
    layout.AddSplitterItem(0, 0, &bar);
    layout.SetItemSize(0, 1, 4);
    layout.AddItem(&right, StyleStretch);
    layout.SetSplitterWnd(0, 1, 0, 2);
    layout.CalcLayout(Host());
    vxtest::PumpMessages();

    const POINT press = vxtest::ScreenPoint(bar.m_hWnd, 2, 100);
    ASSERT_GT(press.x, kRightMonitor.left);
    vxtest::MouseMove(press);
    vxtest::MouseDown();
    ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == bar.m_hWnd; }));
    vxtest::MouseMove({press.x + 150, press.y});
    vxtest::MouseUp();
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == NULL; }));
    CRect rc;
    left.GetWindowRect(&rc);
    EXPECT_NEAR(rc.Width(), 250, 1);
    bar.DestroyWindow();
}

TEST_F(TwoMonitors, SplitterDraggedOnTheRightMonitor)
{
    // A bar window that lets the mouse through to the host, which starts the drag.
    CStatic bar, pane0, pane1;
    bar.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 4, 300), Host(), 300);
    pane0.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), Host(), 301);
    pane1.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), Host(), 302);
    vxCtrlSplitter splitter;
    ASSERT_EQ(splitter.CreateSplitter(bar.m_hWnd, 1, 1, 1), 1);
    splitter.AttachWnd(0, pane0.m_hWnd);
    splitter.AttachWnd(1, pane1.m_hWnd);
    splitter.SetPaneSize(0, 200, 50);
    splitter.SetPaneSize(1, -1, 50);
    splitter.Layout(0, 0, 500, 300);
    int result = -1;
    host.SetHandler([&](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
        const CPoint pt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        if (message == WM_LBUTTONDOWN && splitter.HitTest(pt))
            result = splitter.Track(&bar, pt);
        return false;
    });
    vxtest::PumpMessages();

    const POINT press = vxtest::ScreenPoint(host.Hwnd(), 202, 150);
    ASSERT_GT(press.x, kRightMonitor.left);
    vxtest::MouseDrag(press, {press.x + 100, press.y});
    ASSERT_TRUE(vxtest::PumpUntil([&] { return result != -1; }));
    EXPECT_EQ(result, 1);
    // The bar's leading edge follows the pointer: 202 + 100.
    RECT rc;
    splitter.GetPaneRect(0, &rc);
    EXPECT_NEAR(rc.right, 302, 1);
    host.SetHandler(nullptr);
}

} // namespace
