#include "vxAccessible.h"

#include "vxAccessibleObject.h"
#include "vxUiaElement.h"

#include <new>

namespace {

// The text as a BSTR: narrow text converted from the ANSI code page, wide text copied.
inline BSTR ToBstr(const char* psz, int nLength)
{
    const int nChars = ::MultiByteToWideChar(CP_ACP, 0, psz, nLength, NULL, 0);
    BSTR bstr = ::SysAllocStringLen(NULL, nChars);
    if (bstr != NULL && nChars > 0)
        ::MultiByteToWideChar(CP_ACP, 0, psz, nLength, bstr, nChars);
    return bstr;
}

inline BSTR ToBstr(const wchar_t* psz, int nLength)
{
    return ::SysAllocStringLen(psz, static_cast<UINT>(nLength));
}

} // namespace

BSTR vxToBstr(const CString& str)
{
    return ToBstr(static_cast<LPCTSTR>(str), str.GetLength());
}

long vxAccessibleProvider::AccChildAt(POINT ptScreen)
{
    const long nCount = AccChildCount();
    for (long nChild = 1; nChild <= nCount; ++nChild) {
        RECT rc;
        if (AccLocation(nChild, rc) && ::PtInRect(&rc, ptScreen))
            return nChild;
    }
    return CHILDID_SELF;
}

long vxAccessibleProvider::AccFocus()
{
    return ::GetFocus() == Hwnd() ? CHILDID_SELF : -1;
}

vxAccessibleProvider::~vxAccessibleProvider()
{
    // UI Automation forgets the window's element; the objects clients hold answer no more.
    if (m_pUiaRoot != NULL) {
        vxUiaDisconnectProvider(static_cast<IRawElementProviderSimple*>(m_pUiaRoot));
        static_cast<IRawElementProviderSimple*>(m_pUiaRoot)->Release();
    }
    if (m_pObject == NULL)
        return;
    m_pObject->Disconnect();
    m_pObject->Release();
}

long vxAccessibleProvider::UiaControlType(long nChild)
{
    switch (AccRole(nChild)) {
    case ROLE_SYSTEM_PUSHBUTTON: return vxUiaButtonControl;
    case ROLE_SYSTEM_RADIOBUTTON: return vxUiaRadioButtonControl;
    case ROLE_SYSTEM_COMBOBOX: return vxUiaComboBoxControl;
    case ROLE_SYSTEM_TEXT: return vxUiaEditControl;
    case ROLE_SYSTEM_STATICTEXT: return vxUiaTextControl;
    case ROLE_SYSTEM_LIST: return vxUiaListControl;
    case ROLE_SYSTEM_LISTITEM: return vxUiaListItemControl;
    case ROLE_SYSTEM_LINK: return vxUiaHyperlinkControl;
    case ROLE_SYSTEM_TOOLTIP: return vxUiaToolTipControl;
    case ROLE_SYSTEM_GROUPING: return vxUiaGroupControl;
    case ROLE_SYSTEM_SEPARATOR: return vxUiaSeparatorControl;
    case ROLE_SYSTEM_PANE: return vxUiaPaneControl;
    default: return vxUiaCustomControl;
    }
}

vxAccessibleObject* vxAccessibleProvider::Object()
{
    if (m_pObject == NULL && ::IsWindow(m_hWnd))
        m_pObject = new (std::nothrow) vxAccessibleObject(m_hWnd, this);
    return m_pObject;
}

LRESULT vxAccessibleProvider::Answer(WPARAM wParam, LPARAM lParam)
{
    if (vxIsProviderCall(wParam, lParam, *this))
        return 1;
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) == vxUiaRootObjectId)
        return AnswerUia(wParam, lParam);
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != AccObjectId() || m_bPart || Object() == NULL)
        return 0;
    return vxResultFromObject(vxAccessibleObject::InterfaceId(), wParam, static_cast<IAccessible*>(m_pObject));
}

LRESULT vxAccessibleProvider::AnswerUia(WPARAM wParam, LPARAM lParam)
{
    // A window's own provider only: a part has no window, another object number's window is
    // the host's.
    if (m_bPart || AccObjectId() != OBJID_CLIENT)
        return 0;
    if (UiaRoot() == NULL)
        return 0;
    return vxUiaReturnRawElementProvider(m_hWnd, wParam, lParam, static_cast<IRawElementProviderSimple*>(m_pUiaRoot));
}

vxUiaElement* vxAccessibleProvider::UiaRoot()
{
    if (m_pUiaRoot == NULL && !m_bPart && Object() != NULL)
        m_pUiaRoot = new (std::nothrow) vxUiaElement(m_pObject, CHILDID_SELF);
    return m_pUiaRoot;
}

HRESULT vxAccessibleProvider::QueryObject(IDispatch** ppdisp)
{
    *ppdisp = Object();
    if (*ppdisp == NULL)
        return S_FALSE;
    (*ppdisp)->AddRef();
    return S_OK;
}

CString vxWindowText(HWND hWnd)
{
    CString strText;
    const int nLength = ::GetWindowTextLength(hWnd);
    ::GetWindowText(hWnd, strText.GetBuffer(nLength), nLength + 1);
    strText.ReleaseBuffer();
    return strText;
}

CString vxAccessibleLabelOf(HWND hWnd)
{
    // Back through the siblings before it: a static text names it, another tab stop ends
    // the search.
    for (HWND hPrev = ::GetWindow(hWnd, GW_HWNDPREV); hPrev != NULL;
         hPrev = ::GetWindow(hPrev, GW_HWNDPREV)) {
        TCHAR szClass[16] = {};
        ::GetClassName(hPrev, szClass, _countof(szClass));
        const LONG lStyle = ::GetWindowLong(hPrev, GWL_STYLE);
        if (lstrcmpi(szClass, _T("Static")) == 0 && (lStyle & WS_VISIBLE) &&
            (lStyle & SS_TYPEMASK) <= SS_RIGHT) {
            CString strLabel = vxWindowText(hPrev);
            strLabel.Remove(_T('&'));
            return strLabel;
        }
        if (lStyle & WS_TABSTOP)
            break;
    }
    return CString();
}

long vxAccessibleWindowState(HWND hWnd)
{
    long nState = STATE_SYSTEM_FOCUSABLE;
    if (!::IsWindowEnabled(hWnd))
        nState |= STATE_SYSTEM_UNAVAILABLE;
    if (!::IsWindowVisible(hWnd))
        nState |= STATE_SYSTEM_INVISIBLE;
    if (::GetFocus() == hWnd)
        nState |= STATE_SYSTEM_FOCUSED;
    return nState;
}

CString vxAccessibleNameOf(HWND hWnd)
{
    CString strName;
    IAccessible* pAcc = NULL;
    if (hWnd == NULL || ::AccessibleObjectFromWindow(hWnd, OBJID_CLIENT, vxAccessibleObject::InterfaceId(),
                                                     reinterpret_cast<void**>(&pAcc)) != S_OK)
        return strName;
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR bstr = NULL;
    if (pAcc->get_accName(self, &bstr) == S_OK && bstr != NULL)
        strName = CString(bstr);
    ::SysFreeString(bstr);
    pAcc->Release();
    return strName;
}
