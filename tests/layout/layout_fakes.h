// Windowless test doubles for the layout: a window seam that answers client sizes from a
// table and records every batch of moves, and probes that read a layout's records.
#pragma once

#include "vxHorizLayout.h"
#include "vxLayoutWindowOps.h"
#include "vxVertLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << ")";
}

namespace layouttest {

struct Move {
    HWND hWnd;
    CRect rect;
};

// A window object with a made-up handle that names no window: the layout keeps handles, and
// the fake seam below answers for them without any window being made.
class FakeWnd : public CWnd
{
public:
    FakeWnd()
    {
        static UINT_PTR s_next = 0x7F000000;
        m_hWnd = reinterpret_cast<HWND>(s_next += 4);
    }
    operator HWND() const { return m_hWnd; }
};

// Client sizes by window handle.
class FakeWindowOps : public vxLayoutWindowOps
{
public:
    FakeWindowOps() { m_pBefore = vxLayoutWindowOps::Set(this); }
    ~FakeWindowOps() override { vxLayoutWindowOps::Set(m_pBefore); }

    void SetClientSize(CWnd* pWnd, int cx, int cy) { m_sizes[pWnd->GetSafeHwnd()] = CSize(cx, cy); }

    BOOL GetClientSize(HWND hWnd, CSize& size) override
    {
        ++measured;
        auto it = m_sizes.find(hWnd);
        if (it == m_sizes.end())
            return FALSE;
        size = it->second;
        return TRUE;
    }
    HDWP BeginMove(int nWindows) override
    {
        batchSizes.push_back(nWindows);
        batches.emplace_back();
        return failBegin ? NULL : reinterpret_cast<HDWP>(static_cast<INT_PTR>(batches.size()));
    }
    HDWP DeferMove(HDWP hBatch, HWND hWnd, const CRect& rc) override
    {
        EXPECT_EQ(hBatch, reinterpret_cast<HDWP>(static_cast<INT_PTR>(batches.size())));
        if (failDeferAfter >= 0 && static_cast<int>(batches.back().size()) >= failDeferAfter)
            return NULL;
        batches.back().push_back({hWnd, rc});
        return hBatch;
    }
    void EndMove(HDWP hBatch) override { ++ended; }

    // Moves of the last batch, or none.
    std::vector<Move> LastMoves() const { return batches.empty() ? std::vector<Move>() : batches.back(); }
    void Clear() { batches.clear(); batchSizes.clear(); ended = 0; measured = 0; }

    std::vector<std::vector<Move>> batches;
    std::vector<int> batchSizes;     // the counts given to BeginMove
    int ended = 0;
    int measured = 0;
    bool failBegin = false;
    int failDeferAfter = -1;         // >= 0: DeferMove fails once the batch holds this many

private:
    vxLayoutWindowOps* m_pBefore;
    std::map<HWND, CSize> m_sizes;
};

// Reads a layout's records.
template <class Base>
class Probe : public Base
{
public:
    using Base::Base;
    int GroupCount() const { return static_cast<int>(this->m_groups.size()); }
    vxLayoutGroup* Group(int g) const { return this->m_groups.at(g); }
    vxLayoutItem* Item(int g, int i) const { return this->m_groups.at(g)->m_items.at(i); }
    int ItemCount(int g) const { return static_cast<int>(this->m_groups.at(g)->m_items.size()); }
    CRect Margins() const { return this->m_margins; }
    HWND Parent() const { return this->m_hParent; }

    // Every field of every record, for before/after comparisons.
    std::string Dump() const
    {
        std::ostringstream os;
        for (int g = 0; g < GroupCount(); ++g) {
            DumpRecord(os, Group(g));
            for (int i = 0; i < ItemCount(g); ++i) {
                os << "  ";
                DumpRecord(os, Item(g, i));
            }
        }
        PrintTo(Margins(), &os);
        return os.str();
    }

private:
    static void DumpRecord(std::ostream& os, const vxLayoutItem* p)
    {
        os << p->m_direction << " " << p->m_kind << " " << p->m_style << " ";
        PrintTo(p->m_rect, &os);
        os << " " << p->m_minWidth << "-" << p->m_maxWidth << " " << p->m_minHeight << "-"
           << p->m_maxHeight << " w" << p->m_weight << " " << p->m_pPrev << " " << p->m_pNext
           << " " << p->m_pParentGroup << " " << p->m_hWnd << " " << p->m_nID << " d"
           << p->m_bDirty << "\n";
    }
};

typedef Probe<vxLayout> LayoutProbe;
typedef Probe<vxHorizLayout> HorizProbe;
typedef Probe<vxVertLayout> VertProbe;

} // namespace layouttest
