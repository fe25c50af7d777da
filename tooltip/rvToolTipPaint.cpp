// rvToolTip: measuring, the balloon region, line wrapping, painting and the icon.
#include "rvToolTip.h"
#include "vxFocusCue.h"
#include "vxHighContrast.h"
#include "vxBalloonGeometry.h"
#include "vxTextWrap.h"

#include "vxAnsiText.h"
#include "vxDpi.h"

namespace {

const COLORREF kLinkColour = RGB(0, 0, 255);
const TCHAR kLineHeightSample[] = _T("Q");

// Line pitch of link mode in the font selected into hDC: nLeast pixels (18 at 96 DPI), or the
// font's own line height when that is more, so that the lines of a large font do not overlap.
int LinkLineHeight(HDC hDC, int nLeast)
{
    TEXTMETRIC tm = {};
    if (!::GetTextMetrics(hDC, &tm))
        return nLeast;
    const int nFontLine = tm.tmHeight + tm.tmExternalLeading;
    return nFontLine > nLeast ? nFontLine : nLeast;
}

// The text with its "\r\n" line breaks removed, as link mode wraps it.
CString JoinedLines(const CString& strText)
{
    CString joined = strText;
    joined.Replace(_T("\r\n"), _T(""));
    return joined;
}

// Size of an icon from its own bitmaps (the mask holds two images for a monochrome icon).
CSize IconSize(HICON hIcon)
{
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info))
        return CSize(0, 0);
    BITMAP bm = {};
    CSize size(0, 0);
    if (info.hbmColor != NULL && ::GetObject(info.hbmColor, sizeof(bm), &bm))
        size = CSize(bm.bmWidth, bm.bmHeight);
    else if (info.hbmMask != NULL && ::GetObject(info.hbmMask, sizeof(bm), &bm))
        size = CSize(bm.bmWidth, bm.bmHeight / 2);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != NULL)
        ::DeleteObject(info.hbmMask);
    return size;
}

} // namespace

vxBalloonMetrics rvToolTip::Metrics() const
{
    return {m_nMarginX, m_nMarginY, m_nArrowWidth, m_nArrowHeight, m_nIconGap};
}

HFONT rvToolTip::TextFont()
{
    if (m_hFont != NULL)
        return FontAtOwnDpi(m_hFont);
    HWND hParent = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hParent == NULL)
        return NULL;
    return FontAtOwnDpi(reinterpret_cast<HFONT>(::SendMessage(hParent, WM_GETFONT, 0, 0)));
}

HFONT rvToolTip::FontAtOwnDpi(HFONT hSource)
{
    // The parent's font is made for the parent's DPI; on a monitor of another one the
    // balloon draws in a copy at its own.
    const int nSourceDpi = vxDpiOf(::GetParent(m_hWnd));
    if (hSource == NULL || nSourceDpi == m_nDpi)
        return hSource;
    if (m_hDpiFont != NULL && m_hDpiFontSource == hSource)
        return m_hDpiFont;
    LOGFONT lf = {};
    if (!::GetObject(hSource, sizeof(lf), &lf))
        return hSource;
    lf.lfHeight = ::MulDiv(lf.lfHeight, m_nDpi, nSourceDpi);
    lf.lfWidth = ::MulDiv(lf.lfWidth, m_nDpi, nSourceDpi);
    const HFONT hMade = ::CreateFontIndirect(&lf);
    if (hMade == NULL)
        return hSource;
    if (m_hDpiFont != NULL)
        ::DeleteObject(m_hDpiFont);
    m_hDpiFont = hMade;
    m_hDpiFontSource = hSource;
    return m_hDpiFont;
}

CRect rvToolTip::TextRect()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    rcClient.top += BodyTop();
    SIZE sizeIcon = m_hIcon != NULL ? m_sizeIcon : CSize(0, 0);
    return CRect(vxBalloonTextRect(rcClient, sizeIcon, Metrics()));
}

int rvToolTip::GetWindowRegion(CDC* pDC, HRGN* phRgn, CSize* pSize)
{
    if (pDC == NULL || phRgn == NULL)
        return 0;
    HDC hDC = pDC->GetSafeHdc();

    // The text's extent with its own line breaks; link mode re-breaks it at that width.
    CRect rc(0, 0, 0, 0);
    HFONT hFont = TextFont();
    HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(hDC, hFont) : NULL;
    ::DrawText(hDC, m_strText, m_strText.GetLength(), &rc, DT_CALCRECT | DT_EXTERNALLEADING);
    SIZE sizeLine = {};
    ::GetTextExtentPoint32(hDC, kLineHeightSample, 1, &sizeLine);
    if (m_bLink) {
        const int nLineHeight = LinkLineHeight(hDC, m_nLinkLineHeight);
        int lines = WrapTextLines(pDC, JoinedLines(m_strText), rc, TRUE, nLineHeight);
        rc.bottom = rc.top + lines * nLineHeight;
    }
    if (hOldFont != NULL)
        ::SelectObject(hDC, hOldFont);

    SIZE sizeIcon = m_hIcon != NULL ? m_sizeIcon : CSize(0, 0);
    vxBalloonShape shape = vxCalcBalloonShape(rc.Size(), sizeIcon, sizeLine.cy, Metrics(), m_nStem);
    const int w = shape.sizeBody.cx;
    const int h = shape.sizeBody.cy;
    HRGN hBody = ::CreateRoundRectRgn(0, shape.yBody, w, shape.yBody + h, m_nMarginX, m_nMarginY);
    HRGN hStem = ::CreatePolygonRgn(shape.ptStem, 3, ALTERNATE);
    *phRgn = ::CreateRectRgn(0, 0, shape.sizeWnd.cx, shape.sizeWnd.cy);
    ::CombineRgn(*phRgn, hBody, hStem, RGN_OR);
    ::DeleteObject(hBody);
    ::DeleteObject(hStem);
    if (pSize != NULL)
        *pSize = shape.sizeWnd;
    return 1;
}

int rvToolTip::WrapTextLines(CDC* pDC, CString strText, CRect rcText, BOOL bCalcOnly,
                             int nLineHeight)
{
    if (nLineHeight < 0 || pDC == NULL)
        return 0;
    HDC hDC = pDC->GetSafeHdc();
    LPCTSTR pszText = strText;
    // Measured and drawn as single lines, so that what was measured is what is drawn.
    auto measure = [hDC](LPCTSTR pszPart, int nLength) {
        CRect rc(0, 0, 0, 0);
        ::DrawText(hDC, pszPart, nLength, &rc, DT_CALCRECT | DT_SINGLELINE);
        return rc.Width();
    };
    auto charUnits = [](LPCTSTR psz, int nAvailable) { return vxCharUnits(psz, nAvailable); };
    int nLine = 0;
    vxTakeLine draw;
    if (!bCalcOnly) {
        draw = [&](int nStart, int nLength) {
            RECT box = vxWrapLineBox(rcText, nLine++, nLineHeight);
            ::DrawText(hDC, pszText + nStart, nLength, &box, DT_SINGLELINE);
        };
    }
    return vxWrapText(pszText, strText.GetLength(), rcText.Width(), measure, charUnits, draw);
}

namespace {

// What a paint makes, freed however it ends: out of memory while the text is wrapped, the
// region and the link font do not outlive the paint.
struct PaintObjects {
    explicit PaintObjects(HDC hdc) : hDC(hdc) {}
    ~PaintObjects()
    {
        ReleaseFont();
        if (hRgn != NULL)
            ::DeleteObject(hRgn);
    }
    PaintObjects(const PaintObjects&) = delete;
    PaintObjects& operator=(const PaintObjects&) = delete;
    // The DC's font back, and the link font deleted.
    void ReleaseFont()
    {
        if (hOldFont != NULL)
            ::SelectObject(hDC, hOldFont);
        hOldFont = NULL;
        if (hLinkFont != NULL)
            ::DeleteObject(hLinkFont);
        hLinkFont = NULL;
    }

    HDC hDC;
    HRGN hRgn = NULL;
    HFONT hLinkFont = NULL;
    HGDIOBJ hOldFont = NULL;                  // selected out by the text font
};

} // namespace

void rvToolTip::OnPaint()
{
    CPaintDC dc(this);
    HDC hDC = dc.GetSafeHdc();
    PaintObjects objects(hDC);
    HRGN& hRgn = objects.hRgn;
    if (!GetWindowRegion(&dc, &hRgn, NULL))
        return;

    // Fill, then a three-pixel inner frame whose outermost pixel the outer frame covers. Under
    // high contrast the user's colours replace the host's: the window's, framed in its text's.
    const BOOL bContrast = vxIsHighContrast();
    HBRUSH hBk = ::CreateSolidBrush(bContrast ? ::GetSysColor(COLOR_WINDOW) : m_clrBk);
    HBRUSH hInner = ::CreateSolidBrush(bContrast ? ::GetSysColor(COLOR_WINDOWTEXT) : m_clrInnerFrame);
    HBRUSH hFrame = ::CreateSolidBrush(bContrast ? ::GetSysColor(COLOR_WINDOWTEXT) : m_clrFrame);
    ::FillRgn(hDC, hRgn, hBk);
    ::FrameRgn(hDC, hRgn, hInner, 3, 3);
    ::FrameRgn(hDC, hRgn, hFrame, 1, 1);
    ::DeleteObject(hBk);
    ::DeleteObject(hInner);
    ::DeleteObject(hFrame);

    CRect rcText = TextRect();

    // A link hovered or focused is drawn underlined in blue, in an underlined copy of the text
    // font; focused, it is framed by a focus rectangle too.
    const BOOL bFocused = ::GetFocus() == m_hWnd;
    HFONT hFont = TextFont();
    HFONT& hLinkFont = objects.hLinkFont;
    COLORREF clrOld = bContrast ? ::SetTextColor(hDC, ::GetSysColor(COLOR_WINDOWTEXT)) : CLR_INVALID;
    if (m_bLink && (m_bHover || bFocused)) {
        LOGFONT lf = {};
        HGDIOBJ hBase = hFont != NULL ? hFont : ::GetCurrentObject(hDC, OBJ_FONT);
        if (::GetObject(hBase, sizeof(lf), &lf)) {
            lf.lfUnderline = TRUE;
            hLinkFont = ::CreateFontIndirect(&lf);
        }
        if (hLinkFont != NULL) {
            hFont = hLinkFont;
            const COLORREF clrLink = bContrast ? ::GetSysColor(COLOR_HOTLIGHT) : kLinkColour;
            const COLORREF clrBefore = ::SetTextColor(hDC, clrLink);
            if (clrOld == CLR_INVALID)
                clrOld = clrBefore;
        }
    }
    objects.hOldFont = hFont != NULL ? ::SelectObject(hDC, hFont) : NULL;
    ::SetBkMode(hDC, TRANSPARENT);

    if (m_bLink) {
        rcText.right -= m_nMarginX;
        WrapTextLines(&dc, JoinedLines(m_strText), rcText, FALSE, LinkLineHeight(hDC, m_nLinkLineHeight));
        if (bFocused)
            vxDrawFocusCue(m_hWnd, hDC, rcText, TRUE);   // only Tab brings the focus here
    } else {
        ::DrawText(hDC, m_strText, m_strText.GetLength(), &rcText, DT_EXTERNALLEADING);
    }
    SIZE sizeSample = {};
    ::GetTextExtentPoint32(hDC, kLineHeightSample, 1, &sizeSample);

    if (clrOld != CLR_INVALID)
        ::SetTextColor(hDC, clrOld);
    objects.ReleaseFont();

    // The icon's bottom on the first line's bottom.
    if (m_hIcon != NULL) {
        int y = BodyTop() + vxBalloonIconTop(sizeSample.cy, m_sizeIcon.cy, Metrics());
        ::DrawIconEx(hDC, m_nMarginX, y, m_hIcon, m_sizeIcon.cx, m_sizeIcon.cy, 0, NULL,
                     DI_NORMAL);
    }
}

void rvToolTip::SetIcon(HICON hIcon)
{
    if (hIcon == m_hIcon)
        return;
    m_hIcon = hIcon;
    if (hIcon == NULL) {
        m_sizeIcon = CSize(0, 0);
        return;
    }
    m_sizeIcon = IconSize(hIcon);
    // Size and region follow at the next Show or SetTipText.
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
