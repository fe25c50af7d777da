// Typing into a drop-down combo through real key input: inline completion, the filtered
// drop list, the notifications sent and not sent, and texts set by the program.
#include "combo_test_util.h"

#include <gtest/gtest.h>

#include <vexelcore.h>

#include <imm.h>

using namespace combotest;

namespace {

// A drop-down combo with the focus in its edit and the given option bits.
struct TypingFixture : ComboFixture {
    TypingFixture(DWORD dwOptions, std::initializer_list<const char*> texts)
        : ComboFixture(CBS_DROPDOWN)
    {
        Combo().ModifyCBStyle(0, dwOptions);
        Fill(texts);
        Ready();
    }
    CString Text()
    {
        CString text;
        Combo().Edit()->GetWindowText(text);
        return text;
    }
    DWORD Sel() { return Combo().GetEditSel(); }
    // Rows of the open drop list.
    std::vector<std::string> Rows()
    {
        std::vector<std::string> rows;
        HWND hList = Combo().ListHwnd();
        const int n = hList != NULL ? static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0)) : 0;
        for (int i = 0; i < n; ++i)
            rows.push_back(vxGetDrawItemValue(hList, i, "text.default"));
        return rows;
    }
};

int CurRow(HWND hList)
{
    return static_cast<int>(::SendMessageA(hList, LB_GETCURSEL, 0, 0));
}

DWORD Sel(int nStart, int nEnd)
{
    return static_cast<DWORD>(MAKELONG(nStart, nEnd));
}

TEST(ComboTyping, CompletionFromTheFirstItemWithTheTypedStart)
{
    TypingFixture f(VXCB_AUTOCOMPLETE, {"apple", "apricot", "banana"});
    Type("a");
    EXPECT_STREQ(f.Text(), _T("apple"));
    EXPECT_EQ(f.Sel(), Sel(1, 5));
    // Each key: the outer update and change, with the completion's nested pair inside.
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_EDITUPDATE,
                                            CBN_EDITCHANGE}));
    Type("p");
    EXPECT_STREQ(f.Text(), _T("apple"));
    EXPECT_EQ(f.Sel(), Sel(2, 5));
    Type("r");
    EXPECT_STREQ(f.Text(), _T("apricot"));
    EXPECT_EQ(f.Sel(), Sel(3, 7));
    // No item begins with the text: it stays as typed.
    Type("x");
    EXPECT_STREQ(f.Text(), _T("aprx"));
    EXPECT_EQ(f.Sel(), Sel(4, 4));
    // Nothing opened while completing.
    EXPECT_EQ(f.Combo().DropWnd(), nullptr);
}

TEST(ComboTyping, CompletionIsCaseSensitive)
{
    TypingFixture f(VXCB_AUTOCOMPLETE, {"apple", "apricot", "Banana"});
    Type("A");
    EXPECT_STREQ(f.Text(), _T("A"));
    EXPECT_EQ(f.Sel(), Sel(1, 1));
    f.Combo().SetEditSel(0, -1);
    Type("B");
    EXPECT_STREQ(f.Text(), _T("Banana"));
    f.Combo().SetEditSel(0, -1);
    Type("b");
    EXPECT_STREQ(f.Text(), _T("b"));
}

TEST(ComboTyping, BackspaceStopsCompletionUntilRightArrow)
{
    TypingFixture f(VXCB_AUTOCOMPLETE, {"apple", "apricot"});
    Type("ap");
    EXPECT_STREQ(f.Text(), _T("apple"));
    // Backspace removes the selected tail; no completion after it.
    Key(VK_BACK);
    EXPECT_STREQ(f.Text(), _T("ap"));
    Key(VK_BACK);
    EXPECT_STREQ(f.Text(), _T("a"));
    EXPECT_EQ(f.Sel(), Sel(1, 1));
    // Right-arrow at the end completes, told by an update last.
    f.ClearCodes();
    Key(VK_RIGHT);
    EXPECT_STREQ(f.Text(), _T("apple"));
    EXPECT_EQ(f.Sel(), Sel(1, 5));
    ASSERT_FALSE(f.Codes().empty());
    EXPECT_EQ(f.Codes().back(), static_cast<UINT>(CBN_EDITUPDATE));
    // Right-arrow with a selection only moves the caret.
    Key(VK_RIGHT);
    EXPECT_STREQ(f.Text(), _T("apple"));
    EXPECT_EQ(HIWORD(f.Sel()), LOWORD(f.Sel()));
    // Emptied with the completion on: no update notice.
    f.Combo().SetEditSel(0, -1);
    f.ClearCodes();
    Type("q");
    EXPECT_STREQ(f.Text(), _T("q"));
    f.Combo().SetEditSel(0, -1);
    f.ClearCodes();
    ChordKey(VK_CONTROL, 'X');
    EXPECT_STREQ(f.Text(), _T(""));
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_EDITCHANGE}));
    // Without the option Right-arrow is the edit's.
    f.Combo().ModifyCBStyle(VXCB_AUTOCOMPLETE, 0);
    f.Combo().SetText(_T("ap"));
    f.Combo().SetEditSel(2, 2);
    Key(VK_RIGHT);
    EXPECT_STREQ(f.Text(), _T("ap"));
    EXPECT_FALSE(f.Combo().CallPreTranslate(WM_KEYDOWN, VK_RIGHT));
}

TEST(ComboTyping, FilteredListFollowsEveryKey)
{
    TypingFixture f(VXCB_FILTEREDLIST, {"apple", "apricot", "banana"});
    ProbeCombo& c = f.Combo();
    Type("a");
    ASSERT_TRUE(c.DropWnd() != NULL);
    EXPECT_FALSE(c.Dropped());
    EXPECT_EQ(f.Rows(), std::vector<std::string>({"apple", "apricot"}));
    // The typing goes on in the edit; only the open is told.
    EXPECT_EQ(::GetFocus(), c.Edit()->GetSafeHwnd());
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_DROPDOWN}));
    f.ClearCodes();
    Type("p");
    EXPECT_EQ(f.Rows(), std::vector<std::string>({"apple", "apricot"}));
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_DROPDOWN}));
    f.ClearCodes();
    Type("p");
    EXPECT_EQ(f.Rows(), std::vector<std::string>({"apple"}));
    // No match: the list closes and none opens; then the edit notices come again.
    f.ClearCodes();
    Type("x");
    EXPECT_EQ(c.DropWnd(), nullptr);
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_EDITUPDATE,
                                            CBN_EDITCHANGE}));
    // Back to a match, then emptied: the list closes without an update notice.
    Key(VK_BACK);
    Key(VK_BACK);
    Key(VK_BACK);
    EXPECT_EQ(f.Rows(), std::vector<std::string>({"apple", "apricot"}));
    f.ClearCodes();
    Key(VK_BACK);
    EXPECT_STREQ(f.Text(), _T(""));
    EXPECT_EQ(c.DropWnd(), nullptr);
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_EDITCHANGE}));
    f.ClearCodes();
    Type("b");
    EXPECT_EQ(f.Rows(), std::vector<std::string>({"banana"}));
    // Escape closes the filtered list.
    f.ClearCodes();
    Key(VK_ESCAPE);
    EXPECT_EQ(c.DropWnd(), nullptr);
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

// Each key shows its matches in the frame already open; the host hears the same close and
// open as for a new one, and a host that opens or ends the list while it hears the close gets
// one list, or none.
TEST(ComboTyping, FilteredListShowsEachKeysMatchesInTheFrameOpen)
{
    TypingFixture f(VXCB_FILTEREDLIST, {});
    ProbeCombo& c = f.Combo();
    c.AddString(_T("apple"), _T("apple.png"));
    c.AddString(_T("apricot"));
    c.AddString(_T("avocado"));
    Type("a");
    const HWND hFrame = c.FrameHwnd();
    ASSERT_TRUE(hFrame != NULL);
    CRect rcThree;
    ::GetWindowRect(hFrame, &rcThree);
    Type("pr");
    EXPECT_EQ(c.FrameHwnd(), hFrame);
    EXPECT_EQ(::GetCapture(), hFrame);            // which a click outside it needs to close it
    EXPECT_EQ(f.Rows(), std::vector<std::string>({"apricot"}));
    // Apple's image went with its row; the frame fits the one row left.
    const char* pszImage = vxGetDrawItemValue(c.ListHwnd(), 0, "image.default");
    EXPECT_TRUE(pszImage == NULL || *pszImage == 0) << pszImage;
    CRect rcOne;
    ::GetWindowRect(hFrame, &rcOne);
    EXPECT_EQ(rcOne.TopLeft(), rcThree.TopLeft());
    EXPECT_EQ(rcThree.Height() - rcOne.Height(), 2 * c.GetItemHeight(0));
    // The refilled frame has the mouse again: a click on its row chooses it.
    f.MoveTo(RowPoint(c.ListHwnd(), 0));
    f.ClearCodes();
    f.ClickAt(RowPoint(c.ListHwnd(), 0));
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_STREQ(f.Text(), _T("apricot"));

    // From a fresh "a", the key typed with the host acting once on the first close it hears:
    // the notifications, the rows then open, and one frame with its list, gone after Escape.
    const int nWindows = vxtest::GuiCounts::Now().windows;
    auto typeWithHostOnClose = [&](const char* key, const std::function<void()>& act) {
        c.SetEditSel(0, -1);
        Type("a");
        bool bActed = false;
        f.Host().SetHandler([&](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
            if (message == WM_COMMAND && HIWORD(wParam) == CBN_CLOSEUP && !bActed) {
                bActed = true;
                act();
            }
            return false;
        });
        f.ClearCodes();
        Type(key);
        f.Host().SetHandler(nullptr);
        EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_DROPDOWN}));
        const std::vector<std::string> rows = f.Rows();
        EXPECT_EQ(vxtest::GuiCounts::Now().windows, nWindows + 2);
        Key(VK_ESCAPE);
        EXPECT_EQ(vxtest::GuiCounts::Now().windows, nWindows);
        return rows;
    };
    // A host opening the full list from the close: that list stays, the only one open.
    EXPECT_EQ(typeWithHostOnClose("p", [&] { c.ShowDropDown(TRUE); EXPECT_TRUE(c.GetDroppedState()); }),
              std::vector<std::string>({"apple", "apricot", "avocado"}));
    // A host closing the list from the close hears no second close, and the key's list opens.
    EXPECT_EQ(typeWithHostOnClose("v", [&] { c.SendMessage(WM_COMBO_DESTROYDROPDOWN); }),
              std::vector<std::string>({"avocado"}));
}

// The rows of each key start unhighlighted, like a new frame's: a match that is disabled
// gives the highlight to the next enabled row, whatever the last key's rows had highlighted.
TEST(ComboTyping, EachKeysRowsHighlightTheirOwnMatch)
{
    TypingFixture f(VXCB_FILTEREDLIST, {"a", "ab", "abc", "abd"});
    ProbeCombo& c = f.Combo();
    c.DisableItem(1);
    Type("a");
    ASSERT_TRUE(c.ListHwnd() != NULL);
    EXPECT_EQ(CurRow(c.ListHwnd()), 0);
    Key(VK_DOWN);                                 // past the disabled "ab" to "abc"
    EXPECT_EQ(CurRow(c.ListHwnd()), 2);
    Type("b");                                    // "ab": rows ab, abc, abd
    EXPECT_EQ(f.Rows(), std::vector<std::string>({"ab", "abc", "abd"}));
    EXPECT_EQ(CurRow(c.ListHwnd()), 1);
    Key(VK_ESCAPE);
}

TEST(ComboTyping, ChoosingFromTheFilteredList)
{
    TypingFixture f(VXCB_FILTEREDLIST, {"banana", "apple", "apricot"});
    ProbeCombo& c = f.Combo();
    // The first paint with a selection fills the edit once; done before the typing.
    c.SetCurSel(0);
    ::UpdateWindow(f.Hwnd());
    c.SetText(_T(""));
    f.ClearCodes();
    Type("ap");
    ASSERT_TRUE(c.ListHwnd() != NULL);
    f.MoveTo(RowPoint(c.ListHwnd(), 1));
    f.ClearCodes();
    f.ClickAt(RowPoint(c.ListHwnd(), 1));
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_STREQ(f.Text(), _T("apricot"));
    // The index counts in the full list.
    EXPECT_EQ(c.CurSelIndex(), 2);
    EXPECT_EQ(c.GetCurSel(), 2);
    // The choice written into the edit opened no new filtered list.
    PumpTranslatedFor(50);
    EXPECT_EQ(c.DropWnd(), nullptr);

    // Enter on the filtered list chooses its selected row; Down first selects row 0.
    f.Combo().SetEditSel(0, -1);
    Type("ba");
    ASSERT_TRUE(c.ListHwnd() != NULL);
    Key(VK_DOWN);
    f.ClearCodes();
    Key(VK_RETURN);
    ASSERT_TRUE(WaitClosed(c));
    EXPECT_STREQ(f.Text(), _T("banana"));
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
}

TEST(ComboTyping, BothAidsCompleteThenFilterOnTheTypedText)
{
    TypingFixture f(VXCB_AUTOCOMPLETE | VXCB_FILTEREDLIST, {"apple", "apricot", "banana"});
    Type("a");
    EXPECT_STREQ(f.Text(), _T("apple"));
    EXPECT_EQ(f.Rows(), std::vector<std::string>({"apple", "apricot"}));
    // The nested update of the completion is told (no list yet), then the list opens.
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_DROPDOWN}));
    Key(VK_ESCAPE);
}

TEST(ComboTyping, ProgramTextsRunNoTypingAid)
{
    TypingFixture f(VXCB_AUTOCOMPLETE | VXCB_FILTEREDLIST, {"apple", "apricot"});
    ProbeCombo& c = f.Combo();
    // With the focus in the edit and elsewhere alike.
    c.SetText(_T("a"));
    EXPECT_STREQ(f.Text(), _T("a"));
    EXPECT_EQ(c.DropWnd(), nullptr);
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_EDITUPDATE, CBN_EDITCHANGE}));
    f.FocusAway();
    f.ClearCodes();
    c.SetText(_T("ap"));
    EXPECT_STREQ(f.Text(), _T("ap"));
    EXPECT_EQ(c.DropWnd(), nullptr);
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_EDITUPDATE, CBN_EDITCHANGE}));
    CString text;
    c.GetText(text);
    EXPECT_STREQ(text, _T("ap"));
    TCHAR buffer[8] = {};
    EXPECT_EQ(c.GetText(buffer), 2);
    EXPECT_STREQ(buffer, _T("ap"));
    EXPECT_EQ(c.GetText(static_cast<LPTSTR>(NULL)), -1);
    // Keys moving the selection with the list closed write the edit quietly too.
    ::SetFocus(c.Edit()->GetSafeHwnd());
    PumpTranslated();
    c.SetCurSel(0);
    Key(VK_DOWN);
    EXPECT_STREQ(f.Text(), _T("apricot"));
    EXPECT_EQ(c.DropWnd(), nullptr);
}

TEST(ComboTyping, FocusNoticesOfTheEdit)
{
    TypingFixture f(0, {"apple"});
    ProbeCombo& c = f.Combo();
    f.FocusAway();
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_KILLFOCUS}));
    f.ClearCodes();
    // A click on the button gives the focus (one CBN_SETFOCUS) and opens the list.
    f.ClickButton();
    ASSERT_TRUE(PumpTranslatedUntil([&] { return c.DropWnd() != NULL; }));
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SETFOCUS, CBN_DROPDOWN}));
    // The button again: the edit keeps the focus, no second CBN_SETFOCUS.
    f.ClearCodes();
    f.ClickButton();
    ASSERT_TRUE(WaitClosed(c));
    PumpTranslatedFor(30);
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_CLOSEUP}));
    EXPECT_EQ(::GetFocus(), c.Edit()->GetSafeHwnd());
    // With the list open, the focus leaving the edit closes the list first, releases the
    // capture and tells the loss; the next focus gain is news again.
    c.ShowDropDown(TRUE);
    ASSERT_TRUE(c.DropWnd() != NULL);
    f.ClearCodes();
    f.FocusAway();
    EXPECT_EQ(c.DropWnd(), nullptr);
    EXPECT_EQ(::GetCapture(), static_cast<HWND>(NULL));
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
    f.ClearCodes();
    vxtest::Click(vxtest::CentreOf(c.Edit()->GetSafeHwnd()));
    PumpTranslatedFor(30);
    EXPECT_EQ(f.Codes(), std::vector<UINT>({CBN_SETFOCUS}));
}

// Text that an input method composes, set the way an input method sets it.
void Compose(HWND hEdit, const TCHAR* pszText)
{
    HIMC hImc = ::ImmGetContext(hEdit);
    ASSERT_NE(hImc, nullptr);
    ::ImmSetCompositionString(hImc, SCS_SETSTR, const_cast<TCHAR*>(pszText),
                              static_cast<DWORD>(lstrlen(pszText) * sizeof(TCHAR)), NULL, 0);
    ::ImmReleaseContext(hEdit, hImc);
    PumpTranslatedFor(50);
}

void CommitComposition(HWND hEdit)
{
    HIMC hImc = ::ImmGetContext(hEdit);
    ASSERT_NE(hImc, nullptr);
    ::ImmNotifyIME(hImc, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    ::ImmReleaseContext(hEdit, hImc);
    PumpTranslated();
}

// Through an input method the steps of a composition are not typed text: completion and the
// filtered list act once, on the text it commits.
TEST(ComboTyping, InputMethodCompositionIsTypedWhenCommitted)
{
    for (const DWORD dwOption : {VXCB_AUTOCOMPLETE, VXCB_FILTEREDLIST}) {
        TypingFixture f(dwOption, {"apple", "banana", "blueberry"});
        HWND hEdit = f.Combo().Edit()->GetSafeHwnd();
        // Wine's narrow input method functions take each string one call late, its wide
        // ones at once: the edit shows "b" or "bl", but never a completion.
        Compose(hEdit, _T("b"));
        Compose(hEdit, _T("bl"));
        const CString composed = f.Text();
        EXPECT_TRUE(composed == _T("b") || composed == _T("bl")) << vxtest::Narrow(composed) << dwOption;
        EXPECT_EQ(f.Combo().DropWnd(), nullptr) << dwOption;
        CommitComposition(hEdit);
        const bool bOne = composed == _T("b");
        if (dwOption == VXCB_AUTOCOMPLETE) {
            EXPECT_STREQ(f.Text(), bOne ? _T("banana") : _T("blueberry"));
        } else {
            ASSERT_TRUE(PumpTranslatedUntil([&] { return f.Combo().ListHwnd() != NULL; }));
            EXPECT_EQ(f.Rows(), bOne ? std::vector<std::string>({"banana", "blueberry"})
                                     : std::vector<std::string>({"blueberry"}));
        }
    }
}

// The drop-list style takes no input method, as the system's does; the edit of the drop-down
// style keeps its own.
TEST(ComboTyping, DropListStyleHasNoInputMethod)
{
    ComboFixture list(CBS_DROPDOWNLIST);
    EXPECT_EQ(::ImmGetContext(list.Hwnd()), static_cast<HIMC>(NULL));
    ComboFixture drop(CBS_DROPDOWN);
    HIMC hImc = ::ImmGetContext(drop.Combo().Edit()->GetSafeHwnd());
    EXPECT_NE(hImc, static_cast<HIMC>(NULL));
    ::ImmReleaseContext(drop.Combo().Edit()->GetSafeHwnd(), hImc);
}

// A stand-in for an input method's candidate window: its class is an input method's.
int g_nCandidateClicks = 0;

LRESULT CALLBACK CandidateProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN)
        ++g_nCandidateClicks;
    if (message == WM_MOUSEACTIVATE)
        return MA_NOACTIVATE;
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

// Picking a candidate of the input method while the filtered list is open: the click is the
// input method's, and the list stays open for the text it commits.
TEST(ComboTyping, FilteredListLeavesClicksOnCandidatesToTheInputMethod)
{
    TypingFixture f(VXCB_FILTEREDLIST, {"apple", "banana"});
    vxtest::RegisterTestClass("TestCandidates", CandidateProc, NULL, CS_IME);
    const POINT at = vxtest::ScreenPoint(f.Host().Hwnd(), 500, 200);
    HWND hCandidates = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "TestCandidates", "",
                                         WS_POPUP, at.x, at.y, 120, 80, NULL, NULL,
                                         ::GetModuleHandleA(NULL), NULL);
    Type("a");
    ASSERT_TRUE(PumpTranslatedUntil([&] { return f.Combo().ListHwnd() != NULL; }));
    ::SetWindowPos(hCandidates, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    PumpTranslated();
    ASSERT_NE(f.Combo().ListHwnd(), static_cast<HWND>(NULL));
    g_nCandidateClicks = 0;
    vxtest::Click(vxtest::CentreOf(hCandidates));
    PumpTranslatedFor(50);
    EXPECT_EQ(g_nCandidateClicks, 1);
    EXPECT_NE(f.Combo().ListHwnd(), static_cast<HWND>(NULL));
    EXPECT_EQ(::GetFocus(), f.Combo().Edit()->GetSafeHwnd());
    // Elsewhere a click still closes the list.
    vxtest::Click(vxtest::ScreenPoint(f.Host().Hwnd(), 700, 400));
    EXPECT_TRUE(WaitClosed(f.Combo()));
    ::DestroyWindow(hCandidates);
}

} // namespace
