// The drop list under real input: opening and closing by every path, the frame's place and
// looks, the skin engine's rows, the capture hand-off, hot-tracking over disabled rows,
// choosing by click and Enter, the wheel, the "close" element and the notification orders.
#include "combo_test_util.h"

#include "vxDropListBox.h"
#include "../foundation/skin_test_util.h"

#include <gtest/gtest.h>

#include <vexelcore_journal.h>

#include <algorithm>

using namespace combotest;

namespace {

const std::vector<UINT> kOpen = {CBN_DROPDOWN};
const std::vector<UINT> kCancel = {CBN_SELENDCANCEL, CBN_CLOSEUP};
const std::vector<UINT> kChoice = {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE};

// A drop-list combo with the focus and ten items, every other one with an image.
struct DropFixture : ComboFixture {
    explicit DropFixture(DWORD dwStyle = CBS_DROPDOWNLIST) : ComboFixture(dwStyle)
    {
        for (int i = 0; i < 10; ++i) {
            CString text;
            text.Format(_T("item %d"), i);
            Combo().AddString(text, i % 2 == 0 ? _T("img.even") : NULL);
        }
        Ready();
    }
};

int CurRow(HWND hList)
{
    return static_cast<int>(::SendMessageA(hList, LB_GETCURSEL, 0, 0));
}

TEST(DropList, OpensBelowTopMostWithTheRowsGivenToTheEngine)
{
    DropFixture f;
    ProbeCombo& c = f.Combo();
    vxJournalClear();
    f.ClickButton();
    ASSERT_TRUE(f.WaitOpen());
    EXPECT_TRUE(c.Dropped());
    EXPECT_TRUE(c.GetDroppedState());
    EXPECT_EQ(f.Codes(), kOpen);

    // The frame: a tool window of the desktop, top-most, under the combo, as wide as it,
    // ten rows of 26 and the border high; the frame has the capture.
    HWND hFrame = c.FrameHwnd();
    HWND hList = c.ListHwnd();
    ASSERT_NE(hList, static_cast<HWND>(NULL));
    EXPECT_EQ(::GetParent(hList), hFrame);
    EXPECT_EQ(::GetDlgCtrlID(hList), 101);
    EXPECT_TRUE(::IsWindowVisible(hFrame));
    EXPECT_TRUE(::IsWindowVisible(hList));
    EXPECT_TRUE(::GetWindowLongA(hFrame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::GetWindowLongA(hFrame, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(::GetWindowLongA(hList, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(::GetWindowLongA(hList, GWL_STYLE) & LBS_OWNERDRAWFIXED);
    CRect rcCombo, rcFrame, rcDropped;
    ::GetWindowRect(f.Hwnd(), &rcCombo);
    ::GetWindowRect(hFrame, &rcFrame);
    EXPECT_EQ(rcFrame, CRect(rcCombo.left, rcCombo.bottom, rcCombo.right, rcCombo.bottom + 264));
    c.GetDroppedControlRect(&rcDropped);
    EXPECT_EQ(rcDropped, rcFrame);
    EXPECT_EQ(::GetCapture(), hFrame);
    EXPECT_EQ(::SendMessageA(hList, LB_GETCOUNT, 0, 0), 10);
    EXPECT_EQ(::SendMessageA(hList, LB_GETITEMHEIGHT, 0, 0), 26);
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(hList, WM_GETFONT, 0, 0)),
              static_cast<HFONT>(c.Font()->GetSafeHandle()));
    EXPECT_EQ(c.GetTopIndex(), 0);
    // A row's data is its copy of the item (and its text that data, as an owner-drawn list
    // without strings answers); nothing can be set, nothing read outside the rows.
    const auto* pRow = reinterpret_cast<const _tagListboxItem*>(::SendMessageA(hList, LB_GETITEMDATA, 4, 0));
    ASSERT_NE(pRow, nullptr);
    EXPECT_STREQ(pRow->strText, _T("item 4"));
    EXPECT_STREQ(pRow->strImage, _T("img.even"));
    ULONG_PTR text = 0;
    EXPECT_EQ(::SendMessageA(hList, LB_GETTEXT, 4, reinterpret_cast<LPARAM>(&text)), (LRESULT)sizeof(text));
    EXPECT_EQ(text, reinterpret_cast<ULONG_PTR>(pRow));
    EXPECT_EQ(::SendMessageA(hList, LB_GETTEXTLEN, 9, 0), (LRESULT)sizeof(text));
    EXPECT_EQ(::SendMessageA(hList, LB_GETITEMDATA, 10, 0), LB_ERR);
    EXPECT_EQ(::SendMessageA(hList, LB_GETTEXTLEN, -1, 0), LB_ERR);
    EXPECT_EQ(::SendMessageA(hList, LB_SETITEMDATA, 4, 99), LB_ERR);

    // The engine paints the list: its skin, and every row's text and (where set) image.
    const std::string list = vxtest::H(hList);
    EXPECT_EQ(Journal(("vxSkinWindow(" + list).c_str()),
              std::vector<std::string>({"vxSkinWindow(" + list + ",108,\"combobox.listbox\",0)"}));
    std::vector<std::string> rows;
    for (int i = 0; i < 10; ++i) {
        rows.push_back("vxSetDrawItemValueEx(" + list + "," + std::to_string(i) +
                       ",0,\"text.default\",\"item " + std::to_string(i) + "\",0)");
        if (i % 2 == 0)
            rows.push_back("vxSetDrawItemValueEx(" + list + "," + std::to_string(i) +
                           ",0,\"image.default\",\"img.even\",0)");
        EXPECT_STREQ(vxGetDrawItemValue(hList, i, "text.default"),
                     ("item " + std::to_string(i)).c_str());
    }
    EXPECT_EQ(Journal(("vxSetDrawItemValueEx(" + list).c_str()), rows);
    EXPECT_EQ(Journal("vxLockState"),
              std::vector<std::string>({"vxLockState(" + vxtest::H(f.Hwnd()) + ",1)"}));

    // The button again (outside the frame, which has the capture): closed without a choice.
    f.ClearCodes();
    f.ClickButton();
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_FALSE(c.Dropped());
    EXPECT_EQ(f.Codes(), kCancel);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_FALSE(::IsWindow(hList));
    EXPECT_NE(::GetCapture(), hFrame);
    EXPECT_EQ(c.GetTopIndex(), -1);
    EXPECT_EQ(c.CurSelIndex(), -1);
    EXPECT_EQ(::GetFocus(), f.Hwnd());
}

TEST(DropList, PaintedRowsShowImagesSelectionAndTheHotRowBelowAndAbove)
{
    const COLORREF kGreen = RGB(0, 200, 0);
    HBITMAP green = skintest::SolidBitmap(16, 16, kGreen);
    ASSERT_TRUE(vxRegisterImage("img.even", green));
    ::DeleteObject(green);
    const COLORREF selected = vxGetSkinColour("list.selected");
    for (int above = 0; above < 2; ++above) {
        SCOPED_TRACE(above);
        DropFixture f;
        ProbeCombo& c = f.Combo();
        if (above) {
            // The combo 40 pixels above the work area's bottom: too few rows fit below.
            RECT work, host;
            ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            ::GetWindowRect(f.Host().Hwnd(), &host);
            POINT combo = vxtest::ScreenPoint(f.Hwnd(), 0, 0);
            ::SetWindowPos(f.Host().Hwnd(), NULL, host.left, host.top + (work.bottom - 40 - combo.y),
                           0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            PumpTranslatedFor(50);
        }
        f.ClickButton();
        ASSERT_TRUE(f.WaitOpen());
        HWND hList = c.ListHwnd();
        CRect rcCombo, rcFrame;
        ::GetWindowRect(f.Hwnd(), &rcCombo);
        ::GetWindowRect(c.FrameHwnd(), &rcFrame);
        EXPECT_EQ(above ? rcFrame.bottom : rcFrame.top, above ? rcCombo.top : rcCombo.bottom);
        ::UpdateWindow(hList);
        // Even rows carry the image, odd ones none; nothing is selected yet.
        auto row = [](int i) { return RECT{0, i * 26, 150, i * 26 + 26}; };
        EXPECT_TRUE(AnyPixel(hList, row(0), kGreen));
        EXPECT_FALSE(AnyPixel(hList, row(1), kGreen));
        EXPECT_TRUE(AnyPixel(hList, row(8), kGreen));
        EXPECT_FALSE(AnyPixel(hList, row(3), selected));
        // The pointer over row 3 hot-tracks it; Down moves on to row 4.
        POINT over3 = vxtest::ScreenPoint(hList, 100, 3 * 26 + 13);
        f.MoveTo(over3);
        EXPECT_TRUE(PumpTranslatedUntil([&] { return CurRow(hList) == 3; }));
        ::UpdateWindow(hList);
        EXPECT_TRUE(AnyPixel(hList, row(3), selected));
        f.MoveTo(vxtest::ScreenPoint(f.Host().Hwnd(), 700, 20));
        Key(VK_DOWN);
        EXPECT_EQ(CurRow(hList), 4);
        ::UpdateWindow(hList);
        EXPECT_TRUE(AnyPixel(hList, row(4), selected));
        EXPECT_FALSE(AnyPixel(hList, row(3), selected));
        Key(VK_ESCAPE);
        EXPECT_TRUE(WaitClosed(c));
    }
}

TEST(DropList, KeysToggleTheList)
{
    DropFixture f;
    ProbeCombo& c = f.Combo();
    Key(VK_F4);
    ASSERT_TRUE(f.WaitOpen());
    EXPECT_EQ(f.Codes(), kOpen);
    f.ClearCodes();
    Key(VK_F4);
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_EQ(f.Codes(), kCancel);

    f.ClearCodes();
    AltKey(VK_DOWN);
    ASSERT_TRUE(f.WaitOpen());
    EXPECT_EQ(f.Codes(), kOpen);
    f.ClearCodes();
    AltKey(VK_UP);
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_EQ(f.Codes(), kCancel);

    // Escape closes without a choice.
    f.ClearCodes();
    AltKey(VK_DOWN);
    ASSERT_TRUE(f.WaitOpen());
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));

    // ShowDropDown both ways, and nothing when there is nothing to change.
    f.ClearCodes();
    c.ShowDropDown(TRUE);
    EXPECT_TRUE(c.GetDroppedState());
    c.ShowDropDown(TRUE);
    c.ShowDropDown(FALSE);
    EXPECT_FALSE(c.GetDroppedState());
    c.ShowDropDown(FALSE);
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST(DropList, EnterChoosesTheRowMovedToByKeys)
{
    DropFixture f;
    ProbeCombo& c = f.Combo();
    c.DisableItem(2);
    c.SetCurSel(0);
    Key(VK_F4);
    ASSERT_TRUE(f.WaitOpen());
    HWND hList = c.ListHwnd();
    EXPECT_EQ(CurRow(hList), 0);
    // Down passes over the disabled row 2; no notification while moving.
    f.ClearCodes();
    Key(VK_DOWN);
    EXPECT_EQ(CurRow(hList), 1);
    Key(VK_DOWN);
    EXPECT_EQ(CurRow(hList), 3);
    Key(VK_UP);
    EXPECT_EQ(CurRow(hList), 1);
    Key(VK_DOWN);
    EXPECT_TRUE(f.Codes().empty());
    Key(VK_RETURN);
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_EQ(f.Codes(), kChoice);
    EXPECT_EQ(c.CurSelIndex(), 3);
    EXPECT_STREQ(c.FieldText(), _T("item 3"));
    EXPECT_EQ(c.GetCurSel(), 3);

    // On the last row Down changes nothing.
    Key(VK_F4);
    ASSERT_TRUE(f.WaitOpen());
    hList = c.ListHwnd();
    for (int i = 0; i < 12; ++i)
        Key(VK_DOWN);
    EXPECT_EQ(CurRow(hList), 9);
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_EQ(c.CurSelIndex(), 3);
}

TEST(DropList, PointerHandsTheCaptureAndHotTracksPastDisabledRows)
{
    DropFixture f;
    ProbeCombo& c = f.Combo();
    c.DisableItem(3);
    f.ClickButton();
    ASSERT_TRUE(f.WaitOpen());
    HWND hFrame = c.FrameHwnd();
    HWND hList = c.ListHwnd();
    EXPECT_EQ(::GetCapture(), hFrame);
    f.ClearCodes();

    // Into the list: the list takes the capture and tracks the row under the pointer.
    f.MoveTo(RowPoint(hList, 2));
    EXPECT_TRUE(PumpTranslatedUntil([&] { return ::GetCapture() == hList; }));
    EXPECT_EQ(CurRow(hList), 2);
    // The list never takes the focus: it stays with the combo.
    EXPECT_EQ(::GetFocus(), f.Hwnd());
    // Over the disabled row the selection stays.
    f.MoveTo(RowPoint(hList, 3));
    EXPECT_EQ(CurRow(hList), 2);
    f.MoveTo(RowPoint(hList, 5));
    EXPECT_EQ(CurRow(hList), 5);
    // Out of the list: the frame has the capture again.
    f.ParkPointer();
    EXPECT_TRUE(PumpTranslatedUntil([&] { return ::GetCapture() == hFrame; }));
    f.MoveTo(RowPoint(hList, 1));
    EXPECT_TRUE(PumpTranslatedUntil([&] { return ::GetCapture() == hList; }));
    EXPECT_EQ(CurRow(hList), 1);

    // A click on the disabled row chooses nothing and closes nothing.
    f.ClickAt(RowPoint(hList, 3));
    EXPECT_TRUE(c.DropWnd() != NULL);
    EXPECT_EQ(f.Codes(), std::vector<UINT>());
    EXPECT_EQ(c.CurSelIndex(), -1);

    // A click outside: closed without a choice, the selection as it was.
    f.ClickAt(vxtest::ScreenPoint(f.Host().Hwnd(), 700, 500));
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_EQ(f.Codes(), kCancel);
    EXPECT_EQ(c.CurSelIndex(), -1);
    EXPECT_STREQ(c.FieldText(), _T(""));
    EXPECT_EQ(::GetCapture(), static_cast<HWND>(NULL));
    // The focus stayed with the combo: no second CBN_SETFOCUS.
    EXPECT_EQ(::GetFocus(), f.Hwnd());
}

TEST(DropList, ClickChoosesTheFirstItemOfThatText)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    f.Fill({"red", "green", "red", "blue"});
    f.Ready();
    Key(VK_F4);
    ASSERT_TRUE(f.WaitOpen());
    f.ClickRow(2);
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_STREQ(c.FieldText(), _T("red"));
    EXPECT_EQ(c.CurSelIndex(), 0);
    EXPECT_EQ(c.GetCurSel(), 0);
    EXPECT_EQ(vxtest::WindowTextOf(f.Hwnd()), "red");
    EXPECT_FALSE(c.SelEndOk());
    EXPECT_EQ(::GetFocus(), f.Hwnd());
}

TEST(DropList, ClickInADropDownComboFillsTheEdit)
{
    ComboFixture f(CBS_DROPDOWN);
    ProbeCombo& c = f.Combo();
    f.Fill({"alpha", "beta", "gamma"});
    // The first paint with a selection fills the edit; done before the choice.
    c.SetCurSel(2);
    ::UpdateWindow(f.Hwnd());
    f.ParkPointer();
    f.ClickButton();
    ASSERT_TRUE(f.WaitOpen());
    // A click left of the button strip does not toggle: it is outside the frame and closes.
    f.MoveTo(RowPoint(c.ListHwnd(), 1));
    f.ClearCodes();
    f.ClickAt(RowPoint(c.ListHwnd(), 1));
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_EQ(f.Codes(), kChoice);
    CString text;
    c.Edit()->GetWindowText(text);
    EXPECT_STREQ(text, _T("beta"));
    EXPECT_EQ(::GetFocus(), c.Edit()->GetSafeHwnd());
    EXPECT_EQ(c.GetEditSel(), static_cast<DWORD>(MAKELONG(0, 4)));
    EXPECT_EQ(c.GetCurSel(), 1);
    EXPECT_EQ(c.CurSelIndex(), 1);
}

TEST(DropList, WheelScrollsThreeRowsANotch)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    for (int i = 0; i < 30; ++i)
        c.AddString(_T("row"));
    c.SetDefaultVisibleItems(5);
    f.Ready();
    Key(VK_F4);
    ASSERT_TRUE(f.WaitOpen());
    CRect rcFrame;
    ::GetWindowRect(c.FrameHwnd(), &rcFrame);
    EXPECT_EQ(rcFrame.Height(), 5 * 26 + 2);
    EXPECT_EQ(c.GetTopIndex(), 0);
    vxtest::Wheel(-WHEEL_DELTA);
    EXPECT_TRUE(PumpTranslatedUntil([&] { return c.GetTopIndex() == 3; }));
    vxtest::Wheel(-WHEEL_DELTA);
    EXPECT_TRUE(PumpTranslatedUntil([&] { return c.GetTopIndex() == 6; }));
    // Part notches add up.
    vxtest::Wheel(WHEEL_DELTA / 2);
    PumpTranslatedFor(50);
    EXPECT_EQ(c.GetTopIndex(), 6);
    vxtest::Wheel(WHEEL_DELTA / 2);
    EXPECT_TRUE(PumpTranslatedUntil([&] { return c.GetTopIndex() == 3; }));
    EXPECT_EQ(c.SetTopIndex(10), 0);
    EXPECT_EQ(c.GetTopIndex(), 10);
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(c));
}

TEST(DropList, CloseElementTellsTheParentAndChoosesNothing)
{
    DropFixture f;
    ProbeCombo& c = f.Combo();
    Key(VK_F4);
    ASSERT_TRUE(f.WaitOpen());
    HWND hList = c.ListHwnd();
    f.MoveTo(RowPoint(hList, 3));
    f.ClearCodes();
    // The element click arrives between the button-down and the button-up of the click.
    vxtest::MouseDown();
    PumpTranslatedFor(30);
    EXPECT_EQ(::SendMessageA(hList, WM_DROPLIST_ELEMENTCLICK, 3, reinterpret_cast<LPARAM>("close")), 1);
    vxtest::MouseUp();
    ASSERT_TRUE(WaitClosed(c));
    PumpTranslatedFor(30);
    EXPECT_EQ(f.Codes(), kCancel);
    EXPECT_EQ(c.CurSelIndex(), -1);
    const std::vector<vxtest::RecordedMessage> closes = f.Host().Recorder().Filter(WM_COMBO_ITEMCLOSE);
    ASSERT_EQ(closes.size(), 1u);
    EXPECT_EQ(closes[0].wParam, 3u);
    EXPECT_EQ(closes[0].lParam, 0);
    EXPECT_TRUE(closes[0].posted);

    // Another element's click closes as well without telling the parent; a null name too.
    f.Host().Recorder().Clear();
    Key(VK_F4);
    ASSERT_TRUE(f.WaitOpen());
    hList = c.ListHwnd();
    f.MoveTo(RowPoint(hList, 1));
    vxtest::MouseDown();
    PumpTranslatedFor(30);
    ::SendMessageA(hList, WM_DROPLIST_ELEMENTCLICK, 1, reinterpret_cast<LPARAM>("Close"));
    ::SendMessageA(hList, WM_DROPLIST_ELEMENTCLICK, 1, 0);
    vxtest::MouseUp();
    ASSERT_TRUE(WaitClosed(c));
    PumpTranslatedFor(30);
    EXPECT_EQ(f.Host().Recorder().Count(WM_COMBO_ITEMCLOSE), 0);
    EXPECT_EQ(c.CurSelIndex(), -1);
}

TEST(DropList, DeactivationAndFocusLossClose)
{
    DropFixture f;
    ProbeCombo& c = f.Combo();
    Key(VK_F4);
    ASSERT_TRUE(f.WaitOpen());
    f.ClearCodes();
    // Another application takes the activation (as Alt+Tab gives it): the list closes.
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    char cmd[] = "notepad.exe";
    ASSERT_TRUE(::CreateProcessA(NULL, cmd, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi));
    ::WaitForInputIdle(pi.hProcess, 5000);
    HWND hOther = NULL;
    PumpTranslatedUntil([&] { return (hOther = ::FindWindowA("Notepad", NULL)) != NULL; }, 5000);
    ASSERT_TRUE(hOther != NULL);
    ::SetForegroundWindow(hOther);
    EXPECT_TRUE(WaitClosed(c));
    // The list closes first, with the one cancel; the focus went with the activation.
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
    ::TerminateProcess(pi.hProcess, 0);
    ::WaitForSingleObject(pi.hProcess, 5000);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    ::SetForegroundWindow(f.Host().Hwnd());
    ::SetFocus(f.Hwnd());
    PumpTranslatedFor(100);

    // The focus going elsewhere: the list closes at once, then the focus notices, which
    // read the list as closed.
    Key(VK_F4);
    ASSERT_TRUE(f.WaitOpen());
    f.ClearCodes();
    BOOL bDroppedInKillFocus = TRUE;
    f.Host().SetHandler([&](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        if (message == WM_COMMAND && HIWORD(wParam) == CBN_KILLFOCUS)
            bDroppedInKillFocus = c.GetDroppedState();
        return false;
    });
    f.FocusAway();
    EXPECT_EQ(c.DropWnd(), nullptr);
    EXPECT_EQ(::GetCapture(), static_cast<HWND>(NULL));
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
    EXPECT_FALSE(bDroppedInKillFocus);
    f.Host().SetHandler(nullptr);
}

TEST(DropList, NothingOpensWithoutItemsOrRows)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ProbeCombo& c = f.Combo();
    f.Ready();
    Key(VK_F4);
    c.ShowDropDown(TRUE);
    EXPECT_EQ(c.DropWnd(), nullptr);
    EXPECT_FALSE(c.GetDroppedState());
    EXPECT_TRUE(f.Codes().empty());
    // Where a list would drop: from the combo's top left, as wide, no lower than the combo.
    RECT rc = {1, 2, 3, 4};
    c.GetDroppedControlRect(&rc);
    CRect rcCombo;
    ::GetWindowRect(f.Hwnd(), &rcCombo);
    EXPECT_EQ(CRect(rc), rcCombo);
    c.GetDroppedControlRect(NULL);

    // A row height of 0 opens a list of one-pixel rows; tracking divides by nothing.
    f.Fill({"a", "b"});
    c.SetItemHeight(0, 0);
    Key(VK_F4);
    ASSERT_TRUE(f.WaitOpen());
    EXPECT_EQ(::SendMessageA(c.ListHwnd(), LB_GETITEMHEIGHT, 0, 0), 1);
    CRect rcFrame;
    ::GetWindowRect(c.FrameHwnd(), &rcFrame);
    EXPECT_EQ(rcFrame.Height(), std::max(6, ::GetSystemMetrics(SM_CYVSCROLL)));
    vxtest::MouseMove(vxtest::ScreenPoint(c.ListHwnd(), 5, 1));
    PumpTranslatedFor(50);
    ::SendMessageA(c.ListHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 1));
    // Rows that name no item choose nothing.
    c.SendMessage(WM_COMBO_SELECTEDITEM, 7);
    c.SendMessage(WM_COMBO_SELECTEDITEM, static_cast<WPARAM>(-1));
    EXPECT_TRUE(c.DropWnd() != NULL);
    EXPECT_EQ(c.CurSelIndex(), -1);
    Key(VK_ESCAPE);
    ASSERT_TRUE(WaitClosed(c));
}

// A style without the drop-down bits opens nothing.
TEST(DropList, PlainStyleOpensNothing)
{
    ComboFixture f(0);
    f.Fill({"a"});
    f.Combo().ShowDropDown(TRUE);
    f.Combo().SendMessage(WM_COMBO_DROPDOWNBUTTON);
    EXPECT_EQ(f.Combo().DropWnd(), nullptr);
    EXPECT_TRUE(f.Codes().empty());
}

} // namespace
