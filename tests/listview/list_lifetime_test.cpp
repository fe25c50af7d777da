// Ownership: however the list view goes (its object deleted while the window exists, its
// window destroyed first, its parent destroyed), every record and window it made is freed;
// adding and deleting many items leaks no GDI or USER object.
#include "list_view_fixture.h"

#include <vexelcore_journal.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

void Fill(vxCtrlListView& list, int groups, int items)
{
    for (int g = 0; g < groups; ++g) {
        list.AddGroup(_T("Group"), _T("header.skin"), 1);
        for (int i = 0; i < items; ++i)
            list.AddItem(g, _T("item.skin"), _T("caption"), _T("image"));
        list.SetItemToolTips(g, 0, _T("tip"));
    }
}

class ListLifetimeTest : public ::testing::Test
{
protected:
    CWnd* Parent() { return CWnd::FromHandle(host.Hwnd()); }

    std::unique_ptr<vxCtrlListView> MakeFilled(int groups, int items)
    {
        auto list = std::make_unique<vxCtrlListView>();
        EXPECT_TRUE(list->Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), Parent(), 5));
        list->LockUpdate(0);
        Fill(*list, groups, items);
        list->LockUpdate(1);
        return list;
    }

    vxtest::HostWindow host;
};

TEST_F(ListLifetimeTest, DeletingTheObjectWithItsWindowFreesEverything)
{
    // Warm-up, so caches of the framework and the system are filled once.
    MakeFilled(3, 20).reset();
    vxtest::PumpMessages();
    vxJournalClear();    // the engine's call journal grows with every item
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    const size_t bytesBefore = vxtest::HeapBytesInUse();

    for (int round = 0; round < 10; ++round) {
        std::unique_ptr<vxCtrlListView> list = MakeFilled(3, 20);
        EXPECT_EQ(vxtest::GuiCounts::Now().windows, before.windows + 1 + 3 * 21);
        list.reset();    // window still there
    }
    vxtest::PumpMessages();
    EXPECT_EQ(vxtest::GuiCounts::Now(), before) << vxtest::ToString(vxtest::GuiCounts::Now());
    // 630 records and their windows' objects are far more than this allowance.
    vxJournalClear();
    const size_t bytesAfter = vxtest::HeapBytesInUse();
    EXPECT_LT(bytesAfter, bytesBefore + 16 * 1024) << bytesBefore << " -> " << bytesAfter;
}

TEST_F(ListLifetimeTest, WindowDestroyedBeforeTheObject)
{
    MakeFilled(2, 5).reset();
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();

    // The window goes first, the object later: the records went with the window.
    std::unique_ptr<vxCtrlListView> list = MakeFilled(2, 5);
    list->DestroyWindow();
    EXPECT_EQ(vxtest::GuiCounts::Now(), before);
    EXPECT_EQ(list->GetGroupCount(), 0);
    EXPECT_EQ(list->GetItemCount(0), -1);
    list.reset();

    vxtest::PumpMessages();
    EXPECT_EQ(vxtest::GuiCounts::Now(), before);
}

TEST_F(ListLifetimeTest, AddingAndDeletingAThousandItemsLeaksNothing)
{
    vxCtrlListView list;
    ASSERT_TRUE(list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), Parent(), 5));
    list.AddGroup(_T("Warm"), _T("header.skin"), 1);
    list.AddItem(0, _T("item.skin"), _T("warm"), _T("image"));
    list.DeleteGroup(0);
    vxtest::PumpMessages();
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();

    list.LockUpdate(0);
    list.AddGroup(_T("One"), _T("header.skin"), 1);
    list.AddGroup(_T("Two"), NULL, 0);
    for (int i = 0; i < 1000; ++i)
        list.AddItem(i % 2, _T("item.skin"), _T("caption"), _T("image"));
    list.LockUpdate(1);
    EXPECT_EQ(list.GetItemCount(0), 500);
    EXPECT_EQ(vxtest::GuiCounts::Now().windows, before.windows + 1001);

    // Items one by one (with updates on for the last hundred), then the groups.
    list.LockUpdate(0);
    while (list.GetItemCount(0) > 100)
        EXPECT_TRUE(list.DeleteItem(0, 0));
    list.LockUpdate(1);
    while (list.GetItemCount(0) > 0)
        EXPECT_TRUE(list.DeleteItem(0, list.GetItemCount(0) - 1));
    EXPECT_TRUE(list.DeleteGroup(1));
    EXPECT_TRUE(list.DeleteGroup(0));
    vxtest::PumpMessages();
    // Every window goes; GDI may grow by the platform's cached window surfaces (in a fresh
    // process by about 180), far below the thousand of one object per item.
    const vxtest::GuiCounts after = vxtest::GuiCounts::Now();
    EXPECT_EQ(after.windows, before.windows) << vxtest::ToString(after);
    EXPECT_LT(after.gdi, before.gdi + 300) << vxtest::ToString(after);
}

} // namespace

namespace {

// The parent receiving an item notification deletes the list view, or destroys itself with
// the list view inside, and answers 0 (not handled). The click must end quietly: nothing of
// the list view is touched after the call, and every window, GDI object and byte comes back.
TEST(ListViewHostUnkind, ParentDeletesOrDestroysFromEachItemNotification)
{
    for (UINT notification : {(UINT)WM_LISTVIEW_ITEMCLICK, (UINT)WM_LISTVIEW_ITEMDBLCLK})
        for (vxtest::HostAct act : {vxtest::HostAct::DeleteControl, vxtest::HostAct::DestroyParent}) {
            SCOPED_TRACE(testing::Message() << vxtest::MessageName(notification) << " act " << (int)act);
            auto round = [&] {
                vxtest::HostWindow host;
                vxCtrlListView* pList = new vxCtrlListView;
                ASSERT_TRUE(pList->Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 210),
                                          CWnd::FromHandle(host.Hwnd()), 5));
                Fill(*pList, 1, 3);
                HWND hItem = ::FindWindowExA(pList->GetSafeHwnd(), NULL, "Button", NULL);
                bool fired = false;
                host.SetHandler(vxtest::ActOnce(notification, act, &pList, host.Hwnd(), &fired));
                if (notification == WM_LISTVIEW_ITEMCLICK)
                    vxtest::Click(vxtest::CentreOf(hItem));
                else
                    vxtest::DoubleClick(vxtest::CentreOf(hItem));
                EXPECT_TRUE(vxtest::PumpUntil([&] { return fired; }, 1500));
                vxtest::PumpFor(50);
                if (pList != NULL) {
                    // The parent went with the list view inside: the records went with it.
                    EXPECT_EQ(pList->GetSafeHwnd(), (HWND)NULL);
                    EXPECT_EQ(pList->GetGroupCount(), 0);
                }
                delete pList;
                vxJournalClear();
                vxtest::PumpFor(600);        // no double-click with the next round
            };
            std::string report;
            EXPECT_TRUE(vxtest::RoundLeavesNothing(round, 16 * 1024, &report)) << report;
        }
}

} // namespace

namespace {

std::vector<HWND> ItemWindows(HWND list)
{
    std::vector<HWND> found;
    for (HWND h = ::GetWindow(list, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        char name[16] = {};
        ::GetClassNameA(h, name, sizeof(name));
        if (lstrcmpiA(name, "Button") == 0)
            found.push_back(h);
    }
    return found;
}

TEST_F(ListLifetimeTest, RecordsAreUnlinkedBeforeTheirWindowsGo)
{
    // Whatever runs while an item's window goes (its lost focus, a screen reader) finds the
    // lists without it.
    auto list = MakeFilled(2, 3);
    std::vector<std::string> seen;
    std::function<void()> look = [&] {
        seen.push_back(std::to_string(list->GetGroupCount()) + ":" + std::to_string(list->GetItemCount(0)));
    };
    std::vector<HWND> items = ItemWindows(list->GetSafeHwnd());
    ASSERT_EQ(items.size(), 6u);
    for (HWND h : items)
        vxtest::CallOnDestroy(h, &look);
    EXPECT_TRUE(list->DeleteItem(0, 1));
    EXPECT_EQ(seen, std::vector<std::string>({"2:2"}));
    seen.clear();
    EXPECT_TRUE(list->DeleteGroup(0));
    EXPECT_EQ(seen, std::vector<std::string>({"1:3", "1:3"}));
}

} // namespace
