// A stack window in a host window, with readers of where its children stand, clicks on item
// buttons and list entries as a user makes them, and the skin engine's journal.
#pragma once

#include "vxCtrlStackWnd.h"
#include "vxtest.h"
#include "vxtest_checks.h"

#include <vexelcore_journal.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace stacktest {

using vxtest::H;
using vxtest::Journal;

class StackTest : public ::testing::Test
{
protected:
    // A borderless stack window at (10, 10) in the 800 x 600 host.
    void CreateStack(int width = 200, int height = 300)
    {
        ASSERT_TRUE(stack.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + width, 10 + height),
                                 HostWnd(), 1));
        vxtest::PumpMessages();
    }

    // n items with sub-item lists captioned "Item <i>", each with `entries` entries.
    void AddLists(int n, int entries, LPCTSTR buttonSkin = NULL, LPCTSTR listSkin = NULL)
    {
        for (int i = 0; i < n; ++i) {
            const int item = stack.AddItem(CString(("Item " + std::to_string(i)).c_str()), buttonSkin, listSkin);
            ASSERT_GE(item, 0);
            for (int k = 0; k < entries; ++k)
                ASSERT_TRUE(stack.AddSubItem(item, CString(("Entry " + std::to_string(k)).c_str()), NULL));
        }
        vxtest::PumpMessages();
    }

    CWnd* HostWnd() { return CWnd::FromHandle(host.Hwnd()); }
    HWND Stack() const { return stack.GetSafeHwnd(); }
    HWND Button(int item) { return stack.GetItemButton(item)->GetSafeHwnd(); }
    HWND Content(int item) { return stack.GetItemContent(item)->GetSafeHwnd(); }
    int Selection(int item) { return (int)::SendMessage(Content(item), LB_GETCURSEL, 0, 0); }

    // A window's rectangle in the stack window's client coordinates.
    RECT PlaceOf(HWND hwnd) const { return vxtest::PlaceIn(Stack(), hwnd); }

    // Indices of the items whose content is shown.
    std::vector<int> ShownContents()
    {
        std::vector<int> shown;
        for (int i = 0; stack.GetItemContent(i); ++i)
            if (::IsWindowVisible(Content(i)))
                shown.push_back(i);
        return shown;
    }

    void ClickItem(int item) { vxtest::Click(vxtest::CentreOf(Button(item))); }

    // A click in the middle of entry `entry` of a list with rows `rowHeight` high.
    void ClickEntry(HWND list, int entry, int rowHeight = 23)
    {
        vxtest::Click(vxtest::ScreenPoint(list, 20, entry * rowHeight + rowHeight / 2));
    }

    // The sub-item selections the host (or another window's recorder) received.
    static std::vector<std::pair<int, int>> Selections(const vxtest::MessageRecorder& recorder)
    {
        std::vector<std::pair<int, int>> got;
        for (const vxtest::RecordedMessage& m : recorder.Filter(WM_STACKWND_SUBITEMSEL))
            got.emplace_back((int)m.wParam, (int)m.lParam);
        return got;
    }

    vxtest::HostWindow host;
    vxCtrlStackWnd stack;
};

using Selected = std::vector<std::pair<int, int>>;

} // namespace stacktest

#define EXPECT_PLACE(hwnd, l, t, r, b)                                                          \
    EXPECT_TRUE(vxtest::SameRect(PlaceOf(hwnd), RECT{l, t, r, b}))                            \
        << #hwnd << " at " << vxtest::Show(PlaceOf(hwnd)) << " expected "                    \
        << vxtest::Show(RECT{l, t, r, b})
