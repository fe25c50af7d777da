// A list view in a host window, with helpers to find item windows by caption and to read
// where a child window stands in the list view's client area.
#pragma once

#include "vxCtrlListView.h"
#include "vxtest.h"
#include "vxtest_checks.h"

#include <gtest/gtest.h>

#include <string>

// Exposes the command handler so that its result can be checked.
class ProbeListView : public vxCtrlListView
{
public:
    BOOL Command(WPARAM wParam, LPARAM lParam) { return OnCommand(wParam, lParam); }
};

class ListViewTest : public ::testing::Test
{
protected:
    // A borderless list view at (10, 10) in an 800 x 600 host.
    void CreateList(int width = 400, int height = 300)
    {
        ASSERT_TRUE(list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + width, 10 + height),
                                CWnd::FromHandle(host.Hwnd()), 1));
        vxtest::PumpMessages();
    }

    HWND List() const { return list.GetSafeHwnd(); }

    // The item or header window with this caption.
    HWND Child(const std::string& caption, const char* cls = "Button") const
    {
        return ::FindWindowExA(List(), NULL, cls, caption.c_str());
    }
    HWND Header(const std::string& title) const { return Child(title, "Static"); }

    // A window's rectangle in the list view's client coordinates.
    RECT PlaceOf(HWND hwnd) const { return vxtest::PlaceIn(List(), hwnd); }

    int ScrollPos() const { return ::GetScrollPos(List(), SB_VERT); }
    bool BarShown() const { return (::GetWindowLongA(List(), GWL_STYLE) & WS_VSCROLL) != 0; }

    // One group without header of n items captioned "<prefix><i>".
    int AddNamedItems(int group, const std::string& prefix, int n)
    {
        int last = -1;
        for (int i = 0; i < n; ++i)
            last = list.AddItem(group, NULL, CString((prefix + std::to_string(i)).c_str()), NULL);
        return last;
    }

    vxtest::HostWindow host;
    ProbeListView list;
};

#define EXPECT_PLACE(hwnd, l, t, r, b)                                                      \
    EXPECT_TRUE(vxtest::SameRect(PlaceOf(hwnd), RECT{l, t, r, b}))                                   \
        << #hwnd << " at " << vxtest::Show(PlaceOf(hwnd)) << " expected " << vxtest::Show(RECT{l, t, r, b})
