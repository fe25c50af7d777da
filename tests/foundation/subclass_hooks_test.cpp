// Chains of window-procedure hooks: order of calls, removal in both orders, WM_CLOSE, the
// results of Default(), and windows destroyed while hooked.
#include "CSubclassWnd.h"

#include "vxtest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kAsk = WM_USER + 1;       // the window answers 40 + wParam
const UINT kSwallowed = WM_USER + 2; // hooks may answer this one themselves
const UINT kNested = WM_USER + 3;    // a hook sends this while handling kAsk

std::vector<std::string> g_log;

const TCHAR kPlainClass[] = _T("vxtest.HookedWindow");

LRESULT CALLBACK OwnProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kAsk:
        g_log.push_back("own:ask");
        return 40 + (LRESULT)wParam;
    case kSwallowed:
        g_log.push_back("own:swallowed");
        return 1;
    case kNested:
        g_log.push_back("own:nested");
        return 5;
    case WM_CLOSE:
        g_log.push_back("own:close");
        return 0;                    // stays alive unless a test destroys it
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND NewWindow()
{
    static bool registered = false;
    if (!registered) {
        // In the build's character set, as the hooks are: the procedures read back are then
        // the real ones, not the system's translating stand-ins.
        WNDCLASS wc = {};
        wc.lpfnWndProc = &OwnProc;
        wc.hInstance = ::GetModuleHandle(nullptr);
        wc.lpszClassName = kPlainClass;
        registered = ::RegisterClass(&wc) != 0;
    }
    return ::CreateWindowEx(0, kPlainClass, _T("hooked"), WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                            ::GetModuleHandle(nullptr), nullptr);
}

WNDPROC ProcOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hwnd, GWLP_WNDPROC)); }

// A hook that logs what it sees and can answer, adjust or nest.
class LogHook : public CSubclassWnd {
public:
    explicit LogHook(const char* name) : m_name(name) {}

    HWND Hooked() const { return m_hWnd; }
    CSubclassWnd* Next() const { return m_pNext; }
    WNDPROC OldProc() const { return m_pOldWndProc; }

    bool swallow = false;            // answer kSwallowed with 7 without passing it on
    bool addHundred = false;         // answer kAsk with the next one's answer + 100
    bool nest = false;               // send kNested to the window before passing kAsk on
    bool deleteOnClose = false;
    LRESULT lastDefault = -1;

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kAsk || message == kSwallowed || message == kNested || message == WM_CLOSE)
            g_log.push_back(m_name + ":" + Name(message));
        if (message == kSwallowed && swallow)
            return 7;
        if (message == kAsk && nest)
            ::SendMessageA(m_hWnd, kNested, 0, 0);
        lastDefault = Default();
        if (message == kAsk && addHundred)
            return lastDefault + 100;
        return lastDefault;
    }
    virtual void OnHookedClose()
    {
        g_log.push_back(m_name + ":OnHookedClose");
        if (deleteOnClose)
            delete this;
    }

private:
    static std::string Name(UINT message)
    {
        switch (message) {
        case kAsk: return "ask";
        case kSwallowed: return "swallowed";
        case kNested: return "nested";
        default: return "close";
        }
    }
    std::string m_name;
};

using Log = std::vector<std::string>;

class SubclassHooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.clear();
        mapCountBefore = GetSubclassWndMap().GetCount();
        hwnd = NewWindow();
        ASSERT_NE(hwnd, nullptr);
    }
    void TearDown() override
    {
        if (::IsWindow(hwnd))
            ::DestroyWindow(hwnd);
        EXPECT_EQ(GetSubclassWndMap().GetCount(), mapCountBefore);
    }
    HWND hwnd = nullptr;
    INT_PTR mapCountBefore = 0;
};

TEST_F(SubclassHooks, ChainOrderAndRemovalOfTheNewerFirst)
{
    LogHook a("A"), b("B");
    EXPECT_TRUE(a.HookWindow(hwnd));
    const WNDPROC replaced = ProcOf(hwnd);
    EXPECT_NE(replaced, &OwnProc);
    EXPECT_TRUE(b.HookWindow(hwnd));
    EXPECT_EQ(ProcOf(hwnd), replaced);           // replaced once per window
    EXPECT_EQ(GetSubclassWndMap().Lookup(hwnd), &b);
    EXPECT_EQ(b.Next(), &a);
    EXPECT_EQ(a.Next(), nullptr);
    EXPECT_EQ(a.OldProc(), &OwnProc);
    EXPECT_EQ(b.OldProc(), &OwnProc);
    EXPECT_EQ(GetSubclassWndMap().GetCount(), mapCountBefore + 1);

    EXPECT_EQ(::SendMessageA(hwnd, kAsk, 2, 0), 42);
    EXPECT_EQ(g_log, (Log{"B:ask", "A:ask", "own:ask"}));

    g_log.clear();
    EXPECT_TRUE(b.HookWindow(NULL));              // the older one becomes the head
    EXPECT_EQ(b.Hooked(), nullptr);
    EXPECT_EQ(b.OldProc(), nullptr);
    EXPECT_EQ(GetSubclassWndMap().Lookup(hwnd), &a);
    EXPECT_EQ(ProcOf(hwnd), replaced);
    EXPECT_EQ(::SendMessageA(hwnd, kAsk, 1, 0), 41);
    EXPECT_EQ(g_log, (Log{"A:ask", "own:ask"}));

    EXPECT_TRUE(a.HookWindow(NULL));              // the last one: own procedure back
    EXPECT_EQ(ProcOf(hwnd), &OwnProc);
    EXPECT_EQ(GetSubclassWndMap().Lookup(hwnd), nullptr);
    EXPECT_EQ(GetSubclassWndMap().GetCount(), mapCountBefore);
}

TEST_F(SubclassHooks, RemovalOfTheOlderFirst)
{
    LogHook a("A"), b("B"), c("C");
    a.HookWindow(hwnd);
    b.HookWindow(hwnd);
    c.HookWindow(hwnd);
    const WNDPROC replaced = ProcOf(hwnd);

    b.HookWindow(NULL);                           // from the middle
    EXPECT_EQ(c.Next(), &a);
    a.HookWindow(NULL);                           // the oldest: the newer's link is cleared
    EXPECT_EQ(c.Next(), nullptr);
    EXPECT_EQ(GetSubclassWndMap().Lookup(hwnd), &c);
    EXPECT_EQ(ProcOf(hwnd), replaced);
    EXPECT_EQ(::SendMessageA(hwnd, kAsk, 0, 0), 40);
    EXPECT_EQ(g_log, (Log{"C:ask", "own:ask"}));

    c.HookWindow(NULL);
    EXPECT_EQ(ProcOf(hwnd), &OwnProc);
    EXPECT_EQ(GetSubclassWndMap().Lookup(hwnd), nullptr);

    // Rehooking moves a hook to the head instead of linking it twice.
    a.HookWindow(hwnd);
    b.HookWindow(hwnd);
    a.HookWindow(hwnd);
    EXPECT_EQ(GetSubclassWndMap().Lookup(hwnd), &a);
    EXPECT_EQ(a.Next(), &b);
    EXPECT_EQ(b.Next(), nullptr);
    g_log.clear();
    EXPECT_EQ(::SendMessageA(hwnd, kAsk, 0, 0), 40);
    EXPECT_EQ(g_log, (Log{"A:ask", "B:ask", "own:ask"}));
    a.HookWindow(NULL);
    b.HookWindow(NULL);
    EXPECT_EQ(ProcOf(hwnd), &OwnProc);
}

TEST_F(SubclassHooks, CloseTakesTheChainDownAndTellsOnlyTheNewest)
{
    LogHook a("A"), b("B");
    a.HookWindow(hwnd);
    b.HookWindow(hwnd);
    ::SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(g_log, (Log{"B:OnHookedClose", "own:close"}));
    EXPECT_EQ(ProcOf(hwnd), &OwnProc);
    EXPECT_EQ(GetSubclassWndMap().Lookup(hwnd), nullptr);
    EXPECT_EQ(a.Hooked(), nullptr);
    EXPECT_EQ(b.Hooked(), nullptr);

    // A posted close, and a hook that deletes itself in OnHookedClose.
    g_log.clear();
    LogHook* c = new LogHook("C");
    c->deleteOnClose = true;
    a.HookWindow(hwnd);
    c->HookWindow(hwnd);
    ::PostMessageA(hwnd, WM_CLOSE, 0, 0);
    vxtest::PumpMessages();
    EXPECT_EQ(g_log, (Log{"C:OnHookedClose", "own:close"}));
    EXPECT_EQ(ProcOf(hwnd), &OwnProc);
    EXPECT_EQ(a.Hooked(), nullptr);
}

TEST_F(SubclassHooks, DefaultAnswersWithTheNextOnesResult)
{
    LogHook a("A"), b("B");
    a.HookWindow(hwnd);
    b.HookWindow(hwnd);

    a.addHundred = true;                          // A adjusts what the window answered
    EXPECT_EQ(::SendMessageA(hwnd, kAsk, 3, 0), 143);
    EXPECT_EQ(a.lastDefault, 43);
    EXPECT_EQ(b.lastDefault, 143);                // B's Default() answered with A's result

    g_log.clear();
    b.swallow = true;                             // the newest answers by itself
    EXPECT_EQ(::SendMessageA(hwnd, kSwallowed, 0, 0), 7);
    EXPECT_EQ(g_log, (Log{"B:swallowed"}));
    a.swallow = true;
    b.swallow = false;
    g_log.clear();
    EXPECT_EQ(::SendMessageA(hwnd, kSwallowed, 0, 0), 7);
    EXPECT_EQ(g_log, (Log{"B:swallowed", "A:swallowed"}));

    // A message sent inside a hook's handling does not change what its Default() passes on.
    g_log.clear();
    a.addHundred = false;
    b.nest = true;
    EXPECT_EQ(::SendMessageA(hwnd, kAsk, 9, 0), 49);
    EXPECT_EQ(g_log, (Log{"B:ask", "B:nested", "A:nested", "own:nested", "A:ask", "own:ask"}));
    a.HookWindow(NULL);
    b.HookWindow(NULL);
}

TEST_F(SubclassHooks, WindowDestroyedWhileHookedLeavesNoEntry)
{
    LogHook* a = new LogHook("A");
    LogHook* b = new LogHook("B");
    a->HookWindow(hwnd);
    b->HookWindow(hwnd);
    ASSERT_TRUE(::DestroyWindow(hwnd));           // no WM_CLOSE on the way
    EXPECT_EQ(GetSubclassWndMap().Lookup(hwnd), nullptr);
    EXPECT_EQ(GetSubclassWndMap().GetCount(), mapCountBefore);
    EXPECT_EQ(a->Hooked(), nullptr);
    EXPECT_EQ(b->Hooked(), nullptr);
    EXPECT_EQ(g_log, Log{});                      // nobody was told of a close

    // A new window may get the old handle's slot; deleting the old hooks must not touch it.
    HWND other = NewWindow();
    LogHook c("C");
    c.HookWindow(other);
    delete a;
    delete b;
    EXPECT_EQ(GetSubclassWndMap().Lookup(other), &c);
    EXPECT_EQ(::SendMessageA(other, kAsk, 0, 0), 40);
    c.HookWindow(NULL);
    ::DestroyWindow(other);

    // A hook deleted while its window lives takes itself off.
    hwnd = NewWindow();
    LogHook* d = new LogHook("D");
    d->HookWindow(hwnd);
    delete d;
    EXPECT_EQ(ProcOf(hwnd), &OwnProc);
    EXPECT_EQ(GetSubclassWndMap().Lookup(hwnd), nullptr);
}

TEST_F(SubclassHooks, BadHandlesChangeNothing)
{
    LogHook a("A");
    HWND bogus = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFF0));
    EXPECT_FALSE(a.HookWindow(bogus));
    EXPECT_EQ(a.Hooked(), nullptr);
    EXPECT_EQ(GetSubclassWndMap().GetCount(), mapCountBefore);

    a.HookWindow(hwnd);
    EXPECT_FALSE(a.HookWindow(bogus));            // stays where it was
    EXPECT_EQ(a.Hooked(), hwnd);
    EXPECT_EQ(::SendMessageA(hwnd, kAsk, 0, 0), 40);
    EXPECT_TRUE(a.HookWindow(NULL));
    EXPECT_TRUE(a.HookWindow(NULL));              // unhooking twice is harmless
    EXPECT_EQ(GetSubclassWndMap().Lookup(NULL), nullptr);
}

} // namespace
