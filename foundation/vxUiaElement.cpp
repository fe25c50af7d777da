#include "vxUiaElement.h"

#include "vxAccessible.h"
#include "vxAccessibleObject.h"

#include <new>

namespace {

const HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201); // UIA_E_ELEMENTNOTAVAILABLE
const HRESULT kNotSupported = static_cast<HRESULT>(0x80040204);        // UIA_E_NOTSUPPORTED
const int kAppendRuntimeId = 3;                                        // UiaAppendRuntimeId

// Whether the child may be found through the element tree: neither a window of its own
// (the system finds those) nor a part (which has its own provider).
bool IsSimpleChild(vxAccessibleProvider& provider, long nChild)
{
    return provider.AccChildWindow(nChild) == NULL && provider.AccChildPart(nChild) == NULL;
}

void SetBool(VARIANT* pVar, bool bValue)
{
    pVar->vt = VT_BOOL;
    pVar->boolVal = bValue ? VARIANT_TRUE : VARIANT_FALSE;
}


bool Supports(vxAccessibleProvider& provider, long nChild, PATTERNID patternId)
{
    const long nType = provider.UiaControlType(nChild);
    const long nState = provider.AccState(nChild);
    CString str;
    int nPos = 0, nLow = 0, nHigh = 0;
    switch (patternId) {
    case vxUiaInvokePattern:
        return (nType == vxUiaButtonControl || nType == vxUiaHyperlinkControl) &&
               !(nState & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED)) && provider.AccDefaultAction(nChild, str);
    case vxUiaExpandCollapsePattern:
        return (nState & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED)) != 0 && provider.AccDefaultAction(nChild, str);
    case vxUiaValuePattern:
        return (nType == vxUiaComboBoxControl || nType == vxUiaEditControl) && provider.AccValue(nChild, str);
    case vxUiaRangeValuePattern:
        return provider.UiaRange(nChild, nPos, nLow, nHigh) != FALSE;
    case vxUiaSelectionItemPattern:
        return nType == vxUiaListItemControl || nType == vxUiaRadioButtonControl;
    default:
        return false;
    }
}

} // namespace

vxUiaElement::vxUiaElement(vxAccessibleObject* pObject, long nChild) : m_nRefs(1), m_pObject(pObject), m_nChild(nChild)
{
    m_pObject->AddRef();
}

vxUiaElement::~vxUiaElement()
{
    m_pObject->Release();
}

// IUnknown

STDMETHODIMP vxUiaElement::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    *ppv = NULL;
    if (riid == IID_IUnknown || riid == vxIID_IRawElementProviderSimple)
        *ppv = static_cast<IRawElementProviderSimple*>(this);
    else if (riid == vxIID_IAccessibleEx)
        *ppv = static_cast<IAccessibleEx*>(this);
    else if (riid == vxIID_IRawElementProviderFragment)
        *ppv = static_cast<IRawElementProviderFragment*>(this);
    else if (riid == vxIID_IRawElementProviderFragmentRoot && m_nChild == CHILDID_SELF)
        *ppv = static_cast<IRawElementProviderFragmentRoot*>(this);
    else if (riid == vxIID_IInvokeProvider)
        *ppv = static_cast<vxInvokePattern*>(this);
    else if (riid == vxIID_IExpandCollapseProvider)
        *ppv = static_cast<vxExpandCollapsePattern*>(this);
    else if (riid == vxIID_IValueProvider)
        *ppv = static_cast<vxValuePattern*>(this);
    else if (riid == vxIID_IRangeValueProvider)
        *ppv = static_cast<vxRangeValuePattern*>(this);
    else if (riid == vxIID_ISelectionItemProvider)
        *ppv = static_cast<vxSelectionItemPattern*>(this);
    if (*ppv == NULL)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) vxUiaElement::AddRef()
{
    return ::InterlockedIncrement(&m_nRefs);
}

STDMETHODIMP_(ULONG) vxUiaElement::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return nRefs;
}

// A call into the provider on the window's thread; the element of a provider gone is no more.
template <class Fn>
HRESULT vxUiaElement::Call(Fn fn)
{
    const HRESULT hr = m_pObject->WithProvider(fn);
    return hr == RPC_E_DISCONNECTED ? kElementNotAvailable : hr;
}

// IAccessibleEx

STDMETHODIMP vxUiaElement::GetObjectForChild(long idChild, IAccessibleEx** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        // Only the window's element has children; one that is an object of its own answers
        // for itself.
        if (m_nChild != CHILDID_SELF || idChild <= 0 || idChild > provider.AccChildCount() ||
            !IsSimpleChild(provider, idChild))
            return S_OK;
        vxUiaElement* pChild = new (std::nothrow) vxUiaElement(m_pObject, idChild);
        if (pChild == NULL)
            return E_OUTOFMEMORY;
        *pRetVal = static_cast<IAccessibleEx*>(pChild);
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::GetIAccessiblePair(IAccessible** ppAcc, long* pidChild)
{
    if (ppAcc == NULL || pidChild == NULL)
        return E_POINTER;
    *ppAcc = static_cast<IAccessible*>(m_pObject);
    (*ppAcc)->AddRef();
    *pidChild = m_nChild;
    return S_OK;
}

STDMETHODIMP vxUiaElement::ConvertReturnedElement(IRawElementProviderSimple* pIn, IAccessibleEx** ppRetValOut)
{
    if (pIn == NULL || ppRetValOut == NULL)
        return E_POINTER;
    return pIn->QueryInterface(vxIID_IAccessibleEx, reinterpret_cast<void**>(ppRetValOut));
}

// Another element of the same provider: the child nChild, or the window's.
HRESULT vxUiaElement::ElementFor(long nChild, IRawElementProviderFragment** ppElement)
{
    vxUiaElement* pElement = new (std::nothrow) vxUiaElement(m_pObject, nChild);
    if (pElement == NULL)
        return E_OUTOFMEMORY;
    *ppElement = static_cast<IRawElementProviderFragment*>(pElement);
    return S_OK;
}

// IRawElementProviderSimple

STDMETHODIMP vxUiaElement::get_ProviderOptions(ProviderOptions* pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    // Calls come on any thread; the element carries them to the window's thread itself.
    *pRetVal = ProviderOptions_ServerSideProvider;
    return S_OK;
}

STDMETHODIMP vxUiaElement::GetPatternProvider(PATTERNID patternId, IUnknown** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        if (!Supports(provider, m_nChild, patternId))
            return S_OK;
        *pRetVal = static_cast<IRawElementProviderSimple*>(this);
        AddRef();
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::GetPropertyValue(PROPERTYID propertyId, VARIANT* pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    ::VariantInit(pRetVal);
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        const long nState = provider.AccState(m_nChild);
        CString strName;
        switch (propertyId) {
        case vxUiaControlTypeProperty:
            pRetVal->vt = VT_I4;
            pRetVal->lVal = provider.UiaControlType(m_nChild);
            break;
        case vxUiaNameProperty:
            // Nothing of its own: the window's element leaves its name to the system's.
            if (provider.AccName(m_nChild, strName)) {
                pRetVal->vt = VT_BSTR;
                pRetVal->bstrVal = vxToBstr(strName);
                if (pRetVal->bstrVal == NULL)
                    return E_OUTOFMEMORY;
            }
            break;
        case vxUiaIsEnabledProperty:
            SetBool(pRetVal, !(nState & STATE_SYSTEM_UNAVAILABLE));
            break;
        case vxUiaHasKeyboardFocusProperty:
            SetBool(pRetVal, (nState & STATE_SYSTEM_FOCUSED) != 0);
            break;
        case vxUiaIsKeyboardFocusableProperty:
            SetBool(pRetVal, (nState & STATE_SYSTEM_FOCUSABLE) != 0);
            break;
        case vxUiaIsOffscreenProperty:
            if (m_nChild != CHILDID_SELF)
                SetBool(pRetVal, (nState & (STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_INVISIBLE)) != 0);
            break;
        }
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::get_HostRawElementProvider(IRawElementProviderSimple** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    // The window's element stands on the system's provider of the window (its place, its
    // parent, its handle); a child has none.
    if (m_nChild != CHILDID_SELF)
        return S_OK;
    const HRESULT hr = vxUiaHostProviderFromHwnd(m_pObject->Window(), pRetVal);
    return SUCCEEDED(hr) || hr == E_NOTIMPL ? S_OK : hr;
}

// IRawElementProviderFragment

STDMETHODIMP vxUiaElement::Navigate(NavigateDirection direction, IRawElementProviderFragment** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        const long nCount = provider.AccChildCount();
        long nTarget = -1;
        auto simpleFrom = [&](long nFrom, long nStep) {
            for (long n = nFrom; n >= 1 && n <= nCount; n += nStep) {
                if (IsSimpleChild(provider, n))
                    return n;
            }
            return -1L;
        };
        switch (direction) {
        case NavigateDirection_Parent:
            // The window's element: its parent is the system's to tell.
            nTarget = m_nChild != CHILDID_SELF ? CHILDID_SELF : -1;
            break;
        case NavigateDirection_FirstChild:
            nTarget = m_nChild == CHILDID_SELF ? simpleFrom(1, 1) : -1;
            break;
        case NavigateDirection_LastChild:
            nTarget = m_nChild == CHILDID_SELF ? simpleFrom(nCount, -1) : -1;
            break;
        case NavigateDirection_NextSibling:
            nTarget = m_nChild != CHILDID_SELF ? simpleFrom(m_nChild + 1, 1) : -1;
            break;
        case NavigateDirection_PreviousSibling:
            nTarget = m_nChild != CHILDID_SELF ? simpleFrom(m_nChild - 1, -1) : -1;
            break;
        }
        if (nTarget < 0)
            return S_OK;
        return ElementFor(nTarget, pRetVal);
    });
}

STDMETHODIMP vxUiaElement::GetRuntimeId(SAFEARRAY** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    // The window's element takes the system's id of the window; a child's is appended to it.
    if (m_nChild == CHILDID_SELF)
        return S_OK;
    SAFEARRAY* pIds = ::SafeArrayCreateVector(VT_I4, 0, 2);
    if (pIds == NULL)
        return E_OUTOFMEMORY;
    LONG nIndex = 0;
    int nValue = kAppendRuntimeId;
    ::SafeArrayPutElement(pIds, &nIndex, &nValue);
    nIndex = 1;
    nValue = static_cast<int>(m_nChild);
    ::SafeArrayPutElement(pIds, &nIndex, &nValue);
    *pRetVal = pIds;
    return S_OK;
}

STDMETHODIMP vxUiaElement::get_BoundingRectangle(UiaRect* pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = UiaRect{0, 0, 0, 0};
    // The window's place is the system's to tell.
    if (m_nChild == CHILDID_SELF)
        return S_OK;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        RECT rc;
        if (provider.AccLocation(m_nChild, rc))
            *pRetVal = UiaRect{double(rc.left), double(rc.top), double(rc.right - rc.left), double(rc.bottom - rc.top)};
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::GetEmbeddedFragmentRoots(SAFEARRAY** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return S_OK;
}

STDMETHODIMP vxUiaElement::SetFocus()
{
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        // The window takes the focus; a child that is no window has none of its own.
        if (m_nChild == CHILDID_SELF)
            ::SetFocus(m_pObject->Window());
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::get_FragmentRoot(IRawElementProviderFragmentRoot** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    vxUiaElement* pRoot = m_nChild == CHILDID_SELF ? this : new (std::nothrow) vxUiaElement(m_pObject, CHILDID_SELF);
    if (pRoot == NULL)
        return E_OUTOFMEMORY;
    if (pRoot == this)
        AddRef();
    *pRetVal = static_cast<IRawElementProviderFragmentRoot*>(pRoot);
    return S_OK;
}

// IRawElementProviderFragmentRoot

STDMETHODIMP vxUiaElement::ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        const POINT pt = {static_cast<LONG>(x), static_cast<LONG>(y)};
        const long nChild = provider.AccChildAt(pt);
        if (nChild <= 0 || !IsSimpleChild(provider, nChild))
            return S_OK;
        return ElementFor(nChild, pRetVal);
    });
}

STDMETHODIMP vxUiaElement::GetFocus(IRawElementProviderFragment** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        const long nChild = provider.AccFocus();
        if (nChild <= 0 || !IsSimpleChild(provider, nChild))
            return S_OK;
        return ElementFor(nChild, pRetVal);
    });
}

// Patterns

STDMETHODIMP vxUiaElement::Invoke()
{
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        if (!provider.AccDoDefaultAction(m_nChild))
            return kNotSupported;
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::Expand()
{
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        if (provider.AccState(m_nChild) & STATE_SYSTEM_EXPANDED)
            return S_OK;
        return provider.AccDoDefaultAction(m_nChild) ? S_OK : kNotSupported;
    });
}

STDMETHODIMP vxUiaElement::Collapse()
{
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        if (!(provider.AccState(m_nChild) & STATE_SYSTEM_EXPANDED))
            return S_OK;
        return provider.AccDoDefaultAction(m_nChild) ? S_OK : kNotSupported;
    });
}

STDMETHODIMP vxUiaElement::get_ExpandCollapseState(int* pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = vxExpandCollapseLeafNode;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        const long nState = provider.AccState(m_nChild);
        if (nState & STATE_SYSTEM_EXPANDED)
            *pRetVal = vxExpandCollapseExpanded;
        else if (nState & STATE_SYSTEM_COLLAPSED)
            *pRetVal = vxExpandCollapseCollapsed;
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::SetValue(LPCWSTR)
{
    // The value is the control's to set; screen readers read it.
    return kNotSupported;
}

STDMETHODIMP vxUiaElement::get_Value(BSTR* pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        CString strValue;
        provider.AccValue(m_nChild, strValue);
        *pRetVal = vxToBstr(strValue);
        return *pRetVal != NULL ? S_OK : E_OUTOFMEMORY;
    });
}

STDMETHODIMP vxUiaElement::get_IsReadOnly(BOOL* pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = TRUE;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        int nPos = 0, nLow = 0, nHigh = 0;
        *pRetVal = provider.UiaRange(m_nChild, nPos, nLow, nHigh) ? FALSE : TRUE;
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::SetValue(double val)
{
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        int nPos = 0, nLow = 0, nHigh = 0;
        if (!provider.UiaRange(m_nChild, nPos, nLow, nHigh))
            return kNotSupported;
        if (val < nLow || val > nHigh)
            return E_INVALIDARG;
        return provider.UiaSetRange(m_nChild, static_cast<int>(val)) ? S_OK : kNotSupported;
    });
}

// One of the range's three numbers; 0 for an element without a range.
HRESULT vxUiaElement::RangeField(RangeNumber nWhich, double* pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = 0;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        int nNumbers[3] = {};
        if (provider.UiaRange(m_nChild, nNumbers[kRangePos], nNumbers[kRangeLow], nNumbers[kRangeHigh]))
            *pRetVal = nNumbers[nWhich];
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::get_Value(double* pRetVal)
{
    return RangeField(kRangePos, pRetVal);
}

STDMETHODIMP vxUiaElement::get_Maximum(double* pRetVal)
{
    return RangeField(kRangeHigh, pRetVal);
}

STDMETHODIMP vxUiaElement::get_Minimum(double* pRetVal)
{
    return RangeField(kRangeLow, pRetVal);
}

STDMETHODIMP vxUiaElement::get_LargeChange(double* pRetVal)
{
    // As far as Ctrl with an arrow moves a bar at 96 DPI.
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = 32;
    return S_OK;
}

STDMETHODIMP vxUiaElement::get_SmallChange(double* pRetVal)
{
    // As far as an arrow moves a bar at 96 DPI.
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = 4;
    return S_OK;
}

STDMETHODIMP vxUiaElement::Select()
{
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        if (provider.AccState(m_nChild) & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_CHECKED))
            return S_OK;
        return provider.AccDoDefaultAction(m_nChild) ? S_OK : kNotSupported;
    });
}

STDMETHODIMP vxUiaElement::AddToSelection()
{
    return Select();
}

STDMETHODIMP vxUiaElement::RemoveFromSelection()
{
    // One item is always chosen: none can be taken away alone.
    return kNotSupported;
}

STDMETHODIMP vxUiaElement::get_IsSelected(BOOL* pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = FALSE;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        *pRetVal = (provider.AccState(m_nChild) & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_CHECKED)) != 0;
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::get_SelectionContainer(IRawElementProviderSimple** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    if (m_nChild == CHILDID_SELF)
        return S_OK;
    vxUiaElement* pRoot = new (std::nothrow) vxUiaElement(m_pObject, CHILDID_SELF);
    if (pRoot == NULL)
        return E_OUTOFMEMORY;
    *pRetVal = static_cast<IRawElementProviderSimple*>(pRoot);
    return S_OK;
}
