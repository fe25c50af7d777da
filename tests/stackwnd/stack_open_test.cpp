// Opening and closing items: real clicks on item buttons open one item and close the others,
// ExpandItem leaves several open, SelectSubItem opens its item alone; clicks that come from
// no item button (a custom content that is a button, a menu command) change nothing; in a
// dialog, Tab reaches the item buttons of a stack made from the dialog's control.
#include "dialog_template.h"
#include "stack_fixture.h"

namespace {

using namespace stacktest;
using Shown = std::vector<int>;

using StackOpenTest = StackTest;

TEST_F(StackOpenTest, ClickOnAButtonOpensItsItemAloneWithTheFreeHeight)
{
    CreateStack(200, 300);
    AddLists(3, 5);

    ClickItem(1);
    EXPECT_EQ(ShownContents(), Shown{1});
    EXPECT_PLACE(Content(1), 0, 40, 150, 280);
    EXPECT_PLACE(Button(2), 0, 280, 150, 300);

    // The last item: its content ends at the bottom, the others' buttons move back up.
    ClickItem(2);
    EXPECT_EQ(ShownContents(), Shown{2});
    EXPECT_PLACE(Button(1), 0, 20, 150, 40);
    EXPECT_PLACE(Button(2), 0, 40, 150, 60);
    EXPECT_PLACE(Content(2), 0, 60, 150, 300);

    // Item clicks are no sub-item selections.
    EXPECT_EQ(host.Recorder().Count(WM_STACKWND_SUBITEMSEL), 0);
}

TEST_F(StackOpenTest, ClickOnTheOpenItemsButtonMovesNothing)
{
    CreateStack(200, 300);
    AddLists(3, 5);
    ClickItem(1);

    vxtest::MessageRecorder content(Content(1)), below(Button(2));
    ClickItem(1);
    EXPECT_EQ(ShownContents(), Shown{1});
    EXPECT_EQ(content.Count(WM_WINDOWPOSCHANGING), 0);
    EXPECT_EQ(below.Count(WM_WINDOWPOSCHANGING), 0);
    EXPECT_PLACE(Content(1), 0, 40, 150, 280);
}

TEST_F(StackOpenTest, SpaceOnAFocusedButtonOpensItsItem)
{
    CreateStack(200, 300);
    AddLists(3, 2);
    ::SetFocus(Button(2));
    vxtest::KeyPress(VK_SPACE);
    EXPECT_EQ(ShownContents(), Shown{2});
    EXPECT_PLACE(Content(2), 0, 60, 150, 300);
}

TEST_F(StackOpenTest, ExpandItemLeavesOthersOpenAndEachGetsTheFreeHeight)
{
    CreateStack(200, 300);
    AddLists(3, 5);
    stack.ExpandItem(0);
    stack.ExpandItem(2);
    EXPECT_EQ(ShownContents(), (Shown{0, 2}));
    EXPECT_PLACE(Content(0), 0, 20, 150, 260);
    EXPECT_PLACE(Button(1), 0, 260, 150, 280);
    EXPECT_PLACE(Button(2), 0, 280, 150, 300);
    EXPECT_PLACE(Content(2), 0, 300, 150, 540);

    // Indices that name nothing change nothing.
    stack.ExpandItem(-1);
    stack.ExpandItem(3);
    EXPECT_EQ(ShownContents(), (Shown{0, 2}));

    // A click on an open item's button closes the other open one and hides its content.
    ClickItem(0);
    EXPECT_EQ(ShownContents(), Shown{0});
    EXPECT_PLACE(Content(0), 0, 20, 150, 260);
    EXPECT_PLACE(Button(2), 0, 280, 150, 300);
}

TEST_F(StackOpenTest, SelectSubItemOpensItsItemAloneAndSelectsQuietly)
{
    CreateStack(200, 300);
    AddLists(3, 5);
    vxtest::HostWindow notify;
    stack.ExpandItem(0);
    stack.ExpandItem(2);

    EXPECT_TRUE(stack.SelectSubItem(1, 2));
    vxtest::PumpMessages();
    EXPECT_EQ(ShownContents(), Shown{1});
    EXPECT_PLACE(Content(1), 0, 40, 150, 280);
    EXPECT_EQ(Selection(1), 2);
    EXPECT_EQ(host.Recorder().Count(WM_STACKWND_SUBITEMSEL), 0);

    // Entries that do not exist: nothing selected, the item stays open.
    EXPECT_FALSE(stack.SelectSubItem(1, 5));
    EXPECT_FALSE(stack.SelectSubItem(1, -1));
    EXPECT_EQ(ShownContents(), Shown{1});
    EXPECT_EQ(Selection(1), 2);

    // With a notify window set, neither it nor the parent hears of it.
    stack.SetNotifyWnd(CWnd::FromHandle(notify.Hwnd()));
    EXPECT_TRUE(stack.SelectSubItem(0, 4));
    vxtest::PumpMessages();
    EXPECT_EQ(ShownContents(), Shown{0});
    EXPECT_EQ(Selection(0), 4);
    EXPECT_EQ(notify.Recorder().Count(WM_STACKWND_SUBITEMSEL), 0);
    EXPECT_EQ(host.Recorder().Count(WM_STACKWND_SUBITEMSEL), 0);

    // Items that do not exist.
    EXPECT_FALSE(stack.SelectSubItem(-1, 0));
    EXPECT_FALSE(stack.SelectSubItem(3, 0));
    EXPECT_EQ(ShownContents(), Shown{0});
}

// The host's button as the content of item 2, a child of the stack window like the items.
class StrayClickTest : public StackTest
{
protected:
    void SetUp() override
    {
        CreateStack(200, 300);
        AddLists(2, 3);
        ASSERT_TRUE(custom.Create(_T("Custom"), WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 10, 10), &stack, 77));
        ASSERT_EQ(stack.AddCustomItem(_T("Custom item"), &custom), 2);
        ClickItem(2);
        ASSERT_EQ(ShownContents(), Shown{2});
    }

    // Relayouts (the item list is not empty), so what is open shows in the windows.
    void Relayout() { stack.SetSpace(0); }

    void ExpectItemTwoStillOpen()
    {
        EXPECT_EQ(ShownContents(), Shown{2});
        EXPECT_PLACE(custom.GetSafeHwnd(), 0, 60, 150, 300);
        Relayout();
        EXPECT_EQ(ShownContents(), Shown{2});
        EXPECT_PLACE(custom.GetSafeHwnd(), 0, 60, 150, 300);
    }

    CButton custom;
};

TEST_F(StrayClickTest, ClickOnACustomContentButtonIsNoItemClick)
{
    vxtest::Click(vxtest::CentreOf(custom.GetSafeHwnd()));
    ExpectItemTwoStillOpen();
}

TEST_F(StrayClickTest, MenuCommandWithAnItemButtonsIdIsNoItemClick)
{
    // Id 100 is item 0's button; a menu or accelerator command has no sender window.
    stack.SendMessage(WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), 0);
    stack.SendMessage(WM_COMMAND, MAKEWPARAM(100, 1), 0);
    ExpectItemTwoStillOpen();
}

TEST_F(StrayClickTest, ClickOfAButtonElsewhereIsNoItemClick)
{
    HWND other = ::CreateWindowExA(0, "Button", "Other", WS_CHILD | WS_VISIBLE, 300, 10, 80, 24,
                                   host.Hwnd(), (HMENU)100, ::GetModuleHandleA(NULL), NULL);
    ASSERT_TRUE(other);
    stack.SendMessage(WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), (LPARAM)other);
    ExpectItemTwoStillOpen();
    ::DestroyWindow(other);
}

} // namespace

namespace {

// A stack made from a dialog's control: Tab goes on from the edit before it to its first item
// button, as to the buttons of a stack the host created.
TEST(StackInADialog, ASubclassedControlsItemButtonsAreTabStops)
{
    vxtest::DialogTemplate tpl(200, 150);
    tpl.Item(vxtest::DialogTemplate::kEdit, WS_TABSTOP | WS_BORDER, 5, 5, 100, 12, 100);
    tpl.Item(vxtest::DialogTemplate::kStatic, 0, 5, 20, 150, 100, 101);
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
    vxCtrlStackWnd stack;
    ASSERT_TRUE(stack.SubclassDlgItem(101, &dlg));
    ASSERT_EQ(stack.AddItem(_T("Mail"), NULL, NULL), 0);
    const vxtest::PreTranslateFn plain = vxtest::SetPreTranslate(AfxPreTranslateMessage);
    HWND hEdit = ::GetDlgItem(dlg.m_hWnd, 100);
    vxtest::Click(vxtest::CentreOf(hEdit));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == hEdit; }));
    vxtest::KeyPress(VK_TAB);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == stack.GetItemButton(0)->m_hWnd; }));
    vxtest::SetPreTranslate(plain);
    dlg.DestroyWindow();
}

} // namespace
