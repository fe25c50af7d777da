// The stack window as a screen reader reads it and as the keyboard alone drives it: item
// buttons expanded while open, sub-item lists read row by row; Up and Down between the
// buttons, Enter and Space opening an item.
#include "accessible_reader.h"
#include "vxCtrlStackWnd.h"
#include "vxtest.h"

#include <gtest/gtest.h>

namespace {

class StackAccessible : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(stack.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 310),
                                 CWnd::FromHandle(host.Hwnd()), 5));
        ASSERT_EQ(stack.AddItem(_T("Messages"), NULL, NULL), 0);
        ASSERT_EQ(stack.AddItem(_T("Programs"), NULL, NULL), 1);
        stack.AddSubItem(0, _T("Build passed"), NULL);
        stack.AddSubItem(0, _T("Disk almost full"), NULL);
        stack.AddSubItem(1, _T("Editor"), NULL);
        vxtest::PumpMessages();
    }
    HWND Button(int item) { return stack.GetItemButton(item)->m_hWnd; }
    long Expanded(int item)
    {
        return a11y::Reader(Button(item)).State() & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED);
    }

    a11y::ComScope com;
    vxtest::HostWindow host;
    vxCtrlStackWnd stack;
};

TEST_F(StackAccessible, ButtonsTellWhetherTheirItemIsOpenAndListsAreReadRowByRow)
{
    a11y::Reader button(Button(0));
    ASSERT_TRUE(button.Ok());
    EXPECT_EQ(button.Role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(button.Name(), "Messages");
    EXPECT_EQ(button.DefaultAction(), "Open");
    EXPECT_EQ(Expanded(0), STATE_SYSTEM_COLLAPSED);

    a11y::EventLog log;
    ASSERT_TRUE(stack.SelectSubItem(0, 1));
    EXPECT_EQ(Expanded(0), STATE_SYSTEM_EXPANDED);
    EXPECT_EQ(Expanded(1), STATE_SYSTEM_COLLAPSED);
    vxtest::PumpMessages();
    const std::vector<std::string> opened = {"state messages 0"};
    EXPECT_EQ(log.Lines({{Button(0), "messages"}}), opened);

    a11y::Reader list(stack.GetItemContent(0)->m_hWnd);
    ASSERT_TRUE(list.Ok());
    EXPECT_EQ(list.Role(), ROLE_SYSTEM_LIST);
    EXPECT_EQ(list.Name(), "Messages");
    ASSERT_EQ(list.ChildCount(), 2);
    EXPECT_EQ(list.Role(1), ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(list.Name(1), "Build passed");
    EXPECT_EQ(list.Name(2), "Disk almost full");
    EXPECT_EQ(list.Selection(), 2);
    EXPECT_EQ(list.State(2) & STATE_SYSTEM_SELECTED, STATE_SYSTEM_SELECTED);
}

TEST_F(StackAccessible, UpDownEnterAndSpaceDriveTheButtons)
{
    vxtest::Click(vxtest::CentreOf(Button(0)));
    ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == Button(0) && Expanded(0) == STATE_SYSTEM_EXPANDED; }));
    vxtest::KeyPress(VK_DOWN);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == Button(1); }));
    vxtest::KeyPress(VK_DOWN);                   // the last button: the focus stays
    vxtest::PumpMessages();
    EXPECT_EQ(::GetFocus(), Button(1));
    vxtest::KeyPress(VK_RETURN);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return Expanded(1) == STATE_SYSTEM_EXPANDED; }));
    EXPECT_EQ(Expanded(0), STATE_SYSTEM_COLLAPSED);
    vxtest::KeyPress(VK_UP);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == Button(0); }));
    vxtest::KeyPress(VK_SPACE);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return Expanded(0) == STATE_SYSTEM_EXPANDED; }));
}

} // namespace
