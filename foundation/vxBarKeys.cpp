#include "vxBarKeys.h"

#include "vxDpi.h"
#include "vxMirror.h"

namespace {

// Steps at 96 DPI: plain, and with Ctrl.
const int kKeyStep = 4;
const int kCtrlKeyStep = 32;

} // namespace

int vxBarKeyStep(HWND hBar, UINT nChar, bool bHorizontal)
{
    // The bar moves in its parent's client coordinates, the way the arrow points.
    nChar = vxArrowInClientTerms(::GetParent(hBar), nChar);
    const UINT nBack = bHorizontal ? VK_UP : VK_LEFT;
    const UINT nOn = bHorizontal ? VK_DOWN : VK_RIGHT;
    if (nChar != nBack && nChar != nOn)
        return 0;
    const int nStep = vxScaleToDpi(::GetKeyState(VK_CONTROL) < 0 ? kCtrlKeyStep : kKeyStep, vxDpiOf(hBar));
    return nChar == nOn ? nStep : -nStep;
}

LRESULT vxBarDlgCode(LRESULT nDefault, int nKeyMoved, LPARAM lParam)
{
    LRESULT nCode = nDefault | DLGC_WANTARROWS;
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nKeyMoved != 0 && pMsg != NULL && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
        nCode |= DLGC_WANTMESSAGE;
    return nCode;
}
