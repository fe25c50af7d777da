// The gallery's main window: the list of pages on the left, the selected page on the right.
#pragma once

#include "gallery_page.h"

class GalleryWindow : public CWnd
{
public:
    GalleryWindow();

// Operations
    BOOL CreateGallery();
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CString GetPageTitle(int nPage) const;
    int FindPage(LPCTSTR pszTitle) const;   // -1 when no page has that title
    void ShowPage(int nPage);               // ignored when out of range
    GalleryPage* GetPage() const { return m_pPage; }  // the shown page, or none
    // Lets the page paint and its timers run for a while.
    void Settle(DWORD ms);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSelectPage();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CRect PageRect() const;

    std::vector<gallery::PageEntry> m_pages;
    CListBox m_pageList;
    CFont m_font;
    GalleryPage* m_pPage;                   // the shown page; deletes itself with its window
    int m_nPage;
};
