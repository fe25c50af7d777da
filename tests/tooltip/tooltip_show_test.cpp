// Direct showing: SetTipText in place or anew, auto-hide on deactivation, the click
// notification, link mode hover painting, and tools and icons from resources.
#include "fault_injection.h"
#include "rvToolTip.h"
#include "tooltip_test_resources.h"
#include "tooltip_windows.h"

#include "vxtest_checks.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tiptest;

namespace {

// The balloon says focus cues are hidden, as Windows says after a click (Wine keeps no UI state).
WNDPROC s_tipProc = NULL;
LRESULT CALLBACK HidingCues(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return message == WM_QUERYUISTATE ? UISF_HIDEFOCUS : ::CallWindowProc(s_tipProc, hwnd, message, wParam, lParam);
}

struct ProbeTip : rvToolTip {
    using rvToolTip::m_bAutoHide;
    using rvToolTip::m_hIcon;
    using rvToolTip::m_sizeIcon;
    using rvToolTip::m_strText;
};

struct TooltipShow : ::testing::Test {
    vxtest::HostWindow host{800, 600};
    ProbeTip tip;

    void SetUp() override
    {
        ASSERT_TRUE(tip.Create(CWnd::FromHandle(host.Hwnd())));
        vxtest::PumpMessages();
    }
    bool Visible() { return tip.IsWindowVisible() != FALSE; }
    CPoint At(int x, int y) { return CPoint(vxtest::ScreenPoint(host.Hwnd(), x, y)); }
};

TEST_F(TooltipShow, AClickOnTheBalloonLeavesTheHostActive)
{
    ::SetForegroundWindow(host.Hwnd());
    ::SetActiveWindow(host.Hwnd());
    vxtest::PumpMessages();
    ASSERT_EQ(::GetActiveWindow(), host.Hwnd());
    CPoint pt = At(500, 300);
    tip.Show("Click me", &pt, "");
    vxtest::PumpFor(30);
    const RECT rc = WindowRect(tip.GetSafeHwnd());
    vxtest::Click({rc.left + 20, rc.top + 20});
    vxtest::PumpFor(50);
    EXPECT_EQ(::GetActiveWindow(), host.Hwnd());
    EXPECT_TRUE(Visible());
}

TEST_F(TooltipShow, SetTipTextChangesInPlaceWhenTheSizeStays)
{
    // Never shown: SetTipText shows.
    CPoint pt = At(500, 300);
    tip.SetTipText(_T("ABCD"), &pt);
    ASSERT_TRUE(Visible());
    const RECT first = WindowRect(tip.GetSafeHwnd());
    vxtest::PumpFor(30);

    // The same letters in another order measure the same: no move, no re-show. (Show keeps
    // the cursor position as the last point, so passing pt again would place the window anew.)
    vxtest::MessageRecorder rec(tip.GetSafeHwnd());
    tip.SetTipText(_T("DCBA"), nullptr);
    vxtest::PumpFor(30);
    EXPECT_EQ(rec.Count(WM_WINDOWPOSCHANGING), 0);
    EXPECT_EQ(rec.Count(WM_SHOWWINDOW), 0);
    EXPECT_GE(rec.Count(WM_PAINT), 1);                // the text is repainted
    EXPECT_EQ(tip.m_strText, "DCBA");
    EXPECT_TRUE(Visible());
    RECT now = WindowRect(tip.GetSafeHwnd());
    EXPECT_TRUE(::EqualRect(&now, &first));

    // Same size at a new point: moved, same size, still no re-show.
    rec.Clear();
    CPoint moved = At(450, 320);
    tip.SetTipText(_T("BADC"), &moved);
    EXPECT_EQ(rec.Count(WM_SHOWWINDOW), 0);
    EXPECT_EQ(TipOf(tip.GetSafeHwnd()), vxtest::Pt(moved.x, moved.y));
    now = WindowRect(tip.GetSafeHwnd());
    EXPECT_EQ(now.right - now.left, first.right - first.left);

    // A longer text is shown anew, wider.
    rec.Clear();
    tip.SetTipText(_T("A much longer text than before"), &moved);
    EXPECT_GE(rec.Count(WM_WINDOWPOSCHANGING), 1);
    now = WindowRect(tip.GetSafeHwnd());
    EXPECT_GT(now.right - now.left, first.right - first.left);
    EXPECT_EQ(TipOf(tip.GetSafeHwnd()).x, moved.x);
    rec.Detach();

    // A null text is an empty one.
    tip.SetTipText(nullptr, nullptr);
    EXPECT_EQ(tip.m_strText, "");
}

TEST_F(TooltipShow, TabTakesTheFocusToALinkWhoseKeysFollowItOrGiveItBack)
{
    tip.SetbLink(TRUE);
    tip.SetNotifyWnd(CWnd::FromHandle(host.Hwnd()));
    CPoint pt = At(400, 300);
    ::SetFocus(host.Hwnd());
    tip.Show("Open the build log", &pt, "");
    vxtest::PumpFor(30);
    EXPECT_EQ(::GetFocus(), host.Hwnd());        // shown, it leaves the focus alone

    // Hovered, the link shows as one; focused by Tab it does too, and adds its focus cue: the
    // only pixels that differ are the cue's, dark on the white face. Only Tab focuses the
    // link, so the cue shows even where the UI state hides cues.
    HWND hwnd = tip.GetSafeHwnd();
    s_tipProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HidingCues)));
    const RECT rc = WindowRect(hwnd);
    const auto pixels = [&] {
        ::UpdateWindow(hwnd);
        return vxtest::Pixels(hwnd, {0, 0, rc.right - rc.left, rc.bottom - rc.top});
    };
    vxtest::MouseMove({rc.left + 20, rc.top + 15});
    vxtest::PumpFor(50);
    const std::vector<COLORREF> hovered = pixels();
    vxtest::MouseMove(vxtest::ScreenPoint(host.Hwnd(), 700, 550));
    vxtest::PumpFor(50);

    // Tab goes to the link, Enter follows it, Tab gives the focus back.
    host.Recorder().Clear();
    vxtest::KeyPress(VK_TAB);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == tip.GetSafeHwnd(); }));
    EXPECT_EQ(host.Recorder().Count(WM_KEYDOWN), 0);
    const std::vector<COLORREF> focused = pixels();
    int cue = 0, lost = 0;
    for (size_t i = 0; i < focused.size(); ++i) {
        cue += focused[i] == RGB(0, 0, 0) && hovered[i] == RGB(255, 255, 255) ? 1 : 0;
        lost += focused[i] == RGB(255, 255, 255) && hovered[i] == RGB(0, 0, 0) ? 1 : 0;
    }
    EXPECT_GT(cue, 20);
    EXPECT_GT(cue, 4 * lost);                    // a few pixels of the text's edges aside
    ::SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_tipProc));
    vxtest::KeyPress(VK_RETURN);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return host.Recorder().Count(WM_TOOLTIP_CLICK) == 1; }));
    vxtest::KeyPress(VK_TAB);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == host.Hwnd(); }));
    EXPECT_TRUE(Visible());
    // Escape with the focus on the link hides the balloon and gives the focus back.
    vxtest::KeyPress(VK_TAB);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == tip.GetSafeHwnd(); }));
    vxtest::KeyPress(VK_ESCAPE);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return !Visible(); }));
    EXPECT_EQ(::GetFocus(), host.Hwnd());
    // Hidden, Tab is the host's again.
    host.Recorder().Clear();
    vxtest::KeyPress(VK_TAB);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return host.Recorder().Count(WM_KEYDOWN) == 1; }));
}

// Hidden by the host while it holds the focus, a link gives the focus back; hidden after the
// user took the focus elsewhere, it leaves it there.
TEST_F(TooltipShow, AHiddenLinkGivesBackTheFocusItTookAndNoOther)
{
    CEdit first, second;
    ASSERT_TRUE(first.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 110, 30), CWnd::FromHandle(host.Hwnd()), 11));
    ASSERT_TRUE(second.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 40, 110, 60), CWnd::FromHandle(host.Hwnd()), 12));
    tip.SetbLink(TRUE);
    CPoint pt = At(400, 300);
    for (const bool bElsewhere : {false, true}) {
        SCOPED_TRACE(bElsewhere ? "focus taken elsewhere" : "focus on the link");
        vxtest::Click(vxtest::CentreOf(first.m_hWnd));
        ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == first.m_hWnd; }));
        tip.Show("Open the build log", &pt, "");
        vxtest::PumpFor(30);
        vxtest::KeyPress(VK_TAB);
        ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == tip.GetSafeHwnd(); }));
        HWND hExpected = first.m_hWnd;
        if (bElsewhere) {
            vxtest::Click(vxtest::CentreOf(second.m_hWnd));
            ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == second.m_hWnd; }));
            hExpected = second.m_hWnd;
        }
        tip.Hide(0);
        vxtest::PumpFor(30);
        EXPECT_FALSE(Visible());
        EXPECT_EQ(::GetFocus(), hExpected);
    }
    first.DestroyWindow();
    second.DestroyWindow();
}

// Where the hooks that watch for presses elsewhere cannot be made, a balloon that comes to
// hide automatically takes the activation instead, and hides when it loses it.
TEST_F(TooltipShow, AutoHideWithoutItsWatchHidesOnLosingTheActivation)
{
    CPoint pt = At(400, 300);
    ::SetActiveWindow(host.Hwnd());
    vxtest::FaultInjector injector;
    injector.FailNextOf(vxtest::Request::Hook);
    tip.Show("Goes", &pt, "");
    vxtest::PumpFor(30);
    ASSERT_TRUE(injector.Failed());
    injector.FailNextOf(vxtest::Request::Hook);
    tip.SetAutoHide(TRUE, 100);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return tip.m_bAutoHide != FALSE; }));
    vxtest::PumpFor(30);
    EXPECT_EQ(::GetActiveWindow(), tip.GetSafeHwnd());
    EXPECT_TRUE(Visible());
    injector.Stop();
    vxtest::Click(vxtest::ScreenPoint(host.Hwnd(), 700, 550));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return !Visible(); }));
}

// Two balloons up: hiding one leaves the other watched, so that Escape still hides it; with
// none up, nothing is.
TEST_F(TooltipShow, HidingOneBalloonLeavesTheOtherWatched)
{
    rvToolTip second;
    ASSERT_TRUE(second.Create(CWnd::FromHandle(host.Hwnd())));
    CPoint first = At(200, 300), other = At(600, 300);
    ::SetFocus(host.Hwnd());
    tip.Show("First", &first, "");
    second.Show("Second", &other, "");
    vxtest::PumpFor(30);
    tip.Hide(0);
    vxtest::KeyPress(VK_ESCAPE);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return !second.IsWindowVisible(); }));
    second.DestroyWindow();

    // With no balloon up, the watch gives its hooks back.
    vxtest::FaultInjector injector;
    tip.Show("First", &first, "");
    vxtest::PumpFor(30);
    EXPECT_EQ(injector.LiveHooks(), 2);
    tip.Hide(0);
    EXPECT_EQ(injector.LiveHooks(), 0);
}

TEST_F(TooltipShow, AutoHideHidesAtAPressElsewhereAndEscapeHidesAnyBalloon)
{
    // Off: activating the host and a press on it leave the balloon up.
    CPoint pt = At(400, 300);
    tip.Show("Stays", &pt, "");
    ::SetActiveWindow(host.Hwnd());
    vxtest::Click(vxtest::ScreenPoint(host.Hwnd(), 700, 550));
    vxtest::PumpFor(30);
    EXPECT_TRUE(Visible());
    // Escape hides it, and goes no further.
    host.Recorder().Clear();
    vxtest::KeyPress(VK_ESCAPE);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return !Visible(); }));
    EXPECT_EQ(host.Recorder().Count(WM_KEYDOWN), 0);

    // On: the focus and the activation stay with the host; a press on the balloon leaves it,
    // a press on the host hides it.
    tip.SetAutoHide(TRUE, 0);
    EXPECT_TRUE(tip.m_bAutoHide);
    ::SetFocus(host.Hwnd());
    tip.Show("Goes", &pt, "");
    vxtest::PumpFor(30);
    EXPECT_EQ(::GetActiveWindow(), host.Hwnd());
    EXPECT_EQ(::GetFocus(), host.Hwnd());
    vxtest::Click(vxtest::CentreOf(tip.GetSafeHwnd()));
    vxtest::PumpFor(30);
    EXPECT_TRUE(Visible());
    vxtest::Click(vxtest::ScreenPoint(host.Hwnd(), 700, 550));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return !Visible(); }));
    EXPECT_EQ(::GetActiveWindow(), host.Hwnd());

    // With a delay the setting takes effect when its timer fires, on a balloon already shown.
    tip.SetAutoHide(FALSE, 0);
    tip.Show("Later", &pt, "");
    tip.SetAutoHide(TRUE, 100);
    EXPECT_FALSE(tip.m_bAutoHide);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return tip.m_bAutoHide != FALSE; }));
    EXPECT_EQ(::GetActiveWindow(), host.Hwnd());
    vxtest::Click(vxtest::ScreenPoint(host.Hwnd(), 700, 550));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return !Visible(); }));

    // Hidden, nothing is watched: Escape is the host's again.
    host.Recorder().Clear();
    vxtest::KeyPress(VK_ESCAPE);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return host.Recorder().Count(WM_KEYDOWN) == 1; }));
}

TEST_F(TooltipShow, ClickIsSentToTheNotifyWindow)
{
    CPoint pt = At(400, 300);
    tip.Show("Click me", &pt, "");
    vxtest::PumpFor(30);
    RECT rc = WindowRect(tip.GetSafeHwnd());
    const POINT body = {rc.left + 20, rc.top + 20};

    // No notify window: nothing.
    host.Recorder().Clear();
    vxtest::Click(body);
    EXPECT_EQ(host.Recorder().Count(WM_TOOLTIP_CLICK), 0);

    tip.SetNotifyWnd(CWnd::FromHandle(host.Hwnd()));
    tip.Show("Click me", &pt, "");
    vxtest::Click(body);
    auto clicks = host.Recorder().Filter(WM_TOOLTIP_CLICK);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_FALSE(clicks[0].posted);
    EXPECT_EQ(clicks[0].wParam, 0u);
    EXPECT_EQ(clicks[0].lParam, 0);
    EXPECT_EQ(WM_TOOLTIP_CLICK, WM_USER + 503);

    // Link mode notifies the same way; the right button does not.
    tip.SetbLink(TRUE);
    tip.Show("Click me", &pt, "");
    vxtest::Click(body, 1);
    EXPECT_EQ(host.Recorder().Count(WM_TOOLTIP_CLICK), 1);
    vxtest::Click(body);
    EXPECT_EQ(host.Recorder().Count(WM_TOOLTIP_CLICK), 2);
}

TEST_F(TooltipShow, LinkModePaintsUnderlinedBlueTextWhileHovered)
{
    HCURSOR hand = ::LoadCursor(nullptr, IDC_HAND);
    tip.SetbLink(TRUE);
    tip.SetCursor(hand);
    CPoint pt = At(500, 400);
    vxtest::MouseMove(vxtest::ScreenPoint(host.Hwnd(), 700, 550));
    tip.Show("Open the details of this entry", &pt, "");
    vxtest::PumpFor(50);
    HWND hwnd = tip.GetSafeHwnd();
    RECT rc = WindowRect(hwnd);
    const RECT text = {13, 13, rc.right - rc.left - 13, rc.bottom - rc.top - 25};
    const COLORREF blue = RGB(0, 0, 255);
    EXPECT_EQ(CountColour(hwnd, text, blue), 0);

    // Pointer over the balloon: blue, with an underline running along the text.
    vxtest::MouseMove({rc.left + 20, rc.top + 15});
    EXPECT_TRUE(vxtest::PumpUntil([&] { return CountColour(hwnd, text, blue) > 0; }));
    EXPECT_GT(LongestRun(hwnd, text, blue), (text.right - text.left) / 3);
    EXPECT_EQ(::GetCursor(), hand);

    // Pointer gone: plain text again.
    vxtest::MouseMove(vxtest::ScreenPoint(host.Hwnd(), 700, 550));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return CountColour(hwnd, text, blue) == 0; }));

    // Painted hovered again and again, it keeps no font.
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    for (int i = 0; i < 4; ++i) {
        vxtest::MouseMove({rc.left + 20 + i, rc.top + 15});
        vxtest::PumpFor(20);
        ::RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    vxtest::MouseMove(vxtest::ScreenPoint(host.Hwnd(), 700, 550));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return CountColour(hwnd, text, blue) == 0; }));
    EXPECT_EQ(vxtest::GuiCounts::Now(), before) << vxtest::ToString(vxtest::GuiCounts::Now());

    // Without a cursor of its own a link still shows as one.
    tip.SetCursor(nullptr);
    vxtest::MouseMove({rc.left + 25, rc.top + 16});
    EXPECT_TRUE(vxtest::PumpUntil([&] { return CountColour(hwnd, text, blue) > 0; }));
    vxtest::MouseMove(vxtest::ScreenPoint(host.Hwnd(), 700, 550));
    vxtest::PumpUntil([&] { return CountColour(hwnd, text, blue) == 0; });

    // Not in link mode: hovering changes nothing.
    tip.SetbLink(FALSE);
    tip.Show("Plain text", &pt, "");
    vxtest::MouseMove({rc.left + 20, rc.top + 15});
    vxtest::PumpFor(100);
    EXPECT_EQ(CountColour(hwnd, text, blue), 0);
}

TEST_F(TooltipShow, ToolsAndIconsFromResources)
{
    vxtest::HostWindow other{200, 100};
    CWnd* tool = CWnd::FromHandle(other.Hwnd());
    EXPECT_EQ(tip.AddTool(tool, IDS_TOOLTIP_TEST_TEXT, IDI_TOOLTIP_TEST_ICON, 16, 16), 1);
    EXPECT_EQ(tip.AddTool(tool, IDS_TOOLTIP_MISSING, 0, 16, 16), 0);
    EXPECT_EQ(tip.AddTool(tool, IDS_TOOLTIP_TEST_TEXT, IDI_TOOLTIP_MISSING, 16, 16), 0);
    EXPECT_EQ(tip.AddTool(nullptr, IDS_TOOLTIP_TEST_TEXT, 0, 16, 16), 0);

    // The registered tool is the first one, untouched by the failed calls.
    tip.SetShowDelay(50);
    const POINT p = vxtest::ScreenPoint(other.Hwnd(), 50, 50);
    RelayMoveTo(tip, p);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return Visible(); }));
    EXPECT_EQ(tip.m_strText, "Text from the resources");
    ASSERT_NE(tip.m_hIcon, nullptr);
    EXPECT_EQ(tip.m_sizeIcon, CSize(16, 16));

    EXPECT_EQ(tip.SetIcon(IDI_TOOLTIP_MISSING, 32, 32), 0);
    EXPECT_EQ(tip.m_sizeIcon, CSize(16, 16));
    EXPECT_EQ(tip.SetIcon(IDI_TOOLTIP_LARGE_ICON, 32, 32), 1);
    EXPECT_EQ(tip.m_sizeIcon, CSize(32, 32));
}

} // namespace
