// Framework-internal: the per-thread state, creation hooking and the exception boundary
// shared by windows and dialogs.
#pragma once

#include <afxwin.h>

// The thread's own T, made at its first use and destroyed when the thread ends. Found through
// one native TLS slot: this toolchain's thread_local costs a library call per access, and
// every message asks for the thread's state, its handle map and its message cache. Without a
// slot (none left) the thread_local object is used directly.
template <class T>
T& AfxPerThread()
{
    static const DWORD s_slot = ::TlsAlloc();
    if (void* p = ::TlsGetValue(s_slot))
        return *static_cast<T*>(p);
    static thread_local T s_object{};
    ::TlsSetValue(s_slot, &s_object);
    return s_object;
}

// The next window created on this thread is bound to pWnd (its first message included).
void AfxHookWindowCreate(CWnd* pWnd);
// TRUE when the hook bound the window to the object.
BOOL AfxUnhookWindowCreate();
// Hands an exception caught at the system's edge to the application and deletes it;
// returns the message's answer.
LRESULT AfxProcessException(CException* e, const MSG& msg);
