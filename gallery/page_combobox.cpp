// The combo box's page: a drop-list combo with images, an auto-completing and a filtering
// drop-down combo, one with 100,000 items, a disabled one, and a combo near the bottom whose
// list opens above it. Once the page is shown, the first combo's list is opened below it
// and the bottom combo's above it.
#include "gallery_glyphs.h"
#include "gallery_page.h"

#include "vxCtrlComboBox.h"

#include <cstdio>

namespace {

const UINT WM_APP_OPEN_LISTS = WM_APP + 1;

struct Entry {
    LPCTSTR text;
    LPCTSTR image;
};

const Entry kColours[] = {
    {_T("Crimson"), _T("cbpage.red")},     {_T("Tangerine"), _T("cbpage.orange")}, {_T("Sunflower"), _T("cbpage.yellow")},
    {_T("Meadow"), _T("cbpage.green")},    {_T("Lagoon"), _T("cbpage.teal")},      {_T("Ocean"), _T("cbpage.blue")},
    {_T("Violet"), _T("cbpage.purple")},   {_T("Graphite"), _T("cbpage.grey")},    {_T("Rose"), _T("cbpage.pink")},
    {_T("Sand"), _T("cbpage.sand")},
};

LPCTSTR const kCities[] = {
    _T("Amsterdam"), _T("Antwerp"), _T("Athens"), _T("Barcelona"), _T("Berlin"), _T("Bern"), _T("Bordeaux"), _T("Bratislava"),
    _T("Brussels"), _T("Budapest"), _T("Copenhagen"), _T("Dublin"), _T("Edinburgh"), _T("Florence"), _T("Geneva"),
    _T("Hamburg"), _T("Helsinki"), _T("Lisbon"), _T("Ljubljana"), _T("London"), _T("Lyon"), _T("Madrid"), _T("Milan"),
    _T("Munich"), _T("Naples"), _T("Oslo"), _T("Paris"), _T("Prague"), _T("Riga"), _T("Rome"), _T("Stockholm"), _T("Tallinn"),
    _T("Vienna"), _T("Vilnius"), _T("Warsaw"), _T("Zagreb"), _T("Zurich"),
};

class ComboBoxPage : public GalleryPage
{
protected:
    virtual void Build()
    {
        RegisterGalleryGlyph(_T("cbpage.red"), RGB(200, 40, 50), 20, false);
        RegisterGalleryGlyph(_T("cbpage.orange"), RGB(240, 130, 30), 20, false);
        RegisterGalleryGlyph(_T("cbpage.yellow"), RGB(235, 200, 40), 20, false);
        RegisterGalleryGlyph(_T("cbpage.green"), RGB(60, 160, 70), 20, false);
        RegisterGalleryGlyph(_T("cbpage.teal"), RGB(30, 150, 150), 20, false);
        RegisterGalleryGlyph(_T("cbpage.blue"), RGB(40, 90, 200), 20, false);
        RegisterGalleryGlyph(_T("cbpage.purple"), RGB(130, 60, 180), 20, false);
        RegisterGalleryGlyph(_T("cbpage.grey"), RGB(100, 100, 110), 20, false);
        RegisterGalleryGlyph(_T("cbpage.pink"), RGB(230, 120, 170), 20, false);
        RegisterGalleryGlyph(_T("cbpage.sand"), RGB(210, 180, 130), 20, false);

        // Left column: the drop-list combo with images, its list opened below.
        AddCaption(Px(CRect(20, 16, 320, 36)), _T("Drop list with images (opened below)"));
        Make(m_colours, CBS_DROPDOWNLIST, Px(CRect(20, 40, 280, 66)), 1);
        for (const Entry& e : kColours)
            m_colours.AddString(e.text, e.image);
        m_colours.SetDefaultVisibleItems(8);
        m_colours.SetCurSel(5);

        // Right column: typing aids, the large list and a disabled combo.
        AddCaption(Px(CRect(360, 16, 700, 36)), _T("Auto-completing drop-down (type \"Bu\")"));
        Make(m_complete, CBS_DROPDOWN | CBS_AUTOHSCROLL, Px(CRect(360, 40, 620, 66)), 2);
        m_complete.ModifyCBStyle(0, VXCB_AUTOCOMPLETE);
        for (LPCTSTR city : kCities)
            m_complete.AddString(city);
        m_complete.SetText(_T("Budapest"));

        AddCaption(Px(CRect(360, 90, 700, 110)), _T("Filtered drop-down (lists the cities typed)"));
        Make(m_filtered, CBS_DROPDOWN | CBS_AUTOHSCROLL, Px(CRect(360, 114, 620, 140)), 3);
        m_filtered.ModifyCBStyle(0, VXCB_FILTEREDLIST);
        for (LPCTSTR city : kCities)
            m_filtered.AddString(city);
        m_filtered.SetText(_T("Vienna"));

        AddCaption(Px(CRect(360, 164, 700, 184)), _T("100,000 items"));
        Make(m_large, CBS_DROPDOWNLIST, Px(CRect(360, 188, 620, 214)), 4);
        TCHAR text[32];
        for (int i = 0; i < 100000; ++i) {
            _sntprintf(text, _countof(text), _T("Order %06d"), i);
            m_large.AddString(text);
        }
        m_large.SetCurSel(54321);

        AddCaption(Px(CRect(360, 238, 700, 258)), _T("Disabled"));
        Make(m_disabled, CBS_DROPDOWNLIST, Px(CRect(360, 262, 620, 288)), 5);
        for (int i = 0; i < 3; ++i)
            m_disabled.AddString(kColours[i].text, kColours[i].image);
        m_disabled.SetCurSel(1);
        m_disabled.EnableWindow(FALSE);

        // Bottom: few rows fit below for its minimum of 40, so its list opens above.
        AddCaption(Px(CRect(80, 584, 350, 604)), _T("Near the bottom (opened above)"), SS_RIGHT);
        Make(m_bottom, CBS_DROPDOWNLIST, Px(CRect(360, 580, 620, 606)), 6);
        for (const Entry& e : kColours)
            m_bottom.AddString(e.text, e.image);
        m_bottom.SetMinVisibleItems(40);
        m_bottom.SetDefaultVisibleItems(6);
        m_bottom.SetCurSel(2);

        // Opened once the page stands at its place on the screen.
        PostMessage(WM_APP_OPEN_LISTS);
    }

    // Scene 1: the drop-list and auto-completing combos in a large font, the list open.
    int GetSceneCount() const override { return 2; }
    CString GetSceneName(int) const override { return _T("large_font"); }
    void ShowScene(int nScene) override
    {
        if (nScene != 1)
            return;
        m_bottom.ShowDropDown(FALSE);
        m_colours.ShowDropDown(FALSE);
        if (m_fontLarge.GetSafeHandle() == NULL)
            m_fontLarge.CreatePointFont(140, _T("Tahoma"));
        m_colours.SetFont(&m_fontLarge);
        m_complete.SetFont(&m_fontLarge);
        m_colours.ShowDropDown(TRUE);
    }

    afx_msg LRESULT OnOpenLists(WPARAM, LPARAM)
    {
        m_colours.ShowDropDown(TRUE);
        m_bottom.ShowDropDown(TRUE);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    void Make(vxCtrlComboBox& combo, DWORD dwStyle, const CRect& rc, UINT nID)
    {
        combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | dwStyle, rc, this, nID);
    }

    vxCtrlComboBox m_colours, m_complete, m_filtered, m_large, m_disabled, m_bottom;
    CFont m_fontLarge;               // the large font scene's
};

BEGIN_MESSAGE_MAP(ComboBoxPage, GalleryPage)
    ON_MESSAGE(WM_APP_OPEN_LISTS, &ComboBoxPage::OnOpenLists)
END_MESSAGE_MAP()

} // namespace

GALLERY_PAGE(ComboBoxPage, _T("Combo box"), 20)
