// The framework's wrappers of controls, windows and GDI objects that do more than pass one call
// on: they answer as MFC's do, refuse what is missing, and throw where MFC's constructors throw.
#include <gtest/gtest.h>

#include <afxwin.h>

#include "fault_injection.h"
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

TEST(FrameworkWrappers, WindowAndGdiCallsRefuseWhatIsMissingAndReadWhole)
{
    vxtest::HostWindow host;
    CWnd* pHost = CWnd::FromHandle(host.Hwnd());
    CStatic text;
    ASSERT_TRUE(text.Create(_T("start"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), pHost, 1));
    text.SetWindowText(NULL);
    EXPECT_EQ(text.GetWindowTextLength(), 0);
    text.SetWindowText(CString(_T('t'), 400));
    CString read;
    text.GetWindowText(read);
    EXPECT_EQ(read.GetLength(), 400);

    // An owner set and taken away again.
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
    popup.SetOwner(pHost);
    EXPECT_EQ(::GetWindow(popup.m_hWnd, GW_OWNER), host.Hwnd());
    popup.SetOwner(NULL);
    EXPECT_EQ(::GetWindow(popup.m_hWnd, GW_OWNER), static_cast<HWND>(NULL));

    // A scroll range read into one bound alone, and the last position a page allows.
    ::ShowScrollBar(host.Hwnd(), SB_VERT, TRUE);
    SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE, 10, 110, 21, 0, 0};
    EXPECT_TRUE(pHost->SetScrollInfo(SB_VERT, &si));
    int nMax = 0;
    pHost->GetScrollRange(SB_VERT, NULL, &nMax);
    EXPECT_EQ(nMax, 110);
    int nMin = 0;
    pHost->GetScrollRange(SB_VERT, &nMin, NULL);
    EXPECT_EQ(nMin, 10);
    EXPECT_EQ(pHost->GetScrollLimit(SB_VERT), 90);
    EXPECT_EQ(text.GetScrollLimit(SB_VERT), 0);    // no bar of its own

    // A device context takes one handle; a missing rectangle or region draws nothing.
    CDC dc;
    EXPECT_FALSE(dc.Attach(NULL));
    HDC hdc = ::GetDC(host.Hwnd());
    EXPECT_TRUE(dc.Attach(hdc));
    EXPECT_FALSE(dc.Attach(hdc));
    EXPECT_EQ(dc.IntersectClipRect(static_cast<LPCRECT>(NULL)), ERROR);
    EXPECT_FALSE(dc.PaintRgn(NULL));
    CRgn region, copy, empty;
    region.CreateRectRgn(100, 100, 104, 104);
    dc.SelectStockObject(BLACK_BRUSH);
    EXPECT_TRUE(dc.PaintRgn(&region));
    EXPECT_EQ(vxtest::PixelAt(host.Hwnd(), 101, 101), RGB(0, 0, 0));
    copy.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(copy.CopyRgn(&region), SIMPLEREGION);
    EXPECT_EQ(region.CopyRgn(&empty), ERROR);
    EXPECT_EQ(empty.CopyRgn(&region), ERROR);
    ::ReleaseDC(host.Hwnd(), dc.Detach());

    // A pen that cannot be made throws from its constructor, as MFC's does.
    bool thrown = false;
    {
        vxtest::FaultInjector injector;
        injector.FailNextOf(vxtest::Request::Gdi);
        try {
            CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
        } catch (CResourceException* e) {
            thrown = true;
            e->Delete();
        }
    }
    EXPECT_TRUE(thrown);
    popup.DestroyWindow();
    text.DestroyWindow();
}

} // namespace
