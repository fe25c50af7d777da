#include "vxTheme.h"

#include <cstring>

#include "vxWindowDpi.h"

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
};

// Fonts at the last few DPIs asked for; a desk rarely has more than two.
struct FontsEntry {
    int dpi;                // 0: free
    ThemeFonts fonts;
};
const int kFontSlots = 4;
FontsEntry g_fonts[kFontSlots] = {};
int g_nextSlot = 0;
const ThemeFonts kStockFonts = {nullptr, nullptr, 13};

// 8-point Tahoma at a DPI; bold for titles.
void DescribeDefaultFont(LOGFONTA& font, bool bold, int dpi)
{
    std::memset(&font, 0, sizeof(font));
    font.lfHeight = -MulDiv(8, dpi, 72);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    std::strcpy(font.lfFaceName, "Tahoma");
}

int LineHeightOf(HFONT font, int fallback)
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return fallback;
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA metrics;
    int height = GetTextMetricsA(screen, &metrics) ? metrics.tmHeight : fallback;
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return height;
}

void FreeFonts(ThemeFonts& fonts)
{
    if (fonts.titleFont != fonts.font)
        DeleteObject(fonts.titleFont);
    DeleteObject(fonts.font);
    fonts = ThemeFonts{};
}

// Both fonts, or false and none when either cannot be made.
bool MakeFonts(int dpi, ThemeFonts& fonts)
{
    LOGFONTA font;
    DescribeDefaultFont(font, false, dpi);
    fonts.font = CreateFontIndirectA(&font);
    DescribeDefaultFont(font, true, dpi);
    fonts.titleFont = fonts.font ? CreateFontIndirectA(&font) : nullptr;
    if (!fonts.titleFont) {
        if (fonts.font)
            DeleteObject(fonts.font);
        fonts = ThemeFonts{};
        return false;
    }
    fonts.textHeight = LineHeightOf(fonts.font, MulDiv(kStockFonts.textHeight, dpi, 96));
    return true;
}

} // namespace

bool DescribeFont(const char* name, LOGFONTA& font)
{
    if (!name)
        return false;
    if (std::strcmp(name, "default") == 0) {
        DescribeDefaultFont(font, false, SystemDpi());
        return true;
    }
    if (std::strcmp(name, "title") == 0) {
        DescribeDefaultFont(font, true, SystemDpi());
        return true;
    }
    return false;
}

bool IsHighContrast()
{
    HIGHCONTRASTA hc = {sizeof(hc), 0, nullptr};
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

const Theme& CurrentTheme()
{
    if (!IsHighContrast())
        return g_theme;
    // The user's high-contrast colours, read at each paint: faces as buttons (a hot one told
    // by its border), the pressed, checked and selected looks as the selection with its text,
    // borders and texts in the window's text colour; only the system's colours appear.
    static thread_local Theme contrast;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF accent = GetSysColor(COLOR_HIGHLIGHT);
    contrast = Theme{face, face, accent, accent, face, text, accent, text,
                     text, GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_GRAYTEXT),
                     face, text, text,
                     GetSysColor(COLOR_WINDOW), accent, accent};
    return contrast;
}

const ThemeFonts& FontsAt(int dpi)
{
    for (const FontsEntry& entry : g_fonts) {
        if (entry.dpi == dpi)
            return entry.fonts;
    }
    ThemeFonts made;
    if (!MakeFonts(dpi, made)) {
        // Painted in the system's GUI font this time; the next paint tries again.
        static ThemeFonts stock = kStockFonts;
        stock.font = stock.titleFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        return stock;
    }
    FontsEntry& slot = g_fonts[g_nextSlot];
    g_nextSlot = (g_nextSlot + 1) % kFontSlots;
    if (slot.dpi != 0)
        FreeFonts(slot.fonts);
    slot.dpi = dpi;
    slot.fonts = made;
    return slot.fonts;
}

void ReleaseTheme()
{
    for (FontsEntry& entry : g_fonts) {
        if (entry.dpi != 0)
            FreeFonts(entry.fonts);
        entry.dpi = 0;
    }
    g_nextSlot = 0;
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
            return CurrentTheme().*entry.colour;
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
