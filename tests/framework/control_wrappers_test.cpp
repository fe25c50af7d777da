// The framework's control classes on the system's own controls: the wrappers that do more than
// pass one message answer as MFC's do, and refuse a missing buffer.
#include <gtest/gtest.h>

#include <afxwin.h>

#include "vxtest.h"

namespace {

TEST(FrameworkControls, EditListAndComboWrappersReadWholeTextsAndRefuseMissingBuffers)
{
    vxtest::HostWindow host;
    CWnd* pHost = CWnd::FromHandle(host.Hwnd());

    // A selection packed in one value, read back into two.
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(10, 10, 110, 34), pHost, 1));
    edit.SetWindowText(CString(_T('w'), 200));
    edit.SetSel(static_cast<DWORD>(MAKELONG(190, 195)), FALSE);
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 190);
    EXPECT_EQ(nEnd, 195);

    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, CRect(10, 40, 110, 140), pHost, 2));
    list.AddString(_T("first"));
    list.AddString(CString(_T('x'), 300));
    CString text(_T("old"));
    list.GetText(1, text);
    EXPECT_EQ(text.GetLength(), 300);
    list.GetText(2, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(list.GetText(0, static_cast<LPTSTR>(NULL)), LB_ERR);
    EXPECT_EQ(list.GetItemRect(0, NULL), LB_ERR);
    CRect rcRow;
    ASSERT_NE(list.GetItemRect(1, &rcRow), LB_ERR);
    BOOL bOutside = TRUE;
    EXPECT_EQ(list.ItemFromPoint(rcRow.CenterPoint(), bOutside), 1u);
    EXPECT_FALSE(bOutside);
    list.ItemFromPoint(CPoint(5, 95), bOutside);
    EXPECT_TRUE(bOutside);

    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(120, 10, 220, 200), pHost, 3));
    combo.AddString(CString(_T('y'), 280));
    combo.GetLBText(0, text);
    EXPECT_EQ(text.GetLength(), 280);
    combo.GetLBText(1, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(combo.GetLBText(0, static_cast<LPTSTR>(NULL)), CB_ERR);
    for (CWnd* pWnd : {static_cast<CWnd*>(&edit), static_cast<CWnd*>(&list), static_cast<CWnd*>(&combo)})
        pWnd->DestroyWindow();
}

} // namespace
