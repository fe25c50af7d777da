#include "vxTheme.h"

#include <cstring>

namespace vxcore {
namespace {

Theme g_theme = {
    RGB(0xE8, 0xEC, 0xF1), // face
    RGB(0xD4, 0xE4, 0xF7), // faceHot
    RGB(0x2F, 0x6E, 0xBA), // facePressed
    RGB(0x3D, 0x86, 0xD9), // faceChecked
    RGB(0xF2, 0xF2, 0xF2), // faceDisabled
    RGB(0xA9, 0xB3, 0xBF), // border
    RGB(0x3D, 0x86, 0xD9), // borderHot
    RGB(0x1F, 0x4F, 0x8A), // borderChecked
    RGB(0x1E, 0x24, 0x2B), // text
    RGB(0xFF, 0xFF, 0xFF), // textOnAccent
    RGB(0x9A, 0xA0, 0xA6), // textDisabled
    RGB(0x4A, 0x55, 0x63), // headerBand
    RGB(0x3D, 0x86, 0xD9), // headerLine
    RGB(0xFF, 0xFF, 0xFF), // headerText
    RGB(0xFF, 0xFF, 0xFF), // listBack
    RGB(0xE1, 0xEC, 0xF9), // rowHot
    RGB(0x3D, 0x86, 0xD9), // rowSelected
    nullptr,
    nullptr,
    13,
};
bool g_fontsMade = false;

// 8-point Tahoma at the screen's resolution; bold for titles.
void DescribeDefaultFont(LOGFONTA& font, bool bold)
{
    std::memset(&font, 0, sizeof(font));
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    font.lfHeight = -MulDiv(8, dpi, 72);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    std::strcpy(font.lfFaceName, "Tahoma");
}

int LineHeightOf(HFONT font)
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return g_theme.textHeight;
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA metrics;
    int height = GetTextMetricsA(screen, &metrics) ? metrics.tmHeight : g_theme.textHeight;
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return height;
}

} // namespace

bool DescribeFont(const char* name, LOGFONTA& font)
{
    if (!name)
        return false;
    if (std::strcmp(name, "default") == 0) {
        DescribeDefaultFont(font, false);
        return true;
    }
    if (std::strcmp(name, "title") == 0) {
        DescribeDefaultFont(font, true);
        return true;
    }
    return false;
}

const Theme& CurrentTheme()
{
    if (!g_fontsMade) {
        LOGFONTA font;
        DescribeDefaultFont(font, false);
        g_theme.font = CreateFontIndirectA(&font);
        DescribeDefaultFont(font, true);
        g_theme.titleFont = CreateFontIndirectA(&font);
        if (!g_theme.font)
            g_theme.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        if (!g_theme.titleFont)
            g_theme.titleFont = g_theme.font;
        g_theme.textHeight = LineHeightOf(g_theme.font);
        g_fontsMade = true;
    }
    return g_theme;
}

void ReleaseTheme()
{
    if (!g_fontsMade)
        return;
    // Stock objects are not deleted; DeleteObject ignores them anyway.
    if (g_theme.titleFont != g_theme.font)
        DeleteObject(g_theme.titleFont);
    DeleteObject(g_theme.font);
    g_theme.font = g_theme.titleFont = nullptr;
    g_fontsMade = false;
}

COLORREF ThemeColour(const char* role)
{
    static const struct {
        const char* name;
        COLORREF Theme::*colour;
    } roles[] = {
        {"face", &Theme::face},
        {"face.hot", &Theme::faceHot},
        {"face.pressed", &Theme::facePressed},
        {"face.checked", &Theme::faceChecked},
        {"face.disabled", &Theme::faceDisabled},
        {"header.band", &Theme::headerBand},
        {"header.line", &Theme::headerLine},
        {"list.back", &Theme::listBack},
        {"list.hot", &Theme::rowHot},
        {"list.selected", &Theme::rowSelected},
        {"text", &Theme::text},
    };
    if (!role)
        return CLR_INVALID;
    for (const auto& entry : roles) {
        if (std::strcmp(entry.name, role) == 0)
            return g_theme.*entry.colour;
    }
    return CLR_INVALID;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour)
{
    COLORREF old = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF colour)
{
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    RECT edge = {rect.left, rect.top, rect.right, rect.top + 1};
    FillSolid(dc, edge, colour);
    edge = {rect.left, rect.bottom - 1, rect.right, rect.bottom};
    FillSolid(dc, edge, colour);
    edge = {rect.left, rect.top, rect.left + 1, rect.bottom};
    FillSolid(dc, edge, colour);
    edge = {rect.right - 1, rect.top, rect.right, rect.bottom};
    FillSolid(dc, edge, colour);
}

} // namespace vxcore
