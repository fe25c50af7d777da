// Properties of the calculation over randomly built layouts of real windows.
#include "layout_windows.h"

#include <algorithm>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace {

const int kLayouts = 200;
const int kWindows = 48;             // enough for the largest tree below

// A random tree over the fixture's windows: groups of every style, each starting with a window
// item (so that every group can be reached from an item), then window, spacer and splitter
// items whose neighbours are set. Rectangles handed to CalcLayout start at (1, 1) or beyond, so
// no window item is ever placed on the all-zero rectangle that means "not sized yet".
class RandomLayout
{
public:
    RandomLayout(LayoutWindows& rig, const std::vector<CStatic*>& windows, unsigned seed)
        : m_windows(windows), m_random(seed)
    {
        const Direction direction = Pick(2) ? DirHorizontal : DirVertical;
        layout.reset(new vxLayout(&rig.parent, direction));
        const int nGroups = 1 + Pick(5);
        for (int g = 0; g < nGroups; ++g) {
            layout->AddGroup(RandomStyle(), Pick(20), 100 + Pick(200));
            CStatic* pFirst = NewWindow();
            layout->AddItem(g, pFirst, RandomStyle());
            groups.push_back(layout->GetItem(pFirst)->m_pParentGroup);
            if (groups.back()->m_style != StyleStretch)
                layout->SetGroupSize(g, Pick(60));
            const int nItems = Pick(7);
            for (int i = 0; i < nItems; ++i)
                AddRandomItem(g);
        }
        for (int g = 0; g < nGroups; ++g)
            for (int i = 0; i < ItemCount(g); ++i)
                if (groups[g]->m_items[i]->m_kind == ItemSplitter)
                    SetRandomNeighbours(g, i);
        layout->SetMargins(Pick(5), Pick(5), Pick(5), Pick(5));
    }

    CRect RandomRect() { return CRect(1 + Pick(10), 1 + Pick(10), 200 + Pick(300), 200 + Pick(300)); }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    int ItemCount(int g) const { return static_cast<int>(groups[g]->m_items.size()); }

    // Every item with a window.
    std::vector<vxLayoutItem*> WindowItems() const
    {
        std::vector<vxLayoutItem*> items;
        for (const vxLayoutGroup* pGroup : groups)
            for (vxLayoutItem* pItem : pGroup->m_items)
                if (pItem->m_hWnd != nullptr)
                    items.push_back(pItem);
        return items;
    }
    std::vector<vxLayoutItem*> Splitters() const
    {
        std::vector<vxLayoutItem*> splitters;
        for (const vxLayoutGroup* pGroup : groups)
            for (vxLayoutItem* pItem : pGroup->m_items)
                if (pItem->m_kind == ItemSplitter)
                    splitters.push_back(pItem);
        return splitters;
    }
    // Every field of every record, for before/after comparisons.
    std::string Dump() const
    {
        std::ostringstream os;
        for (const vxLayoutGroup* pGroup : groups) {
            DumpRecord(os, pGroup);
            for (const vxLayoutItem* pItem : pGroup->m_items)
                DumpRecord(os, pItem);
        }
        return os.str();
    }

    std::unique_ptr<vxLayout> layout;
    std::vector<vxLayoutGroup*> groups;

private:
    LayoutStyle RandomStyle() { return static_cast<LayoutStyle>(Pick(3)); }

    // The next window of the pool, not placed yet and of a random client size.
    CStatic* NewWindow()
    {
        CStatic* pWnd = m_windows.at(m_nUsed++);
        pWnd->SetWindowPos(NULL, 0, 0, 1 + Pick(80), 1 + Pick(80), SWP_NOZORDER | SWP_NOACTIVATE);
        return pWnd;
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
        const int nGroups = static_cast<int>(groups.size());
        if (Pick(2) && i > 0 && i + 1 < ItemCount(g))
            layout->SetSplitterWnd(g, i, i - 1, i + 1);
        else if (g > 0 && g + 1 < nGroups)
            layout->SetSplitterGroup(g, i, g - 1, g + 1);
    }

    static void DumpRecord(std::ostream& os, const vxLayoutItem* p)
    {
        os << p->m_direction << " " << p->m_kind << " " << p->m_style << " ";
        PrintTo(p->m_rect, &os);
        os << " " << p->m_minWidth << "-" << p->m_maxWidth << " " << p->m_minHeight << "-"
           << p->m_maxHeight << " w" << p->m_weight << " " << p->m_pPrev << " " << p->m_pNext
           << " " << p->m_pParentGroup << " " << p->m_hWnd << " " << p->m_nID << " d"
           << p->m_bDirty << "\n";
    }

    const std::vector<CStatic*>& m_windows;
    size_t m_nUsed = 0;
    std::mt19937 m_random;
};

struct LayoutProperties : LayoutWindows {
    std::vector<CStatic*> windows;
    std::vector<std::unique_ptr<vxtest::MessageRecorder>> recorders;

    LayoutProperties()
    {
        for (int i = 0; i < kWindows; ++i) {
            windows.push_back(MakeChild(100 + i, false)); // hidden: nothing to repaint
            recorders.push_back(std::make_unique<vxtest::MessageRecorder>(windows.back()->m_hWnd));
        }
    }
    void ClearMoves()
    {
        for (auto& recorder : recorders)
            recorder->Clear();
    }

    // The last step moved every window whose place changed, once and to its item's rectangle
    // (a window's size stops at 0 where the rectangle's goes below), and left no window flag
    // set; after a layout it moved no window whose item kept its rectangle. A drag may also
    // move a window back to where it was: a stretch neighbour changed by the drag is given
    // its share again by the group's re-layout.
    void ExpectMovedTheChanged(const RandomLayout& r, const std::map<HWND, CRect>& before,
                               unsigned seed, const char* step, bool exactly)
    {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << step);
        const std::map<HWND, CRect> after = ItemRects(r);
        for (size_t i = 0; i < windows.size(); ++i) {
            const HWND hWnd = windows[i]->m_hWnd;
            const int nMoves = Moves(*recorders[i]);
            EXPECT_LE(nMoves, 1);
            if (after.count(hWnd) == 0) {
                EXPECT_EQ(nMoves, 0);
            } else if (WindowPlace(after.at(hWnd)) != WindowPlace(before.at(hWnd))) {
                EXPECT_EQ(nMoves, 1);
            } else if (exactly && after.at(hWnd) == before.at(hWnd)) {
                EXPECT_EQ(nMoves, 0);
            }
        }
        for (const vxLayoutItem* pItem : r.WindowItems()) {
            EXPECT_EQ(WindowPlace(pItem->m_rect), Place(CWnd::FromHandle(pItem->m_hWnd)));
            EXPECT_EQ(0, pItem->m_bDirty);
            EXPECT_FALSE(::IsWindowVisible(pItem->m_hWnd)); // moved without being shown
        }
    }

    // Where a window given this rectangle stands.
    static CRect WindowPlace(const CRect& rc)
    {
        return CRect(rc.left, rc.top, rc.left + std::max(0, rc.Width()), rc.top + std::max(0, rc.Height()));
    }

    // The rectangle of each window item, by window.
    static std::map<HWND, CRect> ItemRects(const RandomLayout& r)
    {
        std::map<HWND, CRect> rects;
        for (const vxLayoutItem* pItem : r.WindowItems())
            rects[pItem->m_hWnd] = pItem->m_rect;
        return rects;
    }
};

TEST_F(LayoutProperties, BatchesMoveTheChangedWindowsOnce)
{
    for (unsigned seed = 1; seed <= kLayouts; ++seed) {
        RandomLayout r(*this, windows, seed);
        const CRect first = r.RandomRect();

        auto before = ItemRects(r);
        ClearMoves();
        r.layout->CalcLayout(first, nullptr);
        ExpectMovedTheChanged(r, before, seed, "first layout", true);

        // The same rectangle again moves nothing and changes nothing.
        const std::string placed = r.Dump();
        before = ItemRects(r);
        ClearMoves();
        r.layout->CalcLayout(first, nullptr);
        ExpectMovedTheChanged(r, before, seed, "the same again", true);
        EXPECT_EQ(placed, r.Dump()) << "seed " << seed;

        before = ItemRects(r);
        ClearMoves();
        r.layout->CalcLayout(r.RandomRect(), nullptr);
        ExpectMovedTheChanged(r, before, seed, "resize", true);

        for (vxLayoutItem* pSplitter : r.Splitters()) {
            before = ItemRects(r);
            ClearMoves();
            r.layout->MoveLayoutItems(pSplitter, CPoint(r.Pick(41) - 20, r.Pick(41) - 20));
            ExpectMovedTheChanged(r, before, seed, "drag", false);
        }
    }
}

TEST_F(LayoutProperties, InvalidIndicesChangeNothing)
{
    CStatic* pOther = MakeChild(99);
    for (unsigned seed = 1; seed <= kLayouts; ++seed) {
        RandomLayout r(*this, windows, seed);
        r.layout->CalcLayout(r.RandomRect(), nullptr);
        const std::string before = r.Dump();
        const int nGroups = static_cast<int>(r.groups.size());
        const int g = r.Pick(nGroups);
        const int nItems = r.ItemCount(g);
        const int badGroups[] = {-1, nGroups, nGroups + r.Pick(1000), -1 - r.Pick(1000)};
        const int badItems[] = {-1, nItems, nItems + r.Pick(1000)};
        for (int bad : badGroups) {
            EXPECT_EQ(-1, r.layout->AddItem(bad, pOther, StyleFixed));
            EXPECT_EQ(-1, r.layout->AddItem(bad, 5, StyleStretch));
            EXPECT_EQ(-1, r.layout->AddSpacerItem(bad));
            EXPECT_EQ(-1, r.layout->AddSplitterItem(bad, 1, pOther));
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
        EXPECT_EQ(before, r.Dump()) << "seed " << seed;
        // And no group was added: the next one takes the next index.
        EXPECT_EQ(nGroups, r.layout->AddGroup(StyleFixed)) << "seed " << seed;
    }
}

} // namespace
