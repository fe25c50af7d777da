// Gallery page: an address form laid out by the layout engine. Rows of labels and edits, a
// list box beside a details box with a sizer bar between them, a bar between that row and the
// notes below, and a button row pushed right by a stretching spacer. Re-laid on every resize.
#include "gallery_page.h"

#include "vxLayout.h"
#include "vxSizerBar.h"

#include <vector>

namespace {

class LayoutPage : public GalleryPage
{
public:
    LayoutPage() : m_layout(this, DirHorizontal) {}

    // Scenes: as built, narrowed (a resize), after a drag of each bar, and the item bar moved
    // by the keyboard (its focus rectangle showing).
    int GetSceneCount() const override { return 4; }
    CString GetSceneName(int nScene) const override
    {
        return nScene == 1 ? _T("narrowed") : (nScene == 2 ? _T("dragged") : _T("keyboard"));
    }
    void ShowScene(int nScene) override
    {
        const CSize size = nScene == 1 ? CSize(m_szBuilt.cx * 2 / 3, m_szBuilt.cy * 3 / 4) : m_szBuilt;
        SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        if (nScene == 2) {
            Drag(m_itemBar, CPoint(Px(80), 0));
            Drag(m_groupBar, CPoint(0, Px(-60)));
            RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        if (nScene == 3) {
            // From the sizes as built, whatever an earlier scene dragged.
            m_layout.SetItemSize(m_nMiddle, 0, Px(260));
            m_layout.SetGroupSize(m_nNotes, Px(140));
            m_layout.CalcLayout(this);
            m_itemBar.SetFocus();
            for (int i = 0; i < 4; ++i)
                m_itemBar.SendMessage(WM_KEYDOWN, VK_RIGHT);
            RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
    }

protected:
    void Build() override
    {
        Make(m_nameLabel, _T("STATIC"), _T("Name:"), 0);
        Make(m_name, _T("EDIT"), _T("Ada Example"), WS_BORDER | ES_AUTOHSCROLL);
        Make(m_mailLabel, _T("STATIC"), _T("E-mail:"), 0);
        Make(m_mail, _T("EDIT"), _T("ada@example.org"), WS_BORDER | ES_AUTOHSCROLL);
        Make(m_list, _T("LISTBOX"), _T(""), WS_BORDER | WS_VSCROLL | LBS_NOTIFY);
        Make(m_details, _T("EDIT"), _T("Home office, second floor.\r\nPrefers mail in the morning."),
             WS_BORDER | ES_MULTILINE | WS_VSCROLL);
        Make(m_notes, _T("EDIT"), _T("Notes: drag the bars to resize the list and this box."),
             WS_BORDER | ES_MULTILINE | WS_VSCROLL);
        Make(m_ok, _T("BUTTON"), _T("OK"), BS_DEFPUSHBUTTON);
        Make(m_cancel, _T("BUTTON"), _T("Cancel"), BS_PUSHBUTTON);
        static LPCTSTR const kPeople[] = {_T("Ada Example"), _T("Ben Sample"), _T("Cleo Placeholder"),
                                              _T("Dan Demo"), _T("Eve Specimen"), _T("Finn Mockup")};
        for (LPCTSTR person : kPeople)
            m_list.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(person));
        m_list.SendMessage(LB_SETCURSEL, 0);
        m_itemBar.Create(WS_CHILD, this, &m_layout, 0, CRect(0, 0, 6, 100));
        m_groupBar.Create(WS_CHILD, this, &m_layout, 0, CRect(0, 0, 100, 6));
        m_hidden.push_back(&m_itemBar);
        m_hidden.push_back(&m_groupBar);

        m_layout.SetMargins(Px(12), Px(12), Px(12), Px(12));
        AddLabelledRow(m_nameLabel, m_name);
        AddGap();
        AddLabelledRow(m_mailLabel, m_mail);
        AddGap();
        const int nMiddle = m_nMiddle = m_layout.AddGroup(StyleStretch, Px(80), 0x10000);
        m_layout.AddItem(nMiddle, &m_list, StyleFixed);
        m_layout.SetItemSize(nMiddle, 0, Px(260));
        m_layout.SetItemMinSize(nMiddle, 0, Px(120));
        m_layout.AddSplitterItem(nMiddle, 0, &m_itemBar);
        m_layout.SetItemSize(nMiddle, 1, Px(6));
        m_layout.AddItem(nMiddle, &m_details, StyleStretch);
        m_layout.SetItemMinSize(nMiddle, 2, Px(120));
        m_layout.SetSplitterWnd(nMiddle, 1, 0, 2);
        const int nBar = m_layout.AddGroup(StyleFixed);
        m_layout.SetGroupSize(nBar, Px(6));
        m_layout.AddSplitterItem(nBar, 1, &m_groupBar);
        const int nNotes = m_nNotes = m_layout.AddGroup(StyleFixed, Px(40), 0x10000);
        m_layout.SetGroupSize(nNotes, Px(140));
        m_layout.AddItem(nNotes, &m_notes, StyleStretch);
        m_layout.SetSplitterGroup(nBar, 0, nMiddle, nNotes);
        AddGap();
        const int nButtons = m_layout.AddGroup(StyleFixed);
        m_layout.SetGroupSize(nButtons, Px(30));
        const int nSpacer = m_layout.AddSpacerItem(nButtons);
        m_layout.SetItemStyle(nButtons, nSpacer, StyleStretch);
        AddFixed(nButtons, m_ok, Px(100));
        AddSpacer(nButtons, Px(8));
        AddFixed(nButtons, m_cancel, Px(100));
        m_layout.CalcLayout(this);
        // Shown only once in place: painted where they were made, they would overlap, and the
        // moves would carry each other's pixels along.
        for (CWnd* pWnd : m_hidden)
            pWnd->ShowWindow(SW_SHOW);
        CRect rc;
        GetClientRect(&rc);
        m_szBuilt = rc.Size();
    }

    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        GalleryPage::OnSize(nType, cx, cy);
        if (m_cancel.GetSafeHwnd() != NULL)
            m_layout.CalcLayout(this);
    }
    DECLARE_MESSAGE_MAP()

private:
    // A press near the bar's top left, one move by the offset, and the release, as the
    // mouse sends them.
    static void Drag(vxSizerBar& bar, CPoint offset)
    {
        const CPoint press(2, 2);
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(press.x + offset.x, press.y + offset.y));
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(press.x, press.y));
    }
    void Make(CWnd& wnd, LPCTSTR cls, LPCTSTR text, DWORD style)
    {
        wnd.CreateEx(0, cls, text, WS_CHILD | style, CRect(0, 0, 10, 10), this, 0);
        wnd.SetFont(GetGalleryFont());
        m_hidden.push_back(&wnd);
    }
    void AddFixed(int nGroup, CWnd& wnd, int nWidth)
    {
        const int nItem = m_layout.AddItem(nGroup, &wnd, StyleFixed);
        m_layout.SetItemSize(nGroup, nItem, nWidth);
    }
    void AddSpacer(int nGroup, int nWidth)
    {
        const int nItem = m_layout.AddSpacerItem(nGroup);
        m_layout.SetItemStyle(nGroup, nItem, StyleFixed);   // spacers stretch by default
        m_layout.SetItemSize(nGroup, nItem, nWidth);
    }
    // An empty row between two rows of controls.
    void AddGap()
    {
        const int nGap = m_layout.AddGroup(StyleFixed);
        m_layout.SetGroupSize(nGap, Px(8));
        m_layout.AddSpacerItem(nGap);
    }
    void AddLabelledRow(CWnd& label, CWnd& edit)
    {
        const int nRow = m_layout.AddGroup(StyleFixed);
        m_layout.SetGroupSize(nRow, Px(24));
        AddFixed(nRow, label, Px(70));
        AddSpacer(nRow, Px(8));
        m_layout.AddItem(nRow, &edit, StyleStretch);
    }

    vxLayout m_layout;
    CWnd m_nameLabel, m_name, m_mailLabel, m_mail, m_list, m_details, m_notes, m_ok, m_cancel;
    vxSizerBar m_itemBar, m_groupBar;
    CSize m_szBuilt;                 // client size when built, restored by the drag scene
    int m_nMiddle = 0, m_nNotes = 0; // the groups of the list and of the notes
    std::vector<CWnd*> m_hidden;     // made hidden, shown once laid out
};

BEGIN_MESSAGE_MAP(LayoutPage, GalleryPage)
    ON_WM_SIZE()
END_MESSAGE_MAP()

} // namespace

GALLERY_PAGE(LayoutPage, _T("Layout"), 50)
