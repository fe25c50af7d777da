// The layout in a host that is not kind to it: windows handed in as temporary objects that the
// idle pass frees, items added after the first layout, and a sizer-bar drag during which a
// moved window's owner deletes the bar or the layout, or destroys the parent.
#include "vxHorizLayout.h"
#include "vxSizerBar.h"
#include "vxtest.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

HWND MakeStatic(HWND hParent, int nID)
{
    return ::CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | SS_GRAYRECT, 0, 0, 10, 10,
                             hParent, (HMENU)(INT_PTR)nID, ::GetModuleHandleA(NULL), NULL);
}

CRect PlaceIn(HWND hParent, HWND hWnd) { return CRect(vxtest::PlaceIn(hParent, hWnd)); }

TEST(LayoutHostUnkind, WindowsFoundByIdOrGivenAsTemporariesOutliveTheIdlePass)
{
    vxtest::HostWindow host(600, 400);
    HWND hHost = host.Hwnd();
    const HWND hA = MakeStatic(hHost, 301), hB = MakeStatic(hHost, 302), hC = MakeStatic(hHost, 303);
    // The parent and one item come as temporary objects, as GetDlgItem gives them.
    vxHorizLayout layout(CWnd::FromHandle(hHost));
    layout.SetHeight(50);
    layout.AddItem(301, StyleFixed);
    layout.SetItemSize(0, 0, 100);
    layout.AddItem(CWnd::FromHandle(hHost)->GetDlgItem(302), StyleStretch);
    layout.CalcLayout(600, 400, NULL);
    EXPECT_EQ(PlaceIn(hHost, hA), CRect(0, 0, 100, 50));
    EXPECT_EQ(PlaceIn(hHost, hB), CRect(100, 0, 600, 50));

    // The idle pass frees every temporary object; the layout goes on with the windows.
    CWnd::DeleteTempMap();
    layout.CalcLayout(400, 300, NULL);
    EXPECT_EQ(PlaceIn(hHost, hB), CRect(100, 0, 400, 50));
    EXPECT_TRUE(layout.GetItem(CWnd::FromHandle(hB)) != NULL);

    // An item added to the laid-out row is placed by the next calculation, which shares the
    // row anew although its rectangle stayed.
    layout.AddItem(303, StyleFixed);
    layout.SetItemSize(0, 2, 50);
    layout.CalcLayout(400, 300, NULL);
    EXPECT_EQ(PlaceIn(hHost, hB), CRect(100, 0, 350, 50));
    EXPECT_EQ(PlaceIn(hHost, hC), CRect(350, 0, 400, 50));

    // A window destroyed behind the layout's back is passed over; the others still move.
    ::DestroyWindow(hA);
    layout.CalcLayout(500, 300, NULL);
    EXPECT_EQ(PlaceIn(hHost, hC), CRect(450, 0, 500, 50));
}

// Runs an action when the window has been moved, once armed.
class MoveHook
{
public:
    MoveHook(HWND hWnd, std::function<void()> action) : m_hWnd(hWnd), m_action(std::move(action))
    {
        ::SetPropA(hWnd, "layouttest.hook", this);
        m_previous = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&MoveHook::Proc);
    }
    bool armed = false;
    bool fired = false;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = static_cast<MoveHook*>(::GetPropA(hWnd, "layouttest.hook"));
        const WNDPROC previous = self->m_previous;
        if (message == WM_WINDOWPOSCHANGED && self->armed && !self->fired) {
            self->fired = true;
            self->m_action();
        }
        if (message == WM_NCDESTROY)
            ::RemovePropA(hWnd, "layouttest.hook");
        return ::CallWindowProcA(previous, hWnd, message, wParam, lParam);
    }
    HWND m_hWnd;
    WNDPROC m_previous = NULL;
    std::function<void()> m_action;
};

// Left item, bar, right item in one row; the drag moves the left item, whose owner acts.
TEST(LayoutHostUnkind, OwnerOfAMovedWindowDeletesTheBarOrTheLayoutOrDestroysTheParent)
{
    enum class Act { DeleteBar, DeleteLayout, DestroyParent };
    for (Act act : {Act::DeleteBar, Act::DeleteLayout, Act::DestroyParent}) {
        SCOPED_TRACE(testing::Message() << "act " << (int)act);
        RECT freeClip;
        ::GetClipCursor(&freeClip);
        vxtest::HostWindow host(600, 300);
        HWND hHost = host.Hwnd();
        CWnd* pParent = CWnd::FromHandle(hHost);
        HWND hLeft = MakeStatic(hHost, 401);
        MakeStatic(hHost, 402);
        auto* pLayout = new vxHorizLayout(pParent);
        auto* pBar = new vxSizerBar;
        ASSERT_TRUE(pBar->Create(WS_CHILD | WS_VISIBLE, pParent, pLayout, 410, CRect(0, 0, 4, 200)));
        HWND hBar = pBar->GetSafeHwnd();
        pLayout->SetHeight(200);
        pLayout->AddItem(401, StyleFixed);
        pLayout->SetItemSize(0, 0, 100);
        pLayout->AddSplitterItem(0, 0, pBar);
        pLayout->SetItemSize(0, 1, 4);
        pLayout->AddItem(402, StyleStretch);
        pLayout->SetSplitterWnd(0, 1, 0, 2);
        pLayout->CalcLayout(pParent);
        MoveHook hook(hLeft, [&] {
            switch (act) {
            case Act::DeleteBar: delete pBar; pBar = NULL; break;
            case Act::DeleteLayout: delete pLayout; pLayout = NULL; break;
            case Act::DestroyParent: ::DestroyWindow(hHost); break;
            }
        });
        ::SetForegroundWindow(hHost);
        vxtest::PumpMessages();

        vxtest::MouseMove(vxtest::ScreenPoint(hHost, 102, 50));
        vxtest::PumpMessages();
        vxtest::MouseDown();
        ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetCapture() == hBar; }));
        hook.armed = true;
        vxtest::MouseMove(vxtest::ScreenPoint(hHost, 140, 50));
        EXPECT_TRUE(vxtest::PumpUntil([&] { return hook.fired; }));
        vxtest::MouseMove(vxtest::ScreenPoint(hHost, 160, 50));
        vxtest::PumpFor(50);
        vxtest::MouseUp();
        vxtest::PumpFor(50);

        // The drag is over however it ended: no capture, no clip; what is left still works.
        EXPECT_NE(::GetCapture(), hBar);
        RECT clip;
        ::GetClipCursor(&clip);
        EXPECT_TRUE(::EqualRect(&clip, &freeClip));
        if (pLayout != NULL && ::IsWindow(hHost))
            pLayout->CalcLayout(300, 200, NULL);
        if (pBar != NULL && ::IsWindow(hBar)) {
            // A bar whose layout went is still a bar, with nothing to drag.
            vxtest::MouseMove(vxtest::CentreOf(hBar));
            vxtest::MouseDown();
            vxtest::PumpFor(50);
            EXPECT_EQ(::GetCapture(), act == Act::DeleteLayout ? (HWND)NULL : hBar);
            vxtest::MouseUp();
            vxtest::PumpFor(50);
        }
        delete pBar;
        delete pLayout;
        vxtest::PumpMessages();
    }
}

} // namespace
