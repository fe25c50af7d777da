// The host during a bar drag: a message dispatched by the drag's loop destroys the frame
// that holds the splitter, deletes the splitter, takes the capture away or destroys the
// capture window, and nothing else arrives; the same for a key move that deletes the
// splitter; splitter trees that would loop are refused.
#include "splitter_windows.h"
#include "vxCtrlSplitter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace splittest;

namespace {

// Ends a drag that should have ended: after the time bound, another thread posts a right
// button press to the window. Nothing reaches the drag's queue before that.
class Watchdog
{
public:
    Watchdog(HWND hwnd, DWORD ms)
        : m_thread([this, hwnd, ms] {
              for (DWORD waited = 0; waited < ms && !m_stop; waited += 10)
                  ::Sleep(10);
              if (!m_stop)
                  ::PostMessageA(hwnd, WM_RBUTTONDOWN, 0, 0);
          })
    {
    }
    ~Watchdog()
    {
        m_stop = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

const RECT kUnplaced = {0, 0, 1, 1};

struct Frame {
    vxtest::HostWindow host{800, 600};
    HWND pane0 = CreateColourWindow(host.Hwnd(), RGB(255, 255, 255), kUnplaced);
    HWND pane1 = CreateColourWindow(host.Hwnd(), RGB(160, 160, 160), kUnplaced);
    HWND bar = CreateColourWindow(host.Hwnd(), RGB(64, 64, 64), kUnplaced);

    void Build(vxCtrlSplitter& splitter)
    {
        ASSERT_EQ(BuildDragSplitter(splitter, bar, pane0, pane1), 1);
        vxtest::PumpMessages();
    }

    // Runs the action once from a one-shot timer of the host after the drag has moved the
    // outline; answers Track's result and how long the drag lasted after the action.
    int TrackWithAction(vxCtrlSplitter& splitter, std::function<void()> action, DWORD* pAfterMs)
    {
        DWORD actedAt = 0;
        host.SetHandler([&, action](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
            if (message != WM_TIMER || wParam != 91)
                return false;
            ::KillTimer(host.Hwnd(), 91);
            actedAt = ::GetTickCount();
            action();
            return true;
        });
        ::PostMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(12, 10));
        ::SetTimer(host.Hwnd(), 91, 100, NULL);
        Watchdog watchdog(bar, 3000);
        const int result = splitter.Track(CWnd::FromHandle(bar), CPoint(2, 10));
        *pAfterMs = ::GetTickCount() - actedAt;
        return result;
    }
};

RECT PaneRect(vxCtrlSplitter& splitter, int pane)
{
    RECT rc = {};
    splitter.GetPaneRect(pane, &rc);
    return rc;
}

TEST(SplitterHostUnkind, FrameDestroyedDuringTheDragEndsItUnapplied)
{
    Frame frame;
    vxCtrlSplitter splitter;
    frame.Build(splitter);
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    HWND hHost = frame.host.Hwnd();
    DWORD afterMs = 0;
    EXPECT_EQ(frame.TrackWithAction(splitter, [hHost] { ::DestroyWindow(hHost); }, &afterMs), 0);
    EXPECT_LT(afterMs, 1000u);
    EXPECT_FALSE(::IsWindow(hHost));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(PaneRect(splitter, 0), (RECT{0, 0, 246, 300}));
    vxtest::PumpMessages();
    EXPECT_EQ(vxtest::GuiCounts::Now().windows, before.windows - 4);
}

TEST(SplitterHostUnkind, SplitterDeletedDuringTheDragIsNotTouchedAgain)
{
    Frame frame;
    vxCtrlSplitter* pSplitter = new vxCtrlSplitter;
    frame.Build(*pSplitter);
    const RECT barBefore = PlaceInParent(frame.bar);
    const size_t bytesBefore = vxtest::HeapBytesInUse();
    DWORD afterMs = 0;
    vxCtrlSplitter* pDoomed = pSplitter;
    EXPECT_EQ(frame.TrackWithAction(*pDoomed, [&] { delete pSplitter; pSplitter = NULL; }, &afterMs), 0);
    EXPECT_EQ(pSplitter, nullptr);
    // The drag ends at once, unapplied: capture released, the windows where they were.
    EXPECT_LT(afterMs, 1000u);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(PlaceInParent(frame.bar), barBefore);
    EXPECT_LT(vxtest::HeapBytesInUse(), bytesBefore + 4096);
}

TEST(SplitterHostUnkind, CaptureGoneEndsTheDragAtOnce)
{
    {
        // Taken by another window, with no input after it: applied where the outline stands.
        Frame frame;
        vxCtrlSplitter splitter;
        frame.Build(splitter);
        HWND hHost = frame.host.Hwnd();
        DWORD afterMs = 0;
        EXPECT_EQ(frame.TrackWithAction(splitter, [hHost] { ::SetCapture(hHost); }, &afterMs), 1);
        EXPECT_LT(afterMs, 1000u);
        EXPECT_EQ(::GetCapture(), hHost);
        ::ReleaseCapture();
        EXPECT_EQ(PaneRect(splitter, 0), (RECT{0, 0, 258, 300}));
    }
    {
        // The capture window destroyed: the drag ends with it.
        Frame frame;
        vxCtrlSplitter splitter;
        frame.Build(splitter);
        HWND hBar = frame.bar;
        DWORD afterMs = 0;
        frame.TrackWithAction(splitter, [hBar] { ::DestroyWindow(hBar); }, &afterMs);
        EXPECT_LT(afterMs, 1000u);
        EXPECT_EQ(::GetCapture(), nullptr);
    }
}

vxCtrlSplitter* s_pDoomed = NULL;
WNDPROC s_barProc = NULL;
int s_valueChanges = 0;

// The bar's owner deletes the splitter when the bar window moves.
LRESULT CALLBACK DeletesTheSplitterOnMove(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WINDOWPOSCHANGED && s_pDoomed != NULL) {
        delete s_pDoomed;
        s_pDoomed = NULL;
    }
    return ::CallWindowProc(s_barProc, hwnd, message, wParam, lParam);
}

void CALLBACK CountValueChanges(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD)
{
    ++s_valueChanges;
}

TEST(SplitterHostUnkind, SplitterDeletedByAKeyMoveIsNotTouchedAgain)
{
    Frame frame;
    s_pDoomed = new vxCtrlSplitter;
    frame.Build(*s_pDoomed);
    s_barProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtr(frame.bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DeletesTheSplitterOnMove)));
    HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, NULL,
                                           CountValueChanges, ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    s_valueChanges = 0;
    ::SetForegroundWindow(frame.host.Hwnd());
    ::SetFocus(frame.bar);
    vxtest::KeyPress(VK_RIGHT);
    vxtest::PumpFor(50);
    EXPECT_EQ(s_pDoomed, nullptr);
    // Gone with the move: no value change is told of a bar nobody divides any more.
    EXPECT_EQ(s_valueChanges, 0);
    ::UnhookWinEvent(hook);
    ::SetWindowLongPtr(frame.bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_barProc));
}

TEST(SplitterTree, AttachingASplitterIntoItselfIsRefused)
{
    vxCtrlSplitter outer, middle, inner, other;
    EXPECT_EQ(outer.AttachSplitter(0, &outer), nullptr);
    EXPECT_EQ(outer.GetAttachSplitter(0), nullptr);
    EXPECT_EQ(outer.AttachSplitter(0, &middle), nullptr);
    EXPECT_EQ(middle.AttachSplitter(1, &inner), nullptr);
    // inner -> outer would close the loop outer -> middle -> inner -> outer.
    EXPECT_EQ(inner.AttachSplitter(0, &outer), nullptr);
    EXPECT_EQ(inner.GetAttachSplitter(0), nullptr);
    EXPECT_EQ(middle.AttachSplitter(0, &outer), nullptr);
    EXPECT_EQ(middle.GetAttachSplitter(0), nullptr);
    // A tree stays a tree: the same splitter in two panes, a sibling, a replacement.
    EXPECT_EQ(outer.AttachSplitter(1, &inner), nullptr);
    EXPECT_EQ(inner.AttachSplitter(0, &other), nullptr);
    EXPECT_EQ(outer.AttachSplitter(0, &other), &middle);
    EXPECT_EQ(outer.GetAttachSplitter(0), &other);
    // Laid out, the tree ends.
    outer.Layout(0, 0, 400, 300);
}

} // namespace
