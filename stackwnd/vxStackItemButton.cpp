#include "vxStackItemButton.h"

#include "vxCtrlStackWnd.h"
#include "vxStackAccessible.h"

BEGIN_MESSAGE_MAP(vxStackItemButton, CButton)
    ON_MESSAGE(WM_GETDLGCODE, &vxStackItemButton::OnGetDlgCode)
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_GETOBJECT, &vxStackItemButton::OnGetObject)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

vxStackItemButton::vxStackItemButton() : m_pAccessible(NULL)
{
}

vxStackItemButton::~vxStackItemButton()
{
    delete m_pAccessible;
}

LRESULT vxStackItemButton::OnGetDlgCode(WPARAM, LPARAM lParam)
{
    // Up and Down move between the buttons; Enter presses this one, not the dialog's default.
    LRESULT nCode = Default() | DLGC_WANTARROWS;
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (pMsg != NULL && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        nCode |= DLGC_WANTMESSAGE;
    return nCode;
}

void vxStackItemButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_UP:
    case VK_DOWN:
        GetParent()->SendMessage(WM_VXSW_FOCUSNEIGHBOUR, nChar, reinterpret_cast<LPARAM>(m_hWnd));
        return;
    case VK_RETURN:
        // Posted: the click may end in the host deleting the stack window.
        PostMessage(BM_CLICK);
        return;
    }
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT vxStackItemButton::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    vxCtrlStackWnd* pStack = DYNAMIC_DOWNCAST(vxCtrlStackWnd, GetParent());
    if (m_pAccessible == NULL && pStack != NULL)
        m_pAccessible = new vxStackItemAccessible(m_hWnd, pStack);
    const LRESULT lResult = m_pAccessible != NULL ? m_pAccessible->Answer(wParam, lParam) : 0;
    return lResult != 0 ? lResult : Default();
}

void vxStackItemButton::OnNcDestroy()
{
    delete m_pAccessible;            // clients still holding its object find it dead
    m_pAccessible = NULL;
    CButton::OnNcDestroy();
}
