#include "vxPainters.h"

#include <vector>

#include "vxSkinLayout.h"
#include "vxWindowDpi.h"

namespace vxcore {

Painter PainterOf(int kind)
{
    switch (kind) {
    case kKindPushButton:
    case kKindRadioButton:
        return PaintButton;
    case kKindHeader:
        return PaintHeader;
    case kKindListBox:
        return PaintList;
    default:
        return nullptr;
    }
}

const Image* WindowImage(const WindowState& state)
{
    return state.imageVisible ? FindImage(state.Item("image.default"), WindowDpi(state.hwnd)) : nullptr;
}

std::wstring WindowText(HWND hwnd)
{
    int length = GetWindowTextLengthW(hwnd);
    if (length <= 0)
        return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
    return std::wstring(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

bool RightToLeft(HWND hwnd)
{
    return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

UINT LeadingAlignment(bool rightToLeft)
{
    return rightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
}

SIZE SizeOf(const Image* image)
{
    return image ? image->size : SIZE{0, 0};
}

void PaintImageOverlay(HDC dc, const RECT& client, const WindowState& state)
{
    const Image* image = WindowImage(state);
    if (!image)
        return;
    const int dpi = WindowDpi(state.hwnd);
    ContentPlaces places = PlaceRowContent(client, image->size, ScaleToDpi(2, dpi), SpacingAt(dpi));
    if (RightToLeft(state.hwnd))
        MirrorPlaces(places, client);
    DrawImage(dc, *image, places.image.left, places.image.top);
}

} // namespace vxcore
