#include "gallery_page.h"

#include <algorithm>

namespace gallery {

namespace {

std::vector<PageEntry>& Registry()
{
    static std::vector<PageEntry> pages;
    return pages;
}

} // namespace

PageRegistrar::PageRegistrar(LPCTSTR title, int order, PageFactory make)
{
    Registry().push_back({title, order, make});
}

std::vector<PageEntry> Pages()
{
    std::vector<PageEntry> pages = Registry();
    std::stable_sort(pages.begin(), pages.end(),
                     [](const PageEntry& a, const PageEntry& b) { return a.order < b.order; });
    return pages;
}

} // namespace gallery

BEGIN_MESSAGE_MAP(GalleryPage, CWnd)
END_MESSAGE_MAP()

GalleryPage::GalleryPage()
{
}

GalleryPage::~GalleryPage()
{
    for (CStatic* caption : m_captions)
        delete caption;
}

BOOL GalleryPage::CreatePage(CWnd* pHost, const CRect& rc, UINT nID)
{
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(WS_EX_CONTROLPARENT | GetPageExStyle(), pszClass, _T(""), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc,
                  pHost, nID))
        return FALSE;
    m_font.CreatePointFont(90, _T("Tahoma"));
    Build();
    return TRUE;
}

CString GalleryPage::GetSceneName(int nScene) const
{
    CString name;
    name.Format(_T("%d"), nScene);
    return name;
}

void GalleryPage::PostNcDestroy()
{
    delete this;
}

int Px(int nPixels)
{
    static int s_nDpi = 0;
    if (s_nDpi == 0) {
        HDC hdc = ::GetDC(NULL);
        s_nDpi = hdc != NULL ? ::GetDeviceCaps(hdc, LOGPIXELSY) : 96;
        if (hdc != NULL)
            ::ReleaseDC(NULL, hdc);
    }
    return ::MulDiv(nPixels, s_nDpi, 96);
}

CRect Px(const CRect& rc)
{
    return CRect(Px(rc.left), Px(rc.top), Px(rc.right), Px(rc.bottom));
}

CStatic* GalleryPage::AddCaption(const CRect& rc, LPCTSTR pszText, DWORD dwAlign)
{
    CStatic* pCaption = new CStatic;
    pCaption->Create(pszText, WS_CHILD | WS_VISIBLE | dwAlign, rc, this);
    pCaption->SetFont(&m_font);
    m_captions.push_back(pCaption);
    return pCaption;
}
