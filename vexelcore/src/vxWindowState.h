// What the engine keeps per window: skin, draw items, look flags and tooltip. A record exists
// from the first skin or tooltip call on a window until its WM_NCDESTROY; while it exists the
// window is subclassed by the engine (vxSkinProc.cpp). The subclass replaces the window
// procedure directly and finds its record in a table of its own: a system subclass chain
// would cost two property look-ups, server round trips, on every message.
#pragma once

#include <windows.h>
#include <map>
#include <string>

#include "vxEntryTable.h"

namespace vxcore {

using DrawItems = std::map<std::string, std::wstring>; // name to value

// Values a painted window's look depends on; a change after a message means a repaint.
struct LookSnapshot {
    LRESULT state = 0;     // BM_GETSTATE of buttons, LB_GETCURSEL of lists
    LRESULT topIndex = 0;  // lists
    LRESULT count = 0;     // lists
    LRESULT itemHeight = 0;// lists
    bool enabled = true;
    bool focused = false;
    bool operator==(const LookSnapshot& o) const
    {
        return state == o.state && topIndex == o.topIndex && count == o.count &&
               itemHeight == o.itemHeight && enabled == o.enabled && focused == o.focused;
    }
};

struct WindowState {
    HWND hwnd = nullptr;
    WNDPROC previous = nullptr;       // the procedure the engine's subclass passes messages on to
    bool unicode = false;             // the window takes wide messages, and so does the subclass
    // attributes
    bool skinned = false;
    int kind = 0;
    std::wstring skin;
    DrawItems items;                  // the window's own draw items
    EntryTable entries;               // list box entries, following the list's own
    bool imageVisible = true;
    bool locked = false;              // pressed look held
    bool hasToolTip = false;
    std::wstring toolTip;
    HWND toolTipOwner = nullptr;      // window named as the tool's owner when it was added
    // tracking
    bool hot = false;                 // pointer over the window (leave notice requested)
    int hotRow = -1;                  // list entry under the pointer
    LookSnapshot look;
    bool snapshotting = false;        // guards the queries of a snapshot against re-entry
    bool redrawOff = false;           // WM_SETREDRAW FALSE: repaints wait until it is back on
    bool hasFocus = false;            // followed by WM_SETFOCUS and WM_KILLFOCUS, which is far
                                      // cheaper than asking the system after every message

    // The message handled as the window would without the engine.
    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const;
    const wchar_t* Item(const char* name) const;           // null when not set
    const wchar_t* EntryItem(int index, const char* name) const;
};

// The record of a window, or null.
WindowState* FindState(HWND hwnd);
// The record of a live window of this thread, made and subclassed on first use; null when the
// window is dead, belongs to another thread or cannot be subclassed.
WindowState* AttachState(HWND hwnd);
// Ends the subclass and frees the record (WM_NCDESTROY).
void DetachState(HWND hwnd);
int StateCount();
// Frees every record; ends the subclasses of windows still alive (library detach).
void ReleaseStates(bool removeSubclasses);

} // namespace vxcore
