// Item clicks and double-clicks reach the parent with group and item; header clicks do not;
// the command's result is the parent's answer; indices stay right across deletions; radio
// selection spans all groups.
#include "list_view_fixture.h"

#include <utility>
#include <vector>

namespace {

using Pair = std::pair<int, int>;

class ListNotifyTest : public ListViewTest
{
protected:
    void SetUp() override
    {
        host.SetHandler([this](UINT message, WPARAM, LPARAM, LRESULT& result) {
            if (message != WM_LISTVIEW_ITEMCLICK && message != WM_LISTVIEW_ITEMDBLCLK)
                return false;
            result = answer;
            return true;
        });
        CreateList(400, 400);
        list.AddGroup(_T("Alpha"), NULL, 1);
        AddNamedItems(0, "a", 2);
        list.AddGroup(_T("Beta"), NULL, 1);
        AddNamedItems(1, "b", 3);
        list.AddGroup(NULL, NULL, 0);
        AddNamedItems(2, "c", 1);
        host.Recorder().Clear();
    }

    // (group, item) of every notification of this kind the host received, in order.
    std::vector<Pair> Received(UINT message)
    {
        std::vector<Pair> got;
        for (const vxtest::RecordedMessage& m : host.Recorder().Filter(message)) {
            EXPECT_FALSE(m.posted);
            got.push_back({(int)m.wParam, (int)m.lParam});
        }
        return got;
    }

    void ClickOn(HWND hwnd)
    {
        ASSERT_TRUE(hwnd != NULL);
        vxtest::Click(vxtest::CentreOf(hwnd));
        vxtest::PumpUntil([&] { return !host.Recorder().Filter(WM_LISTVIEW_ITEMCLICK).empty(); }, 1000);
        vxtest::PumpFor(50);
    }

    LRESULT answer = 7;
};

TEST_F(ListNotifyTest, ClicksAndDoubleClicksNameGroupAndItem)
{
    ClickOn(Child("b2"));
    EXPECT_EQ(Received(WM_LISTVIEW_ITEMCLICK), (std::vector<Pair>{{1, 2}}));
    EXPECT_TRUE(Received(WM_LISTVIEW_ITEMDBLCLK).empty());

    host.Recorder().Clear();
    ClickOn(Child("c0"));
    EXPECT_EQ(Received(WM_LISTVIEW_ITEMCLICK), (std::vector<Pair>{{2, 0}}));

    // A double-click: the first press clicks, the second reports the double-click.
    vxtest::PumpFor(600);
    host.Recorder().Clear();
    vxtest::DoubleClick(vxtest::CentreOf(Child("a1")));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return !Received(WM_LISTVIEW_ITEMDBLCLK).empty(); }));
    vxtest::PumpFor(50);
    EXPECT_EQ(Received(WM_LISTVIEW_ITEMCLICK), (std::vector<Pair>{{0, 1}}));
    EXPECT_EQ(Received(WM_LISTVIEW_ITEMDBLCLK), (std::vector<Pair>{{0, 1}}));
    std::vector<vxtest::RecordedMessage> both = host.Recorder().Filter([](const vxtest::RecordedMessage& m) {
        return m.message == WM_LISTVIEW_ITEMCLICK || m.message == WM_LISTVIEW_ITEMDBLCLK;
    });
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].message, (UINT)WM_LISTVIEW_ITEMCLICK);
}

TEST_F(ListNotifyTest, HeaderClicksStayInsideTheListView)
{
    vxtest::MessageRecorder commands(List());
    vxtest::Click(vxtest::CentreOf(Header("Beta")));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return commands.Count(WM_COMMAND) > 0; }));
    vxtest::PumpFor(100);
    std::vector<vxtest::RecordedMessage> got = commands.Filter(WM_COMMAND);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(LOWORD(got[0].wParam), 0xFFFF);
    EXPECT_EQ(HIWORD(got[0].wParam), STN_CLICKED);
    EXPECT_EQ((HWND)got[0].lParam, Header("Beta"));
    EXPECT_TRUE(Received(WM_LISTVIEW_ITEMCLICK).empty());
    EXPECT_TRUE(Received(WM_LISTVIEW_ITEMDBLCLK).empty());
}

TEST_F(ListNotifyTest, CommandResultIsTheParentsAnswer)
{
    HWND b1 = Child("b1");
    EXPECT_EQ(list.Command(MAKEWPARAM(100, BN_CLICKED), (LPARAM)b1), 7);
    answer = 0;
    EXPECT_EQ(list.Command(MAKEWPARAM(100, BN_DOUBLECLICKED), (LPARAM)b1), 0);
    EXPECT_EQ(Received(WM_LISTVIEW_ITEMCLICK), (std::vector<Pair>{{1, 1}}));
    EXPECT_EQ(Received(WM_LISTVIEW_ITEMDBLCLK), (std::vector<Pair>{{1, 1}}));

    // Other codes, no sender, a stranger and a header send nothing.
    host.Recorder().Clear();
    answer = 7;
    list.Command(MAKEWPARAM(100, BN_SETFOCUS), (LPARAM)b1);
    list.Command(MAKEWPARAM(100, BN_CLICKED), 0);
    list.Command(MAKEWPARAM(100, BN_CLICKED), (LPARAM)host.Hwnd());
    list.Command(MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)Header("Alpha"));
    EXPECT_TRUE(Received(WM_LISTVIEW_ITEMCLICK).empty());
    EXPECT_TRUE(Received(WM_LISTVIEW_ITEMDBLCLK).empty());
}

TEST_F(ListNotifyTest, DeletionsMoveLaterIndicesDown)
{
    // Deleting item 0 of "b": b1 and b2 answer to 0 and 1.
    EXPECT_TRUE(list.DeleteItem(1, 0));
    EXPECT_EQ(Child("b0"), (HWND)NULL);
    EXPECT_EQ(list.GetItemCount(1), 2);
    list.Command(MAKEWPARAM(100, BN_CLICKED), (LPARAM)Child("b1"));
    list.Command(MAKEWPARAM(100, BN_CLICKED), (LPARAM)Child("b2"));
    EXPECT_EQ(Received(WM_LISTVIEW_ITEMCLICK), (std::vector<Pair>{{1, 0}, {1, 1}}));

    // Deleting the only item of the last group leaves it empty; new items start at 0 again.
    EXPECT_TRUE(list.DeleteItem(2, 0));
    EXPECT_EQ(list.GetItemCount(2), 0);
    EXPECT_EQ(list.AddItem(2, NULL, _T("c-new"), NULL), 0);

    // Deleting group 0 moves the later groups down; its header and items are gone.
    EXPECT_TRUE(list.DeleteGroup(0));
    EXPECT_EQ(list.GetGroupCount(), 2);
    EXPECT_EQ(Header("Alpha"), (HWND)NULL);
    EXPECT_EQ(Child("a0"), (HWND)NULL);
    host.Recorder().Clear();
    ClickOn(Child("b2"));
    list.Command(MAKEWPARAM(100, BN_CLICKED), (LPARAM)Child("c-new"));
    EXPECT_EQ(Received(WM_LISTVIEW_ITEMCLICK), (std::vector<Pair>{{0, 1}, {1, 0}}));

    // Bad indices change nothing.
    EXPECT_FALSE(list.DeleteItem(0, 5));
    EXPECT_FALSE(list.DeleteItem(0, -1));
    EXPECT_FALSE(list.DeleteItem(2, 0));
    EXPECT_FALSE(list.DeleteGroup(2));
    EXPECT_FALSE(list.DeleteGroup(-1));
    EXPECT_EQ(list.GetGroupCount(), 2);
    EXPECT_EQ(list.GetItemCount(0), 2);
    EXPECT_EQ(list.GetItemCount(1), 1);

    // The layout followed: "Beta" now heads the list.
    EXPECT_PLACE(Header("Beta"), 0, 0, 400, 30);
    EXPECT_PLACE(Child("b1"), 0, 30, 48, 78);
}

TEST_F(ListNotifyTest, RadioSelectionSpansAllGroups)
{
    vxCtrlListView radio;
    ASSERT_TRUE(radio.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(420, 10, 780, 300),
                             CWnd::FromHandle(host.Hwnd()), 2));
    radio.SetItemMode(vxCtrlListView::ModeRadio);
    radio.AddGroup(_T("One"), NULL, 1);
    radio.AddItem(0, NULL, _T("r0"), NULL);
    radio.AddItem(0, NULL, _T("r1"), NULL);
    radio.AddGroup(_T("Two"), NULL, 1);
    radio.AddItem(1, NULL, _T("s0"), NULL);
    radio.AddItem(1, NULL, _T("s1"), NULL);
    auto item = [&](const char* caption) { return ::FindWindowExA(radio.GetSafeHwnd(), NULL, "Button", caption); };
    auto checked = [&](const char* caption) { return ::SendMessage(item(caption), BM_GETCHECK, 0, 0) == BST_CHECKED; };
    EXPECT_EQ(::GetWindowLongA(item("r0"), GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON);

    int g = -5, i = -5;
    EXPECT_FALSE(radio.GetSelectedItem(g, i));
    EXPECT_EQ(g, -5);

    // A user's click checks one item and clears the others, across groups.
    vxtest::Click(vxtest::CentreOf(item("s1")));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return checked("s1"); }));
    EXPECT_TRUE(radio.GetSelectedItem(g, i));
    EXPECT_EQ(Pair(g, i), Pair(1, 1));
    vxtest::Click(vxtest::CentreOf(item("r0")));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return checked("r0") && !checked("s1"); }));
    EXPECT_TRUE(radio.GetSelectedItem(g, i));
    EXPECT_EQ(Pair(g, i), Pair(0, 0));
    EXPECT_FALSE(Received(WM_LISTVIEW_ITEMCLICK).empty());

    // SelectItem checks without clearing; the first checked item is reported.
    radio.SelectItem(1, 0);
    EXPECT_TRUE(checked("s0"));
    EXPECT_TRUE(checked("r0"));
    EXPECT_TRUE(radio.GetSelectedItem(g, i));
    EXPECT_EQ(Pair(g, i), Pair(0, 0));
    radio.SelectItem(2, 0);
    radio.SelectItem(0, 7);

    // Outside radio mode there is no selection; items already made stay radio buttons.
    radio.SetItemMode(vxCtrlListView::ModeButton);
    g = i = -5;
    EXPECT_FALSE(radio.GetSelectedItem(g, i));
    EXPECT_EQ(Pair(g, i), Pair(-5, -5));
    radio.SelectItem(1, 1);
    EXPECT_FALSE(checked("s1"));
    EXPECT_EQ(::GetWindowLongA(item("s1"), GWL_STYLE) & BS_TYPEMASK, BS_AUTORADIOBUTTON);
    radio.AddItem(1, NULL, _T("push"), NULL);
    EXPECT_EQ(::GetWindowLongA(item("push"), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
}

} // namespace
