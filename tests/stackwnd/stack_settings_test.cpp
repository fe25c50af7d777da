// Settings and the layout they give: padding and spacing, button size, the width cut by
// padding, automatic width through resizes, and the entry height of sub-item lists.
#include "stack_fixture.h"

namespace {

using namespace stacktest;
using Shown = std::vector<int>;

using StackSettingsTest = StackTest;

TEST_F(StackSettingsTest, PaddingAndSpaceShapeTheStack)
{
    // Client 200 x 300, padding 10 all round, space 5, item 1 of three open.
    CreateStack(200, 300);
    AddLists(3, 2);
    ClickItem(1);
    stack.SetPadding(10, 10, 10, 10);
    stack.SetSpace(5);
    EXPECT_PLACE(Button(0), 10, 10, 160, 30);
    EXPECT_PLACE(Button(1), 10, 35, 160, 55);
    EXPECT_PLACE(Content(1), 10, 60, 160, 265);
    EXPECT_PLACE(Button(2), 10, 270, 160, 290);
    EXPECT_EQ(ShownContents(), Shown{1});
}

TEST_F(StackSettingsTest, ItemSizeSetsEveryButtonAndTheContentWidth)
{
    CreateStack(200, 300);
    AddLists(2, 2);
    stack.ExpandItem(0);
    stack.SetItemSize(120, 30);
    EXPECT_PLACE(Button(0), 0, 0, 120, 30);
    EXPECT_PLACE(Content(0), 0, 30, 120, 270);
    EXPECT_PLACE(Button(1), 0, 270, 120, 300);
}

TEST_F(StackSettingsTest, AutomaticWidthFollowsTheClient)
{
    CreateStack(200, 300);
    AddLists(2, 2);
    stack.ExpandItem(1);
    stack.SetPadding(10, 0, 10, 0);
    stack.SetItemSize(100, 20);
    stack.SetAutoWidth(1);
    EXPECT_PLACE(Button(0), 10, 0, 190, 20);
    EXPECT_PLACE(Content(1), 10, 40, 190, 300);

    stack.MoveWindow(10, 10, 300, 250);
    vxtest::PumpMessages();
    EXPECT_PLACE(Button(0), 10, 0, 290, 20);
    EXPECT_PLACE(Content(1), 10, 40, 290, 250);

    // A width given while it is on holds until the next resize; turning it on again does nothing.
    stack.SetItemSize(120, 20);
    EXPECT_PLACE(Button(0), 10, 0, 130, 20);
    stack.SetAutoWidth(1);
    EXPECT_PLACE(Button(0), 10, 0, 130, 20);
    stack.MoveWindow(10, 10, 250, 250);
    vxtest::PumpMessages();
    EXPECT_PLACE(Button(0), 10, 0, 240, 20);

    // Off: the width stays through resizes, the height still follows them.
    stack.SetAutoWidth(0);
    stack.MoveWindow(10, 10, 400, 200);
    vxtest::PumpMessages();
    EXPECT_PLACE(Button(0), 10, 0, 240, 20);
    EXPECT_PLACE(Content(1), 10, 40, 240, 200);
}

TEST_F(StackSettingsTest, SettingsGivenBeforeTheWindowApplyWhenItIsMade)
{
    stack.SetAutoWidth(1);
    stack.SetPadding(5, 6, 5, 0);
    stack.SetSpace(2);
    CreateStack(200, 300);
    AddLists(2, 1);
    EXPECT_PLACE(Button(0), 5, 6, 195, 26);
    EXPECT_PLACE(Button(1), 5, 28, 195, 48);
}

TEST_F(StackSettingsTest, SubItemHeightSetsTheRowsOfEveryList)
{
    CreateStack(200, 300);
    AddLists(1, 5);
    EXPECT_EQ(::SendMessage(Content(0), LB_GETITEMHEIGHT, 0, 0), 23);
    stack.SetSubItemHeight(30);
    AddLists(1, 5);
    EXPECT_EQ(::SendMessage(Content(0), LB_GETITEMHEIGHT, 0, 0), 30);
    EXPECT_EQ(::SendMessage(Content(1), LB_GETITEMHEIGHT, 0, 0), 30);

    // A user's click lands on the entry drawn at the new height.
    ClickItem(1);
    host.Recorder().Clear();
    ClickEntry(Content(1), 3, 30);
    EXPECT_EQ(Selections(host.Recorder()), (Selected{{1, 3}}));
}

} // namespace
