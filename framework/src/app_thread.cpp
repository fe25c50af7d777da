// The application object and the message pump. Without a CWinApp (tests, plain hosts)
// AfxPumpMessage still walks the pre-translation tree, and frees temporary objects when the
// queue is empty and it is the outermost loop (no handler or modal loop of the framework
// below it may still hold one).
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

CWinApp* g_pApp = NULL;

void DeleteTempMaps()
{
    CWnd::DeleteTempMap();
    AfxDeleteTempGdiMaps();
}

} // namespace

CWinApp* AFXAPI AfxGetApp()
{
    return g_pApp;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    return g_pApp != NULL ? g_pApp->GetMainWnd() : NULL;
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg)
{
    if (pMsg == NULL)
        return FALSE;
    // Up from the target window to its top-level window.
    HWND hWndStop = pMsg->hwnd != NULL ? ::GetAncestor(pMsg->hwnd, GA_ROOT) : NULL;
    if (CWnd::WalkPreTranslateTree(hWndStop, pMsg))
        return TRUE;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL && pMainWnd->m_hWnd != hWndStop &&
        CWnd::FromHandlePermanent(pMainWnd->m_hWnd) == pMainWnd &&
        pMainWnd->PreTranslateMessage(pMsg))
        return TRUE;
    return FALSE;
}

BOOL AFXAPI AfxPumpMessage()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (::GetMessage(&pState->m_msgCur, NULL, 0, 0) <= 0)
        return FALSE;
    MSG msg = pState->m_msgCur;
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    MSG next;
    if (pState->m_nWndProcDepth == 0 && pState->m_nModalLoops == 0 &&
        !::PeekMessage(&next, NULL, 0, 0, PM_NOREMOVE))
        DeleteTempMaps();
    return TRUE;
}

CWinThread::CWinThread() : m_pMainWnd(NULL)
{
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    DeleteTempMaps();
    return (int)AfxGetThreadState()->m_msgCur.wParam;
}

LRESULT CWinThread::ProcessWndProcException(CException* /*e*/, const MSG* pMsg)
{
    return pMsg != NULL && pMsg->message == WM_CREATE ? -1 : 0;
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    return AfxPreTranslateMessage(pMsg);
}

BOOL CWinThread::OnIdle(LONG /*lCount*/)
{
    DeleteTempMaps();
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (::GetMessage(&pState->m_msgCur, NULL, 0, 0) <= 0)
        return FALSE;
    MSG msg = pState->m_msgCur;
    if (!PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return TRUE;
}

int CWinThread::Run()
{
    LONG lIdleCount = 0;
    MSG msg;
    for (;;) {
        // Idle work while the queue is empty, then one message at a time.
        while (!::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                break;
        }
        if (!::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
            ::WaitMessage();
        while (::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE)) {
            if (!PumpMessage())
                return ExitInstance();
            lIdleCount = 0;
        }
        OnIdle(lIdleCount++);
    }
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_hInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = NULL;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursor(NULL, lpszCursorName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIcon(AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_GROUP_ICON),
                      MAKEINTRESOURCE(nIDResource));
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    int nResult = -1;
    if (pApp->InitApplication() && pApp->InitInstance())
        nResult = pApp->Run();
    else
        nResult = pApp->ExitInstance();
    return nResult;
}
