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
    const char* caption;
    const char* image;
    const char* tip;
};

const Entry kDocuments[] = {
    {"Report", "lvpage.blue", "Quarterly report, last edited today"},
    {"Budget", "lvpage.green", "Budget sheet for the next year"},
    {"Minutes", "lvpage.orange", "Minutes of the board meeting"},
    {"Contract", "lvpage.red", "Supplier contract, waiting for signature"},
    {"Invoice", "lvpage.teal", "Invoices of the last month"},
    {"Offer", "lvpage.purple", "Offer for the new customer"},
    {"Memo", "lvpage.blue", "Internal memo to all staff"},
    {"Plan", "lvpage.green", "Project plan with milestones"},
    {"Letter", "lvpage.orange", "Letter template with the letterhead"},
    {"Notes", "lvpage.teal", "Loose notes from the workshop"},
};

const Entry kTools[] = {
    {"Search", "lvpage.blue.disc", "Find text in every document"},
    {"Print", "lvpage.green.disc", "Print the selected document"},
    {"Export", "lvpage.orange.disc", "Export as a portable file"},
    {"Share", "lvpage.purple.disc", "Share with the team"},
    {"Archive", "lvpage.red.disc", "Move old documents to the archive"},
    {"Backup", "lvpage.teal.disc", "Copy everything to the backup drive"},
};

const Entry kRecent[] = {
    {"Today", "lvpage.red", "Documents changed today"},
    {"Week", "lvpage.orange", "Documents changed this week"},
    {"Month", "lvpage.green", "Documents changed this month"},
    {"Older", "lvpage.blue", "Everything older than a month"},
    {"Starred", "lvpage.purple", "Documents marked with a star"},
};

const Entry kViews[] = {
    {"Icons", "lvpage.blue", "Show large icons"},
    {"Tiles", "lvpage.green", "Show tiles with details"},
    {"List", "lvpage.orange", "Show a plain list"},
    {"Details", "lvpage.teal", "Show every column"},
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
        const char* skin = m_list.GetItemMode() == vxCtrlListView::ModeRadio ? "lvpage.radio" : "lvpage.item";
        const int nItem = m_list.AddItem(nGroup, skin, entries[i].caption, entries[i].image);
        m_list.SetItemToolTips(nGroup, nItem, entries[i].tip);
    }
}

void ListViewPage::Build()
{
    RegisterGalleryGlyph("lvpage.blue", RGB(52, 101, 164), 32, false);
    RegisterGalleryGlyph("lvpage.green", RGB(78, 154, 6), 32, false);
    RegisterGalleryGlyph("lvpage.orange", RGB(206, 92, 0), 32, false);
    RegisterGalleryGlyph("lvpage.red", RGB(204, 0, 0), 32, false);
    RegisterGalleryGlyph("lvpage.teal", RGB(0, 128, 128), 32, false);
    RegisterGalleryGlyph("lvpage.purple", RGB(117, 80, 123), 32, false);
    RegisterGalleryGlyph("lvpage.blue.disc", RGB(52, 101, 164), 32, true);
    RegisterGalleryGlyph("lvpage.green.disc", RGB(78, 154, 6), 32, true);
    RegisterGalleryGlyph("lvpage.orange.disc", RGB(206, 92, 0), 32, true);
    RegisterGalleryGlyph("lvpage.red.disc", RGB(204, 0, 0), 32, true);
    RegisterGalleryGlyph("lvpage.teal.disc", RGB(0, 128, 128), 32, true);
    RegisterGalleryGlyph("lvpage.purple.disc", RGB(117, 80, 123), 32, true);

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
    m_list.AddGroup(_T("Documents"), "lvpage.header", 1);
    AddEntries(0, kDocuments, (int)(sizeof(kDocuments) / sizeof(kDocuments[0])));
    m_list.AddGroup(_T("Tools"), "lvpage.header", 1);
    AddEntries(1, kTools, (int)(sizeof(kTools) / sizeof(kTools[0])));
    m_list.AddGroup(NULL, NULL, 0);
    AddEntries(2, kRecent, (int)(sizeof(kRecent) / sizeof(kRecent[0])));
    m_list.SetItemMode(vxCtrlListView::ModeRadio);
    m_list.AddGroup(_T("View"), "lvpage.header", 1);
    AddEntries(3, kViews, (int)(sizeof(kViews) / sizeof(kViews[0])));
    m_list.LockUpdate(1);
    m_list.SelectItem(3, 1);

    // One notch down, as the user's wheel would.
    m_list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-WHEEL_DELTA), 0);
}

LRESULT ListViewPage::OnItemClick(WPARAM wParam, LPARAM lParam)
{
    CString text;
    text.Format("Clicked item %d of group %d", (int)lParam, (int)wParam);
    m_pStatus->SetWindowText(text);
    return 0;
}

GALLERY_PAGE(ListViewPage, "List view", 40)
