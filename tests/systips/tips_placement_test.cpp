// Slot placement of stacked tips and the slide-out interval.
#include "vxTipsPlacement.h"

#include <gtest/gtest.h>

// POINT lives in the global namespace, so its comparison must too for gtest to find it.
static bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }
static std::ostream& operator<<(std::ostream& os, const POINT& p)
{
    return os << "(" << p.x << "," << p.y << ")";
}

namespace {

TEST(TipsPlacement, SlotsStackUpwardsFromTheWorkAreaBottom)
{
    const RECT work = {0, 0, 1600, 1000};
    // Three tips 300 wide: oldest highest, newest lowest, all right-aligned.
    EXPECT_EQ(vxTipsSlotOrigin(work, 0, 175, 3, 300), (POINT{1300, 475}));
    EXPECT_EQ(vxTipsSlotOrigin(work, 1, 175, 3, 300), (POINT{1300, 650}));
    EXPECT_EQ(vxTipsSlotOrigin(work, 2, 175, 3, 300), (POINT{1300, 825}));
    // After the middle one left: the newest stays, the oldest moves down one slot.
    EXPECT_EQ(vxTipsSlotOrigin(work, 0, 175, 2, 300), (POINT{1300, 650}));
    EXPECT_EQ(vxTipsSlotOrigin(work, 1, 175, 2, 300), (POINT{1300, 825}));
    // Widths differ per window; the slot does not depend on the window's height.
    EXPECT_EQ(vxTipsSlotOrigin(work, 0, 175, 1, 120), (POINT{1480, 825}));
    // Many tips run off the top rather than being squeezed.
    EXPECT_EQ(vxTipsSlotOrigin(work, 0, 175, 7, 300), (POINT{1300, -225}));
}

TEST(TipsPlacement, WorkAreaAwayFromTheScreenOrigin)
{
    // A bar along the top and the left: the stack still rests on the work area's bottom.
    const RECT work = {60, 40, 1280, 1024};
    EXPECT_EQ(vxTipsSlotOrigin(work, 0, 175, 1, 200), (POINT{1080, 849}));
    EXPECT_EQ(vxTipsSlotOrigin(work, 0, 175, 2, 200), (POINT{1080, 674}));
}

TEST(TipsPlacement, SlideOutIntervalSpreadsAboutTwoHundredMilliseconds)
{
    EXPECT_EQ(vxSlideOutInterval(175, 5), 200u / 35u);
    EXPECT_EQ(vxSlideOutInterval(100, 5), 10u);   // 20 steps
    EXPECT_EQ(vxSlideOutInterval(9, 5), 200u);    // one whole step
    EXPECT_EQ(vxSlideOutInterval(5, 5), 200u);
    // No whole step: a short interval, and the next tick ends the slide.
    EXPECT_EQ(vxSlideOutInterval(4, 5), 10u);
    EXPECT_EQ(vxSlideOutInterval(0, 5), 10u);
    EXPECT_EQ(vxSlideOutInterval(-30, 5), 10u);   // already below the bottom
    // Larger steps at a higher DPI: as many ticks for 1.5 times the distance.
    EXPECT_EQ(vxSlideOutInterval(262, 7), 200u / 37u);
    EXPECT_EQ(vxSlideOutInterval(100, 0), 10u);   // no step: ended at the next tick
}

} // namespace
