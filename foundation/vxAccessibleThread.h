// Screen readers reach an accessible object through COM, which calls it on whatever thread
// the control's thread lets it: the control's own thread when that thread is in a
// single-threaded apartment, a thread of COM's pool when it is in the multithreaded one or in
// none. The objects answer the same in each case, as the system's own do: every call is
// carried out on the window's thread, sent there with WM_GETOBJECT under a private object
// number when it arrives on another, and the object is handed out even from a thread without
// COM.
#pragma once

#include <windows.h>
#include <unknwn.h>

class vxAccessibleProvider;

typedef HRESULT (*vxAccessibleCallFn)(void* pContext);
typedef HRESULT (*vxProviderCallFn)(vxAccessibleProvider& provider, void* pContext);

// Runs pfn(pContext) on the window's thread and gives its result in hr; FALSE when the window
// is gone or did not answer (its thread never runs the call).
BOOL vxRunOnWindowThread(HWND hWnd, vxAccessibleCallFn pfn, void* pContext, HRESULT& hr);

// From a control's WM_GETOBJECT, before anything else: TRUE when the message is a call sent
// by vxRunOnWindowThread of this process, which has then been carried out.
BOOL vxIsAccessibleCall(WPARAM wParam, LPARAM lParam);

// Runs pfn(provider, pContext) with the provider that answers the window's WM_GETOBJECT, on the
// window's thread (sent under a second private object number, from that thread too); FALSE
// when the window has no provider.
BOOL vxCallWindowProvider(HWND hWnd, vxProviderCallFn pfn, void* pContext, HRESULT& hr);

// From a provider's answer to WM_GETOBJECT: TRUE when the message is a call sent by
// vxCallWindowProvider of this process, which has then been carried out with pProvider.
BOOL vxIsProviderCall(WPARAM wParam, LPARAM lParam, vxAccessibleProvider& provider);

// The answer that hands pObject to the client whatever COM state this thread is in; 0 when it
// cannot be handed out.
LRESULT vxResultFromObject(REFIID riid, WPARAM wParam, IUnknown* pObject);
