// The keyboard of a bar that moves an edge (a sizer bar, a splitter bar): the arrow keys along
// its axis move it, 4 pixels at 96 DPI or 32 with Ctrl, and Escape puts back what the keys
// moved since the bar took the focus.
#pragma once

#include <windows.h>

// The move an arrow key asks of a focused bar along its axis; 0 for keys across it and any
// other key.
int vxBarKeyStep(HWND hBar, UINT nChar, bool bHorizontal);

// What a focused bar answers to WM_GETDLGCODE: the default code with the arrows, and Escape
// while the keys have moved the bar (nKeyMoved), so that an unmoved bar leaves Escape to the
// dialog.
LRESULT vxBarDlgCode(LRESULT nDefault, int nKeyMoved, LPARAM lParam);
