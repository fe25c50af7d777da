// Images for the gallery pages, drawn at run time and registered with the skin engine.
#pragma once

#include <windows.h>

// Registers a glyph of size x size pixels at 96 DPI (more at a higher DPI) under the name: a filled disc or a rounded square on
// magenta, the engine's transparent colour. The engine keeps a copy.
void RegisterGalleryGlyph(LPCTSTR name, COLORREF colour, int size, bool disc);
