#include "gallery_glyphs.h"
#include "gallery_page.h"

#include <vexelcore.h>

#include <algorithm>

void RegisterGalleryGlyph(LPCTSTR name, COLORREF colour, int sizeAt96, bool disc)
{
    const int size = Px(sizeAt96);
    HDC screen = ::GetDC(NULL);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ oldBitmap = ::SelectObject(mem, bitmap);
    RECT rc = {0, 0, size, size};
    HBRUSH back = ::CreateSolidBrush(RGB(255, 0, 255));
    ::FillRect(mem, &rc, back);
    HBRUSH fill = ::CreateSolidBrush(colour);
    HGDIOBJ oldBrush = ::SelectObject(mem, fill);
    HGDIOBJ oldPen = ::SelectObject(mem, ::GetStockObject(NULL_PEN));
    // A margin that grows with the size; the null pen leaves out the last row and column.
    const int inset = std::max(1, size / 16);
    const int end = size - inset + 1;
    if (disc)
        ::Ellipse(mem, inset, inset, end, end);
    else
        ::RoundRect(mem, inset, inset, end, end, size * 5 / 16, size * 5 / 16);
    ::SelectObject(mem, oldPen);
    ::SelectObject(mem, oldBrush);
    ::SelectObject(mem, oldBitmap);
    ::DeleteObject(fill);
    ::DeleteObject(back);
    ::DeleteDC(mem);
    ::ReleaseDC(NULL, screen);
    vxRegisterImage(name, bitmap);
    ::DeleteObject(bitmap);
}
