// The combo's list interface on a real window: selection shifting and keeping, the shown
// text, the four cases of SetCurSel with and without edit, item data, text lengths, both
// ways of clearing, and the standard messages.
#include "combo_test_util.h"

#include <gtest/gtest.h>

#include <vexelcore_journal.h>

using namespace combotest;

namespace {

TEST(ComboList, AddAndInsertShiftTheSelectionButNotTheText)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    EXPECT_EQ(c.AddString(_T("a")), 0);
    EXPECT_EQ(c.AddString(_T("b"), _T("img.b")), 1);
    EXPECT_EQ(c.AddString(_T("c")), 2);
    EXPECT_EQ(c.SetCurSel(2), 2);
    EXPECT_EQ(c.InsertString(2, _T("x")), 2);
    EXPECT_EQ(c.CurSelIndex(), 3);
    EXPECT_EQ(c.InsertString(0, _T("y")), 0);
    EXPECT_EQ(c.CurSelIndex(), 4);
    EXPECT_EQ(c.InsertString(5, _T("z")), -1);       // the count inserts nothing
    EXPECT_EQ(c.InsertString(-1, _T("w")), 5);
    EXPECT_EQ(c.InsertString(50, _T("v"), _T("img.v")), 6);
    EXPECT_EQ(c.CurSelIndex(), 4);
    EXPECT_EQ(c.GetCount(), 7);
    // The shown text is still the selected item's.
    EXPECT_STREQ(c.FieldText(), _T("c"));
    EXPECT_EQ(c.GetCurSel(), 4);
}

TEST(ComboList, DeletionAndPublicResetKeepTheSelectionIndex)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    f.Fill({"a", "b", "c"});
    c.SetCurSel(1);
    EXPECT_EQ(c.DeleteString(3), -1);
    EXPECT_EQ(c.DeleteString(1), 2);
    EXPECT_EQ(c.CurSelIndex(), 1);
    EXPECT_STREQ(c.FieldText(), _T("b"));
    EXPECT_STREQ(WindowText(f.Hwnd()), _T("b"));
    // The index now names c, which the next paint shows.
    ::RedrawWindow(f.Hwnd(), NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_STREQ(c.FieldText(), _T("c"));

    c.ResetContent();
    EXPECT_EQ(c.GetCount(), 0);
    EXPECT_EQ(c.CurSelIndex(), 1);
    EXPECT_TRUE(c.FieldText().IsEmpty());
    // The window text of a drop list is the text it paints.
    EXPECT_STREQ(WindowText(f.Hwnd()), _T(""));
}

TEST(ComboList, SelectionNamingNoItemIsHarmless)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    f.Fill({"a", "b", "c"});
    c.SetCurSel(2);
    c.DeleteString(2);
    c.DeleteString(1);
    EXPECT_EQ(c.CurSelIndex(), 2);
    ::RedrawWindow(f.Hwnd(), NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_STREQ(c.FieldText(), _T("c"));            // nothing to take, the text stays
    f.Focus();
    Key(VK_DOWN);
    Key(VK_UP);
    ::SendMessage(f.Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    ::SendMessage(f.Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(c.CurSelIndex(), 2);
    EXPECT_TRUE(f.Codes().empty());
    EXPECT_EQ(c.GetItemData(2), static_cast<DWORD_PTR>(-1));
    EXPECT_EQ(c.GetLBTextLen(2), -1);

    c.ResetContent();
    ::RedrawWindow(f.Hwnd(), NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    Key(VK_DOWN);
    EXPECT_EQ(c.CurSelIndex(), 2);
    EXPECT_TRUE(f.Codes().empty());
}

TEST(ComboList, SelectStringTakesAnExactMatchOnly)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    f.Fill({"ABC", "abc", "abd", "xyz"});
    // Exact matching only (the search rules are the item rules'); no match changes nothing.
    EXPECT_EQ(c.SelectString(-1, _T("ab")), -1);
    EXPECT_EQ(c.CurSelIndex(), -1);
    EXPECT_EQ(c.SelectString(5, _T("abc")), -1);
    EXPECT_EQ(c.SelectString(-1, _T("abd")), 2);
    EXPECT_EQ(c.CurSelIndex(), 2);
    EXPECT_STREQ(c.FieldText(), _T("abd"));
    EXPECT_STREQ(WindowText(f.Hwnd()), _T("abd"));
    EXPECT_TRUE(f.Codes().empty());
}

TEST(ComboList, GetCurSelReportsTheFirstItemWithTheShownText)
{
    ComboFixture f(CBS_DROPDOWN);
    ProbeCombo& c = f.Combo();
    ASSERT_NE(c.Edit(), nullptr);
    f.Fill({"same", "other", "same"});
    EXPECT_EQ(c.SetCurSel(2), 2);
    EXPECT_EQ(c.CurSelIndex(), 2);
    EXPECT_EQ(c.GetCurSel(), 0);
    // A typed text equal to an item's reports that item.
    c.Edit()->SetWindowText(_T("other"));
    EXPECT_EQ(c.GetCurSel(), 1);
    c.Edit()->SetWindowText(_T("none"));
    EXPECT_EQ(c.GetCurSel(), -1);
}

TEST(ComboList, SetCurSelWithEdit)
{
    ComboFixture f(CBS_DROPDOWN);
    ProbeCombo& c = f.Combo();
    ASSERT_NE(c.Edit(), nullptr);
    // Empty list: the index is kept, nothing else.
    EXPECT_EQ(c.SetCurSel(3), -1);
    EXPECT_EQ(c.CurSelIndex(), 3);
    EXPECT_STREQ(EditText(c), _T(""));
    f.Fill({"zero", "one", "two", "three"});
    ::RedrawWindow(f.Hwnd(), NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_STREQ(c.FieldText(), _T("three"));
    // The first paint with a selection fills the edit.
    EXPECT_STREQ(EditText(c), _T("three"));

    EXPECT_EQ(c.SetCurSel(1), 1);
    EXPECT_STREQ(EditText(c), _T("one"));
    DWORD sel = static_cast<DWORD>(c.Edit()->SendMessage(EM_GETSEL));
    EXPECT_EQ(LOWORD(sel), 3);
    EXPECT_EQ(HIWORD(sel), 3);
    // Out of range: nothing changes.
    EXPECT_EQ(c.SetCurSel(4), -1);
    EXPECT_EQ(c.SetCurSel(-2), -1);
    EXPECT_EQ(c.CurSelIndex(), 1);
    EXPECT_STREQ(EditText(c), _T("one"));
    // The edit follows the combo's enabled state.
    c.EnableWindow(FALSE);
    EXPECT_EQ(c.SetCurSel(2), 2);
    EXPECT_FALSE(c.Edit()->IsWindowEnabled());
    c.EnableWindow(TRUE);
    EXPECT_TRUE(c.Edit()->IsWindowEnabled());
    // No selection empties the edit.
    EXPECT_EQ(c.SetCurSel(-1), -1);
    EXPECT_EQ(c.CurSelIndex(), -1);
    EXPECT_STREQ(EditText(c), _T(""));
    EXPECT_TRUE(c.FieldText().IsEmpty());
    // No notification to the parent but the edit's own.
    for (UINT code : f.Codes())
        EXPECT_TRUE(code == CBN_EDITCHANGE || code == CBN_EDITUPDATE) << code;
}

TEST(ComboList, SetCurSelWithoutEditSetsTextAndImage)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    EXPECT_EQ(c.Edit(), nullptr);
    c.AddString(_T("plain"));
    c.AddString(_T("pictured"), _T("flag.png"));
    const std::string h = vxtest::H(f.Hwnd());
    vxJournalClear();
    EXPECT_EQ(c.SetCurSel(1), 1);
    EXPECT_STREQ(WindowText(f.Hwnd()), _T("pictured"));
    std::vector<std::string> lines = Journal(h.c_str());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "vxSetDrawItemVisible(" + h + ",100,100,1,0)");
    EXPECT_EQ(lines[1], "vxSetDrawItemValue(" + h + ",\"image.default\",\"flag.png\",0)");

    // An item without image shows the image element without a value.
    vxJournalClear();
    EXPECT_EQ(c.SetCurSel(0), 0);
    lines = Journal(h.c_str());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "vxSetDrawItemVisible(" + h + ",100,100,1,0)");

    vxJournalClear();
    EXPECT_EQ(c.SetCurSel(-1), -1);
    EXPECT_STREQ(WindowText(f.Hwnd()), _T(""));
    lines = Journal(h.c_str());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "vxSetDrawItemVisible(" + h + ",100,100,0,0)");

    // A failed selection calls nothing.
    vxJournalClear();
    EXPECT_EQ(c.SetCurSel(7), -1);
    EXPECT_TRUE(Journal(h.c_str()).empty());
    EXPECT_TRUE(f.Codes().empty());
}

TEST(ComboList, ItemDataAndTexts)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    f.Fill({"abc", ""});
    int value = 7;
    EXPECT_EQ(c.GetItemData(0), 0u);
    EXPECT_EQ(c.SetItemDataPtr(0, &value), 0);
    EXPECT_EQ(c.GetItemDataPtr(0), &value);
    const DWORD_PTR wide = static_cast<DWORD_PTR>(~static_cast<DWORD_PTR>(0) - 5);
    EXPECT_EQ(c.SetItemData(1, wide), 0);
    EXPECT_EQ(c.GetItemData(1), wide);
    EXPECT_EQ(c.SetItemData(2, 1), -1);
    EXPECT_EQ(c.SetItemData(-1, 1), -1);
    EXPECT_EQ(c.GetItemData(2), static_cast<DWORD_PTR>(-1));
    EXPECT_EQ(c.GetItemDataPtr(-1), reinterpret_cast<void*>(static_cast<INT_PTR>(-1)));

    EXPECT_EQ(c.GetLBTextLen(0), 4);
    EXPECT_EQ(c.GetLBTextLen(1), 1);
    EXPECT_EQ(c.GetLBTextLen(2), -1);
    TCHAR buffer[8] = _T("zzzzzzz");
    EXPECT_EQ(c.GetLBText(0, buffer), 4);
    EXPECT_STREQ(buffer, _T("abc"));
    memcpy(buffer, _T("zzzzzzz"), sizeof(buffer));
    EXPECT_EQ(c.GetLBText(5, buffer), -1);
    EXPECT_STREQ(buffer, _T("zzzzzzz"));
    EXPECT_EQ(c.GetLBText(0, static_cast<LPTSTR>(NULL)), -1);
    CString text("old");
    c.GetLBText(0, text);
    EXPECT_STREQ(text, _T("abc"));
    c.GetLBText(9, text);
    EXPECT_TRUE(text.IsEmpty());

    // Heights and the top index with the list closed.
    EXPECT_EQ(c.SetItemHeight(0, 30), -1);
    EXPECT_EQ(c.SetItemHeight(-1, 16), -1);
    EXPECT_EQ(c.GetTopIndex(), -1);
    EXPECT_EQ(c.SetTopIndex(0), -1);
}

TEST(ComboList, StandardMessages)
{
    ComboFixture f(CBS_DROPDOWN);
    ProbeCombo& c = f.Combo();
    HWND h = f.Hwnd();
    EXPECT_EQ(::SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("red")), 0);
    EXPECT_EQ(::SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("green")), 1);
    EXPECT_EQ(::SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("blue")), 2);
    EXPECT_EQ(::SendMessageA(h, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(::SendMessageA(h, CB_GETLBTEXTLEN, 1, 0), 6);
    EXPECT_EQ(::SendMessageA(h, CB_GETLBTEXTLEN, 3, 0), -1);
    // In the build's character set: a narrow caller of a Unicode combo gets the system's
    // translated answer (the length without the terminator).
    TCHAR buffer[16] = {};
    EXPECT_EQ(::SendMessage(h, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(buffer)), 5);
    EXPECT_STREQ(buffer, _T("blue"));
    EXPECT_EQ(::SendMessage(h, CB_GETLBTEXT, 2, 0), -1);
    EXPECT_EQ(::SendMessage(h, CB_GETLBTEXT, 7, reinterpret_cast<LPARAM>(buffer)), -1);

    EXPECT_EQ(::SendMessageA(h, CB_SETCURSEL, 1, 0), 1);
    EXPECT_STREQ(EditText(c), _T("green"));
    EXPECT_EQ(::SendMessageA(h, CB_GETCURSEL, 0, 0), 1);
    // Exact match through SetCurSel; no match clears the selection.
    EXPECT_EQ(::SendMessageA(h, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>("blue")), 2);
    EXPECT_STREQ(EditText(c), _T("blue"));
    EXPECT_EQ(::SendMessageA(h, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>("bl")), -1);
    EXPECT_EQ(c.CurSelIndex(), -1);
    EXPECT_STREQ(EditText(c), _T(""));
    EXPECT_EQ(::SendMessageA(h, CB_GETCURSEL, 0, 0), -1);
    EXPECT_EQ(::SendMessageA(h, CB_GETTOPINDEX, 0, 0), -1);
    EXPECT_EQ(::SendMessageA(h, CB_SETTOPINDEX, 1, 0), -1);

    // The message's reset clears everything shown.
    c.SetCurSel(0);
    ::SetWindowTextA(h, "field");
    EXPECT_EQ(::SendMessageA(h, CB_RESETCONTENT, 0, 0), 0);
    EXPECT_EQ(c.GetCount(), 0);
    EXPECT_EQ(c.CurSelIndex(), -1);
    EXPECT_TRUE(c.FieldText().IsEmpty());
    EXPECT_STREQ(WindowText(h), _T(""));
    EXPECT_STREQ(EditText(c), _T(""));
}

TEST(ComboList, TextAccessors)
{
    ComboFixture list(CBS_DROPDOWNLIST);
    list.Combo().AddString(_T("kept"));
    list.Combo().SetCurSel(0);
    list.Combo().SetText(_T("free text"));
    EXPECT_STREQ(WindowText(list.Hwnd()), _T("free text"));
    CString text;
    list.Combo().GetText(text);
    EXPECT_STREQ(text, _T("free text"));
    EXPECT_EQ(list.Combo().CurSelIndex(), 0);
    TCHAR buffer[32];
    EXPECT_EQ(list.Combo().GetText(buffer), 9);
    EXPECT_STREQ(buffer, _T("free text"));
    EXPECT_EQ(list.Combo().GetText(static_cast<LPTSTR>(NULL)), -1);

    ComboFixture drop(CBS_DROPDOWN);
    drop.Combo().SetText(_T("typed"));
    EXPECT_STREQ(EditText(drop.Combo()), _T("typed"));
    EXPECT_STREQ(drop.Combo().FieldText(), _T("typed"));
    drop.Combo().Edit()->SetWindowText(_T("changed"));
    drop.Combo().GetText(text);
    EXPECT_STREQ(text, _T("changed"));
}

TEST(ComboList, WindowTextIsKeptByTheComboAndReadAsFromAnyWindow)
{
    // A window made with a title (as a dialog template makes it), then attached.
    vxtest::HostWindow host;
    vxCtrlComboBox combo;                // its construction registers the window class
    HWND hCombo = ::CreateWindowExA(0, "RavuComboBoxCtrl", "Title", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                                    10, 10, 200, 24, host.Hwnd(), NULL, ::GetModuleHandleA(NULL), NULL);
    ASSERT_NE(hCombo, static_cast<HWND>(NULL));
    ASSERT_TRUE(combo.SubclassWindow(hCombo));
    EXPECT_STREQ(WindowText(hCombo), _T("Title"));
    EXPECT_EQ(::GetWindowTextLengthA(hCombo), 5);
    // Short buffers get what fits; wide readers get it converted.
    char shortBuffer[4];
    EXPECT_EQ(::GetWindowTextA(hCombo, shortBuffer, sizeof(shortBuffer)), 3);
    EXPECT_STREQ(shortBuffer, "Tit");
    wchar_t wide[16];
    EXPECT_EQ(::GetWindowTextW(hCombo, wide, 16), 5);
    EXPECT_STREQ(wide, L"Title");
    combo.AddString(_T("chosen"));
    combo.SetCurSel(0);
    EXPECT_STREQ(WindowText(hCombo), _T("chosen"));
    ::SetWindowTextA(hCombo, NULL);
    EXPECT_EQ(::GetWindowTextLengthA(hCombo), 0);
    combo.DestroyWindow();
}

} // namespace
