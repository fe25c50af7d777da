// The manager with real tip windows: its hidden window, the pick rules as the screen shows
// them, tips that died while waiting, clearing and removal, Uninit and bad input.
#include "tips_test_util.h"

#include "vxtest.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tipstest;

namespace {

class TipsManager : public TipsFixture {
protected:
    int Bottom(int slotsUp) const { return work.bottom - 175 * slotsUp; }
};

TEST_F(TipsManager, HiddenWindowAndDynamicCreation)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(vxCtrlSysTips);
    EXPECT_STREQ(pClass->m_lpszClassName, "vxCtrlSysTips");
    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    delete pObject;                              // never created: an ordinary delete

    tips = NewManager(1);
    HWND hwnd = tips->GetSafeHwnd();
    ASSERT_TRUE(::IsWindow(hwnd));
    EXPECT_EQ(tips->NotifyWnd(), hwnd);
    EXPECT_EQ(vxtest::WindowTextOf(hwnd), "vexelcore_2010_tips_window#@__");
    EXPECT_EQ((DWORD)::GetWindowLongPtrA(hwnd, GWL_STYLE) & ~WS_CLIPSIBLINGS, (DWORD)WS_CHILD);
    EXPECT_EQ(::GetDlgCtrlID(hwnd), 34234);
    EXPECT_EQ(::GetParent(hwnd), ::GetDesktopWindow());
    EXPECT_FALSE(::IsWindowVisible(hwnd));
    EXPECT_EQ(tips->Init(), 1);                  // a second Init keeps the window
    EXPECT_EQ(tips->GetSafeHwnd(), hwnd);
    EXPECT_EQ(tips->NotifyWnd(), hwnd);
    EXPECT_EQ(tips->ShowNextTips(), 1);
}

TEST_F(TipsManager, DefaultLimitDisplacesTheShownNormalTip)
{
    tips = NewManager(1);
    TipWindow a, b, h;
    _tagstSysTips ra = a.Record(0, 0, 0), rb = b.Record(0, 0, 0), rh = h.Record(0, 1, 0);
    tips->AddTips(kSrc1, &ra);
    tips->AddTips(kSrc1, &rb);
    EXPECT_EQ(tips->WaitingNormal(), 1);         // b waits for a's departure
    ASSERT_TRUE(vxtest::PumpUntil([&] { return b.Visible(); }));
    EXPECT_EQ(a.Log().closes, 1);                // asked to close, without animation
    EXPECT_TRUE(a.Log().destroyed);
    EXPECT_EQ(b.Rect().top, Bottom(1));

    // A high tip appears beside it at once; both stay.
    tips->AddTips(kSrc1, &rh);
    EXPECT_EQ(tips->Shown(), 2);
    EXPECT_EQ(b.Rect().top, Bottom(2));
    EXPECT_EQ(h.Rect().top, Bottom(1));
    vxtest::PumpFor(100);
    EXPECT_EQ(b.Log().closes, 0);
    EXPECT_EQ(h.Log().closes, 0);

    // A normal tip now waits: it never closes the high one, and H reaches the limit.
    TipWindow c;
    _tagstSysTips rc = c.Record(0, 0, 0);
    tips->AddTips(kSrc1, &rc);
    vxtest::PumpFor(100);
    EXPECT_EQ(tips->WaitingNormal(), 1);
    EXPECT_EQ(h.Log().closes + b.Log().closes, 0);
    ::SendMessageA(h.Hwnd(), WM_CLOSE, 0, 0);    // the high one leaves: c makes room next
    ASSERT_TRUE(vxtest::PumpUntil([&] { return c.Visible(); }));
    EXPECT_TRUE(b.Log().destroyed);
}

TEST_F(TipsManager, LimitZeroOnlyQueuesAndPriorityTwoIsNeverClosed)
{
    tips = NewManager(0);
    TipWindow a, b;
    _tagstSysTips ra = a.Record(0, 0, 0), rb = b.Record(0, 1, 0);
    tips->AddTips(kSrc1, &ra);
    tips->AddTips(kSrc1, &rb);
    vxtest::PumpFor(50);
    EXPECT_EQ(tips->Shown(), 0);
    EXPECT_EQ(tips->WaitingNormal() + tips->WaitingHigh(), 2);
    EXPECT_FALSE(a.Visible() || b.Visible());
    tips->ClearTips(kSrc1);
    EXPECT_EQ(tips->WaitingNormal() + tips->WaitingHigh(), 0);
    EXPECT_TRUE(::IsWindow(a.Hwnd()));           // clearing touches no window

    tips->SetTipsMaxCount(1);
    TipWindow p, n, m;
    _tagstSysTips rp = p.Record(0, 2, 0), rn = n.Record(0, 0, 0), rm = m.Record(0, 0, 0);
    tips->AddTips(kSrc1, &rp);
    tips->AddTips(kSrc1, &rn);                   // p counts neither way
    EXPECT_EQ(tips->Shown(), 2);
    tips->AddTips(kSrc1, &rm);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return m.Visible(); }));
    EXPECT_EQ(n.Log().closes, 1);
    EXPECT_EQ(p.Log().closes, 0);
    EXPECT_TRUE(p.Visible());
}

TEST_F(TipsManager, TipDestroyedWhileWaitingIsDroppedAtItsTurn)
{
    tips = NewManager(1);
    TipWindow a, c;
    auto b = std::make_unique<TipWindow>();
    _tagstSysTips ra = a.Record(0, 1, 0), rb = b->Record(0, 1, 0), rc = c.Record(0, 1, 0);
    tips->AddTips(kSrc1, &ra);
    tips->AddTips(kSrc1, &rb);
    tips->AddTips(kSrc1, &rc);
    EXPECT_EQ(tips->WaitingHigh(), 2);
    b.reset();                                   // the host destroys a waiting tip

    ::SendMessageA(a.Hwnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return c.Visible(); }));
    EXPECT_EQ(tips->Shown(), 1);                 // no slot kept for the dead one
    EXPECT_EQ(tips->ShownOf(1), 1);
    EXPECT_EQ(tips->WaitingHigh(), 0);
    EXPECT_EQ(c.Rect().top, Bottom(1));

    // The same for a normal tip shown straight from AddTips' run.
    TipWindow d;
    auto e = std::make_unique<TipWindow>();
    _tagstSysTips re = e->Record(0, 0, 0), rd = d.Record(0, 0, 0);
    tips->SetTipsMaxCount(0);
    tips->AddTips(kSrc1, &re);
    tips->AddTips(kSrc1, &rd);
    e.reset();
    tips->SetTipsMaxCount(2);
    EXPECT_EQ(tips->ShowNextTips(), 1);
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(tips->Shown(), 2);
    EXPECT_EQ(tips->WaitingNormal(), 0);
}

TEST_F(TipsManager, ClearingKeepsToTheSourceAndStopsTheTimers)
{
    tips = NewManager(3);
    TipWindow fade1, plain2, slide1, wait1, wait2;
    _tagstSysTips rf = fade1.Record(TIPS_SHOW_FADE, 0, 5000, kSrc1);
    _tagstSysTips rp = plain2.Record(0, 0, 0, kSrc2);
    _tagstSysTips rs = slide1.Record(TIPS_SHOW_SLIDE, 0, 5000, kSrc1);
    _tagstSysTips rw1 = wait1.Record(0, 1, 0, kSrc1);
    _tagstSysTips rw2 = wait2.Record(0, 0, 0, kSrc2);
    tips->AddTips(kSrc1, &rf);
    tips->AddTips(kSrc2, &rp);
    tips->AddTips(kSrc1, &rs);
    tips->SetTipsMaxCount(0);                    // keep the next two waiting
    tips->AddTips(kSrc1, &rw1);
    tips->AddTips(kSrc2, &rw2);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return fade1.Log().timerTicks > 2 && slide1.Log().timerTicks > 2; }));

    tips->ClearTips(kSrc1);
    EXPECT_EQ(tips->Shown(), 1);                 // the other source's tip stays shown
    EXPECT_EQ(tips->WaitingHigh(), 0);
    EXPECT_EQ(tips->WaitingNormal(), 1);
    EXPECT_TRUE(fade1.Unhooked());
    EXPECT_TRUE(slide1.Unhooked());
    EXPECT_FALSE(plain2.Unhooked());
    EXPECT_EQ(plain2.Rect().top, Bottom(1));     // closes the gaps
    EXPECT_TRUE(::IsWindow(fade1.Hwnd()) && ::IsWindow(slide1.Hwnd()));
    const int fadeTicks = fade1.Log().timerTicks, slideTicks = slide1.Log().timerTicks;
    vxtest::PumpFor(300);
    EXPECT_EQ(fade1.Log().timerTicks, fadeTicks); // no timer of ours keeps firing
    EXPECT_EQ(slide1.Log().timerTicks, slideTicks);
    EXPECT_FALSE(wait2.Visible());               // clearing runs no pick
    tips->SetTipsMaxCount(3);
    tips->ShowNextTips();
    EXPECT_TRUE(wait2.Visible());

    tips->ClearTips(kSrc2);
    EXPECT_EQ(tips->Shown(), 0);
    EXPECT_TRUE(plain2.Visible());               // let go of, not hidden

    // Cleared while fading or sliding out, a tip's timers stop too.
    for (const int mode : {TIPS_SHOW_FADE, TIPS_SHOW_SLIDE}) {
        TipWindow leaving;
        _tagstSysTips rl = leaving.Record(mode, 0, 50, kSrc1);
        tips->AddTips(kSrc1, &rl);
        const int nOutTimer = mode == TIPS_SHOW_FADE ? 3 : 11;
        ASSERT_TRUE(vxtest::PumpUntil([&] {
            const std::vector<int>& timers = mode == TIPS_SHOW_FADE ? leaving.Log().fadeTimers : leaving.Log().slideTimers;
            return !timers.empty() && timers.back() == nOutTimer;
        }, 5000)) << mode;
        tips->ClearTips(kSrc1);
        const int ticks = leaving.Log().timerTicks;
        vxtest::PumpFor(300);
        EXPECT_EQ(leaving.Log().timerTicks, ticks) << mode;
    }
}

TEST_F(TipsManager, RemovalStopsTheTimersAndShowsTheNext)
{
    tips = NewManager(1);
    TipWindow slide, next;
    _tagstSysTips rs = slide.Record(TIPS_SHOW_SLIDE, 1, 5000, kSrc1);
    _tagstSysTips rn = next.Record(0, 1, 0, kSrc2);
    tips->AddTips(kSrc1, &rs);
    tips->AddTips(kSrc2, &rn);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return slide.Log().slideTops.size() > 2; }));

    EXPECT_EQ(tips->RemoveTips(kSrc1, next.Hwnd()), 0); // waiting under another source
    EXPECT_EQ(tips->WaitingHigh(), 1);
    EXPECT_EQ(tips->RemoveTips(kSrc3, slide.Hwnd()), 1); // shown: the window alone decides
    EXPECT_TRUE(slide.Unhooked());
    const int ticks = slide.Log().timerTicks;
    ASSERT_TRUE(vxtest::PumpUntil([&] { return next.Visible(); }));
    vxtest::PumpFor(200);
    EXPECT_EQ(slide.Log().timerTicks, ticks);
    EXPECT_TRUE(slide.Visible());                // stays where it was
    EXPECT_EQ(slide.Log().closes, 0);

    EXPECT_EQ(tips->RemoveTips(kSrc2, next.Hwnd()), 1);
    EXPECT_EQ(tips->RemoveTips(kSrc2, next.Hwnd()), 0);
    EXPECT_EQ(tips->Shown(), 0);
}

TEST_F(TipsManager, BadInputChangesNothing)
{
    tips = NewManager(0);
    EXPECT_EQ(tips->AddTips(kSrc1, nullptr), 0);
    _tagstSysTips bogus = {};
    bogus.hWnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0));
    EXPECT_EQ(tips->AddTips(kSrc1, &bogus), 0);
    bogus.hWnd = nullptr;
    EXPECT_EQ(tips->AddTips(kSrc1, &bogus), 0);
    auto gone = std::make_unique<TipWindow>();
    _tagstSysTips rg = gone->Record(TIPS_SHOW_FADE, 1, 10);
    gone.reset();
    EXPECT_EQ(tips->AddTips(kSrc1, &rg), 0);
    EXPECT_EQ(tips->WaitingNormal() + tips->WaitingHigh() + tips->Shown(), 0);
    EXPECT_EQ(tips->RemoveTips(kSrc1, nullptr), 0);
    EXPECT_EQ(tips->RemoveTips(kSrc1, rg.hWnd), 0);

    // Unknown show modes and priorities are valid: shown plainly, queued as normal.
    TipWindow odd;
    _tagstSysTips ro = odd.Record(77, -5, 10);
    tips->SetTipsMaxCount(1);
    EXPECT_EQ(tips->AddTips(kSrc1, &ro), 1);
    EXPECT_TRUE(odd.Visible());
    vxtest::PumpFor(100);
    EXPECT_EQ(odd.Log().timerTicks, 0);
    EXPECT_EQ(tips->ShownOf(0) + tips->ShownOf(1), 0);
    // The host's record is its own: changing it afterwards changes nothing queued.
    ro.priority = TIPS_PRIORITY_HIGH;
    EXPECT_EQ(tips->ShownOf(1), 0);
}

TEST_F(TipsManager, UninitDestroysWaitingAndShownTips)
{
    tips = NewManager(1);
    TipWindow a, b, c;
    _tagstSysTips ra = a.Record(TIPS_SHOW_FADE, 0, 5000), rb = b.Record(0, 1, 0);
    _tagstSysTips rc = c.Record(0, 1, 0);
    tips->AddTips(kSrc1, &ra);
    tips->AddTips(kSrc1, &rb);
    tips->AddTips(kSrc1, &rc);
    EXPECT_EQ(tips->Shown(), 2);
    EXPECT_EQ(tips->WaitingHigh(), 1);
    tips->Uninit();
    EXPECT_TRUE(a.Log().destroyed && b.Log().destroyed && c.Log().destroyed);
    EXPECT_EQ(a.Log().closes + b.Log().closes + c.Log().closes, 0);
    EXPECT_EQ(tips->Shown() + tips->WaitingHigh() + tips->WaitingNormal(), 0);
    EXPECT_TRUE(::IsWindow(tips->GetSafeHwnd())); // the manager's window stays

    TipWindow d, e;                              // and it goes on without a new Init
    _tagstSysTips rd = d.Record(0, 0, 0), re = e.Record(0, 0, 0);
    tips->AddTips(kSrc1, &rd);
    tips->AddTips(kSrc1, &re);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return e.Visible(); }));
}

TEST_F(TipsManager, DestroyingTheManagerLetsGoOfShownTips)
{
    // A fading and a sliding tip on screen when the manager is deleted: both are let go (no
    // hook, no timer of the manager's), and stay the host's.
    auto round = [&] {
        OpenSysTips* own = NewManager(2);
        TipWindow f, s;
        _tagstSysTips rf = f.Record(TIPS_SHOW_FADE, 0, 10), rs = s.Record(TIPS_SHOW_SLIDE, 0, 10);
        own->AddTips(kSrc1, &rf);
        own->AddTips(kSrc1, &rs);
        ASSERT_TRUE(vxtest::PumpUntil([&] { return f.Log().timerTicks > 1; }));
        DestroyManager(own);
        const int fTicks = f.Log().timerTicks, sTicks = s.Log().timerTicks;
        vxtest::PumpFor(1500);                   // past both tips' own ends
        EXPECT_TRUE(f.Unhooked());
        EXPECT_TRUE(s.Unhooked());
        EXPECT_EQ(f.Log().timerTicks, fTicks);
        EXPECT_EQ(s.Log().timerTicks, sTicks);
        EXPECT_FALSE(f.Log().destroyed);
    };
    // The first round fills what the platform keeps after a first showing; the second leaves
    // nothing.
    round();
    vxtest::PumpMessages();
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    round();
    vxtest::PumpMessages();
    EXPECT_EQ(vxtest::GuiCounts::Now(), before) << vxtest::ToString(vxtest::GuiCounts::Now());
}

} // namespace
