#include "vxTipsWndAdmin.h"

#include "vxAliveWatch.h"
#include "vxMonitors.h"
#include "vxTipsClose.h"
#include "vxTipsPlacement.h"
#include "vxTipsWndHook.h"

vxTipsWndAdmin::vxTipsWndAdmin()
    : m_lstHooks(10), m_hNotifyWnd(NULL), m_hMonitor(NULL), m_nChanges(0), m_pAliveWatches(NULL)
{
}

RECT vxTipsWndAdmin::GetWorkArea() const
{
    // A monitor that was unplugged meanwhile no longer answers: the primary one then.
    vxMonitor monitor;
    if (!vxMonitorFromHandle(m_hMonitor, monitor))
        monitor = vxPrimaryMonitor();
    return monitor.rcWork;
}

vxTipsWndAdmin::~vxTipsWndAdmin()
{
    vxAliveWatch::EndAll(m_pAliveWatches);
    // A hook left on its window would call back into this administrator once it is gone.
    while (!m_lstHooks.IsEmpty()) {
        vxTipsWndHook* pHook = m_lstHooks.RemoveHead();
        pHook->Release();
        delete pHook;
    }
}

int vxTipsWndAdmin::CountByPriority(int nPriority) const
{
    int nCount = 0;
    for (POSITION pos = m_lstHooks.GetHeadPosition(); pos != NULL;) {
        if (m_lstHooks.GetNext(pos)->GetTips().priority == nPriority)
            ++nCount;
    }
    return nCount;
}

int vxTipsWndAdmin::PushTips(const _tagstSysTips* pTips)
{
    vxTipsWndHook* pHook = new vxTipsWndHook;
    if (!pHook->Attach(pTips, this)) {
        // Destroyed while it waited: it would hold a slot it can never give back.
        delete pHook;
        return 0;
    }
    m_lstHooks.AddTail(pHook);
    ++m_nChanges;
    Relayout(TRUE);
    return 1;
}

BOOL vxTipsWndAdmin::IsShown(HWND hWnd) const
{
    for (POSITION pos = m_lstHooks.GetHeadPosition(); pos != NULL;)
        if (m_lstHooks.GetNext(pos)->GetTipWnd() == hWnd)
            return TRUE;
    return FALSE;
}

int vxTipsWndAdmin::CloseFirstNormal()
{
    for (POSITION pos = m_lstHooks.GetHeadPosition(); pos != NULL;) {
        vxTipsWndHook* pHook = m_lstHooks.GetNext(pos);
        if (pHook->GetTips().priority == TIPS_PRIORITY_NORMAL) {
            vxPostTipsClose(pHook->GetTipWnd(), pHook->GetCloseTicket());
            return 1;
        }
    }
    return 0;
}

int vxTipsWndAdmin::RemoveTipsByWnd(HWND hWnd)
{
    for (POSITION pos = m_lstHooks.GetHeadPosition(); pos != NULL;) {
        POSITION posThis = pos;
        vxTipsWndHook* pHook = m_lstHooks.GetNext(pos);
        if (pHook->GetTipWnd() != hWnd || !::IsWindow(hWnd))
            continue;
        pHook->Release();
        m_lstHooks.RemoveAt(posThis);
        ++m_nChanges;
        delete pHook;
        // The show-next request is posted first: the relayout may end the manager.
        if (m_hNotifyWnd != NULL)            // never a stray message into the thread's queue
            ::PostMessage(m_hNotifyWnd, WM_SYSTIPS_SHOWNEXT, 0, 0);
        Relayout(FALSE);
        return 1;
    }
    return 0;
}

int vxTipsWndAdmin::ClearShowList(_tagenumTipsSrc src)
{
    int nCleared = 0;
    for (POSITION pos = m_lstHooks.GetHeadPosition(); pos != NULL;) {
        POSITION posThis = pos;
        vxTipsWndHook* pHook = m_lstHooks.GetNext(pos);
        if (pHook->GetTips().src != src)
            continue;
        pHook->Release();
        m_lstHooks.RemoveAt(posThis);
        ++m_nChanges;
        delete pHook;
        ++nCleared;
    }
    // Tips of other sources close the gaps.
    if (nCleared != 0)
        Relayout(FALSE);
    return nCleared;
}

void vxTipsWndAdmin::DestroyAll()
{
    while (!m_lstHooks.IsEmpty()) {
        vxTipsWndHook* pHook = m_lstHooks.RemoveHead();
        ++m_nChanges;
        if (::IsWindow(pHook->GetTipWnd()))
            ::DestroyWindow(pHook->GetTipWnd()); // its hooks come off at WM_NCDESTROY
        delete pHook;
    }
}

void vxTipsWndAdmin::Relayout(int bFromHead)
{
    // A change made from inside a placement has placed every tip itself (or there is
    // nothing left to place): this walk ends there, before its next node may have gone.
    vxAliveWatch watch(m_pAliveWatches);
    const UINT nChanges = m_nChanges;
    const int nCount = (int)m_lstHooks.GetCount();
    POSITION pos = bFromHead ? m_lstHooks.GetHeadPosition() : m_lstHooks.GetTailPosition();
    for (int nIndex = bFromHead ? 0 : nCount - 1; pos != NULL; nIndex += bFromHead ? 1 : -1) {
        vxTipsWndHook* pHook = bFromHead ? m_lstHooks.GetNext(pos) : m_lstHooks.GetPrev(pos);
        pHook->PlaceAt(nIndex, TIPS_SLOT_HEIGHT, nCount);
        if (!watch.IsAlive() || m_nChanges != nChanges)
            return;
    }
}
