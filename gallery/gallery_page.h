// A page of the gallery: a child window of the host that builds one control family's
// demonstration. Pages register themselves with GALLERY_PAGE; the host creates the selected
// page, and the page deletes itself when its window is destroyed.
#pragma once

#include <afxwin.h>

#include <vector>

class GalleryPage : public CWnd
{
public:
    GalleryPage();
    virtual ~GalleryPage();

// Operations
    // Creates the page window over rc in the host and builds its controls.
    BOOL CreatePage(CWnd* pHost, const CRect& rc, UINT nID);

protected:
// Overridables
    virtual void Build() = 0;        // create the page's controls as children of this window
    virtual DWORD GetPageExStyle() const { return 0; } // WS_EX_LAYOUTRTL: a right-to-left page
    virtual void PostNcDestroy();    // deletes the page

public:
    // Scenes are the states a screenshot shows, scene 0 being the page as built. Each scene
    // sets up its whole state, so that they can be shown in any order.
    virtual int GetSceneCount() const { return 1; }
    virtual CString GetSceneName(int nScene) const;  // file name suffix of scenes after 0
    virtual void ShowScene(int nScene) {}

protected:

// Helpers for pages
    // A static text in the gallery font, owned by the page.
    CStatic* AddCaption(const CRect& rc, LPCTSTR pszText, DWORD dwAlign = SS_LEFT);
    CFont* GetGalleryFont() { return &m_font; }

    DECLARE_MESSAGE_MAP()

private:
    CFont m_font;
    std::vector<CStatic*> m_captions;
};

// A length or rectangle laid out for 96 DPI at the screen's DPI: the gallery's own layout
// grows with the text, as a DPI-aware host's must.
int Px(int nPixels);
CRect Px(const CRect& rc);

namespace gallery {

typedef GalleryPage* (*PageFactory)();

struct PageEntry {
    LPCTSTR title;
    int order;                       // position in the page list
    PageFactory make;
};

class PageRegistrar {
public:
    PageRegistrar(LPCTSTR title, int order, PageFactory make);
};

// Registered pages, sorted by order.
std::vector<PageEntry> Pages();

} // namespace gallery

#define GALLERY_PAGE(PageClass, title, order)                                              \
    static GalleryPage* GalleryMake##PageClass() { return new PageClass; }                 \
    static const gallery::PageRegistrar s_galleryRegister##PageClass(title, order,         \
                                                                     &GalleryMake##PageClass);
