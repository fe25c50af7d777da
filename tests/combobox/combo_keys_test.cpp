// Keys through real input and the framework's pre-translation, the wheel, and a host that
// deletes the combo from a notification.
#include "combo_test_util.h"

#include <gtest/gtest.h>

using namespace combotest;

namespace {

const std::vector<UINT> kSelection = {CBN_SELENDOK, CBN_SELCHANGE};

const std::vector<UINT> kNone;

TEST(ComboKeys, DownAndUpMoveTheSelectionPastDisabledItemsWithNotifications)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    f.Fill({"zero", "one", "two"});
    f.Focus();
    // From no selection item 0 counts as current; at either end nothing moves and nothing is
    // sent.
    EXPECT_TRUE(f.KeyLeaves(VK_DOWN, 1, kSelection));
    EXPECT_STREQ(f.Combo().FieldText(), _T("one"));
    EXPECT_TRUE(f.KeyLeaves(VK_DOWN, 2, kSelection));
    EXPECT_TRUE(f.KeyLeaves(VK_DOWN, 2, kNone));
    EXPECT_TRUE(f.KeyLeaves(VK_UP, 1, kSelection));
    EXPECT_TRUE(f.KeyLeaves(VK_UP, 0, kSelection));
    EXPECT_TRUE(f.KeyLeaves(VK_UP, 0, kNone));
    EXPECT_STREQ(f.Combo().FieldText(), _T("zero"));
    EXPECT_EQ(vxtest::WindowTextOf(f.Hwnd()), "zero");

    ComboFixture g(CBS_DROPDOWNLIST);
    g.Fill({"a", "b", "c", "d"});
    g.Combo().DisableItem(1);
    g.Combo().DisableItem(3);
    g.Combo().SetCurSel(0);
    g.Focus();
    EXPECT_TRUE(g.KeyLeaves(VK_DOWN, 2, kSelection));
    EXPECT_TRUE(g.KeyLeaves(VK_DOWN, 2, kNone)); // only a disabled item follows
    EXPECT_TRUE(g.KeyLeaves(VK_UP, 0, kSelection));
}

TEST(ComboKeys, HomeEndAndPagesMoveTheSelectionOrTheHighlight)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    f.Fill({"r0", "r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9", "r10", "r11", "r12", "r13", "r14",
            "r15", "r16", "r17", "r18", "r19"});
    c.DisableItem(0);
    c.SetDefaultVisibleItems(5);
    c.SetCurSel(3);
    f.Focus();
    // Closed: each key selects, with the notifications of a selection.
    EXPECT_TRUE(f.KeyLeaves(VK_NEXT, 8, kSelection));
    EXPECT_TRUE(f.KeyLeaves(VK_NEXT, 13, kSelection));
    EXPECT_TRUE(f.KeyLeaves(VK_END, 19, kSelection));
    EXPECT_TRUE(f.KeyLeaves(VK_PRIOR, 14, kSelection));
    EXPECT_TRUE(f.KeyLeaves(VK_HOME, 1, kSelection));
    EXPECT_TRUE(f.KeyLeaves(VK_HOME, 1, kNone)); // already at the first enabled item

    // Open: the highlight moves by the rows shown less one, and Enter takes it.
    AltKey(VK_DOWN);
    ASSERT_TRUE(c.Dropped());
    HWND list = c.ListHwnd();
    RECT client;
    ::GetClientRect(list, &client);
    const int page = client.bottom / static_cast<int>(::SendMessage(list, LB_GETITEMHEIGHT, 0, 0)) - 1;
    ASSERT_GT(page, 1);
    Key(VK_NEXT);
    EXPECT_EQ(::SendMessage(list, LB_GETCURSEL, 0, 0), 1 + page);
    Key(VK_END);
    EXPECT_EQ(::SendMessage(list, LB_GETCURSEL, 0, 0), 19);
    Key(VK_PRIOR);
    EXPECT_EQ(::SendMessage(list, LB_GETCURSEL, 0, 0), 19 - page);
    Key(VK_HOME);
    EXPECT_EQ(::SendMessage(list, LB_GETCURSEL, 0, 0), 1);
    Key(VK_END);
    Key(VK_RETURN);
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_EQ(c.CurSelIndex(), 19);
}

TEST(ComboKeys, HomeAndEndMoveTheCaretOfTheEdit)
{
    ComboFixture f(CBS_DROPDOWN);
    ProbeCombo& c = f.Combo();
    f.Fill({"alpha", "beta", "gamma"});
    c.SetCurSel(1);
    vxtest::Click(vxtest::CentreOf(c.Edit()->GetSafeHwnd()));
    PumpTranslated();
    f.ClearCodes();
    Key(VK_HOME);
    EXPECT_EQ(c.Edit()->GetSel(), MAKELONG(0, 0));
    Key(VK_END);
    EXPECT_EQ(c.Edit()->GetSel(), MAKELONG(4, 4));
    EXPECT_EQ(c.CurSelIndex(), 1);
    EXPECT_TRUE(f.Codes().empty());
    // Page Down still selects.
    Key(VK_NEXT);
    EXPECT_EQ(c.CurSelIndex(), 2);
    EXPECT_STREQ(EditText(c), _T("gamma"));
}

TEST(ComboKeys, SingleItemSelectsSilently)
{
    ComboFixture f(CBS_DROPDOWN);
    f.Fill({"only"});
    f.Focus();
    EXPECT_TRUE(f.KeyLeaves(VK_DOWN, 0, kNone));
}

TEST(ComboKeys, DropDownStyleWritesTheEdit)
{
    ComboFixture f(CBS_DROPDOWN);
    ProbeCombo& c = f.Combo();
    f.Fill({"zero", "one", "two"});
    f.Focus();
    ASSERT_EQ(::GetFocus(), c.Edit()->GetSafeHwnd());
    Key(VK_DOWN);
    EXPECT_STREQ(EditText(c), _T("one"));
    EXPECT_EQ(c.CurSelIndex(), 1);
    // Besides the edit's own change notifications (whose timing is the edit's), the
    // selection's pair in order.
    std::vector<UINT> selection;
    for (UINT code : f.Codes()) {
        if (code != CBN_EDITUPDATE && code != CBN_EDITCHANGE)
            selection.push_back(code);
    }
    EXPECT_EQ(selection, kSelection);
}

TEST(ComboKeys, EscapeEnterF4AndAltDownWithTheListClosed)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    // Escape and Enter are the dialog's while the list is closed; F4 and Alt+Down toggle
    // (here: nothing to open).
    EXPECT_FALSE(c.CallPreTranslate(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_FALSE(c.CallPreTranslate(WM_KEYDOWN, VK_RETURN));
    EXPECT_TRUE(c.CallPreTranslate(WM_KEYDOWN, VK_F4));
    EXPECT_TRUE(c.CallPreTranslate(WM_KEYDOWN, VK_UP));
    EXPECT_TRUE(c.CallPreTranslate(WM_KEYDOWN, VK_DOWN));
    EXPECT_FALSE(c.CallPreTranslate(WM_SYSKEYDOWN, VK_DOWN));
    EXPECT_FALSE(c.CallPreTranslate(WM_KEYDOWN, 'A'));
    EXPECT_FALSE(c.CallPreTranslate(WM_KEYUP, VK_DOWN));

    vxtest::MessageRecorder rec(f.Hwnd());
    f.Focus();
    Key(VK_F4);
    AltKey(VK_DOWN);
    AltKey(VK_UP);
    EXPECT_EQ(rec.Count(WM_COMBO_DROPDOWNBUTTON), 3);
    // Handled keys never reach the window.
    const auto keyDowns = [&](WPARAM vk) {
        return rec.Filter([vk](const vxtest::RecordedMessage& m) { return m.message == WM_KEYDOWN && m.wParam == vk; })
            .size();
    };
    EXPECT_EQ(keyDowns(VK_F4), 0u);
    Key(VK_ESCAPE);
    EXPECT_EQ(keyDowns(VK_ESCAPE), 1u);
    Key(VK_RETURN);
    EXPECT_EQ(keyDowns(VK_RETURN), 1u);
    EXPECT_TRUE(f.Codes().empty());
    rec.Detach();
}

TEST(ComboKeys, WheelOnADropDownComboWritesTheEdit)
{
    // Wine's edit keeps the wheel to itself; the combo's own wheel handling still serves
    // the drop-down style.
    ComboFixture f(CBS_DROPDOWN);
    ProbeCombo& c = f.Combo();
    f.Fill({"zero", "one", "two"});
    ::SendMessageA(f.Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    EXPECT_EQ(c.CurSelIndex(), 1);
    EXPECT_STREQ(EditText(c), _T("one"));
    ::SendMessageA(f.Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(c.CurSelIndex(), 0);
    EXPECT_STREQ(EditText(c), _T("zero"));
}

TEST(ComboKeys, HostDeletingTheComboFromANotification)
{
    for (UINT fatal : {static_cast<UINT>(CBN_SELENDOK), static_cast<UINT>(CBN_SELCHANGE),
                       static_cast<UINT>(CBN_EDITUPDATE), static_cast<UINT>(CBN_EDITCHANGE)}) {
        ComboFixture f(CBS_DROPDOWN);
        f.Fill({"zero", "one", "two"});
        ProbeCombo* pCombo = f.Release();
        ::SetFocus(pCombo->GetSafeHwnd());
        PumpTranslated();
        f.Host().SetHandler([&](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
            if (message == WM_COMMAND && HIWORD(wParam) == fatal && pCombo != nullptr) {
                ProbeCombo* p = pCombo;
                pCombo = nullptr;
                delete p;
            }
            return false;
        });
        Key(VK_DOWN);
        EXPECT_EQ(pCombo, nullptr) << fatal;
        delete pCombo;
        f.Host().SetHandler(nullptr);
        EXPECT_EQ(::GetWindow(f.Host().Hwnd(), GW_CHILD), static_cast<HWND>(NULL));
    }
}

} // namespace
