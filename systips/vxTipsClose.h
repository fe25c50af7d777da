// The close that a tip's own animation or its manager asks for. It is posted, so it may still
// be queued when the host has taken its window back, or shown it again under a new hook: it
// goes under a private message carrying the ticket of the hook that asked, and only that
// hook turns it into the window's WM_CLOSE. A window no hook holds ignores it.
#pragma once

#include <windows.h>

// The private message; 0 only when the system could not register it.
UINT vxTipsCloseMessage();
// A ticket no earlier hook of this process had.
UINT_PTR vxNewTipsTicket();
// Asks the hook holding ticket nTicket on hWnd to close the tip (plain WM_CLOSE when the
// private message could not be registered).
void vxPostTipsClose(HWND hWnd, UINT_PTR nTicket);
