/// \file
/// The balloon tooltip and the message it sends.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>


/// Sent to the notify window when a link balloon is clicked with the left button; wParam and
/// lParam 0. The receiver may delete the tooltip.
#define WM_TOOLTIP_CLICK (WM_USER + 503)

struct vxBalloonMetrics;

class vxAliveWatch;
class rvToolTipAccessible;

/// rvToolTip: a balloon tooltip for the host's tool windows.
///
/// One hidden pop-up window per tooltip. The host registers tools (its windows, each with a
/// text and an optional icon) and relays its mouse messages to RelayEvent:
///   pointer rests on a tool  -> timer 100 (show delay) pending
///   timer 100, pointer still -> balloon shown with its tip on the pointer, timer 101 checks
///                               every m_nDefHideDelay ms and hides once the pointer moved
///   pointer leaves all tools -> Hide(m_nHideDelay): timer 101 with that delay
///   relayed button press     -> hidden at once
/// Timers 100 and 101 share m_nTimer, so at most one of them is pending. Show and SetTipText
/// show any text at any point directly; such a balloon stays until Hide, a relayed event or
/// (auto-hide) the loss of activation. In link mode the text is wrapped, drawn as a link while
/// the pointer is over the balloon, and a click is sent to the notify window.
///
/// A balloon is measured and shaped at the DPI of the monitor its point is on, again when its
/// DPI or the display changes while it is shown; near that monitor's top or left edge it
/// stands below or right of its point instead, its stem still on the point.
///
/// The tooltip owns its window, its tool records, the underlined font it makes while
/// painting and the copy of the text font it makes for another DPI; icons, the font given to
/// SetFont, the cursor and the notify window stay the host's.
class AFX_EXT_CLASS rvToolTip : public CWnd
{
    DECLARE_DYNAMIC(rvToolTip)
    friend class rvToolTipAccessible;

public:
    /// One registered tool.
    struct tagTipToolInfo
    {
        CString strText;             ///< shown when the pointer rests on the tool
        HICON hIcon;                 ///< shown with the text, or null; not owned
        CString strExtra;            ///< left empty by this library
    };

    /// A tooltip without a window; Create makes it.
    rvToolTip();
    /// Destroys the window and frees the tool records.
    virtual ~rvToolTip();

// Creation
    /// A hidden pop-up owned by the parent's window.
    int Create(CWnd* pParentWnd);

// Tools
    void AddTool(CWnd* pWnd, LPCTSTR lpszText, HICON hIcon);  ///< replaces the window's tool
    /// Text and icon from the resource module; 0 (nothing registered) when either is missing.
    int AddTool(CWnd* pWnd, UINT nIDText, UINT nIDIcon, int cx, int cy);
    void RemoveTool(CWnd* pWnd);     ///< a show pending for it is dropped
    void RelayEvent(MSG* pMsg);      ///< the host's mouse messages

// Showing
    /// Shows a text with the balloon's tip at *pPoint (screen), or at the pointer when null.
    void Show(CString strText, CPoint* pPoint, CString strOther);
    void Hide(int nDelay);           ///< 0: at once; else after nDelay ms if still visible
    /// Changes a shown balloon's text in place when its size stays, else shows it anew.
    void SetTipText(LPCTSTR lpszText, CPoint* pPoint);
    void SetIcon(HICON hIcon);       ///< kept by the caller; null: none
    int SetIcon(UINT nIDIcon, int cx, int cy);  ///< from the resource module; 0 on failure
    /// Hide on deactivation; with a delay, the setting takes effect when timer 502 fires.
    void SetAutoHide(BOOL bAutoHide, UINT nDelay);

// Settings
    void SetShowDelay(int nDelay);   ///< ms the pointer rests before the balloon shows (500)
    void SetHideDelay(int nDelay);   ///< ms after the pointer left every tool (500)
    void SetBkColor(COLORREF clr);   ///< colours take effect at the next paint
    void SetFrameColor(COLORREF clr);      ///< outer outline (window text colour)
    void SetInnerFrameColor(COLORREF clr); ///< inner outline (scroll bar colour)
    /// Font for measuring and drawing, kept by the caller; null: the parent's font again.
    void SetFont(CFont* pFont);
    void SetCursor(HICON hCursor);   ///< shown over a link balloon
    void SetbLink(BOOL bLink);       ///< link mode: wrapped text, drawn as a link, clickable
    void SetNotifyWnd(CWnd* pWnd);   ///< receiver of WM_TOOLTIP_CLICK, kept by handle

// Shape and painting
    /// Measures m_strText on pDC, makes the balloon region in *phRgn (owned by the caller) and
    /// the window size in *pSize when given. Always 1.
    int GetWindowRegion(CDC* pDC, HRGN* phRgn, CSize* pSize);
    /// Breaks strText into lines no wider than rcText, drawing them nLineHeight apart unless
    /// bCalcOnly; the number of lines.
    int WrapTextLines(CDC* pDC, CString strText, CRect rcText, BOOL bCalcOnly, int nLineHeight);

protected:
// Message handlers
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

    BOOL m_bAutoHidePending;         ///< taken into m_bAutoHide when timer 502 fires
    BOOL m_bAutoHide;
    int m_nShowDelay;                ///< ms
    int m_nHideDelay;                ///< ms, when the pointer leaves every tool
    CPoint m_ptLast;                 ///< screen: last relay that found a tool, or last show
    UINT_PTR m_nTimer;               ///< pending show (100) or hide (101) timer, 0 when none
    CString m_strText;               ///< shown or about to be shown
    HICON m_hIcon;
    CSize m_sizeIcon;
    COLORREF m_clrBk;
    COLORREF m_clrFrame;             ///< outermost pixel of the border
    COLORREF m_clrInnerFrame;        ///< the two pixels inside it
    CSize m_sizeWnd;                 ///< window size at the last Show
    CString m_strExtra;              ///< not used by this library
    CMap<HWND, HWND, tagTipToolInfo, tagTipToolInfo> m_mapTools;
    BOOL m_bLink;
    BOOL m_bHover;                   ///< pointer over the balloon, a leave notice pending
    HICON m_hCursor;
    HWND m_hNotifyWnd;               ///< receives WM_TOOLTIP_CLICK; the host's, tested before use
    int m_nMarginX, m_nMarginY;      ///< text margins, corner ellipse, placement offset
    int m_nArrowWidth, m_nArrowHeight;
    int m_nIconGap;
    int m_nDefShowDelay, m_nDefHideDelay;  ///< defaults; the hide check's period after a show
    HFONT m_hFont;                   ///< from SetFont, or null for the parent's font
    HWND m_hPendingTool;             ///< tool whose show timer 100 is pending
    vxAliveWatch* m_pAliveWatches;   ///< handlers on the stack that call out to the host
    int m_nLinkLineHeight;           ///< least line pitch of link mode at the window's DPI
    rvToolTipAccessible* m_pAccessible; ///< what screen readers read; owned, made on demand
    HWND m_hFocusBefore;             ///< where Tab took the focus from to the link; the host's, tested before use
    int m_nDpi;                      ///< the DPI the sizes are scaled for
    CPoint m_ptTip;                  ///< screen: where the shown balloon's stem points
    UINT m_nStem;                    ///< VX_BALLOON_STEM_* of the shown balloon
    HFONT m_hDpiFont;                ///< owned: the text font remade at m_nDpi, or null; freed at a new DPI
    HFONT m_hDpiFontSource;          ///< the font m_hDpiFont was made from

private:
    void ScaleToDpi(int nDpi);       ///< margins, stem, icon gap and link pitch at a DPI
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
    /// Measures the balloon at the DPI of its tip's monitor, turns its stem to keep it on that
    /// monitor, and shows it there; FALSE when it cannot be measured.
    BOOL PlaceBalloon();
    int BodyTop() const;             ///< top of the body in the window: below a rising stem
    void KillPendingTimer();
    void StartTimer(UINT_PTR nID, UINT nElapse);   ///< the pending show or hide timer
    void HideNow();
    void ArmAutoHide();              ///< a shown auto-hide balloon hides at a press elsewhere
    BOOL ClickLink();                ///< WM_TOOLTIP_CLICK; FALSE once the tooltip is gone
    void ReturnFocus();              ///< to where Tab took it from
    HFONT TextFont();                ///< the font measured and drawn with, or null for the DC's
    /// Balloon size for m_strText, with the region when phRgn is given; FALSE without a DC.
    BOOL MeasureBalloon(CSize* pSize, HRGN* phRgn);
    void PlaceAt(const CPoint& ptTip, const CSize& size);  ///< top-most, tip on the point
    HFONT FontAtOwnDpi(HFONT hSource); ///< hSource, or a copy made at the balloon's DPI
    CRect TextRect();                ///< client rectangle less margins and icon
    vxBalloonMetrics Metrics() const;
};
