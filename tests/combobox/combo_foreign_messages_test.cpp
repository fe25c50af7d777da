// Messages are input: values no caller of the system's combo box would pass, and messages
// that any program on the desktop may send or post to the combo and its drop list, the
// latter from a second process.
#include "combo_test_util.h"
#include "vxComboMessages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using combotest::ComboFixture;

TEST(ComboForeignMessages, WindowTextIntoBuffersOfAnySize)
{
    for (DWORD style : {(DWORD)CBS_DROPDOWNLIST, (DWORD)CBS_DROPDOWN}) {
        ComboFixture f(style);
        f.Combo().SetWindowText(_T("Large"));
        // A buffer size is an unsigned count: any size from 6 on takes the whole text.
        for (WPARAM room : {(WPARAM)-1, (WPARAM)0x80000000u, (WPARAM)0xFFFFFFFFu, (WPARAM)6}) {
            TCHAR buffer[16];
            for (TCHAR& c : buffer)
                c = _T('#');
            EXPECT_EQ(::SendMessage(f.Hwnd(), WM_GETTEXT, room, reinterpret_cast<LPARAM>(buffer + 4)), 5)
                << std::hex << room;
            EXPECT_EQ(CString(buffer + 4), CString(_T("Large")));
            EXPECT_EQ(CString(buffer, 4), CString(_T("####"))) << "written before the buffer";
        }
        // Size 0 copies nothing, not even the zero.
        TCHAR untouched[4] = {_T('#'), _T('#'), _T('#'), 0};
        EXPECT_EQ(::SendMessage(f.Hwnd(), WM_GETTEXT, 0, reinterpret_cast<LPARAM>(untouched)), 0);
        EXPECT_EQ(CString(untouched), CString(_T("###")));
    }
}

TEST(ComboForeignMessages, EditSelectionPastSixteenBits)
{
    ComboFixture f(CBS_DROPDOWN);
    f.Combo().LimitText(0);
    f.Combo().SetWindowText(CString(_T('a'), 70000));
    HWND hEdit = f.Combo().Edit()->GetSafeHwnd();
    ::SendMessage(hEdit, EM_SETSEL, 66000, 70000);
    DWORD start = 0, end = 0;
    // The pointers get the whole positions; the packed answer cannot hold them (-1).
    EXPECT_EQ(::SendMessage(f.Hwnd(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)),
              -1);
    EXPECT_EQ(start, 66000u);
    EXPECT_EQ(end, 70000u);
    ::SendMessage(hEdit, EM_SETSEL, 2, 7);
    EXPECT_EQ(::SendMessage(f.Hwnd(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)),
              MAKELONG(2, 7));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 7u);
}

TEST(ComboForeignMessages, OpenDropListRefusesCountsAndAddressesFromAnotherProcess)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    f.Fill({"one", "two", "three"});
    f.Combo().ShowDropDown(TRUE);
    ASSERT_TRUE(f.Combo().Dropped());
    HWND hList = f.Combo().ListHwnd();
    f.Host().Recorder().Clear();

    // A count that is not the list's rows would have room kept for 50 million rows.
    LRESULT answer = 0;
    ASSERT_TRUE(vxtest::SendFromAnotherProcess(hList, LB_SETCOUNT, 50000000, 0, &answer));
    EXPECT_EQ(answer, LB_ERR);
    EXPECT_EQ(::SendMessage(hList, LB_GETCOUNT, 0, 0), 3);

    // An element name whose address means something only in this process, sent from
    // another, and addresses that mean nothing, sent and posted: none is read as a name.
    static const char kClose[] = "close";
    const LPARAM addresses[] = {reinterpret_cast<LPARAM>(kClose), 0x10, -1};
    for (LPARAM address : addresses) {
        EXPECT_TRUE(vxtest::SendFromAnotherProcess(hList, WM_DROPLIST_ELEMENTCLICK, 1, address));
        EXPECT_TRUE(vxtest::PostFromAnotherProcess(hList, WM_DROPLIST_ELEMENTCLICK, 1, address == 0x10 ? 0x10 : -1));
    }
    combotest::PumpTranslatedFor(50);
    EXPECT_EQ(f.Host().Recorder().Count(WM_COMBO_ITEMCLOSE), 0);
    ASSERT_TRUE(f.Combo().Dropped());
    EXPECT_EQ(::SendMessage(hList, LB_GETCOUNT, 0, 0), 3);

    // The host's own element click still tells the parent.
    EXPECT_EQ(::SendMessageA(hList, WM_DROPLIST_ELEMENTCLICK, 2, reinterpret_cast<LPARAM>(kClose)), 1);
    combotest::PumpTranslatedFor(30);
    EXPECT_EQ(f.Host().Recorder().Count(WM_COMBO_ITEMCLOSE), 1);
    f.Combo().ShowDropDown(FALSE);
}

} // namespace
