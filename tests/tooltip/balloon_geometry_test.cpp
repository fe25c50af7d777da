// Balloon body, window size, stem and placement arithmetic, text and icon positions.
#include "vxBalloonGeometry.h"

#include "vxtest_checks.h"

#include <gtest/gtest.h>

namespace {

const vxBalloonMetrics kMetrics = {13, 13, 25, 25, 5};

TEST(BalloonGeometry, BodyWindowAndStemAroundAText)
{
    // "Hi" measured 15 x 13, no icon.
    vxBalloonShape s = vxCalcBalloonShape({15, 13}, {0, 0}, 13, kMetrics);
    EXPECT_EQ(s.sizeBody, vxtest::Sz(41, 39));
    EXPECT_EQ(s.sizeWnd, vxtest::Sz(41, 64));
    EXPECT_EQ(s.ptTip, vxtest::Pt(28, 51));
    // Upright side from inside the body down to the tip, top side 25 to the left.
    EXPECT_EQ(s.ptStem[0], vxtest::Pt(28, 26));
    EXPECT_EQ(s.ptStem[1], vxtest::Pt(28, 51));
    EXPECT_EQ(s.ptStem[2], vxtest::Pt(3, 26));

    // An empty text still has its margins.
    s = vxCalcBalloonShape({0, 0}, {0, 0}, 13, kMetrics);
    EXPECT_EQ(s.sizeBody, vxtest::Sz(26, 26));
    EXPECT_EQ(s.sizeWnd, vxtest::Sz(26, 51));
    EXPECT_EQ(s.ptTip, vxtest::Pt(13, 38));
}

TEST(BalloonGeometry, IconsWidenAndHeightenTheBody)
{
    vxBalloonShape s = vxCalcBalloonShape({15, 13}, {16, 16}, 13, kMetrics);
    EXPECT_EQ(s.sizeBody.cx, 41 + 21);
    EXPECT_EQ(s.sizeBody.cy, 39);          // the text with margins is taller than 16

    // An icon much taller than the line stands at the top margin: the body has the bottom
    // margin below it, so that it is not cut off.
    s = vxCalcBalloonShape({15, 13}, {48, 48}, 13, kMetrics);
    EXPECT_EQ(s.sizeBody, vxtest::Sz(41 + 53, 48 + 26));
    EXPECT_EQ(s.sizeWnd.cy, 74 + 25);
    EXPECT_EQ(s.ptTip, vxtest::Pt(94 - 13, 74 + 12));
    EXPECT_EQ(vxCalcBalloonShape({15, 13}, {32, 32}, 13, kMetrics).sizeBody.cy, 32 + 26);
    // An icon that fits beside the line ends with it: the body is the text's.
    EXPECT_EQ(vxCalcBalloonShape({15, 13}, {24, 24}, 13, kMetrics).sizeBody.cy, 39);

    // Link mode hands in the wrapped extent: three lines of 18 pixels.
    s = vxCalcBalloonShape({120, 54}, {32, 32}, 13, kMetrics);
    EXPECT_EQ(s.sizeBody, vxtest::Sz(120 + 26 + 37, 80));
}

TEST(BalloonGeometry, WindowIsPlacedSoThatTheTipTouchesThePoint)
{
    vxBalloonShape s = vxCalcBalloonShape({15, 13}, {0, 0}, 13, kMetrics);
    POINT pos = vxBalloonWindowPos({500, 400}, s.sizeWnd, kMetrics);
    EXPECT_EQ(pos, vxtest::Pt(500 - 41 + 13, 400 - 64 + 13));
    EXPECT_EQ(pos.x + s.ptTip.x, 500);
    EXPECT_EQ(pos.y + s.ptTip.y, 400);

    // Not clamped: near the screen's corner the window starts off screen.
    pos = vxBalloonWindowPos({5, 5}, s.sizeWnd, kMetrics);
    EXPECT_EQ(pos, vxtest::Pt(-23, -46));
}

// Near a monitor's top or left edge the balloon turns to the other side of its point; the
// window's tip still lies on the point, and the body stays clear of the edge.
TEST(BalloonGeometry, TurnsAwayFromTheTopAndLeftEdges)
{
    const RECT monitor = {-1024, 0, 0, 768};
    const SIZE sizeWnd = vxCalcBalloonShape({15, 13}, {0, 0}, 13, kMetrics).sizeWnd; // 41 x 64
    const struct {
        POINT ptTip;
        UINT nStem;
    } cases[] = {
        {{-500, 400}, 0},
        {{-500, 63}, 0},                                         // the window's top at 12
        {{-500, 50}, VX_BALLOON_STEM_UP},
        {{-996, 400}, 0},                                        // its left at -1024
        {{-997, 400}, VX_BALLOON_STEM_LEFT},
        {{-1010, 5}, VX_BALLOON_STEM_UP | VX_BALLOON_STEM_LEFT},
    };
    for (const auto& c : cases) {
        const UINT nStem = vxBalloonStemFor(c.ptTip, sizeWnd, kMetrics, monitor);
        EXPECT_EQ(nStem, c.nStem) << c.ptTip.x << "," << c.ptTip.y;
        const vxBalloonShape s = vxCalcBalloonShape({15, 13}, {0, 0}, 13, kMetrics, nStem);
        const POINT pos = vxBalloonWindowPos(c.ptTip, s.sizeWnd, kMetrics, nStem);
        EXPECT_EQ(pos.x + s.ptTip.x, c.ptTip.x);
        EXPECT_EQ(pos.y + s.ptTip.y, c.ptTip.y);
        EXPECT_GE(pos.y + s.yBody, monitor.top);
    }
    // The turned stem: upright side from the tip into the body, top side to the right.
    const vxBalloonShape up = vxCalcBalloonShape({15, 13}, {0, 0}, 13, kMetrics, VX_BALLOON_STEM_UP | VX_BALLOON_STEM_LEFT);
    EXPECT_EQ(up.yBody, 25);
    EXPECT_EQ(up.sizeWnd.cy, 64);
    EXPECT_EQ(up.ptTip, vxtest::Pt(13, 13));
    EXPECT_EQ(up.ptStem[0].y, 38);
    EXPECT_EQ(up.ptStem[2], vxtest::Pt(38, 38));
}

TEST(BalloonGeometry, TextRectangleAndIconPlace)
{
    RECT rc = vxBalloonTextRect({0, 0, 41, 64}, {0, 0}, kMetrics);
    EXPECT_RECT(rc, 13, 13, 41, 64);
    rc = vxBalloonTextRect({0, 0, 62, 64}, {16, 16}, kMetrics);
    EXPECT_EQ(rc.left, 34);
    EXPECT_EQ(rc.top, 13);

    // The icon's bottom on the first line's bottom ...
    EXPECT_EQ(vxBalloonIconTop(13, 16, kMetrics), 10);
    EXPECT_EQ(vxBalloonIconTop(13, 25, kMetrics), 1);
    // ... unless it would stick out above the window.
    EXPECT_EQ(vxBalloonIconTop(13, 26, kMetrics), 13);
    EXPECT_EQ(vxBalloonIconTop(13, 48, kMetrics), 13);
}

} // namespace
