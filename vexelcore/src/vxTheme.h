// The flat theme: colours shared by every painter, and its fonts at each DPI windows are
// painted at. Fonts are made on first use at a DPI, kept for a few DPIs at a time, and freed
// when the library detaches.
#pragma once

#include <windows.h>

namespace vxcore {

struct Theme {
    // faces of buttons
    COLORREF face;
    COLORREF faceHot;
    COLORREF facePressed;
    COLORREF faceChecked;
    COLORREF faceDisabled;
    COLORREF border;
    COLORREF borderHot;
    COLORREF borderChecked;
    // texts
    COLORREF text;
    COLORREF textOnAccent;  // on pressed and checked faces and on the list selection
    COLORREF textDisabled;
    // header band
    COLORREF headerBand;
    COLORREF headerLine;
    COLORREF headerText;
    // list box
    COLORREF listBack;
    COLORREF rowHot;
    COLORREF rowSelected;
};

struct ThemeFonts {
    HFONT font;             // "default"
    HFONT titleFont;        // "title": bold, for headers
    int textHeight;         // line height of the default font, pixels
};

// The flat theme, or under a high-contrast setting the user's system colours: the one place
// that decides which colours the engine paints with.
const Theme& CurrentTheme();
// Whether the user has a high-contrast setting on (focus cues then always show, two pixels
// at least).
bool IsHighContrast();
// The fonts at a DPI, made on the first call for it. Valid until the next call for another
// DPI: painters select them only while they paint.
const ThemeFonts& FontsAt(int dpi);
// Frees the theme's fonts (library detach).
void ReleaseTheme();
// Description of a named engine font ("default", "title") at the system's DPI; false for
// other names.
bool DescribeFont(const char* name, LOGFONTA& font);

// A theme colour by role name; CLR_INVALID for unknown or null names.
COLORREF ThemeColour(const char* role);

// Fills a rectangle with a colour without creating a brush.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// One-pixel frame inside a rectangle.
void FrameSolid(HDC dc, const RECT& rect, COLORREF colour);

} // namespace vxcore
