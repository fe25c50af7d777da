// The test support's readers that other tests rely on to fail: recording tells sent from
// posted, counts see objects come and go.
#include <gtest/gtest.h>

#include "vxtest.h"

using namespace vxtest;

TEST(TestSupport, RecorderTellsSentFromPostedInOrder)
{
    HostWindow host;
    host.Recorder().Clear();
    ::SendMessageA(host.Hwnd(), WM_USER + 1, 1, 2);
    ::PostMessageA(host.Hwnd(), WM_USER + 2, 3, 4);
    ::SendMessageA(host.Hwnd(), WM_USER + 3, 5, 6);
    PumpMessages();
    auto user = host.Recorder().Filter([](const RecordedMessage& m) {
        return m.message >= WM_USER + 1 && m.message <= WM_USER + 3;
    });
    ASSERT_EQ(3u, user.size());
    EXPECT_EQ(WM_USER + 1, user[0].message);
    EXPECT_FALSE(user[0].posted);
    EXPECT_EQ(WM_USER + 3, user[1].message);
    EXPECT_FALSE(user[1].posted);
    EXPECT_EQ(WM_USER + 2, user[2].message);
    EXPECT_TRUE(user[2].posted);
    EXPECT_EQ(3u, user[2].wParam);
    EXPECT_EQ(4, user[2].lParam);
}

TEST(TestSupport, CountsFollowObjectsAndWindows)
{
    GuiCounts before = GuiCounts::Now();
    ASSERT_GT(before.gdi, 0);
    HBRUSH brushes[5];
    for (HBRUSH& b : brushes)
        b = ::CreateSolidBrush(RGB(1, 2, 3));
    HWND w = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    GuiCounts during = GuiCounts::Now();
    EXPECT_EQ(before.gdi + 5, during.gdi);
    EXPECT_EQ(before.windows + 1, during.windows);
    for (HBRUSH b : brushes)
        ::DeleteObject(b);
    ::DestroyWindow(w);
    EXPECT_EQ(before, GuiCounts::Now()) << ToString(GuiCounts::Now());
}
