// With UTF-8 as the ANSI code page: the combo's searches, completion and filtered list, and
// the tooltip's wrapping keep characters whole (accented letters, CJK, emoji).
#include "combo_test_util.h"

#include "rvToolTip.h"
#include "vxAnsiText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

using namespace combotest;

namespace {

const char kEclair[] = "\xC3\x89" "clair";                       // Éclair
const char kEcole[] = "\xC3\xA9" "cole";                         // école
const char kNihongo[] = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";  // 日本語
const char kNichiyobi[] = "\xE6\x97\xA5\xE6\x9B\x9C\xE6\x97\xA5"; // 日曜日
const char kGrin[] = "\xF0\x9F\x98\x80 smile";                    // 😀 smile

// Characters typed into the focused edit, one at a time, replacing its selection. Wine turns
// a typed character of more than one UTF-8 byte into "?" on its way to an ANSI window (its
// WM_CHAR holds at most two bytes), so each goes in as the edit's own handling of the key
// puts it in.
void TypeCharacters(std::initializer_list<const char*> characters)
{
    for (const char* character : characters) {
        ::SendMessageA(::GetFocus(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(character));
        PumpTranslated();
    }
}

std::string NarrowEditText(ProbeCombo& combo)
{
    return vxtest::WindowTextOf(combo.Edit()->GetSafeHwnd());
}

struct Utf8Combo : ComboFixture {
    explicit Utf8Combo(DWORD dwOptions) : ComboFixture(CBS_DROPDOWN)
    {
        Combo().ModifyCBStyle(0, dwOptions);
        for (const char* text : {kEclair, kEcole, kNihongo, kNichiyobi, kGrin})
            Combo().AddString(CString(text));
        ::SetFocus(Combo().Edit()->GetSafeHwnd());
        PumpTranslated();
    }
};

TEST(Utf8Text, TheProgramRunsWithUtf8AsItsAnsiCodePage)
{
    ASSERT_EQ(::GetACP(), static_cast<UINT>(CP_UTF8));
    EXPECT_EQ(vxAnsiCodePage(), static_cast<UINT>(CP_UTF8));
}

TEST(Utf8Text, SearchesFoldTheCaseOfWholeCharacters)
{
    Utf8Combo f(0);
    ProbeCombo& c = f.Combo();
    // É and é are one letter in two cases; the prefix search ignores case, the exact one not.
    EXPECT_EQ(c.FindString(-1, CString("\xC3\xA9" "c")), 0);
    EXPECT_EQ(c.FindString(1, CString("\xC3\x89" "COLE")), 1);
    EXPECT_EQ(c.FindStringExact(-1, CString("\xC3\xA9" "clair")), -1);
    EXPECT_EQ(c.FindStringExact(-1, CString(kEcole)), 1);
    // CJK and emoji prefixes, whole characters only.
    EXPECT_EQ(c.FindString(-1, CString("\xE6\x97\xA5")), 2);
    EXPECT_EQ(c.FindString(3, CString("\xE6\x97\xA5")), 3);
    EXPECT_EQ(c.FindString(-1, CString("\xE6\x97\xA5\xE6\x9B\x9C")), 3);
    EXPECT_EQ(c.FindString(-1, CString("\xF0\x9F\x98\x80")), 4);
    EXPECT_EQ(c.FindString(-1, CString("\xF0\x9F\x98\x81")), -1);
    // Through the window's messages, as a host sends them.
    EXPECT_EQ(::SendMessageA(f.Hwnd(), CB_FINDSTRING, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>("\xC3\x89" "C")), 0);
    EXPECT_EQ(::SendMessageA(f.Hwnd(), CB_GETLBTEXTLEN, 2, 0), 10);
}

TEST(Utf8Text, CompletionSelectsTheCompletedCharacters)
{
    // The completed tail is what is selected: Delete takes exactly it away.
    struct Case {
        std::initializer_list<const char*> typed;
        const char* completed;
        const char* afterDelete;
    } cases[] = {
        {{"\xC3\xA9", "c"}, kEcole, "\xC3\xA9" "c"},
        {{"\xE6\x97\xA5", "\xE6\x9B\x9C"}, kNichiyobi, "\xE6\x97\xA5\xE6\x9B\x9C"},
        {{"\xF0\x9F\x98\x80"}, kGrin, "\xF0\x9F\x98\x80"},
    };
    for (const Case& test : cases) {
        Utf8Combo f(VXCB_AUTOCOMPLETE);
        TypeCharacters(test.typed);
        EXPECT_EQ(NarrowEditText(f.Combo()), test.completed);
        Key(VK_DELETE);
        EXPECT_EQ(NarrowEditText(f.Combo()), test.afterDelete);
    }

    // Choosing an item puts the caret after its last character.
    Utf8Combo f(0);
    ProbeCombo& c = f.Combo();
    c.SetCurSel(4);
    const DWORD sel = static_cast<DWORD>(::SendMessageA(c.Edit()->GetSafeHwnd(), EM_GETSEL, 0, 0));
    const int end = static_cast<int>(::SendMessageA(c.Edit()->GetSafeHwnd(), EM_LINELENGTH, 0, 0));
    EXPECT_EQ(LOWORD(sel), end);
    EXPECT_EQ(HIWORD(sel), end);
}

TEST(Utf8Text, FilteredListShowsTheItemsBeginningWithTheTypedCharacters)
{
    Utf8Combo f(VXCB_FILTEREDLIST);
    ProbeCombo& c = f.Combo();
    TypeCharacters({"\xE6\x97\xA5"});
    ASSERT_TRUE(PumpTranslatedUntil([&] { return c.ListHwnd() != NULL; }));
    EXPECT_EQ(::SendMessageA(c.ListHwnd(), LB_GETCOUNT, 0, 0), 2);
    TypeCharacters({"\xE6\x9C\xAC"});
    ASSERT_TRUE(PumpTranslatedUntil([&] { return c.ListHwnd() != NULL; }));
    EXPECT_EQ(::SendMessageA(c.ListHwnd(), LB_GETCOUNT, 0, 0), 1);
    Key(VK_ESCAPE);
    WaitClosed(c);
}

// A buffer too short for the drop-list combo's text gets whole characters only.
TEST(Utf8Text, ShortBufferGetsWholeCharacters)
{
    ComboFixture f(CBS_DROPDOWNLIST);
    f.Combo().AddString(CString(kGrin));
    f.Combo().SetCurSel(0);
    const int nCharUnits = static_cast<int>(CString(kGrin).GetLength()) - 6; // the emoji alone
    for (int nRoom = 0; nRoom <= nCharUnits + 1; ++nRoom) {
        TCHAR buffer[16];
        std::fill(std::begin(buffer), std::end(buffer), _T('#'));
        const LRESULT nCopied = f.Combo().SendMessage(WM_GETTEXT, nRoom + 1, reinterpret_cast<LPARAM>(buffer));
        EXPECT_EQ(nCopied, nRoom < nCharUnits ? 0 : nRoom == nCharUnits ? nCharUnits : nCharUnits + 1) << nRoom;
        EXPECT_EQ(buffer[nCopied], _T('\0')) << nRoom;
    }
}

TEST(Utf8Text, TooltipLinesNeverSplitACharacter)
{
    vxtest::HostWindow host;
    rvToolTip tip;
    ASSERT_TRUE(tip.Create(CWnd::FromHandle(host.Hwnd())));
    CClientDC dc(&tip);
    // With no room every character stands on a line of its own: five, not fifteen bytes'
    // worth, and the emoji's four bytes are one line.
    const CString cjk("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(tip.WrapTextLines(&dc, cjk, CRect(0, 0, 0, 0), TRUE, 18), 5);
    EXPECT_EQ(tip.WrapTextLines(&dc, CString("a\xF0\x9F\x98\x80" "b"), CRect(0, 0, 0, 0), TRUE, 18), 3);
}

} // namespace
