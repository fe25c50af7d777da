#include "gallery_window.h"
#include "gallery_page.h"

namespace {

const UINT kPageListId = 1000;
const UINT kPageId = 1001;
// Sizes for 96 DPI.
const int kListWidth = 170;
const int kClientWidth = 1200;
const int kClientHeight = 760;

} // namespace

BEGIN_MESSAGE_MAP(GalleryWindow, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_LBN_SELCHANGE(kPageListId, &GalleryWindow::OnSelectPage)
END_MESSAGE_MAP()

GalleryWindow::GalleryWindow()
    : m_pages(gallery::Pages()), m_pPage(NULL), m_nPage(-1)
{
}

BOOL GalleryWindow::CreateGallery()
{
    LPCTSTR pszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const DWORD dwStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    CRect rc(0, 0, Px(kClientWidth), Px(kClientHeight));
    ::AdjustWindowRectEx(&rc, dwStyle, FALSE, 0);
    rc.OffsetRect(20 - rc.left, 20 - rc.top);
    return CreateEx(0, pszClass, _T("VexelControl gallery"), dwStyle, rc, NULL, 0);
}

int GalleryWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_font.CreatePointFont(90, _T("Tahoma"));
    CRect rcList(Px(8), Px(8), Px(kListWidth), Px(kClientHeight - 8));
    m_pageList.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY, rcList, this,
                      kPageListId);
    m_pageList.SetFont(&m_font);
    for (const gallery::PageEntry& page : m_pages)
        m_pageList.AddString(page.title);
    return 0;
}

CString GalleryWindow::GetPageTitle(int nPage) const
{
    if (nPage < 0 || nPage >= GetPageCount())
        return CString();
    return CString(m_pages[nPage].title);
}

int GalleryWindow::FindPage(LPCTSTR pszTitle) const
{
    if (pszTitle == NULL)
        return -1;
    for (int i = 0; i < GetPageCount(); ++i)
        if (GetPageTitle(i).CompareNoCase(pszTitle) == 0)
            return i;
    return -1;
}

CRect GalleryWindow::PageRect() const
{
    CRect rc;
    GetClientRect(&rc);
    rc.left = Px(kListWidth + 8);
    rc.DeflateRect(0, Px(8), Px(8), Px(8));
    return rc;
}

void GalleryWindow::ShowPage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount() || nPage == m_nPage)
        return;
    if (m_pPage != NULL)
        m_pPage->DestroyWindow();
    m_pPage = m_pages[nPage].make();
    m_nPage = nPage;
    m_pageList.SetCurSel(nPage);
    if (!m_pPage->CreatePage(this, PageRect(), kPageId)) {
        delete m_pPage;             // no window was made, so it cannot delete itself
        m_pPage = NULL;
        m_nPage = -1;
    }
}

void GalleryWindow::Settle(DWORD ms)
{
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start < ms) {
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
    UpdateWindow();
}

void GalleryWindow::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_pageList.GetSafeHwnd() != NULL)
        m_pageList.MoveWindow(Px(8), Px(8), Px(kListWidth - 8), cy - Px(16));
    if (m_pPage != NULL)
        m_pPage->MoveWindow(PageRect());
}

void GalleryWindow::OnSelectPage()
{
    ShowPage(m_pageList.GetCurSel());
}

void GalleryWindow::OnDestroy()
{
    if (m_pPage != NULL)
        m_pPage->DestroyWindow();
    m_pPage = NULL;
    CWnd::OnDestroy();
    ::PostQuitMessage(0);
}
