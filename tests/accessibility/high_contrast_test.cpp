// Under a high-contrast setting every painted part uses the user's system colours: the skinned
// items and headers, the drop list's rows, the balloon; focus cues show always and two pixels
// wide; fading tips stay opaque. The desk is the gallery's: where the system keeps no high-contrast setting (Wine), the
// library's modules are told it is on as Windows tells them.
#include "combo_test_util.h"
#include "contrast_desk.h"
#include "rvToolTip.h"
#include "screenshot.h"
#include "vxCtrlListView.h"
#include "tips_test_util.h"
#include "vxCtrlSysTips.h"

#include <gtest/gtest.h>

namespace {

TEST(HighContrast, EveryPaintedPartTakesTheSystemColours)
{
    ContrastDesk desk;
    vxtest::HostWindow host(520, 320);
    vxCtrlListView list;
    ASSERT_TRUE(list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 250, 200), CWnd::FromHandle(host.Hwnd()), 7));
    list.AddGroup(_T("Documents"), _T("listview.header"), 1);
    list.AddItem(0, _T("listview.item"), _T("Report"), NULL);
    list.AddItem(0, _T("listview.item"), _T("Budget"), NULL);
    vxtest::PumpMessages();
    HWND report = ::FindWindowExA(list.m_hWnd, NULL, "Button", "Report");
    HWND budget = ::FindWindowExA(list.m_hWnd, NULL, "Button", "Budget");
    ::RedrawWindow(list.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    // A skinned item: the face in the button face colour, framed and lettered in the text's.
    RECT rc;
    ::GetClientRect(budget, &rc);
    EXPECT_EQ(combotest::PixelAt(budget, 2, 4), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(combotest::PixelAt(budget, 0, rc.bottom / 2), ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_TRUE(combotest::AnyPixel(budget, rc, ::GetSysColor(COLOR_WINDOWTEXT)));
    // The focused item: the cue shows, two pixels wide, whatever the UI state.
    vxtest::Click(vxtest::CentreOf(report));
    ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == report; }));
    vxtest::MouseMove({5, 5});
    vxtest::PumpMessages();
    ::RedrawWindow(report, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    ::GetClientRect(report, &rc);
    for (int row : {2, 3}) {
        int marked = 0;
        for (int x = 6; x < rc.right - 6; ++x)
            marked += combotest::PixelAt(report, x, row) != ::GetSysColor(COLOR_BTNFACE) ? 1 : 0;
        EXPECT_GT(marked, 10) << "row " << row;
    }

    // The drop list: rows on the window colour, the highlighted one in the selection's.
    combotest::ProbeCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(270, 10, 470, 34), CWnd::FromHandle(host.Hwnd()), 9));
    for (LPCTSTR colour : {_T("Red"), _T("Green"), _T("Blue")})
        combo.AddString(colour);
    combo.SetCurSel(1);
    combo.ShowDropDown(TRUE);
    ASSERT_TRUE(combo.Dropped());
    HWND rows = combo.ListHwnd();
    ::RedrawWindow(rows, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT row0, row1;
    ::SendMessage(rows, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row0));
    ::SendMessage(rows, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row1));
    EXPECT_EQ(combotest::PixelAt(rows, row0.right - 3, (row0.top + row0.bottom) / 2), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(combotest::PixelAt(rows, row1.right - 3, (row1.top + row1.bottom) / 2), ::GetSysColor(COLOR_HIGHLIGHT));

    // The balloon: the window colour framed in the text colour, whatever colours the host set.
    rvToolTip tip;
    ASSERT_TRUE(tip.Create(CWnd::FromHandle(host.Hwnd())));
    tip.SetBkColor(RGB(255, 255, 225));
    CPoint pt(vxtest::ScreenPoint(host.Hwnd(), 380, 200));
    tip.Show("Saved to D:\\Reports", &pt, "");
    vxtest::PumpMessages();
    ::UpdateWindow(tip.m_hWnd);
    RECT body;
    ::GetClientRect(tip.m_hWnd, &body);
    EXPECT_TRUE(combotest::AnyPixel(tip.m_hWnd, body, ::GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_FALSE(combotest::AnyPixel(tip.m_hWnd, body, RGB(255, 255, 225)));

    // What a user sees, for a person to look at.
    SaveWindowScreenshot(host.Hwnd(), _T("high_contrast.png"));
    combo.ShowDropDown(FALSE);
}

// A fading tip stays opaque under high contrast, its text readable throughout; one that began
// to fade in before the setting came on turns opaque at its next step.
TEST(HighContrast, FadingTipsStayOpaque)
{
    const auto layered = [](HWND hwnd) { return (::GetWindowLongPtr(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; };
    tipstest::OpenSysTips* pTips = tipstest::NewManager(2);
    tipstest::TipWindow earlyTip, lateTip;
    const HWND early = earlyTip.Hwnd(), late = lateTip.Hwnd();
    _tagstSysTips first = earlyTip.Record(TIPS_SHOW_FADE, 0, 5000), second = lateTip.Record(TIPS_SHOW_FADE, 0, 5000);
    ASSERT_EQ(pTips->AddTips(first.src, &first), 1);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return layered(early); }));
    {
        ContrastDesk desk;
        EXPECT_TRUE(vxtest::PumpUntil([&] { return !layered(early); }));
        ASSERT_EQ(pTips->AddTips(second.src, &second), 1);
        bool everLayered = false;
        vxtest::PumpUntil([&] {
            everLayered = everLayered || layered(late);
            return false;
        }, 400);
        EXPECT_FALSE(everLayered);
        EXPECT_TRUE(::IsWindowVisible(late));
    }
    tipstest::DestroyManager(pTips);
}

} // namespace
