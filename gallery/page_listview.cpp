// The list view's page: a launcher of skinned items with images and tooltips in titled
// groups (push buttons), a group without header, and a radio group choosing a view; the
// list is scrolled down by one wheel notch when the page is built. Clicks on items are
// shown in a caption under the list.
#include "gallery_glyphs.h"
#include "gallery_page.h"

#include "vxCtrlListView.h"

#include <vexelcore.h>

namespace {

struct Entry {
    LPCTSTR caption;
    LPCTSTR image;
    LPCTSTR tip;
};

const Entry kDocuments[] = {
    {_T("Report"), _T("lvpage.blue"), _T("Quarterly report, last edited today")},
    {_T("Budget"), _T("lvpage.green"), _T("Budget sheet for the next year")},
    {_T("Minutes"), _T("lvpage.orange"), _T("Minutes of the board meeting")},
    {_T("Contract"), _T("lvpage.red"), _T("Supplier contract, waiting for signature")},
    {_T("Invoice"), _T("lvpage.teal"), _T("Invoices of the last month")},
    {_T("Offer"), _T("lvpage.purple"), _T("Offer for the new customer")},
    {_T("Memo"), _T("lvpage.blue"), _T("Internal memo to all staff")},
    {_T("Plan"), _T("lvpage.green"), _T("Project plan with milestones")},
    {_T("Letter"), _T("lvpage.orange"), _T("Letter template with the letterhead")},
    {_T("Notes"), _T("lvpage.teal"), _T("Loose notes from the workshop")},
};

const Entry kTools[] = {
    {_T("Search"), _T("lvpage.blue.disc"), _T("Find text in every document")},
    {_T("Print"), _T("lvpage.green.disc"), _T("Print the selected document")},
    {_T("Export"), _T("lvpage.orange.disc"), _T("Export as a portable file")},
    {_T("Share"), _T("lvpage.purple.disc"), _T("Share with the team")},
    {_T("Archive"), _T("lvpage.red.disc"), _T("Move old documents to the archive")},
    {_T("Backup"), _T("lvpage.teal.disc"), _T("Copy everything to the backup drive")},
};

const Entry kRecent[] = {
    {_T("Today"), _T("lvpage.red"), _T("Documents changed today")},
    {_T("Week"), _T("lvpage.orange"), _T("Documents changed this week")},
    {_T("Month"), _T("lvpage.green"), _T("Documents changed this month")},
    {_T("Older"), _T("lvpage.blue"), _T("Everything older than a month")},
    {_T("Starred"), _T("lvpage.purple"), _T("Documents marked with a star")},
};

const Entry kViews[] = {
    {_T("Icons"), _T("lvpage.blue"), _T("Show large icons")},
    {_T("Tiles"), _T("lvpage.green"), _T("Show tiles with details")},
    {_T("List"), _T("lvpage.orange"), _T("Show a plain list")},
    {_T("Details"), _T("lvpage.teal"), _T("Show every column")},
};

} // namespace

class ListViewPage : public GalleryPage
{
protected:
    virtual void Build();

// Message map and handlers
    afx_msg LRESULT OnItemClick(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void AddEntries(int nGroup, const Entry* entries, int n);

    vxCtrlListView m_list;
    CStatic* m_pStatus = nullptr;    // the last click, owned by the page
};

BEGIN_MESSAGE_MAP(ListViewPage, GalleryPage)
    ON_MESSAGE(WM_LISTVIEW_ITEMCLICK, &ListViewPage::OnItemClick)
END_MESSAGE_MAP()

void ListViewPage::AddEntries(int nGroup, const Entry* entries, int n)
{
    for (int i = 0; i < n; ++i) {
        LPCTSTR skin = m_list.GetItemMode() == vxCtrlListView::ModeRadio ? _T("lvpage.radio") : _T("lvpage.item");
        const int nItem = m_list.AddItem(nGroup, skin, entries[i].caption, entries[i].image);
        m_list.SetItemToolTips(nGroup, nItem, entries[i].tip);
    }
}

void ListViewPage::Build()
{
    RegisterGalleryGlyph(_T("lvpage.blue"), RGB(52, 101, 164), 32, false);
    RegisterGalleryGlyph(_T("lvpage.green"), RGB(78, 154, 6), 32, false);
    RegisterGalleryGlyph(_T("lvpage.orange"), RGB(206, 92, 0), 32, false);
    RegisterGalleryGlyph(_T("lvpage.red"), RGB(204, 0, 0), 32, false);
    RegisterGalleryGlyph(_T("lvpage.teal"), RGB(0, 128, 128), 32, false);
    RegisterGalleryGlyph(_T("lvpage.purple"), RGB(117, 80, 123), 32, false);
    RegisterGalleryGlyph(_T("lvpage.blue.disc"), RGB(52, 101, 164), 32, true);
    RegisterGalleryGlyph(_T("lvpage.green.disc"), RGB(78, 154, 6), 32, true);
    RegisterGalleryGlyph(_T("lvpage.orange.disc"), RGB(206, 92, 0), 32, true);
    RegisterGalleryGlyph(_T("lvpage.red.disc"), RGB(204, 0, 0), 32, true);
    RegisterGalleryGlyph(_T("lvpage.teal.disc"), RGB(0, 128, 128), 32, true);
    RegisterGalleryGlyph(_T("lvpage.purple.disc"), RGB(117, 80, 123), 32, true);

    AddCaption(Px(CRect(20, 12, 900, 32)), _T("Document launcher: groups of skinned items, scrolled by one wheel notch"));
    m_list.CreateEx(WS_EX_CLIENTEDGE, NULL, _T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP, Px(CRect(20, 40, 940, 420)), this, 1);
    m_pStatus = AddCaption(Px(CRect(20, 432, 940, 452)), _T("Click an item: its group and index appear here"));

    m_list.SetItemSize(Px(104), Px(64));
    m_list.SetItemColumnSpace(8);
    m_list.SetItemRowSpace(8);
    m_list.SetItemStartPos(8, 8);
    m_list.SetGroupSpace(Px(12));
    m_list.SetGroupHeight(Px(28));
    m_list.SetMargins(6, 6, 6, 6);

    // One relayout for the whole fill.
    m_list.LockUpdate(0);
    m_list.AddGroup(_T("Documents"), _T("lvpage.header"), 1);
    AddEntries(0, kDocuments, (int)(sizeof(kDocuments) / sizeof(kDocuments[0])));
    m_list.AddGroup(_T("Tools"), _T("lvpage.header"), 1);
    AddEntries(1, kTools, (int)(sizeof(kTools) / sizeof(kTools[0])));
    m_list.AddGroup(NULL, NULL, 0);
    AddEntries(2, kRecent, (int)(sizeof(kRecent) / sizeof(kRecent[0])));
    m_list.SetItemMode(vxCtrlListView::ModeRadio);
    m_list.AddGroup(_T("View"), _T("lvpage.header"), 1);
    AddEntries(3, kViews, (int)(sizeof(kViews) / sizeof(kViews[0])));
    m_list.LockUpdate(1);
    m_list.SelectItem(3, 1);

    // One notch down, as the user's wheel would.
    m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-WHEEL_DELTA), 0);
}

LRESULT ListViewPage::OnItemClick(WPARAM wParam, LPARAM lParam)
{
    CString text;
    text.Format(_T("Clicked item %d of group %d"), (int)lParam, (int)wParam);
    m_pStatus->SetWindowText(text);
    return 0;
}

GALLERY_PAGE(ListViewPage, _T("List view"), 40)
