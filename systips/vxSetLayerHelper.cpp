#include "vxSetLayerHelper.h"

#include "vxHighContrast.h"
#include "vxTipsClose.h"

#include <commctrl.h>

namespace {

const UINT kFadeInterval = 50;
const int kAlphaStart = 5;
const int kAlphaStep = 15;
const int kAlphaClose = 16;              // below this the fade-out closes the tip
const UINT kDefaultStayTime = 4000;

} // namespace

vxSetLayerHelper::vxSetLayerHelper()
    : m_hWnd(NULL), m_nCloseTicket(0), m_dwVersion(0), m_bLayered(0), m_nAlpha(kAlphaStart), m_bFadingOut(0),
      m_bTracking(0), m_bActive(0), m_nStayTime(kDefaultStayTime)
{
}

vxSetLayerHelper::~vxSetLayerHelper()
{
}

BOOL vxSetLayerHelper::Attach(HWND hWnd, UINT_PTR nCloseTicket)
{
    if (!::IsWindow(hWnd))
        return FALSE;
    m_dwVersion = ::GetVersion();
    m_hWnd = hWnd;
    m_nCloseTicket = nCloseTicket;
    return TRUE;
}

void vxSetLayerHelper::Start(const _tagstSysTips& tips)
{
    m_nStayTime = tips.nStayTime;
    if (HasLayers()) {
        ::SetWindowLongPtr(m_hWnd, GWL_EXSTYLE,
                           ::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
        m_bLayered = 1;
        ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
        ApplyAlpha(0);
        if (!::SetTimer(m_hWnd, TIPS_TIMER_FADE_IN, kFadeInterval, NULL)) {
            // No timer to fade by: the tip shows at once, and its stay begins.
            m_nAlpha = 255;
            ApplyAlpha(255);
            ::SetTimer(m_hWnd, TIPS_TIMER_FADE_STAY, m_nStayTime, NULL);
        }
    } else {
        ::SetTimer(m_hWnd, TIPS_TIMER_FADE_STAY, m_nStayTime, NULL);
    }
    m_bActive = 1;
}

void vxSetLayerHelper::Stop()
{
    m_bActive = 0;
    if (m_hWnd != NULL) {
        ::KillTimer(m_hWnd, TIPS_TIMER_FADE_IN);
        ::KillTimer(m_hWnd, TIPS_TIMER_FADE_STAY);
        ::KillTimer(m_hWnd, TIPS_TIMER_FADE_OUT);
    }
    m_hWnd = NULL;
}

void vxSetLayerHelper::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_bActive)
        return;
    switch (message) {
    case WM_TIMER:
        OnTimer(wParam);
        break;
    case WM_MOUSEMOVE:
        OnPointerOver(FALSE);
        break;
    case WM_NCMOUSEMOVE:
        OnPointerOver(TRUE);
        break;
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE:
        OnPointerLeft();
        break;
    }
}

void vxSetLayerHelper::ApplyAlpha(int nRequested)
{
    // Under high contrast the tip stays opaque, its text readable throughout; the fade keeps
    // its timing, so the tip still leaves when it would have.
    if (vxIsHighContrast())
        nRequested = 255;
    if (!m_bLayered && nRequested < 255) {
        ::SetWindowLongPtr(m_hWnd, GWL_EXSTYLE,
                           ::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
        m_bLayered = 1;
    }
    if (!m_bLayered)
        return;
    ::SetLayeredWindowAttributes(m_hWnd, 0, (BYTE)(m_nAlpha & 0xFF), LWA_ALPHA);
    if (nRequested == 255) {
        // Fully shown: an opaque window draws faster without layering.
        ::SetWindowLongPtr(m_hWnd, GWL_EXSTYLE,
                           ::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE) & ~(LONG_PTR)WS_EX_LAYERED);
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        m_bLayered = 0;
    }
}

void vxSetLayerHelper::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case TIPS_TIMER_FADE_IN:
        if (m_nAlpha >= 255) {
            m_nAlpha = 255;
            ApplyAlpha(255);
            ::KillTimer(m_hWnd, TIPS_TIMER_FADE_IN);
            if (!m_bTracking)            // the pointer is not over the tip: the stay begins
                ::SetTimer(m_hWnd, TIPS_TIMER_FADE_STAY, m_nStayTime, NULL);
        } else {
            ApplyAlpha(m_nAlpha);
            m_nAlpha += kAlphaStep;
        }
        break;
    case TIPS_TIMER_FADE_STAY:
        if (HasLayers())
            m_bFadingOut = 1;
        ::SetTimer(m_hWnd, TIPS_TIMER_FADE_OUT, kFadeInterval, NULL);
        ::KillTimer(m_hWnd, TIPS_TIMER_FADE_STAY);
        break;
    case TIPS_TIMER_FADE_OUT:
        if (!HasLayers() || m_nAlpha < kAlphaClose) {
            ::KillTimer(m_hWnd, TIPS_TIMER_FADE_OUT);
            vxPostTipsClose(m_hWnd, m_nCloseTicket);
        } else {
            m_nAlpha -= kAlphaStep;
            ApplyAlpha(m_nAlpha);
        }
        break;
    }
}

void vxSetLayerHelper::OnPointerOver(BOOL bNonClient)
{
    // A fade-out turns back into a fade-in from the current alpha.
    if (HasLayers() && m_bFadingOut) {
        ::KillTimer(m_hWnd, TIPS_TIMER_FADE_OUT);
        ::SetTimer(m_hWnd, TIPS_TIMER_FADE_IN, kFadeInterval, NULL);
        m_bFadingOut = 0;
    }
    if (!m_bTracking) {
        TRACKMOUSEEVENT tme;
        tme.cbSize = sizeof(tme);
        // The non-client leave notice needs TME_LEAVE as well, or none ever comes.
        tme.dwFlags = bNonClient ? (TME_LEAVE | TME_NONCLIENT) : TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        tme.dwHoverTime = HOVER_DEFAULT;
        m_bTracking = ::_TrackMouseEvent(&tme);
    }
    // The stay time stops while the pointer is over the tip.
    ::KillTimer(m_hWnd, TIPS_TIMER_FADE_STAY);
}

void vxSetLayerHelper::OnPointerLeft()
{
    m_bTracking = 0;
    // While fading in, the stay starts when the fade-in ends; starting it now as well would
    // let the fade-out run against the fade-in and the tip never leave.
    if (!HasLayers() || m_nAlpha >= 255)
        ::SetTimer(m_hWnd, TIPS_TIMER_FADE_STAY, m_nStayTime, NULL);
}
