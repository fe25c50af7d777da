// Tooltips of windows: one tooltip control of the engine serves every window given a text.
#pragma once

#include "vxWindowState.h"

namespace vxcore {

// Gives the window's tool the text, adding the tool on first use; null removes the tool.
// True when the window has the text as its tooltip afterwards, or has none for null.
bool SetToolTip(WindowState& state, const wchar_t* text);
void RemoveToolTip(WindowState& state);
// Destroys the tooltip control when this thread owns it (library unload).
void ReleaseToolTipWindow();

} // namespace vxcore
