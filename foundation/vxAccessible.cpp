#include "vxAccessible.h"

#include <new>

namespace {

// The interface's own GUID: MinGW's import library may hand a wrong one.
const IID kIID_IAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

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

BSTR ToBstr(const CString& str)
{
    return ToBstr(static_cast<LPCTSTR>(str), str.GetLength());
}

void SetChild(VARIANT* pVar, long nChild)
{
    ::VariantInit(pVar);
    pVar->vt = VT_I4;
    pVar->lVal = nChild;
}

// Rectangle of the window's client area on the screen.
RECT ClientOnScreen(HWND hWnd)
{
    RECT rc = {};
    ::GetClientRect(hWnd, &rc);
    ::MapWindowPoints(hWnd, NULL, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

} // namespace

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

class vxAccessibleObject final : public IAccessible
{
public:
    vxAccessibleObject(HWND hWnd, vxAccessibleProvider* pProvider)
        : m_nRefs(1), m_hWnd(hWnd), m_pProvider(pProvider), m_pStandard(NULL)
    {
        ::CreateStdAccessibleObject(hWnd, OBJID_CLIENT, kIID_IAccessible,
                                    reinterpret_cast<void**>(&m_pStandard));
    }

    void Disconnect()
    {
        m_pProvider = NULL;
        if (m_pStandard != NULL)
            m_pStandard->Release();
        m_pStandard = NULL;
    }

// IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == NULL)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == kIID_IAccessible) {
            *ppv = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ::InterlockedIncrement(&m_nRefs); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
        if (nRefs == 0)
            delete this;
        return nRefs;
    }

// IDispatch: no type information; clients use the interface's methods.
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override
    {
        if (pctinfo == NULL)
            return E_POINTER;
        *pctinfo = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

// IAccessible
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override
    {
        return Guarded([&] { return m_pStandard->get_accParent(ppdispParent); }, ppdispParent);
    }
    STDMETHODIMP get_accChildCount(long* pcountChildren) override
    {
        return Guarded(
            [&] {
                *pcountChildren = m_pProvider->AccChildCount();
                return S_OK;
            },
            pcountChildren);
    }
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override
    {
        return Guarded([&]() -> HRESULT {
            long nChild = 0;
            if (!ChildOf(varChild, &nChild) || nChild == CHILDID_SELF)
                return E_INVALIDARG;
            HWND hChild = m_pProvider->AccChildWindow(nChild);
            if (hChild != NULL &&
                ::AccessibleObjectFromWindow(hChild, OBJID_WINDOW, IID_IDispatch,
                                             reinterpret_cast<void**>(ppdispChild)) == S_OK)
                return S_OK;
            *ppdispChild = NULL;
            return S_FALSE;
        }, ppdispChild);
    }
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override
    {
        return Text(varChild, pszName, &vxAccessibleProvider::AccName, &IAccessible::get_accName);
    }
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override
    {
        return Text(varChild, pszValue, &vxAccessibleProvider::AccValue, &IAccessible::get_accValue);
    }
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override
    {
        return Standard(varChild, pszDescription, &IAccessible::get_accDescription);
    }
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override
    {
        return Number(varChild, pvarRole, &vxAccessibleProvider::AccRole);
    }
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override
    {
        return Number(varChild, pvarState, &vxAccessibleProvider::AccState);
    }
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override
    {
        return Standard(varChild, pszHelp, &IAccessible::get_accHelp);
    }
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT, long* pidTopic) override
    {
        if (pszHelpFile != NULL)
            *pszHelpFile = NULL;
        if (pidTopic != NULL)
            *pidTopic = 0;
        return S_FALSE;
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override
    {
        return Standard(varChild, pszKeyboardShortcut, &IAccessible::get_accKeyboardShortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override
    {
        return Guarded([&]() -> HRESULT {
            const long nFocus = m_pProvider->AccFocus();
            if (nFocus < 0) {
                ::VariantInit(pvarChild);
                return S_FALSE;
            }
            SetChild(pvarChild, nFocus);
            return S_OK;
        }, pvarChild);
    }
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override
    {
        return Guarded([&]() -> HRESULT {
            const long nSelected = m_pProvider->AccSelection();
            if (nSelected <= 0) {
                ::VariantInit(pvarChildren);
                return S_FALSE;
            }
            SetChild(pvarChildren, nSelected);
            return S_OK;
        }, pvarChildren);
    }
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override
    {
        return Text(varChild, pszDefaultAction, &vxAccessibleProvider::AccDefaultAction,
                    &IAccessible::get_accDefaultAction);
    }
    STDMETHODIMP accSelect(long flagsSelect, VARIANT varChild) override
    {
        return Guarded([&]() -> HRESULT {
            long nChild = 0;
            if (!ChildOf(varChild, &nChild))
                return E_INVALIDARG;
            return nChild == CHILDID_SELF ? m_pStandard->accSelect(flagsSelect, varChild)
                                          : DISP_E_MEMBERNOTFOUND;
        });
    }
    STDMETHODIMP accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                             VARIANT varChild) override
    {
        return Guarded([&]() -> HRESULT {
            long nChild = 0;
            if (!ChildOf(varChild, &nChild))
                return E_INVALIDARG;
            RECT rc = {};
            if (!m_pProvider->AccLocation(nChild, rc)) {
                if (nChild != CHILDID_SELF)
                    return S_FALSE;
                return m_pStandard->accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
            }
            *pxLeft = rc.left;
            *pyTop = rc.top;
            *pcxWidth = rc.right - rc.left;
            *pcyHeight = rc.bottom - rc.top;
            return S_OK;
        }, pxLeft, pyTop, pcxWidth, pcyHeight);
    }
    STDMETHODIMP accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override
    {
        return Guarded([&]() -> HRESULT {
            long nStart = 0;
            if (!ChildOf(varStart, &nStart))
                return E_INVALIDARG;
            const long nCount = m_pProvider->AccChildCount();
            long nEnd = 0;
            if (nStart == CHILDID_SELF) {
                if (navDir == NAVDIR_FIRSTCHILD)
                    nEnd = nCount > 0 ? 1 : 0;
                else if (navDir == NAVDIR_LASTCHILD)
                    nEnd = nCount;
                else
                    return m_pStandard->accNavigate(navDir, varStart, pvarEndUpAt);
            } else if (navDir == NAVDIR_NEXT || navDir == NAVDIR_DOWN || navDir == NAVDIR_RIGHT) {
                nEnd = nStart < nCount ? nStart + 1 : 0;
            } else if (navDir == NAVDIR_PREVIOUS || navDir == NAVDIR_UP || navDir == NAVDIR_LEFT) {
                nEnd = nStart - 1;
            }
            if (nEnd <= 0) {
                ::VariantInit(pvarEndUpAt);
                return S_FALSE;
            }
            SetChild(pvarEndUpAt, nEnd);
            return S_OK;
        }, pvarEndUpAt);
    }
    STDMETHODIMP accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override
    {
        return Guarded([&]() -> HRESULT {
            const POINT pt = {xLeft, yTop};
            const long nChild = m_pProvider->AccChildAt(pt);
            if (nChild > 0) {
                SetChild(pvarChild, nChild);
                return S_OK;
            }
            const RECT rcClient = ClientOnScreen(m_hWnd);
            if (!::PtInRect(&rcClient, pt)) {
                ::VariantInit(pvarChild);
                return S_FALSE;
            }
            SetChild(pvarChild, CHILDID_SELF);
            return S_OK;
        }, pvarChild);
    }
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override
    {
        return Guarded([&]() -> HRESULT {
            long nChild = 0;
            if (!ChildOf(varChild, &nChild))
                return E_INVALIDARG;
            return m_pProvider->AccDoDefaultAction(nChild) ? S_OK : DISP_E_MEMBERNOTFOUND;
        });
    }
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~vxAccessibleObject() { Disconnect(); }

    typedef long (vxAccessibleProvider::*NumberFn)(long);
    typedef BOOL (vxAccessibleProvider::*TextFn)(long, CString&);
    typedef HRESULT (STDMETHODCALLTYPE IAccessible::*StandardTextFn)(VARIANT, BSTR*);

    // Out-parameters are cleared before anything is asked, so that a failure leaves none
    // holding garbage.
    static void Clear(VARIANT* p) { ::VariantInit(p); }
    static void Clear(BSTR* p) { *p = NULL; }
    static void Clear(long* p) { *p = 0; }
    static void Clear(IDispatch** p) { *p = NULL; }

    // A call into a live control with its out-parameters, none of which may be null; no C++
    // exception leaves it for the client's side.
    template <class Fn, class... Outs>
    HRESULT Guarded(Fn fn, Outs*... outs)
    {
        if (!((outs != NULL) && ...))
            return E_POINTER;
        (Clear(outs), ...);
        if (m_pProvider == NULL || m_pStandard == NULL || !::IsWindow(m_hWnd))
            return RPC_E_DISCONNECTED;
        try {
            return fn();
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }

    // A child number that names the control or one of its children.
    BOOL ChildOf(const VARIANT& var, long* pnChild)
    {
        if (var.vt != VT_I4 || var.lVal < 0 || var.lVal > m_pProvider->AccChildCount())
            return FALSE;
        *pnChild = var.lVal;
        return TRUE;
    }

    HRESULT Number(VARIANT varChild, VARIANT* pvar, NumberFn fn)
    {
        return Guarded([&]() -> HRESULT {
            long nChild = 0;
            if (!ChildOf(varChild, &nChild))
                return E_INVALIDARG;
            SetChild(pvar, (m_pProvider->*fn)(nChild));
            return S_OK;
        }, pvar);
    }

    HRESULT Text(VARIANT varChild, BSTR* pbstr, TextFn fnOwn, StandardTextFn fnStandard)
    {
        return Guarded([&]() -> HRESULT {
            long nChild = 0;
            if (!ChildOf(varChild, &nChild))
                return E_INVALIDARG;
            CString str;
            if ((m_pProvider->*fnOwn)(nChild, str)) {
                *pbstr = ToBstr(str);
                return *pbstr != NULL ? S_OK : E_OUTOFMEMORY;
            }
            return nChild == CHILDID_SELF ? (m_pStandard->*fnStandard)(varChild, pbstr) : S_FALSE;
        }, pbstr);
    }

    HRESULT Standard(VARIANT varChild, BSTR* pbstr, StandardTextFn fnStandard)
    {
        return Guarded([&]() -> HRESULT {
            long nChild = 0;
            if (!ChildOf(varChild, &nChild))
                return E_INVALIDARG;
            return nChild == CHILDID_SELF ? (m_pStandard->*fnStandard)(varChild, pbstr) : S_FALSE;
        }, pbstr);
    }

    LONG m_nRefs;
    HWND m_hWnd;
    vxAccessibleProvider* m_pProvider;           // none once disconnected
    IAccessible* m_pStandard;                    // the system's object of the client area
};

vxAccessibleProvider::~vxAccessibleProvider()
{
    if (m_pObject == NULL)
        return;
    m_pObject->Disconnect();
    m_pObject->Release();
}

LRESULT vxAccessibleProvider::Answer(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT || !::IsWindow(m_hWnd))
        return 0;
    if (m_pObject == NULL)
        m_pObject = new (std::nothrow) vxAccessibleObject(m_hWnd, this);
    if (m_pObject == NULL)
        return 0;
    return ::LresultFromObject(kIID_IAccessible, wParam, static_cast<IAccessible*>(m_pObject));
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
