// The host against the tips manager: a shown tip closed but kept, or destroyed without
// WM_CLOSE, the same window given twice, a window of another thread, and tips removed,
// cleared or the whole manager ended from inside a tip's own messages while the stack is
// placed.
#include "tips_test_util.h"

#include "rvSkinTools.h"

#include "vxtest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <type_traits>
#include <vector>

using namespace tipstest;

namespace {

static_assert(std::has_virtual_destructor<rvSkinTools>::value && std::is_empty<rvSkinTools>::value == false &&
                  sizeof(rvSkinTools) == sizeof(void*),
              "a memberless class whose one operation is its virtual destructor");

using TipsHostUnkind = TipsFixture;

// The host closes a shown tip whose window stays (its procedure keeps it, as a host that
// reuses its tip windows does): the tip leaves the stack, hidden.
TEST_F(TipsHostUnkind, ATipTheHostClosesLeavesTheStackHiddenThoughItsWindowStays)
{
    tips = NewManager(2);
    TipWindow kept, other;
    kept.Log().keepOnClose = true;
    _tagstSysTips rk = kept.Record(0, 0, 0), ro = other.Record(0, 0, 0);
    ASSERT_EQ(tips->AddTips(kSrc1, &rk), 1);
    ASSERT_EQ(tips->AddTips(kSrc1, &ro), 1);
    ASSERT_TRUE(kept.Visible());
    ::SendMessageA(kept.Hwnd(), WM_CLOSE, 0, 0);
    vxtest::PumpMessages();
    EXPECT_TRUE(::IsWindow(kept.Hwnd()));
    EXPECT_FALSE(kept.Visible());
    EXPECT_EQ(tips->Shown(), 1);
    EXPECT_TRUE(kept.Unhooked());
}

TEST_F(TipsHostUnkind, ShownTipDestroyedWithoutCloseFreesItsSlot)
{
    tips = NewManager(1);
    for (int mode : {0, (int)TIPS_SHOW_FADE, (int)TIPS_SHOW_SLIDE}) {
        SCOPED_TRACE(testing::Message() << "show mode " << mode);
        TipWindow first, next;
        _tagstSysTips rFirst = first.Record(mode, 1, 60000), rNext = next.Record(mode, 1, 60000);
        ASSERT_EQ(tips->AddTips(kSrc1, &rFirst), 1);
        ASSERT_EQ(tips->AddTips(kSrc1, &rNext), 1);
        EXPECT_EQ(tips->Shown(), 1);
        EXPECT_EQ(tips->WaitingHigh(), 1);

        // The host ends the shown tip its own way: no WM_CLOSE, the slot comes free.
        ::DestroyWindow(first.Hwnd());
        EXPECT_EQ(first.Log().closes, 0);
        EXPECT_TRUE(vxtest::PumpUntil([&] { return next.Log().shows == 1; }));
        EXPECT_EQ(tips->Shown(), 1);
        EXPECT_EQ(tips->WaitingHigh(), 0);
        EXPECT_FALSE(next.Unhooked());
        tips->RemoveTips(kSrc1, next.Hwnd());
        EXPECT_TRUE(next.Unhooked());
    }
}

TEST_F(TipsHostUnkind, SameWindowTwiceOrAnotherThreadsWindowIsRefused)
{
    tips = NewManager(1);
    TipWindow shown, waiting;
    _tagstSysTips rShown = shown.Record(0, 1, 0), rWaiting = waiting.Record(0, 1, 0);
    ASSERT_EQ(tips->AddTips(kSrc1, &rShown), 1);
    ASSERT_EQ(tips->AddTips(kSrc1, &rWaiting), 1);
    // Again, shown or waiting, any priority or source: refused, nothing changes.
    _tagstSysTips rAgain = shown.Record(0, 0, 0, kSrc2);
    EXPECT_EQ(tips->AddTips(kSrc2, &rAgain), 0);
    rAgain = waiting.Record(0, 1, 0);
    EXPECT_EQ(tips->AddTips(kSrc1, &rAgain), 0);
    EXPECT_EQ(tips->Shown(), 1);
    EXPECT_EQ(tips->WaitingHigh(), 1);
    EXPECT_EQ(tips->WaitingNormal(), 0);
    EXPECT_FALSE(shown.Unhooked());
    EXPECT_TRUE(waiting.Unhooked());

    // A window that lives on another thread.
    std::atomic<HWND> foreign{nullptr};
    std::atomic<bool> done{false};
    std::thread owner([&] {
        HWND hwnd = ::CreateWindowExA(0, "Static", "foreign", WS_POPUP, 0, 0, 50, 50, NULL, NULL,
                                      ::GetModuleHandleA(NULL), NULL);
        foreign = hwnd;
        while (!done) {
            MSG msg;
            while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
                ::DispatchMessageA(&msg);
            ::Sleep(5);
        }
        ::DestroyWindow(hwnd);
    });
    while (foreign == nullptr)
        ::Sleep(5);
    _tagstSysTips rForeign = shown.Record(0, 1, 0);
    rForeign.hWnd = foreign;
    EXPECT_EQ(tips->AddTips(kSrc1, &rForeign), 0);
    EXPECT_EQ(tips->WaitingHigh(), 1);
    done = true;
    owner.join();
}

TEST_F(TipsHostUnkind, HostChangesTheTipsFromInsideAPlacement)
{
    enum class Act { RemoveItself, RemoveAnother, ClearSource, Uninit, EndManager };
    for (Act act : {Act::RemoveItself, Act::RemoveAnother, Act::ClearSource, Act::Uninit, Act::EndManager}) {
        SCOPED_TRACE(testing::Message() << "act " << (int)act);
        tips = NewManager(4);
        TipWindow a, b, c, d;
        for (TipWindow* t : {&a, &b, &c, &d}) {
            _tagstSysTips r = t->Record(0, 0, 0);
            ASSERT_EQ(tips->AddTips(kSrc1, &r), 1);
        }
        ASSERT_EQ(tips->Shown(), 4);
        // When b is moved into a's slot, its owner acts; c and d are still to be placed.
        bool acted = false;
        b.Log().onMoved = [&] {
            if (acted)
                return;
            acted = true;
            switch (act) {
            case Act::RemoveItself: tips->RemoveTips(kSrc1, b.Hwnd()); break;
            case Act::RemoveAnother: tips->RemoveTips(kSrc1, c.Hwnd()); break;
            case Act::ClearSource: tips->ClearTips(kSrc1); break;
            case Act::Uninit: tips->Uninit(); break;
            case Act::EndManager:
                DestroyManager(tips);
                tips = nullptr;
                break;
            }
        };
        tips->RemoveTips(kSrc1, a.Hwnd());
        vxtest::PumpFor(100);
        EXPECT_TRUE(acted);
        if (tips != nullptr) {
            // What is left is still a stack: oldest highest, each in its own slot 175 apart,
            // the newest one's slot at the bottom of the work area.
            std::vector<TipWindow*> left;
            for (TipWindow* t : {&b, &c, &d})
                if (::IsWindow(t->Hwnd()) && !t->Unhooked())
                    left.push_back(t);
            EXPECT_EQ(tips->Shown(), (int)left.size());
            const int n = (int)left.size();
            for (int k = 0; k < n; ++k)
                EXPECT_EQ(left[k]->Rect().top, WorkArea().bottom - (n - k) * 175) << "tip " << k;
            DestroyManager(tips);
            tips = nullptr;
        }
        vxtest::PumpMessages();
        for (TipWindow* t : {&a, &b, &c, &d})
            EXPECT_TRUE(!::IsWindow(t->Hwnd()) || t->Unhooked());
        b.Log().onMoved = nullptr;
    }
}

} // namespace

namespace {

TEST_F(TipsHostUnkind, CloseStillQueuedWhenTheHostTakesTheTipBackClosesNothing)
{
    // A normal tip arriving at a full stack has the oldest normal one closed by a posted
    // message; the host takes that tip back before the message arrives.
    tips = NewManager(1);
    TipWindow normal, next;
    _tagstSysTips rNormal = normal.Record(0, 0, 60000), rNext = next.Record(0, 0, 60000);
    ASSERT_EQ(tips->AddTips(kSrc1, &rNormal), 1);
    ASSERT_EQ(tips->Shown(), 1);
    ASSERT_EQ(tips->AddTips(kSrc1, &rNext), 1);
    EXPECT_EQ(tips->RemoveTips(kSrc1, normal.Hwnd()), 1);
    vxtest::PumpFor(100);
    EXPECT_TRUE(::IsWindow(normal.Hwnd()));
    EXPECT_EQ(normal.Log().closes, 0);
}

} // namespace
