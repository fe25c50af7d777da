// The combo box as a citizen of a real dialog beside a system edit and the OK and Cancel
// buttons, driven by keys and clicks: Tab through, Escape and Enter with the list open and
// closed, the focus taken away with the list open, the standard messages sent to the dialog
// item, and a large font.
#include "combo_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace combotest;

namespace {

const UINT kEditId = 301;

// combo (300), edit (301), OK (default) and Cancel, in tab order.
class FourItemTemplate : public vxtest::DialogTemplate
{
public:
    explicit FourItemTemplate(DWORD dwComboStyle) : vxtest::DialogTemplate(220, 120)
    {
        Item("RavuComboBoxCtrl", WS_TABSTOP | dwComboStyle, 10, 10, 120, 14, kDialogComboId);
        Item(kEdit, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 10, 40, 120, 14, kEditId);
        Item(kButton, WS_TABSTOP | BS_DEFPUSHBUTTON, 10, 90, 50, 14, IDOK, "OK");
        Item(kButton, WS_TABSTOP | BS_PUSHBUTTON, 70, 90, 50, 14, IDCANCEL, "Cancel");
    }
};

class MannersDialog : public CDialog
{
public:
    ProbeCombo m_combo;
    int m_nOk = 0;
    int m_nCancel = 0;
    vxtest::MessageRecorder m_codes;     // the combo's notifications, as the dialog gets them

    virtual BOOL OnInitDialog()
    {
        m_combo.SubclassDlgItem(kDialogComboId, this);
        for (LPCTSTR text : {_T("alpha"), _T("beta"), _T("betamax"), _T("gamma")})
            m_combo.AddString(text);
        m_codes.Attach(m_hWnd);
        return CDialog::OnInitDialog();
    }
    virtual void OnOK() { ++m_nOk; }
    virtual void OnCancel() { ++m_nCancel; }
    HWND Item(UINT nID) { return ::GetDlgItem(m_hWnd, nID); }
    std::vector<UINT> Codes() const { return m_codes.CommandCodes(kDialogComboId); }
};

struct ComboInDialog : ::testing::TestWithParam<DWORD> {
    FourItemTemplate tpl{GetParam()};
    MannersDialog dlg;
    void SetUp() override
    {
        ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
        vxtest::MouseMove({5, 5});
        // Keys go to the foreground window: the dialog must be it before any is typed.
        ASSERT_TRUE(vxtest::BringToFront(dlg.m_hWnd));
    }
    void TearDown() override
    {
        dlg.m_codes.Detach();
        dlg.DestroyWindow();
        PumpTranslated();
    }
    // The window that has the focus is the combo or its edit.
    bool ComboHasFocus()
    {
        HWND hFocus = ::GetFocus();
        return hFocus == dlg.m_combo.GetSafeHwnd() || ::GetParent(hFocus) == dlg.m_combo.GetSafeHwnd();
    }
};

TEST_P(ComboInDialog, TabEscapeAndEnterReachTheDialogWithTheListClosed)
{
    ::SetFocus(dlg.Item(kEditId));
    PumpTranslated();
    // Shift+Tab back into the combo, Tab on to the edit.
    ChordKey(VK_SHIFT, VK_TAB);
    EXPECT_TRUE(ComboHasFocus());
    Key(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.Item(kEditId));
    ChordKey(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(ComboHasFocus());
    // List closed: Enter is the default button's, Escape is Cancel's.
    Key(VK_RETURN);
    EXPECT_EQ(dlg.m_nOk, 1);
    Key(VK_ESCAPE);
    EXPECT_EQ(dlg.m_nCancel, 1);
    // What the dialog manager is told: arrows and characters always, Enter and Escape only
    // while the list is open.
    MSG esc = {dlg.m_combo.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    const UINT closedCode = (UINT)dlg.m_combo.SendMessage(WM_GETDLGCODE, 0, (LPARAM)&esc);
    EXPECT_EQ(closedCode & (DLGC_WANTARROWS | DLGC_WANTCHARS), (UINT)(DLGC_WANTARROWS | DLGC_WANTCHARS));
    EXPECT_EQ(closedCode & DLGC_WANTMESSAGE, 0u);
    // List open: both are the list's.
    Key(VK_F4);
    ASSERT_TRUE(dlg.m_combo.GetDroppedState());
    EXPECT_NE(dlg.m_combo.SendMessage(WM_GETDLGCODE, 0, (LPARAM)&esc) & DLGC_WANTMESSAGE, 0);
    Key(VK_ESCAPE);
    EXPECT_FALSE(dlg.m_combo.GetDroppedState());
    EXPECT_EQ(dlg.m_nCancel, 1);
    Key(VK_F4);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_TRUE(WaitClosed(dlg.m_combo));
    EXPECT_EQ(dlg.m_nOk, 1);
    EXPECT_STREQ(dlg.m_combo.FieldText(), _T("alpha"));
}

TEST_P(ComboInDialog, FocusTakenAwayWithTheListOpenClosesItFirst)
{
    ::SetFocus(dlg.Item(kEditId));
    PumpTranslated();
    ChordKey(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(ComboHasFocus());
    // By Tab, by a click on the edit: the list closes, then the loss is told.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Key(VK_F4);
        ASSERT_TRUE(dlg.m_combo.GetDroppedState());
        dlg.m_codes.Clear();
        if (round == 0) {
            Key(VK_TAB);
        } else {
            vxtest::Click(vxtest::CentreOf(dlg.Item(kEditId)));
            PumpTranslatedFor(50);
            // The click outside the list only closed it; the next one moves the focus.
            if (ComboHasFocus()) {
                vxtest::Click(vxtest::CentreOf(dlg.Item(kEditId)));
                PumpTranslatedFor(50);
            }
        }
        EXPECT_EQ(::GetFocus(), dlg.Item(kEditId));
        EXPECT_FALSE(dlg.m_combo.GetDroppedState());
        EXPECT_EQ(dlg.m_combo.DropWnd(), nullptr);
        EXPECT_EQ(::GetCapture(), static_cast<HWND>(NULL));
        const std::vector<UINT> codes = dlg.Codes();
        ASSERT_FALSE(codes.empty());
        EXPECT_EQ(codes.back(), (UINT)CBN_KILLFOCUS);
        EXPECT_EQ(std::count(codes.begin(), codes.end(), (UINT)CBN_CLOSEUP), 1);
        // Back in: the gain is news again.
        dlg.m_codes.Clear();
        ChordKey(VK_SHIFT, VK_TAB);
        ASSERT_TRUE(ComboHasFocus());
        EXPECT_EQ(dlg.Codes(), std::vector<UINT>({CBN_SETFOCUS}));
    }
}

TEST_P(ComboInDialog, StandardMessagesThroughTheDialogItem)
{
    const HWND hDlg = dlg.m_hWnd;
    auto send = [&](UINT msg, WPARAM w, LPARAM l) { return ::SendDlgItemMessageA(hDlg, kDialogComboId, msg, w, l); };
    EXPECT_EQ(send(CB_INSERTSTRING, 1, (LPARAM) "aardvark"), 1);
    EXPECT_EQ(send(CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(send(CB_FINDSTRING, (WPARAM)-1, (LPARAM) "BETA"), 2);
    EXPECT_EQ(send(CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "betamax"), 3);
    EXPECT_EQ(send(CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "delta"), CB_ERR);
    EXPECT_EQ(send(CB_SETITEMDATA, 3, 0x1234), TRUE);
    EXPECT_EQ(send(CB_GETITEMDATA, 3, 0), 0x1234);
    EXPECT_EQ(send(CB_GETITEMDATA, 9, 0), CB_ERR);
    EXPECT_EQ(send(CB_SETITEMDATA, 9, 1), CB_ERR);
    EXPECT_EQ(send(CB_DELETESTRING, 1, 0), 4);
    EXPECT_EQ(send(CB_DELETESTRING, 9, 0), CB_ERR);
    EXPECT_EQ(send(CB_GETDROPPEDSTATE, 0, 0), FALSE);
    EXPECT_EQ(send(CB_SHOWDROPDOWN, TRUE, 0), TRUE);
    EXPECT_EQ(send(CB_GETDROPPEDSTATE, 0, 0), TRUE);
    RECT rcList = {};
    EXPECT_EQ(send(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&rcList), TRUE);
    RECT rcFrame;
    ::GetWindowRect(dlg.m_combo.FrameHwnd(), &rcFrame);
    EXPECT_TRUE(::EqualRect(&rcList, &rcFrame));
    EXPECT_EQ(send(CB_SHOWDROPDOWN, FALSE, 0), TRUE);
    EXPECT_EQ(send(CB_GETDROPPEDSTATE, 0, 0), FALSE);
    // The edit's messages: with the drop-down style through the edit, else CB_ERR.
    const bool bEdit = (GetParam() & 3) == CBS_DROPDOWN;
    dlg.m_combo.SetText(_T("gamma"));
    EXPECT_EQ(send(CB_LIMITTEXT, 3, 0), bEdit ? TRUE : CB_ERR);
    EXPECT_EQ(send(CB_SETEDITSEL, 0, MAKELPARAM(1, 3)), bEdit ? TRUE : CB_ERR);
    DWORD dwStart = 99, dwEnd = 99;
    const LRESULT sel = send(CB_GETEDITSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    if (bEdit) {
        EXPECT_EQ(sel, MAKELONG(1, 3));
        EXPECT_EQ(dwStart, 1u);
        EXPECT_EQ(dwEnd, 3u);
    } else {
        EXPECT_EQ(sel, CB_ERR);
    }
    // Messages the combo does not answer get default processing: no CB_ERR, no success.
    EXPECT_EQ(send(CB_SETLOCALE, 0x0409, 0), 0);
    EXPECT_EQ(send(CB_GETEXTENDEDUI, 0, 0), FALSE);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(::GetComboBoxInfo(dlg.m_combo.GetSafeHwnd(), &info));
    EXPECT_EQ(info.hwndCombo, dlg.m_combo.GetSafeHwnd());
}

// Rows of pixels in the rectangle of a window that hold a dark (text) pixel.
int InkHeight(HWND hwnd, const RECT& rc)
{
    HDC hdc = ::GetDC(hwnd);
    int rows = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            const COLORREF c = ::GetPixel(hdc, x, y);
            if (GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100) {
                ++rows;
                break;
            }
        }
    }
    ::ReleaseDC(hwnd, hdc);
    return rows;
}

TEST_P(ComboInDialog, LargeFontForFieldEditAndRows)
{
    // The first row's text as the combo's own font draws it.
    dlg.m_combo.ShowDropDown(TRUE);
    ASSERT_TRUE(dlg.m_combo.GetDroppedState());
    vxtest::PumpFor(50);
    const RECT rcFirstRow = {8, 0, 120, 26};
    const int nSmallInk = InkHeight(dlg.m_combo.ListHwnd(), rcFirstRow);
    dlg.m_combo.ShowDropDown(FALSE);
    ASSERT_GT(nSmallInk, 4);

    LOGFONTA lf = {};
    lf.lfHeight = -28;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    HFONT hLarge = ::CreateFontIndirectA(&lf);
    dlg.m_combo.SetFont(CFont::FromHandle(hLarge), TRUE);
    EXPECT_EQ((HFONT)dlg.m_combo.SendMessage(WM_GETFONT), hLarge);
    if (dlg.m_combo.Edit() != NULL) {
        EXPECT_EQ((HFONT)dlg.m_combo.Edit()->SendMessage(WM_GETFONT), hLarge);
    }
    dlg.m_combo.ShowDropDown(TRUE);
    ASSERT_TRUE(dlg.m_combo.GetDroppedState());
    EXPECT_EQ((HFONT)::SendMessageA(dlg.m_combo.ListHwnd(), WM_GETFONT, 0, 0), hLarge);
    vxtest::PumpFor(50);
    // The rows are drawn in it too: taller text.
    EXPECT_GT(InkHeight(dlg.m_combo.ListHwnd(), rcFirstRow), nSmallInk + 4);
    dlg.m_combo.ShowDropDown(FALSE);
    // None: the combo's own font again.
    dlg.m_combo.SendMessage(WM_SETFONT, 0, TRUE);
    EXPECT_EQ((HFONT)dlg.m_combo.SendMessage(WM_GETFONT), (HFONT)dlg.m_combo.Font()->GetSafeHandle());
    ::DeleteObject(hLarge);
}

TEST(ComboFilteredList, HighlightIsARowOfTheShownListAndEnterWithoutOneCancels)
{
    FourItemTemplate tpl(CBS_DROPDOWN);
    MannersDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
    dlg.m_combo.ModifyCBStyle(VXCB_AUTOCOMPLETE, VXCB_FILTEREDLIST);
    dlg.m_combo.SetCurSel(1);                // "beta": index 1 of the full list
    ::SetForegroundWindow(dlg.m_hWnd);
    ::SetFocus(dlg.m_combo.Edit()->GetSafeHwnd());
    PumpTranslated();
    dlg.m_combo.Edit()->SetSel(0, -1);     // typing replaces the shown "beta"

    // "bet" lists beta and betamax; neither is the shown text, so no row is highlighted
    // (not the full list's index 1 taken as a row: betamax).
    Type("bet");
    ASSERT_TRUE(PumpTranslatedUntil([&] { return dlg.m_combo.ListHwnd() != NULL; }));
    EXPECT_EQ(::SendMessageA(dlg.m_combo.ListHwnd(), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(::SendMessageA(dlg.m_combo.ListHwnd(), LB_GETCURSEL, 0, 0), LB_ERR);
    // "beta" is the first row's text: that row.
    Type("a");
    ASSERT_TRUE(PumpTranslatedUntil([&] { return dlg.m_combo.ListHwnd() != NULL; }));
    EXPECT_EQ(::SendMessageA(dlg.m_combo.ListHwnd(), LB_GETCURSEL, 0, 0), 0);
    Key(VK_BACK);
    ASSERT_TRUE(PumpTranslatedUntil([&] { return dlg.m_combo.ListHwnd() != NULL; }));

    // Enter without a highlighted row: the typed text stays, the list closes as a cancel,
    // and the dialog's default button hears nothing.
    dlg.m_codes.Clear();
    Key(VK_RETURN);
    EXPECT_TRUE(WaitClosed(dlg.m_combo));
    CString text;
    dlg.m_combo.GetText(text);
    EXPECT_STREQ(text, _T("bet"));
    const std::vector<UINT> codes = dlg.Codes();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), (UINT)CBN_SELENDCANCEL), 1);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), (UINT)CBN_SELENDOK), 0);
    EXPECT_EQ(dlg.m_nOk, 0);
    dlg.m_codes.Detach();
    dlg.DestroyWindow();
    PumpTranslated();
}

INSTANTIATE_TEST_SUITE_P(Styles, ComboInDialog,
                         ::testing::Values((DWORD)CBS_DROPDOWNLIST, (DWORD)CBS_DROPDOWN));

} // namespace
