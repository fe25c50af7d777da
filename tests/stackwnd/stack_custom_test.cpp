// Custom items: the host's window as an item's content. Control ids of the made windows;
// every operation on sub-item lists passes a custom content over, even when it is a list box
// itself; an item without a content window is refused.
#include "stack_fixture.h"


namespace {

using namespace stacktest;
using Shown = std::vector<int>;

// The host's list box (with strings and notifications) as the content of item 1, between
// two items with sub-item lists.
class StackCustomTest : public StackTest
{
protected:
    void SetUp() override
    {
        CreateStack(200, 300);
        AddLists(1, 3);
        ASSERT_TRUE(custom.Create(WS_CHILD | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                                  CRect(0, 0, 10, 10), &stack, 55));
        for (LPCTSTR text : {_T("Host one"), _T("Host two"), _T("Host three")})
            custom.AddString(text);
        customHeight = custom.GetItemHeight(0);
        ASSERT_EQ(stack.AddCustomItem(_T("Host's list"), &custom), 1);
        AddLists(1, 3);
    }

    CListBox custom;
    int customHeight = 0;
};

TEST(StackIdsTest, ButtonsAndListsGetTheirControlIds)
{
    vxtest::HostWindow host;
    vxCtrlStackWnd lists, customs;
    for (vxCtrlStackWnd* stack : {&lists, &customs})
        ASSERT_TRUE(stack->Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300),
                                  CWnd::FromHandle(host.Hwnd()), 1));
    CStatic content, other;
    ASSERT_TRUE(content.Create(_T("content"), WS_CHILD, CRect(0, 0, 10, 10), &customs, 900));
    ASSERT_TRUE(other.Create(_T("other"), WS_CHILD, CRect(0, 0, 10, 10), &lists, 901));

    // Items with lists: button id index + 100, list id index + 200; custom ones: the index.
    EXPECT_EQ(lists.AddItem(_T("First"), NULL, NULL), 0);
    EXPECT_EQ(lists.GetItemButton(0)->GetDlgCtrlID(), 100);
    EXPECT_EQ(lists.GetItemContent(0)->GetDlgCtrlID(), 200);
    EXPECT_EQ(lists.AddCustomItem(_T("Second"), &other), 1);
    EXPECT_EQ(lists.GetItemButton(1)->GetDlgCtrlID(), 1);

    EXPECT_EQ(customs.AddCustomItem(_T("First"), &content), 0);
    EXPECT_EQ(customs.GetItemButton(0)->GetDlgCtrlID(), 0);
    EXPECT_EQ(customs.AddItem(_T("Second"), NULL, NULL), 1);
    EXPECT_EQ(customs.GetItemButton(1)->GetDlgCtrlID(), 101);
    EXPECT_EQ(customs.GetItemContent(1)->GetDlgCtrlID(), 201);
    EXPECT_EQ(customs.GetItemContent(0), &content);
    EXPECT_EQ(content.GetDlgCtrlID(), 900);

    // Buttons carry the captions; the sub-item list is the stack window's own kind.
    CString caption;
    customs.GetItemButton(1)->GetWindowText(caption);
    EXPECT_STREQ(caption, _T("Second"));
    EXPECT_STREQ(customs.GetItemContent(1)->GetRuntimeClass()->m_lpszClassName, "CVexelListBox");

    EXPECT_EQ(customs.GetItemButton(-1), (CButton*)NULL);
    EXPECT_EQ(customs.GetItemButton(2), (CButton*)NULL);
    EXPECT_EQ(customs.GetItemContent(2), (CWnd*)NULL);
    EXPECT_EQ(customs.GetItemContent(-1), (CWnd*)NULL);
}

TEST_F(StackCustomTest, NullContentIsRefusedWithoutAButton)
{
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    EXPECT_EQ(stack.AddCustomItem(_T("Nothing"), NULL), -1);
    EXPECT_EQ(vxtest::GuiCounts::Now().windows, before.windows);
    EXPECT_EQ(stack.GetItemButton(3), (CButton*)NULL);
    // No record was appended: the next item takes index 3 and id 103.
    EXPECT_EQ(stack.AddItem(_T("Next"), NULL, NULL), 3);
    EXPECT_EQ(stack.GetItemButton(3)->GetDlgCtrlID(), 103);
}

TEST_F(StackCustomTest, CustomContentIsPlacedShownAndHiddenLikeAList)
{
    EXPECT_FALSE(custom.IsWindowVisible());
    ClickItem(1);
    EXPECT_EQ(ShownContents(), Shown{1});
    EXPECT_PLACE(custom.GetSafeHwnd(), 0, 40, 150, 280);
    EXPECT_EQ(custom.GetParent(), &stack);
    ClickItem(2);
    EXPECT_EQ(ShownContents(), Shown{2});
}

TEST_F(StackCustomTest, SubItemOperationsPassTheCustomContentOver)
{
    vxJournalClear();
    EXPECT_FALSE(stack.AddSubItem(1, _T("Not here"), _T("image")));
    EXPECT_EQ(custom.GetCount(), 3);
    EXPECT_EQ(Journal(), std::vector<std::string>{});

    // SelectSubItem opens the custom item alone but selects nothing in it.
    stack.ExpandItem(0);
    EXPECT_FALSE(stack.SelectSubItem(1, 0));
    EXPECT_EQ(ShownContents(), Shown{1});
    EXPECT_EQ(custom.GetCurSel(), LB_ERR);

    stack.SetSubItemHeight(31);
    EXPECT_EQ(custom.GetItemHeight(0), customHeight);
    EXPECT_EQ(::SendMessage(Content(0), LB_GETITEMHEIGHT, 0, 0), 31);
    EXPECT_EQ(::SendMessage(Content(2), LB_GETITEMHEIGHT, 0, 0), 31);
}

TEST_F(StackCustomTest, UserSelectionInTheCustomListIsNotReported)
{
    ClickItem(1);
    host.Recorder().Clear();
    ClickEntry(custom.GetSafeHwnd(), 1, customHeight);
    EXPECT_EQ(custom.GetCurSel(), 1);
    EXPECT_EQ(host.Recorder().Count(WM_STACKWND_SUBITEMSEL), 0);

    // The items' own lists still report.
    ClickItem(2);
    ClickEntry(Content(2), 1);
    EXPECT_EQ(Selections(host.Recorder()), (Selected{{2, 1}}));
}

TEST_F(StackCustomTest, AddSubItemOnAnOpenCustomItemPutsItsContentBack)
{
    ClickItem(1);
    custom.MoveWindow(5, 5, 20, 20);
    EXPECT_FALSE(stack.AddSubItem(1, _T("x"), NULL));
    EXPECT_PLACE(custom.GetSafeHwnd(), 0, 40, 150, 280);
}

} // namespace
