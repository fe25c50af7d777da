// Dismissing shown balloons without their taking the focus. While a balloon is shown, one pair
// of hooks on its thread's keyboard and mouse serves every shown balloon of the thread:
// Escape hides them all (and goes no further, as a key that closed something), and a press
// anywhere but on an auto-hide balloon hides that balloon, as its losing the activation does
// where it is made the active window; Tab takes the focus to a balloon in link mode, whose
// keys then follow the link or give the focus back. The hooks are set with the first balloon
// shown and removed with the last one hidden.
#pragma once

#include <windows.h>

// Watches a shown balloon, or changes its settings; FALSE when the hooks cannot be set
// (nothing is watched then, and the caller falls back on the activation).
BOOL vxWatchBalloon(HWND hBalloon, BOOL bAutoHide, BOOL bLink);
// The balloon is hidden or going.
void vxUnwatchBalloon(HWND hBalloon);
