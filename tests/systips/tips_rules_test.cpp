// The pick rules and the waiting-list operations, driven without windows: a small model of
// the show list applies each decision the way the manager does.
#include "vxTipsRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const _tagenumTipsSrc kSrcA = static_cast<_tagenumTipsSrc>(1);
const _tagenumTipsSrc kSrcB = static_cast<_tagenumTipsSrc>(2);

HWND FakeWnd(int id) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1000 + id)); }

_tagstSysTips Record(int id, int priority, _tagenumTipsSrc src = kSrcA)
{
    _tagstSysTips t = {};
    t.src = src;
    t.priority = static_cast<_tagenumPriority>(priority);
    t.nExtra1 = id;
    t.hWnd = FakeWnd(id);
    return t;
}

void FreeAll(vxTipsList& lst)
{
    while (!lst.IsEmpty())
        vxFreeTips(lst.RemoveHead());
}

std::vector<int> Ids(const vxTipsList& lst)
{
    std::vector<int> ids;
    for (POSITION pos = lst.GetHeadPosition(); pos != NULL;)
        ids.push_back(lst.GetNext(pos)->nExtra1);
    return ids;
}

// The manager's side of the rules: waiting lists, a show list and the close requests made.
struct Queue {
    vxTipsList high, normal;
    std::vector<_tagstSysTips> shown;   // oldest first
    std::vector<int> closeRequests;     // ids asked to close, in order
    int max = 1;

    explicit Queue(int limit) : max(limit) {}
    ~Queue() { FreeAll(high); FreeAll(normal); }

    int Count(int priority) const
    {
        return (int)std::count_if(shown.begin(), shown.end(),
                                  [&](const _tagstSysTips& t) { return t.priority == priority; });
    }
    vxTipsPick Run()
    {
        _tagstSysTips* p = NULL;
        vxTipsPick pick = vxPickNextTips(high, normal, Count(1), Count(0), max, &p);
        if (pick == TIPS_PICK_SHOW) {
            EXPECT_NE(p, nullptr);
            shown.push_back(*p);
            vxFreeTips(p);
        } else {
            EXPECT_EQ(p, nullptr);
        }
        if (pick == TIPS_PICK_CLOSE_NORMAL) {
            auto it = std::find_if(shown.begin(), shown.end(),
                                   [](const _tagstSysTips& t) { return t.priority == 0; });
            closeRequests.push_back(it == shown.end() ? -1 : it->nExtra1);
        }
        return pick;
    }
    vxTipsPick Add(int id, int priority)
    {
        _tagstSysTips t = Record(id, priority);
        (priority == 1 ? high : normal).AddTail(vxCopyTips(t));
        return Run();
    }
    // A shown tip leaves; its departure runs the rules once.
    vxTipsPick Depart(int id)
    {
        auto it = std::find_if(shown.begin(), shown.end(),
                               [&](const _tagstSysTips& t) { return t.nExtra1 == id; });
        EXPECT_NE(it, shown.end()) << "tip " << id << " is not shown";
        if (it != shown.end())
            shown.erase(it);
        return Run();
    }
    std::vector<int> ShownIds() const
    {
        std::vector<int> ids;
        for (const auto& t : shown)
            ids.push_back(t.nExtra1);
        return ids;
    }
};

using Ids_ = std::vector<int>;

TEST(TipsPickRules, LimitsZeroOneAndTwo)
{
    {   // 0: nothing is ever shown, every tip only waits
        Queue q(0);
        EXPECT_EQ(q.Add(1, 0), TIPS_PICK_NONE);
        EXPECT_EQ(q.Add(2, 1), TIPS_PICK_NONE);
        EXPECT_EQ(q.Run(), TIPS_PICK_NONE);
        EXPECT_TRUE(q.shown.empty());
        EXPECT_EQ(Ids(q.normal), Ids_({1}));
        EXPECT_EQ(Ids(q.high), Ids_({2}));
    }
    {   // 1: a new normal tip asks the shown one to close and follows its departure
        Queue q(1);
        EXPECT_EQ(q.Add(1, 0), TIPS_PICK_SHOW);
        EXPECT_EQ(q.Add(2, 0), TIPS_PICK_CLOSE_NORMAL);
        EXPECT_EQ(q.closeRequests, Ids_({1}));
        EXPECT_EQ(Ids(q.normal), Ids_({2}));   // the head keeps waiting meanwhile
        EXPECT_EQ(q.Depart(1), TIPS_PICK_SHOW);
        EXPECT_EQ(q.ShownIds(), Ids_({2}));
        EXPECT_TRUE(q.normal.IsEmpty());
        EXPECT_EQ(q.Depart(2), TIPS_PICK_NONE);
    }
    {   // 2: two normal tips side by side, the third closes the oldest
        Queue q(2);
        EXPECT_EQ(q.Add(1, 0), TIPS_PICK_SHOW);
        EXPECT_EQ(q.Add(2, 0), TIPS_PICK_SHOW);
        EXPECT_EQ(q.Add(3, 0), TIPS_PICK_CLOSE_NORMAL);
        EXPECT_EQ(q.closeRequests, Ids_({1}));
        EXPECT_EQ(q.Depart(1), TIPS_PICK_SHOW);
        EXPECT_EQ(q.ShownIds(), Ids_({2, 3}));
    }
    {   // 2: two high tips shown hold back a waiting high and a waiting normal tip
        Queue q(2);
        q.Add(1, 1);
        q.Add(2, 1);
        EXPECT_EQ(q.Add(3, 1), TIPS_PICK_NONE);
        EXPECT_EQ(q.Add(4, 0), TIPS_PICK_NONE);
        EXPECT_TRUE(q.closeRequests.empty());  // shown high tips are never closed for room
        EXPECT_EQ(q.Depart(1), TIPS_PICK_SHOW);
        EXPECT_EQ(q.ShownIds(), Ids_({2, 3})); // the high one goes first
        EXPECT_EQ(Ids(q.normal), Ids_({4}));
        EXPECT_EQ(q.Depart(2), TIPS_PICK_SHOW);
        EXPECT_EQ(q.ShownIds(), Ids_({3, 4}));
    }
}

TEST(TipsPickRules, HighTipsBesideNormalOnes)
{
    Queue q(1);
    q.Add(1, 0);
    EXPECT_EQ(q.Add(2, 1), TIPS_PICK_SHOW);    // beside the normal tip, over the limit
    EXPECT_EQ(q.ShownIds(), Ids_({1, 2}));
    EXPECT_TRUE(q.closeRequests.empty());
    EXPECT_EQ(q.Add(3, 0), TIPS_PICK_NONE);    // a normal tip never closes a high one
    EXPECT_EQ(q.Add(4, 1), TIPS_PICK_NONE);    // the high limit is reached
    // While a high tip waits the normal list is not looked at, even after a normal departure.
    EXPECT_EQ(q.Depart(1), TIPS_PICK_NONE);
    EXPECT_EQ(Ids(q.normal), Ids_({3}));
    EXPECT_EQ(q.Depart(2), TIPS_PICK_SHOW);
    EXPECT_EQ(q.ShownIds(), Ids_({4}));
    EXPECT_EQ(q.Run(), TIPS_PICK_NONE);        // H reaches the limit: normal 3 still waits
    EXPECT_EQ(q.Depart(4), TIPS_PICK_SHOW);
    EXPECT_EQ(q.ShownIds(), Ids_({3}));

    // With limit 3, high tips fill up to three beside two normal ones already shown.
    Queue wide(3);
    wide.Add(10, 0);
    wide.Add(11, 0);
    for (int id = 20; id < 23; ++id)
        EXPECT_EQ(wide.Add(id, 1), TIPS_PICK_SHOW);
    EXPECT_EQ(wide.ShownIds(), Ids_({10, 11, 20, 21, 22}));
    EXPECT_EQ(wide.Add(23, 1), TIPS_PICK_NONE);
}

TEST(TipsPickRules, FirstInFirstOutWithinALevel)
{
    Queue q(0);                                // fill both lists first
    for (int id = 1; id <= 4; ++id)
        q.Add(id, 0);
    for (int id = 11; id <= 14; ++id)
        q.Add(id, 1);
    q.max = 1;
    std::vector<int> order;
    int current = -1;
    for (int i = 0; i < 8; ++i) {
        vxTipsPick pick = current < 0 ? q.Run() : q.Depart(current);
        ASSERT_EQ(pick, TIPS_PICK_SHOW) << "step " << i;
        ASSERT_EQ(q.shown.size(), 1u);
        current = q.shown.back().nExtra1;
        order.push_back(current);
    }
    EXPECT_EQ(order, Ids_({11, 12, 13, 14, 1, 2, 3, 4}));
    EXPECT_EQ(q.Depart(current), TIPS_PICK_NONE);
}

TEST(TipsPickRules, PriorityTwoIsQueuedAsNormalAndCountsAsNeither)
{
    Queue q(1);
    EXPECT_EQ(q.Add(1, 2), TIPS_PICK_SHOW);    // through the normal list
    EXPECT_EQ(q.Add(2, 0), TIPS_PICK_SHOW);    // tip 1 does not count against the limit
    EXPECT_EQ(q.Add(3, 2), TIPS_PICK_CLOSE_NORMAL);
    EXPECT_EQ(q.closeRequests, Ids_({2}));     // never the priority 2 tip
    EXPECT_EQ(q.Depart(2), TIPS_PICK_SHOW);
    EXPECT_EQ(q.ShownIds(), Ids_({1, 3}));
    EXPECT_EQ(q.Add(4, 7), TIPS_PICK_SHOW);    // any other value behaves the same way
    EXPECT_EQ(q.Add(5, 1), TIPS_PICK_SHOW);
    EXPECT_EQ(q.ShownIds(), Ids_({1, 3, 4, 5}));
    EXPECT_TRUE(q.high.IsEmpty());
}

TEST(TipsWaitingList, ClearingBySource)
{
    vxTipsList lst;
    for (int id = 1; id <= 5; ++id)
        lst.AddTail(vxCopyTips(Record(id, 0, kSrcA)));
    EXPECT_EQ(vxClearTipsBySource(lst, kSrcB), 0);
    EXPECT_EQ(lst.GetCount(), 5);
    EXPECT_EQ(vxClearTipsBySource(lst, kSrcA), 5); // the source fills the whole list
    EXPECT_TRUE(lst.IsEmpty());
    EXPECT_EQ(vxClearTipsBySource(lst, kSrcA), 0);

    // Neighbouring matches, matches at both ends: every entry is visited once.
    const _tagenumTipsSrc srcs[] = {kSrcA, kSrcA, kSrcB, kSrcA, kSrcB, kSrcB, kSrcA};
    for (int i = 0; i < 7; ++i)
        lst.AddTail(vxCopyTips(Record(i, 0, srcs[i])));
    EXPECT_EQ(vxClearTipsBySource(lst, kSrcA), 4);
    EXPECT_EQ(Ids(lst), Ids_({2, 4, 5}));
    FreeAll(lst);
}

TEST(TipsWaitingList, RemovalByWindowKeepsToTheSource)
{
    vxTipsList lst;
    lst.AddTail(vxCopyTips(Record(1, 0, kSrcA)));
    lst.AddTail(vxCopyTips(Record(2, 0, kSrcA)));
    _tagstSysTips twin = Record(1, 1, kSrcA);      // a second record for the same window
    twin.nExtra1 = 3;
    lst.AddTail(vxCopyTips(twin));

    EXPECT_EQ(vxRemoveFirstTips(lst, kSrcB, FakeWnd(1)), 0); // waiting under another source
    EXPECT_EQ(vxRemoveFirstTips(lst, kSrcA, FakeWnd(9)), 0);
    EXPECT_EQ(vxRemoveFirstTips(lst, kSrcA, NULL), 0);
    EXPECT_EQ(Ids(lst), Ids_({1, 2, 3}));
    EXPECT_EQ(vxRemoveFirstTips(lst, kSrcA, FakeWnd(1)), 1); // only the first match
    EXPECT_EQ(Ids(lst), Ids_({2, 3}));
    EXPECT_EQ(vxRemoveFirstTips(lst, kSrcA, FakeWnd(1)), 1);
    EXPECT_EQ(Ids(lst), Ids_({2}));
    FreeAll(lst);
}

} // namespace
