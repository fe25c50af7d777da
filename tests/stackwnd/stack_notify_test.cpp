// Sub-item selection: a user's click or key in an open sub-item list is sent to the notify
// window, or to the parent when none is set, as WM_STACKWND_SUBITEMSEL with the item and the
// entry; lists of closed items and custom contents send nothing.
#include "stack_fixture.h"

namespace {

using namespace stacktest;

using StackNotifyTest = StackTest;

TEST_F(StackNotifyTest, ClickOnAnEntryIsSentToTheParent)
{
    CreateStack(200, 300);
    AddLists(3, 5);
    ClickItem(1);
    host.Recorder().Clear();

    ClickEntry(Content(1), 3);
    EXPECT_EQ(Selections(host.Recorder()), (Selected{{1, 3}}));
    const std::vector<vxtest::RecordedMessage> sent = host.Recorder().Filter(WM_STACKWND_SUBITEMSEL);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_FALSE(sent[0].posted);
    EXPECT_EQ(Selection(1), 3);

    // The list has the focus now; a key moves the selection and is reported the same way.
    vxtest::KeyPress(VK_DOWN);
    EXPECT_EQ(Selections(host.Recorder()), (Selected{{1, 3}, {1, 4}}));
}

TEST_F(StackNotifyTest, NotifyWindowTakesThePlaceOfTheParent)
{
    CreateStack(200, 300);
    AddLists(3, 5);
    vxtest::HostWindow notify(300, 200);
    ::MoveWindow(notify.Hwnd(), 950, 100, 300, 200, TRUE);  // off the host, under no click
    stack.SetNotifyWnd(CWnd::FromHandle(notify.Hwnd()));
    ClickItem(2);
    host.Recorder().Clear();

    ClickEntry(Content(2), 0);
    EXPECT_EQ(Selections(notify.Recorder()), (Selected{{2, 0}}));
    EXPECT_EQ(host.Recorder().Count(WM_STACKWND_SUBITEMSEL), 0);

    stack.SetNotifyWnd(NULL);
    ClickEntry(Content(2), 4);
    EXPECT_EQ(Selections(host.Recorder()), (Selected{{2, 4}}));
    EXPECT_EQ(Selections(notify.Recorder()), (Selected{{2, 0}}));
}

TEST_F(StackNotifyTest, TwoExpandedListsReportTheirOwnItems)
{
    CreateStack(200, 400);
    AddLists(3, 5);
    stack.ExpandItem(0);
    stack.ExpandItem(1);
    // Free height 400 - 60 = 340 for each: list 0 at 20..360, button 1 at 360, list 1 from 380
    // on, its first row still inside the stack window.
    EXPECT_PLACE(Content(0), 0, 20, 150, 360);
    EXPECT_PLACE(Button(1), 0, 360, 150, 380);
    EXPECT_PLACE(Content(1), 0, 380, 150, 720);
    host.Recorder().Clear();

    ClickEntry(Content(0), 2);
    ClickEntry(Content(1), 0);
    EXPECT_EQ(Selections(host.Recorder()), (Selected{{0, 2}, {1, 0}}));
}

TEST_F(StackNotifyTest, ChangesInListsOfClosedItemsAreNotReported)
{
    CreateStack(200, 300);
    AddLists(2, 3);
    ClickItem(1);
    host.Recorder().Clear();

    // A selection change of the closed item 0's list, as the list would send it.
    ::SendMessage(Content(0), LB_SETCURSEL, 1, 0);
    stack.SendMessage(WM_COMMAND, MAKEWPARAM(200, LBN_SELCHANGE), (LPARAM)Content(0));
    EXPECT_EQ(host.Recorder().Count(WM_STACKWND_SUBITEMSEL), 0);
}

} // namespace
