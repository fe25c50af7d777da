// Static headers: a title band with an accent line at its foot, the image and the bold title.
#include "vxPainters.h"
#include "vxSkinLayout.h"
#include "vxTheme.h"
#include "vxWindowDpi.h"

namespace vxcore {

const int kHeaderLineHeight = 2; // at 96 DPI, as the indent
const int kHeaderIndent = 6;

void PaintHeader(HDC dc, const RECT& client, const WindowState& state)
{
    const Theme& theme = CurrentTheme();
    const int dpi = WindowDpi(state.hwnd);
    RECT band = client;
    band.bottom -= ScaleToDpi(kHeaderLineHeight, dpi);
    if (band.bottom < band.top)
        band.bottom = band.top;
    RECT line = {client.left, band.bottom, client.right, client.bottom};
    FillSolid(dc, band, theme.headerBand);
    FillSolid(dc, line, theme.headerLine);

    const Image* image = WindowImage(state);
    ContentPlaces places = PlaceRowContent(band, SizeOf(image), ScaleToDpi(kHeaderIndent, dpi), SpacingAt(dpi));
    const bool rightToLeft = RightToLeft(state.hwnd);
    if (rightToLeft)
        MirrorPlaces(places, band);
    if (image)
        DrawImage(dc, *image, places.image.left, places.image.top);
    std::wstring title = WindowText(state.hwnd);
    if (title.empty())
        return;
    HGDIOBJ oldFont = SelectObject(dc, FontsAt(dpi).titleFont);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour =
        SetTextColor(dc, IsWindowEnabled(state.hwnd) ? theme.headerText : theme.textDisabled);
    DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &places.text,
              DT_SINGLELINE | DT_VCENTER | LeadingAlignment(rightToLeft) | DT_END_ELLIPSIS | DT_NOPREFIX);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

} // namespace vxcore
