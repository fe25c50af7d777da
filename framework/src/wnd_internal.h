// Framework-internal: creation hooking and the exception boundary shared by windows and
// dialogs.
#pragma once

#include <afxwin.h>

// The next window created on this thread is bound to pWnd (its first message included).
void AfxHookWindowCreate(CWnd* pWnd);
// TRUE when the hook bound the window to the object.
BOOL AfxUnhookWindowCreate();
// Hands an exception caught at the system's edge to the application and deletes it;
// returns the message's answer.
LRESULT AfxProcessException(CException* e, const MSG& msg);
