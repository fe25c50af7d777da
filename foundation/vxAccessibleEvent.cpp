#include "vxAccessibleEvent.h"

#include "vxAccessible.h"
#include "vxUiaElement.h"

namespace {

const int kHwndRuntimeId = 42; // the first number of a window's runtime id

HRESULT RaiseProperty(IRawElementProviderSimple* pElement, PROPERTYID id, VARIANT& newValue)
{
    VARIANT oldValue;
    ::VariantInit(&oldValue);
    const HRESULT hr = vxUiaRaisePropertyChangedEvent(pElement, id, oldValue, newValue);
    ::VariantClear(&newValue);
    return hr;
}

HRESULT RaiseText(IRawElementProviderSimple* pElement, PROPERTYID id, const CString& strText)
{
    VARIANT value;
    value.vt = VT_BSTR;
    value.bstrVal = vxToBstr(strText);
    return value.bstrVal != NULL ? RaiseProperty(pElement, id, value) : E_OUTOFMEMORY;
}

HRESULT RaiseStructure(IRawElementProviderSimple* pElement, HWND hWnd)
{
    SAFEARRAY* pIds = NULL;
    IRawElementProviderFragment* pFragment = NULL;
    if (SUCCEEDED(pElement->QueryInterface(vxIID_IRawElementProviderFragment, reinterpret_cast<void**>(&pFragment)))) {
        pFragment->GetRuntimeId(&pIds);
        pFragment->Release();
    }
    HRESULT hr = S_OK;
    if (pIds != NULL) {
        int* pnIds = NULL;
        ::SafeArrayAccessData(pIds, reinterpret_cast<void**>(&pnIds));
        hr = vxUiaRaiseStructureChangedEvent(pElement, vxUiaChildrenReordered, pnIds, static_cast<int>(pIds->rgsabound[0].cElements));
        ::SafeArrayUnaccessData(pIds);
        ::SafeArrayDestroy(pIds);
    } else {
        // The window's element has the system's id of its window.
        int nIds[] = {kHwndRuntimeId, static_cast<int>(reinterpret_cast<INT_PTR>(hWnd))};
        hr = vxUiaRaiseStructureChangedEvent(pElement, vxUiaChildrenReordered, nIds, 2);
    }
    return hr;
}

HRESULT RaiseAlert(IRawElementProviderSimple* pElement, vxAccessibleProvider& provider, long nChild)
{
    CString strText;
    provider.AccName(nChild, strText);
    BSTR bstrText = vxToBstr(strText);
    BSTR bstrActivity = ::SysAllocString(L"vxAlert");
    HRESULT hr = bstrText != NULL && bstrActivity != NULL
                     ? vxUiaRaiseNotificationEvent(pElement, vxUiaNotificationOther, vxUiaNotificationImportantAll, bstrText, bstrActivity)
                     : E_OUTOFMEMORY;
    ::SysFreeString(bstrText);
    ::SysFreeString(bstrActivity);
    if (hr == E_NOTIMPL)
        hr = vxUiaRaiseAutomationEvent(pElement, vxUiaSystemAlertEvent);
    return hr;
}

HRESULT Raise(DWORD dwEvent, HWND hWnd, vxAccessibleProvider& provider, long nChild, IRawElementProviderSimple* pElement)
{
    CString strText;
    int nPos = 0, nLow = 0, nHigh = 0;
    switch (dwEvent) {
    case EVENT_OBJECT_FOCUS:
        return vxUiaRaiseAutomationEvent(pElement, vxUiaFocusChangedEvent);
    case EVENT_OBJECT_SELECTION:
        return vxUiaRaiseAutomationEvent(pElement, vxUiaElementSelectedEvent);
    case EVENT_OBJECT_NAMECHANGE:
        provider.AccName(nChild, strText);
        return RaiseText(pElement, vxUiaNameProperty, strText);
    case EVENT_OBJECT_VALUECHANGE:
        if (provider.UiaRange(nChild, nPos, nLow, nHigh)) {
            VARIANT value;
            value.vt = VT_R8;
            value.dblVal = nPos;
            return RaiseProperty(pElement, vxUiaRangeValueValueProperty, value);
        }
        provider.AccValue(nChild, strText);
        return RaiseText(pElement, vxUiaValueValueProperty, strText);
    case EVENT_OBJECT_STATECHANGE: {
        const long nState = provider.AccState(nChild);
        if (!(nState & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED)))
            return S_OK;
        VARIANT value;
        value.vt = VT_I4;
        value.lVal = (nState & STATE_SYSTEM_EXPANDED) ? vxExpandCollapseExpanded : vxExpandCollapseCollapsed;
        return RaiseProperty(pElement, vxUiaExpandCollapseStateProperty, value);
    }
    case EVENT_OBJECT_REORDER:
        return RaiseStructure(pElement, hWnd);
    case EVENT_SYSTEM_ALERT:
        return RaiseAlert(pElement, provider, nChild);
    default:
        return S_OK;
    }
}

} // namespace

void vxNotifyAccessibleEvent(DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild)
{
    ::NotifyWinEvent(dwEvent, hWnd, idObject, idChild);
    if (!vxUiaClientsAreListening())
        return;
    vxWithWindowProvider(hWnd, [&](vxAccessibleProvider& provider) -> HRESULT {
        if (idObject != provider.AccObjectId() || idChild < 0 || idChild > provider.AccChildCount())
            return S_OK;
        IRawElementProviderSimple* pElement = NULL;
        HRESULT hr = vxUiaElement::ElementOf(provider, idChild, &pElement);
        if (FAILED(hr))
            return hr;
        hr = Raise(dwEvent, hWnd, provider, idChild, pElement);
        pElement->Release();
        return hr;
    });
}
