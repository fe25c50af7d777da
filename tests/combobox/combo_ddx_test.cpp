// Dialog data exchange through a real dialog: UpdateData both ways with the text and the
// index, texts typed by the user, and a dialog item that is not one of our combos.
#include "combo_test_util.h"

#include <gtest/gtest.h>

using namespace combotest;

namespace {

class ComboDialog : public CDialog
{
public:
    vxCtrlComboBox m_combo;
    CString m_strText;
    int m_nIndex = -1;
    bool m_bIndex = true;            // exchange the index after the text

    virtual BOOL OnInitDialog()
    {
        m_combo.SubclassDlgItem(kDialogComboId, this);
        for (LPCTSTR text : {_T("alpha"), _T("gamma"), _T("beta"), _T("gamma")})
            m_combo.AddString(text);
        return CDialog::OnInitDialog();
    }

protected:
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        DDX_ACBString(pDX, kDialogComboId, m_strText);
        if (m_bIndex)
            DDX_ACBIndex(pDX, kDialogComboId, m_nIndex);
    }
};

TEST(ComboDataExchange, TextAndIndexBothWays)
{
    DialogTemplate tpl(CBS_DROPDOWN);
    ComboDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
    PumpTranslated();
    ASSERT_NE(::GetDlgItem(dlg.m_combo.GetSafeHwnd(), VXCB_EDIT_ID), static_cast<HWND>(NULL));

    // Loading: the text, then the index, which shows its item.
    dlg.m_bIndex = false;
    dlg.m_strText = "beta";
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_STREQ(EditText(dlg.m_combo), _T("beta"));
    dlg.m_bIndex = true;
    dlg.m_nIndex = 3;
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_STREQ(EditText(dlg.m_combo), _T("gamma"));

    // Saving what the user typed: the text, and the first item with that text.
    HWND hEdit = ::GetDlgItem(dlg.m_combo.GetSafeHwnd(), VXCB_EDIT_ID);
    ::SetFocus(hEdit);
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    Type("gamma");
    dlg.m_strText.Empty();
    dlg.m_nIndex = -5;
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ(dlg.m_strText, _T("gamma"));
    EXPECT_EQ(dlg.m_nIndex, 1);
    // A text no item has: index -1.
    ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
    Type("delta");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ(dlg.m_strText, _T("delta"));
    EXPECT_EQ(dlg.m_nIndex, -1);
    // Loading index -1 empties the field.
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_STREQ(EditText(dlg.m_combo), _T(""));
    dlg.DestroyWindow();
}

TEST(ComboDataExchange, DropListStyleUsesTheShownText)
{
    DialogTemplate tpl(CBS_DROPDOWNLIST);
    ComboDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
    dlg.m_nIndex = 2;
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.m_combo.GetCurSel(), 2);
    dlg.m_strText = "x";
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ(dlg.m_strText, _T("beta"));
    EXPECT_EQ(dlg.m_nIndex, 2);
    dlg.DestroyWindow();
}

// A dialog whose item is not subclassed by a combo object: nothing is exchanged, nothing
// breaks, the values stay.
class PlainDialog : public CDialog
{
public:
    CString m_strText = "kept";
    int m_nIndex = 7;

protected:
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        DDX_ACBString(pDX, kDialogComboId, m_strText);
        DDX_ACBIndex(pDX, kDialogComboId, m_nIndex);
    }
};

TEST(ComboDataExchange, ItemThatIsNoComboObjectIsLeftAlone)
{
    DialogTemplate tpl(CBS_DROPDOWN);
    PlainDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ(dlg.m_strText, _T("kept"));
    EXPECT_EQ(dlg.m_nIndex, 7);
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    dlg.DestroyWindow();
}

} // namespace
