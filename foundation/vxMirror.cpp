#include "vxMirror.h"

BOOL vxIsMirrored(HWND hWnd)
{
    return hWnd != NULL && (::GetWindowLongPtr(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}

UINT vxArrowInClientTerms(HWND hWnd, UINT nChar)
{
    if (!vxIsMirrored(hWnd))
        return nChar;
    if (nChar == VK_LEFT)
        return VK_RIGHT;
    if (nChar == VK_RIGHT)
        return VK_LEFT;
    return nChar;
}

POINT vxOffsetInClientTerms(HWND hWnd, POINT offset)
{
    if (vxIsMirrored(hWnd))
        offset.x = -offset.x;
    return offset;
}
