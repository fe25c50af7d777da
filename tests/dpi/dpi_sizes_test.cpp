// The library's own sizes at the DPI of the display this DPI-aware program runs on: 96 in the
// ordinary run (the figures at 96 DPI, unchanged) and 144 in ./dev's second run (each of them
// times 1.5); sizes the host gives are kept at any DPI.
#include "vxCtrlComboBox.h"
#include "vxCtrlListView.h"
#include "vxCtrlSplitter.h"
#include "vxCtrlStackWnd.h"
#include "vxCtrlSysTips.h"
#include "sizer_rig.h"
#include "rvToolTip.h"
#include "vxDpi.h"
#include "splitter_windows.h"
#include "tips_test_util.h"
#include "vxtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

typedef UINT(WINAPI* DpiForWindowFn)(HWND);

class DpiSizes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const DpiForWindowFn pfn = reinterpret_cast<DpiForWindowFn>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
        ASSERT_NE(pfn, nullptr);
        dpi = static_cast<int>(pfn(host.Hwnd()));
        HDC screen = ::GetDC(NULL);
        const int system = ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(NULL, screen);
        ASSERT_EQ(dpi, system) << "the program is not DPI aware";
        // The 144-DPI run says which DPI it set up.
        if (const char* expected = std::getenv("VX_EXPECT_DPI")) {
            ASSERT_EQ(dpi, std::atoi(expected));
        }
    }
    // One of the library's own sizes, given for 96 DPI, at this display's DPI.
    int Scaled(int pixels) const { return ::MulDiv(pixels, dpi, 96); }
    CWnd* Host() { return CWnd::FromHandle(host.Hwnd()); }

    vxtest::HostWindow host;
    int dpi = 96;
};

TEST_F(DpiSizes, ComboRowsAndButtonStrip)
{
    vxCtrlComboBox combo;
    const int cy = Scaled(24);
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(20, 20, 220, 20 + cy), Host(), 100));
    vxtest::PumpMessages();
    for (int i = 0; i < 10; ++i)
        combo.AddString(_T("item"));
    // The edit stands between the margins, left of the drop button strip.
    HWND hEdit = ::GetDlgItem(combo.m_hWnd, VXCB_EDIT_ID);
    ASSERT_NE(hEdit, nullptr);
    const RECT edit = vxtest::PlaceIn(combo.m_hWnd, hEdit);
    EXPECT_EQ(edit.left, Scaled(2));
    EXPECT_EQ(edit.top, Scaled(2));
    EXPECT_EQ(edit.right, 200 - Scaled(26));
    // The drop list's rows, and the frame of ten of them.
    combo.ShowDropDown(TRUE);
    vxtest::PumpMessages();
    RECT frame = {};
    combo.GetDroppedControlRect(&frame);
    EXPECT_EQ(frame.bottom - frame.top, 10 * Scaled(26) + 4);
    // A DPI change of the open frame: its rows and place follow the combo's sizes again.
    const POINT inside = {(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
    HWND hList = ::WindowFromPoint(inside);
    ASSERT_NE(hList, nullptr);
    HWND hFrame = ::GetParent(hList);
    ::SendMessageA(hList, LB_SETITEMHEIGHT, 0, 5);
    ::SetWindowPos(hFrame, NULL, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(hFrame, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
    EXPECT_EQ(::SendMessageA(hList, LB_GETITEMHEIGHT, 0, 0), Scaled(26));
    RECT replaced = {};
    combo.GetDroppedControlRect(&replaced);
    EXPECT_TRUE(::EqualRect(&replaced, &frame));
    combo.ShowDropDown(FALSE);
    // The combo's own font: the engine's 8 points at this DPI, passed to the edit.
    HFONT hOwn = reinterpret_cast<HFONT>(combo.SendMessage(WM_GETFONT));
    LOGFONTA lf = {};
    ASSERT_NE(::GetObjectA(hOwn, sizeof(lf), &lf), 0);
    EXPECT_EQ(lf.lfHeight, -::MulDiv(8, dpi, 72));
    EXPECT_EQ(::SendMessageA(hEdit, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(hOwn));
    // A DPI change makes it again and hands it on; a host's font would be kept.
    combo.SendMessage(WM_DPICHANGED_AFTERPARENT);
    HFONT hRenewed = reinterpret_cast<HFONT>(combo.SendMessage(WM_GETFONT));
    EXPECT_NE(hRenewed, hOwn);
    EXPECT_EQ(::SendMessageA(hEdit, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(hRenewed));
    HFONT hHost = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    combo.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hHost), FALSE);
    combo.SendMessage(WM_DPICHANGED_AFTERPARENT);
    EXPECT_EQ(combo.SendMessage(WM_GETFONT), reinterpret_cast<LRESULT>(hHost));
    EXPECT_EQ(::SendMessageA(hEdit, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(hHost));

    // Sizes the host gives stay as given.
    combo.SetItemHeight(0, 30);
    RECT margins = {3, 3, 40, 3};
    combo.SetEditMargin(&margins);
    EXPECT_EQ(vxtest::PlaceIn(combo.m_hWnd, hEdit).right, 200 - 40);
    combo.ShowDropDown(TRUE);
    vxtest::PumpMessages();
    combo.GetDroppedControlRect(&frame);
    EXPECT_EQ(frame.bottom - frame.top, 10 * 30 + 4);
    combo.ShowDropDown(FALSE);
    combo.DestroyWindow();
}

TEST_F(DpiSizes, SplitterBarThickness)
{
    CStatic bar;
    bar.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 4, 300), Host(), 300);
    vxCtrlSplitter splitter;
    ASSERT_EQ(splitter.CreateSplitter(bar.m_hWnd, 1, 1, 1), 1);
    splitter.SetPaneSize(0, 200, 20);
    splitter.Layout(0, 0, 500, 300);
    RECT rc;
    splitter.GetSplitterRect(&rc);
    EXPECT_EQ(rc.left, 200);
    EXPECT_EQ(rc.right, 200 + Scaled(4));
    // A thickness the host sets stays as set.
    splitter.SetSplitterSize(10);
    splitter.Layout(0, 0, 501, 300);
    splitter.GetSplitterRect(&rc);
    EXPECT_EQ(rc.right - rc.left, 10);
}

TEST_F(DpiSizes, DropListOpensAboveNearTheBottom)
{
    // The combo's bottom 60 pixels above the work area's: ten scaled rows do not fit below.
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int cy = Scaled(24);
    POINT top = {0, work.bottom - 60 - cy};
    ::ScreenToClient(host.Hwnd(), &top);
    vxCtrlComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(20, top.y, 220, top.y + cy),
                             Host(), 100));
    for (int i = 0; i < 10; ++i)
        combo.AddString(_T("item"));
    combo.ShowDropDown(TRUE);
    vxtest::PumpMessages();
    RECT frame = {};
    combo.GetDroppedControlRect(&frame);
    EXPECT_EQ(frame.bottom, work.bottom - 60 - cy);
    EXPECT_EQ(frame.bottom - frame.top, 10 * Scaled(26) + 4);
    combo.ShowDropDown(FALSE);
    combo.DestroyWindow();
}

TEST_F(DpiSizes, SplitterDragStopsAScaledBarShortOfTheMinimum)
{
    int result = -1;
    splittest::DragRig rig(host.Hwnd(), &result);
    // Dragged far right: the bar stops where the second pane keeps its minimum of 30.
    const POINT press = vxtest::ScreenPoint(rig.bar, 1, 150);
    vxtest::MouseDrag(press, {press.x + 400, press.y});
    ASSERT_TRUE(vxtest::PumpUntil([&] { return result != -1; }));
    RECT rc;
    rig.splitter.GetPaneRect(0, &rc);
    EXPECT_EQ(rc.right, 400 - 30 - Scaled(4));
}

TEST_F(DpiSizes, SizerBarClipIsTheHostsSizes)
{
    SizerRig rig(Host());
    vxtest::PumpMessages();
    // Pressed 2 pixels into the bar: the cursor may move from the left item's minimum to the
    // right item's, as the host gave them, at any DPI.
    const POINT press = vxtest::ScreenPoint(rig.bar.m_hWnd, 2, 100);
    vxtest::MouseMove(press);
    vxtest::MouseDown();
    ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == rig.bar.m_hWnd; }));
    RECT clip, client;
    ::GetClipCursor(&clip);
    ::GetClientRect(host.Hwnd(), &client);
    EXPECT_EQ(clip.left, vxtest::ScreenPoint(host.Hwnd(), 50 + 2, 0).x);
    EXPECT_EQ(clip.right, vxtest::ScreenPoint(host.Hwnd(), client.right - 20 - 2, 0).x);
    vxtest::MouseUp();
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == NULL; }));
}

TEST_F(DpiSizes, ListViewItemsHeadersSpacesAndLineStep)
{
    vxCtrlListView list;
    ASSERT_TRUE(list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), Host(), 1));
    EXPECT_EQ(list.GetGroupHeight(), Scaled(30));
    EXPECT_EQ(list.GetItemSize(), CSize(Scaled(48), Scaled(48)));
    EXPECT_EQ(list.GetItemRowSpace(), Scaled(2));
    EXPECT_EQ(list.GetItemColumnSpace(), Scaled(2));
    // Two items flow into a row under the header, a space apart.
    list.AddGroup(_T("Group"), NULL, 1);
    list.AddItem(0, NULL, _T("a"), NULL);
    list.AddItem(0, NULL, _T("b"), NULL);
    HWND b = ::FindWindowExA(list.m_hWnd, NULL, "Button", "b");
    ASSERT_NE(b, nullptr);
    const RECT rcB = vxtest::PlaceIn(list.m_hWnd, b);
    EXPECT_EQ(rcB.left, Scaled(48) + Scaled(2));
    EXPECT_EQ(rcB.top, Scaled(30));
    // A line scroll moves 60 pixels times the scale.
    for (int i = 1; i < 200; ++i)
        list.AddItem(0, NULL, _T("more"), NULL);
    const RECT before = vxtest::PlaceIn(list.m_hWnd, b);
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(vxtest::PlaceIn(list.m_hWnd, b).top, before.top - Scaled(60));
    // Sizes the host sets stay as set.
    list.SetItemSize(20, 20);
    list.SetGroupHeight(10);
    EXPECT_EQ(list.GetItemSize(), CSize(20, 20));
    EXPECT_EQ(list.GetGroupHeight(), 10);
    list.DestroyWindow();
}

TEST_F(DpiSizes, StackWindowButtonsAndEntries)
{
    vxCtrlStackWnd stack;
    ASSERT_TRUE(stack.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 400), Host(), 1));
    ASSERT_EQ(stack.AddItem(_T("First"), NULL, NULL), 0);
    ASSERT_EQ(stack.AddItem(_T("Second"), NULL, NULL), 1);
    stack.AddSubItem(0, _T("entry"), NULL);
    stack.ExpandItem(0);
    vxtest::PumpMessages();
    const RECT first = vxtest::PlaceIn(stack.m_hWnd, stack.GetItemButton(0)->m_hWnd);
    EXPECT_EQ(first.right - first.left, Scaled(150));
    EXPECT_EQ(first.bottom - first.top, Scaled(20));
    HWND list = stack.GetItemContent(0)->m_hWnd;
    EXPECT_EQ(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), Scaled(23));
    // Sizes the host sets stay as set.
    stack.SetItemSize(100, 30);
    stack.SetSubItemHeight(17);
    const RECT given = vxtest::PlaceIn(stack.m_hWnd, stack.GetItemButton(1)->m_hWnd);
    EXPECT_EQ(given.right - given.left, 100);
    EXPECT_EQ(given.bottom - given.top, 30);
    EXPECT_EQ(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 17);
    stack.DestroyWindow();
}

TEST_F(DpiSizes, TipSlots)
{
    tipstest::OpenSysTips* pTips = tipstest::NewManager(2);
    tipstest::TipWindow first(300, 100, WS_POPUP), second(300, 100, WS_POPUP);
    for (tipstest::TipWindow* pTip : {&first, &second}) {
        _tagstSysTips record = pTip->Record(0, 0, 0);
        ASSERT_EQ(pTips->AddTips(record.src, &record), 1);
    }
    const RECT work = tipstest::WorkArea();
    EXPECT_EQ(second.Rect().top, work.bottom - Scaled(175));
    EXPECT_EQ(first.Rect().top, work.bottom - 2 * Scaled(175));
    tipstest::DestroyManager(pTips);
}

TEST_F(DpiSizes, TipSlidesUpInScaledSteps)
{
    tipstest::TipWindow tip(300, 40, WS_POPUP);
    tipstest::OpenSysTips* pTips = tipstest::NewManager(3);
    _tagstSysTips record = tip.Record(TIPS_SHOW_SLIDE, 0, 60000);
    ASSERT_EQ(pTips->AddTips(record.src, &record), 1);
    const int rest = tipstest::WorkArea().bottom - Scaled(175);
    // Placed on its slot first, then risen from one window height below it a scaled step a
    // tick, the last tick landing on the slot.
    const std::vector<int>& tops = tip.Log().moveTops;
    ASSERT_TRUE(vxtest::PumpUntil([&] { return tops.size() > 2 && tops.back() == rest; }));
    const std::vector<int> rising(std::find_if(tops.begin(), tops.end(), [&](int top) { return top > rest; }),
                                  tops.end());
    ASSERT_GE(rising.size(), 3u);
    EXPECT_EQ(rising.front(), rest + 40 - Scaled(5));
    for (size_t i = 1; i + 1 < rising.size(); ++i)
        EXPECT_EQ(rising[i - 1] - rising[i], Scaled(5)) << i;
    tipstest::DestroyManager(pTips);
}

TEST_F(DpiSizes, BalloonMarginsAndStem)
{
    rvToolTip tip;
    ASSERT_TRUE(tip.Create(Host()));
    // The text as the balloon measures it: in its own window's font.
    CClientDC dc(&tip);
    CRect text(0, 0, 0, 0);
    ::DrawTextA(dc.GetSafeHdc(), "Hi", -1, &text, DT_CALCRECT);
    CPoint pt(400, 400);
    tip.Show("Hi", &pt, "");
    vxtest::PumpMessages();
    CRect rc;
    tip.GetWindowRect(&rc);
    EXPECT_EQ(rc.Width(), text.Width() + 2 * Scaled(13));
    EXPECT_EQ(rc.Height(), text.Height() + 2 * Scaled(13) + Scaled(25));
    // The stem's tip on the point: a margin in from the right edge.
    EXPECT_EQ(rc.right - pt.x, Scaled(13));
    tip.Hide(0);
}

} // namespace
