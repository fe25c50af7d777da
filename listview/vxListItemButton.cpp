#include "vxListItemButton.h"

#include "vxListAccessible.h"

BEGIN_MESSAGE_MAP(vxListItemButton, CButton)
    ON_MESSAGE(WM_GETDLGCODE, &vxListItemButton::OnGetDlgCode)
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_GETOBJECT, &vxListItemButton::OnGetObject)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

vxListItemButton::vxListItemButton() : m_pAccessible(NULL)
{
}

vxListItemButton::~vxListItemButton()
{
    delete m_pAccessible;
}

LRESULT vxListItemButton::OnGetDlgCode(WPARAM, LPARAM lParam)
{
    // Enter presses the item, not the dialog's default. The arrows of push items move between
    // the items; radio items keep the code the system gives them (the platform tells radio
    // buttons by it), and a dialog moves along them and checks them as it does any radio group.
    LRESULT nCode = Default();
    if (!(nCode & DLGC_RADIOBUTTON))
        nCode |= DLGC_WANTARROWS;
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (pMsg != NULL && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        nCode |= DLGC_WANTMESSAGE;
    return nCode;
}

void vxListItemButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        GetParent()->SendMessage(WM_VXLV_FOCUSNEIGHBOUR, nChar, reinterpret_cast<LPARAM>(m_hWnd));
        return;
    case VK_RETURN:
        // Posted: the click reaches the host, which may delete the list view.
        PostMessage(BM_CLICK);
        return;
    }
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT vxListItemButton::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if (m_pAccessible == NULL)
        m_pAccessible = new vxListItemAccessible(m_hWnd);
    const LRESULT lResult = m_pAccessible->Answer(wParam, lParam);
    return lResult != 0 ? lResult : Default();
}

void vxListItemButton::OnNcDestroy()
{
    delete m_pAccessible;            // clients still holding its object find it dead
    m_pAccessible = NULL;
    CButton::OnNcDestroy();
}
