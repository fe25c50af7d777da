#include "CSubclassWnd.h"

IMPLEMENT_DYNAMIC(CSubclassWnd, CObject)

namespace {

// The message the innermost hook procedure on this thread's stack is handling, which
// Default() hands on; kept here rather than in the framework's own thread state.
thread_local MSG t_currentMsg = {};

} // namespace

CSubclassWnd::CSubclassWnd() : m_hWnd(NULL), m_pOldWndProc(NULL), m_pNext(NULL)
{
}

CSubclassWnd::~CSubclassWnd()
{
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
        HookWindow(NULL);
}

BOOL CSubclassWnd::HookWindow(HWND hWnd)
{
    if (hWnd != NULL && !::IsWindow(hWnd))
        return FALSE;
    // A hook sits in one chain at a time.
    if (m_hWnd != NULL) {
        GetSubclassWndMap().Remove(this);
        m_pOldWndProc = NULL;
        m_pNext = NULL;
    }
    if (hWnd != NULL)
        GetSubclassWndMap().Add(hWnd, this);
    m_hWnd = hWnd;
    return TRUE;
}

LRESULT CSubclassWnd::Default()
{
    const MSG msg = t_currentMsg;
    return CSubclassWnd::WindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CSubclassWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pNext != NULL)
        return m_pNext->WindowProc(message, wParam, lParam);
    if (m_pOldWndProc == NULL)             // taken off already (inside OnHookedClose)
        return 0;
    return ::CallWindowProc(m_pOldWndProc, m_hWnd, message, wParam, lParam);
}

void CSubclassWnd::OnHookedClose()
{
}

void CSubclassWnd::OnHookedDestroy()
{
}

LRESULT CALLBACK CSubclassWnd::HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // No C++ exception of a hook, or of a procedure it calls on, crosses the system.
    const MSG saved = t_currentMsg;
    LRESULT lResult = 0;
    try {
        lResult = DispatchToChain(hWnd, message, wParam, lParam);
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    t_currentMsg = saved;
    return lResult;
}

LRESULT CSubclassWnd::DispatchToChain(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Default() reads the message from here.
    t_currentMsg.hwnd = hWnd;
    t_currentMsg.message = message;
    t_currentMsg.wParam = wParam;
    t_currentMsg.lParam = lParam;

    CSubclassWndMap& map = GetSubclassWndMap();
    CSubclassWnd* pHead = map.Lookup(hWnd);
    LRESULT lResult;
    if (pHead == NULL) {
        // Reached through a procedure saved by someone who subclassed on top of the chain.
        lResult = ::DefWindowProc(hWnd, message, wParam, lParam);
    } else if (message == WM_CLOSE) {
        // The chain comes down first; the head may delete itself in OnHookedClose.
        WNDPROC pOldWndProc = pHead->m_pOldWndProc;
        map.RemoveAll(hWnd);
        pHead->OnHookedClose();
        lResult = ::CallWindowProc(pOldWndProc, hWnd, message, wParam, lParam);
    } else if (message == WM_NCDESTROY) {
        // Destroyed without WM_CLOSE: no entry may outlive the window. The chain sees the
        // message first, and may have lost hooks while it did.
        lResult = pHead->WindowProc(message, wParam, lParam);
        CSubclassWnd* pNewest = map.Lookup(hWnd);
        map.RemoveAll(hWnd);
        if (pNewest != NULL)
            pNewest->OnHookedDestroy();
    } else {
        lResult = pHead->WindowProc(message, wParam, lParam);
    }
    return lResult;
}

// --- map ---------------------------------------------------------------------------------

CSubclassWndMap::CSubclassWndMap() : CMapPtrToPtr(10)
{
}

CSubclassWndMap::~CSubclassWndMap()
{
}

CSubclassWnd* CSubclassWndMap::Lookup(HWND hWnd) const
{
    void* pHook = NULL;
    if (!CMapPtrToPtr::Lookup(hWnd, pHook))
        return NULL;
    return static_cast<CSubclassWnd*>(pHook);
}

void CSubclassWndMap::Add(HWND hWnd, CSubclassWnd* pHook)
{
    CSubclassWnd* pHead = Lookup(hWnd);
    pHook->m_pNext = pHead;
    SetAt(hWnd, pHook);
    if (pHead != NULL) {
        pHook->m_pOldWndProc = pHead->m_pOldWndProc;
    } else {
        pHook->m_pOldWndProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(
            hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSubclassWnd::HookWndProc)));
    }
}

void CSubclassWndMap::Remove(CSubclassWnd* pHook)
{
    HWND hWnd = pHook->m_hWnd;
    CSubclassWnd* pHead = Lookup(hWnd);
    if (pHead == NULL)
        return;
    if (pHead != pHook) {
        // An older hook: unlink it from the chain, the procedure stays.
        for (CSubclassWnd* p = pHead; p != NULL; p = p->m_pNext) {
            if (p->m_pNext == pHook) {
                p->m_pNext = pHook->m_pNext;
                break;
            }
        }
    } else if (pHook->m_pNext == NULL) {
        // The last hook: the window gets its own procedure back.
        RemoveKey(hWnd);
        ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pHook->m_pOldWndProc));
    } else {
        SetAt(hWnd, pHook->m_pNext);
    }
}

void CSubclassWndMap::RemoveAll(HWND hWnd)
{
    for (CSubclassWnd* pHook = Lookup(hWnd); pHook != NULL; pHook = Lookup(hWnd))
        pHook->HookWindow(NULL);
}

CSubclassWndMap& GetSubclassWndMap()
{
    static CSubclassWndMap s_map;
    return s_map;
}
