// The element's patterns, each acting through the provider as a user's action would.
#include "vxUiaElement.h"

#include "vxAccessible.h"
#include "vxAccessibleObject.h"

#include <new>

namespace {

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
    case vxUiaSelectionPattern:
        return nChild == CHILDID_SELF && (nType == vxUiaListControl || nType == vxUiaComboBoxControl);
    case vxUiaSelectionItemPattern:
        return nType == vxUiaListItemControl || nType == vxUiaRadioButtonControl;
    case vxUiaScrollItemPattern:
        return nType == vxUiaListItemControl;
    default:
        return false;
    }
}

// An answer that is the same whatever the element.
template <class T>
HRESULT Constant(T* pRetVal, T value)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = value;
    return S_OK;
}

} // namespace

STDMETHODIMP vxUiaElement::GetPatternProvider(PATTERNID patternId, IUnknown** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        // A placeholder's window gives its own.
        if (KindOf(provider) == kPlaceholder || !Supports(provider, m_nChild, patternId))
            return S_OK;
        *pRetVal = static_cast<IRawElementProviderSimple*>(this);
        AddRef();
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::Invoke()
{
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        if (!provider.AccDoDefaultAction(m_nChild))
            return vxUiaNotSupported;
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::Expand()
{
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        if (provider.AccState(m_nChild) & STATE_SYSTEM_EXPANDED)
            return S_OK;
        return provider.AccDoDefaultAction(m_nChild) ? S_OK : vxUiaNotSupported;
    });
}

STDMETHODIMP vxUiaElement::Collapse()
{
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        if (!(provider.AccState(m_nChild) & STATE_SYSTEM_EXPANDED))
            return S_OK;
        return provider.AccDoDefaultAction(m_nChild) ? S_OK : vxUiaNotSupported;
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
    return vxUiaNotSupported;
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
            return vxUiaNotSupported;
        if (val < nLow || val > nHigh)
            return E_INVALIDARG;
        return provider.UiaSetRange(m_nChild, static_cast<int>(val)) ? S_OK : vxUiaNotSupported;
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
    return Constant(pRetVal, 32.0);
}

STDMETHODIMP vxUiaElement::get_SmallChange(double* pRetVal)
{
    // As far as an arrow moves a bar at 96 DPI.
    return Constant(pRetVal, 4.0);
}

STDMETHODIMP vxUiaElement::Select()
{
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        if (provider.AccState(m_nChild) & (STATE_SYSTEM_SELECTED | STATE_SYSTEM_CHECKED))
            return S_OK;
        return provider.UiaSelect(m_nChild) ? S_OK : vxUiaNotSupported;
    });
}

STDMETHODIMP vxUiaElement::AddToSelection()
{
    return Select();
}

STDMETHODIMP vxUiaElement::RemoveFromSelection()
{
    // One item is always chosen: none can be taken away alone.
    return vxUiaNotSupported;
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
    IRawElementProviderFragment* pRoot = NULL;
    const HRESULT hr = NewElement(m_pObject, CHILDID_SELF, &pRoot);
    *pRetVal = static_cast<vxUiaElement*>(pRoot);
    return hr;
}

// The element a selection is: the provider's selected simple child, or the selected element of
// the window child it names (a combo box's list, or its field while the list is closed).
HRESULT vxUiaElement::SelectedElement(vxAccessibleProvider& provider, IRawElementProviderSimple** ppElement)
{
    const long nChild = provider.UiaSelection();
    if (nChild <= 0)
        return S_OK;
    HWND hChild = provider.AccChildWindow(nChild);
    if (hChild == NULL)
        return ElementOf(provider, nChild, ppElement);
    return vxWithWindowProvider(hChild, [&](vxAccessibleProvider& child) {
        const long nInChild = child.UiaSelection();
        return ElementOf(child, nInChild > 0 && child.AccChildWindow(nInChild) == NULL ? nInChild : CHILDID_SELF, ppElement);
    });
}

STDMETHODIMP vxUiaElement::GetSelection(SAFEARRAY** pRetVal)
{
    if (pRetVal == NULL)
        return E_POINTER;
    *pRetVal = NULL;
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        IRawElementProviderSimple* pSelected = NULL;
        const HRESULT hr = SelectedElement(provider, &pSelected);
        if (FAILED(hr))
            return hr;
        SAFEARRAY* pArray = ::SafeArrayCreateVector(VT_UNKNOWN, 0, pSelected != NULL ? 1 : 0);
        if (pArray == NULL) {
            if (pSelected != NULL)
                pSelected->Release();
            return E_OUTOFMEMORY;
        }
        if (pSelected != NULL) {
            LONG nIndex = 0;
            ::SafeArrayPutElement(pArray, &nIndex, pSelected); // takes its own reference
            pSelected->Release();
        }
        *pRetVal = pArray;
        return S_OK;
    });
}

STDMETHODIMP vxUiaElement::get_CanSelectMultiple(BOOL* pRetVal)
{
    return Constant(pRetVal, BOOL(FALSE));
}

STDMETHODIMP vxUiaElement::get_IsSelectionRequired(BOOL* pRetVal)
{
    // A list or combo box may have no row chosen.
    return Constant(pRetVal, BOOL(FALSE));
}

STDMETHODIMP vxUiaElement::ScrollIntoView()
{
    return Call([&](vxAccessibleProvider& provider) -> HRESULT {
        return provider.UiaScrollIntoView(m_nChild) ? S_OK : vxUiaNotSupported;
    });
}
