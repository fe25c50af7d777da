// Framework-internal: creation hooking shared by windows and dialogs.
#pragma once

#include <afxwin.h>

// The next window created on this thread is bound to pWnd (its first message included).
void AfxHookWindowCreate(CWnd* pWnd);
// TRUE when the hook bound the window to the object.
BOOL AfxUnhookWindowCreate();
