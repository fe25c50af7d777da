#include "vxUia.h"

#include "vxRuntimeImport.h"

#include <tchar.h>

const IID vxIID_IAccessibleEx = {0xf8b80ada, 0x2c44, 0x48d0, {0x89, 0xbe, 0x5f, 0xf2, 0x3c, 0x9c, 0xd8, 0x75}};
const IID vxIID_IRawElementProviderSimple = {0xd6dd68d1, 0x86fd, 0x4332, {0x86, 0x66, 0x9a, 0xbe, 0xde, 0xa2, 0xd2, 0x4c}};
const IID vxIID_IRawElementProviderFragment = {0xf7063da8, 0x8359, 0x439c, {0x92, 0x97, 0xbb, 0xc5, 0x29, 0x9a, 0x7d, 0x87}};
const IID vxIID_IRawElementProviderFragmentRoot = {0x620ce2a5, 0xab8f, 0x40a9, {0x86, 0xcb, 0xde, 0x3c, 0x75, 0x59, 0x9b, 0x58}};
const IID vxIID_IInvokeProvider = {0x54fcb24b, 0xe18e, 0x47a2, {0xb4, 0xd3, 0xec, 0xcb, 0xe7, 0x75, 0x99, 0xa2}};
const IID vxIID_IExpandCollapseProvider = {0xd847d3a5, 0xcab0, 0x4a98, {0x8c, 0x32, 0xec, 0xb4, 0x5c, 0x59, 0xad, 0x24}};
const IID vxIID_IValueProvider = {0xc7935180, 0x6fb3, 0x4201, {0xb1, 0x74, 0x7d, 0xf7, 0x3a, 0xdb, 0xf6, 0x4a}};
const IID vxIID_IRangeValueProvider = {0x36dc7aef, 0x33e6, 0x4691, {0xaf, 0xe1, 0x2b, 0xe7, 0x27, 0x4b, 0x3d, 0x33}};
const IID vxIID_ISelectionItemProvider = {0x2acad808, 0xb2d4, 0x452d, {0xa4, 0x07, 0x91, 0xff, 0x1a, 0xd1, 0x67, 0xb2}};
const IID vxIID_ISelectionProvider = {0xfb8b03af, 0x3bdf, 0x48d4, {0xbd, 0x36, 0x1a, 0x65, 0x79, 0x3b, 0xe1, 0x68}};
const IID vxIID_IScrollItemProvider = {0x2360c714, 0x4bf1, 0x4b26, {0xba, 0x65, 0x9b, 0x21, 0x31, 0x61, 0x27, 0xeb}};
const IID vxIID_IRawElementProviderHwndOverride = {0x1d5df27c, 0x8947, 0x4425, {0xb8, 0xd9, 0x79, 0x78, 0x7b, 0xb4, 0x60, 0xb8}};

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
