// The keyboard alone through a dialog that holds every control: Tab reaches each control and
// each item of the list view and the stack window, in order; the arrows, Space and Enter do
// what a mouse would, checked by focus and by what the host hears; a sizer bar and a splitter
// bar move by the arrows within their limits and go back with Escape, which otherwise still
// cancels the dialog. Screen readers read both bars as separators valued by their position
// within the limits a drag has, and named by the panes they divide.
#include "accessible_reader.h"
#include "combo_test_util.h"
#include "vxCtrlListView.h"
#include "vxCtrlSplitter.h"
#include "vxBarValue.h"
#include "vxCtrlStackWnd.h"
#include "vxHorizLayout.h"
#include "vxSizerBar.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include <algorithm>

namespace {

using combotest::Key;
using combotest::ChordKey;
using combotest::PumpTranslated;

const UINT kNameId = 401, kComboId = 402, kListId = 403, kStackId = 404;

class EveryControlDialog : public CDialog
{
public:
    vxCtrlComboBox m_combo;
    vxCtrlListView m_list;
    vxCtrlStackWnd m_stack;
    CEdit m_left, m_right;
    vxSizerBar m_sizer;
    vxHorizLayout* m_pLayout = nullptr;
    CStatic m_label, m_pane0, m_pane1, m_splitBar;
    vxCtrlSplitter m_splitter;
    CButton m_ok, m_cancel;
    int m_nOk = 0, m_nCancel = 0;
    vxtest::MessageRecorder m_recorder;

    virtual BOOL OnInitDialog()
    {
        // Made in tab order.
        m_label.Create(_T("Colour:"), WS_CHILD | WS_VISIBLE, CRect(10, 42, 70, 58), this);
        m_combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, CRect(80, 38, 240, 62), this, kComboId);
        for (LPCTSTR colour : {_T("Red"), _T("Green"), _T("Blue")})
            m_combo.AddString(colour);
        m_list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 70, 300, 130), this, kListId);
        m_list.AddGroup(_T("Files"), NULL, 0);
        m_list.AddItem(0, NULL, _T("Open"), NULL);
        m_list.AddItem(0, NULL, _T("Save"), NULL);
        m_stack.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 140, 170, 260), this, kStackId);
        m_stack.AddItem(_T("Mail"), NULL, NULL);
        m_stack.AddItem(_T("Tasks"), NULL, NULL);
        m_stack.AddSubItem(0, _T("Inbox"), NULL);
        m_stack.AddSubItem(1, _T("Today"), NULL);
        m_stack.ExpandItem(0);
        // A layout of two edits and a sizer bar over (180, 140, 400, 200).
        m_left.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(0, 0, 10, 10), this, 405);
        m_pLayout = new vxHorizLayout(this);
        m_sizer.Create(WS_CHILD | WS_VISIBLE, this, m_pLayout, 406, CRect(0, 0, 6, 60));
        m_right.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(0, 0, 10, 10), this, 407);
        m_pLayout->SetHeight(60);
        m_pLayout->AddItem(&m_left, StyleFixed);
        m_pLayout->SetItemSize(0, 0, 100);
        m_pLayout->SetItemMinSize(0, 0, 90);
        m_pLayout->AddSplitterItem(0, 0, &m_sizer);
        m_pLayout->SetItemSize(0, 1, 6);
        m_pLayout->AddItem(&m_right, StyleStretch);
        m_pLayout->SetItemMinSize(0, 2, 20);
        m_pLayout->SetSplitterWnd(0, 1, 0, 2);
        m_pLayout->CalcLayout(CRect(180, 140, 400, 200), this);
        // A splitter over (180, 210, 400, 260).
        m_pane0.Create(_T("Tree"), WS_CHILD | WS_VISIBLE | SS_GRAYRECT, CRect(0, 0, 10, 10), this, 408);
        m_splitBar.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 4, 50), this, 409);
        m_pane1.Create(_T("Details"), WS_CHILD | WS_VISIBLE | SS_GRAYRECT, CRect(0, 0, 10, 10), this, 410);
        m_splitter.CreateSplitter(m_splitBar.m_hWnd, 1, 1, 1);
        m_splitter.AttachWnd(0, m_pane0.m_hWnd);
        m_splitter.AttachWnd(1, m_pane1.m_hWnd);
        m_splitter.SetPaneSize(0, 100, 30);
        m_splitter.SetPaneSize(1, -1, 30);
        m_splitter.Layout(180, 210, 220, 50);
        m_ok.Create(_T("OK"), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, CRect(240, 270, 310, 294), this, IDOK);
        m_cancel.Create(_T("Cancel"), WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(320, 270, 390, 294), this, IDCANCEL);
        m_recorder.Attach(m_hWnd);
        return CDialog::OnInitDialog();
    }
    // As a host does: a press on the splitter bar (a static, whose clicks come here) drags it.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        RECT rcBar;
        m_splitter.GetSplitterRect(&rcBar);
        const POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (message == WM_LBUTTONDOWN && ::PtInRect(&rcBar, pt))
            return m_splitter.Track(&m_splitBar, CPoint(pt.x - rcBar.left, pt.y - rcBar.top));
        return CDialog::WindowProc(message, wParam, lParam);
    }
    virtual void OnOK() { ++m_nOk; }
    virtual void OnCancel() { ++m_nCancel; }
    void Done()
    {
        m_recorder.Detach();
        DestroyWindow();
        delete m_pLayout;
    }
    HWND ListItem(const char* caption) { return ::FindWindowExA(m_list.m_hWnd, NULL, "Button", caption); }
    int LeftWidth()
    {
        CRect rc;
        m_left.GetWindowRect(&rc);
        return rc.Width();
    }
    int PaneWidth()
    {
        RECT rc;
        m_splitter.GetPaneRect(0, &rc);
        return rc.right - rc.left;
    }
};

WNDPROC s_barProc = NULL;
LRESULT CALLBACK HidingCues(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUERYUISTATE)
        return UISF_HIDEFOCUS;
    return ::CallWindowProc(s_barProc, hwnd, message, wParam, lParam);
}

// A window's pixels, row by row, as they stand after the waiting paints.
std::vector<COLORREF> Pixels(HWND hwnd)
{
    PumpTranslated();
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    return vxtest::Pixels(hwnd, rc);
}

struct DialogWalk : ::testing::Test {
    a11y::ComScope com;
    vxtest::DialogTemplate tpl{280, 210};
    EveryControlDialog dlg;
    vxtest::PreTranslateFn plainPump = nullptr;

    void SetUp() override
    {
        plainPump = vxtest::SetPreTranslate(AfxPreTranslateMessage);
        tpl.Item(vxtest::DialogTemplate::kEdit, WS_TABSTOP | WS_BORDER, 7, 5, 120, 12, kNameId);
        ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
        vxtest::MouseMove({5, 5});
        ASSERT_TRUE(vxtest::BringToFront(dlg.m_hWnd));
    }
    void TearDown() override
    {
        dlg.Done();
        PumpTranslated();
        vxtest::SetPreTranslate(plainPump);
    }
};

TEST_F(DialogWalk, TabReachesEveryControlAndItemInOrder)
{
    ASSERT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, kNameId));
    // The list view is one stop (its items are reached by the arrows); an open stack item's
    // list follows its button.
    const std::vector<HWND> order = {
        dlg.m_combo.m_hWnd, dlg.ListItem("Open"),
        dlg.m_stack.GetItemButton(0)->m_hWnd, dlg.m_stack.GetItemContent(0)->m_hWnd,
        dlg.m_stack.GetItemButton(1)->m_hWnd,
        dlg.m_left.m_hWnd, dlg.m_sizer.m_hWnd, dlg.m_right.m_hWnd, dlg.m_splitBar.m_hWnd,
        dlg.m_ok.m_hWnd, dlg.m_cancel.m_hWnd, ::GetDlgItem(dlg.m_hWnd, kNameId)};
    for (size_t i = 0; i < order.size(); ++i) {
        Key(VK_TAB);
        EXPECT_EQ(::GetFocus(), order[i]) << "stop " << i;
    }
    // And back.
    ChordKey(VK_SHIFT, VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.m_cancel.m_hWnd);
}

TEST_F(DialogWalk, KeysDoWhatTheMouseWouldAtEachStop)
{
    // The combo: Down chooses the next colour (from none, the second), which the dialog hears.
    Key(VK_TAB);
    Key(VK_DOWN);
    EXPECT_EQ(dlg.m_recorder.CommandCodes(kComboId).back(), (UINT)CBN_SELCHANGE);
    CString text;
    dlg.m_combo.GetText(text);
    EXPECT_EQ(vxtest::Narrow(text), "Green");
    // The list view: Right to the second item, Space presses it.
    Key(VK_TAB);
    Key(VK_RIGHT);
    EXPECT_EQ(::GetFocus(), dlg.ListItem("Save"));
    Key(VK_SPACE);
    ASSERT_EQ(dlg.m_recorder.Count(WM_LISTVIEW_ITEMCLICK), 1);
    EXPECT_EQ(dlg.m_recorder.Filter(WM_LISTVIEW_ITEMCLICK)[0].lParam, 1);
    // The stack window: Tab to its first button, Down to the second, Enter opens it.
    Key(VK_TAB);
    Key(VK_DOWN);
    EXPECT_EQ(::GetFocus(), dlg.m_stack.GetItemButton(1)->m_hWnd);
    Key(VK_RETURN);
    EXPECT_TRUE(combotest::PumpTranslatedUntil([&] { return ::IsWindowVisible(dlg.m_stack.GetItemContent(1)->m_hWnd) != FALSE; }));
    EXPECT_EQ(dlg.m_nOk, 0);                     // Enter was the button's, not the dialog's
    // Its list follows it; Down chooses the entry, which the host hears.
    Key(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.m_stack.GetItemContent(1)->m_hWnd);
    Key(VK_DOWN);
    EXPECT_TRUE(combotest::PumpTranslatedUntil([&] { return dlg.m_recorder.Count(WM_STACKWND_SUBITEMSEL) == 1; }));
    // The sizer bar: Right moves the edge 4 pixels, Ctrl+Left as far as the minimum allows,
    // Escape puts it back and leaves the dialog open.
    Key(VK_TAB);
    Key(VK_TAB);
    ASSERT_EQ(::GetFocus(), dlg.m_sizer.m_hWnd);
    Key(VK_RIGHT);
    EXPECT_EQ(dlg.LeftWidth(), 104);
    ChordKey(VK_CONTROL, VK_LEFT);
    EXPECT_EQ(dlg.LeftWidth(), 90);
    Key(VK_ESCAPE);
    EXPECT_EQ(dlg.LeftWidth(), 100);
    EXPECT_EQ(dlg.m_nCancel, 0);
    // The splitter bar: the same with its panes.
    Key(VK_TAB);
    Key(VK_TAB);
    ASSERT_EQ(::GetFocus(), dlg.m_splitBar.m_hWnd);
    ChordKey(VK_CONTROL, VK_RIGHT);
    EXPECT_EQ(dlg.PaneWidth(), 132);
    Key(VK_RIGHT);
    EXPECT_EQ(dlg.PaneWidth(), 136);
    Key(VK_ESCAPE);
    EXPECT_EQ(dlg.PaneWidth(), 100);
    EXPECT_EQ(dlg.m_nCancel, 0);
    // Elsewhere Escape still cancels the dialog.
    Key(VK_TAB);
    Key(VK_ESCAPE);
    EXPECT_EQ(dlg.m_nCancel, 1);
}

TEST_F(DialogWalk, BarsReadAsSeparatorsValuedByTheirPosition)
{
    a11y::Reader sizer(dlg.m_sizer.m_hWnd);
    ASSERT_TRUE(sizer.Ok());
    EXPECT_EQ(sizer.Role(), ROLE_SYSTEM_SEPARATOR);
    // The left edit (90 at least) and the right one (20 at least) let the bar's leading edge
    // go from 270 to 374: at 280 it stands 9 % of the way.
    EXPECT_EQ(sizer.Value(), "9%");
    EXPECT_EQ(sizer.State() & STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_FOCUSABLE);
    a11y::Reader bar(dlg.m_splitBar.m_hWnd);
    ASSERT_TRUE(bar.Ok());
    EXPECT_EQ(bar.Role(), ROLE_SYSTEM_SEPARATOR);
    // Panes of 30 at least either side of a one-pixel bar: 211 to 369, 280 is 43 % of it.
    EXPECT_EQ(bar.Value(), "43%");
    EXPECT_EQ(bar.Name(), "Tree, Details");      // the panes it divides

    // The sizer bar is framed raised, its outer edge light above and dark below.
    RECT rcSizer;
    ::GetClientRect(dlg.m_sizer.m_hWnd, &rcSizer);
    EXPECT_EQ(combotest::PixelAt(dlg.m_sizer.m_hWnd, 0, 0), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(combotest::PixelAt(dlg.m_sizer.m_hWnd, rcSizer.right - 1, rcSizer.bottom - 1), ::GetSysColor(COLOR_3DDKSHADOW));

    // A keyboard move changes the value and says so, once; the focus shows on the bar meanwhile.
    a11y::EventLog log;
    for (int i = 0; i < 7; ++i)
        Key(VK_TAB);
    ASSERT_EQ(::GetFocus(), dlg.m_sizer.m_hWnd);
    Key(VK_RIGHT);
    const std::vector<std::string> sized = log.Lines({{dlg.m_sizer.m_hWnd, "sizer"}});
    EXPECT_EQ(std::count(sized.begin(), sized.end(), "value sizer 0"), 1);
    const HWND hBar = dlg.m_splitBar.m_hWnd;
    const std::vector<COLORREF> unfocused = Pixels(hBar);
    Key(VK_TAB);
    Key(VK_TAB);
    ASSERT_EQ(::GetFocus(), hBar);
    EXPECT_NE(Pixels(hBar), unfocused);
    // Told that cues are hidden (Wine keeps no UI state; the bar answers as Windows would),
    // the bar redraws without its cue, and with it once they show again.
    s_barProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hBar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HidingCues)));
    ::SendMessage(hBar, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
    EXPECT_EQ(Pixels(hBar), unfocused);
    ::SetWindowLongPtr(hBar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_barProc));
    ::SendMessage(hBar, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    EXPECT_NE(Pixels(hBar), unfocused);
    Key(VK_RIGHT);
    EXPECT_EQ(bar.Value(), "46%");
    const std::vector<std::string> lines = log.Lines({{hBar, "bar"}});
    EXPECT_NE(std::find(lines.begin(), lines.end(), "value bar 0"), lines.end());
    // At the end of the range a key moves nothing and says nothing.
    for (int i = 0; i < 3; ++i)
        ChordKey(VK_CONTROL, VK_LEFT);
    EXPECT_EQ(bar.Value(), "0%");
    log.Clear();
    Key(VK_LEFT);
    EXPECT_TRUE(log.Lines({{hBar, "bar"}}).empty());
    // The cue goes with the focus.
    Key(VK_TAB);
    EXPECT_EQ(Pixels(hBar), unfocused);

    // A drag with the mouse changes the value and says so too.
    log.Clear();
    const POINT from = vxtest::CentreOf(hBar);
    vxtest::MouseDrag(from, {from.x + 20, from.y});
    EXPECT_TRUE(combotest::PumpTranslatedUntil([&] { return bar.Value() != "0%"; }));
    vxtest::PumpMessages();
    const std::vector<std::string> dragged = log.Lines({{hBar, "bar"}});
    EXPECT_EQ(std::count(dragged.begin(), dragged.end(), "value bar 0"), 1);

    // A bar window gone takes its object with it.
    dlg.m_splitBar.DestroyWindow();
    EXPECT_EQ(bar.NameResult(), RPC_E_DISCONNECTED);
}

TEST(BarValue, PercentOfTheDragRangeHeldWithinIt)
{
    struct Case
    {
        int pos, low, high, expected;
    } const cases[] = {{270, 270, 374, 0}, {374, 270, 374, 100}, {280, 270, 374, 9}, {322, 270, 374, 50},
                       {200, 270, 374, 0},  {500, 270, 374, 100}, {5, 5, 5, 0},      {-10, -20, 0, 50},
                       {2000000000, -2000000000, 2100000000, 97}};
    for (const Case& c : cases)
        EXPECT_EQ(vxBarPercent(c.pos, c.low, c.high), c.expected) << c.pos << " in " << c.low << ".." << c.high;
}

} // namespace
