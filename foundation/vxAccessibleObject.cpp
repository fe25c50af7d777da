#include "vxAccessibleObject.h"

#include "vxUiaElement.h"

#include <new>

namespace {

// The interfaces' own GUIDs: MinGW's import libraries may hand wrong ones.
const IID kIID_IAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
const GUID kLIBID_Accessibility = {0x1ea4dbf0, 0x3c3b, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

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

// Out-parameters are cleared before anything is asked, so that a failure leaves none holding
// garbage.
void Clear(VARIANT* p) { ::VariantInit(p); }
void Clear(BSTR* p) { *p = NULL; }
void Clear(long* p) { *p = 0; }
void Clear(IDispatch** p) { *p = NULL; }

template <class Fn>
HRESULT CallBody(void* pContext)
{
    return (*static_cast<Fn*>(pContext))();
}

} // namespace

vxAccessibleObject::vxAccessibleObject(HWND hWnd, vxAccessibleProvider* pProvider)
    : m_nRefs(1), m_hWnd(hWnd), m_bPart(pProvider->IsPart()), m_pProvider(pProvider), m_pStandard(NULL), m_pTypeInfo(NULL), m_nCursor(1)
{
    ::CreateStdAccessibleObject(hWnd, OBJID_CLIENT, kIID_IAccessible, reinterpret_cast<void**>(&m_pStandard));
}

vxAccessibleObject::~vxAccessibleObject()
{
    Disconnect();
    if (m_pTypeInfo != NULL)
        m_pTypeInfo->Release();
}

const IID& vxAccessibleObject::InterfaceId()
{
    return kIID_IAccessible;
}

void vxAccessibleObject::Disconnect()
{
    m_pProvider = NULL;
    if (m_pStandard != NULL)
        m_pStandard->Release();
    m_pStandard = NULL;
}

// A call into a live control with its out-parameters, none of which may be null, carried out
// on the window's thread.
template <class Fn, class... Outs>
HRESULT vxAccessibleObject::Guarded(Fn fn, Outs*... outs)
{
    if (!((outs != NULL) && ...))
        return E_POINTER;
    (Clear(outs), ...);
    auto body = [&]() -> HRESULT {
        if (m_pProvider == NULL || m_pStandard == NULL || !::IsWindow(m_hWnd))
            return RPC_E_DISCONNECTED;
        try {
            return fn();
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    };
    HRESULT hr = RPC_E_DISCONNECTED;
    if (!vxRunOnWindowThread(m_hWnd, &CallBody<decltype(body)>, &body, hr))
        return RPC_E_DISCONNECTED;
    return hr;
}

HRESULT vxAccessibleObject::WithProvider(const std::function<HRESULT(vxAccessibleProvider&)>& fn)
{
    return Guarded([&] { return fn(*m_pProvider); });
}

// A child number that names the object itself or one of its children.
BOOL vxAccessibleObject::ChildOf(const VARIANT& var, long* pnChild)
{
    if (var.vt != VT_I4 || var.lVal < 0 || var.lVal > m_pProvider->AccChildCount())
        return FALSE;
    *pnChild = var.lVal;
    return TRUE;
}

HRESULT vxAccessibleObject::ChildObject(long nChild, IDispatch** ppdisp)
{
    *ppdisp = NULL;
    if (nChild == CHILDID_SELF)
        return S_FALSE;
    if (HWND hChild = m_pProvider->AccChildWindow(nChild))
        return ::AccessibleObjectFromWindow(hChild, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(ppdisp)) == S_OK
                   ? S_OK
                   : S_FALSE;
    if (vxAccessibleProvider* pPart = m_pProvider->AccChildPart(nChild))
        return pPart->QueryObject(ppdisp);
    return S_FALSE;
}

// A child as a client is handed it: its object where it has one, else its number.
void vxAccessibleObject::ChildVariant(long nChild, VARIANT* pvar)
{
    IDispatch* pdisp = NULL;
    if (ChildObject(nChild, &pdisp) == S_OK) {
        ::VariantInit(pvar);
        pvar->vt = VT_DISPATCH;
        pvar->pdispVal = pdisp;
        return;
    }
    SetChild(pvar, nChild);
}

// IUnknown

STDMETHODIMP vxAccessibleObject::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    *ppv = NULL;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == kIID_IAccessible)
        *ppv = static_cast<IAccessible*>(this);
    else if (riid == IID_IEnumVARIANT)
        *ppv = static_cast<IEnumVARIANT*>(this);
    else if (riid == IID_IOleWindow)
        *ppv = static_cast<IOleWindow*>(this);
    else if (riid == IID_IServiceProvider)
        *ppv = static_cast<IServiceProvider*>(this);
    if (*ppv == NULL)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) vxAccessibleObject::AddRef()
{
    return ::InterlockedIncrement(&m_nRefs);
}

STDMETHODIMP_(ULONG) vxAccessibleObject::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return nRefs;
}

// IDispatch

HRESULT vxAccessibleObject::AccessibleTypeInfo(ITypeInfo** ppTInfo)
{
    if (m_pTypeInfo == NULL) {
        ITypeLib* pLib = NULL;
        ITypeInfo* pInfo = NULL;
        if (FAILED(::LoadRegTypeLib(kLIBID_Accessibility, 1, 1, 0, &pLib)))
            return TYPE_E_CANTLOADLIBRARY;
        const HRESULT hr = pLib->GetTypeInfoOfGuid(kIID_IAccessible, &pInfo);
        pLib->Release();
        if (FAILED(hr))
            return hr;
        // Another thread may have loaded it meanwhile: the first one stays.
        if (::InterlockedCompareExchangePointer(reinterpret_cast<void**>(&m_pTypeInfo), pInfo, NULL) != NULL)
            pInfo->Release();
    }
    *ppTInfo = m_pTypeInfo;
    return S_OK;
}

STDMETHODIMP vxAccessibleObject::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == NULL)
        return E_POINTER;
    ITypeInfo* pInfo = NULL;
    *pctinfo = SUCCEEDED(AccessibleTypeInfo(&pInfo)) ? 1 : 0;
    return S_OK;
}

STDMETHODIMP vxAccessibleObject::GetTypeInfo(UINT iTInfo, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo == NULL)
        return E_POINTER;
    *ppTInfo = NULL;
    if (iTInfo != 0)
        return DISP_E_BADINDEX;
    const HRESULT hr = AccessibleTypeInfo(ppTInfo);
    if (SUCCEEDED(hr))
        (*ppTInfo)->AddRef();
    return hr;
}

STDMETHODIMP vxAccessibleObject::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID,
                                               DISPID* rgDispId)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    ITypeInfo* pInfo = NULL;
    const HRESULT hr = AccessibleTypeInfo(&pInfo);
    return SUCCEEDED(hr) ? pInfo->GetIDsOfNames(rgszNames, cNames, rgDispId) : hr;
}

STDMETHODIMP vxAccessibleObject::Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD wFlags,
                                        DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                        UINT* puArgErr)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    ITypeInfo* pInfo = NULL;
    const HRESULT hr = AccessibleTypeInfo(&pInfo);
    if (FAILED(hr))
        return hr;
    return pInfo->Invoke(static_cast<IAccessible*>(this), dispIdMember, wFlags, pDispParams, pVarResult,
                         pExcepInfo, puArgErr);
}

// IAccessible

STDMETHODIMP vxAccessibleObject::get_accParent(IDispatch** ppdispParent)
{
    return Guarded([&]() -> HRESULT {
        HWND hParent = m_pProvider->AccParentWindow();
        if (hParent == NULL)
            return m_pStandard->get_accParent(ppdispParent);
        return ::AccessibleObjectFromWindow(hParent, OBJID_CLIENT, IID_IDispatch,
                                            reinterpret_cast<void**>(ppdispParent)) == S_OK
                   ? S_OK
                   : S_FALSE;
    }, ppdispParent);
}

STDMETHODIMP vxAccessibleObject::get_accChildCount(long* pcountChildren)
{
    return Guarded([&] {
        *pcountChildren = m_pProvider->AccChildCount();
        return S_OK;
    }, pcountChildren);
}

STDMETHODIMP vxAccessibleObject::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    return Guarded([&]() -> HRESULT {
        long nChild = 0;
        if (!ChildOf(varChild, &nChild) || nChild == CHILDID_SELF)
            return E_INVALIDARG;
        return ChildObject(nChild, ppdispChild);
    }, ppdispChild);
}

STDMETHODIMP vxAccessibleObject::get_accName(VARIANT varChild, BSTR* pszName)
{
    return Text(varChild, pszName, &vxAccessibleProvider::AccName, &IAccessible::get_accName);
}

STDMETHODIMP vxAccessibleObject::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    return Text(varChild, pszValue, &vxAccessibleProvider::AccValue, &IAccessible::get_accValue);
}

STDMETHODIMP vxAccessibleObject::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    return Standard(varChild, pszDescription, &IAccessible::get_accDescription);
}

STDMETHODIMP vxAccessibleObject::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return Number(varChild, pvarRole, &vxAccessibleProvider::AccRole);
}

STDMETHODIMP vxAccessibleObject::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    return Number(varChild, pvarState, &vxAccessibleProvider::AccState);
}

STDMETHODIMP vxAccessibleObject::get_accHelp(VARIANT varChild, BSTR* pszHelp)
{
    return Standard(varChild, pszHelp, &IAccessible::get_accHelp);
}

STDMETHODIMP vxAccessibleObject::get_accHelpTopic(BSTR* pszHelpFile, VARIANT, long* pidTopic)
{
    return Guarded([] { return S_FALSE; }, pszHelpFile, pidTopic);
}

STDMETHODIMP vxAccessibleObject::get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut)
{
    return Standard(varChild, pszKeyboardShortcut, &IAccessible::get_accKeyboardShortcut);
}

STDMETHODIMP vxAccessibleObject::get_accFocus(VARIANT* pvarChild)
{
    return Guarded([&]() -> HRESULT {
        const long nFocus = m_pProvider->AccFocus();
        if (nFocus < 0)
            return S_FALSE;
        ChildVariant(nFocus, pvarChild);
        return S_OK;
    }, pvarChild);
}

STDMETHODIMP vxAccessibleObject::get_accSelection(VARIANT* pvarChildren)
{
    return Guarded([&]() -> HRESULT {
        const long nSelected = m_pProvider->AccSelection();
        if (nSelected <= 0)
            return S_FALSE;
        ChildVariant(nSelected, pvarChildren);
        return S_OK;
    }, pvarChildren);
}

STDMETHODIMP vxAccessibleObject::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    return Text(varChild, pszDefaultAction, &vxAccessibleProvider::AccDefaultAction,
                &IAccessible::get_accDefaultAction);
}

STDMETHODIMP vxAccessibleObject::accSelect(long flagsSelect, VARIANT varChild)
{
    return Guarded([&]() -> HRESULT {
        long nChild = 0;
        if (!ChildOf(varChild, &nChild))
            return E_INVALIDARG;
        return nChild == CHILDID_SELF && !IsPart() ? m_pStandard->accSelect(flagsSelect, varChild)
                                                   : DISP_E_MEMBERNOTFOUND;
    });
}

STDMETHODIMP vxAccessibleObject::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                             VARIANT varChild)
{
    return Guarded([&]() -> HRESULT {
        long nChild = 0;
        if (!ChildOf(varChild, &nChild))
            return E_INVALIDARG;
        RECT rc = {};
        if (!m_pProvider->AccLocation(nChild, rc)) {
            if (nChild != CHILDID_SELF || IsPart())
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

STDMETHODIMP vxAccessibleObject::accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt)
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
            else if (!IsPart())
                return m_pStandard->accNavigate(navDir, varStart, pvarEndUpAt);
        } else if (navDir == NAVDIR_NEXT || navDir == NAVDIR_DOWN || navDir == NAVDIR_RIGHT) {
            nEnd = nStart < nCount ? nStart + 1 : 0;
        } else if (navDir == NAVDIR_PREVIOUS || navDir == NAVDIR_UP || navDir == NAVDIR_LEFT) {
            nEnd = nStart - 1;
        }
        if (nEnd <= 0)
            return S_FALSE;
        ChildVariant(nEnd, pvarEndUpAt);
        return S_OK;
    }, pvarEndUpAt);
}

STDMETHODIMP vxAccessibleObject::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    return Guarded([&]() -> HRESULT {
        const POINT pt = {xLeft, yTop};
        const long nChild = m_pProvider->AccChildAt(pt);
        if (nChild > 0) {
            ChildVariant(nChild, pvarChild);
            return S_OK;
        }
        RECT rcSelf = {};
        if (!(IsPart() ? m_pProvider->AccLocation(CHILDID_SELF, rcSelf) : (rcSelf = ClientOnScreen(m_hWnd), TRUE)) ||
            !::PtInRect(&rcSelf, pt))
            return S_FALSE;
        SetChild(pvarChild, CHILDID_SELF);
        return S_OK;
    }, pvarChild);
}

STDMETHODIMP vxAccessibleObject::accDoDefaultAction(VARIANT varChild)
{
    return Guarded([&]() -> HRESULT {
        long nChild = 0;
        if (!ChildOf(varChild, &nChild))
            return E_INVALIDARG;
        return m_pProvider->AccDoDefaultAction(nChild) ? S_OK : DISP_E_MEMBERNOTFOUND;
    });
}

STDMETHODIMP vxAccessibleObject::put_accName(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

STDMETHODIMP vxAccessibleObject::put_accValue(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

HRESULT vxAccessibleObject::Number(VARIANT varChild, VARIANT* pvar, NumberFn fn)
{
    return Guarded([&]() -> HRESULT {
        long nChild = 0;
        if (!ChildOf(varChild, &nChild))
            return E_INVALIDARG;
        SetChild(pvar, (m_pProvider->*fn)(nChild));
        return S_OK;
    }, pvar);
}

HRESULT vxAccessibleObject::Text(VARIANT varChild, BSTR* pbstr, TextFn fnOwn, StandardTextFn fnStandard)
{
    return Guarded([&]() -> HRESULT {
        long nChild = 0;
        if (!ChildOf(varChild, &nChild))
            return E_INVALIDARG;
        CString str;
        if ((m_pProvider->*fnOwn)(nChild, str)) {
            *pbstr = vxToBstr(str);
            return *pbstr != NULL ? S_OK : E_OUTOFMEMORY;
        }
        return nChild == CHILDID_SELF && !IsPart() ? (m_pStandard->*fnStandard)(varChild, pbstr) : S_FALSE;
    }, pbstr);
}

HRESULT vxAccessibleObject::Standard(VARIANT varChild, BSTR* pbstr, StandardTextFn fnStandard)
{
    return Guarded([&]() -> HRESULT {
        long nChild = 0;
        if (!ChildOf(varChild, &nChild))
            return E_INVALIDARG;
        return nChild == CHILDID_SELF && !IsPart() ? (m_pStandard->*fnStandard)(varChild, pbstr) : S_FALSE;
    }, pbstr);
}

// IEnumVARIANT

STDMETHODIMP vxAccessibleObject::Next(ULONG celt, VARIANT* rgVar, ULONG* pCeltFetched)
{
    if (rgVar == NULL || (celt > 1 && pCeltFetched == NULL))
        return E_POINTER;
    ULONG nFetched = 0;
    for (ULONG i = 0; i < celt; ++i)
        ::VariantInit(&rgVar[i]);
    const HRESULT hr = Guarded([&]() -> HRESULT {
        const long nCount = m_pProvider->AccChildCount();
        while (nFetched < celt && m_nCursor <= nCount)
            ChildVariant(m_nCursor++, &rgVar[nFetched++]);
        return nFetched == celt ? S_OK : S_FALSE;
    });
    if (pCeltFetched != NULL)
        *pCeltFetched = nFetched;
    return hr;
}

STDMETHODIMP vxAccessibleObject::Skip(ULONG celt)
{
    return Guarded([&]() -> HRESULT {
        const long nCount = m_pProvider->AccChildCount();
        const long nLeft = nCount >= m_nCursor ? nCount - m_nCursor + 1 : 0;
        const long nSkipped = celt < static_cast<ULONG>(nLeft) ? static_cast<long>(celt) : nLeft;
        m_nCursor += nSkipped;
        return static_cast<ULONG>(nSkipped) == celt ? S_OK : S_FALSE;
    });
}

STDMETHODIMP vxAccessibleObject::Reset()
{
    return Guarded([&] {
        m_nCursor = 1;
        return S_OK;
    });
}

STDMETHODIMP vxAccessibleObject::Clone(IEnumVARIANT** ppEnum)
{
    if (ppEnum == NULL)
        return E_POINTER;
    *ppEnum = NULL;
    return E_NOTIMPL;
}

// IOleWindow

STDMETHODIMP vxAccessibleObject::GetWindow(HWND* phwnd)
{
    if (phwnd == NULL)
        return E_POINTER;
    *phwnd = m_hWnd;
    return S_OK;
}

STDMETHODIMP vxAccessibleObject::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

// IServiceProvider

STDMETHODIMP vxAccessibleObject::QueryService(REFGUID guidService, REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    *ppv = NULL;
    return Guarded([&]() -> HRESULT {
        // UI Automation's bridge: the element of the window's or the part's provider.
        if (guidService == vxIID_IAccessibleEx) {
            vxUiaElement* pElement = new (std::nothrow) vxUiaElement(this, CHILDID_SELF);
            if (pElement == NULL)
                return E_OUTOFMEMORY;
            const HRESULT hr = static_cast<IAccessibleEx*>(pElement)->QueryInterface(riid, ppv);
            static_cast<IAccessibleEx*>(pElement)->Release();
            return hr;
        }
        // A part is no window: the window's identity is not its own.
        IServiceProvider* pServices = NULL;
        if (IsPart() || FAILED(m_pStandard->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&pServices))))
            return E_NOINTERFACE;
        const HRESULT hr = pServices->QueryService(guidService, riid, ppv);
        pServices->Release();
        return hr;
    });
}
