// Keys through real input and the framework's pre-translation, the wheel, completion by the
// Right-arrow key, and a host that deletes the combo from a notification.
#include "combo_test_util.h"

#include <gtest/gtest.h>

using namespace combotest;

namespace {

const std::vector<UINT> kSelection = {CBN_SELENDOK, CBN_SELCHANGE};

TEST(ComboKeys, DownAndUpMoveTheSelectionWithNotifications)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    f.Fill({"zero", "one", "two"});
    ::SetFocus(f.Hwnd());
    PumpTranslated();
    f.ClearCodes();

    // From no selection item 0 counts as current: Down takes item 1.
    Key(VK_DOWN);
    EXPECT_EQ(c.CurSelIndex(), 1);
    EXPECT_STREQ(c.FieldText(), _T("one"));
    EXPECT_EQ(f.Codes(), kSelection);
    f.ClearCodes();
    Key(VK_DOWN);
    EXPECT_EQ(c.CurSelIndex(), 2);
    EXPECT_EQ(f.Codes(), kSelection);
    // At the last item nothing moves and nothing is sent.
    f.ClearCodes();
    Key(VK_DOWN);
    EXPECT_EQ(c.CurSelIndex(), 2);
    EXPECT_TRUE(f.Codes().empty());
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(c.CurSelIndex(), 0);
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDOK, CBN_SELCHANGE, CBN_SELENDOK, CBN_SELCHANGE}));
    f.ClearCodes();
    Key(VK_UP);
    EXPECT_EQ(c.CurSelIndex(), 0);
    EXPECT_TRUE(f.Codes().empty());
    EXPECT_STREQ(c.FieldText(), _T("zero"));
    EXPECT_EQ(vxtest::WindowTextOf(f.Hwnd()), "zero");
}

TEST(ComboKeys, DisabledItemsArePassedOver)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    f.Fill({"a", "b", "c", "d"});
    c.DisableItem(1);
    c.DisableItem(3);
    c.SetCurSel(0);
    ::SetFocus(f.Hwnd());
    PumpTranslated();
    f.ClearCodes();
    Key(VK_DOWN);
    EXPECT_EQ(c.CurSelIndex(), 2);
    f.ClearCodes();
    Key(VK_DOWN);                                // only a disabled item follows
    EXPECT_EQ(c.CurSelIndex(), 2);
    EXPECT_TRUE(f.Codes().empty());
    Key(VK_UP);
    EXPECT_EQ(c.CurSelIndex(), 0);
    EXPECT_EQ(f.Codes(), kSelection);
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
    ::SetFocus(f.Hwnd());
    PumpTranslated();

    // Closed: each key selects, with the notifications of a selection.
    struct Step
    {
        WORD key;
        int expected;
    } const closed[] = {{VK_NEXT, 8}, {VK_NEXT, 13}, {VK_END, 19}, {VK_PRIOR, 14}, {VK_HOME, 1}};
    for (const Step& step : closed) {
        f.ClearCodes();
        Key(step.key);
        EXPECT_EQ(c.CurSelIndex(), step.expected) << step.key;
        EXPECT_EQ(f.Codes(), kSelection) << step.key;
    }
    f.ClearCodes();
    Key(VK_HOME);                                // already at the first enabled item
    EXPECT_TRUE(f.Codes().empty());

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
    ProbeCombo& c = f.Combo();
    f.Fill({"only"});
    ::SetFocus(f.Hwnd());
    PumpTranslated();
    f.ClearCodes();
    Key(VK_DOWN);
    EXPECT_EQ(c.CurSelIndex(), 0);
    EXPECT_TRUE(f.Codes().empty());
}

TEST(ComboKeys, DropDownStyleWritesTheEdit)
{
    ComboFixture f(CBS_DROPDOWN);
    ProbeCombo& c = f.Combo();
    f.Fill({"zero", "one", "two"});
    ::SetFocus(f.Hwnd());
    PumpTranslated();
    ASSERT_EQ(::GetFocus(), c.Edit()->GetSafeHwnd());
    f.ClearCodes();
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
    ::SetFocus(f.Hwnd());
    PumpTranslated();
    f.ClearCodes();
    Key(VK_F4);
    AltKey(VK_DOWN);
    AltKey(VK_UP);
    EXPECT_EQ(rec.Count(WM_COMBO_DROPDOWNBUTTON), 3);
    // Handled keys never reach the window.
    EXPECT_EQ(rec.Filter([](const vxtest::RecordedMessage& m) {
                  return m.message == WM_KEYDOWN && m.wParam == VK_F4;
              }).size(), 0u);
    Key(VK_ESCAPE);
    EXPECT_EQ(rec.Filter([](const vxtest::RecordedMessage& m) {
                  return m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE;
              }).size(), 1u);
    Key(VK_RETURN);
    EXPECT_EQ(rec.Filter([](const vxtest::RecordedMessage& m) {
                  return m.message == WM_KEYDOWN && m.wParam == VK_RETURN;
              }).size(), 1u);
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

TEST(ComboKeys, CompletionAndTheRightArrow)
{
    ComboFixture f(CBS_DROPDOWN | CBS_AUTOHSCROLL);
    ProbeCombo& c = f.Combo();
    c.ModifyCBStyle(0, VXCB_AUTOCOMPLETE);
    f.Fill({"apple", "apricot", "Banana"});
    ::SetFocus(f.Hwnd());
    PumpTranslated();

    Type("a");
    EXPECT_STREQ(EditText(c), _T("apple"));
    EXPECT_EQ(c.GetEditSel(), static_cast<DWORD>(MAKELONG(1, 5)));
    Type("pr");
    EXPECT_STREQ(EditText(c), _T("apricot"));
    EXPECT_EQ(c.GetEditSel(), static_cast<DWORD>(MAKELONG(3, 7)));
    // Backspace removes the completed tail and completes nothing.
    Key(VK_BACK);
    EXPECT_STREQ(EditText(c), _T("apr"));
    EXPECT_EQ(c.GetEditSel(), static_cast<DWORD>(MAKELONG(3, 3)));
    // Right-arrow at the end completes again, and is spent.
    f.ClearCodes();
    Key(VK_RIGHT);
    EXPECT_STREQ(EditText(c), _T("apricot"));
    EXPECT_EQ(c.GetEditSel(), static_cast<DWORD>(MAKELONG(3, 7)));
    std::vector<UINT> codes = f.Codes();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), static_cast<UINT>(CBN_EDITUPDATE));
    // Right-arrow inside the text moves the caret as usual.
    c.SetEditSel(1, 1);
    Key(VK_RIGHT);
    EXPECT_EQ(c.GetEditSel(), static_cast<DWORD>(MAKELONG(2, 2)));
    EXPECT_STREQ(EditText(c), _T("apricot"));

    // Case matters.
    c.SetEditSel(0, -1);
    Type("B");
    EXPECT_STREQ(EditText(c), _T("Banana"));
    c.SetEditSel(0, -1);
    Type("b");
    EXPECT_STREQ(EditText(c), _T("b"));

    // Without the option Right-arrow is the edit's.
    c.ModifyCBStyle(VXCB_AUTOCOMPLETE, 0);
    c.SetText(_T("ap"));
    c.SetEditSel(2, 2);
    Key(VK_RIGHT);
    EXPECT_STREQ(EditText(c), _T("ap"));
    EXPECT_FALSE(c.CallPreTranslate(WM_KEYDOWN, VK_RIGHT));
}

TEST(ComboKeys, EmptyingTheEditWithCompletionSendsNoUpdate)
{
    ComboFixture f(CBS_DROPDOWN);
    ProbeCombo& c = f.Combo();
    c.ModifyCBStyle(0, VXCB_AUTOCOMPLETE);
    f.Fill({"apple"});
    ::SetFocus(f.Hwnd());
    PumpTranslated();
    Type("x");
    EXPECT_STREQ(EditText(c), _T("x"));
    f.ClearCodes();
    c.SetEditSel(0, -1);
    // Cut: a key other than Delete or Backspace empties the text.
    ChordKey(VK_CONTROL, 'X');
    EXPECT_STREQ(EditText(c), _T(""));
    for (UINT code : f.Codes())
        EXPECT_NE(code, static_cast<UINT>(CBN_EDITUPDATE));
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
