// Push and radio buttons: a flat face whose colour tells the state (disabled, pressed or
// locked, checked, hot, normal, in that order of precedence), a one-pixel border, the image
// and the caption; a pressed face shifts its content by one pixel.
#include "vxPainters.h"
#include "vxSkinLayout.h"
#include "vxTheme.h"
#include "vxWindowDpi.h"

#include <algorithm>

namespace vxcore {
namespace {

struct ButtonColours {
    COLORREF face;
    COLORREF border;
    COLORREF text;
};

ButtonColours ColoursFor(const Theme& theme, bool disabled, bool pressed, bool checked, bool hot)
{
    if (disabled)
        return {theme.faceDisabled, theme.border, theme.textDisabled};
    if (pressed)
        return {theme.facePressed, theme.borderChecked, theme.textOnAccent};
    if (checked)
        return {theme.faceChecked, theme.borderChecked, theme.textOnAccent};
    if (hot)
        return {theme.faceHot, theme.borderHot, theme.text};
    return {theme.face, theme.border, theme.text};
}

} // namespace

void PaintButton(HDC dc, const RECT& client, const WindowState& state)
{
    const Theme& theme = CurrentTheme();
    LRESULT buttonState = SendMessageA(state.hwnd, BM_GETSTATE, 0, 0);
    bool disabled = !IsWindowEnabled(state.hwnd);
    bool pressed = (buttonState & BST_PUSHED) != 0 || state.locked;
    bool checked = (buttonState & BST_CHECKED) != 0;
    ButtonColours colours = ColoursFor(theme, disabled, pressed, checked, state.hot);

    FillSolid(dc, client, colours.face);
    FrameSolid(dc, client, colours.border);

    RECT face = client;
    if (pressed && !disabled)
        OffsetRect(&face, 1, 1);
    const Image* image = WindowImage(state);
    std::wstring caption = WindowText(state.hwnd);
    // A font the host set wins over the engine's, as on the system's buttons.
    const int dpi = WindowDpi(state.hwnd);
    const ThemeFonts& fonts = FontsAt(dpi);
    HFONT hostFont = reinterpret_cast<HFONT>(SendMessageW(state.hwnd, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, hostFont ? hostFont : fonts.font);
    TEXTMETRICW metrics;
    const int textHeight = hostFont && GetTextMetricsW(dc, &metrics) ? metrics.tmHeight : fonts.textHeight;
    ContentPlaces places = PlaceButtonContent(face, SizeOf(image), textHeight, !caption.empty(), SpacingAt(dpi));
    const bool rightToLeft = RightToLeft(state.hwnd);
    if (rightToLeft)
        MirrorPlaces(places, face);
    if (image)
        DrawImage(dc, *image, places.image.left, places.image.top);
    if (!caption.empty()) {
        int oldMode = SetBkMode(dc, TRANSPARENT);
        COLORREF oldColour = SetTextColor(dc, colours.text);
        UINT format = DT_SINGLELINE | DT_END_ELLIPSIS | DT_VCENTER |
                      (places.stacked || !image ? DT_CENTER : LeadingAlignment(rightToLeft));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &places.text, format);
        SetTextColor(dc, oldColour);
        SetBkMode(dc, oldMode);
    }
    SelectObject(dc, oldFont);
    // The focus cue as the system's buttons draw it: hidden until the keyboard is used, as
    // thick as the system's focus border at the window's DPI; under high contrast always
    // shown, two pixels at least.
    const bool contrast = IsHighContrast();
    const bool cueHidden = !contrast && (SendMessageA(state.hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
    if ((buttonState & BST_FOCUS) != 0 && !disabled && !cueHidden) {
        UINT border = 1;
        if (!SystemParametersInfoA(SPI_GETFOCUSBORDERHEIGHT, 0, &border, 0))
            border = 1;
        const int thickness = std::max(contrast ? 2 : 1, MulDiv(static_cast<int>(border), WindowDpi(state.hwnd), SystemDpi()));
        RECT focus = client;
        InflateRect(&focus, -2, -2);
        for (int i = 0; i < thickness && focus.right > focus.left && focus.bottom > focus.top; ++i) {
            DrawFocusRect(dc, &focus);
            InflateRect(&focus, -1, -1);
        }
    }
}

} // namespace vxcore
