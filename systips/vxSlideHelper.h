// Slides a tip window up into its place and, after its stay time, down out of the work area.
//
// Start begins one window height below the resting place and rises 5 pixels every 10 ms
// (timer 10); at the resting place the stay time runs (timer 12); then the tip sinks 5 pixels
// per tick (timer 11) to the work area's bottom, is hidden and asked to close. There is no
// pause on hover. The helper owns nothing; the timers live on the tip window.
#pragma once

#include <afxwin.h>

#include "vxSysTipsRecord.h"

// Timers the helper sets on the tip window.
enum
{
    TIPS_TIMER_SLIDE_IN = 10,
    TIPS_TIMER_SLIDE_OUT = 11,
    TIPS_TIMER_SLIDE_STAY = 12,
};

class vxSlideHelper
{
public:
    vxSlideHelper();

// Attributes
    HWND GetWnd() const { return m_hWnd; }
    BOOL IsMoving() const { return m_nPhase == SlidingIn || m_nPhase == SlidingOut; }

// Operations
    void Attach(HWND hWnd, UINT_PTR nCloseTicket); ///< its end closes the tip for that hook
    // At the first placement: rcWnd is the resting place in screen coordinates.
    void Start(const _tagstSysTips& tips, const RECT& rcWnd);
    // A later placement moved the resting place; a running slide-in heads there, a running
    // slide-out keeps sinking, now below the new place.
    void MoveRestingPlace(int x, int y);
    void Stop();                             // kills the timers and forgets the window
    // Observes one message of the window; never swallows it.
    void OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    enum Phase { Idle, SlidingIn, Staying, SlidingOut };

    void BeginSlideOut();
    void MoveTo(int x, int y);

    HWND m_hWnd;
    UINT_PTR m_nCloseTicket;                 // of the hook this helper works for
    Phase m_nPhase;
    int m_nTargetY;                          // screen y where the current slide ends
    int m_nCurY;                             // screen y of the window's top edge
    RECT m_rcWnd;                            // resting place; left and top are used
    UINT m_nStayTime;
    int m_nStep;                             // pixels a tick at the tip window's DPI
};
