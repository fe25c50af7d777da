// The combo box and its drop list as a screen reader reads them: names, roles, states,
// values and children; the value after typing and after choosing; the events of opening,
// moving through and closing the list; an object held past its window.
#include "accessible_reader.h"
#include "combo_test_util.h"

#include <gtest/gtest.h>

namespace {

using combotest::ComboFixture;

const long kCollapsedIdle = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_HASPOPUP | STATE_SYSTEM_COLLAPSED;

class ComboAccessible : public ::testing::Test
{
protected:
    // A dialog-like label before the combo in the tab order.
    void AddLabel(ComboFixture& fixture, const char* text)
    {
        HWND label = ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE, 20, 2, 100, 16,
                                       fixture.Host().Hwnd(), NULL, ::GetModuleHandleA(NULL), NULL);
        ::SetWindowPos(label, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    static HWND ListOf(combotest::ProbeCombo& combo) { return combo.ListHwnd(); }

    a11y::ComScope com;
};

TEST_F(ComboAccessible, NameRoleValueStatesAndChildren)
{
    ComboFixture fixture(CBS_DROPDOWN);
    AddLabel(fixture, "&Colour:");
    fixture.Fill({"Red", "Green", "Blue"});
    a11y::Reader combo(fixture.Hwnd());
    ASSERT_TRUE(combo.Ok());
    EXPECT_EQ(combo.Name(), "Colour:");
    EXPECT_EQ(combo.Role(), ROLE_SYSTEM_COMBOBOX);
    EXPECT_EQ(combo.State(), kCollapsedIdle);
    EXPECT_EQ(combo.DefaultAction(), "Open");
    fixture.Combo().SetCurSel(1);
    EXPECT_EQ(combo.Value(), "Green");
    // The system combo box's three children: the edit (named as the combo), the list (hidden
    // while closed) and the button, named by what it does.
    ASSERT_EQ(combo.ChildCount(), 3);
    EXPECT_EQ(combo.Role(1), ROLE_SYSTEM_TEXT);
    EXPECT_EQ(combo.Name(1), "Colour:");
    EXPECT_EQ(combo.Value(1), "Green");
    EXPECT_EQ(combo.State(1) & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_READONLY), STATE_SYSTEM_FOCUSABLE);
    EXPECT_TRUE(combo.Child(1).Ok());
    EXPECT_EQ(combo.Role(2), ROLE_SYSTEM_LIST);
    EXPECT_EQ(combo.State(2), STATE_SYSTEM_INVISIBLE);
    EXPECT_FALSE(combo.Child(2).Ok());
    EXPECT_EQ(combo.Role(3), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(combo.Name(3), "Open");
    EXPECT_EQ(combo.DefaultAction(3), "Open");
    RECT button = combo.Location(3), whole;
    ::GetWindowRect(fixture.Hwnd(), &whole);
    RECT inside;
    EXPECT_TRUE(::IntersectRect(&inside, &button, &whole) && ::EqualRect(&inside, &button));
    EXPECT_GT(button.left, (whole.left + whole.right) / 2); // the trailing end
    // Navigation among the children, and a hit test beside the combo that finds nothing.
    EXPECT_EQ(combo.Navigate(NAVDIR_FIRSTCHILD, 0), a11y::kObject); // the edit, a window
    EXPECT_EQ(combo.Navigate(NAVDIR_LASTCHILD, 0), 3);
    EXPECT_EQ(combo.Navigate(NAVDIR_NEXT, 1), 2);
    EXPECT_EQ(combo.Navigate(NAVDIR_PREVIOUS, 1), -1);
    EXPECT_EQ(combo.Navigate(NAVDIR_NEXT, 3), -1);
    EXPECT_EQ(combo.HitTest({whole.right + 40, whole.bottom + 40}), -1);

    // Disabled: unavailable.
    fixture.Combo().EnableWindow(FALSE);
    EXPECT_EQ(combo.State() & STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_UNAVAILABLE);
}

TEST_F(ComboAccessible, WithoutALabelTheNameIsEmptyNeverTheValue)
{
    ComboFixture fixture(CBS_DROPDOWNLIST);
    fixture.Fill({"Small", "Large"});
    fixture.Combo().SetCurSel(1);
    a11y::Reader combo(fixture.Hwnd());
    EXPECT_EQ(combo.Name(), "");
    EXPECT_EQ(combo.Value(), "Large");
    ASSERT_EQ(combo.ChildCount(), 3);
    EXPECT_EQ(combo.Role(1), ROLE_SYSTEM_STATICTEXT); // the shown item
    EXPECT_EQ(combo.Name(1), "");
    EXPECT_EQ(combo.Value(1), "Large");
    EXPECT_FALSE(combo.Child(1).Ok());
}

TEST_F(ComboAccessible, ValueFollowsTypingAndChoosingAndTheListIsReadRowByRow)
{
    ComboFixture fixture(CBS_DROPDOWN);
    AddLabel(fixture, "City:");
    fixture.Fill({"Amsterdam", "Berlin", "Bern", "Rome"});
    fixture.Combo().DisableItem(2);
    a11y::Reader combo(fixture.Hwnd());
    vxtest::Click(vxtest::CentreOf(fixture.Combo().Edit()->GetSafeHwnd()));
    combotest::Type("Be");
    EXPECT_EQ(combo.Value(), "Be");
    EXPECT_EQ(combo.State() & STATE_SYSTEM_FOCUSED, STATE_SYSTEM_FOCUSED);
    // The focus is the edit, handed out as its own object: a text named as the combo, whose
    // parent is the combo.
    a11y::Reader edit(static_cast<IAccessible*>(NULL));
    ASSERT_EQ(combo.Focus(&edit), a11y::kObject);
    EXPECT_EQ(edit.Window(), fixture.Combo().Edit()->GetSafeHwnd());
    a11y::Reader editDirect(fixture.Combo().Edit()->GetSafeHwnd());
    EXPECT_EQ(editDirect.Role(), ROLE_SYSTEM_TEXT);
    EXPECT_EQ(editDirect.Name(), "City:");
    EXPECT_EQ(editDirect.Value(), "Be");
    EXPECT_EQ(editDirect.Parent().Window(), fixture.Hwnd());

    combotest::AltKey(VK_DOWN);
    ASSERT_TRUE(fixture.Combo().Dropped());
    EXPECT_EQ(combo.State() & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED), STATE_SYSTEM_EXPANDED);
    EXPECT_EQ(combo.DefaultAction(), "Close");
    ASSERT_EQ(combo.ChildCount(), 3);
    EXPECT_EQ(combo.Role(2), ROLE_SYSTEM_LIST);
    EXPECT_EQ(combo.Name(3), "Close");
    a11y::Reader list = combo.Child(2);
    ASSERT_TRUE(list.Ok());
    a11y::Reader listDirect(ListOf(fixture.Combo()));
    EXPECT_EQ(listDirect.Parent().Window(), fixture.Hwnd()); // not the desktop
    EXPECT_EQ(listDirect.Role(), ROLE_SYSTEM_LIST);
    EXPECT_EQ(listDirect.Name(), "City:");
    ASSERT_EQ(listDirect.ChildCount(), 4);
    EXPECT_EQ(listDirect.Name(1), "Amsterdam");
    EXPECT_EQ(listDirect.Role(4), ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(listDirect.State(3) & STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_UNAVAILABLE);
    // The chosen row follows the keys; it is the selected and the focused one.
    combotest::Key(VK_DOWN);
    combotest::Key(VK_DOWN);
    const long chosen = listDirect.Selection();
    ASSERT_GT(chosen, 0);
    EXPECT_EQ(listDirect.Focus(), chosen);
    EXPECT_EQ(listDirect.State(chosen) & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED),
              STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
    const RECT row = listDirect.Location(chosen);
    EXPECT_EQ(listDirect.HitTest({(row.left + row.right) / 2, (row.top + row.bottom) / 2}), chosen);
    const std::string chosenName = listDirect.Name(chosen);

    combotest::Key(VK_RETURN);
    ASSERT_TRUE(combotest::WaitClosed(fixture.Combo()));
    EXPECT_EQ(combo.Value(), chosenName);
    EXPECT_EQ(combo.State() & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED), STATE_SYSTEM_COLLAPSED);
    EXPECT_FALSE(combo.Child(2).Ok());
    // The list's object outlived its window: it answers nothing more.
    EXPECT_EQ(listDirect.NameResult(1), RPC_E_DISCONNECTED);
}

TEST_F(ComboAccessible, EventsWhenAListOpensARowIsChosenAndItCloses)
{
    ComboFixture fixture(CBS_DROPDOWNLIST);
    fixture.Fill({"One", "Two", "Three"});
    fixture.Combo().SetCurSel(0);
    // The focus comes with a click, which opens the list; Escape closes it again.
    vxtest::Click(vxtest::CentreOf(fixture.Hwnd()));
    ASSERT_TRUE(combotest::PumpTranslatedUntil([&] { return fixture.Combo().Dropped() == TRUE; }));
    combotest::Key(VK_ESCAPE);
    ASSERT_TRUE(combotest::WaitClosed(fixture.Combo()));

    a11y::EventLog log;
    combotest::AltKey(VK_DOWN);
    ASSERT_TRUE(fixture.Combo().Dropped());
    HWND list = ListOf(fixture.Combo());
    combotest::Key(VK_DOWN);
    combotest::Key(VK_RETURN);
    ASSERT_TRUE(combotest::WaitClosed(fixture.Combo()));
    vxtest::PumpMessages();
    const std::vector<std::string> expected = {"state combo 0", "focus list 1", "focus list 2",
                                               "selection list 2", "value combo 0", "state combo 0"};
    EXPECT_EQ(log.Lines({{fixture.Hwnd(), "combo"}, {list, "list"}}), expected);
}

TEST_F(ComboAccessible, TheFilteredListTellsEachRowTheArrowsReach)
{
    ComboFixture fixture(CBS_DROPDOWN);
    fixture.Combo().ModifyCBStyle(VXCB_AUTOCOMPLETE, VXCB_FILTEREDLIST);
    fixture.Fill({"Bern", "Berlin", "Bergen", "Rome"});
    a11y::Reader combo(fixture.Hwnd());
    vxtest::Click(vxtest::CentreOf(fixture.Combo().Edit()->GetSafeHwnd()));
    combotest::Type("Ber");
    ASSERT_TRUE(combotest::PumpTranslatedUntil([&] { return ListOf(fixture.Combo()) != NULL; }));
    EXPECT_EQ(combo.State() & STATE_SYSTEM_EXPANDED, STATE_SYSTEM_EXPANDED);
    EXPECT_TRUE(combo.Child(2).Ok());
    HWND hList = ListOf(fixture.Combo());
    a11y::Reader list(hList);
    EXPECT_EQ(list.ChildCount(), 3);

    a11y::EventLog log;
    combotest::Key(VK_DOWN);
    combotest::Key(VK_DOWN);
    vxtest::PumpMessages();
    const std::vector<std::string> expected = {"focus list 1", "selection list 1", "focus list 2", "selection list 2"};
    EXPECT_EQ(log.Lines({{hList, "list"}}), expected);
    EXPECT_EQ(list.Name(list.Selection()), "Berlin");
    combotest::Key(VK_ESCAPE);
    EXPECT_TRUE(combotest::WaitClosed(fixture.Combo()));
}

TEST_F(ComboAccessible, AScreenReaderInAnotherProcessReadsTheCombo)
{
    ComboFixture fixture(CBS_DROPDOWNLIST);
    AddLabel(fixture, "Size:");
    fixture.Fill({"Small", "Large"});
    fixture.Combo().SetCurSel(1);
    EXPECT_EQ(a11y::ReadFromAnotherProcess(fixture.Hwnd()),
              "Size:|" + std::to_string(ROLE_SYSTEM_COMBOBOX) + "|Large|3");
}

TEST_F(ComboAccessible, DefaultActionOpensAndClosesTheList)
{
    ComboFixture fixture(CBS_DROPDOWNLIST);
    fixture.Fill({"One", "Two"});
    a11y::Reader combo(fixture.Hwnd());
    ASSERT_EQ(combo.DoDefaultAction(), S_OK);
    EXPECT_TRUE(combotest::PumpTranslatedUntil([&] { return fixture.Combo().Dropped() == TRUE; }));
    ASSERT_EQ(combo.DoDefaultAction(), S_OK);
    EXPECT_TRUE(combotest::WaitClosed(fixture.Combo()));
    // A child has no default action; the object of a destroyed combo answers nothing.
    fixture.Combo().DestroyWindow();
    EXPECT_EQ(combo.NameResult(), RPC_E_DISCONNECTED);
}

} // namespace

namespace {

TEST_F(ComboAccessible, HitTestNamesRowsPastSixteenBits)
{
    // The list box answers a point with the row's low 16 bits only.
    ComboFixture fixture(CBS_DROPDOWNLIST);
    const int kRows = 70000;
    for (int i = 0; i < kRows; ++i)
        fixture.Combo().AddString(_T("row"));
    fixture.Combo().ShowDropDown(TRUE);
    ASSERT_TRUE(fixture.Combo().Dropped());
    HWND hList = ListOf(fixture.Combo());
    ASSERT_EQ(fixture.Combo().SetTopIndex(68000), 0);
    a11y::Reader list(hList);
    const long top = static_cast<long>(::SendMessage(hList, LB_GETTOPINDEX, 0, 0));
    ASSERT_GE(top, 65536);
    for (long row : {top, top + 2}) {
        const RECT rc = list.Location(row + 1);
        EXPECT_EQ(list.HitTest({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}), row + 1) << "row " << row;
    }
    fixture.Combo().ShowDropDown(FALSE);
}

} // namespace

namespace {

TEST_F(ComboAccessible, NullOutParametersAreRefusedAndOthersCleared)
{
    ComboFixture fixture(CBS_DROPDOWNLIST);
    fixture.Fill({"Small", "Large"});
    a11y::Reader reader(fixture.Hwnd());
    ASSERT_TRUE(reader.Ok());
    IAccessible* acc = reader.Object();
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    long x = 7, y = 7, cx = 7;
    EXPECT_EQ(acc->get_accName(self, NULL), E_POINTER);
    EXPECT_EQ(acc->get_accRole(self, NULL), E_POINTER);
    EXPECT_EQ(acc->get_accChildCount(NULL), E_POINTER);
    EXPECT_EQ(acc->get_accFocus(NULL), E_POINTER);
    EXPECT_EQ(acc->accHitTest(0, 0, NULL), E_POINTER);
    EXPECT_EQ(acc->accNavigate(NAVDIR_FIRSTCHILD, self, NULL), E_POINTER);
    EXPECT_EQ(acc->accLocation(&x, &y, &cx, NULL, self), E_POINTER);
    // A refused child number leaves its out-parameter empty, not as the caller had it.
    VARIANT bad;
    bad.vt = VT_I4;
    bad.lVal = 99;
    BSTR name = reinterpret_cast<BSTR>(&x);
    EXPECT_EQ(acc->get_accName(bad, &name), E_INVALIDARG);
    EXPECT_EQ(name, (BSTR)NULL);
    VARIANT role;
    role.vt = VT_I4;
    role.lVal = 5;
    EXPECT_EQ(acc->get_accRole(bad, &role), E_INVALIDARG);
    EXPECT_EQ(role.vt, VT_EMPTY);
}

} // namespace
