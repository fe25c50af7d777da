// The library's hooks on windows it does not own, seen through the splitter, which hooks its
// bar: several hooks of one window run newest first, each passing on what it does not take;
// the window's own procedure returns with the last hook, in any order of removal, and a
// window destroyed while hooked leaves nothing for its hooks' owners to trip on.
#include "vxCtrlSplitter.h"
#include "vxtest.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const UINT kAsk = WM_USER + 1;       // the bar's own procedure answers 40 + wParam
int g_nOwnKeys = 0;                  // key presses that reached the bar's own procedure

LRESULT CALLBACK OwnProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kAsk)
        return 40 + static_cast<LRESULT>(wParam);
    if (message == WM_KEYDOWN)
        ++g_nOwnKeys;
    return ::DefWindowProc(hwnd, message, wParam, lParam);
}

WNDPROC ProcOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hwnd, GWLP_WNDPROC)); }

using Splitter = std::unique_ptr<vxCtrlSplitter>;

struct SubclassHooks : ::testing::Test {
    vxtest::HostWindow host{400, 300};
    HWND bar = NULL;

    void SetUp() override
    {
        // In the build's character set, as the hooks are: the procedure read back is then the
        // real one, not the system's translating stand-in.
        static const ATOM atom = [] {
            WNDCLASS wc = {};
            wc.lpfnWndProc = &OwnProc;
            wc.hInstance = ::GetModuleHandle(NULL);
            wc.lpszClassName = _T("vxtest.HookedBar");
            return ::RegisterClass(&wc);
        }();
        ASSERT_NE(atom, 0);
        ASSERT_TRUE(vxtest::BringToFront(host.Hwnd()));
        bar = NewBar();
        g_nOwnKeys = 0;
    }
    HWND NewBar()
    {
        return ::CreateWindowEx(0, _T("vxtest.HookedBar"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 4, 300, host.Hwnd(),
                                NULL, ::GetModuleHandle(NULL), NULL);
    }
    // A splitter over the bar, side by side, the bar at 246..250 once laid out.
    Splitter Split(HWND hBar) const
    {
        Splitter p(new vxCtrlSplitter);
        EXPECT_EQ(p->CreateSplitter(hBar, 0, 1, 1), 1);
        p->SetPaneSize(0, -1, 50);
        p->SetPaneSize(1, 150, 30);
        return p;
    }
    // Which of the splitters a Right key on the focused bar moves (-1: none), each laid out
    // anew first.
    int MovedByKey(HWND hBar, const std::vector<vxCtrlSplitter*>& splitters) const
    {
        for (vxCtrlSplitter* p : splitters)
            p->Layout(0, 0, 400, 300);
        ::SetFocus(hBar);
        vxtest::KeyPress(VK_RIGHT);
        int nMoved = -1;
        for (size_t i = 0; i < splitters.size(); ++i) {
            RECT rc;
            splitters[i]->GetSplitterRect(&rc);
            if (rc.left != 246)
                nMoved = nMoved == -1 ? static_cast<int>(i) : -2;
        }
        return nMoved;
    }
};

TEST_F(SubclassHooks, TheNewestHookTakesItsKeysAndTheOwnProcedureReturnsWithTheLast)
{
    Splitter a = Split(bar);
    const WNDPROC replaced = ProcOf(bar);
    EXPECT_NE(replaced, &OwnProc);
    Splitter b = Split(bar);
    EXPECT_EQ(ProcOf(bar), replaced);             // replaced once per window
    EXPECT_EQ(::SendMessage(bar, kAsk, 2, 0), 42); // what no hook takes reaches the window
    EXPECT_EQ(MovedByKey(bar, {a.get(), b.get()}), 1);
    EXPECT_EQ(g_nOwnKeys, 0);                      // the key was the hook's
    vxtest::KeyPress('A');
    EXPECT_EQ(g_nOwnKeys, 1);

    b.reset();                                     // the older one becomes the head
    EXPECT_EQ(ProcOf(bar), replaced);
    EXPECT_EQ(MovedByKey(bar, {a.get()}), 0);
    EXPECT_EQ(::SendMessage(bar, kAsk, 1, 0), 41);
    a.reset();
    EXPECT_EQ(ProcOf(bar), &OwnProc);
    const int nBefore = g_nOwnKeys;
    vxtest::KeyPress(VK_RIGHT);
    EXPECT_EQ(g_nOwnKeys, nBefore + 1);
}

TEST_F(SubclassHooks, OlderHooksRemovedFirstLeaveTheNewestAtTheHead)
{
    Splitter a = Split(bar), b = Split(bar), c = Split(bar);
    const WNDPROC replaced = ProcOf(bar);
    b.reset();                                     // from the middle
    EXPECT_EQ(MovedByKey(bar, {a.get(), c.get()}), 1);
    a.reset();                                     // the oldest
    EXPECT_EQ(MovedByKey(bar, {c.get()}), 0);
    EXPECT_EQ(ProcOf(bar), replaced);
    EXPECT_EQ(::SendMessage(bar, kAsk, 0, 0), 40);
    // A splitter created again over its bar goes to the head.
    a = Split(bar);
    ASSERT_EQ(c->CreateSplitter(bar, 0, 1, 1), 1);
    EXPECT_EQ(MovedByKey(bar, {a.get(), c.get()}), 1);
    c.reset();
    a.reset();
    EXPECT_EQ(ProcOf(bar), &OwnProc);
}

TEST_F(SubclassHooks, ABarDestroyedWhileHookedLeavesNothingBehind)
{
    Splitter a = Split(bar), b = Split(bar);
    ASSERT_TRUE(::DestroyWindow(bar));             // no WM_CLOSE on the way
    // A new window may get the old handle; the old hooks' owners going must not touch it.
    HWND other = NewBar();
    Splitter c = Split(other);
    a.reset();
    b.reset();
    EXPECT_EQ(::SendMessage(other, kAsk, 0, 0), 40);
    EXPECT_EQ(MovedByKey(other, {c.get()}), 0);
    c.reset();
    EXPECT_EQ(ProcOf(other), &OwnProc);
    ::DestroyWindow(other);
}

} // namespace
