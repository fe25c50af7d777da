// Clean-up: a host that deletes the combo or destroys its parent from each notification, the
// application closing while the list is open, repeated opening without growth, and a drop
// list that cannot be made.
#include "combo_test_util.h"
#include "fault_injection.h"

#include <gtest/gtest.h>

#include <algorithm>

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
            f.MoveTo(RowPoint(pCombo->ListHwnd(), 1));
            f.ClickAt(RowPoint(pCombo->ListHwnd(), 1));
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
        Type("b");
        break;
    case Drive::FilterTyping:
        // The second key shows its matches in the frame the first one opened.
        Type("b");
        if (!bDeleted)
            Type("e");
        break;
    }
    PumpTranslatedFor(60);
}

TEST(ComboLifetime, HostDeletesTheComboOrDestroysItsParentFromEachNotification)
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
        {CBN_SELENDCANCEL, CBS_DROPDOWN, Drive::FilterTyping},
        {CBN_CLOSEUP, CBS_DROPDOWN, Drive::FilterTyping},
    };
    const int windowsBefore = vxtest::GuiCounts::Now().windows;
    for (vxtest::HostAct act : {vxtest::HostAct::DeleteControl, vxtest::HostAct::DestroyParent})
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.nCode << " style " << c.dwStyle
                                        << " drive " << static_cast<int>(c.drive) << " act " << (int)act);
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
        HWND hHost = f.Host().Hwnd();
        f.Host().SetHandler([&](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
            if (message == WM_COMMAND && HIWORD(wParam) == CBN_DROPDOWN && !bDeleted)
                hFrame = pCombo->FrameHwnd();
            if (!bDeleted && message == WM_COMMAND && HIWORD(wParam) == c.nCode) {
                bDeleted = true;
                if (act == vxtest::HostAct::DeleteControl) {
                    delete pCombo;
                    pCombo = NULL;
                } else {
                    ::DestroyWindow(hHost);
                }
            }
            return false;
        });
        DriveCombo(f, pCombo, c.drive, bDeleted);
        if (::IsWindow(hHost))
            f.Host().SetHandler(nullptr);
        EXPECT_TRUE(bDeleted);
        delete pCombo;
        EXPECT_FALSE(::IsWindow(hCombo));
        if (hFrame != NULL) {
            EXPECT_FALSE(::IsWindow(hFrame));
        }
        EXPECT_EQ(::GetCapture(), static_cast<HWND>(NULL));
    }
    PumpTranslated();
    EXPECT_EQ(vxtest::GuiCounts::Now().windows, windowsBefore);
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
                pCombo->AddString(_T("entry"), _T("img.any"));
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
            pOpen->AddString(_T("one"));
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
        c.AddString(_T("row"), i % 3 == 0 ? _T("img.row") : NULL);
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

// The host opens the list again from a notification of its closing: the reopened list
// stays open (a close posted for the old one does not shut it), and no frame is left over.
TEST(ComboLifetime, HostReopensTheListFromEachClosingNotification)
{
    enum class Drive { ClickRow, Escape };
    const struct {
        UINT nCode;
        Drive drive;
    } cases[] = {
        {CBN_SELENDCANCEL, Drive::Escape}, {CBN_CLOSEUP, Drive::Escape},
        {CBN_CLOSEUP, Drive::ClickRow},    {CBN_SELCHANGE, Drive::ClickRow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.nCode << " drive " << (int)c.drive);
        ComboFixture f(CBS_DROPDOWNLIST);
        f.Fill({"alpha", "beta", "gamma"});
        ProbeCombo& combo = f.Combo();
        ::SetFocus(f.Hwnd());
        vxtest::MouseMove(vxtest::ScreenPoint(f.Host().Hwnd(), 700, 300));
        PumpTranslated();
        const vxtest::GuiCounts closed = vxtest::GuiCounts::Now();
        int reopened = 0;
        f.Host().SetHandler([&](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
            if (message == WM_COMMAND && HIWORD(wParam) == c.nCode && reopened == 0) {
                ++reopened;
                combo.ShowDropDown(TRUE);
            }
            return false;
        });
        Key(VK_F4);
        ASSERT_TRUE(combo.GetDroppedState());
        switch (c.drive) {
        case Drive::ClickRow:
            f.ClickRow(1);
            break;
        case Drive::Escape:
            Key(VK_ESCAPE);
            break;
        }
        PumpTranslatedFor(150);
        f.Host().SetHandler(nullptr);
        EXPECT_EQ(reopened, 1);
        EXPECT_TRUE(combo.GetDroppedState());
        EXPECT_TRUE(::IsWindowVisible(combo.FrameHwnd()));
        // One frame and its list on top of the closed state: nothing leaked.
        EXPECT_EQ(vxtest::GuiCounts::Now().windows, closed.windows + 2);
        combo.ShowDropDown(FALSE);
        PumpTranslated();
        EXPECT_EQ(vxtest::GuiCounts::Now().windows, closed.windows);
    }
}

// The same object gets a window again: it works as a new combo, with its items.
TEST(ComboLifetime, ReCreatedOnTheSameObjectWorksLikeANewOne)
{
    vxtest::HostWindow host;
    ProbeCombo combo;
    combo.ModifyCBStyle(0, VXCB_AUTOCOMPLETE);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(20, 20, 220, 44),
                                 CWnd::FromHandle(host.Hwnd()), kComboId));
        if (round == 0) {
            combo.AddString(_T("alpha"));
            combo.AddString(_T("beta"));
        }
        PumpTranslated();
        ASSERT_TRUE(combo.Edit() != NULL);
        ASSERT_TRUE(::IsWindow(combo.Edit()->GetSafeHwnd()));
        EXPECT_EQ(::GetParent(combo.Edit()->GetSafeHwnd()), combo.GetSafeHwnd());
        EXPECT_EQ(combo.GetCount(), 2);
        // Typing completes from the items the object kept.
        combo.Edit()->SetFocus();
        combo.Edit()->SetWindowText(_T(""));
        PumpTranslated();
        Type("be");
        CString text;
        combo.GetText(text);
        EXPECT_STREQ(text, _T("beta"));
        // Destroyed with the list open and the pointer hovering: all of it ends with it.
        vxtest::MouseMove(vxtest::CentreOf(combo.GetSafeHwnd()));
        PumpTranslatedFor(80);
        combo.ShowDropDown(TRUE);
        ASSERT_TRUE(combo.GetDroppedState());
        HWND hFrame = combo.FrameHwnd();
        combo.DestroyWindow();
        EXPECT_FALSE(::IsWindow(hFrame));
        EXPECT_FALSE(combo.GetDroppedState());
        EXPECT_EQ(combo.Edit(), nullptr);
        EXPECT_FALSE(combo.Focused());
        EXPECT_FALSE(combo.HoverTimer());
        vxtest::MouseMove(vxtest::ScreenPoint(host.Hwnd(), 700, 300));
        PumpTranslated();
    }
}

} // namespace

namespace {

TEST(ComboLifetime, DropListThatCannotBeMadeOpensNothingAndClosesWhatItAnnounced)
{
    // The frame, its list, or memory for either refused: the host hears CBN_DROPDOWN and
    // CBN_CLOSEUP in pairs, nothing stays open, and the next opening works.
    for (vxtest::Request kind : {vxtest::Request::Window, vxtest::Request::Allocation}) {
        for (int skip = 0; skip < 2; ++skip) {
            SCOPED_TRACE(testing::Message() << vxtest::RequestName(kind) << " " << skip);
            ComboFixture f(CBS_DROPDOWNLIST);
            f.Fill({"one", "two", "three"});
            const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
            {
                vxtest::FaultInjector injector;
                if (skip == 0)
                    injector.FailNextOf(kind);
                else
                    injector.FailAt(2, false);
                try {
                    f.Combo().ShowDropDown(TRUE);
                } catch (CMemoryException* e) {
                    e->Delete();
                }
                PumpTranslatedFor(30);
            }
            const std::vector<UINT> codes = f.Codes();
            const long opened = std::count(codes.begin(), codes.end(), (UINT)CBN_DROPDOWN);
            EXPECT_EQ(std::count(codes.begin(), codes.end(), (UINT)CBN_CLOSEUP), f.Combo().Dropped() ? opened - 1 : opened);
            if (!f.Combo().Dropped()) {
                EXPECT_EQ(vxtest::GuiCounts::Now().windows, before.windows);
            }
            f.Combo().ShowDropDown(FALSE);
            PumpTranslatedFor(10);
            f.Combo().ShowDropDown(TRUE);
            EXPECT_TRUE(f.Combo().Dropped());
            f.Combo().ShowDropDown(FALSE);
        }
    }
}

TEST(ComboLifetime, AFilteredListRefilledOutOfMemoryAtAnyStepKeepsOneFrameOrNone)
{
    // The second key refills the frame the first one opened; each of its requests fails in
    // turn. The frame is shown or gone, never kept hidden, and the next key works.
    long nRequests = 0;
    for (long n = 0; n == 0 || n <= nRequests; ++n) {
        SCOPED_TRACE(testing::Message() << "request " << n);
        ComboFixture f(CBS_DROPDOWN);
        f.Combo().ModifyCBStyle(0, VXCB_FILTEREDLIST);
        f.Fill({"banana", "berry", "bean", "cherry"});
        ::SetFocus(f.Combo().Edit()->GetSafeHwnd());
        PumpTranslated();
        const int closed = vxtest::GuiCounts::Now().windows;
        Type("b");
        ASSERT_NE(f.Combo().FrameHwnd(), static_cast<HWND>(NULL));
        const int open = vxtest::GuiCounts::Now().windows;
        f.ClearCodes();
        {
            vxtest::FaultInjector injector;
            injector.FailAt(n, false);
            Type("e");
            if (n == 0)
                nRequests = injector.Requests();
        }
        const bool shown = f.Combo().FrameHwnd() != NULL;
        EXPECT_TRUE(!shown || ::IsWindowVisible(f.Combo().FrameHwnd()));
        EXPECT_EQ(vxtest::GuiCounts::Now().windows, shown ? open : closed);
        const std::vector<UINT> codes = f.Codes();
        // Each opening heard is closed again, and so is the one before the key if none is shown.
        EXPECT_EQ(std::count(codes.begin(), codes.end(), (UINT)CBN_CLOSEUP),
                  std::count(codes.begin(), codes.end(), (UINT)CBN_DROPDOWN) + (shown ? 0 : 1));
        Type("a");
        EXPECT_NE(f.Combo().FrameHwnd(), static_cast<HWND>(NULL));
    }
    EXPECT_GT(nRequests, 0);
}

} // namespace
