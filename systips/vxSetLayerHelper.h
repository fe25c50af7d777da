// Fades a tip window in and out through the alpha of a layered window.
//
// Start shows the window at alpha 5 and raises it by 15 every 50 ms (timer 2) to full
// opacity, where layering is taken off again; the stay time (timer 1) then starts, and when
// it is over the alpha falls by 15 every 50 ms (timer 3) until the window is asked to close.
// The pointer over the window stops the stay time and turns a fade-out back into a fade-in;
// leaving it (a requested leave notice) restarts the full stay time. Without layered windows
// the tip only stays and closes. The helper owns nothing; the timers live on the tip window.
#pragma once

#include <afxwin.h>

#include "vxSysTipsRecord.h"

// Timers the helper sets on the tip window.
enum
{
    TIPS_TIMER_FADE_STAY = 1,
    TIPS_TIMER_FADE_IN = 2,
    TIPS_TIMER_FADE_OUT = 3,
};

class vxSetLayerHelper
{
public:
    vxSetLayerHelper();
    virtual ~vxSetLayerHelper();

// Attributes
    HWND GetWnd() const { return m_hWnd; }

// Operations
    // 0 when hWnd is not a window; its end closes the tip for the hook of nCloseTicket.
    BOOL Attach(HWND hWnd, UINT_PTR nCloseTicket);
    void Start(const _tagstSysTips& tips);   // at the first placement
    void Stop();                             // kills the timers and forgets the window
    // Observes one message of the window; never swallows it.
    void OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    BOOL HasLayers() const { return (m_dwVersion & 0x80000000) == 0; }
    void ApplyAlpha(int nRequested);         // shows m_nAlpha; 255 ends layering
    void OnTimer(UINT_PTR nIDEvent);
    void OnPointerOver(BOOL bNonClient);
    void OnPointerLeft();

    HWND m_hWnd;
    UINT_PTR m_nCloseTicket;                 // of the hook this helper works for
    DWORD m_dwVersion;                       // GetVersion at attachment; high bit: no layers
    int m_bLayered;                          // WS_EX_LAYERED set by this helper
    int m_nAlpha;
    int m_bFadingOut;
    int m_bTracking;                         // a leave notice is pending
    int m_bActive;                           // reacts to messages once started
    UINT m_nStayTime;
};
