// The balloon tooltip in link mode showing and painting a text of 4,000 characters (50 lines
// of 80) and hiding it, against a system pop-up shown, the same text measured and drawn
// word-wrapped into it, and hidden; and the same with lines twice as long, which takes twice
// the time when wrapping is linear (four times when it is quadratic in the line's length).
#include "bench.h"

#include <afxwin.h>

#include "rvToolTip.h"

#include <memory>
#include <string>

namespace {

vxbench::tstring LongText(int nLineLength)
{
    vxbench::tstring text;
    for (int line = 0; line < 50; ++line) {
        if (line > 0)
            text += _T('\n');
        for (int i = 0; i < nLineLength; ++i)
            text += static_cast<TCHAR>(i % 9 == 8 ? ' ' : 'a' + (line + i) % 26);
    }
    return text;
}

struct Balloon {
    HWND hHost = NULL;
    rvToolTip tip;
    CString text;

    explicit Balloon(int nLineLength) : text(LongText(nLineLength).c_str())
    {
        hHost = ::CreateWindowEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                  100, NULL, NULL, AfxGetInstanceHandle(), NULL);
        tip.Create(CWnd::FromHandle(hHost));
        tip.SetbLink(TRUE);
    }
    ~Balloon()
    {
        tip.DestroyWindow();
        ::DestroyWindow(hHost);
    }
    void ShowPaintHide()
    {
        CPoint pt(400, 300);
        tip.Show(text, &pt, "");
        if (!tip.IsWindowVisible())
            vxbench::Fail("the balloon did not show");
        tip.UpdateWindow();
        tip.Hide(0);
    }
};

} // namespace

VXBENCH_FIGURE(tooltip_link_text_4000)
{
    auto balloon = std::make_shared<Balloon>(80);
    HWND hSystem = ::CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, _T("STATIC"), _T(""), WS_POPUP, 10,
                                     10, 800, 900, NULL, NULL, AfxGetInstanceHandle(), NULL);
    vxbench::Comparison c;
    c.baseline = "a system pop-up shown, the same text measured and drawn word-wrapped, hidden";
    c.runBaseline = [balloon, hSystem] {
        ::SetWindowPos(hSystem, HWND_TOPMOST, 10, 10, 800, 900, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        HDC hDC = ::GetDC(hSystem);
        HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
        CRect rc(0, 0, 0, 0);
        ::DrawText(hDC, balloon->text, balloon->text.GetLength(), &rc, DT_CALCRECT);
        ::DrawText(hDC, balloon->text, balloon->text.GetLength(), &rc, DT_CALCRECT | DT_WORDBREAK);
        ::DrawText(hDC, balloon->text, balloon->text.GetLength(), &rc, DT_WORDBREAK);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(hSystem, hDC);
        ::ShowWindow(hSystem, SW_HIDE);
    };
    c.runSubject = [balloon] { balloon->ShowPaintHide(); };
    c.cleanup = [balloon, hSystem] { ::DestroyWindow(hSystem); };
    return c;
}

VXBENCH_FIGURE(tooltip_link_text_lines_twice_as_long)
{
    auto shorter = std::make_shared<Balloon>(80);
    auto longer = std::make_shared<Balloon>(160);
    vxbench::Comparison c;
    c.baseline = "the balloon with 50 lines of 80 characters";
    c.runBaseline = [shorter] { shorter->ShowPaintHide(); };
    c.runSubject = [longer] { longer->ShowPaintHide(); };
    c.cleanup = [shorter, longer] {};
    c.targetRatio = 2.2;
    return c;
}
