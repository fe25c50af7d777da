// Named images: copies registered by the host, and .bmp/.ico files loaded by path on first
// use. The engine owns every image it keeps and frees them when the library detaches.
#pragma once

#include <windows.h>

namespace vxcore {

struct Image {
    HBITMAP bitmap = nullptr; // drawn with magenta as the transparent colour
    HICON icon = nullptr;
    SIZE size = {0, 0};
    bool fromFile = false; // an icon loaded from a path, loaded again for each DPI
};

bool RegisterBitmap(const wchar_t* name, HBITMAP bitmap);
bool RegisterIcon(const wchar_t* name, HICON icon);
// The image of a name for a window at a DPI: registered, or loaded from a .bmp/.ico path (an
// icon at that DPI's icon size); null when unknown.
const Image* FindImage(const wchar_t* name, int dpi);
// Draws an image with its top-left corner at (x, y).
void DrawImage(HDC dc, const Image& image, int x, int y);
void ReleaseImages();

} // namespace vxcore
