// The only way the layout reaches windows: measuring a window item that has not been sized
// yet, and moving windows in one deferred batch. The library uses the Win32 implementation;
// a test puts in its own to run the calculation without any window.
#pragma once

#include <afxwin.h>

class vxLayoutWindowOps
{
public:
    virtual ~vxLayoutWindowOps();

// Overridables
    // Client area size of the window; FALSE when there is no window to measure.
    virtual BOOL GetClientSize(HWND hWnd, CSize& size) = 0;
    // Starts a batch for this many windows; NULL when no batch could be made.
    virtual HDWP BeginMove(int nWindows) = 0;
    // Adds one window's new place; NULL when the batch was lost.
    virtual HDWP DeferMove(HDWP hBatch, HWND hWnd, const CRect& rc) = 0;
    // Moves every window of the batch at once.
    virtual void EndMove(HDWP hBatch) = 0;

// Operations
    // The implementation in use.
    static vxLayoutWindowOps* Get();
    // Puts in another implementation (NULL: the Win32 one again); returns the one before.
    static vxLayoutWindowOps* Set(vxLayoutWindowOps* pOps);
};
