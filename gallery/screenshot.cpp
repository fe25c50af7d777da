// Screen copy through BitBlt (PrintWindow misses child windows under Wine), PNG through GDI+.
#include "screenshot.h"

#include <gdiplus.h>

#include <string>
#include <vector>

namespace {

bool FindPngEncoder(CLSID* pClsid)
{
    UINT count = 0, bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<BYTE> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(encoders[i].MimeType, L"image/png") == 0) {
            *pClsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

// The path as GDI+ takes it.
inline std::wstring WidePath(const char* pszPath)
{
    wchar_t path[MAX_PATH];
    return ::MultiByteToWideChar(CP_ACP, 0, pszPath, -1, path, MAX_PATH) > 0 ? path : L"";
}

inline std::wstring WidePath(const wchar_t* pszPath)
{
    return pszPath;
}

bool WriteBitmapAsPng(HBITMAP hBitmap, LPCTSTR pszPath)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return false;
    bool saved = false;
    {
        CLSID png;
        Gdiplus::Bitmap* image = Gdiplus::Bitmap::FromHBITMAP(hBitmap, nullptr);
        if (image != nullptr && FindPngEncoder(&png))
            saved = image->Save(WidePath(pszPath).c_str(), &png, nullptr) == Gdiplus::Ok;
        delete image;
    }
    Gdiplus::GdiplusShutdown(token);
    return saved;
}

} // namespace

BOOL SaveWindowScreenshot(HWND hwnd, LPCTSTR pszPath)
{
    RECT rc;
    if (pszPath == nullptr || !::IsWindow(hwnd) || !::GetWindowRect(hwnd, &rc))
        return FALSE;
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, cx, cy, hScreen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    const bool saved = WriteBitmapAsPng(hBitmap, pszPath);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return saved ? TRUE : FALSE;
}
