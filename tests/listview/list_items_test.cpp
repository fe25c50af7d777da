// Groups and items: indices and counts, bad indices, locked updates, the windows made (ids,
// styles, captions) and exactly what the skin engine is handed for headers, items, images
// and tooltips.
#include "list_view_fixture.h"

#include <vexelcore_journal.h>

#include <vector>

namespace {

using vxtest::H;
using vxtest::Journal;

int ChildCount(HWND parent)
{
    int n = 0;
    for (HWND h = ::GetWindow(parent, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        ++n;
    return n;
}

using vxtest::WindowTextOf;

using ListItemsTest = ListViewTest;

TEST_F(ListItemsTest, GroupsAndItemsAreCountedAndIndexed)
{
    // Before the window: refused, nothing kept.
    EXPECT_EQ(list.AddGroup(_T("Early"), NULL, 1), -1);
    EXPECT_EQ(list.AddItem(0, NULL, _T("early"), NULL), -1);
    EXPECT_EQ(list.GetGroupCount(), 0);
    CreateList();
    EXPECT_EQ(list.GetGroupCount(), 0);
    EXPECT_EQ(list.AddGroup(_T("One"), NULL, 0), 0);
    EXPECT_EQ(list.AddGroup(_T("Two"), NULL, 1), 1);
    EXPECT_EQ(list.AddGroup(NULL, NULL, 1), 2);
    EXPECT_EQ(list.GetGroupCount(), 3);
    EXPECT_EQ(list.GetItemCount(0), 0);
    EXPECT_EQ(list.GetItemCount(-1), -1);
    EXPECT_EQ(list.GetItemCount(3), -1);

    EXPECT_EQ(list.AddItem(1, NULL, _T("a"), NULL), 0);
    EXPECT_EQ(list.AddItem(1, NULL), 1);
    EXPECT_EQ(list.AddItem(0, _T("skin"), _T("b"), _T("img")), 0);
    EXPECT_EQ(list.GetItemCount(1), 2);

    // Bad groups create nothing.
    const int children = ChildCount(List());
    EXPECT_EQ(list.AddItem(-1, _T("skin"), _T("x"), _T("img")), -1);
    EXPECT_EQ(list.AddItem(3, _T("skin")), -1);
    EXPECT_EQ(ChildCount(List()), children);
    EXPECT_EQ(children, 2 + 3);   // two headers, three items

    // The other index checks.
    EXPECT_FALSE(list.SetItemText(1, 2, _T("x")));
    EXPECT_FALSE(list.SetItemText(-1, 0, _T("x")));
    EXPECT_FALSE(list.SetItemImage(0, 1, _T("x")));
    EXPECT_FALSE(list.SetItemToolTips(5, 0, _T("x")));
    EXPECT_FALSE(list.DeleteItem(3, 0));
    EXPECT_EQ(list.GetItemCount(1), 2);
}

// Locked, additions place nothing, however often the host locks; unlocking places them all.
TEST_F(ListItemsTest, LockedUpdatesPlaceNothingUntilUnlocked)
{
    CreateList();
    list.AddGroup(_T("One"), NULL, 0);
    const auto place = [&](const char* caption) {
        return CRect(vxtest::PlaceIn(list.m_hWnd, ::FindWindowExA(list.m_hWnd, NULL, "Button", caption)));
    };
    list.LockUpdate(0);
    list.AddItem(0, NULL, _T("a"), NULL);
    list.LockUpdate(0);
    list.AddItem(0, NULL, _T("b"), NULL);
    EXPECT_TRUE(place("a").IsRectNull());
    list.LockUpdate(1);
    EXPECT_EQ(place("a"), CRect(0, 0, 48, 48));
    EXPECT_EQ(place("b"), CRect(50, 0, 98, 48));
}

TEST_F(ListItemsTest, WindowsGetTheirIdsStylesAndCaptions)
{
    CreateList();
    list.AddGroup(_T("Title"), _T("hdr"), 1);
    list.AddGroup(_T("Bare"), NULL, 0);
    list.AddItem(0, NULL, _T("Caption"), NULL);
    list.AddItem(1, NULL);
    HWND header = Header("Title");
    ASSERT_TRUE(header != NULL);
    EXPECT_EQ(::GetDlgCtrlID(header), 0xFFFF);
    EXPECT_EQ((DWORD)::GetWindowLongA(header, GWL_STYLE), (DWORD)(WS_CHILD | WS_VISIBLE | SS_NOTIFY));
    EXPECT_EQ(Header("Bare"), (HWND)NULL);   // no header window without the flag

    HWND item = Child("Caption");
    ASSERT_TRUE(item != NULL);
    EXPECT_EQ(::GetDlgCtrlID(item), 100);
    const DWORD style = (DWORD)::GetWindowLongA(item, GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, (DWORD)BS_PUSHBUTTON);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(style & WS_GROUP, 0u);
    HWND empty = Child("");
    ASSERT_TRUE(empty != NULL);
    EXPECT_EQ(::GetDlgCtrlID(empty), 100);

    EXPECT_TRUE(list.SetItemText(0, 0, _T("Renamed")));
    EXPECT_EQ(WindowTextOf(item), "Renamed");
    EXPECT_TRUE(list.SetItemText(0, 0, NULL));
    EXPECT_EQ(WindowTextOf(item), "");
}

TEST_F(ListItemsTest, SkinEngineGetsKindsSkinsImagesAndTooltips)
{
    CreateList();
    vxJournalClear();
    list.AddGroup(_T("Skinned"), _T("listview.header"), 1);
    list.AddGroup(_T("Plain"), _T(""), 1);
    list.AddGroup(_T("Null"), NULL, 1);
    list.AddGroup(_T("None"), _T("listview.header"), 0);
    HWND header = Header("Skinned");
    EXPECT_EQ(Journal(), (std::vector<std::string>{"vxSkinWindow(" + H(header) + ",106,\"listview.header\",0)"}));

    vxJournalClear();
    list.AddItem(0, _T("listview.item"), _T("push"), _T("star"));
    list.AddItem(0, NULL, _T("bare"), NULL);
    list.AddItem(0, _T(""), _T("emptyskin"), NULL);
    list.SetItemMode(vxCtrlListView::ModeRadio);
    list.AddItem(1, _T("listview.radio"), _T("radio"), NULL);
    HWND push = Child("push"), radio = Child("radio");
    EXPECT_EQ(Journal(), (std::vector<std::string>{
                             "vxSkinWindow(" + H(push) + ",103,\"listview.item\",0)",
                             "vxSetDrawItemValue(" + H(push) + ",\"image.default\",\"star\",0)",
                             "vxSkinWindow(" + H(Child("emptyskin")) + ",103,\"\",0)",
                             "vxSkinWindow(" + H(radio) + ",105,\"listview.radio\",0)",
                         }));

    // Images: a null name is skipped but still answers 1; tooltips pass null text on.
    vxJournalClear();
    EXPECT_TRUE(list.SetItemImage(0, 1, _T("moon")));
    EXPECT_TRUE(list.SetItemImage(0, 1, NULL));
    EXPECT_TRUE(list.SetItemToolTips(0, 0, _T("Tip")));
    EXPECT_TRUE(list.SetItemToolTips(0, 0, NULL));
    HWND bare = Child("bare");
    EXPECT_EQ(Journal(), (std::vector<std::string>{
                             "vxSetDrawItemValue(" + H(bare) + ",\"image.default\",\"moon\",0)",
                             "vxSetToolTips(" + H(push) + ",\"Tip\")",
                             "vxSetToolTips(" + H(push) + ",null)",
                         }));

    // An item whose window is gone: no image call, a tooltip call with a null window.
    ::DestroyWindow(bare);
    vxJournalClear();
    EXPECT_TRUE(list.SetItemImage(0, 1, _T("moon")));
    EXPECT_TRUE(list.SetItemToolTips(0, 1, _T("late")));
    EXPECT_EQ(Journal(), (std::vector<std::string>{"vxSetToolTips(" + H(NULL) + ",\"late\")"}));
}

} // namespace
