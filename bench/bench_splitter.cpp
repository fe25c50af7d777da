// Layout of a nested splitter tree: 255 splitters (a full binary tree eight levels deep,
// orientations alternating), a window in each of the 256 leaf panes and a bar window per
// splitter, against moving the same 511 windows with SetWindowPos.
#include "bench.h"

#include <afxwin.h>

#include "vxCtrlSplitter.h"

#include <memory>
#include <vector>

namespace {

const int kLevels = 8;               // 2^8 - 1 = 255 splitters
const CRect kAreas[2] = {CRect(0, 0, 1000, 760), CRect(0, 0, 960, 720)};

struct Tree {
    HWND host = NULL;
    std::vector<std::unique_ptr<vxCtrlSplitter>> splitters;
    std::vector<HWND> windows;       // leaf and bar windows, in creation order
    int flip = 0;                    // alternates the area (or the offset) between runs

    ~Tree()
    {
        splitters.clear();
        if (host != NULL)
            ::DestroyWindow(host);
    }

    HWND Child()
    {
        HWND hwnd = ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, host,
                                     NULL, ::GetModuleHandle(NULL), NULL);
        windows.push_back(hwnd);
        return hwnd;
    }

    // A splitter of the given depth with its subtree; leaves carry windows.
    vxCtrlSplitter* Build(int depth)
    {
        splitters.push_back(std::make_unique<vxCtrlSplitter>());
        vxCtrlSplitter* s = splitters.back().get();
        s->CreateSplitter(Child(), depth % 2, depth % 2 == 0, 1);
        // Each fixed pane takes a third of what its level has on average.
        const int share = (depth % 2 == 0 ? 1000 : 760) >> (depth / 2 + 1);
        s->SetPaneSize(depth % 2 ? 0 : 1, share / 3 + 1, 1);
        for (int pane = 0; pane < 2; ++pane) {
            if (depth + 1 < kLevels)
                s->AttachSplitter(pane, Build(depth + 1));
            else
                s->AttachWnd(pane, Child());
        }
        return s;
    }

    vxCtrlSplitter* Root() { return splitters.front().get(); }
};

std::shared_ptr<Tree> MakeTree()
{
    auto tree = std::make_shared<Tree>();
    tree->host = ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_POPUP | WS_VISIBLE, 0, 0, 1000, 760, NULL,
                                  NULL, ::GetModuleHandle(NULL), NULL);
    tree->Build(0);
    return tree;
}

// Every window moved once by SetWindowPos, to a place it is not at yet.
void MoveEveryWindow(Tree& tree)
{
    tree.flip ^= 1;
    int i = 0;
    for (HWND hwnd : tree.windows) {
        ++i;
        ::SetWindowPos(hwnd, NULL, (i * 7) % 900 + tree.flip, (i * 13) % 700, 20 + i % 30,
                       20 + i % 20, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace

// Runs of baseline and subject interleave, so each works on a tree of its own.
VXBENCH_FIGURE(splitter_layout_first_pass)
{
    auto tree = MakeTree();
    auto other = MakeTree();
    vxbench::Comparison c;
    c.baseline = "SetWindowPos of 511 windows";
    c.runBaseline = [other] { MoveEveryWindow(*other); };
    // Alternating areas: every pane window and bar moves in every run.
    c.runSubject = [tree] {
        tree->flip ^= 1;
        const CRect& rc = kAreas[tree->flip];
        tree->Root()->Layout(rc.left, rc.top, rc.Width(), rc.Height());
    };
    c.cleanup = [tree, other] {
        tree->splitters.clear();
        other->splitters.clear();
    };
    c.runs = 7;
    c.targetRatio = 1.05;
    return c;
}

VXBENCH_FIGURE(splitter_layout_repeated_pass)
{
    auto tree = MakeTree();
    auto other = MakeTree();
    const CRect rc = kAreas[0];
    tree->Root()->Layout(rc.left, rc.top, rc.Width(), rc.Height());
    vxbench::Comparison c;
    c.baseline = "SetWindowPos of 511 windows";
    c.runBaseline = [other] { MoveEveryWindow(*other); };
    // The same area again: pane windows already in place are not touched.
    c.runSubject = [tree, rc] {
        tree->Root()->Layout(rc.left, rc.top, rc.Width(), rc.Height());
    };
    c.cleanup = [tree, other] {
        tree->splitters.clear();
        other->splitters.clear();
    };
    c.runs = 7;
    c.targetRatio = 0.01;
    return c;
}
