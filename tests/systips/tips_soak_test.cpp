// A thousand tips from three sources with random priorities and show modes through a manager
// with limit 3 and stay times of a few milliseconds. Every show is checked against the pick
// rules at the moment it happens; at the end nothing is left and nothing has leaked.
//
// Windows and hooks must come back to their counts exactly. GDI objects may not: Wine keeps
// a device context, region and bitmap per cached window surface, and that cache grows in
// steps with the number of windows alive at once (about twenty here). A leak of one object
// for every tip of any one show mode would still exceed the bound below many times.
#include "tips_test_util.h"

#include "vxtest.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>

using namespace tipstest;

namespace {

const int kTips = 1000;
const int kLimit = 3;
const int kPendingMax = 12;          // tips added but not yet shown, at most
const DWORD kPlainLifeMs = 5;        // the host closes plain tips after this long on screen
const DWORD kBoundMs = 600000;
const int kGdiCacheBound = kTips / 10;

struct SoakTip {
    int id = 0;
    int priority = 0;
    int mode = 0;
    int levelIndex = 0;              // place among the tips of its level, in add order
    DWORD shownAt = 0;
    bool closeSent = false;
    std::unique_ptr<TipWindow> wnd;
};

class Soak {
public:
    explicit Soak(OpenSysTips* tips) : m_tips(tips) {}

    void Run()
    {
        std::mt19937 rng(20240607);
        const DWORD start = ::GetTickCount();
        while (m_departed < kTips && ::GetTickCount() - start < kBoundMs) {
            while (m_added < kTips && m_added - m_shown < kPendingMax)
                Add(rng);
            CloseOldPlainTips();
            vxtest::PumpFor(2);
            Collect();
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }

    int Added() const { return m_added; }
    int Shown() const { return m_shown; }
    int Departed() const { return m_departed; }
    int Violations() const { return m_violations; }

private:
    static bool High(int priority) { return priority == 1; }

    void Add(std::mt19937& rng)
    {
        auto tip = std::make_unique<SoakTip>();
        tip->id = m_added;
        const int p = (int)(rng() % 20);
        tip->priority = p < 12 ? 0 : (p < 17 ? 1 : 2);
        const int m = (int)(rng() % 10);
        tip->mode = m < 2 ? TIPS_SHOW_FADE : (m < 6 ? TIPS_SHOW_SLIDE : 0);
        const _tagenumTipsSrc src = static_cast<_tagenumTipsSrc>(1 + rng() % 3);
        const UINT stay = 1 + rng() % 4;
        tip->levelIndex = m_addedOfLevel[High(tip->priority)]++;
        tip->wnd = std::make_unique<TipWindow>(120, 30);
        SoakTip* raw = tip.get();
        tip->wnd->Log().onShown = [this, raw] { OnShown(*raw); };
        _tagstSysTips record = tip->wnd->Record(tip->mode, tip->priority, stay, src, tip->id);
        m_live[tip->id] = std::move(tip);
        ++m_added;
        if (m_tips->AddTips(src, &record) != 1)
            Violation("AddTips refused tip ", raw->id);
    }

    // Checks one show against the rules, with the screen as it stands before it.
    void OnShown(SoakTip& tip)
    {
        tip.shownAt = ::GetTickCount();
        ++m_shown;
        const bool high = High(tip.priority);
        if (tip.levelIndex != m_shownOfLevel[high]++)
            Violation("out of first-in first-out order: tip ", tip.id);
        int onScreenHigh = 0, onScreenNormal = 0;
        for (const auto& entry : m_live) {
            const SoakTip& other = *entry.second;
            if (&other == &tip || other.wnd->Log().shows == 0 || other.wnd->Log().closes != 0)
                continue;
            onScreenHigh += other.priority == 1;
            onScreenNormal += other.priority == 0;
        }
        if (high) {
            if (onScreenHigh >= kLimit)
                Violation("high tip over the high limit: tip ", tip.id);
        } else {
            if (m_addedOfLevel[1] != m_shownOfLevel[1])
                Violation("normal tip shown while a high one waited: tip ", tip.id);
            if (onScreenHigh + onScreenNormal >= kLimit)
                Violation("normal tip over the limit: tip ", tip.id);
        }
    }

    void CloseOldPlainTips()
    {
        const DWORD now = ::GetTickCount();
        for (auto& entry : m_live) {
            SoakTip& tip = *entry.second;
            if (tip.mode == 0 && tip.wnd->Log().shows != 0 && !tip.closeSent &&
                now - tip.shownAt >= kPlainLifeMs) {
                ::PostMessageA(tip.wnd->Hwnd(), WM_CLOSE, 0, 0);
                tip.closeSent = true;
            }
        }
    }

    void Collect()
    {
        for (auto it = m_live.begin(); it != m_live.end();) {
            const TipLog& log = it->second->wnd->Log();
            if (!log.destroyed) {
                ++it;
                continue;
            }
            if (log.shows != 1)
                Violation("shown other than once: tip ", it->first);
            ++m_departed;
            it = m_live.erase(it);
        }
    }

    void Violation(const char* what, int id)
    {
        if (++m_violations <= 10)
            ADD_FAILURE() << what << id;
    }

    OpenSysTips* m_tips;
    std::map<int, std::unique_ptr<SoakTip>> m_live;
    int m_added = 0;
    int m_shown = 0;
    int m_departed = 0;
    int m_violations = 0;
    int m_addedOfLevel[2] = {0, 0};  // [0] normal list, [1] high list
    int m_shownOfLevel[2] = {0, 0};
};

TEST(TipsSoak, ThousandTipsFromThreeSourcesEachShownOnceInRuleOrder)
{
    ::SetCursorPos(0, 0);
    {   // warm-up: classes registered, first-use allocations made
        OpenSysTips* warm = NewManager(1);
        TipWindow t;
        _tagstSysTips r = t.Record(TIPS_SHOW_SLIDE, 0, 1);
        warm->AddTips(kSrc1, &r);
        ASSERT_TRUE(vxtest::PumpUntil([&] { return t.Log().destroyed; }, 5000));
        DestroyManager(warm);
        vxtest::PumpMessages();
    }
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    const size_t bytesBefore = vxtest::HeapBytesInUse();

    OpenSysTips* tips = NewManager(kLimit);
    Soak soak(tips);
    soak.Run();
    EXPECT_EQ(soak.Added(), kTips);
    EXPECT_EQ(soak.Shown(), kTips);
    EXPECT_EQ(soak.Departed(), kTips);
    EXPECT_EQ(soak.Violations(), 0);
    vxtest::PumpMessages();
    EXPECT_EQ(tips->Shown(), 0);
    EXPECT_EQ(tips->WaitingNormal(), 0);
    EXPECT_EQ(tips->WaitingHigh(), 0);
    // Every tip's window hook and its entry in the hook map are freed again.
    EXPECT_LT(vxtest::HeapBytesInUse(), bytesBefore + 16 * 1024);
    DestroyManager(tips);
    vxtest::PumpMessages();
    const vxtest::GuiCounts after = vxtest::GuiCounts::Now();
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_LE(after.gdi - before.gdi, kGdiCacheBound) << vxtest::ToString(after);
}

} // namespace
