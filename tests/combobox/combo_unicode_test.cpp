// The combo in the build's character set: its window class, and in a Unicode build texts
// outside the ANSI code page: searches, completion as the user types (characters typed as
// Unicode key strokes, surrogate pairs among them) and data exchange. An ANSI build cannot
// hold these texts; those cases are skipped there.
#include "combo_test_util.h"

#include <gtest/gtest.h>

using namespace combotest;

namespace {

const wchar_t kOmega[] = L"\x03A9mega";                  // Ωmega
const wchar_t kNihongo[] = L"\x65E5\x672C\x8A9E";        // 日本語
const wchar_t kGrin[] = L"\xD83D\xDE00 smile";           // 😀 smile, a surrogate pair first

bool IsUnicodeBuild() { return sizeof(TCHAR) == sizeof(wchar_t); }

// The UTF-16 units as key strokes of their own (KEYEVENTF_UNICODE), as an input method or a
// keyboard of that script sends them, then pumped with pre-translation.
void TypeUnits(const wchar_t* text)
{
    for (const wchar_t* p = text; *p != L'\0'; ++p) {
        INPUT input[2] = {};
        for (INPUT& in : input) {
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = *p;
            in.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof(INPUT));
        PumpTranslatedFor(20);
    }
}

// The UTF-16 units of a text in hex, for failure messages that show what a text holds.
std::string Units(const CString& text)
{
    std::string out;
    char unit[8];
    for (int i = 0; i < text.GetLength(); ++i) {
        wsprintfA(unit, "%04X ", static_cast<unsigned>(static_cast<WORD>(text[i])));
        out += unit;
    }
    return out;
}

// The texts as the build holds them (only a Unicode build runs the cases that use them).
CString Text(const wchar_t* text) { return CString(text); }
inline CString Text(const char* text) { return CString(text); }

struct UnicodeCombo : ComboFixture {
    explicit UnicodeCombo(DWORD dwOptions) : ComboFixture(CBS_DROPDOWN)
    {
        Combo().ModifyCBStyle(0, dwOptions);
        for (const wchar_t* text : {kOmega, kNihongo, kGrin})
            Combo().AddString(Text(text));
        ::SetFocus(Combo().Edit()->GetSafeHwnd());
        PumpTranslated();
    }
};

TEST(ComboUnicode, TheWindowClassIsOfTheBuildsCharacterSet)
{
    // A dialog template names the class; the dialog manager makes it a window of the class's
    // character set, and so does the combo's own Create.
    ComboFixture f(CBS_DROPDOWN);
    EXPECT_EQ(::IsWindowUnicode(f.Hwnd()) != FALSE, IsUnicodeBuild());
    EXPECT_EQ(::IsWindowUnicode(f.Combo().Edit()->GetSafeHwnd()) != FALSE, IsUnicodeBuild());
    DialogTemplate tpl(CBS_DROPDOWNLIST);
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
    HWND hItem = ::GetDlgItem(dlg.GetSafeHwnd(), kDialogComboId);
    ASSERT_NE(hItem, static_cast<HWND>(NULL));
    EXPECT_EQ(::IsWindowUnicode(hItem) != FALSE, IsUnicodeBuild());
    dlg.DestroyWindow();
}

TEST(ComboUnicode, SearchesFoldTheCaseOfLettersOutsideTheAnsiCodePage)
{
    if (!IsUnicodeBuild())
        GTEST_SKIP() << "an ANSI build holds no text outside its code page";
    UnicodeCombo f(0);
    ProbeCombo& c = f.Combo();
    EXPECT_EQ(c.FindString(-1, Text(L"\x03C9MEG")), 0);          // ωMEG: the case is folded
    EXPECT_EQ(c.FindStringExact(-1, Text(L"\x03C9mega")), -1);   // exact: it is not
    EXPECT_EQ(c.FindStringExact(-1, Text(kNihongo)), 1);
    EXPECT_EQ(c.FindString(-1, Text(L"\xD83D\xDE00")), 2);
    EXPECT_EQ(c.FindString(-1, Text(L"\xD83D\xDE01")), -1);      // another emoji, same lead unit
    TCHAR buffer[16] = {};
    EXPECT_EQ(c.GetLBTextLen(2), 9);                              // UTF-16 units and the zero
    EXPECT_EQ(c.GetLBText(2, buffer), 9);
    EXPECT_TRUE(Text(buffer) == Text(kGrin)) << Units(buffer);
}

TEST(ComboUnicode, CompletionSelectsWholeCharactersAsTyped)
{
    if (!IsUnicodeBuild())
        GTEST_SKIP() << "an ANSI build holds no text outside its code page";
    struct Case {
        const wchar_t* typed;
        const wchar_t* completed;
        int selStart;                    // the completed tail, to the end
    } cases[] = {
        {L"\x65E5", kNihongo, 1},
        {L"\x03A9", kOmega, 1},
        {L"\xD83D\xDE00", kGrin, 2},     // the pair typed unit by unit stays one character
    };
    for (const Case& test : cases) {
        UnicodeCombo f(VXCB_AUTOCOMPLETE);
        TypeUnits(test.typed);
        CString text;
        f.Combo().Edit()->GetWindowText(text);
        EXPECT_TRUE(text == Text(test.completed)) << Units(text);
        const DWORD sel = f.Combo().GetEditSel();
        EXPECT_EQ(static_cast<int>(LOWORD(sel)), test.selStart);
        EXPECT_EQ(static_cast<int>(HIWORD(sel)), text.GetLength());
    }
}

class WideDialog : public CDialog
{
public:
    vxCtrlComboBox m_combo;
    CString m_strText;

    virtual BOOL OnInitDialog()
    {
        m_combo.SubclassDlgItem(kDialogComboId, this);
        for (const wchar_t* text : {kOmega, kNihongo})
            m_combo.AddString(Text(text));
        return CDialog::OnInitDialog();
    }

protected:
    virtual void DoDataExchange(CDataExchange* pDX) { DDX_ACBString(pDX, kDialogComboId, m_strText); }
};

TEST(ComboUnicode, DataExchangeCarriesWideTexts)
{
    if (!IsUnicodeBuild())
        GTEST_SKIP() << "an ANSI build holds no text outside its code page";
    DialogTemplate tpl(CBS_DROPDOWN);
    WideDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
    PumpTranslated();
    dlg.m_strText = Text(kNihongo);
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    CString shown;
    dlg.m_combo.GetText(shown);
    EXPECT_TRUE(shown == Text(kNihongo)) << Units(shown);
    // What the user typed comes back whole.
    HWND hEdit = ::GetDlgItem(dlg.m_combo.GetSafeHwnd(), VXCB_EDIT_ID);
    ::SetFocus(hEdit);
    ::SendMessage(hEdit, EM_SETSEL, 0, -1);
    TypeUnits(L"\xD83D\xDE00\x03A9");
    dlg.m_strText.Empty();
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_TRUE(dlg.m_strText == Text(L"\xD83D\xDE00\x03A9")) << Units(dlg.m_strText);
    dlg.DestroyWindow();
}

} // namespace
