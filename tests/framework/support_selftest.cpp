// The test support itself: input reaches windows, recording tells sent from posted, counts
// see objects come and go.
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

TEST(TestSupport, MouseAndKeysReachTheWindowUnderThePointer)
{
    HostWindow host(300, 200);
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24,
                                  host.Hwnd(), nullptr, nullptr, nullptr);
    MessageRecorder recorder(edit);
    Click(CentreOf(edit));
    EXPECT_TRUE(PumpUntil([&] { return ::GetFocus() == edit; }));
    EXPECT_GE(recorder.Count(WM_LBUTTONDOWN), 1);
    EXPECT_GE(recorder.Count(WM_LBUTTONUP), 1);
    TypeText("Ab 1");
    char text[32] = {};
    ::GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ("Ab 1", text);

    POINT target = ScreenPoint(host.Hwnd(), 250, 150);
    MouseMove(target);
    POINT now;
    ::GetCursorPos(&now);
    EXPECT_EQ(target.x, now.x);
    EXPECT_EQ(target.y, now.y);
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
