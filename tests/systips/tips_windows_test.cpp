// Shown tips under real timers: placement in the stack, the fade's alpha sequence, the slide
// positions, hovering a fading tip, and closing by the host.
#include "tips_test_util.h"

#include "fault_injection.h"
#include "vxtest.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tipstest;

namespace {

const DWORD kLong = 10000;           // bound for animations of a second or two

class TipsWindows : public TipsFixture {};

TEST_F(TipsWindows, PlainTipsStackAndCloseUpAfterRemoval)
{
    tips = NewManager(3);
    TipWindow a, b, c;
    _tagstSysTips ra = a.Record(0, 0, 0), rb = b.Record(0, 0, 0), rc = c.Record(0, 0, 0);
    ASSERT_EQ(tips->AddTips(kSrc1, &ra), 1);
    ASSERT_EQ(tips->AddTips(kSrc1, &rb), 1);
    ASSERT_EQ(tips->AddTips(kSrc1, &rc), 1);
    EXPECT_EQ(tips->Shown(), 3);

    const int left = work.right - 300;
    EXPECT_EQ(a.Rect().top, work.bottom - 525);  // oldest highest
    EXPECT_EQ(b.Rect().top, work.bottom - 350);
    EXPECT_EQ(c.Rect().top, work.bottom - 175);  // newest lowest
    for (TipWindow* t : {&a, &b, &c}) {
        EXPECT_EQ(t->Rect().left, left);
        EXPECT_EQ(t->Rect().right - t->Rect().left, 300); // sizes are kept
        EXPECT_TRUE(t->Visible());
        EXPECT_FALSE(t->Unhooked());
        EXPECT_EQ(::GetWindowLongPtrA(t->Hwnd(), GWL_EXSTYLE) & ~(LONG_PTR)WS_EX_TOPMOST,
                  (LONG_PTR)WS_EX_TOOLWINDOW);
        EXPECT_NE(::GetWindowLongPtrA(t->Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    }
    vxtest::PumpFor(100);
    EXPECT_EQ(a.Log().timerTicks + b.Log().timerTicks + c.Log().timerTicks, 0); // plain: no timer

    const RECT middle = b.Rect();
    EXPECT_EQ(tips->RemoveTips(kSrc2, b.Hwnd()), 1); // the show list matches by window alone
    EXPECT_EQ(tips->Shown(), 2);
    EXPECT_EQ(a.Rect().top, work.bottom - 350);  // down one slot
    EXPECT_EQ(c.Rect().top, work.bottom - 175);  // stays
    EXPECT_TRUE(b.Unhooked());                   // let go of, where it was, still visible
    EXPECT_TRUE(b.Visible());
    EXPECT_EQ(b.Rect().top, middle.top);
    EXPECT_EQ(tips->RemoveTips(kSrc1, b.Hwnd()), 0);
}

// The work area set for a test, and the old one back afterwards, each announced to the
// top-level windows as Windows announces it (Wine sets it without a word).
class WorkAreaChange
{
public:
    explicit WorkAreaChange(const RECT& rcNew) { Set(rcNew); }
    ~WorkAreaChange() { Set(m_rcOld); }

private:
    void Set(const RECT& rc)
    {
        RECT copy = rc;
        ::SystemParametersInfoA(SPI_SETWORKAREA, 0, &copy, SPIF_SENDCHANGE);
        DWORD_PTR result = 0;
        ::SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0,
                              SMTO_ABORTIFHUNG, 2000, &result);
        vxtest::PumpMessages();
    }
    RECT m_rcOld = WorkArea();
};

TEST_F(TipsWindows, ShownTipsFollowTheWorkAreaAndTheChosenMonitor)
{
    tips = NewManager(2);
    TipWindow a, b;
    _tagstSysTips ra = a.Record(0, 0, 0), rb = b.Record(0, 0, 0);
    ASSERT_EQ(tips->AddTips(kSrc1, &ra), 1);
    ASSERT_EQ(tips->AddTips(kSrc1, &rb), 1);
    {
        // A taskbar grown to 100 pixels at the bottom and 50 at the right.
        const RECT smaller = {work.left, work.top, work.right - 50, work.bottom - 100};
        WorkAreaChange change(smaller);
        ASSERT_EQ(WorkArea().bottom, smaller.bottom);
        EXPECT_TRUE(vxtest::PumpUntil([&] { return b.Rect().top == smaller.bottom - 175; }));
        EXPECT_EQ(a.Rect().top, smaller.bottom - 350);
        EXPECT_EQ(a.Rect().right, smaller.right);
    }
    EXPECT_TRUE(vxtest::PumpUntil([&] { return b.Rect().top == work.bottom - 175; }));
    EXPECT_EQ(a.Rect().right, work.right);

    // A monitor handle that names no monitor stacks them on the primary one.
    tips->SetMonitor(reinterpret_cast<HMONITOR>(static_cast<INT_PTR>(0x7FFF1234)));
    EXPECT_EQ(b.Rect().top, work.bottom - 175);
    const POINT origin = {0, 0};
    tips->SetMonitor(::MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY));
    EXPECT_EQ(a.Rect().top, work.bottom - 350);
}

TEST_F(TipsWindows, FadeAppliesTheAlphaSequenceAndCloses)
{
    tips = NewManager(1);
    TipWindow t;
    _tagstSysTips r = t.Record(TIPS_SHOW_FADE, 0, 100);
    ASSERT_EQ(tips->AddTips(kSrc1, &r), 1);
    EXPECT_TRUE(t.Visible());
    EXPECT_EQ(t.Alpha(), 5);                     // the first application
    EXPECT_EQ(t.Rect().top, work.bottom - 175);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return t.Log().destroyed; }, kLong));

    std::vector<int> expected;
    for (int a = 5; a <= 245; a += 15)           // 17 fade-in ticks, then full opacity
        expected.push_back(a);
    expected.push_back(255);
    for (int a = 240; a >= 15; a -= 15)          // 16 fade-out steps
        expected.push_back(a);
    expected.push_back(15);                      // the 17th tick closes
    EXPECT_EQ(t.Log().fadeAlphas, expected);
    std::vector<int> timers(18, 2);
    timers.insert(timers.end(), 17, 3);
    EXPECT_EQ(t.Log().fadeTimers, timers);
    EXPECT_EQ(t.Log().closes, 1);
    EXPECT_EQ(tips->Shown(), 0);
}

TEST_F(TipsWindows, SlideRisesIntoPlaceAndSinksOutOfTheWorkArea)
{
    tips = NewManager(1);
    TipWindow t(300, 40);
    _tagstSysTips r = t.Record(TIPS_SHOW_SLIDE, 0, 0);
    ASSERT_EQ(tips->AddTips(kSrc1, &r), 1);
    const int rest = work.bottom - 175;
    EXPECT_FALSE(t.Visible());                   // shown by the first tick
    ASSERT_TRUE(vxtest::PumpUntil([&] { return t.Log().destroyed; }, kLong));

    std::vector<int> expected, timers;
    for (int y = rest + 35; y > rest; y -= 5)    // from one window height below
        expected.push_back(y);
    expected.push_back(rest);                    // the last rising tick lands on the slot
    timers.assign(expected.size(), 10);
    const int distance = work.bottom - rest;
    for (int k = 1; k < distance / 5; ++k)       // sinking 5 at a time to the bottom
        expected.push_back(rest + 5 * k);
    expected.push_back(rest + 5 * (distance / 5 - 1)); // the final tick hides and closes
    timers.resize(expected.size(), 11);
    EXPECT_EQ(t.Log().slideTops, expected);
    EXPECT_EQ(t.Log().slideTimers, timers);
    EXPECT_EQ(t.Log().closes, 1);
}

TEST_F(TipsWindows, TipWhoseAnimationTimerIsRefusedShowsAtOnceAndStillLeaves)
{
    tips = NewManager(2);
    const int rest = work.bottom - 175;
    for (int mode : {(int)TIPS_SHOW_FADE, (int)TIPS_SHOW_SLIDE}) {
        SCOPED_TRACE(testing::Message() << "show mode " << mode);
        TipWindow t(300, 40);
        _tagstSysTips r = t.Record(mode, 0, 100);
        {
            vxtest::FaultInjector injector;
            injector.FailNextOf(vxtest::Request::Timer);
            ASSERT_EQ(tips->AddTips(kSrc1, &r), 1);
            EXPECT_TRUE(injector.Failed());
        }
        EXPECT_TRUE(t.Visible());
        EXPECT_EQ(t.Alpha(), 255);
        EXPECT_EQ(t.Rect().top, rest);
        // Its stay still ends it, the animated way.
        EXPECT_TRUE(vxtest::PumpUntil([&] { return t.Log().destroyed; }, kLong));
        EXPECT_EQ(t.Log().closes, 1);
    }
}

TEST_F(TipsWindows, RelayoutDuringTheRiseRedirectsTheSlide)
{
    tips = NewManager(1);
    TipWindow t(300, 40);
    _tagstSysTips r = t.Record(TIPS_SHOW_SLIDE, 0, 60000);
    ASSERT_EQ(tips->AddTips(kSrc1, &r), 1);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return t.Log().slideTops.size() >= 2; }, kLong));
    // The slot rises by 100 pixels while the tip is on its way: it keeps rising to the new
    // one, never put there at once and then back below.
    const RECT smaller = {work.left, work.top, work.right, work.bottom - 100};
    WorkAreaChange change(smaller);
    const int rest = smaller.bottom - 175;
    ASSERT_TRUE(vxtest::PumpUntil([&] { return !t.Log().slideTops.empty() && t.Log().slideTops.back() == rest; }, kLong));
    const std::vector<int>& tops = t.Log().moveTops;
    const auto firstRise = std::find_if(tops.begin(), tops.end(), [&](int top) { return top > work.bottom - 175; });
    ASSERT_NE(firstRise, tops.end());
    for (auto it = firstRise + 1; it != tops.end(); ++it)
        EXPECT_LE(*it, *(it - 1)) << "a jump at move " << (it - tops.begin());
    EXPECT_EQ(tops.back(), rest);
}

TEST_F(TipsWindows, RelayoutDuringTheSlideOutLetsItSinkOn)
{
    tips = NewManager(1);
    TipWindow t(300, 40);
    _tagstSysTips r = t.Record(TIPS_SHOW_SLIDE, 0, 100);
    ASSERT_EQ(tips->AddTips(kSrc1, &r), 1);
    const int rest = work.bottom - 175;
    // Two sinking ticks, then the slot moves up: the tip goes on sinking, tick by tick.
    ASSERT_TRUE(vxtest::PumpUntil([&] {
        const std::vector<int>& timers = t.Log().slideTimers;
        return std::count(timers.begin(), timers.end(), 11) >= 2;
    }, kLong));
    const size_t sunk = t.Log().slideTops.size();
    {
        const RECT smaller = {work.left, work.top, work.right, work.bottom - 100};
        WorkAreaChange change(smaller);
        ASSERT_TRUE(vxtest::PumpUntil([&] { return t.Log().destroyed; }, kLong));
    }
    const std::vector<int>& tops = t.Log().slideTops;
    EXPECT_GT(tops.size(), sunk + 5) << "the slide-out ended early";
    for (size_t i = sunk; i < tops.size(); ++i)
        EXPECT_GT(tops[i], rest) << i;
    EXPECT_EQ(t.Log().closes, 1);
}

TEST_F(TipsWindows, SlideOutWithoutAWholeStepEndsAtTheNextTick)
{
    tips = NewManager(1);
    TipWindow t(300, 40);
    _tagstSysTips r = t.Record(TIPS_SHOW_SLIDE, 0, 400);
    ASSERT_EQ(tips->AddTips(kSrc1, &r), 1);
    ASSERT_TRUE(vxtest::PumpUntil([&] {
        return !t.Log().slideTops.empty() && t.Log().slideTops.back() == work.bottom - 175;
    }, kLong));
    // The host moves the tip nearly out of the work area during its stay.
    ::SetWindowPos(t.Hwnd(), nullptr, t.Rect().left, work.bottom - 3, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const size_t risen = t.Log().slideTops.size();
    ASSERT_TRUE(vxtest::PumpUntil([&] { return t.Log().destroyed; }, kLong));
    ASSERT_EQ(t.Log().slideTops.size(), risen + 1); // one tick: hidden and closed
    EXPECT_EQ(t.Log().slideTops.back(), work.bottom - 3);
    EXPECT_EQ(t.Log().closes, 1);
}

TEST_F(TipsWindows, PointerOverAFadingOutTipFadesItBackAndItStays)
{
    tips = NewManager(1);
    TipWindow t;
    const UINT stay = 600;
    _tagstSysTips r = t.Record(TIPS_SHOW_FADE, 0, stay);
    ASSERT_EQ(tips->AddTips(kSrc1, &r), 1);
    TipLog& log = t.Log();
    // Wait for the fade-out to be under way.
    ASSERT_TRUE(vxtest::PumpUntil([&] { return log.fadeTimers.size() >= 21; }, kLong));
    ASSERT_EQ(log.fadeTimers.back(), 3);
    const int lowest = t.Alpha();
    EXPECT_LT(lowest, 255);

    const RECT rc = t.Rect();
    ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return log.fadeTimers.back() == 2; }, kLong));
    ASSERT_TRUE(vxtest::PumpUntil([&] { return t.Alpha() == 255; }, kLong));
    // Rising again from where the fade-out stood.
    size_t firstIn = log.fadeTimers.size() - 1;
    while (firstIn > 0 && log.fadeTimers[firstIn - 1] == 2)
        --firstIn;
    EXPECT_LE(log.fadeAlphas[firstIn], lowest);

    // It stays while the pointer remains, well beyond its stay time.
    const size_t ticks = log.fadeTimers.size();
    vxtest::PumpFor(3 * stay);
    EXPECT_EQ(log.fadeTimers.size(), ticks);
    EXPECT_FALSE(log.destroyed);
    EXPECT_EQ(t.Alpha(), 255);

    // After the pointer leaves it stays a full stay time again, then fades out.
    const int leavesBefore = log.mouseLeaves;
    ::SetCursorPos(0, 0);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return log.mouseLeaves > leavesBefore; }, kLong));
    const DWORD left = log.lastLeaveTime;
    ASSERT_TRUE(vxtest::PumpUntil([&] { return log.fadeTimers.back() == 3; }, kLong));
    const DWORD fadeOutTick = log.timerTimes.back();
    EXPECT_GE(fadeOutTick - left, stay - 20);    // timer resolution, never much earlier
    ASSERT_TRUE(vxtest::PumpUntil([&] { return log.destroyed; }, kLong));
}

TEST_F(TipsWindows, LeavingDuringTheFadeInStillEndsTheTip)
{
    // A stay shorter than the rest of the fade-in must not make the fade-out run against it.
    tips = NewManager(1);
    TipWindow t;
    _tagstSysTips r = t.Record(TIPS_SHOW_FADE, 0, 20);
    ASSERT_EQ(tips->AddTips(kSrc1, &r), 1);
    const RECT rc = t.Rect();
    ASSERT_TRUE(vxtest::PumpUntil([&] { return t.Log().fadeTimers.size() >= 3; }, kLong));
    ::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    vxtest::PumpFor(150);
    const int leavesBefore = t.Log().mouseLeaves;
    ::SetCursorPos(0, 0);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return t.Log().mouseLeaves > leavesBefore; }, kLong));
    ASSERT_TRUE(vxtest::PumpUntil([&] { return t.Log().destroyed; }, kLong));
    // Once at full opacity, the alpha only fell.
    const auto& alphas = t.Log().fadeAlphas;
    auto top = std::find(alphas.begin(), alphas.end(), 255);
    ASSERT_NE(top, alphas.end());
    for (auto it = top + 1; it != alphas.end(); ++it)
        EXPECT_LE(*it, *(it - 1));
}

TEST_F(TipsWindows, HostCloseEndsATipAndShowsTheNext)
{
    tips = NewManager(1);
    TipWindow a, b;
    _tagstSysTips ra = a.Record(0, 1, 0), rb = b.Record(TIPS_SHOW_FADE, 1, 5000);
    tips->AddTips(kSrc1, &ra);
    tips->AddTips(kSrc1, &rb);
    EXPECT_EQ(tips->Shown(), 1);                 // the high limit holds b back
    EXPECT_EQ(tips->WaitingHigh(), 1);
    EXPECT_FALSE(b.Visible());

    ::SendMessageA(a.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(a.Log().destroyed);              // the window's own handling destroyed it
    EXPECT_EQ(a.Log().closes, 1);
    EXPECT_EQ(tips->Shown(), 0);                 // the next is shown by the posted message
    ASSERT_TRUE(vxtest::PumpUntil([&] { return tips->Shown() == 1; }));
    EXPECT_TRUE(b.Visible());
    EXPECT_EQ(tips->WaitingHigh(), 0);
    EXPECT_EQ(b.Rect().top, work.bottom - 175);

    // Closing a fading tip early: hidden, timers gone with it.
    ::PostMessageA(b.Hwnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return b.Log().destroyed; }));
    EXPECT_EQ(tips->Shown(), 0);
}

} // namespace
