#include "vxTipsClose.h"

UINT vxTipsCloseMessage()
{
    static const UINT s_nMessage = ::RegisterWindowMessage(TEXT("vxTipsClose"));
    return s_nMessage;
}

UINT_PTR vxNewTipsTicket()
{
    static volatile LONG s_nLast = 0;
    return static_cast<UINT_PTR>(static_cast<ULONG>(::InterlockedIncrement(&s_nLast)));
}

void vxPostTipsClose(HWND hWnd, UINT_PTR nTicket)
{
    const UINT nMessage = vxTipsCloseMessage();
    if (nMessage != 0)
        ::PostMessage(hWnd, nMessage, nTicket, 0);
    else
        ::PostMessage(hWnd, WM_CLOSE, 0, 0);
}
