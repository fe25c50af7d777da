#include "vxImages.h"

#include "vxWindowDpi.h"

#include <cwchar>
#include <map>
#include <string>

namespace vxcore {
namespace {

const COLORREF kTransparent = RGB(0xFF, 0x00, 0xFF);

// A name that failed to load keeps an empty entry, so the file is not read at every paint.
std::map<std::wstring, Image>& Images()
{
    static std::map<std::wstring, Image> images;
    return images;
}

void Free(Image& image)
{
    if (image.bitmap)
        DeleteObject(image.bitmap);
    if (image.icon)
        DestroyIcon(image.icon);
    image = Image();
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info;
    if (GetObjectW(bitmap, sizeof(info), &info) != sizeof(info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

SIZE IconSize(HICON icon)
{
    ICONINFO info;
    SIZE size = {0, 0};
    if (!GetIconInfo(icon, &info))
        return size;
    if (info.hbmColor) {
        size = BitmapSize(info.hbmColor);
    } else if (info.hbmMask) {
        size = BitmapSize(info.hbmMask); // mask of a monochrome icon holds two halves
        size.cy /= 2;
    }
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    return size;
}

// Takes the image, which is freed when the table has no room for it.
void Store(const wchar_t* name, const Image& image)
{
    Image* pSlot = nullptr;
    try {
        pSlot = &Images()[name];
    } catch (...) {
        Image lost = image;
        Free(lost);
        throw;
    }
    Free(*pSlot);
    *pSlot = image;
}

bool EndsWith(const wchar_t* text, const wchar_t* suffix)
{
    size_t length = std::wcslen(text), suffixLength = std::wcslen(suffix);
    return length > suffixLength && lstrcmpiW(text + length - suffixLength, suffix) == 0;
}

// An icon file at the icon size of a DPI: the system's default size at the system's DPI.
Image LoadFromFile(const wchar_t* path, int dpi)
{
    Image image;
    if (EndsWith(path, L".bmp")) {
        image.bitmap = static_cast<HBITMAP>(
            LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
        if (image.bitmap)
            image.size = BitmapSize(image.bitmap);
    } else if (EndsWith(path, L".ico")) {
        const int systemDpi = SystemDpi();
        const int cx = dpi == systemDpi ? 0 : MulDiv(GetSystemMetrics(SM_CXICON), dpi, systemDpi);
        const int cy = dpi == systemDpi ? 0 : MulDiv(GetSystemMetrics(SM_CYICON), dpi, systemDpi);
        image.icon = static_cast<HICON>(
            LoadImageW(nullptr, path, IMAGE_ICON, cx, cy, LR_LOADFROMFILE | LR_DEFAULTSIZE));
        image.fromFile = true;
        if (image.icon)
            image.size = IconSize(image.icon);
    }
    return image;
}

} // namespace

bool RegisterBitmap(const wchar_t* name, HBITMAP bitmap)
{
    if (!name || !*name || !bitmap)
        return false;
    Image image;
    image.bitmap = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!image.bitmap)
        return false;
    image.size = BitmapSize(image.bitmap);
    Store(name, image);
    return true;
}

bool RegisterIcon(const wchar_t* name, HICON icon)
{
    if (!name || !*name || !icon)
        return false;
    Image image;
    image.icon = CopyIcon(icon);
    if (!image.icon)
        return false;
    image.size = IconSize(image.icon);
    Store(name, image);
    return true;
}

const Image* FindImage(const wchar_t* name, int dpi)
{
    if (!name || !*name)
        return nullptr;
    std::map<std::wstring, Image>& images = Images();
    auto found = images.find(name);
    // The entry is made before the file is loaded into it: a table without room leaves no
    // image loaded.
    if (found == images.end()) {
        found = images.emplace(name, Image()).first;
        found->second = LoadFromFile(name, SystemDpi());
    }
    // An icon file is loaded once more for each other DPI, under a name no path can have.
    if (found->second.icon && found->second.fromFile && dpi != SystemDpi()) {
        const std::wstring key = std::wstring(name) + L"|" + std::to_wstring(dpi);
        auto scaled = images.find(key);
        if (scaled == images.end()) {
            scaled = images.emplace(key, Image()).first;
            scaled->second = LoadFromFile(name, dpi);
        }
        found = scaled;
    }
    const Image& image = found->second;
    return (image.bitmap || image.icon) ? &image : nullptr;
}

void DrawImage(HDC dc, const Image& image, int x, int y)
{
    if (image.icon) {
        DrawIconEx(dc, x, y, image.icon, image.size.cx, image.size.cy, 0, nullptr, DI_NORMAL);
        return;
    }
    HDC source = CreateCompatibleDC(dc);
    if (!source)
        return;
    HGDIOBJ old = SelectObject(source, image.bitmap);
    TransparentBlt(dc, x, y, image.size.cx, image.size.cy, source, 0, 0, image.size.cx,
                   image.size.cy, kTransparent);
    SelectObject(source, old);
    DeleteDC(source);
}

void ReleaseImages()
{
    for (auto& entry : Images())
        Free(entry.second);
    Images().clear();
}

} // namespace vxcore
