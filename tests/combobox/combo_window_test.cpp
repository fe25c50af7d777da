// The combo window: creation by Create and from a dialog template, the window class, fonts,
// the edit child, click areas, focus, hover polling, painting and clean-up.
#include "combo_test_util.h"

#include <gtest/gtest.h>

#include <vexelcore_journal.h>

using namespace combotest;

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

CString ClassOf(HWND hwnd)
{
    char name[64] = {};
    ::GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

LOGFONT FontOf(HFONT hFont)
{
    LOGFONT lf = {};
    ::GetObject(hFont, sizeof(lf), &lf);
    return lf;
}

TEST(ComboWindow, CreateMakesTheEditAndTheFont)
{
    vxSetGetFontFails(0);
    vxJournalClear();
    ComboFixture f(CBS_DROPDOWN | CBS_AUTOHSCROLL);
    ProbeCombo& c = f.Combo();
    ASSERT_TRUE(::IsWindow(f.Hwnd()));
    // Create uses the framework's own class, not the dialog class.
    EXPECT_STRNE(ClassOf(f.Hwnd()), _T("RavuComboBoxCtrl"));
    EXPECT_EQ(::GetDlgCtrlID(f.Hwnd()), static_cast<int>(kComboId));
    EXPECT_EQ(c.GetCBStyle(), static_cast<DWORD>(VXCB_FRAME));
    CRect rcCreate(20, 20, 20 + kComboWidth, 20 + kComboHeight);
    EXPECT_EQ(c.GetComboRect(), rcCreate);

    // The engine's font was asked for once and copied.
    EXPECT_EQ(Journal("vxGetFont").size(), 1u);
    ASSERT_NE(c.Font(), nullptr);
    EXPECT_EQ(c.GetEditTextFont(), c.Font());

    // The edit: id 108, between the margins, with the combo's font.
    ASSERT_NE(c.Edit(), nullptr);
    HWND hEdit = c.Edit()->GetSafeHwnd();
    EXPECT_EQ(::GetDlgCtrlID(hEdit), VXCB_EDIT_ID);
    EXPECT_EQ(::GetParent(hEdit), f.Hwnd());
    const LONG style = ::GetWindowLongA(hEdit, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_EQ(CRect(vxtest::PlaceIn(f.Hwnd(), hEdit)), CRect(2, 2, kComboWidth - 26, kComboHeight - 2));
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(hEdit, WM_GETFONT, 0, 0)),
              static_cast<HFONT>(c.Font()->GetSafeHandle()));

    // The edit's height and margins move it without a new edit.
    c.SetItemHeight(-1, 16);
    EXPECT_EQ(CRect(vxtest::PlaceIn(f.Hwnd(), hEdit)), CRect(2, 2, kComboWidth - 26, 18));
    RECT margins = {4, 3, 30, 3};
    c.SetEditMargin(&margins);
    EXPECT_EQ(CRect(vxtest::PlaceIn(f.Hwnd(), hEdit)), CRect(4, 3, kComboWidth - 30, 19));
    EXPECT_EQ(c.Edit()->GetSafeHwnd(), hEdit);

    // Edit operations.
    EXPECT_EQ(c.LimitText(0), 1);
    EXPECT_EQ(::SendMessageA(hEdit, EM_GETLIMITTEXT, 0, 0), 65535);
    EXPECT_EQ(c.LimitText(5), 1);
    EXPECT_EQ(::SendMessageA(hEdit, EM_GETLIMITTEXT, 0, 0), 5);
    c.SetText(_T("abcd"));
    EXPECT_EQ(c.SetEditSel(1, 3), 1);
    EXPECT_EQ(c.GetEditSel(), static_cast<DWORD>(MAKELONG(1, 3)));
    EXPECT_TRUE(c.PointInWindow(vxtest::ScreenPoint(f.Hwnd(), 5, 5)));
    EXPECT_FALSE(c.PointInWindow(vxtest::ScreenPoint(f.Hwnd(), kComboWidth + 5, 5)));
}

TEST(ComboWindow, StylesWithoutEdit)
{
    ComboFixture list(CBS_DROPDOWNLIST);
    EXPECT_EQ(list.Combo().Edit(), nullptr);
    EXPECT_EQ(::GetWindow(list.Hwnd(), GW_CHILD), static_cast<HWND>(NULL));
    EXPECT_EQ(list.Combo().LimitText(3), -1);
    EXPECT_EQ(list.Combo().SetEditSel(0, 1), -1);
    EXPECT_EQ(list.Combo().GetEditSel(), static_cast<DWORD>(-1));

    ComboFixture simple(CBS_SIMPLE);
    EXPECT_EQ(simple.Combo().Edit(), nullptr);

    ComboFixture noscroll(CBS_DROPDOWN);
    ASSERT_NE(noscroll.Combo().Edit(), nullptr);
    EXPECT_FALSE(::GetWindowLongA(noscroll.Combo().Edit()->GetSafeHwnd(), GWL_STYLE) & ES_AUTOHSCROLL);
}

TEST(ComboWindow, DialogPlaceholderIsSubclassed)
{
    // The constructor registers the placeholder's class with its exact values.
    ProbeCombo combo;
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), "RavuComboBoxCtrl", &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(wc.cbClsExtra, 0);
    EXPECT_EQ(wc.cbWndExtra, 0);
    EXPECT_EQ(wc.hIcon, static_cast<HICON>(NULL));
    EXPECT_EQ(wc.hCursor, ::LoadCursor(NULL, IDC_ARROW));
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(5)));
    EXPECT_EQ(wc.lpszMenuName, static_cast<LPCSTR>(NULL));
    // A second combo finds it registered.
    ProbeCombo second;

    vxSetGetFontFails(1);
    DialogTemplate tpl(CBS_DROPDOWN);
    HWND hDlg = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), tpl.Get(), NULL,
                                             PlainDialogProc, 0);
    ASSERT_NE(hDlg, static_cast<HWND>(NULL));
    HWND hItem = ::GetDlgItem(hDlg, kDialogComboId);
    ASSERT_NE(hItem, static_cast<HWND>(NULL));
    EXPECT_STREQ(ClassOf(hItem), _T("RavuComboBoxCtrl"));
    ASSERT_TRUE(combo.SubclassDlgItem(kDialogComboId, CWnd::FromHandle(hDlg)));
    vxSetGetFontFails(0);

    // The edit came with the subclassing; the font is the dialog's.
    ASSERT_NE(combo.Edit(), nullptr);
    EXPECT_EQ(::GetDlgCtrlID(combo.Edit()->GetSafeHwnd()), VXCB_EDIT_ID);
    ASSERT_NE(combo.Font(), nullptr);
    LOGFONT mine = FontOf(static_cast<HFONT>(combo.Font()->GetSafeHandle()));
    LOGFONT dialogs = FontOf(reinterpret_cast<HFONT>(::SendMessageA(hDlg, WM_GETFONT, 0, 0)));
    EXPECT_STREQ(mine.lfFaceName, dialogs.lfFaceName);
    EXPECT_EQ(mine.lfHeight, dialogs.lfHeight);

    // It works as a combo: items, messages, notifications to the dialog.
    combo.AddString(_T("one"));
    combo.AddString(_T("two"));
    EXPECT_EQ(::SendMessageA(hItem, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(combo.SetCurSel(1), 1);
    CString text;
    combo.GetText(text);
    EXPECT_STREQ(text, _T("two"));

    combo.DestroyWindow();
    ::DestroyWindow(hDlg);
    PumpTranslated();
}

TEST(ComboWindow, FontWithoutEngineOrParentFont)
{
    vxSetGetFontFails(1);
    {
        // The test host answers no font: the combo still gets one.
        ComboFixture f(CBS_DROPDOWNLIST);
        ASSERT_NE(f.Combo().Font(), nullptr);
        EXPECT_NE(f.Combo().Font()->GetSafeHandle(), static_cast<HGDIOBJ>(NULL));
        f.Combo().AddString(_T("text"));
        f.Combo().SetCurSel(0);
        ::UpdateWindow(f.Hwnd());
    }
    vxSetGetFontFails(0);

    // With the engine's font, the combo's font describes the same face.
    HFONT hEngine = vxGetFont("default");
    ASSERT_NE(hEngine, static_cast<HFONT>(NULL));
    LOGFONT engine = FontOf(hEngine);
    ::DeleteObject(hEngine);
    ComboFixture f(CBS_DROPDOWNLIST);
    LOGFONT mine = FontOf(static_cast<HFONT>(f.Combo().Font()->GetSafeHandle()));
    EXPECT_STREQ(mine.lfFaceName, engine.lfFaceName);
    EXPECT_EQ(mine.lfHeight, engine.lfHeight);
}

TEST(ComboWindow, ClickAreasToggleTheList)
{
    for (DWORD style : {static_cast<DWORD>(CBS_DROPDOWN), static_cast<DWORD>(CBS_DROPDOWNLIST)}) {
        ComboFixture f(style);
        vxtest::MessageRecorder combo(f.Hwnd());
        const bool dropList = style == CBS_DROPDOWNLIST;
        // Left of the 26-pixel strip: only the drop-list style toggles.
        vxtest::Click(vxtest::ScreenPoint(f.Hwnd(), 40, 12));
        PumpTranslatedFor(50);
        EXPECT_EQ(combo.Count(WM_COMBO_DROPDOWNBUTTON), dropList ? 1 : 0) << style;
        combo.Clear();
        vxtest::Click(vxtest::ScreenPoint(f.Hwnd(), kComboWidth - 5, 12));
        PumpTranslatedFor(50);
        EXPECT_EQ(combo.Count(WM_COMBO_DROPDOWNBUTTON), 1) << style;
        combo.Clear();
        vxtest::Click(vxtest::ScreenPoint(f.Hwnd(), kComboWidth - 25, 12));
        PumpTranslatedFor(50);
        EXPECT_EQ(combo.Count(WM_COMBO_DROPDOWNBUTTON), 1) << style;
        combo.Clear();
        if (!dropList) {
            vxtest::Click(vxtest::ScreenPoint(f.Hwnd(), kComboWidth - 27, 12));
            PumpTranslatedFor(50);
            EXPECT_EQ(combo.Count(WM_COMBO_DROPDOWNBUTTON), 0);
        }
        // The click gave the combo (or its edit) the focus.
        HWND hFocus = ::GetFocus();
        EXPECT_TRUE(hFocus == f.Hwnd() || ::GetParent(hFocus) == f.Hwnd());
        combo.Detach();
    }
}

TEST(ComboWindow, FocusInTheDropListStyle)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    ::SetFocus(f.Hwnd());
    PumpTranslated();
    EXPECT_TRUE(f.Combo().Focused());
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SETFOCUS}));
    f.ClearCodes();
    f.FocusAway();
    EXPECT_FALSE(f.Combo().Focused());
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_KILLFOCUS}));
}

TEST(ComboWindow, FocusInTheDropDownStyleGoesToTheEdit)
{
    ComboFixture f(CBS_DROPDOWN);
    HWND hEdit = f.Combo().Edit()->GetSafeHwnd();
    ::SetFocus(f.Hwnd());
    PumpTranslated();
    EXPECT_EQ(::GetFocus(), hEdit);
    EXPECT_FALSE(f.Combo().Focused());
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SETFOCUS}));
    f.ClearCodes();
    // A click on the button moves the focus through the combo back to the edit: no news.
    vxtest::Click(vxtest::ScreenPoint(f.Hwnd(), kComboWidth - 5, 12));
    PumpTranslatedFor(50);
    EXPECT_EQ(::GetFocus(), hEdit);
    EXPECT_TRUE(f.Codes().empty());
    // Leaving the combo.
    f.Combo().SetText(_T("abc"));
    f.Combo().SetEditSel(0, 3);
    f.ClearCodes();
    f.FocusAway();
    std::vector<UINT> codes = f.Codes();
    EXPECT_EQ(codes, std::vector<UINT>({CBN_SELENDCANCEL, CBN_KILLFOCUS}));
    EXPECT_EQ(f.Combo().GetEditSel(), 0u);
    // Back again: a new CBN_SETFOCUS.
    f.ClearCodes();
    ::SetFocus(hEdit);
    PumpTranslated();
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SETFOCUS}));
}

TEST(ComboWindow, HoverPollingEndsOutsideTheHotArea)
{
    for (DWORD style : {static_cast<DWORD>(CBS_DROPDOWN), static_cast<DWORD>(CBS_DROPDOWNLIST)}) {
        ComboFixture f(style);
        ProbeCombo& c = f.Combo();
        vxtest::MouseMove(vxtest::ScreenPoint(f.Host().Hwnd(), 5, 5));
        PumpTranslatedFor(100);
        EXPECT_FALSE(c.Hover());
        // Into the button strip: hovering, with the poll running.
        vxtest::MouseMove(vxtest::ScreenPoint(f.Hwnd(), kComboWidth - 10, 12));
        ASSERT_TRUE(PumpTranslatedUntil([&] { return c.Hover(); }));
        EXPECT_TRUE(c.HoverTimer());
        // The edit area is hot only in the drop-list style.
        vxtest::MouseMove(vxtest::ScreenPoint(f.Hwnd(), 40, 12));
        if (style == CBS_DROPDOWNLIST) {
            PumpTranslatedFor(150);
            EXPECT_TRUE(c.Hover());
            EXPECT_TRUE(c.HoverTimer());
        } else {
            // The edit child takes the move; the poll finds the cursor outside the strip.
            EXPECT_TRUE(PumpTranslatedUntil([&] { return !c.HoverTimer(); }));
            EXPECT_FALSE(c.Hover());
        }
        // Out of the window: the poll ends the hover with no move message.
        vxtest::MouseMove(vxtest::ScreenPoint(f.Host().Hwnd(), 5, 300));
        EXPECT_TRUE(PumpTranslatedUntil([&] { return !c.HoverTimer(); }));
        EXPECT_FALSE(c.Hover());
        vxtest::MessageRecorder rec(f.Hwnd());
        PumpTranslatedFor(200);
        EXPECT_EQ(rec.Count(WM_TIMER), 0);
        rec.Detach();
    }
}

class PaintTest : public ::testing::Test
{
protected:
    static void Repaint(HWND hwnd)
    {
        ::RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PumpTranslated();
    }
};

TEST_F(PaintTest, DropListEnabledAndDisabled)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    HWND h = f.Hwnd();
    f.Fill({"WWWWWWWW"});
    f.Combo().SetCurSel(0);
    Repaint(h);
    const int cx = ::GetSystemMetrics(SM_CXVSCROLL);
    // Sunken frame: shadow at the top left, highlight at the bottom right.
    EXPECT_EQ(PixelAt(h, 5, 0), ::GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(PixelAt(h, 5, kComboHeight - 1), ::GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(PixelAt(h, 5, 1), ::GetSysColor(COLOR_3DDKSHADOW));
    // Not focused: the field is filled with the highlight-text colour, the text is black.
    const RECT rcText = {4, 3, kComboWidth - cx - 3, kComboHeight - 3};
    EXPECT_EQ(PixelAt(h, rcText.right - 2, 12), ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_TRUE(AnyPixel(h, rcText, ::GetSysColor(COLOR_BTNTEXT)));
    // The button: face colour and a dark arrow, two pixels in from the right.
    const RECT rcButton = {kComboWidth - cx - 2, 2, kComboWidth - 2, kComboHeight - 2};
    EXPECT_EQ(PixelAt(h, rcButton.left + 3, rcButton.top + 3), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(AnyPixel(h, rcButton, ::GetSysColor(COLOR_BTNTEXT)));
    // The background strip between text and button is the window colour.
    EXPECT_EQ(PixelAt(h, rcText.right, 12), ::GetSysColor(COLOR_WINDOW));

    // Focused: highlighted field with highlight text.
    ::SetFocus(h);
    PumpTranslated();
    Repaint(h);
    EXPECT_EQ(PixelAt(h, rcText.right - 2, 12), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_TRUE(AnyPixel(h, rcText, ::GetSysColor(COLOR_HIGHLIGHTTEXT)));
    // Losing the focus repaints the field plain.
    f.FocusAway();
    ::UpdateWindow(h);
    EXPECT_EQ(PixelAt(h, rcText.right - 2, 12), ::GetSysColor(COLOR_HIGHLIGHTTEXT));

    // Disabled: face-coloured, grey text, inactive button without a black arrow.
    f.Combo().EnableWindow(FALSE);
    Repaint(h);
    EXPECT_EQ(PixelAt(h, rcText.right - 2, 12), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(PixelAt(h, rcText.right, 12), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(AnyPixel(h, rcText, ::GetSysColor(COLOR_GRAYTEXT)));
    EXPECT_FALSE(AnyPixel(h, rcText, ::GetSysColor(COLOR_BTNTEXT)));
    EXPECT_FALSE(AnyPixel(h, rcButton, ::GetSysColor(COLOR_BTNTEXT)));
}

TEST_F(PaintTest, WithoutFrameOnlyBackgroundAndText)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    HWND h = f.Hwnd();
    f.Combo().ModifyCBStyle(VXCB_FRAME, 0);
    f.Fill({"WWWW"});
    f.Combo().SetCurSel(0);
    Repaint(h);
    const int cx = ::GetSystemMetrics(SM_CXVSCROLL);
    const RECT rcButton = {kComboWidth - cx, 0, kComboWidth, kComboHeight};
    EXPECT_FALSE(AnyPixel(h, rcButton, ::GetSysColor(COLOR_BTNTEXT)));
    EXPECT_FALSE(AnyPixel(h, rcButton, ::GetSysColor(COLOR_3DSHADOW)));
    const RECT rcText = {0, 0, kComboWidth - cx - 1, kComboHeight};
    EXPECT_TRUE(AnyPixel(h, rcText, ::GetSysColor(COLOR_BTNTEXT)));
    EXPECT_EQ(PixelAt(h, 0, 0), ::GetSysColor(COLOR_HIGHLIGHTTEXT));

    // A drop-down combo without frame: background only around its edit.
    ComboFixture d(CBS_DROPDOWN);
    d.Combo().ModifyCBStyle(VXCB_FRAME, 0);
    Repaint(d.Hwnd());
    EXPECT_EQ(PixelAt(d.Hwnd(), 0, 0), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(PixelAt(d.Hwnd(), kComboWidth - 5, 12), ::GetSysColor(COLOR_WINDOW));
    d.Combo().EnableWindow(FALSE);
    Repaint(d.Hwnd());
    EXPECT_EQ(PixelAt(d.Hwnd(), kComboWidth - 5, 12), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(d.Combo().Edit()->IsWindowEnabled());
}

TEST(ComboWindow, CreatingAndDestroyingLeaksNothing)
{
    auto round = [] {
        for (int i = 0; i < 10; ++i) {
            ComboFixture f(i % 2 ? CBS_DROPDOWN : CBS_DROPDOWNLIST);
            f.Fill({"a", "b"});
            f.Combo().SetCurSel(1);
            ::UpdateWindow(f.Hwnd());
        }
        PumpTranslated();
    };
    round();
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    round();
    const vxtest::GuiCounts after = vxtest::GuiCounts::Now();
    EXPECT_EQ(before, after) << vxtest::ToString(before) << " -> " << vxtest::ToString(after);
}

} // namespace
