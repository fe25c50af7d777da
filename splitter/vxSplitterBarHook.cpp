#include "vxSplitterBarHook.h"

#include "vxAccessibleEvent.h"
#include "vxFocusCue.h"

#include "vxAliveWatch.h"
#include "vxBarAccessible.h"
#include "vxCtrlSplitter.h"
#include "vxSplitterGeometry.h"
#include "vxBarKeys.h"

vxSplitterBarHook::vxSplitterBarHook(vxCtrlSplitter* pSplitter)
    : m_pSplitter(pSplitter), m_nKeyMoved(0), m_pAccessible(NULL), m_pAliveWatches(NULL)
{
}

vxSplitterBarHook::~vxSplitterBarHook()
{
    vxAliveWatch::EndAll(m_pAliveWatches);
    delete m_pAccessible;
}

void vxSplitterBarHook::OnHookedDestroy()
{
    // The bar window went.
    vxDeleteProvider(m_pAccessible);
}

LRESULT vxSplitterBarHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        return vxBarDlgCode(Default(), m_nKeyMoved, lParam);
    case WM_KEYDOWN:
        if (OnKeyDown(static_cast<UINT>(wParam)))
            return 0;
        break;
    case WM_UPDATEUISTATE:
        // The focus cue shown or hidden.
        ::InvalidateRect(m_hWnd, NULL, TRUE);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        m_nKeyMoved = 0;
        ::InvalidateRect(m_hWnd, NULL, TRUE);
        break;
    case WM_PAINT: {
        const LRESULT lResult = Default();
        PaintFocus();
        return lResult;
    }
    case WM_GETOBJECT:
        if (const LRESULT lResult = vxAnswerGetObject(m_pAccessible, wParam, lParam, [this] {
                return new vxBarAccessible(
                    m_hWnd, [this](vxBarPlace& place) { return m_pSplitter->GetBarPlace(place); },
                    [this](int nStep) { Move(nStep); });
            }))
            return lResult;
        break;
    }
    return CSubclassWnd::WindowProc(message, wParam, lParam);
}

BOOL vxSplitterBarHook::OnKeyDown(UINT nChar)
{
    // A vertical bar (panes side by side) moves sideways.
    const int nStep = vxBarKeyStep(m_hWnd, nChar, !m_pSplitter->IsVertical());
    if (nStep != 0)
        Move(nStep);
    else if (nChar == VK_ESCAPE && m_nKeyMoved != 0)
        Move(-m_nKeyMoved);
    else
        return FALSE;
    return TRUE;
}

void vxSplitterBarHook::Move(int nStep)
{
    RECT rcBefore;
    m_pSplitter->GetSplitterRect(&rcBefore);
    vxAliveWatch watch(m_pAliveWatches, m_hWnd);
    // The pane windows are the host's: their move may delete the splitter and this hook, or
    // destroy the bar.
    if (!m_pSplitter->MoveBar(nStep) || !watch.IsAlive())
        return;
    RECT rcAfter;
    m_pSplitter->GetSplitterRect(&rcAfter);
    m_nKeyMoved += m_pSplitter->IsVertical() ? rcAfter.left - rcBefore.left : rcAfter.top - rcBefore.top;
    vxNotifyAccessibleEvent(EVENT_OBJECT_VALUECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

void vxSplitterBarHook::PaintFocus()
{
    if (::GetFocus() != m_hWnd)
        return;
    HDC hdc = ::GetDC(m_hWnd);
    if (hdc == NULL)
        return;
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    vxDrawFocusCue(m_hWnd, hdc, rc);
    ::ReleaseDC(m_hWnd, hdc);
}
