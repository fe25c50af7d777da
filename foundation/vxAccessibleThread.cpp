#include "vxAccessibleThread.h"

#include "vxRuntimeImport.h"

#include <oleacc.h>
#include <tchar.h>

namespace {

// An application's own object numbers (positive numbers are the application's): a call to be
// carried out on the window's thread, and one for the window's provider.
const LONG kObjidCall = 0x56584331;
const LONG kObjidProviderCall = 0x56584332;

// A call waiting for the window's thread. It lives on the sender's stack while the sender is
// blocked in SendMessage; the window's thread runs only calls it finds in the list, so a
// WM_GETOBJECT from another process with this number is never taken for one.
struct PendingCall
{
    PendingCall* pNext;
    vxAccessibleCallFn pfn;             // a call for the thread, or
    vxProviderCallFn pfnProvider;       // one for the window's provider
    void* pContext;
    HRESULT hr;
};

SRWLOCK s_lock = SRWLOCK_INIT;
PendingCall* s_pPending = NULL;

class LockedPending
{
public:
    LockedPending() { ::AcquireSRWLockExclusive(&s_lock); }
    ~LockedPending() { ::ReleaseSRWLockExclusive(&s_lock); }
    LockedPending(const LockedPending&) = delete;
    LockedPending& operator=(const LockedPending&) = delete;
};

void Register(PendingCall* pCall)
{
    LockedPending lock;
    pCall->pNext = s_pPending;
    s_pPending = pCall;
}

void Unregister(PendingCall* pCall)
{
    LockedPending lock;
    for (PendingCall** pp = &s_pPending; *pp != NULL; pp = &(*pp)->pNext) {
        if (*pp == pCall) {
            *pp = pCall->pNext;
            return;
        }
    }
}

BOOL IsPending(const void* p)
{
    LockedPending lock;
    for (PendingCall* pCall = s_pPending; pCall != NULL; pCall = pCall->pNext) {
        if (pCall == p)
            return TRUE;
    }
    return FALSE;
}

// Sends the call to the window, listed as pending while the window's thread may take it.
BOOL SendCall(HWND hWnd, PendingCall& call, LONG nObjectId, HRESULT& hr)
{
    Register(&call);
    const LRESULT lResult = ::SendMessage(hWnd, WM_GETOBJECT, reinterpret_cast<WPARAM>(&call), nObjectId);
    Unregister(&call);
    hr = call.hr;
    return lResult == 1;
}

// A thread without COM hands objects out through the process's multithreaded apartment,
// which this keeps in being for the process once it is needed (Windows 8 and later).
BOOL KeepMultithreadedApartment()
{
    typedef HRESULT(WINAPI * IncrementFn)(void**);
    static const BOOL s_bKept = [] {
        IncrementFn pfn = vxFunctionOf<IncrementFn>(vxSystemLibrary(_T("ole32.dll")), "CoIncrementMTAUsage");
        if (pfn == NULL)
            pfn = vxFunctionOf<IncrementFn>(vxSystemLibrary(_T("combase.dll")), "CoIncrementMTAUsage");
        void* pCookie = NULL;
        return pfn != NULL && SUCCEEDED(pfn(&pCookie));
    }();
    return s_bKept;
}

} // namespace

BOOL vxRunOnWindowThread(HWND hWnd, vxAccessibleCallFn pfn, void* pContext, HRESULT& hr)
{
    if (::GetWindowThreadProcessId(hWnd, NULL) == ::GetCurrentThreadId()) {
        hr = pfn(pContext);
        return TRUE;
    }
    PendingCall call = {NULL, pfn, NULL, pContext, E_FAIL};
    return SendCall(hWnd, call, kObjidCall, hr);
}

BOOL vxCallWindowProvider(HWND hWnd, vxProviderCallFn pfn, void* pContext, HRESULT& hr)
{
    PendingCall call = {NULL, NULL, pfn, pContext, E_FAIL};
    return SendCall(hWnd, call, kObjidProviderCall, hr);
}

BOOL vxIsAccessibleCall(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != kObjidCall || !IsPending(reinterpret_cast<void*>(wParam)))
        return FALSE;
    PendingCall* pCall = reinterpret_cast<PendingCall*>(wParam);
    pCall->hr = pCall->pfn(pCall->pContext);
    return TRUE;
}

BOOL vxIsProviderCall(WPARAM wParam, LPARAM lParam, vxAccessibleProvider& provider)
{
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != kObjidProviderCall || !IsPending(reinterpret_cast<void*>(wParam)))
        return FALSE;
    PendingCall* pCall = reinterpret_cast<PendingCall*>(wParam);
    // Inside the window's procedure: nothing the call throws goes further.
    try {
        pCall->hr = pCall->pfnProvider(provider, pCall->pContext);
    } catch (...) {
        pCall->hr = E_OUTOFMEMORY;
    }
    return TRUE;
}

LRESULT vxResultFromObject(REFIID riid, WPARAM wParam, IUnknown* pObject)
{
    // A failure is a COM error code, which is negative.
    LRESULT lResult = ::LresultFromObject(riid, wParam, pObject);
    if (lResult == static_cast<LRESULT>(CO_E_NOTINITIALIZED) && KeepMultithreadedApartment())
        lResult = ::LresultFromObject(riid, wParam, pObject);
    return lResult >= 0 ? lResult : 0;
}
