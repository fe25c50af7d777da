// Gallery page: the controls in a right-to-left user interface (a mirrored page, as under an
// Arabic or Hebrew Windows). A layout row of a list and notes with a sizer bar between them,
// a stack window, and a combo whose list opens under its right edge; a balloon points at the
// combo. The captions and images read the right way round in the mirrored windows.
#include "gallery_page.h"

#if __has_include(<vxCtrlComboBox.h>) && __has_include(<vxSizerBar.h>) && \
    __has_include(<vxCtrlStackWnd.h>) && __has_include(<rvToolTip.h>)
#include "vxCtrlComboBox.h"
#include "vxCtrlStackWnd.h"
#include "vxHorizLayout.h"
#include "vxSizerBar.h"
#include "rvToolTip.h"

#include <vexelcore.h>

namespace {

const UINT WM_APP_OPEN = WM_APP + 1;

class RightToLeftPage : public GalleryPage
{
public:
    RightToLeftPage() : m_layout(this) {}

protected:
    DWORD GetPageExStyle() const override { return WS_EX_LAYOUTRTL; }

    void Build() override
    {
        AddCaption(Px(CRect(20, 12, 900, 32)),
                   _T("Right to left: the page is mirrored; drag the bar, open the combo"));

        // A list and notes beside it, a sizer bar between them.
        m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                      Px(CRect(0, 0, 10, 10)), this, 101);
        m_list.SetFont(GetGalleryFont());
        for (LPCTSTR text : {_T("Inbox"), _T("Drafts"), _T("Sent"), _T("Archive")})
            m_list.AddString(text);
        m_list.SetCurSel(0);
        m_notes.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, Px(CRect(0, 0, 10, 10)), this, 102);
        m_notes.SetFont(GetGalleryFont());
        m_notes.SetWindowText(_T("The list stands at the right where a right to left reader begins"));
        m_bar.Create(WS_CHILD | WS_VISIBLE, this, &m_layout, 103, CRect(0, 0, Px(5), Px(160)));
        m_layout.SetHeight(Px(160));
        m_layout.AddItem(&m_list, StyleFixed);
        m_layout.SetItemSize(0, 0, Px(180));
        m_layout.SetItemMinSize(0, 0, Px(80));
        m_layout.AddSplitterItem(0, 0, &m_bar);
        m_layout.SetItemSize(0, 1, Px(5));
        m_layout.AddItem(&m_notes, StyleFixed);
        m_layout.SetItemSize(0, 2, Px(300));
        m_layout.SetItemMinSize(0, 2, Px(80));
        m_layout.SetSplitterWnd(0, 1, 0, 2);
        m_layout.CalcLayout(Px(CRect(20, 44, 520, 204)), this);

        // An accordion of two items.
        m_stack.CreateEx(WS_EX_CLIENTEDGE, NULL, _T(""), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                         Px(CRect(540, 44, 800, 300)), this, 104);
        m_stack.SetPadding(4, 4, 4, 4);
        m_stack.SetSpace(2);
        m_stack.SetItemSize(0, Px(28));
        m_stack.SetAutoWidth(1);
        m_stack.SetSubItemHeight(Px(24));
        HICON hIcon = static_cast<HICON>(::LoadImage(NULL, IDI_INFORMATION, IMAGE_ICON, Px(16), Px(16), 0));
        if (hIcon != NULL) {
            vxRegisterIcon(_T("rtlpage.info"), hIcon); // the engine keeps a copy
            ::DestroyIcon(hIcon);
        }
        const int nFolders = m_stack.AddItem(_T("Folders"), _T("rtlpage.button"), _T("rtlpage.list"));
        for (LPCTSTR text : {_T("Projects"), _T("Letters"), _T("Photos")})
            m_stack.AddSubItem(nFolders, text, _T("rtlpage.info"));
        m_stack.AddItem(_T("Contacts"), _T("rtlpage.button"), _T("rtlpage.list"));
        m_stack.SelectSubItem(0, 1);

        // A combo whose list opens under its right edge, in its direction.
        AddCaption(Px(CRect(20, 230, 300, 250)), _T("Paper size:"));
        m_combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, Px(CRect(20, 252, 240, 276)), this, 105);
        for (LPCTSTR text : {_T("Letter"), _T("Legal"), _T("Executive"), _T("Tabloid"), _T("Statement")})
            m_combo.AddString(text);
        m_combo.SetDroppedWidth(Px(300));
        m_combo.SetCurSel(0);
        m_tip.Create(this);
        PostMessage(WM_APP_OPEN);
    }

    afx_msg LRESULT OnOpen(WPARAM, LPARAM)
    {
        m_combo.ShowDropDown(TRUE);
        CRect rc;
        m_stack.GetWindowRect(&rc);
        CPoint pt(rc.left + Px(40), rc.bottom + Px(60));
        m_tip.Show(_T("The balloon's stem stays on its point."), &pt, _T(""));
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    CListBox m_list;
    CEdit m_notes;
    vxHorizLayout m_layout;
    vxSizerBar m_bar;
    vxCtrlStackWnd m_stack;
    vxCtrlComboBox m_combo;
    rvToolTip m_tip;
};

BEGIN_MESSAGE_MAP(RightToLeftPage, GalleryPage)
    ON_MESSAGE(WM_APP_OPEN, &RightToLeftPage::OnOpen)
END_MESSAGE_MAP()

} // namespace

GALLERY_PAGE(RightToLeftPage, _T("Right to left"), 90)
#endif
