// The skin engine's page: push buttons, radio buttons, a header and a list box, all put
// under skins and painted by the engine, with images registered by name.
#include "gallery_glyphs.h"
#include "gallery_page.h"

#include <vexelcore.h>

namespace {

struct Entry {
    LPCTSTR text;
    LPCTSTR image;
};

const Entry kEntries[] = {
    {_T("Inbox"), _T("gallery.mail")},     {_T("Calendar"), _T("gallery.calendar")}, {_T("Contacts"), _T("gallery.people")},
    {_T("Tasks"), _T("gallery.tasks")},    {_T("Notes"), _T("gallery.notes")},       {_T("Journal"), _T("gallery.calendar")},
    {_T("Archive"), _T("gallery.mail")},   {_T("Shared folders"), _T("gallery.people")}, {_T("Search results"), _T("gallery.tasks")},
    {_T("Outbox"), _T("gallery.mail")},    {_T("Drafts"), _T("gallery.notes")},      {_T("Sent items"), _T("gallery.mail")},
};

} // namespace

class SkinEnginePage : public GalleryPage
{
protected:
    virtual void Build();

private:
    CStatic m_header;
    CButton m_buttons[4];
    CButton m_radios[3];
    CListBox m_list;
};

void SkinEnginePage::Build()
{
    RegisterGalleryGlyph(_T("gallery.mail"), RGB(51, 120, 214), 16, false);
    RegisterGalleryGlyph(_T("gallery.calendar"), RGB(214, 92, 51), 16, false);
    RegisterGalleryGlyph(_T("gallery.people"), RGB(64, 160, 90), 16, true);
    RegisterGalleryGlyph(_T("gallery.tasks"), RGB(150, 90, 190), 16, false);
    RegisterGalleryGlyph(_T("gallery.notes"), RGB(230, 180, 40), 16, true);

    m_header.Create(_T("Skinned windows painted by the skin engine"), WS_CHILD | WS_VISIBLE | SS_NOTIFY,
                    Px(CRect(16, 16, 600, 44)), this, 0xFFFF);
    vxSkinWindow(m_header.m_hWnd, 106, _T("gallery.header"), 0);

    AddCaption(Px(CRect(16, 60, 300, 78)), _T("Push buttons (normal, image, pressed, disabled)"));
    LPCTSTR captions[4] = {_T("Send"), _T("Calendar"), _T("Held down"), _T("Disabled")};
    for (int i = 0; i < 4; ++i) {
        m_buttons[i].Create(captions[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, Px(CRect(16 + i * 130, 82, 136 + i * 130, 112)),
                            this, 100 + i);
        vxSkinWindow(m_buttons[i].m_hWnd, 103, _T("gallery.button"), 0);
    }
    vxSetDrawItemValue(m_buttons[0].m_hWnd, _T("image.default"), _T("gallery.mail"), 0);
    vxSetDrawItemValue(m_buttons[1].m_hWnd, _T("image.default"), _T("gallery.calendar"), 0);
    vxSetDrawItemValue(m_buttons[2].m_hWnd, _T("image.default"), _T("gallery.tasks"), 0);
    vxLockState(m_buttons[2].m_hWnd, 1);
    m_buttons[3].EnableWindow(FALSE);

    AddCaption(Px(CRect(16, 130, 300, 148)), _T("Auto radio buttons"));
    LPCTSTR radios[3] = {_T("Daily"), _T("Weekly"), _T("Monthly")};
    for (int i = 0; i < 3; ++i) {
        m_radios[i].Create(radios[i], WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0),
                           Px(CRect(16 + i * 130, 152, 136 + i * 130, 180)), this, 200 + i);
        vxSkinWindow(m_radios[i].m_hWnd, 105, _T("gallery.radio"), 0);
    }
    vxSetDrawItemValue(m_radios[1].m_hWnd, _T("image.default"), _T("gallery.calendar"), 0);
    m_radios[1].SetCheck(BST_CHECKED);

    AddCaption(Px(CRect(16, 198, 400, 216)), _T("List box: rows from each entry's draw items"));
    m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOTIFY,
                  Px(CRect(16, 220, 276, 420)), this, 300);
    m_list.SetItemHeight(0, Px(22));
    vxSkinWindow(m_list.m_hWnd, 108, _T("combobox.listbox"), 0);
    for (int i = 0; i < (int)(sizeof kEntries / sizeof kEntries[0]); ++i) {
        m_list.AddString(_T(""));
        vxSetDrawItemValueEx(m_list.m_hWnd, i, 0, _T("text.default"), kEntries[i].text, 0);
        vxSetDrawItemValueEx(m_list.m_hWnd, i, 0, _T("image.default"), kEntries[i].image, 0);
    }
    m_list.SetCurSel(2);
}

GALLERY_PAGE(SkinEnginePage, _T("Skin engine"), 10)
