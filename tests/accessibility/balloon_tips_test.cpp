// The balloon reads as a tooltip named by its text; a tip the manager shows is announced.
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
    tip.Show("Disk D: is almost full", &pt, "");
    vxtest::PumpMessages();
    a11y::Reader balloon(tip.m_hWnd);
    ASSERT_TRUE(balloon.Ok());
    EXPECT_EQ(balloon.Role(), ROLE_SYSTEM_TOOLTIP);
    EXPECT_EQ(balloon.Name(), "Disk D: is almost full");
    EXPECT_EQ(balloon.State() & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_INVISIBLE), 0);
    tip.Hide(0);
    vxtest::PumpMessages();
    EXPECT_EQ(balloon.State() & STATE_SYSTEM_INVISIBLE, STATE_SYSTEM_INVISIBLE);
}

TEST(BalloonAndTips, AShownTipIsAnnouncedAsAnAlert)
{
    vxCtrlSysTips* pTips = new vxCtrlSysTips;
    ASSERT_EQ(pTips->Init(), 1);
    pTips->SetTipsMaxCount(1);
    HWND first = ::CreateWindowExA(0, "STATIC", "Build passed", WS_POPUP, 0, 0, 300, 100, NULL, NULL,
                                   ::GetModuleHandleA(NULL), NULL);
    HWND second = ::CreateWindowExA(0, "STATIC", "Mail arrived", WS_POPUP, 0, 0, 300, 100, NULL, NULL,
                                    ::GetModuleHandleA(NULL), NULL);
    a11y::EventLog log;
    const std::vector<std::pair<HWND, std::string>> tips = {{first, "first"}, {second, "second"}};
    auto alerts = [&] {
        std::vector<std::string> lines;
        for (const std::string& line : log.Lines(tips))
            if (line.compare(0, 5, "alert") == 0)
                lines.push_back(line);
        return lines;
    };
    _tagstSysTips record = {};
    record.hWnd = first;
    ASSERT_EQ(pTips->AddTips(record.src, &record), 1);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return alerts().size() == 1; }));
    EXPECT_EQ(alerts(), std::vector<std::string>({"alert first 0"}));
    // The next one takes the only place and is announced in its turn.
    record.hWnd = second;
    ASSERT_EQ(pTips->AddTips(record.src, &record), 1);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return alerts().size() == 2; }));
    EXPECT_EQ(alerts(), std::vector<std::string>({"alert first 0", "alert second 0"}));
    pTips->Uninit();
    pTips->DestroyWindow();
    vxtest::PumpMessages();
}

} // namespace
