// Properties of the calculation over randomly built layouts, without windows.
#include "layout_fakes.h"

#include <algorithm>
#include <memory>
#include <random>
#include <set>

using namespace layouttest;

namespace {

const int kLayouts = 300;

// A random tree: groups of every style with window items, spacers and splitter items whose
// neighbours are set. Rectangles handed to CalcLayout start at (1, 1) or beyond, so no window
// item is ever placed on the all-zero rectangle that means "not sized yet".
class RandomLayout
{
public:
    explicit RandomLayout(unsigned seed) : m_random(seed)
    {
        const Direction direction = Pick(2) ? DirHorizontal : DirVertical;
        layout.reset(new LayoutProbe(&m_parent, direction));
        const int nGroups = 1 + Pick(5);
        for (int g = 0; g < nGroups; ++g) {
            layout->AddGroup(RandomStyle(), Pick(20), 100 + Pick(200));
            if (layout->Group(g)->m_style != StyleStretch)
                layout->SetGroupSize(g, Pick(60));
            const int nItems = Pick(7);
            for (int i = 0; i < nItems; ++i)
                AddRandomItem(g);
        }
        for (int g = 0; g < nGroups; ++g)
            for (int i = 0; i < layout->ItemCount(g); ++i)
                if (layout->Item(g, i)->m_kind == ItemSplitter)
                    SetRandomNeighbours(g, i);
        layout->SetMargins(Pick(5), Pick(5), Pick(5), Pick(5));
    }

    CRect RandomRect() { return CRect(1 + Pick(10), 1 + Pick(10), 200 + Pick(300), 200 + Pick(300)); }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // Rectangles of every item that has a window.
    std::map<vxLayoutItem*, CRect> WindowRects() const
    {
        std::map<vxLayoutItem*, CRect> rects;
        for (int g = 0; g < layout->GroupCount(); ++g)
            for (int i = 0; i < layout->ItemCount(g); ++i)
                if (layout->Item(g, i)->m_hWnd != nullptr)
                    rects[layout->Item(g, i)] = layout->Item(g, i)->m_rect;
        return rects;
    }

    std::vector<vxLayoutItem*> Splitters() const
    {
        std::vector<vxLayoutItem*> splitters;
        for (int g = 0; g < layout->GroupCount(); ++g)
            for (int i = 0; i < layout->ItemCount(g); ++i)
                if (layout->Item(g, i)->m_kind == ItemSplitter)
                    splitters.push_back(layout->Item(g, i));
        return splitters;
    }

    FakeWindowOps ops;
    std::unique_ptr<LayoutProbe> layout;

private:
    LayoutStyle RandomStyle() { return static_cast<LayoutStyle>(Pick(3)); }

    CWnd* NewWindow()
    {
        m_windows.emplace_back(new FakeWnd);
        ops.SetClientSize(m_windows.back().get(), 1 + Pick(80), 1 + Pick(80));
        return m_windows.back().get();
    }

    void AddRandomItem(int g)
    {
        int i = -1;
        switch (Pick(4)) {
        case 0:
        case 1: i = layout->AddItem(g, NewWindow(), RandomStyle()); break;
        case 2: i = layout->AddSpacerItem(g); break;
        default: i = layout->AddSplitterItem(g, Pick(2), NewWindow()); break;
        }
        if (Pick(3) == 0)
            layout->SetItemSize(g, i, Pick(40));
        layout->SetItemMinSize(g, i, Pick(10));
    }

    void SetRandomNeighbours(int g, int i)
    {
        const int nGroups = layout->GroupCount();
        const int nItems = layout->ItemCount(g);
        if (Pick(2) && i > 0 && i + 1 < nItems)
            layout->SetSplitterWnd(g, i, i - 1, i + 1);
        else if (g > 0 && g + 1 < nGroups)
            layout->SetSplitterGroup(g, i, g - 1, g + 1);
    }

    FakeWnd m_parent;
    std::vector<std::unique_ptr<CWnd>> m_windows;
    std::mt19937 m_random;
};

// The last batch moved every window whose rectangle differs between before and after, each
// once and to its rectangle, and left no window flag set. After a layout it moved no other
// window. A drag may also move a window back to where it was: a stretch neighbour changed by
// the drag is given its share again by the group's re-layout, and its flag stays set.
void ExpectMovedTheChanged(const RandomLayout& r, const std::map<vxLayoutItem*, CRect>& before,
                           unsigned seed, const char* step, bool exactly)
{
    SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << step);
    const std::map<vxLayoutItem*, CRect> after = r.WindowRects();
    std::multiset<HWND> changed;
    for (const auto& entry : after)
        if (!EqualRect(&entry.second, &before.at(entry.first)))
            changed.insert(entry.first->m_hWnd);
    std::multiset<HWND> moved;
    for (const Move& m : r.ops.LastMoves()) {
        moved.insert(m.hWnd);
        const vxLayoutItem* pItem = r.layout->GetItem(CWnd::FromHandle(m.hWnd));
        ASSERT_NE(nullptr, pItem);
        EXPECT_EQ(pItem->m_rect, m.rect);
    }
    EXPECT_EQ(moved.size(), std::set<HWND>(moved.begin(), moved.end()).size());
    if (exactly)
        EXPECT_EQ(changed, moved);
    else
        EXPECT_TRUE(std::includes(moved.begin(), moved.end(), changed.begin(), changed.end()));
    if (!moved.empty()) {
        EXPECT_EQ(static_cast<int>(moved.size()), r.ops.batchSizes.back());
        EXPECT_EQ(1u, r.ops.batches.size());
    }
    for (const auto& entry : after)
        EXPECT_EQ(0, entry.first->m_bDirty);
}

TEST(LayoutProperties, BatchesMoveTheChangedWindowsOnce)
{
    for (unsigned seed = 1; seed <= kLayouts; ++seed) {
        RandomLayout r(seed);
        const CRect first = r.RandomRect();

        auto before = r.WindowRects();
        r.ops.Clear();
        r.layout->CalcLayout(first, nullptr);
        ExpectMovedTheChanged(r, before, seed, "first layout", true);

        // The same rectangle again moves nothing and changes nothing.
        const std::string placed = r.layout->Dump();
        r.ops.Clear();
        r.layout->CalcLayout(first, nullptr);
        EXPECT_TRUE(r.ops.batches.empty()) << "seed " << seed;
        EXPECT_EQ(placed, r.layout->Dump()) << "seed " << seed;

        before = r.WindowRects();
        r.ops.Clear();
        r.layout->CalcLayout(r.RandomRect(), nullptr);
        ExpectMovedTheChanged(r, before, seed, "resize", true);

        for (vxLayoutItem* pSplitter : r.Splitters()) {
            before = r.WindowRects();
            r.ops.Clear();
            r.layout->MoveLayoutItems(pSplitter, CPoint(r.Pick(41) - 20, r.Pick(41) - 20));
            ExpectMovedTheChanged(r, before, seed, "drag", false);
        }
    }
}

TEST(LayoutProperties, InvalidIndicesChangeNothing)
{
    for (unsigned seed = 1; seed <= kLayouts; ++seed) {
        RandomLayout r(seed);
        r.layout->CalcLayout(r.RandomRect(), nullptr);
        const std::string before = r.layout->Dump();
        const int nGroups = r.layout->GroupCount();
        const int g = r.Pick(nGroups);
        const int nItems = r.layout->ItemCount(g);
        const int badGroups[] = {-1, nGroups, nGroups + r.Pick(1000), -1 - r.Pick(1000)};
        const int badItems[] = {-1, nItems, nItems + r.Pick(1000)};
        FakeWnd other;
        for (int bad : badGroups) {
            EXPECT_EQ(-1, r.layout->AddItem(bad, &other, StyleFixed));
            EXPECT_EQ(-1, r.layout->AddItem(bad, 5, StyleStretch));
            EXPECT_EQ(-1, r.layout->AddSpacerItem(bad));
            EXPECT_EQ(-1, r.layout->AddSplitterItem(bad, 1, &other));
            EXPECT_EQ(-1, r.layout->AddSplitterItem(bad, 0, 5));
            EXPECT_EQ(0, r.layout->SetSplitterWnd(bad, 0, 0, 0));
            EXPECT_EQ(0, r.layout->SetSplitterGroup(bad, 0, 0, 0));
            EXPECT_EQ(0, r.layout->SetSplitterGroup(g, 0, bad, 0));
            EXPECT_EQ(0, r.layout->SetSplitterGroup(g, 0, 0, bad));
            r.layout->SetGroupSize(bad, 10);
            r.layout->SetGroupMinSize(bad, 10);
            r.layout->SetGroupMaxSize(bad, 10);
            r.layout->SetItemSize(bad, 0, 10);
            r.layout->SetItemStyle(bad, 0, StyleStretch);
        }
        for (int bad : badItems) {
            EXPECT_EQ(0, r.layout->SetSplitterWnd(g, bad, 0, 0));
            EXPECT_EQ(0, r.layout->SetSplitterWnd(g, 0, bad, 0));
            EXPECT_EQ(0, r.layout->SetSplitterWnd(g, 0, 0, bad));
            EXPECT_EQ(0, r.layout->SetSplitterGroup(g, bad, 0, 0));
            r.layout->SetItemSize(g, bad, 10);
            r.layout->SetItemMinSize(g, bad, 10);
            r.layout->SetItemMaxSize(g, bad, 10);
            r.layout->SetItemStyle(g, bad, StyleStretch);
        }
        EXPECT_EQ(before, r.layout->Dump()) << "seed " << seed;
    }
}

} // namespace
