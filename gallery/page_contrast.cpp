// Gallery page: the controls on a high-contrast desk. While the page shows, the desk has a
// white-on-black high-contrast scheme, put back when the page goes: the skinned items and the
// group header, the drop list's rows and the balloon paint in the system colours, and the
// focused item's focus cue shows, two pixels wide. Scene 1 opens the drop list.
#include "contrast_desk.h"
#include "gallery_page.h"

#include "rvToolTip.h"
#include "vxCtrlComboBox.h"
#include "vxCtrlListView.h"

#include <memory>

namespace {

const UINT kShowTipId = 3101;

} // namespace

class ContrastPage : public GalleryPage
{
protected:
    void Build() override
    {
        m_pDesk.reset(new ContrastDesk);
        AddCaption(Px(CRect(24, 16, 900, 40)), _T("A high-contrast scheme: every painted part in the system colours"));
        m_list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, Px(CRect(24, 56, 344, 256)), this, 1);
        m_list.AddGroup(_T("Documents"), _T("listview.header"), 1);
        for (LPCTSTR caption : {_T("Report"), _T("Budget"), _T("Minutes")})
            m_list.AddItem(0, _T("listview.item"), caption, NULL);
        m_combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, Px(CRect(380, 56, 600, 80)), this, 2);
        m_combo.SetFont(GetGalleryFont());
        for (LPCTSTR colour : {_T("Red"), _T("Green"), _T("Blue")})
            m_combo.AddString(colour);
        m_combo.SetCurSel(1);
        m_tip.Create(this);
        m_tip.SetFont(GetGalleryFont());
        ::SetFocus(::FindWindowEx(m_list.m_hWnd, NULL, _T("Button"), _T("Report")));
        // The balloon once the page stands where it is shown.
        PostMessage(WM_COMMAND, kShowTipId);
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) != kShowTipId)
            return GalleryPage::OnCommand(wParam, lParam);
        CPoint pt(Px(520), Px(240));
        ClientToScreen(&pt);
        m_tip.Show(_T("Saved to D:\\Reports"), &pt, _T(""));
        return TRUE;
    }

    int GetSceneCount() const override { return 2; }
    CString GetSceneName(int) const override { return _T("list_open"); }
    void ShowScene(int nScene) override { m_combo.ShowDropDown(nScene == 1); }

private:
    std::unique_ptr<ContrastDesk> m_pDesk; // made first, so that it goes last
    vxCtrlListView m_list;
    vxCtrlComboBox m_combo;
    rvToolTip m_tip;
};

GALLERY_PAGE(ContrastPage, _T("High contrast"), 95)
