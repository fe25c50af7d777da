#include "vxItemButton.h"

#include "vxAccessible.h"
#include "vxMirror.h"

BEGIN_MESSAGE_MAP(vxItemButton, CButton)
    ON_MESSAGE(WM_GETDLGCODE, &vxItemButton::OnGetDlgCode)
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_GETOBJECT, &vxItemButton::OnGetObject)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

vxItemButton::vxItemButton() : m_pAccessible(NULL)
{
}

vxItemButton::~vxItemButton()
{
    delete m_pAccessible;
}

LRESULT vxItemButton::OnGetDlgCode(WPARAM, LPARAM lParam)
{
    LRESULT nCode = Default();
    if (!(nCode & DLGC_RADIOBUTTON))
        nCode |= DLGC_WANTARROWS;
    // Enter presses a push item, not the dialog's default button; on a radio item it is the
    // dialog's, as on the system's radio buttons.
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (!(nCode & DLGC_RADIOBUTTON) && pMsg != NULL && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        nCode |= DLGC_WANTMESSAGE;
    return nCode;
}

void vxItemButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        // The neighbour the arrow points at on the screen, in the parent's coordinates.
        GetParent()->SendMessage(WM_VX_FOCUSNEIGHBOUR, vxArrowInClientTerms(::GetParent(m_hWnd), nChar),
                                 reinterpret_cast<LPARAM>(m_hWnd));
        return;
    case VK_RETURN:
        // Posted: the click reaches the host, which may delete the control.
        PostMessage(BM_CLICK);
        return;
    }
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT vxItemButton::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = vxAnswerGetObject(m_pAccessible, wParam, lParam, [this] { return NewAccessible(); });
    return lResult != 0 ? lResult : Default();
}

void vxItemButton::OnNcDestroy()
{
    vxDeleteProvider(m_pAccessible);
    CButton::OnNcDestroy();
}
