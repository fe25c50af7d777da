// How thick the library's focus cue is drawn: the system's focus border scaled to a window's DPI.
#pragma once

// The cue's thickness in pixels at nDpi for a focus border of nBorder pixels at the system's DPI.
int vxFocusCueThickness(int nBorder, int nDpi, int nSystemDpi);
