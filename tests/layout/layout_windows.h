// A host with static children for the layout's tests: makes the children, reads where they
// stand and counts their moves.
#pragma once

#include "vxHorizLayout.h"
#include "vxVertLayout.h"
#include "vxtest.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

inline void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << ")";
}

struct LayoutWindows : ::testing::Test {
    vxtest::HostWindow host{800, 600};
    CWnd parent;
    std::vector<std::unique_ptr<CStatic>> children;

    LayoutWindows() { parent.Attach(host.Hwnd()); }
    ~LayoutWindows() override
    {
        for (auto& child : children)
            child->DestroyWindow();
        parent.Detach();
    }
    // A child of this client size, not yet placed by any layout.
    CStatic* MakeChild(UINT nID, bool bVisible = true, CSize size = CSize(10, 10))
    {
        children.push_back(std::make_unique<CStatic>());
        const DWORD style = WS_CHILD | SS_GRAYRECT | (bVisible ? WS_VISIBLE : 0);
        children.back()->Create(_T(""), style, CRect(CPoint(0, 0), size), &parent, nID);
        return children.back().get();
    }
    // The window's rectangle in the host's client coordinates.
    CRect Place(CWnd* pWnd)
    {
        return CRect(vxtest::PlaceIn(host.Hwnd(), pWnd->GetSafeHwnd()));
    }
    CPoint Screen(int x, int y) { return CPoint(vxtest::ScreenPoint(host.Hwnd(), x, y)); }
};

inline int Moves(const vxtest::MessageRecorder& recorder) { return recorder.Count(WM_WINDOWPOSCHANGED); }
