// The stack window's page: an accordion of three items, two sub-item lists whose entries
// carry the system's small icons and a notes edit box of the page's own. The page opens the
// first item with one entry selected; selections the user makes are shown in a status line.
#include "gallery_page.h"

#include "vxCtrlStackWnd.h"

#include <vexelcore.h>

namespace {

// The system's icon in its small size, registered with the engine (which keeps a copy).
void RegisterSmallIcon(LPCTSTR name, LPCTSTR id)
{
    HICON icon = (HICON)::LoadImage(NULL, id, IMAGE_ICON, Px(16), Px(16), 0);
    if (!icon)
        return;
    vxRegisterIcon(name, icon);
    ::DestroyIcon(icon);
}

struct Entry {
    LPCTSTR text;
    LPCTSTR image;
};

const Entry kMessages[] = {
    {_T("Nightly build 1184 passed"), _T("stackpage.info")},
    {_T("Disk D: is almost full"), _T("stackpage.warning")},
    {_T("Backup of last night failed"), _T("stackpage.error")},
    {_T("Install the update now?"), _T("stackpage.question")},
    {_T("482 tests ran without failure"), _T("stackpage.info")},
    {_T("Licence ends in 14 days"), _T("stackpage.warning")},
};

const Entry kPrograms[] = {
    {_T("Text editor"), _T("stackpage.application")},
    {_T("System set-up"), _T("stackpage.shield")},
    {_T("Help and support"), _T("stackpage.question")},
    {_T("Desktop"), _T("stackpage.logo")},
    {_T("Event log"), _T("stackpage.info")},
};

struct ListItem {
    LPCTSTR caption;
    const Entry* entries;
    int count;
};

const ListItem kLists[] = {
    {_T("Messages"), kMessages, (int)(sizeof(kMessages) / sizeof(kMessages[0]))},
    {_T("Programs"), kPrograms, (int)(sizeof(kPrograms) / sizeof(kPrograms[0]))},
};
const int kListCount = (int)(sizeof(kLists) / sizeof(kLists[0]));

const TCHAR kNotes[] =
    _T("Notes of the page's own: this edit box is the third item's content.\r\n\r\n")
    _T("The stack window places, shows and hides it, and leaves it to the page.");

} // namespace

class StackWndPage : public GalleryPage
{
public:
    // One scene per item open, each opened by a click on its button.
    virtual int GetSceneCount() const { return kListCount + 1; }
    virtual CString GetSceneName(int nScene) const;
    virtual void ShowScene(int nScene);

protected:
    virtual void Build();

// Message map and handlers
    afx_msg LRESULT OnSubItemSel(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    vxCtrlStackWnd m_stack;
    CEdit m_notes;                   // the custom content, the page's
    CStatic* m_pStatus = nullptr;    // the last selection, owned by the page
};

BEGIN_MESSAGE_MAP(StackWndPage, GalleryPage)
    ON_MESSAGE(WM_STACKWND_SUBITEMSEL, &StackWndPage::OnSubItemSel)
END_MESSAGE_MAP()

void StackWndPage::Build()
{
    RegisterSmallIcon(_T("stackpage.info"), IDI_INFORMATION);
    RegisterSmallIcon(_T("stackpage.warning"), IDI_WARNING);
    RegisterSmallIcon(_T("stackpage.error"), IDI_ERROR);
    RegisterSmallIcon(_T("stackpage.question"), IDI_QUESTION);
    RegisterSmallIcon(_T("stackpage.application"), IDI_APPLICATION);
    RegisterSmallIcon(_T("stackpage.shield"), IDI_SHIELD);
    RegisterSmallIcon(_T("stackpage.logo"), IDI_WINLOGO);

    AddCaption(Px(CRect(20, 12, 900, 32)), _T("Accordion: two sub-item lists with icons and a notes box; a button opens its item"));
    m_stack.CreateEx(WS_EX_CLIENTEDGE, NULL, _T(""), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                     Px(CRect(20, 40, 320, 480)), this, 1);
    m_pStatus = AddCaption(Px(CRect(20, 492, 900, 512)), _T("Choose an entry: its item and entry appear here"));

    // Buttons and contents as wide as the stack less its padding, whatever its size.
    m_stack.SetPadding(4, 4, 4, 4);
    m_stack.SetSpace(2);
    m_stack.SetItemSize(0, Px(28));
    m_stack.SetAutoWidth(1);
    m_stack.SetSubItemHeight(Px(24));

    for (const ListItem& list : kLists) {
        const int nItem = m_stack.AddItem(list.caption, _T("stackpage.button"), _T("stackpage.list"));
        for (int i = 0; i < list.count; ++i)
            m_stack.AddSubItem(nItem, list.entries[i].text, list.entries[i].image);
    }
    m_notes.Create(WS_CHILD | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                   Px(CRect(0, 0, 10, 10)), &m_stack, 300);
    m_notes.SetFont(GetGalleryFont());
    m_notes.SetWindowText(kNotes);
    const int nNotes = m_stack.AddCustomItem(_T("Notes"), &m_notes);
    // The library makes no skin call for a custom item's button; the page gives it the look
    // of the others.
    vxSkinWindow(m_stack.GetItemButton(nNotes)->GetSafeHwnd(), 103, _T("stackpage.button"), 0);

    // The screenshot shows the first item open with its second entry chosen.
    m_stack.SelectSubItem(0, 1);
}

CString StackWndPage::GetSceneName(int nScene) const
{
    return nScene < kListCount ? kLists[nScene].caption : _T("notes");
}

void StackWndPage::ShowScene(int nScene)
{
    if (CButton* pButton = m_stack.GetItemButton(nScene))
        pButton->SendMessage(BM_CLICK);
}

LRESULT StackWndPage::OnSubItemSel(WPARAM wParam, LPARAM lParam)
{
    const int nItem = (int)wParam, nEntry = (int)lParam;
    CString text;
    if (nItem >= 0 && nItem < kListCount && nEntry >= 0 && nEntry < kLists[nItem].count)
        text.Format(_T("%s: entry %d, \"%s\""), kLists[nItem].caption, nEntry, kLists[nItem].entries[nEntry].text);
    else
        text.Format(_T("Item %d: no entry selected"), nItem);
    m_pStatus->SetWindowText(text);
    return 0;
}

GALLERY_PAGE(StackWndPage, _T("Stack window"), 60)
