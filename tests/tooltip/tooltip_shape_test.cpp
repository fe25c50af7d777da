// The balloon measured, shaped and painted on real device contexts: window size and region,
// the stem's tip on the point, icons, link mode wrapping, the font, frames and colours.
#include "rvToolTip.h"
#include "tooltip_windows.h"

#include "vxtest_checks.h"

#include <gtest/gtest.h>

using namespace tiptest;

namespace {

// Reads the tooltip's state that the tests check.
struct ProbeTip : rvToolTip {
    using rvToolTip::m_sizeIcon;
    using rvToolTip::m_sizeWnd;
    using rvToolTip::m_strText;
};

struct TooltipShape : ::testing::Test {
    vxtest::HostWindow host{800, 600};
    ProbeTip tip;

    void SetUp() override { ASSERT_TRUE(tip.Create(CWnd::FromHandle(host.Hwnd()))); }

    // Region and size for a text, measured on the tooltip's own device context.
    SIZE Measure(const char* text, HRGN* phRgn = nullptr)
    {
        tip.m_strText = text;
        CClientDC dc(&tip);
        HRGN rgn = nullptr;
        CSize size(-1, -1);
        EXPECT_EQ(tip.GetWindowRegion(&dc, &rgn, &size), 1);
        if (phRgn != nullptr)
            *phRgn = rgn;
        else
            ::DeleteObject(rgn);
        return size;
    }
};

TEST_F(TooltipShape, WindowSizeFollowsTheTextMeasuredWithItsOwnLineBreaks)
{
    // No wrapping: the longer line gives the width.
    const SIZE two = MeasureText(nullptr, "short\r\na longer second line");
    SIZE size = Measure("short\r\na longer second line");
    EXPECT_EQ(size, vxtest::Sz(two.cx + 26, two.cy + 51));

    // Bad arguments: no region, nothing written.
    HRGN rgn = reinterpret_cast<HRGN>(1);
    CClientDC dc(&tip);
    EXPECT_EQ(tip.GetWindowRegion(nullptr, &rgn, nullptr), 0);
    EXPECT_EQ(rgn, reinterpret_cast<HRGN>(1));
    EXPECT_EQ(tip.GetWindowRegion(&dc, nullptr, nullptr), 0);
}

TEST_F(TooltipShape, RegionIsABodyWithAStemBelowItsRightEnd)
{
    HRGN rgn = nullptr;
    SIZE size = Measure("Balloon text", &rgn);
    ASSERT_NE(rgn, nullptr);
    const int w = size.cx, h = size.cy - 25;
    RECT box;
    ::GetRgnBox(rgn, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    // A round-rectangle region leaves out its last column, as GDI's regions do.
    EXPECT_GE(box.right, w - 1);
    EXPECT_LE(box.right, w);
    EXPECT_LE(box.bottom, h + 13);
    EXPECT_GE(box.bottom, h + 11);
    // Body: centre and near the straight edges; the rounded corners are cut.
    EXPECT_TRUE(::PtInRegion(rgn, w / 2, h / 2));
    EXPECT_TRUE(::PtInRegion(rgn, 1, h / 2));
    EXPECT_FALSE(::PtInRegion(rgn, 0, 0));
    EXPECT_FALSE(::PtInRegion(rgn, w - 1, h - 1));
    // Stem: inside just left of its upright side, down to near the tip; nothing right of it.
    EXPECT_TRUE(::PtInRegion(rgn, w - 14, h + 5));
    EXPECT_TRUE(::PtInRegion(rgn, w - 14, h + 10));
    EXPECT_FALSE(::PtInRegion(rgn, w - 12, h + 5));
    EXPECT_FALSE(::PtInRegion(rgn, w - 40, h + 5));
    EXPECT_FALSE(::PtInRegion(rgn, 3, h + 3));
    ::DeleteObject(rgn);
}

TEST_F(TooltipShape, ShownBalloonTouchesThePointWithItsTip)
{
    CPoint pt(500, 400);
    tip.Show("Tip on the point", &pt, "");
    ASSERT_TRUE(tip.IsWindowVisible());
    vxtest::PumpFor(50);
    POINT tipPoint = TipOf(tip.GetSafeHwnd());
    EXPECT_EQ(tipPoint, vxtest::Pt(500, 400));
    RECT rc = WindowRect(tip.GetSafeHwnd());
    EXPECT_EQ(rc.right - rc.left, tip.m_sizeWnd.cx);
    EXPECT_EQ(rc.bottom - rc.top, tip.m_sizeWnd.cy);

    // The window's region is the balloon, and the screen shows it up to the tip: the frame
    // colour just above and left of the point, the host's background right of it.
    HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(tip.GetSafeHwnd(), rgn), ERROR);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top - 25;
    EXPECT_TRUE(::PtInRegion(rgn, w - 14, h + 10));
    EXPECT_FALSE(::PtInRegion(rgn, w - 5, h + 5));
    ::DeleteObject(rgn);
    EXPECT_EQ(vxtest::PixelAt(NULL, 500 - 1, 400 - 2), ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_NE(vxtest::PixelAt(NULL, 500 + 3, 400 - 6), ::GetSysColor(COLOR_WINDOW));

    // Near the screen's top-left corner it turns below and right of the point: all of it on
    // the screen, the tip still on the point (inside the stem just below and right of it).
    CPoint corner(20, 10);
    tip.Show("Corner", &corner, "");
    rgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(tip.GetSafeHwnd(), rgn), ERROR);
    rc = WindowRect(tip.GetSafeHwnd());
    ::OffsetRgn(rgn, rc.left, rc.top);
    RECT shown;
    ::GetRgnBox(rgn, &shown);
    EXPECT_GE(shown.left, 0);
    EXPECT_NEAR(shown.top, 10, 1);
    EXPECT_TRUE(::PtInRegion(rgn, 21, 13));
    EXPECT_FALSE(::PtInRegion(rgn, 18, 8));
    ::DeleteObject(rgn);
}

TEST_F(TooltipShape, IconsWidenTheBodyAndSetItsLeastHeight)
{
    HICON small = MakeIcon(16, RGB(255, 0, 0));
    HICON large = MakeIcon(48, RGB(0, 128, 0));
    const SIZE plain = Measure("Hi");

    tip.SetIcon(large);
    EXPECT_EQ(Measure("Hi").cx, plain.cx + 53);

    // Painted: the icon at the left margin and top (its bottom cannot line up with the short
    // text line), whole: the body has room for it and the margin below.
    CPoint pt(500, 400);
    tip.Show("Hi", &pt, "");
    vxtest::PumpFor(50);
    EXPECT_EQ(CountColour(tip.GetSafeHwnd(), {13, 13, 13 + 48, 13 + 48}, RGB(0, 128, 0)), 48 * 48);
    EXPECT_EQ(CountColour(tip.GetSafeHwnd(), {0, 0, 13, 48}, RGB(0, 128, 0)), 0);
    tip.SetIcon(small);
    tip.Show("Hi", &pt, "");
    vxtest::PumpFor(50);
    EXPECT_EQ(CountColour(tip.GetSafeHwnd(), {0, 0, 60, 60}, RGB(255, 0, 0)), 16 * 16);
    EXPECT_GT(CountColour(tip.GetSafeHwnd(), {13, 1, 29, 29}, RGB(255, 0, 0)), 0);

    // Measuring an icon again and again keeps no bitmap of it.
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    for (int i = 0; i < 5; ++i) {
        tip.SetIcon(i % 2 ? small : large);
        Measure("Hi");
    }
    tip.SetIcon(small);
    EXPECT_EQ(vxtest::GuiCounts::Now(), before) << vxtest::ToString(vxtest::GuiCounts::Now());

    // No icon again: back to the plain size.
    tip.SetIcon(static_cast<HICON>(nullptr));
    EXPECT_EQ(tip.m_sizeIcon, CSize(0, 0));
    EXPECT_EQ(Measure("Hi").cx, plain.cx);
    tip.Hide(0);
    ::DestroyIcon(small);
    ::DestroyIcon(large);
}

TEST_F(TooltipShape, SettingTheSameIconDoesNotRepaint)
{
    HICON icon = MakeIcon(16, RGB(255, 0, 0));
    CPoint pt(400, 300);
    tip.Show("Icon", &pt, "");
    tip.SetIcon(icon);
    vxtest::PumpFor(30);
    vxtest::MessageRecorder rec(tip.GetSafeHwnd());
    tip.SetIcon(icon);
    vxtest::PumpFor(30);
    EXPECT_EQ(rec.Count(WM_PAINT), 0);
    tip.SetIcon(static_cast<HICON>(nullptr));        // cleared without repainting either
    EXPECT_EQ(rec.Count(WM_PAINT), 0);
    HICON other = MakeIcon(16, RGB(0, 0, 0));
    tip.SetIcon(other);                              // a new icon repaints at once
    EXPECT_EQ(rec.Count(WM_PAINT), 1);
    rec.Detach();
    tip.SetIcon(static_cast<HICON>(nullptr));
    ::DestroyIcon(icon);
    ::DestroyIcon(other);
}

TEST_F(TooltipShape, LinkModeJoinsAndRewrapsTheText)
{
    const char* text = "first line\r\nsecond, longer line";
    const SIZE asPassed = MeasureText(nullptr, text);
    tip.SetbLink(TRUE);
    SIZE size = Measure(text);
    // The width of the longer line as passed; the joined text broken again at that width.
    EXPECT_EQ(size.cx, asPassed.cx + 26);
    const int lines = (size.cy - 51) / 18;
    EXPECT_EQ((size.cy - 51) % 18, 0);
    EXPECT_EQ(lines, 2);

    // An empty text counts no line at all.
    size = Measure("");
    EXPECT_EQ(size.cy, 51);

    // WrapTextLines on a real device context: bounded on every input.
    CClientDC dc(&tip);
    EXPECT_EQ(tip.WrapTextLines(&dc, "", CRect(0, 0, 100, 20), TRUE, 18), 0);
    EXPECT_EQ(tip.WrapTextLines(&dc, "abc", CRect(0, 0, 0, 0), TRUE, 18), 3);
    EXPECT_EQ(tip.WrapTextLines(&dc, "abc", CRect(0, 0, 1000, 20), TRUE, 18), 1);
    EXPECT_EQ(tip.WrapTextLines(&dc, "WWW", CRect(0, 0, 2, 20), TRUE, 18), 3);
    EXPECT_EQ(tip.WrapTextLines(&dc, "abc", CRect(0, 0, 1000, 20), TRUE, -1), 0);
    EXPECT_EQ(tip.WrapTextLines(&dc, "abc", CRect(0, 0, 1000, 20), TRUE, 0), 1); // lines on one another
    EXPECT_EQ(tip.WrapTextLines(nullptr, "abc", CRect(0, 0, 1000, 20), TRUE, 18), 0);
    const CString dbcs("\x82\xa0\x82\xa2\x82\xa4");
    const int dbcsLines = tip.WrapTextLines(&dc, dbcs, CRect(0, 0, 0, 0), TRUE, 18);
    EXPECT_GE(dbcsLines, 3);
    EXPECT_LE(dbcsLines, 6);
    const CString longText(CString('x', 2000));
    EXPECT_EQ(tip.WrapTextLines(&dc, longText, CRect(0, 0, 0, 0), TRUE, 18), 2000);
}

TEST_F(TooltipShape, LinkLinePitchFollowsALargeFont)
{
    // Two lines of a 24-point font: its line height apart, not 18 pixels, so they do not
    // overlap.
    CFont big;
    ASSERT_TRUE(big.CreatePointFont(240, _T("Tahoma")));
    tip.SetFont(&big);
    tip.SetbLink(TRUE);
    CClientDC dc(&tip);
    CFont* pOld = dc.SelectObject(&big);
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOld);
    const int pitch = tm.tmHeight + tm.tmExternalLeading;
    ASSERT_GT(pitch, 18);
    const SIZE size = Measure("first line\r\nsecond, longer line");
    EXPECT_EQ(size.cy - 51, 2 * pitch);
    tip.SetFont(nullptr);
}

TEST_F(TooltipShape, FontIsTheParentsOrTheOneSet)
{
    CFont big, parentFont;
    ASSERT_TRUE(big.CreatePointFont(240, _T("Tahoma")));
    ASSERT_TRUE(parentFont.CreatePointFont(140, _T("Tahoma")));
    const SIZE plain = Measure("Font");

    tip.SetFont(&big);
    SIZE size = Measure("Font");
    const SIZE bigText = MeasureText(static_cast<HFONT>(big.GetSafeHandle()), "Font");
    EXPECT_EQ(size, vxtest::Sz(bigText.cx + 26, bigText.cy + 51));

    // Null: the parent's font again, as its WM_GETFONT answers.
    host.SetHandler([&](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_GETFONT)
            return false;
        result = reinterpret_cast<LRESULT>(parentFont.GetSafeHandle());
        return true;
    });
    tip.SetFont(nullptr);
    size = Measure("Font");
    const SIZE parentText = MeasureText(static_cast<HFONT>(parentFont.GetSafeHandle()), "Font");
    EXPECT_EQ(size.cx, parentText.cx + 26);
    host.SetHandler(nullptr);
    EXPECT_EQ(Measure("Font").cx, plain.cx);
}

TEST_F(TooltipShape, PaintsFillFramesAndColours)
{
    tip.SetBkColor(RGB(255, 255, 200));
    tip.SetFrameColor(RGB(200, 0, 0));
    tip.SetInnerFrameColor(RGB(0, 160, 0));
    CPoint pt(500, 400);
    tip.Show("Colours", &pt, "");
    vxtest::PumpFor(50);
    HWND hwnd = tip.GetSafeHwnd();
    RECT rc = WindowRect(hwnd);
    const int h = rc.bottom - rc.top - 25;
    const int midY = h / 2;
    EXPECT_EQ(vxtest::PixelAt(hwnd, 0, midY), RGB(200, 0, 0));     // outermost: the frame colour
    EXPECT_EQ(vxtest::PixelAt(hwnd, 1, midY), RGB(0, 160, 0));     // then two of the inner frame
    EXPECT_EQ(vxtest::PixelAt(hwnd, 2, midY), RGB(0, 160, 0));
    EXPECT_EQ(vxtest::PixelAt(hwnd, 3, midY), RGB(255, 255, 200)); // the fill
    EXPECT_EQ(vxtest::PixelAt(hwnd, 6, 3), RGB(255, 255, 200));
    // Dark text pixels inside the text rectangle.
    const int textPixels = CountColour(hwnd, {13, 13, rc.right - rc.left, h}, RGB(0, 0, 0));
    EXPECT_GT(textPixels, 0);
    tip.Hide(0);
}

TEST_F(TooltipShape, ShowingAndPaintingLeakNothing)
{
    HICON icon = MakeIcon(16, RGB(255, 0, 0));
    tip.SetIcon(icon);
    tip.SetbLink(TRUE);
    CPoint pt(500, 400);
    auto round = [&] {
        for (int i = 0; i < 10; ++i) {
            tip.Show(i % 2 ? "Short" : "A somewhat longer\r\ntext", &pt, "");
            tip.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            tip.SetTipText(_T("Other text"), &pt);
            tip.Hide(0);
        }
        vxtest::PumpMessages();
    };
    round();
    const vxtest::GuiCounts start = vxtest::GuiCounts::Now();
    round();
    EXPECT_EQ(vxtest::GuiCounts::Now(), start) << vxtest::ToString(vxtest::GuiCounts::Now());
    tip.SetIcon(static_cast<HICON>(nullptr));
    ::DestroyIcon(icon);
}

} // namespace
