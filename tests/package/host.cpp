// A dialog host that uses every control once and closes itself; its exit code says whether
// each control did what it was asked.
#include <afxwin.h>

#include <VexelControl/rvToolTip.h>
#include <VexelControl/vxCtrlComboBox.h>
#include <VexelControl/vxCtrlListView.h>
#include <VexelControl/vxCtrlSplitter.h>
#include <VexelControl/vxCtrlStackWnd.h>
#include <VexelControl/vxCtrlSysTips.h>
#include <VexelControl/vxLayout.h>
#include <VexelControl/vxSizerBar.h>

#include "host.h"

class CHostDlg : public CDialog
{
public:
    CHostDlg() : CDialog(IDD_HOST), m_layout(this, DirHorizontal) {}

    CString m_strCity = _T("Lisbon");
    int m_nFailures = 0;

protected:
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        DDX_ACBString(pDX, IDC_CITY, m_strCity);
    }

    virtual BOOL OnInitDialog()
    {
        m_city.SubclassDlgItem(IDC_CITY, this);
        for (LPCTSTR city : {_T("Lisbon"), _T("Oslo"), _T("Vienna")})
            m_city.AddString(city);
        CDialog::OnInitDialog(); // DDX: the combo shows "Lisbon"

        // Under the top row, laid out: a list view, a sizer bar and a panel 200 wide.
        m_list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, 200);
        m_list.AddGroup(_T("Documents"), NULL, 1);
        m_list.AddItem(0, NULL, _T("Report"), NULL);
        m_bar.Create(WS_CHILD | WS_VISIBLE, this, &m_layout, 201, CRect(0, 0, 6, 10));
        m_panel.Create(_T(""), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 10, 10), this, 202);
        m_layout.SetMargins(10, 40, 10, 10);
        const int nRow = m_layout.AddGroup(StyleStretch);
        m_layout.AddItem(nRow, &m_list, StyleStretch);
        m_layout.AddSplitterItem(nRow, 0, &m_bar);
        m_layout.SetItemSize(nRow, 1, 6);
        m_layout.AddItem(nRow, &m_panel, StyleFixed);
        m_layout.SetItemSize(nRow, 2, 200);
        m_layout.SetSplitterWnd(nRow, 1, 0, 2);
        m_layout.CalcLayout(this);

        // In the panel, split: a stack window 100 high over a note.
        m_stack.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_panel, 1);
        m_stack.AddItem(_T("Places"), NULL, NULL);
        m_note.Create(_T("Notes"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_panel, 2);
        m_splitBar.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 4), &m_panel, 3);
        m_splitter.CreateSplitter(m_splitBar.GetSafeHwnd(), 1, 0, 1);
        m_splitter.SetPaneSize(0, 100, 20);
        m_splitter.AttachWnd(0, m_stack.GetSafeHwnd());
        m_splitter.AttachWnd(1, m_note.GetSafeHwnd());
        CRect rcPanel;
        m_panel.GetClientRect(&rcPanel);
        m_splitter.Layout(0, 0, rcPanel.Width(), rcPanel.Height());

        // A tip at the bottom right of the screen and a balloon over the combo.
        m_pTips = new vxCtrlSysTips;     // deletes itself when its window goes
        m_pTips->Init();
        m_tipWnd.CreateEx(WS_EX_TOOLWINDOW, _T("STATIC"), _T("Saved"), WS_POPUP | WS_BORDER,
                          CRect(0, 0, 200, 60), NULL, 0);
        _tagstSysTips tip = {};
        tip.hWnd = m_tipWnd.GetSafeHwnd();
        tip.nStayTime = 5000;
        m_pTips->AddTips(tip.src, &tip);
        m_balloon.Create(this);
        CRect rc;
        m_city.GetWindowRect(&rc);
        CPoint pt = rc.CenterPoint();
        m_balloon.Show(_T("Choose a city"), &pt, _T(""));

        SetTimer(1, 500, NULL);
        return TRUE;
    }

    afx_msg void OnTimer(UINT_PTR)
    {
        KillTimer(1);
        CRect rcList, rcPanel, rcStack;
        m_list.GetWindowRect(&rcList);
        m_panel.GetWindowRect(&rcPanel);
        m_stack.GetWindowRect(&rcStack);
        Expect(m_city.GetCount() == 3 && m_city.GetCurSel() == 0);
        Expect(m_list.GetItemCount(0) == 1 && m_stack.GetItemButton(0) != NULL);
        Expect(rcPanel.Width() == 200 && rcList.right + 6 == rcPanel.left);
        Expect(rcStack.Height() == 100 && rcStack.Width() == 200);
        Expect(::IsWindowVisible(m_tipWnd.GetSafeHwnd()) && m_balloon.IsWindowVisible());
        m_city.SetCurSel(2);
        m_pTips->Uninit();
        OnOK();                          // DDX: m_strCity becomes "Vienna"
    }

    void Expect(bool bOk) { m_nFailures += bOk ? 0 : 1; }

    DECLARE_MESSAGE_MAP()

private:
    vxCtrlComboBox m_city;
    vxLayout m_layout;
    vxSizerBar m_bar;
    vxCtrlListView m_list;
    CStatic m_panel;
    vxCtrlStackWnd m_stack;
    CStatic m_note;
    CStatic m_splitBar;
    vxCtrlSplitter m_splitter;
    vxCtrlSysTips* m_pTips = NULL;
    CWnd m_tipWnd;
    rvToolTip m_balloon;
};

BEGIN_MESSAGE_MAP(CHostDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class CHostApp : public CWinApp
{
public:
    virtual BOOL InitInstance()
    {
        CHostDlg dlg;
        m_nResult = dlg.DoModal() == IDOK && dlg.m_nFailures == 0 && dlg.m_strCity == _T("Vienna") ? 0 : 1;
        return FALSE;                    // no message loop: the dialog was the program
    }
    virtual int ExitInstance() { return m_nResult; }

private:
    int m_nResult = 1;
};

CHostApp theApp;
