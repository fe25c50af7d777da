#include "vxUia.h"

#include "vxRuntimeImport.h"

#include <tchar.h>

namespace {

HMODULE Core()
{
    static const HMODULE s_hCore = vxSystemLibrary(_T("uiautomationcore.dll"));
    return s_hCore;
}

template <class Fn>
Fn CoreFunction(const char* pszName)
{
    return vxFunctionOf<Fn>(Core(), pszName);
}

} // namespace

LRESULT vxUiaReturnRawElementProvider(HWND hWnd, WPARAM wParam, LPARAM lParam, IRawElementProviderSimple* pProvider)
{
    typedef LRESULT(WINAPI * Fn)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
    static const Fn s_pfn = CoreFunction<Fn>("UiaReturnRawElementProvider");
    return s_pfn != NULL ? s_pfn(hWnd, wParam, lParam, pProvider) : 0;
}

HRESULT vxUiaHostProviderFromHwnd(HWND hWnd, IRawElementProviderSimple** ppProvider)
{
    typedef HRESULT(WINAPI * Fn)(HWND, IRawElementProviderSimple**);
    static const Fn s_pfn = CoreFunction<Fn>("UiaHostProviderFromHwnd");
    *ppProvider = NULL;
    return s_pfn != NULL ? s_pfn(hWnd, ppProvider) : E_NOTIMPL;
}

HRESULT vxUiaDisconnectProvider(IRawElementProviderSimple* pProvider)
{
    typedef HRESULT(WINAPI * Fn)(IRawElementProviderSimple*);
    static const Fn s_pfn = CoreFunction<Fn>("UiaDisconnectProvider");
    return s_pfn != NULL ? s_pfn(pProvider) : E_NOTIMPL;
}

BOOL vxUiaClientsAreListening()
{
    // Until a client has asked for an element the process has not loaded the core, and the
    // client hears the accessible events through the system's bridge: the core is not loaded
    // only to be asked.
    if (::GetModuleHandle(_T("uiautomationcore.dll")) == NULL)
        return FALSE;
    typedef BOOL(WINAPI * Fn)();
    static const Fn s_pfn = CoreFunction<Fn>("UiaClientsAreListening");
    return s_pfn != NULL && s_pfn();
}

HRESULT vxUiaRaiseAutomationEvent(IRawElementProviderSimple* pProvider, EVENTID id)
{
    typedef HRESULT(WINAPI * Fn)(IRawElementProviderSimple*, EVENTID);
    static const Fn s_pfn = CoreFunction<Fn>("UiaRaiseAutomationEvent");
    return s_pfn != NULL ? s_pfn(pProvider, id) : E_NOTIMPL;
}

HRESULT vxUiaRaisePropertyChangedEvent(IRawElementProviderSimple* pProvider, PROPERTYID id, VARIANT oldValue, VARIANT newValue)
{
    typedef HRESULT(WINAPI * Fn)(IRawElementProviderSimple*, PROPERTYID, VARIANT, VARIANT);
    static const Fn s_pfn = CoreFunction<Fn>("UiaRaiseAutomationPropertyChangedEvent");
    return s_pfn != NULL ? s_pfn(pProvider, id, oldValue, newValue) : E_NOTIMPL;
}

HRESULT vxUiaRaiseStructureChangedEvent(IRawElementProviderSimple* pProvider, int nChangeType, int* pRuntimeId, int nIds)
{
    typedef HRESULT(WINAPI * Fn)(IRawElementProviderSimple*, int, int*, int);
    static const Fn s_pfn = CoreFunction<Fn>("UiaRaiseStructureChangedEvent");
    return s_pfn != NULL ? s_pfn(pProvider, nChangeType, pRuntimeId, nIds) : E_NOTIMPL;
}

HRESULT vxUiaRaiseNotificationEvent(IRawElementProviderSimple* pProvider, int nKind, int nProcessing, BSTR bstrText, BSTR bstrActivity)
{
    typedef HRESULT(WINAPI * Fn)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
    static const Fn s_pfn = CoreFunction<Fn>("UiaRaiseNotificationEvent");
    return s_pfn != NULL ? s_pfn(pProvider, nKind, nProcessing, bstrText, bstrActivity) : E_NOTIMPL;
}
