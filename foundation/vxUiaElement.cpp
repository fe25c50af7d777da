#include "vxUiaElement.h"

#include "vxAccessible.h"
#include "vxAccessibleObject.h"

#include <new>

namespace {

const int kAppendRuntimeId = 3; // UiaAppendRuntimeId

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

// A part's number in runtime ids: taken from where its provider lives, so that it stays the
// same while the part lives whatever its siblings do; negative, apart from children's numbers.
int PartKey(const vxAccessibleProvider& part)
{
    return -static_cast<int>((reinterpret_cast<UINT_PTR>(&part) >> 4) & 0x3fffffff) - 1;
}

HRESULT NewRuntimeId(const int* pnIds, int nIds, SAFEARRAY** ppIds)
{
    SAFEARRAY* pIds = ::SafeArrayCreateVector(VT_I4, 0, static_cast<ULONG>(nIds));
    if (pIds == NULL)
        return E_OUTOFMEMORY;
    for (LONG nIndex = 0; nIndex < nIds; ++nIndex) {
        int nValue = pnIds[nIndex];
        ::SafeArrayPutElement(pIds, &nIndex, &nValue);
    }
    *ppIds = pIds;
    return S_OK;
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
    const bool bRoot = m_nChild == CHILDID_SELF && !m_pObject->IsPart();
    if (riid == IID_IUnknown || riid == vxIID_IRawElementProviderSimple)
        *ppv = static_cast<IRawElementProviderSimple*>(this);
    else if (riid == vxIID_IAccessibleEx)
        *ppv = static_cast<IAccessibleEx*>(this);
    else if (riid == vxIID_IRawElementProviderFragment)
        *ppv = static_cast<IRawElementProviderFragment*>(this);
    else if (riid == vxIID_IRawElementProviderFragmentRoot && bRoot)
        *ppv = static_cast<IRawElementProviderFragmentRoot*>(this);
    else if (riid == vxIID_IRawElementProviderHwndOverride && bRoot)
        *ppv = static_cast<vxHwndOverride*>(this);
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
    else if (riid == vxIID_ISelectionProvider)
        *ppv = static_cast<vxSelectionPattern*>(this);
    else if (riid == vxIID_IScrollItemProvider)
        *ppv = static_cast<vxScrollItemPattern*>(this);
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
HRESULT vxUiaElement::Call(const std::function<HRESULT(vxAccessibleProvider&)>& fn)
{
    const HRESULT hr = m_pObject->WithProvider(fn);
    return hr == RPC_E_DISCONNECTED ? vxUiaElementNotAvailable : hr;
}

vxUiaElement::Kind vxUiaElement::KindOf(vxAccessibleProvider& provider) const
{
    if (m_nChild == CHILDID_SELF)
        return provider.IsPart() ? kPart : kWindow;
    return provider.AccChildWindow(m_nChild) != NULL ? kPlaceholder : kChild;
}

// The fragment

HRESULT vxUiaElement::NewElement(vxAccessibleObject* pObject, long nChild, IRawElementProviderFragment** ppElement)
{
    if (pObject == NULL)
        return E_OUTOFMEMORY;
    vxUiaElement* pElement = new (std::nothrow) vxUiaElement(pObject, nChild);
    if (pElement == NULL)
        return E_OUTOFMEMORY;
    *ppElement = static_cast<IRawElementProviderFragment*>(pElement);
    return S_OK;
}

// Whether the fragment holds the child: a simple child, a part, or a window inside a part.
bool vxUiaElement::IsHeld(vxAccessibleProvider& parent, long nChild)
{
    return parent.IsPart() || parent.AccChildPart(nChild) != NULL || parent.AccChildWindow(nChild) == NULL;
}

long vxUiaElement::HeldChild(vxAccessibleProvider& parent, long nFrom, long nStep)
{
    const long nCount = parent.AccChildCount();
    for (long nChild = nFrom; nChild >= 1 && nChild <= nCount; nChild += nStep) {
        if (IsHeld(parent, nChild))
            return nChild;
    }
    return -1;
}

HRESULT vxUiaElement::ChildElement(vxAccessibleProvider& parent, long nChild, IRawElementProviderFragment** ppElement)
{
    if (nChild <= 0 || !IsHeld(parent, nChild))
        return S_OK;
    if (vxAccessibleProvider* pPart = parent.AccChildPart(nChild))
        return NewElement(pPart->Object(), CHILDID_SELF, ppElement);
    return NewElement(parent.Object(), nChild, ppElement);
}

// The element of the window a part belongs to, from the window's own provider.
HRESULT vxUiaElement::WindowElement(HWND hWnd, IRawElementProviderFragment** ppElement)
{
    return vxWithWindowProvider(hWnd, [&](vxAccessibleProvider& window) {
        return NewElement(window.Object(), CHILDID_SELF, ppElement);
    });
}

HRESULT vxUiaElement::ElementOf(vxAccessibleProvider& provider, long nChild, IRawElementProviderSimple** ppElement)
{
    *ppElement = NULL;
    if (nChild == CHILDID_SELF && !provider.IsPart()) {
        vxUiaElement* pRoot = provider.UiaRoot();
        if (pRoot == NULL)
            return E_OUTOFMEMORY;
        pRoot->AddRef();
        *ppElement = static_cast<IRawElementProviderSimple*>(pRoot);
        return S_OK;
    }
    IRawElementProviderFragment* pElement = NULL;
    const HRESULT hr = NewElement(provider.Object(), nChild, &pElement);
    *ppElement = static_cast<vxUiaElement*>(pElement);
    return hr;
}

// IAccessibleEx

STDMETHODIMP vxUiaElement::GetObjectForChild(long idChild, IAccessibleEx** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        // Only the window's and the parts' elements have children; one that is an object of its
        // own answers for itself.
        if (m_nChild != CHILDID_SELF || idChild <= 0 || idChild > provider.AccChildCount() ||
            !IsSimpleChild(provider, idChild))
            return S_OK;
        IRawElementProviderFragment* pChild = NULL;
        const HRESULT hr = NewElement(m_pObject, idChild, &pChild);
        *pRetVal = static_cast<vxUiaElement*>(pChild);
        return hr;
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

// IRawElementProviderSimple

STDMETHODIMP vxUiaElement::get_ProviderOptions(ProviderOptions* pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    // Calls come on any thread; the element carries them to the window's thread itself.
    *pRetVal = ProviderOptions_ServerSideProvider;
    return S_OK;
}

STDMETHODIMP vxUiaElement::GetPropertyValue(PROPERTYID propertyId, VARIANT* pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    ::VariantInit(pRetVal);
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        // A placeholder leaves everything to the window it stands for.
        if (KindOf(provider) == kPlaceholder)
            return S_OK;
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
            if (KindOf(provider) != kWindow)
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
    // parent, its handle), a placeholder on its child window's; the others have none.
    HWND hHost = NULL;
    const HRESULT hr = Call([&](vxAccessibleProvider& provider) -> HRESULT {
        const Kind kind = KindOf(provider);
        hHost = kind == kWindow ? m_pObject->Window() : (kind == kPlaceholder ? provider.AccChildWindow(m_nChild) : NULL);
        return S_OK;
    });
    if (FAILED(hr) || hHost == NULL)
        return hr;
    const HRESULT hrHost = vxUiaHostProviderFromHwnd(hHost, pRetVal);
    return SUCCEEDED(hrHost) || hrHost == E_NOTIMPL ? S_OK : hrHost;
}

// IRawElementProviderFragment

STDMETHODIMP vxUiaElement::Navigate(NavigateDirection direction, IRawElementProviderFragment** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        const long nStep = direction == NavigateDirection_NextSibling || direction == NavigateDirection_FirstChild ? 1 : -1;
        switch (direction) {
        case NavigateDirection_Parent:
            // The window's element: its parent is the system's to tell.
            if (m_nChild != CHILDID_SELF)
                return NewElement(m_pObject, CHILDID_SELF, pRetVal);
            return provider.IsPart() ? WindowElement(m_pObject->Window(), pRetVal) : S_OK;
        case NavigateDirection_FirstChild:
        case NavigateDirection_LastChild:
            if (m_nChild != CHILDID_SELF)
                return S_OK;
            return ChildElement(provider, HeldChild(provider, nStep > 0 ? 1 : provider.AccChildCount(), nStep), pRetVal);
        case NavigateDirection_NextSibling:
        case NavigateDirection_PreviousSibling:
            if (m_nChild != CHILDID_SELF)
                return ChildElement(provider, HeldChild(provider, m_nChild + nStep, nStep), pRetVal);
            if (!provider.IsPart())
                return S_OK;
            // A part's siblings are its window's other children.
            return vxWithWindowProvider(m_pObject->Window(), [&](vxAccessibleProvider& window) -> HRESULT {
                for (long nChild = 1; nChild <= window.AccChildCount(); ++nChild) {
                    if (window.AccChildPart(nChild) == &provider)
                        return ChildElement(window, HeldChild(window, nChild + nStep, nStep), pRetVal);
                }
                return S_OK;
            });
        }
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::GetRuntimeId(SAFEARRAY** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    // The window's element and a placeholder take the system's id of their window; the others'
    // are appended to their window's.
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        const int nChild = static_cast<int>(m_nChild);
        switch (KindOf(provider)) {
        case kPart: {
            const int nIds[] = {kAppendRuntimeId, PartKey(provider)};
            return NewRuntimeId(nIds, 2, pRetVal);
        }
        case kChild:
            if (provider.IsPart()) {
                const int nIds[] = {kAppendRuntimeId, PartKey(provider), nChild};
                return NewRuntimeId(nIds, 3, pRetVal);
            } else {
                const int nIds[] = {kAppendRuntimeId, nChild};
                return NewRuntimeId(nIds, 2, pRetVal);
            }
        default:
            return S_OK;
        }
    });
}

STDMETHODIMP vxUiaElement::get_BoundingRectangle(UiaRect* pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = UiaRect{0, 0, 0, 0};
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        // A window's place is the system's to tell.
        const Kind kind = KindOf(provider);
        RECT rc;
        if ((kind == kPart || kind == kChild) && provider.AccLocation(m_nChild, rc))
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
        // A window takes the focus; a child that is no window has none of its own.
        const Kind kind = KindOf(provider);
        if (kind == kWindow)
            ::SetFocus(m_pObject->Window());
        else if (kind == kPlaceholder)
            ::SetFocus(provider.AccChildWindow(m_nChild));
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::get_FragmentRoot(IRawElementProviderFragmentRoot** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    IRawElementProviderFragment* pRoot = NULL;
    const HRESULT hr = Call([&](vxAccessibleProvider& provider) -> HRESULT {
        if (provider.IsPart())
            return WindowElement(m_pObject->Window(), &pRoot);
        if (m_nChild != CHILDID_SELF)
            return NewElement(m_pObject, CHILDID_SELF, &pRoot);
        AddRef();
        pRoot = static_cast<IRawElementProviderFragment*>(this);
        return S_OK;
    });
    *pRetVal = static_cast<vxUiaElement*>(pRoot);
    return hr;
}

// IRawElementProviderFragmentRoot: the window's descendants at a point or with the focus, one
// level into a part.

STDMETHODIMP vxUiaElement::ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        const POINT pt = {static_cast<LONG>(x), static_cast<LONG>(y)};
        const long nChild = provider.AccChildAt(pt);
        vxAccessibleProvider* pPart = nChild > 0 ? provider.AccChildPart(nChild) : NULL;
        const long nInPart = pPart != NULL ? pPart->AccChildAt(pt) : 0;
        return nInPart > 0 ? ChildElement(*pPart, nInPart, pRetVal) : ChildElement(provider, nChild, pRetVal);
    });
}

STDMETHODIMP vxUiaElement::GetFocus(IRawElementProviderFragment** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        const long nChild = provider.AccFocus();
        vxAccessibleProvider* pPart = nChild > 0 ? provider.AccChildPart(nChild) : NULL;
        const long nInPart = pPart != NULL ? pPart->AccFocus() : 0;
        return nInPart > 0 ? ChildElement(*pPart, nInPart, pRetVal) : ChildElement(provider, nChild, pRetVal);
    });
}

// vxHwndOverride: a window inside one of the parts is shown there, by its placeholder.

STDMETHODIMP vxUiaElement::GetOverrideProviderForHwnd(HWND hwnd, IRawElementProviderSimple** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    IRawElementProviderFragment* pPlaceholder = NULL;
    const HRESULT hr = Call([&](vxAccessibleProvider& provider) -> HRESULT {
        for (long nChild = 1; nChild <= provider.AccChildCount(); ++nChild) {
            vxAccessibleProvider* pPart = provider.AccChildPart(nChild);
            for (long nInPart = 1; pPart != NULL && nInPart <= pPart->AccChildCount(); ++nInPart) {
                if (pPart->AccChildWindow(nInPart) == hwnd)
                    return NewElement(pPart->Object(), nInPart, &pPlaceholder);
            }
        }
        return S_OK;
    });
    *pRetVal = static_cast<vxUiaElement*>(pPlaceholder);
    return hr;
}
