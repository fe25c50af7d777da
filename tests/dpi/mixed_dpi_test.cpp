// A desk of mixed DPIs: windows of one process at 96 and at 144 DPI side by side, as a
// per-monitor aware host has them on a 150 % laptop beside a 100 % monitor. Every size the
// library takes from the system or the skin engine follows the window's DPI.
#include "vxCtrlComboBox.h"
#include "vxCtrlListView.h"
#include "vxCtrlStackWnd.h"
#include "vxCtrlSysTips.h"
#include "rvToolTip.h"
#include "vexelcore.h"
#include "fake_dpi.h"
#include "tips_test_util.h"
#include "vxtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int kLow = 96;
const int kHigh = 144;

class MixedDpi : public ::testing::Test
{
protected:
    MixedDpi()
    {
        fake.SetWindowDpi(low.Hwnd(), kLow);
        fake.SetWindowDpi(high.Hwnd(), kHigh);
        ::SetWindowPos(high.Hwnd(), NULL, 150, 420, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        m_pfnPreTranslate = vxtest::SetPreTranslate(&MixedDpi::WalkPreTranslateTree);
    }
    ~MixedDpi() override { vxtest::SetPreTranslate(m_pfnPreTranslate); }
    // The host's loop pre-translates, as the drop list's mouse handling needs.
    static BOOL WINAPI WalkPreTranslateTree(MSG* pMsg) { return CWnd::WalkPreTranslateTree(NULL, pMsg); }
    static CWnd* Wnd(const vxtest::HostWindow& host) { return CWnd::FromHandle(host.Hwnd()); }
    static int Scaled(int pixels, int dpi) { return ::MulDiv(pixels, dpi, 96); }

    vxtest::FakeDpi fake; // before any window, so the library's lookups find it
    vxtest::HostWindow low{500, 250};
    vxtest::HostWindow high{500, 250};
    vxtest::PreTranslateFn m_pfnPreTranslate = nullptr;
};

// Width of the painted drop button: the run of pixels left from the inner frame's right edge,
// along a row near the button's top, that are not the field's colour.
int PaintedButtonWidth(HWND hCombo)
{
    RECT rc;
    ::GetClientRect(hCombo, &rc);
    HDC hdc = ::GetDC(hCombo);
    const COLORREF field = ::GetSysColor(COLOR_WINDOW);
    const int y = rc.top + 4;
    int x = rc.right - 3;
    while (x > rc.left && ::GetPixel(hdc, x, y) != field)
        --x;
    ::ReleaseDC(hCombo, hdc);
    return rc.right - 3 - x;
}

TEST_F(MixedDpi, ComboButtonPaintedAsWideAsItsStripAllows)
{
    vxCtrlComboBox comboLow, comboHigh;
    ASSERT_TRUE(comboLow.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(20, 20, 220, 44), Wnd(low), 100));
    ASSERT_TRUE(comboHigh.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(20, 20, 320, 56), Wnd(high), 100));
    for (vxCtrlComboBox* pCombo : {&comboLow, &comboHigh}) {
        pCombo->AddString(_T("one"));
        pCombo->AddString(_T("two"));
    }
    vxtest::PumpMessages();
    const int cxLow = PaintedButtonWidth(comboLow.m_hWnd);
    const int cxHigh = PaintedButtonWidth(comboHigh.m_hWnd);
    ASSERT_GT(cxLow, 8);
    // The button is the system's scroll bar width at each DPI, as the edit's margin is scaled:
    // the same proportion of the strip at both.
    EXPECT_NEAR(cxHigh, Scaled(cxLow, kHigh), 1);
    HWND hEditLow = ::GetDlgItem(comboLow.m_hWnd, VXCB_EDIT_ID);
    HWND hEditHigh = ::GetDlgItem(comboHigh.m_hWnd, VXCB_EDIT_ID);
    RECT editLow, editHigh;
    ::GetClientRect(hEditLow, &editLow);
    ::GetClientRect(hEditHigh, &editHigh);
    EXPECT_EQ(200 - editLow.right, Scaled(26, kLow) + Scaled(2, kLow));
    EXPECT_EQ(300 - editHigh.right, Scaled(26, kHigh) + Scaled(2, kHigh));
    // A click on the painted button's left part opens the list at either DPI.
    for (vxCtrlComboBox* pCombo : {&comboLow, &comboHigh}) {
        RECT rc;
        pCombo->GetClientRect(&rc);
        const int cxButton = pCombo == &comboLow ? cxLow : cxHigh;
        vxtest::Click(vxtest::ScreenPoint(pCombo->m_hWnd, rc.right - 3 - cxButton + 2, rc.bottom / 2));
        EXPECT_TRUE(vxtest::PumpUntil([&] { return pCombo->GetDroppedState() != FALSE; }))
            << (pCombo == &comboLow ? "96" : "144");
        pCombo->ShowDropDown(FALSE);
        vxtest::PumpMessages();
    }
}

// Columns (cx) and rows (cy) of a window's client area that hold a pixel of the colour.
SIZE LinesWithColour(HWND hWnd, COLORREF colour)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    std::vector<bool> columns(rc.right), rows(rc.bottom);
    HDC hdc = ::GetDC(hWnd);
    for (int y = 0; y < rc.bottom; ++y) {
        for (int x = 0; x < rc.right; ++x) {
            if (::GetPixel(hdc, x, y) == colour)
                columns[x] = rows[y] = true;
        }
    }
    ::ReleaseDC(hWnd, hdc);
    return {static_cast<LONG>(std::count(columns.begin(), columns.end(), true)),
            static_cast<LONG>(std::count(rows.begin(), rows.end(), true))};
}

HWND SkinnedButton(HWND hParent, int cx, int cy)
{
    HWND hButton = ::CreateWindowExA(0, "BUTTON", "Hg", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, cx, cy,
                                     hParent, NULL, ::GetModuleHandleA(NULL), NULL);
    vxSkinWindow(hButton, 103, "test.push", 0);
    ::InvalidateRect(hButton, NULL, TRUE);
    vxtest::PumpMessages();
    return hButton;
}

// The skin engine paints in its fonts made at each window's DPI, in a host's font where the
// host set one.
TEST_F(MixedDpi, SkinEngineFontsFollowEachWindowsDpi)
{
    const COLORREF text = RGB(0x1E, 0x24, 0x2B);
    HWND hLow = SkinnedButton(low.Hwnd(), 80, 30);
    HWND hHigh = SkinnedButton(high.Hwnd(), 120, 45);
    const int nLow = LinesWithColour(hLow, text).cy;
    const int nHigh = LinesWithColour(hHigh, text).cy;
    ASSERT_GT(nLow, 5);
    EXPECT_NEAR(nHigh, Scaled(nLow, kHigh), 2);
    // A host's font wins, at either DPI.
    LOGFONTA lf = {};
    lf.lfHeight = -30;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    HFONT hHost = ::CreateFontIndirectA(&lf);
    ::SendMessageA(hLow, WM_SETFONT, reinterpret_cast<WPARAM>(hHost), TRUE);
    vxtest::PumpMessages();
    EXPECT_GT(LinesWithColour(hLow, text).cy, nHigh);
    ::DestroyWindow(hLow);
    ::DestroyWindow(hHigh);
    ::DeleteObject(hHost);
}

// A red 16 x 16 icon file in the temporary folder; its path.
std::string WriteRedIconFile()
{
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "vx_mixed_dpi.ico";
    std::vector<BYTE> file;
    const auto put = [&](DWORD value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.push_back(static_cast<BYTE>(value >> (8 * i)));
    };
    const DWORD cbImage = 40 + 16 * 16 * 4 + 16 * 4;
    put(0, 2), put(1, 2), put(1, 2);                                           // icon directory
    put(16, 1), put(16, 1), put(0, 1), put(0, 1), put(1, 2), put(32, 2), put(cbImage, 4), put(22, 4);
    put(40, 4), put(16, 4), put(32, 4), put(1, 2), put(32, 2);                 // BITMAPINFOHEADER
    for (int i = 0; i < 6; ++i)
        put(0, 4);
    for (int i = 0; i < 16 * 16; ++i)
        put(0xFFFF0000, 4);                                                    // opaque red
    for (int i = 0; i < 16; ++i)
        put(0, 4);                                                             // AND mask
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD cbWritten = 0;
    ::WriteFile(hFile, file.data(), static_cast<DWORD>(file.size()), &cbWritten, NULL);
    ::CloseHandle(hFile);
    return path;
}

// An icon file is drawn at the icon size of each window's DPI.
TEST_F(MixedDpi, IconFilesAtTheIconSizeOfEachDpi)
{
    const std::string path = WriteRedIconFile();
    int nColumns[2] = {};
    HWND hosts[2] = {low.Hwnd(), high.Hwnd()};
    for (int i = 0; i < 2; ++i) {
        HWND hHeader = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 80, hosts[i], NULL,
                                         ::GetModuleHandleA(NULL), NULL);
        vxSkinWindow(hHeader, 106, "test.header", 0);
        vxSetDrawItemValue(hHeader, "image.default", path.c_str(), 0);
        ::InvalidateRect(hHeader, NULL, TRUE);
        vxtest::PumpMessages();
        nColumns[i] = LinesWithColour(hHeader, RGB(255, 0, 0)).cx;
        ::DestroyWindow(hHeader);
    }
    ASSERT_GE(nColumns[0], 16);
    EXPECT_EQ(nColumns[1], Scaled(nColumns[0], kHigh));
    ::DeleteFileA(path.c_str());
}

// The open drop list across a DPI change of its combo and a host's font: it always draws in
// a font that exists, the one its combo uses.
TEST_F(MixedDpi, OpenDropListKeepsALiveFont)
{
    vxCtrlComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(20, 20, 220, 44), Wnd(low), 100));
    combo.AddString(_T("one"));
    combo.ShowDropDown(TRUE);
    vxtest::PumpMessages();
    RECT frame = {};
    combo.GetDroppedControlRect(&frame);
    HWND hList = ::WindowFromPoint({(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2});
    ASSERT_NE(hList, nullptr);
    const auto listFont = [&] { return reinterpret_cast<HFONT>(::SendMessage(hList, WM_GETFONT, 0, 0)); };
    ASSERT_EQ(listFont(), reinterpret_cast<HFONT>(combo.SendMessage(WM_GETFONT)));

    fake.SetWindowDpi(low.Hwnd(), kHigh);
    vxtest::FakeDpi::TellDpiChanged(low.Hwnd(), kLow, kHigh);
    LOGFONT lf = {};
    EXPECT_NE(::GetObject(listFont(), sizeof(lf), &lf), 0) << "the list draws in a deleted font";
    EXPECT_EQ(listFont(), reinterpret_cast<HFONT>(combo.SendMessage(WM_GETFONT)));
    EXPECT_NEAR(lf.lfHeight, -::MulDiv(8, kHigh, 72), 1);

    HFONT hHost = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    combo.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hHost), TRUE);
    EXPECT_EQ(listFont(), hHost);
    combo.ShowDropDown(FALSE);
}

// Entry rows scale with the DPI unless the host set their height.
TEST_F(MixedDpi, StackWindowKeepsItsAutomaticWidth)
{
    vxCtrlStackWnd stack, given;
    ASSERT_TRUE(stack.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 260, 200), Wnd(low), 1));
    ASSERT_TRUE(given.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(270, 0, 470, 200), Wnd(low), 2));
    ASSERT_EQ(stack.AddItem(_T("First"), NULL, NULL), 0);
    ASSERT_TRUE(stack.AddSubItem(0, _T("Entry"), NULL));
    ASSERT_EQ(given.AddItem(_T("First"), NULL, NULL), 0);
    ASSERT_TRUE(given.AddSubItem(0, _T("Entry"), NULL));
    given.SetSubItemHeight(30);
    const auto rowHeight = [](vxCtrlStackWnd& s) {
        return static_cast<int>(s.GetItemContent(0)->SendMessage(LB_GETITEMHEIGHT, 0, 0));
    };
    const int nRowAt96 = rowHeight(stack);
    stack.SetAutoWidth(TRUE);
    const auto buttonWidth = [&] {
        RECT rc;
        ::GetWindowRect(stack.GetItemButton(0)->m_hWnd, &rc);
        return static_cast<int>(rc.right - rc.left);
    };
    ASSERT_EQ(buttonWidth(), 260);
    fake.SetWindowDpi(low.Hwnd(), kHigh);
    vxtest::FakeDpi::TellDpiChanged(low.Hwnd(), kLow, kHigh);
    vxtest::PumpMessages();
    EXPECT_EQ(buttonWidth(), 260);
    RECT rc;
    ::GetWindowRect(stack.GetItemButton(0)->m_hWnd, &rc);
    EXPECT_EQ(rc.bottom - rc.top, Scaled(20, kHigh));
    EXPECT_EQ(rowHeight(stack), Scaled(nRowAt96, kHigh));
    EXPECT_EQ(rowHeight(given), 30);
}

// The list view's sizes follow a new DPI, but for those the host set.
TEST_F(MixedDpi, ListViewSizesFollowANewDpiButTheHostsStay)
{
    vxCtrlListView list, given;
    ASSERT_TRUE(list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 240, 200), Wnd(low), 3));
    ASSERT_TRUE(given.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(250, 0, 490, 200), Wnd(low), 4));
    given.SetGroupHeight(10);
    given.SetItemSize(20, 20);
    given.SetItemRowSpace(1);
    given.SetItemColumnSpace(3);
    fake.SetWindowDpi(low.Hwnd(), kHigh);
    vxtest::FakeDpi::TellDpiChanged(low.Hwnd(), kLow, kHigh);
    vxtest::PumpMessages();
    EXPECT_EQ(list.GetGroupHeight(), Scaled(30, kHigh));
    EXPECT_EQ(list.GetItemSize(), CSize(Scaled(48, kHigh), Scaled(48, kHigh)));
    EXPECT_EQ(list.GetItemRowSpace(), Scaled(2, kHigh));
    EXPECT_EQ(list.GetItemColumnSpace(), Scaled(2, kHigh));
    EXPECT_EQ(given.GetGroupHeight(), 10);
    EXPECT_EQ(given.GetItemSize(), CSize(20, 20));
    EXPECT_EQ(given.GetItemRowSpace(), 1);
    EXPECT_EQ(given.GetItemColumnSpace(), 3);
}

// The balloon's region in screen coordinates.
struct BalloonOnScreen {
    RECT window;
    RECT shown; // the region's bounding box
    bool bTipInStem; // the stem holds the pixel just above and left of the point
};

BalloonOnScreen BalloonAt(HWND hTip, POINT pt)
{
    BalloonOnScreen b = {};
    ::GetWindowRect(hTip, &b.window);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    ::GetWindowRgn(hTip, hRgn);
    ::OffsetRgn(hRgn, b.window.left, b.window.top);
    ::GetRgnBox(hRgn, &b.shown);
    b.bTipInStem = ::PtInRegion(hRgn, pt.x - 1, pt.y - 3) != FALSE;
    ::DeleteObject(hRgn);
    return b;
}

// A balloon whose owner's font was made for 96 DPI, moved to 144 and then to 192, draws in a
// copy at each DPI: it comes out as large as a balloon whose owner's font is made for that DPI.
TEST_F(MixedDpi, ABalloonMovedOnDrawsAtEachNewDpiAsOneMadeThere)
{
    const auto fontOf = [](int nHeight) {
        LOGFONT lf = {};
        lf.lfHeight = nHeight;
        lstrcpy(lf.lfFaceName, _T("Tahoma"));
        return ::CreateFontIndirect(&lf);
    };
    HFONT hLowFont = fontOf(-12), hHighFont = fontOf(-18), hHigherFont = fontOf(-24);
    HFONT hHighOwnerFont = hHighFont;
    low.SetHandler([&](UINT message, WPARAM, LPARAM, LRESULT& lResult) {
        if (message != WM_GETFONT)
            return false;
        lResult = reinterpret_cast<LRESULT>(hLowFont);
        return true;
    });
    high.SetHandler([&](UINT message, WPARAM, LPARAM, LRESULT& lResult) {
        if (message != WM_GETFONT)
            return false;
        lResult = reinterpret_cast<LRESULT>(hHighOwnerFont);
        return true;
    });
    const auto sizeOf = [](const rvToolTip& tip) {
        RECT rc;
        ::GetWindowRect(tip.m_hWnd, &rc);
        return CSize(rc.right - rc.left, rc.bottom - rc.top);
    };
    CPoint pt(600, 500);
    const CString text = _T("A balloon on three monitors");
    fake.SetPrimaryMonitorDpi(kLow);
    rvToolTip moved;
    ASSERT_TRUE(moved.Create(Wnd(low)));
    moved.Show(text, &pt, CString());
    vxtest::PumpMessages();
    for (const int nDpi : {kHigh, 192}) {
        SCOPED_TRACE(nDpi);
        fake.SetPrimaryMonitorDpi(nDpi);
        vxtest::FakeDpi::TellDpiChanged(moved.m_hWnd, nDpi == kHigh ? kLow : kHigh, nDpi);
        vxtest::PumpMessages();
        fake.SetWindowDpi(high.Hwnd(), nDpi);
        hHighOwnerFont = nDpi == kHigh ? hHighFont : hHigherFont;
        rvToolTip made;
        ASSERT_TRUE(made.Create(Wnd(high)));
        made.Show(text, &pt, CString());
        vxtest::PumpMessages();
        EXPECT_EQ(sizeOf(moved), sizeOf(made));
        made.DestroyWindow();
    }
    moved.DestroyWindow();
    low.SetHandler(nullptr);
    high.SetHandler(nullptr);
    for (HFONT hFont : {hLowFont, hHighFont, hHigherFont})
        ::DeleteObject(hFont);
}

// A shown balloon whose DPI changes is measured and shaped again at the new one, on its point.
TEST_F(MixedDpi, ShownBalloonTakesANewDpi)
{
    fake.SetPrimaryMonitorDpi(kLow);
    // The owner's font, made for its 96 DPI: the balloon draws in a copy at its own DPI.
    LOGFONT lf = {};
    lf.lfHeight = -12;
    lstrcpy(lf.lfFaceName, _T("Tahoma"));
    HFONT hOwnerFont = ::CreateFontIndirect(&lf);
    low.SetHandler([&](UINT message, WPARAM, LPARAM, LRESULT& lResult) {
        if (message != WM_GETFONT)
            return false;
        lResult = reinterpret_cast<LRESULT>(hOwnerFont);
        return true;
    });
    rvToolTip tip;
    ASSERT_TRUE(tip.Create(Wnd(low)));
    CPoint pt(600, 500);
    tip.Show(_T("A balloon on two monitors"), &pt, CString());
    vxtest::PumpMessages();
    const BalloonOnScreen before = BalloonAt(tip.m_hWnd, pt);
    EXPECT_TRUE(before.bTipInStem);

    fake.SetPrimaryMonitorDpi(kHigh);
    vxtest::FakeDpi::TellDpiChanged(tip.m_hWnd, kLow, kHigh);
    vxtest::PumpMessages();
    const BalloonOnScreen after = BalloonAt(tip.m_hWnd, pt);
    EXPECT_TRUE(after.bTipInStem);
    // The region is the whole new window: no frame cut off, no unpainted strip.
    // Margins and stem grew by half (51 pixels of height at 96 DPI), the text by half too.
    EXPECT_GE((after.window.bottom - after.window.top) - (before.window.bottom - before.window.top), 25 + 5);
    EXPECT_EQ(after.shown.left - after.window.left, before.shown.left - before.window.left);
    EXPECT_EQ(after.shown.right - after.window.right, before.shown.right - before.window.right);
    EXPECT_EQ(after.shown.top - after.window.top, before.shown.top - before.window.top);
    tip.DestroyWindow();
    low.SetHandler(nullptr);
    ::DeleteObject(hOwnerFont);
}

// New monitors or a new monitor layout: the open drop list is placed under its combo again,
// and a shown balloon measured again for its monitor.
TEST_F(MixedDpi, DisplayChangePlacesDropListAndBalloonAgain)
{
    vxCtrlComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(20, 20, 220, 44), Wnd(low), 100));
    combo.AddString(_T("one"));
    combo.ShowDropDown(TRUE);
    vxtest::PumpMessages();
    RECT frame;
    combo.GetDroppedControlRect(&frame);
    HWND hFrame = ::GetAncestor(::WindowFromPoint({(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2}), GA_ROOT);
    ASSERT_NE(hFrame, low.Hwnd());
    ::SetWindowPos(low.Hwnd(), NULL, 160, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessage(hFrame, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    RECT rcCombo;
    ::GetWindowRect(combo.m_hWnd, &rcCombo);
    ::GetWindowRect(hFrame, &frame);
    EXPECT_EQ(frame.left, rcCombo.left);
    EXPECT_EQ(frame.top, rcCombo.bottom);
    combo.ShowDropDown(FALSE);

    fake.SetPrimaryMonitorDpi(kLow);
    rvToolTip tip;
    ASSERT_TRUE(tip.Create(Wnd(low)));
    CPoint pt(600, 500);
    tip.Show(_T("A balloon"), &pt, CString());
    const RECT before = BalloonAt(tip.m_hWnd, pt).window;
    fake.SetPrimaryMonitorDpi(kHigh);
    tip.SendMessage(WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    const BalloonOnScreen after = BalloonAt(tip.m_hWnd, pt);
    EXPECT_GE((after.window.bottom - after.window.top) - (before.bottom - before.top), 25);
    EXPECT_TRUE(after.bTipInStem);
}

// A tip window made on a monitor at 96 DPI that Windows tells of its new DPI once a move puts
// it on the work area's monitor at 144, as it would on a real desk.
int g_nAlerts = 0;

void CALLBACK CountAlerts(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD)
{
    ++g_nAlerts;
}

TEST_F(MixedDpi, TipWhoseMoveChangesItsDpiIsPlacedOnce)
{
    fake.SetPrimaryMonitorDpi(kHigh);
    tipstest::TipWindow tip(300, 40, WS_POPUP);
    fake.SetWindowDpi(tip.Hwnd(), kLow);
    bool bMoved = false;
    tip.Log().onMoved = [&] {
        if (!bMoved) {                 // the first move takes it to the other monitor
            bMoved = true;
            fake.SetWindowDpi(tip.Hwnd(), kHigh);
            vxtest::FakeDpi::TellDpiChanged(tip.Hwnd(), kLow, kHigh);
        }
    };
    HWINEVENTHOOK hHook = ::SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, NULL, CountAlerts,
                                            ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    tipstest::OpenSysTips* pTips = tipstest::NewManager(3);
    _tagstSysTips record = tip.Record(TIPS_SHOW_SLIDE, 0, 60000);
    ASSERT_EQ(pTips->AddTips(record.src, &record), 1);
    // Its slot is the one at 144 DPI from the start, and the slide lands there.
    const int rest = tipstest::WorkArea().bottom - Scaled(175, kHigh);
    const std::vector<int>& tops = tip.Log().moveTops;
    ASSERT_TRUE(vxtest::PumpUntil([&] { return tops.size() > 2 && tops.back() == rest; }));
    vxtest::PumpFor(100);
    EXPECT_EQ(tops.back(), rest);
    EXPECT_EQ(tops.front(), rest);
    EXPECT_EQ(g_nAlerts, 1);
    ::UnhookWinEvent(hHook);
    tip.Log().onMoved = nullptr;
    tipstest::DestroyManager(pTips);
}

} // namespace

// A per-monitor aware host on Windows 8.1: no GetDpiForWindow, no metrics per DPI, no
// WM_DPICHANGED_AFTERPARENT. The monitor's DPI is read, and a child that the host moves after
// its own WM_DPICHANGED takes the new one.
TEST(MixedDpiOldSystems, Windows81MonitorDpiAndMovedChildren)
{
    vxtest::FakeDpi fake(vxtest::FakeDpi::System::Windows81);
    fake.SetPrimaryMonitorDpi(kHigh);
    vxtest::HostWindow host(500, 250);
    vxCtrlComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(20, 20, 320, 56),
                             CWnd::FromHandle(host.Hwnd()), 100));
    combo.AddString(_T("one"));
    vxtest::PumpMessages();
    HWND hEdit = ::GetDlgItem(combo.m_hWnd, VXCB_EDIT_ID);
    const auto editRight = [&] {
        RECT rc;
        ::GetClientRect(hEdit, &rc);
        return static_cast<int>(rc.right);
    };
    EXPECT_EQ(300 - editRight(), ::MulDiv(28, kHigh, 96));
    const int cxHigh = PaintedButtonWidth(combo.m_hWnd);

    fake.SetPrimaryMonitorDpi(kLow);
    combo.MoveWindow(20, 20, 200, 24);
    vxtest::PumpMessages();
    EXPECT_EQ(200 - editRight(), 28);
    EXPECT_NEAR(PaintedButtonWidth(combo.m_hWnd), ::MulDiv(cxHigh, kLow, kHigh), 1);

    // The stack window too takes the DPI it finds when moved.
    fake.SetPrimaryMonitorDpi(kHigh);
    vxCtrlStackWnd stack;
    ASSERT_TRUE(stack.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 100, 200, 240), CWnd::FromHandle(host.Hwnd()), 101));
    ASSERT_EQ(stack.AddItem(_T("First"), NULL, NULL), 0);
    fake.SetPrimaryMonitorDpi(kLow);
    stack.MoveWindow(0, 100, 210, 140);
    vxtest::PumpMessages();
    RECT rc;
    ::GetWindowRect(stack.GetItemButton(0)->m_hWnd, &rc);
    EXPECT_EQ(rc.bottom - rc.top, 20);
}
