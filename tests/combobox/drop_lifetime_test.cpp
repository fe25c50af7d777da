// Clean-up: a host that destroys the combo from each notification it receives, the
// application closing while the list is open, and repeated opening without growth.
#include "combo_test_util.h"

#include <gtest/gtest.h>

#include <vexelcore.h>

using namespace combotest;

namespace {

enum class Drive { F4, ClickRow, Escape, FocusAway, Typing, FilterTyping };

struct Case {
    UINT nCode;                      // the notification that ends the combo
    DWORD dwStyle;
    Drive drive;
};

// Opens or drives the combo so that the notification comes.
void DriveCombo(ComboFixture& f, ProbeCombo* pCombo, Drive drive, bool& bDeleted)
{
    switch (drive) {
    case Drive::F4:
        Key(VK_F4);
        break;
    case Drive::ClickRow:
        Key(VK_F4);
        if (!bDeleted && pCombo->ListHwnd() != NULL) {
            vxtest::MouseMove(RowPoint(pCombo->ListHwnd(), 1));
            PumpTranslatedFor(40);
            vxtest::Click(RowPoint(pCombo->ListHwnd(), 1));
        }
        break;
    case Drive::Escape:
        Key(VK_F4);
        Key(VK_ESCAPE);
        break;
    case Drive::FocusAway:
        Key(VK_F4);
        f.FocusAway();
        break;
    case Drive::Typing:
    case Drive::FilterTyping:
        Type("b");
        break;
    }
    PumpTranslatedFor(60);
}

TEST(ComboLifetime, HostDestroysTheComboFromEachNotification)
{
    const Case cases[] = {
        {CBN_DROPDOWN, CBS_DROPDOWNLIST, Drive::F4},
        {CBN_SELENDOK, CBS_DROPDOWNLIST, Drive::ClickRow},
        {CBN_CLOSEUP, CBS_DROPDOWNLIST, Drive::ClickRow},
        {CBN_SELCHANGE, CBS_DROPDOWNLIST, Drive::ClickRow},
        {CBN_SELENDOK, CBS_DROPDOWN, Drive::ClickRow},
        {CBN_CLOSEUP, CBS_DROPDOWN, Drive::ClickRow},
        {CBN_SELENDCANCEL, CBS_DROPDOWNLIST, Drive::Escape},
        {CBN_CLOSEUP, CBS_DROPDOWNLIST, Drive::Escape},
        {CBN_KILLFOCUS, CBS_DROPDOWNLIST, Drive::FocusAway},
        {CBN_SELENDCANCEL, CBS_DROPDOWNLIST, Drive::FocusAway},
        {CBN_EDITUPDATE, CBS_DROPDOWN, Drive::Typing},
        {CBN_EDITCHANGE, CBS_DROPDOWN, Drive::Typing},
        {CBN_DROPDOWN, CBS_DROPDOWN, Drive::FilterTyping},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.nCode << " style " << c.dwStyle
                                        << " drive " << static_cast<int>(c.drive));
        ComboFixture f(c.dwStyle);
        f.Fill({"alpha", "beta", "gamma"});
        ProbeCombo* pCombo = f.Release();
        if (c.drive == Drive::Typing)
            pCombo->ModifyCBStyle(0, VXCB_AUTOCOMPLETE);
        if (c.drive == Drive::FilterTyping)
            pCombo->ModifyCBStyle(0, VXCB_FILTEREDLIST);
        pCombo->SetFocus();
        vxtest::MouseMove(vxtest::ScreenPoint(f.Host().Hwnd(), 700, 20));
        PumpTranslated();
        bool bDeleted = false;
        HWND hFrame = NULL;
        HWND hCombo = pCombo->GetSafeHwnd();
        f.Host().SetHandler([&](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
            if (message == WM_COMMAND && HIWORD(wParam) == CBN_DROPDOWN)
                hFrame = pCombo->FrameHwnd();
            if (!bDeleted && message == WM_COMMAND && HIWORD(wParam) == c.nCode) {
                bDeleted = true;
                delete pCombo;
            }
            return false;
        });
        DriveCombo(f, pCombo, c.drive, bDeleted);
        f.Host().SetHandler(nullptr);
        EXPECT_TRUE(bDeleted);
        if (!bDeleted)
            delete pCombo;
        EXPECT_FALSE(::IsWindow(hCombo));
        if (hFrame != NULL) {
            EXPECT_FALSE(::IsWindow(hFrame));
        }
        EXPECT_EQ(::GetCapture(), static_cast<HWND>(NULL));
    }
}

TEST(ComboLifetime, ClosingTheApplicationWithTheListOpen)
{
    for (int round = 0; round < 2; ++round) {
        vxtest::GuiCounts before = vxtest::GuiCounts::Now();
        for (DWORD dwStyle : {static_cast<DWORD>(CBS_DROPDOWNLIST), static_cast<DWORD>(CBS_DROPDOWN)}) {
            // The host window goes first, the combo object after it.
            auto pHost = std::make_unique<vxtest::HostWindow>();
            auto pCombo = std::make_unique<ProbeCombo>();
            pCombo->Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(20, 20, 220, 44),
                           CWnd::FromHandle(pHost->Hwnd()), kComboId);
            for (int i = 0; i < 50; ++i)
                pCombo->AddString("entry", "img.any");
            pCombo->ShowDropDown(TRUE);
            ASSERT_TRUE(pCombo->GetDroppedState());
            HWND hFrame = pCombo->FrameHwnd();
            HWND hList = pCombo->ListHwnd();
            pHost.reset();
            PumpTranslated();
            EXPECT_FALSE(::IsWindow(hFrame));
            EXPECT_FALSE(::IsWindow(hList));
            EXPECT_FALSE(pCombo->GetDroppedState());
            pCombo.reset();
            // The object going with its window open and the list open.
            vxtest::HostWindow host;
            ProbeCombo* pOpen = new ProbeCombo;
            pOpen->Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(20, 20, 220, 44),
                          CWnd::FromHandle(host.Hwnd()), kComboId);
            pOpen->AddString("one");
            pOpen->ShowDropDown(TRUE);
            hFrame = pOpen->FrameHwnd();
            delete pOpen;
            EXPECT_FALSE(::IsWindow(hFrame));
            EXPECT_EQ(::GetCapture(), static_cast<HWND>(NULL));
        }
        PumpTranslated();
        // After the first round (the platform's caches) nothing is left behind.
        if (round == 1) {
            EXPECT_EQ(vxtest::GuiCounts::Now(), before) << vxtest::ToString(vxtest::GuiCounts::Now())
                                                        << " vs " << vxtest::ToString(before);
        }
    }
}

TEST(ComboLifetime, RepeatedOpeningLeavesNothingBehind)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    for (int i = 0; i < 40; ++i)
        c.AddString("row", i % 3 == 0 ? "img.row" : NULL);
    ::SetFocus(f.Hwnd());
    PumpTranslated();
    auto openAndClose = [&] {
        Key(VK_F4);
        Key(VK_DOWN);
        Key(VK_RETURN);
        WaitClosed(c);
    };
    openAndClose();
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    const int nEngineWindows = vxWindowStateCount();
    for (int i = 0; i < 10; ++i)
        openAndClose();
    EXPECT_EQ(vxtest::GuiCounts::Now(), before);
    // The engine let go of every list it painted.
    EXPECT_EQ(vxWindowStateCount(), nEngineWindows);
    EXPECT_EQ(c.DropWnd(), nullptr);
}

} // namespace
