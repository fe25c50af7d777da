// The balloon reads as a tooltip named by its text, whose new text is heard; a tip the manager
// shows is announced once it is visible, as an alert.
#include "accessible_reader.h"
#include "rvToolTip.h"
#include "vxCtrlSysTips.h"
#include "vxtest.h"

#include <gtest/gtest.h>

namespace {

TEST(BalloonAndTips, TheBalloonIsATooltipNamedByItsText)
{
    a11y::ComScope com;
    vxtest::HostWindow host;
    rvToolTip tip;
    ASSERT_TRUE(tip.Create(CWnd::FromHandle(host.Hwnd())));
    CPoint pt(300, 300);
    tip.Show("Disk D: 91% full", &pt, "");
    vxtest::PumpMessages();
    a11y::Reader balloon(tip.m_hWnd);
    ASSERT_TRUE(balloon.Ok());
    EXPECT_EQ(balloon.Role(), ROLE_SYSTEM_TOOLTIP);
    EXPECT_EQ(balloon.Name(), "Disk D: 91% full");
    EXPECT_EQ(balloon.State() & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_INVISIBLE), 0);
    // New text in the balloon shown is heard (digits are as wide: the balloon stays as it is).
    a11y::EventLog log;
    tip.SetTipText(_T("Disk D: 97% full"), &pt);
    vxtest::PumpMessages();
    EXPECT_EQ(log.Lines({{tip.m_hWnd, "balloon"}}), std::vector<std::string>({"name balloon 0"}));
    EXPECT_EQ(balloon.Name(), "Disk D: 97% full");
    tip.Hide(0);
    vxtest::PumpMessages();
    EXPECT_EQ(balloon.State() & STATE_SYSTEM_INVISIBLE, STATE_SYSTEM_INVISIBLE);
}

// Whether each alert event found its window shown: asked inside the event, as an in-context
// hook is called.
std::vector<std::pair<HWND, bool>> s_alerts;
void CALLBACK OnAlert(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG, DWORD, DWORD)
{
    if (object == OBJID_ALERT)
        s_alerts.push_back({hwnd, ::IsWindowVisible(hwnd) != FALSE});
}

TEST(BalloonAndTips, AShownTipIsAnnouncedAsAnAlertOnceItIsShown)
{
    vxCtrlSysTips* pTips = new vxCtrlSysTips;
    ASSERT_EQ(pTips->Init(), 1);
    pTips->SetTipsMaxCount(1);
    HWND first = ::CreateWindowExA(0, "STATIC", "Build passed", WS_POPUP, 0, 0, 300, 100, NULL, NULL,
                                   ::GetModuleHandleA(NULL), NULL);
    HWND second = ::CreateWindowExA(0, "STATIC", "Mail arrived", WS_POPUP, 0, 0, 300, 100, NULL, NULL,
                                    ::GetModuleHandleA(NULL), NULL);
    s_alerts.clear();
    HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, ::GetModuleHandleA(NULL), OnAlert,
                                           ::GetCurrentProcessId(), 0, WINEVENT_INCONTEXT);
    ASSERT_TRUE(hook != NULL);
    // A fading tip first, then a sliding one taking the only place.
    _tagstSysTips record = {};
    record.hWnd = first;
    record.nShowMode = TIPS_SHOW_FADE;
    ASSERT_EQ(pTips->AddTips(record.src, &record), 1);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return s_alerts.size() == 1; }));
    record.hWnd = second;
    record.nShowMode = TIPS_SHOW_SLIDE;
    ASSERT_EQ(pTips->AddTips(record.src, &record), 1);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return s_alerts.size() == 2; }));
    ::UnhookWinEvent(hook);
    EXPECT_EQ(s_alerts, (std::vector<std::pair<HWND, bool>>{{first, true}, {second, true}}));

    // The alert is an object of its own, named as the tip window is.
    a11y::Reader alert(second, OBJID_ALERT);
    ASSERT_TRUE(alert.Ok());
    EXPECT_EQ(alert.Role(), ROLE_SYSTEM_ALERT);
    EXPECT_EQ(alert.Name(), "Mail arrived");
    EXPECT_EQ(alert.State() & STATE_SYSTEM_FOCUSABLE, 0);
    pTips->Uninit();
    pTips->DestroyWindow();
    vxtest::PumpMessages();
    EXPECT_EQ(alert.NameResult(), RPC_E_DISCONNECTED);
}

} // namespace
