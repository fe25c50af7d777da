#include "vxBalloonDismiss.h"

#include <algorithm>
#include <vector>

namespace {

struct Watched
{
    HWND hBalloon;
    BOOL bAutoHide;
    BOOL bLink;
};

// The hooks and the balloons of one thread.
struct ThreadWatch
{
    HHOOK hKeyboard = NULL;
    HHOOK hMouse = NULL;
    std::vector<Watched> balloons;
    int nInHook = 0;                 // a hook procedure runs: the hooks stay until it returns
};

thread_local ThreadWatch t_watch;

void RemoveHooksIfIdle()
{
    if (!t_watch.balloons.empty() || t_watch.nInHook > 0)
        return;
    if (t_watch.hKeyboard != NULL)
        ::UnhookWindowsHookEx(t_watch.hKeyboard);
    if (t_watch.hMouse != NULL)
        ::UnhookWindowsHookEx(t_watch.hMouse);
    t_watch.hKeyboard = t_watch.hMouse = NULL;
}

// Hides the balloons that match; each leaves the watch by its own hiding.
template <class Match>
BOOL HideWhere(Match match)
{
    std::vector<HWND> hidden;
    for (const Watched& w : t_watch.balloons) {
        if (::IsWindow(w.hBalloon) && ::IsWindowVisible(w.hBalloon) && match(w))
            hidden.push_back(w.hBalloon);
    }
    for (HWND hBalloon : hidden)
        ::ShowWindow(hBalloon, SW_HIDE);
    return !hidden.empty();
}

// Runs a hook's work; hooks that its hiding leaves idle are removed after it, not from
// inside their own procedure.
template <class Work>
LRESULT InHook(Work work)
{
    ++t_watch.nInHook;
    const LRESULT lResult = work();
    --t_watch.nInHook;
    RemoveHooksIfIdle();
    return lResult;
}

// The shown link balloon that Tab takes the focus to, unless the focus is in a balloon already.
HWND LinkBalloonForTab()
{
    HWND hFocus = ::GetFocus();
    HWND hLink = NULL;
    for (const Watched& w : t_watch.balloons) {
        if (w.hBalloon == hFocus)
            return NULL;
        if (w.bLink && hLink == NULL && ::IsWindow(w.hBalloon) && ::IsWindowVisible(w.hBalloon))
            hLink = w.hBalloon;
    }
    return hLink;
}

LRESULT CALLBACK KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    return InHook([&]() -> LRESULT {
        const BOOL bDown = (lParam & 0x80000000) == 0;
        if (nCode == HC_ACTION && bDown && wParam == VK_ESCAPE && HideWhere([](const Watched&) { return true; }))
            return 1;
        if (nCode == HC_ACTION && bDown && wParam == VK_TAB && ::GetKeyState(VK_CONTROL) >= 0 &&
            ::GetKeyState(VK_MENU) >= 0) {
            if (HWND hLink = LinkBalloonForTab()) {
                ::SetFocus(hLink);
                return 1;
            }
        }
        return ::CallNextHookEx(t_watch.hKeyboard, nCode, wParam, lParam);
    });
}

// A button going down; the second press of a double-click comes as its own message.
bool IsPress(WPARAM message)
{
    switch (message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_XBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: case WM_XBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN: case WM_NCXBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDBLCLK: case WM_NCXBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK MouseHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && IsPress(wParam)) {
        HWND hTarget = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->hwnd;
        HideWhere([hTarget](const Watched& w) { return w.bAutoHide && w.hBalloon != hTarget; });
    }
    return ::CallNextHookEx(t_watch.hMouse, nCode, wParam, lParam);
}

} // namespace

BOOL vxWatchBalloon(HWND hBalloon, BOOL bAutoHide, BOOL bLink)
{
    if (t_watch.hKeyboard == NULL)
        t_watch.hKeyboard = ::SetWindowsHookEx(WH_KEYBOARD, KeyboardHook, NULL, ::GetCurrentThreadId());
    if (t_watch.hMouse == NULL)
        t_watch.hMouse = ::SetWindowsHookEx(WH_MOUSE, MouseHook, NULL, ::GetCurrentThreadId());
    if (t_watch.hKeyboard == NULL || t_watch.hMouse == NULL) {
        vxUnwatchBalloon(hBalloon);
        return FALSE;
    }
    auto it = std::find_if(t_watch.balloons.begin(), t_watch.balloons.end(),
                           [hBalloon](const Watched& w) { return w.hBalloon == hBalloon; });
    try {
        if (it == t_watch.balloons.end())
            t_watch.balloons.push_back({hBalloon, bAutoHide, bLink});
        else
            *it = {hBalloon, bAutoHide, bLink};
    } catch (...) {
        RemoveHooksIfIdle();
        return FALSE;
    }
    return TRUE;
}

void vxUnwatchBalloon(HWND hBalloon)
{
    t_watch.balloons.erase(std::remove_if(t_watch.balloons.begin(), t_watch.balloons.end(),
                                          [hBalloon](const Watched& w) { return w.hBalloon == hBalloon; }),
                           t_watch.balloons.end());
    RemoveHooksIfIdle();
}
