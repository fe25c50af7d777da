// The painters of the skinned kinds. Each paints the whole client area into a DC.
#pragma once

#include <windows.h>
#include <string>

#include "vxImages.h"
#include "vxWindowState.h"

namespace vxcore {

// Kind codes the engine paints itself.
const int kKindPushButton = 103;
const int kKindRadioButton = 105;
const int kKindHeader = 106;
const int kKindListBox = 108;

using Painter = void (*)(HDC dc, const RECT& client, const WindowState& state);

// The painter of a kind, or null for kinds that paint themselves (the engine adds the image).
Painter PainterOf(int kind);

void PaintButton(HDC dc, const RECT& client, const WindowState& state);
void PaintHeader(HDC dc, const RECT& client, const WindowState& state);
void PaintList(HDC dc, const RECT& client, const WindowState& state);
// The window's image at the left edge, over what the window painted itself.
void PaintImageOverlay(HDC dc, const RECT& client, const WindowState& state);

// --- shared by the painters ---------------------------------------------------------------
// The window's "image.default" image when it is shown and known.
const Image* WindowImage(const WindowState& state);
std::wstring WindowText(HWND hwnd);
SIZE SizeOf(const Image* image);
// Whether the window reads right to left (mirrored). The painters paint into unmirrored DCs
// and mirror their places themselves, so that texts and images stay the right way round.
bool RightToLeft(HWND hwnd);
// DrawText's alignment for a text that starts at the leading edge.
UINT LeadingAlignment(bool rightToLeft);
// Row height of a list box: its item height, or a text line when it reports none.
int ListItemHeight(HWND list);

} // namespace vxcore
