// Gallery page: balloon tooltips. A tool bar of buttons are tools with texts and icons (the
// page relays its mouse messages), a link balloon invites a click that the page counts, and
// a button shows a tip at a fixed point. Both balloons are open when the page is built.
#include "gallery_page.h"

#include "rvToolTip.h"

#include <cstdio>

namespace {

const UINT kShowAtPointId = 3001;

struct ToolButton {
    LPCTSTR caption;
    LPCTSTR tip;
    LPCTSTR icon;                    // system icon, or null
};

const ToolButton kTools[] = {
    {_T("New"), _T("Create a new document from a template"), IDI_APPLICATION},
    {_T("Open"), _T("Open a document from disk or from the team share"), IDI_QUESTION},
    {_T("Save"), _T("Save the document\r\n(Ctrl+S)"), nullptr},
    {_T("Check"), _T("Check the document for errors before it is sent"), IDI_WARNING},
    {_T("Send"), _T("Send the document to every reviewer on the list"), IDI_INFORMATION},
};

class TooltipPage : public GalleryPage
{
protected:
    void Build() override
    {
        AddCaption(Px(CRect(24, 16, 900, 40)), _T("Tools: rest the pointer on a button of the tool bar"));
        for (int i = 0; i < static_cast<int>(sizeof kTools / sizeof kTools[0]); ++i) {
            HWND hButton = ::CreateWindowEx(0, _T("BUTTON"), kTools[i].caption,
                                            WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, Px(24 + i * 110),
                                            Px(48), Px(100), Px(32), m_hWnd, NULL, AfxGetInstanceHandle(),
                                            NULL);
            SetGalleryFont(hButton);
            HICON hIcon = kTools[i].icon != nullptr
                              ? static_cast<HICON>(::LoadImage(NULL, kTools[i].icon, IMAGE_ICON,
                                                               Px(32), Px(32), LR_SHARED))
                              : NULL;
            m_tools.AddTool(CWnd::FromHandle(hButton), kTools[i].tip, hIcon);
            m_buttons[i] = hButton;
        }
        m_tools.Create(this);
        m_tools.SetFont(GetGalleryFont());

        AddCaption(Px(CRect(24, 300, 900, 324)), _T("A link balloon: click it to open the release notes"));
        m_clicks = AddCaption(Px(CRect(24, 520, 600, 544)), _T("Link clicked 0 times"));
        m_link.Create(this);
        m_link.SetFont(GetGalleryFont());
        m_link.SetbLink(TRUE);
        m_link.SetCursor(::LoadCursor(NULL, IDC_HAND));
        m_link.SetNotifyWnd(this);
        m_link.SetBkColor(RGB(255, 255, 225));
        m_link.SetIcon(static_cast<HICON>(::LoadImage(NULL, IDI_INFORMATION, IMAGE_ICON, Px(32), Px(32),
                                                      LR_SHARED)));

        HWND hShow = ::CreateWindowEx(0, _T("BUTTON"), _T("Show a tip at a point"),
                                      WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, Px(640), Px(440), Px(220), Px(32),
                                      m_hWnd, reinterpret_cast<HMENU>(kShowAtPointId),
                                      AfxGetInstanceHandle(), NULL);
        SetGalleryFont(hShow);

        // Both balloons open for the screenshot.
        PostMessage(WM_COMMAND, kShowAtPointId);
    }

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
            m_tools.RelayEvent(pMsg);
        return GalleryPage::PreTranslateMessage(pMsg);
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) != kShowAtPointId)
            return GalleryPage::OnCommand(wParam, lParam);
        CRect rc;
        ::GetWindowRect(m_buttons[3], &rc);
        CPoint tipPoint(rc.CenterPoint().x, rc.bottom + Px(150));
        m_tools.SetIcon(static_cast<HICON>(::LoadImage(NULL, IDI_WARNING, IMAGE_ICON, Px(32), Px(32),
                                                       LR_SHARED)));
        m_tools.Show(_T("The document has 2 unchecked spellings.\r\nCheck them before sending."),
                     &tipPoint, _T(""));
        CRect page;
        GetWindowRect(&page);
        CPoint linkPoint(page.left + Px(520), page.top + Px(470));
        // Two lines: a single line is lower than the icon, whose lower part the balloon's
        // body would cut off.
        m_link.Show(_T("Release 4.2 is out. Read what changed in the layout engine,\r\n")
                    _T("the splitter and the tooltips before you update."),
                    &linkPoint, _T(""));
        return TRUE;
    }

    afx_msg LRESULT OnToolTipClick(WPARAM, LPARAM)
    {
        TCHAR text[64];
        _sntprintf(text, _countof(text), _T("Link clicked %d times"), ++m_nClicks);
        m_clicks->SetWindowText(text);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    void SetGalleryFont(HWND hwnd)
    {
        ::SendMessage(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetGalleryFont()->GetSafeHandle()),
                      FALSE);
    }

    rvToolTip m_tools;
    rvToolTip m_link;
    HWND m_buttons[sizeof kTools / sizeof kTools[0]] = {};
    CStatic* m_clicks = nullptr;
    int m_nClicks = 0;
};

BEGIN_MESSAGE_MAP(TooltipPage, GalleryPage)
    ON_MESSAGE(WM_TOOLTIP_CLICK, &TooltipPage::OnToolTipClick)
END_MESSAGE_MAP()

} // namespace

GALLERY_PAGE(TooltipPage, _T("Tooltip"), 80)
