#include "vxWindowState.h"

#include <commctrl.h>
#include <unordered_map>

#include "vxSkinProc.h"

namespace vxcore {
namespace {

const UINT_PTR kSubclassId = 0x7678; // identifies the engine's subclass on a window

std::unordered_map<HWND, WindowState*>& States()
{
    static std::unordered_map<HWND, WindowState*> states;
    return states;
}

const char* Lookup(const DrawItems& items, const char* name)
{
    if (!name)
        return nullptr;
    auto found = items.find(name);
    return found == items.end() ? nullptr : found->second.c_str();
}

} // namespace

const char* WindowState::Item(const char* name) const
{
    return Lookup(items, name);
}

const char* WindowState::EntryItem(int index, const char* name) const
{
    auto found = entries.find(index);
    return found == entries.end() ? nullptr : Lookup(found->second, name);
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
    if (!SetWindowSubclass(hwnd, SkinProc, kSubclassId, reinterpret_cast<DWORD_PTR>(state))) {
        delete state;
        return nullptr;
    }
    States()[hwnd] = state;
    return state;
}

void DetachState(HWND hwnd)
{
    auto found = States().find(hwnd);
    if (found == States().end())
        return;
    RemoveWindowSubclass(hwnd, SkinProc, kSubclassId);
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
            RemoveWindowSubclass(entry.first, SkinProc, kSubclassId);
        delete entry.second;
    }
    States().clear();
}

} // namespace vxcore
