// Dialogs from resource templates or templates in memory. A modal dialog runs its own loop
// here (not the system's), so messages still go through the pre-translation walk.
#include "wnd_internal.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

// Dialog procedure: only WM_INITDIALOG needs the object; everything else is the window
// procedure's (the dialog is bound like any framework window).
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    // No C++ exception goes back into the system's dialog code.
    const MSG msg = {hWnd, message, wParam, lParam, 0, {0, 0}};
    try {
        CDialog* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
        return pDlg != NULL ? pDlg->OnInitDialog() : TRUE;
    } catch (CException* e) {
        return AfxProcessException(e, msg);
    } catch (...) {
        return FALSE;
    }
}

CDialog::CDialog()
    : m_lpszTemplateName(NULL), m_lpDialogTemplate(NULL), m_pParentWnd(NULL), m_bModal(FALSE),
      m_nModalResult(-1)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(MAKEINTRESOURCE(nIDTemplate), pParentWnd)
{
}

LPCDLGTEMPLATE CDialog::LoadTemplate(HGLOBAL* phResource) const
{
    *phResource = NULL;
    if (m_lpDialogTemplate != NULL)
        return m_lpDialogTemplate;
    if (m_lpszTemplateName == NULL)
        return NULL;
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, m_lpszTemplateName, RT_DIALOG);
    if (hResource == NULL)
        return NULL;
    *phResource = ::LoadResource(hInst, hResource);
    return *phResource != NULL ? (LPCDLGTEMPLATE)::LockResource(*phResource) : NULL;
}

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, CWnd* pParentWnd)
{
    if (lpTemplate == NULL || m_hWnd != NULL)
        return FALSE;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (m_lpszTemplateName != NULL)
        hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParam(hInst, lpTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    // As for any window: never bound, the object hears of its end; refused creation went
    // through WM_NCDESTROY, after which a self-deleting object must not be touched.
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != NULL;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    m_bModal = FALSE;
    HGLOBAL hResource;
    return CreateFromTemplate(LoadTemplate(&hResource), pParentWnd);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_bModal = FALSE;
    return CreateFromTemplate(lpDialogTemplate, pParentWnd);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    if (lpDialogTemplate == NULL)
        return FALSE;
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    HGLOBAL hResource;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(&hResource);
    if (lpTemplate == NULL || m_hWnd != NULL)
        return -1;
    HWND hWndParent = m_pParentWnd->GetSafeHwnd();
    if (hWndParent == NULL && AfxGetMainWnd() != NULL)
        hWndParent = AfxGetMainWnd()->GetSafeHwnd();
    const BOOL bEnableParent = hWndParent != NULL && ::IsWindowEnabled(hWndParent);
    if (bEnableParent)
        ::EnableWindow(hWndParent, FALSE);

    m_bModal = TRUE;
    m_nModalResult = -1;
    INT_PTR nResult = -1;
    if (CreateFromTemplate(lpTemplate, CWnd::FromHandle(hWndParent))) {
        ShowWindow(SW_SHOW);
        // The dialog's own loop; it ends with EndDialog, WM_QUIT or the window's end.
        // Temporary objects its caller holds live on until the caller's own idle pass.
        _AFX_THREAD_STATE* pState = AfxGetThreadState();
        ++pState->m_nModalLoops;
        while (m_nModalResult == -1 && ::IsWindow(m_hWnd)) {
            if (!AfxPumpMessage()) {
                ::PostQuitMessage((int)pState->m_msgCur.wParam);
                break;
            }
        }
        --pState->m_nModalLoops;
        nResult = m_nModalResult;
    }
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    m_bModal = FALSE;
    return nResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_hWnd == NULL)
        return;
    if (m_bModal) {
        m_nModalResult = nResult;
        ShowWindow(SW_HIDE);
    } else {
        ::EndDialog(m_hWnd, nResult);
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // Dialog keys (Tab, Enter, Escape) for this dialog's own window tree.
    if (pMsg != NULL && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
        return ::IsDialogMessage(m_hWnd, pMsg);
    return FALSE;
}
