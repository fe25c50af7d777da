#include "vxCtrlSysTips.h"
#include "vxTipsRules.h"

#include "vxAliveWatch.h"

namespace {

const TCHAR kWindowName[] = _T("vexelcore_2010_tips_window#@__");
const UINT kWindowId = 34234;

void FreeRecords(vxTipsList& lst)
{
    while (!lst.IsEmpty())
        vxFreeTips(lst.RemoveHead());
}

void DestroyRecords(vxTipsList& lst)
{
    while (!lst.IsEmpty()) {
        _tagstSysTips* pTips = lst.RemoveHead();
        if (::IsWindow(pTips->hWnd))
            ::DestroyWindow(pTips->hWnd);
        vxFreeTips(pTips);
    }
}

} // namespace

IMPLEMENT_DYNCREATE(vxCtrlSysTips, CWnd)

BEGIN_MESSAGE_MAP(vxCtrlSysTips, CWnd)
    ON_MESSAGE(WM_SYSTIPS_SHOWNEXT, &vxCtrlSysTips::OnShowNextTips)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

vxCtrlSysTips::vxCtrlSysTips()
    : m_lstWaiting(10), m_lstWaitingHigh(10), m_nMaxCount(1), m_pAliveWatches(NULL), m_bCreatingWnd(FALSE)
{
}

vxCtrlSysTips::~vxCtrlSysTips()
{
    vxAliveWatch::EndAll(m_pAliveWatches);
    FreeRecords(m_lstWaitingHigh);
    FreeRecords(m_lstWaiting);
}

int vxCtrlSysTips::Init()
{
    if (m_hWnd == NULL || !::IsWindow(m_hWnd)) {
        // A window that cannot be made leaves the manager without one: the host holds the
        // object still, and it goes on working, only without the notice that shows the next
        // waiting tip.
        vxAliveWatch watch(m_pAliveWatches);
        HWND hWnd = CreateWnd();
        if (watch.IsAlive())
            m_admin.SetNotifyWnd(hWnd);
    }
    return 1;
}

void vxCtrlSysTips::Uninit()
{
    DestroyRecords(m_lstWaitingHigh);
    DestroyRecords(m_lstWaiting);
    m_admin.DestroyAll();
}

void vxCtrlSysTips::SetTipsMaxCount(int nCount)
{
    m_nMaxCount = nCount;
}

int vxCtrlSysTips::AddTips(_tagenumTipsSrc /*src*/, _tagstSysTips* pTips)
{
    if (pTips == NULL || !::IsWindow(pTips->hWnd))
        return 0;
    // A tip is hooked and timed on this thread; one window is one tip, waiting or shown.
    if (::GetWindowThreadProcessId(pTips->hWnd, NULL) != ::GetCurrentThreadId())
        return 0;
    if (vxTipsListHolds(m_lstWaiting, pTips->hWnd) || vxTipsListHolds(m_lstWaitingHigh, pTips->hWnd) ||
        m_admin.IsShown(pTips->hWnd))
        return 0;
    if (pTips->priority == TIPS_PRIORITY_HIGH)
        m_lstWaitingHigh.AddTail(vxCopyTips(*pTips));
    else
        m_lstWaiting.AddTail(vxCopyTips(*pTips));
    TriggerEvent();
    return 1;
}

int vxCtrlSysTips::ShowNextTips()
{
    TriggerEvent();
    return 1;
}

void vxCtrlSysTips::ClearTips(_tagenumTipsSrc src)
{
    ClearTipsFromList(src);
    ClearTipsFromShowList(src);
}

int vxCtrlSysTips::RemoveTips(_tagenumTipsSrc src, HWND hWnd)
{
    if (RemoveTipsFromWaitingList(src, hWnd))
        return 1;
    return RemoveTipsFromShowList(src, hWnd) ? 1 : 0;
}

LRESULT vxCtrlSysTips::OnShowNextTips(WPARAM, LPARAM)
{
    ShowNextTips();
    return 1;
}

void vxCtrlSysTips::SetMonitor(HMONITOR hMonitor)
{
    m_admin.SetMonitor(hMonitor);
    m_admin.Relayout(TRUE);
}

// A documented entry of the message map; it only forwards.
void vxCtrlSysTips::OnDestroy()
{
    CWnd::OnDestroy();
}

void vxCtrlSysTips::PostNcDestroy()
{
    CWnd::PostNcDestroy();
    // The end of a window Init failed to make is not the end of the object.
    if (!m_bCreatingWnd)
        delete this;
}

int vxCtrlSysTips::TriggerEvent()
{
    // Showing a tip calls into the host's window, which may end the manager there.
    vxAliveWatch watch(m_pAliveWatches);
    while (watch.IsAlive()) {
        _tagstSysTips* pTips = NULL;
        switch (vxPickNextTips(m_lstWaitingHigh, m_lstWaiting, GetShowTips(TIPS_PRIORITY_HIGH),
                               GetShowTips(TIPS_PRIORITY_NORMAL), m_nMaxCount, &pTips)) {
        case TIPS_PICK_SHOW: {
            const int bShown = PushShowTips(pTips);
            vxFreeTips(pTips);
            if (bShown)
                return 1;
            break;                           // its window is gone: the next one's turn
        }
        case TIPS_PICK_CLOSE_NORMAL:
            m_admin.CloseFirstNormal();
            return 1;
        default:
            return 0;
        }
    }
    return 0;
}

int vxCtrlSysTips::PushShowTips(_tagstSysTips* pTips)
{
    return m_admin.PushTips(pTips);
}

int vxCtrlSysTips::GetShowTips(_tagenumPriority ePriority)
{
    return m_admin.CountByPriority(ePriority);
}

int vxCtrlSysTips::ClearTipsFromList(_tagenumTipsSrc src)
{
    return vxClearTipsBySource(m_lstWaiting, src) + vxClearTipsBySource(m_lstWaitingHigh, src);
}

int vxCtrlSysTips::ClearTipsFromShowList(_tagenumTipsSrc src)
{
    return m_admin.ClearShowList(src);
}

int vxCtrlSysTips::RemoveTipsFromWaitingList(_tagenumTipsSrc src, HWND hWnd)
{
    if (vxRemoveFirstTips(m_lstWaiting, src, hWnd))
        return 1;
    return vxRemoveFirstTips(m_lstWaitingHigh, src, hWnd);
}

int vxCtrlSysTips::RemoveTipsFromShowList(_tagenumTipsSrc /*src*/, HWND hWnd)
{
    return m_admin.RemoveTipsByWnd(hWnd);
}

HWND vxCtrlSysTips::CreateWnd()
{
    m_bCreatingWnd = TRUE;
    const BOOL bCreated = CreateEx(0, NULL, kWindowName, WS_CHILD, CRect(0, 0, 0, 0), CWnd::GetDesktopWindow(),
                                   kWindowId, NULL);
    m_bCreatingWnd = FALSE;
    return bCreated ? m_hWnd : NULL;
}
