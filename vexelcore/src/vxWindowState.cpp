#include "vxWindowState.h"

#include <unordered_map>

#include "vxSkinProc.h"

namespace vxcore {
namespace {

std::unordered_map<HWND, WindowState*>& States()
{
    static std::unordered_map<HWND, WindowState*> states;
    return states;
}

// Sets the window procedure in the window's character set; answers the one it replaced.
WNDPROC SwapProc(const WindowState& state, WNDPROC proc)
{
    const LONG_PTR value = reinterpret_cast<LONG_PTR>(proc);
    return reinterpret_cast<WNDPROC>(state.unicode ? SetWindowLongPtrW(state.hwnd, GWLP_WNDPROC, value)
                                                   : SetWindowLongPtrA(state.hwnd, GWLP_WNDPROC, value));
}

const wchar_t* Lookup(const DrawItems& items, const char* name)
{
    if (!name)
        return nullptr;
    auto found = items.find(name);
    return found == items.end() ? nullptr : found->second.c_str();
}

} // namespace

LRESULT WindowState::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return unicode ? CallWindowProcW(previous, hwnd, message, wParam, lParam)
                   : CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

const wchar_t* WindowState::Item(const char* name) const
{
    return Lookup(items, name);
}

const wchar_t* WindowState::EntryItem(int index, const char* name) const
{
    return entries.Get(index, name);
}

WindowState* FindState(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    auto found = States().find(hwnd);
    return found == States().end() ? nullptr : found->second;
}

WindowState* AttachState(HWND hwnd)
{
    if (!hwnd || !IsWindow(hwnd))
        return nullptr;
    if (WindowState* existing = FindState(hwnd))
        return existing;
    if (GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId())
        return nullptr;
    WindowState* state = new WindowState;
    state->hwnd = hwnd;
    state->unicode = IsWindowUnicode(hwnd) != FALSE;
    state->hasFocus = GetFocus() == hwnd;
    // Registered first, so that messages sent while the procedure is swapped find it.
    States()[hwnd] = state;
    state->previous = SwapProc(*state, &SkinProc);
    if (!state->previous) {
        States().erase(hwnd);
        delete state;
        return nullptr;
    }
    return state;
}

namespace {

// Gives the window its previous procedure back, unless a later subclass sits on top of the
// engine's: that one still calls the engine's procedure, which then passes everything on.
void Unhook(const WindowState& state)
{
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(state.hwnd, GWLP_WNDPROC)) == &SkinProc)
        SwapProc(state, state.previous);
}

} // namespace

void DetachState(HWND hwnd)
{
    auto found = States().find(hwnd);
    if (found == States().end())
        return;
    Unhook(*found->second);
    delete found->second;
    States().erase(found);
}

int StateCount()
{
    return static_cast<int>(States().size());
}

void ReleaseStates(bool removeSubclasses)
{
    for (auto& entry : States()) {
        if (removeSubclasses && IsWindow(entry.first))
            Unhook(*entry.second);
        delete entry.second;
    }
    States().clear();
}

} // namespace vxcore
