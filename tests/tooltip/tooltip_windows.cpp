#include "tooltip_windows.h"

namespace tiptest {

HWND CreateToolWindow(HWND hParent, int x, int y, int cx, int cy)
{
    static const char kClass[] = "vxtest.TooltipTool";
    vxtest::RegisterTestClass(kClass, ::DefWindowProcA, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    return ::CreateWindowExA(0, kClass, "", WS_CHILD | WS_VISIBLE, x, y, cx, cy, hParent,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

HICON MakeIcon(int size, COLORREF colour)
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP colourBits = ::CreateCompatibleBitmap(screen, size, size);
    HBITMAP maskBits = ::CreateBitmap(size, size, 1, 1, nullptr);
    HGDIOBJ old = ::SelectObject(dc, colourBits);
    RECT rc = {0, 0, size, size};
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &rc, brush);
    ::DeleteObject(brush);
    ::SelectObject(dc, maskBits);
    ::PatBlt(dc, 0, 0, size, size, BLACKNESS);   // opaque everywhere
    ::SelectObject(dc, old);
    ICONINFO info = {TRUE, 0, 0, maskBits, colourBits};
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(colourBits);
    ::DeleteObject(maskBits);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return icon;
}

SIZE MeasureText(HFONT hFont, const std::string& text)
{
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = hFont != nullptr ? ::SelectObject(dc, hFont) : nullptr;
    RECT rc = {0, 0, 0, 0};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rc,
                DT_CALCRECT | DT_EXTERNALLEADING);
    if (old != nullptr)
        ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

POINT TipOf(HWND hwnd)
{
    RECT rc = WindowRect(hwnd);
    const int bodyHeight = rc.bottom - rc.top - 25;
    return POINT{rc.right - 13, rc.top + bodyHeight + 12};
}

} // namespace tiptest
