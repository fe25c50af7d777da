// Gallery page: system tips. Buttons raise fade, slide and plain tips of normal and high
// priority from two sources; the tips appear stacked at the bottom right of the screen's work
// area. Because a screenshot of the gallery window shows only part of that corner, the page
// also draws the screen in miniature with every tip where it really is, and lists what is on
// screen and what waits. Three tips are shown and two wait when the page is built.
#include "gallery_page.h"

#include "vxCtrlSysTips.h"

#include <algorithm>
#include <vector>

namespace {

const _tagenumTipsSrc kSourceMail = static_cast<_tagenumTipsSrc>(1);
const _tagenumTipsSrc kSourceBuild = static_cast<_tagenumTipsSrc>(2);

const UINT kRaiseFirstId = 4000;     // 12 buttons: source x mode x priority
const UINT kClearMailId = 4100;
const UINT kClearBuildId = 4101;
const UINT kClearAllId = 4102;
const UINT kLimitFirstId = 4110;     // limits 1, 2 and 3
const UINT kRefreshTimer = 1;

const int kTipWidth = 300;
const int kTipHeight = 130;

LPCTSTR const kModeNames[] = {_T("Fade"), _T("Slide"), _T("Plain")};
const int kModes[] = {TIPS_SHOW_FADE, TIPS_SHOW_SLIDE, 0};

LPCTSTR SourceName(_tagenumTipsSrc src) { return src == kSourceMail ? _T("Mail") : _T("Build"); }

// A host-made tip window: a bordered pop-up that paints a heading and a line of text and
// deletes itself when its window goes. A click closes it, as plain tips wait for that.
class DemoTipWnd : public CWnd
{
public:
    DemoTipWnd(const CString& heading, const CString& text, BOOL bHigh, CFont* pHeadingFont,
               CFont* pTextFont)
        : m_heading(heading), m_text(text), m_bHigh(bHigh), m_pHeadingFont(pHeadingFont),
          m_pTextFont(pTextFont)
    {
    }

    BOOL CreateTip()
    {
        LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                               reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1));
        return CreateEx(0, pszClass, m_heading, WS_POPUP | WS_BORDER,
                        Px(CRect(0, 0, kTipWidth, kTipHeight)), NULL, 0);
    }

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(rc, ::GetSysColor(COLOR_INFOBK));
        dc.FillSolidRect(CRect(0, 0, rc.right, Px(6)), m_bHigh ? RGB(200, 40, 40) : RGB(40, 110, 200));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
        CFont* pOld = dc.SelectObject(m_pHeadingFont);
        CRect rcHead(Px(14), Px(16), rc.right - Px(12), Px(40));
        dc.DrawText(m_heading, rcHead, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
        dc.SelectObject(m_pTextFont);
        CRect rcText(Px(14), Px(46), rc.right - Px(12), rc.bottom - Px(10));
        dc.DrawText(m_text, rcText, DT_LEFT | DT_WORDBREAK | DT_END_ELLIPSIS);
        dc.SelectObject(pOld);
    }
    afx_msg void OnLButtonUp(UINT, CPoint) { PostMessage(WM_CLOSE); }
    virtual void PostNcDestroy() { delete this; }
    DECLARE_MESSAGE_MAP()

private:
    CString m_heading;
    CString m_text;
    BOOL m_bHigh;
    CFont* m_pHeadingFont;           // the page's
    CFont* m_pTextFont;
};

BEGIN_MESSAGE_MAP(DemoTipWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

// What the page knows of one tip it raised.
struct DemoTip {
    HWND hWnd;
    _tagenumTipsSrc src;
    CString label;
    BOOL bHigh;
};

// The screen in miniature: the work area and every shown tip at its real place.
class TipsMapWnd : public CWnd
{
public:
    BOOL CreateMap(CWnd* pParent, const CRect& rc, CFont* pFont)
    {
        m_pFont = pFont;
        LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), NULL);
        return CreateEx(WS_EX_CLIENTEDGE, pszClass, _T(""), WS_CHILD | WS_VISIBLE, rc, pParent, 0);
    }
    void SetTips(const std::vector<DemoTip>& shown)
    {
        m_shown = shown;
        Invalidate(FALSE);
    }

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(rc, RGB(58, 84, 120));   // the desktop
        const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
        const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
        if (cxScreen <= 0 || cyScreen <= 0)
            return;
        CRect work;
        ::SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
        CBrush frame(RGB(160, 190, 230));
        dc.FrameRect(Scale(work, rc, cxScreen, cyScreen), &frame);
        CFont* pOld = dc.SelectObject(m_pFont);
        dc.SetBkMode(TRANSPARENT);
        for (const DemoTip& tip : m_shown) {
            CRect rcTip;
            ::GetWindowRect(tip.hWnd, &rcTip);
            CRect rcMini = Scale(rcTip, rc, cxScreen, cyScreen);
            dc.FillSolidRect(rcMini, ::GetSysColor(COLOR_INFOBK));
            dc.FillSolidRect(CRect(rcMini.left, rcMini.top, rcMini.right, rcMini.top + Px(3)),
                             tip.bHigh ? RGB(200, 40, 40) : RGB(40, 110, 200));
            dc.SetTextColor(RGB(0, 0, 0));
            CRect rcLabel(rcMini.left + Px(4), rcMini.top + Px(4), rcMini.right - Px(2), rcMini.bottom);
            dc.DrawText(tip.label, rcLabel, DT_LEFT | DT_WORDBREAK | DT_END_ELLIPSIS);
        }
        dc.SelectObject(pOld);
    }
    DECLARE_MESSAGE_MAP()

private:
    static CRect Scale(const CRect& r, const CRect& to, int cx, int cy)
    {
        return CRect(to.left + MulDiv(r.left, to.Width(), cx), to.top + MulDiv(r.top, to.Height(), cy),
                     to.left + MulDiv(r.right, to.Width(), cx),
                     to.top + MulDiv(r.bottom, to.Height(), cy));
    }
    std::vector<DemoTip> m_shown;
    CFont* m_pFont = nullptr;
};

BEGIN_MESSAGE_MAP(TipsMapWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

LPCTSTR const kMailTexts[] = {
    _T("Anna Berg: the review notes for chapter 3 are in the shared folder."),
    _T("Team lunch moved to 12:30, same place."),
    _T("Your leave request for May 12 was approved."),
};
LPCTSTR const kBuildTexts[] = {
    _T("Nightly build 2417 finished: 1,204 tests passed."),
    _T("Build 2418 failed: 3 tests in the layout suite."),
    _T("Installer package signed and uploaded."),
};

class SysTipsPage : public GalleryPage
{
protected:
    void Build() override
    {
        m_headingFont.CreatePointFont(100, _T("Tahoma"));
        LOGFONT lf;
        m_headingFont.GetLogFont(&lf);
        lf.lfWeight = FW_BOLD;
        m_headingFont.DeleteObject();
        m_headingFont.CreateFontIndirect(&lf);

        AddCaption(Px(CRect(16, 12, 1000, 32)),
                   _T("Tips appear at the bottom right of the screen, 175 pixels apart; the newest is ")
                   _T("lowest. High tips are limited only by other high tips. Click a tip to ")
                   _T("close it."));
        for (int s = 0; s < 2; ++s) {
            AddCaption(Px(CRect(16 + s * 170, 44, 180 + s * 170, 62)),
                       s == 0 ? _T("Source: Mail") : _T("Source: Build"));
            for (int row = 0; row < 6; ++row) {
                CString caption;
                caption.Format(_T("%s, %s"), kModeNames[row / 2], row % 2 ? _T("high") : _T("normal"));
                AddButton(caption, Px(CRect(16 + s * 170, 66 + row * 32, 176 + s * 170, 94 + row * 32)),
                          kRaiseFirstId + s * 6 + row);
            }
        }
        AddButton(_T("Clear Mail"), Px(CRect(16, 270, 176, 298)), kClearMailId);
        AddButton(_T("Clear Build"), Px(CRect(186, 270, 346, 298)), kClearBuildId);
        AddButton(_T("Clear everything"), Px(CRect(16, 304, 346, 332)), kClearAllId);
        AddCaption(Px(CRect(16, 346, 120, 366)), _T("Shown at once:"));
        for (int i = 0; i < 3; ++i) {
            CString caption;
            caption.Format(_T("%d"), i + 1);
            AddButton(caption, Px(CRect(124 + i * 56, 342, 174 + i * 56, 368)), kLimitFirstId + i);
        }
        m_limitCaption = AddCaption(Px(CRect(16, 376, 346, 396)), _T(""));

        AddCaption(Px(CRect(372, 44, 700, 62)), _T("The screen in miniature (tips where they are):"));
        m_map.CreateMap(this, Px(CRect(372, 66, 372 + 320, 66 + 256)), GetGalleryFont());
        AddCaption(Px(CRect(712, 44, 1000, 62)), _T("On screen, oldest first:"));
        CreateList(m_shownList, Px(CRect(712, 66, 1000, 186)));
        AddCaption(Px(CRect(712, 196, 1000, 214)), _T("Waiting, in the order they will come:"));
        CreateList(m_waitingList, Px(CRect(712, 218, 1000, 322)));

        m_pTips = new vxCtrlSysTips;
        m_pTips->Init();
        SetLimit(2);
        // Filled for the screenshot: three on screen, a high and a normal tip waiting.
        Raise(kSourceMail, 2, TIPS_PRIORITY_NORMAL, 60000);
        Raise(kSourceBuild, 2, TIPS_PRIORITY_HIGH, 60000);
        Raise(kSourceMail, 2, TIPS_PRIORITY_HIGH, 60000);
        Raise(kSourceBuild, 2, TIPS_PRIORITY_HIGH, 60000);
        Raise(kSourceBuild, 0, TIPS_PRIORITY_NORMAL, 60000);
        SetTimer(kRefreshTimer, 100, NULL);
        Refresh();
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        const UINT nId = LOWORD(wParam);
        if (nId >= kRaiseFirstId && nId < kRaiseFirstId + 12) {
            const int n = (int)(nId - kRaiseFirstId);
            const int row = n % 6;
            Raise(n < 6 ? kSourceMail : kSourceBuild, row / 2,
                  row % 2 ? TIPS_PRIORITY_HIGH : TIPS_PRIORITY_NORMAL, 4000);
        } else if (nId == kClearMailId || nId == kClearBuildId) {
            // Cleared tips are let go of, not closed: the page closes them itself.
            const _tagenumTipsSrc src = nId == kClearMailId ? kSourceMail : kSourceBuild;
            m_pTips->ClearTips(src);
            CloseTipsOf(src);
        } else if (nId == kClearAllId) {
            m_pTips->Uninit();
        } else if (nId >= kLimitFirstId && nId < kLimitFirstId + 3) {
            SetLimit((int)(nId - kLimitFirstId) + 1);
        } else {
            return GalleryPage::OnCommand(wParam, lParam);
        }
        Refresh();
        return TRUE;
    }

    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == kRefreshTimer)
            Refresh();
    }

    afx_msg void OnDestroy()
    {
        KillTimer(kRefreshTimer);
        m_pTips->Uninit();
        m_pTips->DestroyWindow();            // the manager deletes itself
        m_pTips = nullptr;
        GalleryPage::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()

private:
    void AddButton(const CString& caption, const CRect& rc, UINT nId)
    {
        HWND hButton = ::CreateWindowEx(0, _T("BUTTON"), caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                        rc.left, rc.top, rc.Width(), rc.Height(), m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)),
                                        AfxGetInstanceHandle(), NULL);
        ::SendMessage(hButton, WM_SETFONT,
                      reinterpret_cast<WPARAM>(GetGalleryFont()->GetSafeHandle()), FALSE);
    }

    void CreateList(CListBox& list, const CRect& rc)
    {
        list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, rc,
                    this, 0);
        list.SetFont(GetGalleryFont());
    }

    void SetLimit(int nLimit)
    {
        m_pTips->SetTipsMaxCount(nLimit);
        CString caption;
        caption.Format(_T("Limit %d: up to %d normal and high tips together."), nLimit, nLimit);
        m_limitCaption->SetWindowText(caption);
    }

    void Raise(_tagenumTipsSrc src, int nMode, _tagenumPriority priority, UINT nStayTime)
    {
        const BOOL bHigh = priority == TIPS_PRIORITY_HIGH;
        LPCTSTR const* texts = src == kSourceMail ? kMailTexts : kBuildTexts;
        CString heading;
        heading.Format(_T("%s%s #%d"), SourceName(src), bHigh ? _T(" (urgent)") : _T(""), ++m_nRaised);
        DemoTipWnd* pTip = new DemoTipWnd(heading, texts[m_nRaised % 3], bHigh, &m_headingFont,
                                          GetGalleryFont());
        if (!pTip->CreateTip()) {
            delete pTip;
            return;
        }
        _tagstSysTips tips = {};
        tips.src = src;
        tips.nShowMode = kModes[nMode];
        tips.priority = priority;
        tips.nStayTime = nStayTime;
        tips.hWnd = pTip->GetSafeHwnd();
        CString label;
        label.Format(_T("%s - %s"), (LPCTSTR)heading, kModeNames[nMode]);
        m_tips.push_back({tips.hWnd, src, label, bHigh});
        m_pTips->AddTips(src, &tips);
    }

    void CloseTipsOf(_tagenumTipsSrc src)
    {
        for (const DemoTip& tip : m_tips)
            if (tip.src == src && ::IsWindow(tip.hWnd))
                ::DestroyWindow(tip.hWnd);
    }

    // Shown tips carry the tool window style the manager gives them; the others still wait.
    void Refresh()
    {
        std::vector<DemoTip> live, shown, waiting;
        for (const DemoTip& tip : m_tips) {
            if (!::IsWindow(tip.hWnd))
                continue;
            live.push_back(tip);
            if (::GetWindowLongPtr(tip.hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
                shown.push_back(tip);
            else
                waiting.push_back(tip);
        }
        m_tips.swap(live);
        // Shown oldest first: by place in the stack, highest first.
        std::stable_sort(shown.begin(), shown.end(), [](const DemoTip& a, const DemoTip& b) {
            CRect ra, rb;
            ::GetWindowRect(a.hWnd, &ra);
            ::GetWindowRect(b.hWnd, &rb);
            return ra.top < rb.top;
        });
        // Waiting: high ones come first.
        std::stable_partition(waiting.begin(), waiting.end(),
                              [](const DemoTip& t) { return t.bHigh != FALSE; });
        FillList(m_shownList, shown, m_shownLabels);
        FillList(m_waitingList, waiting, m_waitingLabels);
        m_map.SetTips(shown);
    }

    // Refills the list when its entries changed.
    static void FillList(CListBox& list, const std::vector<DemoTip>& tips,
                         std::vector<CString>& labels)
    {
        std::vector<CString> now;
        for (const DemoTip& tip : tips)
            now.push_back(tip.label);
        if (now == labels && list.GetCount() > 0)
            return;
        labels.swap(now);
        list.SetRedraw(FALSE);
        list.ResetContent();
        for (const DemoTip& tip : tips)
            list.AddString(tip.label);
        if (tips.empty())
            list.AddString(_T("(none)"));
        list.SetRedraw(TRUE);
        list.Invalidate();
    }

    vxCtrlSysTips* m_pTips = nullptr;    // on the heap: deletes itself with its window
    std::vector<DemoTip> m_tips;         // every tip raised whose window still exists
    TipsMapWnd m_map;
    CListBox m_shownList;
    CListBox m_waitingList;
    std::vector<CString> m_shownLabels;  // what the lists show now
    std::vector<CString> m_waitingLabels;
    CStatic* m_limitCaption = nullptr;
    CFont m_headingFont;
    int m_nRaised = 0;
};

BEGIN_MESSAGE_MAP(SysTipsPage, GalleryPage)
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

} // namespace

GALLERY_PAGE(SysTipsPage, _T("System tips"), 70)
