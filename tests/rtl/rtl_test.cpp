// Right to left: each control in a mirrored host (WS_EX_LAYOUTRTL) behaves as the system's
// controls do there. Skinned captions read the right way round, a sizer bar follows the
// pointer and the arrows the way they point, the drop list opens under its combo's right
// edge in the combo's direction, and the balloon's stem stays on its point.
#include "vxCtrlComboBox.h"
#include "vxCtrlListView.h"
#include "rvToolTip.h"
#include "sizer_rig.h"
#include "vexelcore.h"
#include "vxtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// A top-level host, mirrored or not.
class Host
{
public:
    explicit Host(bool bMirrored, int x = 100, int y = 100)
    {
        vxtest::RegisterTestClass("RtlHost", ::DefWindowProcA, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        m_hWnd = ::CreateWindowExA(bMirrored ? WS_EX_LAYOUTRTL : 0, "RtlHost", "host",
                                   WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, x, y, 600, 400, NULL,
                                   NULL, ::GetModuleHandleA(NULL), NULL);
        ::SetForegroundWindow(m_hWnd);
        vxtest::PumpMessages();
    }
    ~Host()
    {
        ::DestroyWindow(m_hWnd);
        vxtest::PumpMessages();
    }
    HWND Hwnd() const { return m_hWnd; }
    CWnd* Wnd() const { return CWnd::FromHandle(m_hWnd); }

private:
    HWND m_hWnd;
};


// For each column of a window as the screen shows it, the pixels of the colour in it.
std::vector<int> ColumnsWithColour(HWND hWnd, COLORREF colour)
{
    const RECT rc = vxtest::WindowRect(hWnd);
    HDC screen = ::GetDC(NULL);
    std::vector<int> columns;
    for (int x = rc.left; x < rc.right; ++x) {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            n += ::GetPixel(screen, x, y) == colour ? 1 : 0;
        columns.push_back(n);
    }
    ::ReleaseDC(NULL, screen);
    return columns;
}

// The non-empty run of columns, without the empty ones around it.
std::vector<int> Trimmed(std::vector<int> columns)
{
    while (!columns.empty() && columns.back() == 0)
        columns.pop_back();
    columns.erase(columns.begin(), std::find_if(columns.begin(), columns.end(), [](int n) { return n != 0; }));
    return columns;
}

TEST(RightToLeft, SkinnedCaptionReadsTheRightWayRound)
{
    const COLORREF text = RGB(0x1E, 0x24, 0x2B);
    std::vector<int> columns[2];
    for (int mirrored = 0; mirrored < 2; ++mirrored) {
        Host host(mirrored != 0);
        HWND hButton = ::CreateWindowExA(0, "BUTTON", "Fig", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 120,
                                         30, host.Hwnd(), NULL, ::GetModuleHandleA(NULL), NULL);
        ASSERT_EQ(vxSkinWindow(hButton, 103, "test.push", 0), 1);
        ::InvalidateRect(hButton, NULL, TRUE);
        vxtest::PumpMessages();
        columns[mirrored] = Trimmed(ColumnsWithColour(hButton, text));
    }
    ASSERT_GT(columns[0].size(), 5u);
    std::vector<int> flipped(columns[0].rbegin(), columns[0].rend());
    ASSERT_NE(flipped, columns[0]) << "the caption must not read the same both ways";
    EXPECT_EQ(columns[1], columns[0]) << "the mirrored window's caption is a mirror image";
}

// A skinned header's title starts at the leading edge: the right one in a mirrored window,
// its letters still the right way round.
TEST(RightToLeft, SkinnedTitleStartsAtTheRightEdge)
{
    const COLORREF title = RGB(0xFF, 0xFF, 0xFF);
    std::vector<int> columns[2];
    for (int mirrored = 0; mirrored < 2; ++mirrored) {
        Host host(mirrored != 0);
        HWND hHeader = ::CreateWindowExA(0, "STATIC", "Fig", WS_CHILD | WS_VISIBLE, 20, 20, 200, 24, host.Hwnd(),
                                         NULL, ::GetModuleHandleA(NULL), NULL);
        ASSERT_EQ(vxSkinWindow(hHeader, 106, "test.header", 0), 1);
        ::InvalidateRect(hHeader, NULL, TRUE);
        vxtest::PumpMessages();
        columns[mirrored] = ColumnsWithColour(hHeader, title);
    }
    const auto first = [](const std::vector<int>& c) { return std::find_if(c.begin(), c.end(), [](int n) { return n != 0; }) - c.begin(); };
    const auto last = [](const std::vector<int>& c) { return std::find_if(c.rbegin(), c.rend(), [](int n) { return n != 0; }) - c.rbegin(); };
    EXPECT_LT(first(columns[0]), 12);
    EXPECT_LT(last(columns[1]), 12) << "the mirrored title ends at the right edge";
    EXPECT_EQ(Trimmed(columns[1]), Trimmed(columns[0]));
}

// The sizer rig in a mirrored host: its fixed first item stands at the right, the bar left of
// it, and dragging the bar to the left widens that item.
TEST(RightToLeft, SizerBarFollowsThePointerAndTheArrows)
{
    Host host(true);
    SizerRig rig(host.Wnd());
    vxtest::PumpMessages();
    const RECT bar = vxtest::WindowRect(rig.bar.m_hWnd);
    ASSERT_LT(bar.right, vxtest::WindowRect(rig.left.m_hWnd).right);
    const POINT press = {bar.left + 2, (bar.top + bar.bottom) / 2};
    vxtest::MouseMove(press);
    vxtest::MouseDown();
    ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == rig.bar.m_hWnd; }));
    RECT clip;
    ::GetClipCursor(&clip);
    EXPECT_GT(clip.right - clip.left, 100) << "the pointer is held in place";
    vxtest::MouseMove({press.x - 60, press.y});
    vxtest::PumpMessages();
    vxtest::MouseUp();
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == NULL; }));
    RECT left = vxtest::WindowRect(rig.left.m_hWnd);
    EXPECT_NEAR(left.right - left.left, 160, 1);
    EXPECT_NEAR(vxtest::WindowRect(rig.bar.m_hWnd).left, bar.left - 60, 1);

    // The arrows move it the way they point.
    ::SetFocus(rig.bar.m_hWnd);
    const int before = vxtest::WindowRect(rig.bar.m_hWnd).left;
    vxtest::KeyPress(VK_LEFT);
    vxtest::PumpMessages();
    EXPECT_EQ(vxtest::WindowRect(rig.bar.m_hWnd).left, before - 4);
    vxtest::KeyPress(VK_RIGHT);
    vxtest::KeyPress(VK_RIGHT);
    vxtest::PumpMessages();
    EXPECT_EQ(vxtest::WindowRect(rig.bar.m_hWnd).left, before + 4);
}

// List view items flow from the right; the arrows move the focus the way they point.
TEST(RightToLeft, ArrowsMoveTheFocusTheWayTheyPoint)
{
    Host host(true);
    vxCtrlListView list;
    ASSERT_TRUE(list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 410, 310), host.Wnd(), 1));
    const int nGroup = list.AddGroup(_T("Group"), NULL, FALSE);
    for (LPCTSTR caption : {_T("first"), _T("second"), _T("third")})
        list.AddItem(nGroup, NULL, caption, NULL);
    vxtest::PumpMessages();
    HWND hFirst = ::FindWindowExA(list.m_hWnd, NULL, "Button", "first");
    HWND hSecond = ::FindWindowExA(list.m_hWnd, NULL, "Button", "second");
    ASSERT_NE(hFirst, nullptr);
    ASSERT_NE(hSecond, nullptr);
    ASSERT_GT(vxtest::WindowRect(hFirst).left, vxtest::WindowRect(hSecond).left)
        << "the first item stands at the right";
    ::SetFocus(hFirst);
    vxtest::KeyPress(VK_LEFT);
    vxtest::PumpMessages();
    EXPECT_EQ(::GetFocus(), hSecond);
    vxtest::KeyPress(VK_RIGHT);
    vxtest::PumpMessages();
    EXPECT_EQ(::GetFocus(), hFirst);
}

TEST(RightToLeft, DropListOpensUnderTheCombosRightEdgeInItsDirection)
{
    Host host(true);
    vxCtrlComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(20, 20, 220, 44), host.Wnd(), 100));
    combo.AddString(_T("one"));
    combo.AddString(_T("two"));
    combo.SetDroppedWidth(300);
    combo.ShowDropDown(TRUE);
    vxtest::PumpMessages();
    RECT frame;
    combo.GetDroppedControlRect(&frame);
    const RECT rcCombo = vxtest::WindowRect(combo.m_hWnd);
    EXPECT_EQ(frame.right, rcCombo.right);
    EXPECT_EQ(frame.left, rcCombo.right - 300);
    EXPECT_EQ(frame.top, rcCombo.bottom);
    HWND hList = ::WindowFromPoint({(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2});
    ASSERT_NE(hList, nullptr);
    EXPECT_TRUE(::GetWindowLongPtr(::GetAncestor(hList, GA_ROOT), GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
    combo.ShowDropDown(FALSE);
}

// A right-to-left process (SetProcessDefaultLayout) mirrors every window it makes, the
// balloon's too (Wine does not, so the test mirrors it as Windows would); the balloon stays
// shaped on its point.
TEST(RightToLeft, BalloonStemOnItsPointInARightToLeftProcess)
{
    Host host(true);
    rvToolTip tip;
    ASSERT_TRUE(tip.Create(host.Wnd()));
    tip.ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    CPoint pt(500, 400);
    tip.Show(_T("On the point"), &pt, CString());
    vxtest::PumpMessages();
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(tip.m_hWnd, hRgn), ERROR);
    const RECT rc = vxtest::WindowRect(tip.m_hWnd);
    ::OffsetRgn(hRgn, rc.left, rc.top);
    EXPECT_TRUE(::PtInRegion(hRgn, pt.x - 1, pt.y - 3));
    EXPECT_EQ(vxtest::PixelAt(NULL, pt.x - 1, pt.y - 2), ::GetSysColor(COLOR_WINDOWTEXT));
    ::DeleteObject(hRgn);
}

} // namespace
