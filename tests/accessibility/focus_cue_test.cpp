// Focus cues as the system's controls draw them: hidden while the window's UI state hides them
// (the focus came by the mouse), shown once the keyboard is used, as thick as the system's
// focus border at the window's DPI. Wine keeps no UI state (every window answers 0), so the
// windows here answer WM_QUERYUISTATE as Windows would, by a subclass of the test's.
#include "vxCtrlListView.h"
#include "vxFocusCueThickness.h"
#include "vxtest.h"

#include <gtest/gtest.h>

namespace {

LRESULT s_uiState = 0;
WNDPROC s_previous = NULL;
LRESULT CALLBACK AnswerUiState(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUERYUISTATE)
        return s_uiState;
    return ::CallWindowProc(s_previous, hwnd, message, wParam, lParam);
}

// Pixels of the row (or column) two inside the window's top (left) edge, where a cue drawn two
// pixels in runs, that differ from the face four pixels in on the row below.
int MarkedPixels(HWND hwnd, bool bColumn = false)
{
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    const COLORREF face = vxtest::PixelAt(hwnd, rc.left + 4, rc.top + 3);
    const RECT line = bColumn ? RECT{2, 4, 3, rc.bottom - 4} : RECT{4, 2, rc.right - 4, 3};
    return (line.right - line.left) * (line.bottom - line.top) - vxtest::CountColour(hwnd, line, face);
}

TEST(FocusCues, ASkinnedItemHidesItsCueWhileTheUiStateDoes)
{
    vxtest::HostWindow host;
    vxCtrlListView list;
    ASSERT_TRUE(list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 110), CWnd::FromHandle(host.Hwnd()), 7));
    list.AddGroup(_T("Apps"), NULL, 0);
    list.AddItem(0, _T("listview.item"), _T("One"), NULL);
    vxtest::PumpMessages();
    HWND item = ::FindWindowExA(list.m_hWnd, NULL, "Button", "One");
    s_previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(item, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AnswerUiState)));
    s_uiState = UISF_HIDEFOCUS;
    vxtest::Click(vxtest::CentreOf(item));
    ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == item; }));
    vxtest::MouseMove({5, 5});                   // the face not hot
    vxtest::PumpMessages();
    ::RedrawWindow(item, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(MarkedPixels(item), 0);
    // The keyboard used: the state clears, and the window is told.
    s_uiState = 0;
    ::SendMessage(item, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    vxtest::PumpMessages();
    ::UpdateWindow(item);
    EXPECT_GT(MarkedPixels(item), 10);           // the dotted cue, every other pixel
    EXPECT_GT(MarkedPixels(item, true), 5);
    ::SetWindowLongPtr(item, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s_previous));
}

TEST(FocusCues, AsThickAsTheSystemsFocusBorderAtTheWindowsDpi)
{
    struct Case
    {
        int border, dpi, systemDpi, expected;
    } const cases[] = {{1, 96, 96, 1}, {1, 144, 96, 2}, {1, 192, 96, 2}, {2, 96, 96, 2}, {1, 96, 144, 1},
                       {2, 144, 144, 2}, {0, 96, 96, 1}, {1, 120, 0, 1}, {3, 120, 0, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(vxFocusCueThickness(c.border, c.dpi, c.systemDpi), c.expected)
            << c.border << " " << c.dpi << " " << c.systemDpi;
}

} // namespace
