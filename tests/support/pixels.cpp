#include "vxtest.h"

namespace vxtest {

COLORREF PixelAt(HWND hwnd, int x, int y)
{
    HDC hdc = ::GetDC(hwnd);
    const COLORREF colour = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hwnd, hdc);
    return colour;
}

int CountColour(HWND hwnd, const RECT& rc, COLORREF colour)
{
    HDC hdc = ::GetDC(hwnd);
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += ::GetPixel(hdc, x, y) == colour;
    ::ReleaseDC(hwnd, hdc);
    return n;
}

std::vector<COLORREF> Pixels(HWND hwnd, const RECT& rc)
{
    HDC hdc = ::GetDC(hwnd);
    std::vector<COLORREF> pixels;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            pixels.push_back(::GetPixel(hdc, x, y));
    ::ReleaseDC(hwnd, hdc);
    return pixels;
}

int LongestRun(HWND hwnd, const RECT& rc, COLORREF colour)
{
    HDC hdc = ::GetDC(hwnd);
    int best = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        int run = 0;
        for (int x = rc.left; x < rc.right; ++x) {
            run = ::GetPixel(hdc, x, y) == colour ? run + 1 : 0;
            best = run > best ? run : best;
        }
    }
    ::ReleaseDC(hwnd, hdc);
    return best;
}

} // namespace vxtest
