#include "vxFocusCue.h"

#include "vxDpi.h"
#include "vxFocusCueThickness.h"
#include "vxHighContrast.h"

void vxDrawFocusCue(HWND hWnd, HDC hdc, const RECT& rc, BOOL bAlways)
{
    // Under high contrast the cue always shows, two pixels at least.
    const BOOL bContrast = vxIsHighContrast();
    if (!bAlways && !bContrast && (::SendMessage(hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        return;
    UINT nBorder = 1;
    if (!::SystemParametersInfo(SPI_GETFOCUSBORDERHEIGHT, 0, &nBorder, 0))
        nBorder = 1;
    int nThickness = vxFocusCueThickness(static_cast<int>(nBorder), vxDpiOf(hWnd), vxSystemDpi());
    if (bContrast && nThickness < 2)
        nThickness = 2;
    // The dotted rectangle drawn once per pixel of thickness, each inside the last.
    RECT rcCue = rc;
    for (int i = 0; i < nThickness && rcCue.right > rcCue.left && rcCue.bottom > rcCue.top; ++i) {
        ::DrawFocusRect(hdc, &rcCue);
        ::InflateRect(&rcCue, -1, -1);
    }
}
