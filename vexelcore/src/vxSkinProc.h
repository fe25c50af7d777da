// The subclass procedure of every window the engine keeps state for.
#pragma once

#include <windows.h>

#include "vxWindowState.h"

namespace vxcore {

LRESULT CALLBACK SkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints a skinned window: at once when `now`, else at its next WM_PAINT.
void Repaint(const WindowState& state, bool now);
// Whether a change of a list entry's items shows: its row lies in the client area as last
// seen. Entries scrolled out of view, or set while redraw is off, ask nothing of the system.
bool IsEntryShown(const WindowState& state, int index);

} // namespace vxcore
