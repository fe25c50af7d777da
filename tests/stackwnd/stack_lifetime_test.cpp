// Ownership: however the stack window goes (its window destroyed first, its object deleted
// with the window alive, its parent destroyed), the item records, buttons and sub-item lists
// it made go with it and the engine keeps no state of them; a custom content stays the
// host's. A large stack made and destroyed again and again leaks no GDI or USER object.
#include "stack_fixture.h"

#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace stacktest;

// A host's edit box that tells when its object is deleted.
class TrackedEdit : public CEdit
{
public:
    explicit TrackedEdit(int* pDeleted) : m_pDeleted(pDeleted) {}
    virtual ~TrackedEdit() { ++*m_pDeleted; }

private:
    int* m_pDeleted;
};

class StackLifetimeTest : public ::testing::Test
{
protected:
    // A stack window of `items` skinned items with `entries` entries each.
    std::unique_ptr<vxCtrlStackWnd> MakeFilled(HWND parent, int items, int entries)
    {
        auto stack = std::make_unique<vxCtrlStackWnd>();
        EXPECT_TRUE(stack->Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300),
                                  CWnd::FromHandle(parent), 5));
        for (int i = 0; i < items; ++i) {
            EXPECT_EQ(stack->AddItem(_T("Item"), _T("stack.button"), _T("stack.list")), i);
            for (int k = 0; k < entries; ++k)
                stack->AddSubItem(i, _T("Entry"), _T("stack.image"));
        }
        stack->ExpandItem(0);
        return stack;
    }

    // An edit box of the host's inside the stack window, as the last item's content.
    TrackedEdit* AddCustom(vxCtrlStackWnd& stack)
    {
        TrackedEdit* edit = new TrackedEdit(&deleted);
        EXPECT_TRUE(edit->Create(WS_CHILD | WS_BORDER, CRect(0, 0, 10, 10), &stack, 77));
        EXPECT_GE(stack.AddCustomItem(_T("Custom"), edit), 0);
        return edit;
    }

    void ExpectNothingLeft(const vxtest::GuiCounts& before, int statesBefore)
    {
        vxtest::PumpMessages();
        EXPECT_EQ(vxtest::GuiCounts::Now(), before) << vxtest::ToString(vxtest::GuiCounts::Now());
        EXPECT_EQ(vxWindowStateCount(), statesBefore);
    }

    vxtest::HostWindow host;
    int deleted = 0;
};

TEST_F(StackLifetimeTest, DestroyingTheWindowReleasesWhatItMade)
{
    // Warm-up of the same size, so the system's caches for painted windows are filled.
    MakeFilled(host.Hwnd(), 3, 4)->DestroyWindow();
    vxtest::PumpMessages();
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    const int states = vxWindowStateCount();

    std::unique_ptr<vxCtrlStackWnd> stack = MakeFilled(host.Hwnd(), 3, 4);
    EXPECT_EQ(vxtest::GuiCounts::Now().windows, before.windows + 1 + 3 * 2);
    EXPECT_EQ(vxWindowStateCount(), states + 3 * 2);
    stack->DestroyWindow();
    ExpectNothingLeft(before, states);

    // The object answers as an empty stack without a window.
    EXPECT_EQ(stack->GetItemButton(0), (CButton*)NULL);
    EXPECT_EQ(stack->GetItemContent(0), (CWnd*)NULL);
    EXPECT_FALSE(stack->AddSubItem(0, _T("late"), NULL));
    EXPECT_FALSE(stack->SelectSubItem(0, 0));
    stack->ExpandItem(0);
    EXPECT_EQ(stack->AddItem(_T("late"), _T("stack.button"), _T("stack.list")), -1);
    EXPECT_EQ(stack->AddCustomItem(_T("late"), CWnd::FromHandle(host.Hwnd())), -1);
    stack.reset();
    ExpectNothingLeft(before, states);
}

TEST_F(StackLifetimeTest, DeletingTheObjectWithItsWindowReleasesWhatItMade)
{
    MakeFilled(host.Hwnd(), 3, 4).reset();
    vxtest::PumpMessages();
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    const int states = vxWindowStateCount();

    MakeFilled(host.Hwnd(), 3, 4).reset();
    ExpectNothingLeft(before, states);
}

TEST_F(StackLifetimeTest, CustomContentStaysTheHosts)
{
    // A content inside the stack window goes with the window, as every child does, but its
    // object is the host's to delete.
    std::unique_ptr<vxCtrlStackWnd> stack = MakeFilled(host.Hwnd(), 1, 1);
    TrackedEdit* inside = AddCustom(*stack);
    stack->DestroyWindow();
    EXPECT_EQ(deleted, 0);
    EXPECT_EQ(inside->GetSafeHwnd(), (HWND)NULL);
    stack.reset();
    EXPECT_EQ(deleted, 0);
    delete inside;

    // A content elsewhere keeps its window, through the window's and the object's end.
    TrackedEdit outside(&deleted);
    ASSERT_TRUE(outside.Create(WS_CHILD | WS_BORDER, CRect(0, 0, 10, 10), CWnd::FromHandle(host.Hwnd()), 78));
    deleted = 0;
    stack = MakeFilled(host.Hwnd(), 1, 1);
    ASSERT_EQ(stack->AddCustomItem(_T("Outside"), &outside), 1);
    stack->ExpandItem(1);
    stack->DestroyWindow();
    EXPECT_TRUE(::IsWindow(outside.GetSafeHwnd()));
    stack.reset();
    EXPECT_TRUE(::IsWindow(outside.GetSafeHwnd()));
    EXPECT_EQ(deleted, 0);
}

TEST_F(StackLifetimeTest, FiftyItemsOfTwentyEntriesLeakNothing)
{
    // Warm-up, both ways of ending, so caches of the framework and the system are filled.
    for (int round = 0; round < 2; ++round) {
        std::unique_ptr<vxCtrlStackWnd> stack = MakeFilled(host.Hwnd(), 50, 20);
        vxtest::PumpMessages();
        if (round == 1)
            stack->DestroyWindow();
    }
    vxJournalClear();    // the engine's call journal grows with every entry
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    const int states = vxWindowStateCount();
    const size_t bytesBefore = vxtest::HeapBytesInUse();

    for (int round = 0; round < 10; ++round) {
        std::unique_ptr<vxCtrlStackWnd> stack = MakeFilled(host.Hwnd(), 50, 20);
        EXPECT_EQ(vxtest::GuiCounts::Now().windows, before.windows + 1 + 50 * 2);
        EXPECT_EQ(vxWindowStateCount(), states + 50 * 2);
        EXPECT_EQ(::SendMessage(stack->GetItemContent(49)->GetSafeHwnd(), LB_GETCOUNT, 0, 0), 20);
        vxtest::PumpMessages();
        if (round == 1)
            stack->DestroyWindow();  // the window first, the object after
        stack.reset();
        vxJournalClear();
    }
    ExpectNothingLeft(before, states);
    // Ten rounds of 50 item records with their button and list objects are far more than
    // this allowance.
    const size_t bytesAfter = vxtest::HeapBytesInUse();
    EXPECT_LT(bytesAfter, bytesBefore + 16 * 1024) << bytesBefore << " -> " << bytesAfter;
}

} // namespace

namespace {

// The receiver of a sub-item selection (the parent) deletes the stack window, or destroys
// itself with the stack inside, when a user clicks an entry or moves it with a key.
TEST(StackHostUnkind, ReceiverDeletesOrDestroysFromTheSelection)
{
    for (vxtest::HostAct act : {vxtest::HostAct::DeleteControl, vxtest::HostAct::DestroyParent})
        for (bool byKey : {false, true}) {
            SCOPED_TRACE(testing::Message() << "act " << (int)act << " by key " << byKey);
            auto round = [&] {
                vxtest::HostWindow host;
                vxCtrlStackWnd* pStack = new vxCtrlStackWnd;
                ASSERT_TRUE(pStack->Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 310),
                                           CWnd::FromHandle(host.Hwnd()), 5));
                pStack->AddItem(_T("Item"), _T("stack.button"), _T("stack.list"));
                for (int k = 0; k < 4; ++k)
                    pStack->AddSubItem(0, _T("Entry"), _T("stack.image"));
                pStack->SelectSubItem(0, 0);
                HWND hList = pStack->GetItemContent(0)->GetSafeHwnd();
                bool fired = false;
                host.SetHandler(vxtest::ActOnce(WM_STACKWND_SUBITEMSEL, act, &pStack, host.Hwnd(), &fired));
                vxtest::PumpMessages();
                if (byKey) {
                    ::SetFocus(hList);
                    vxtest::KeyPress(VK_DOWN);
                } else {
                    vxtest::Click(vxtest::ScreenPoint(hList, 20, 2 * 23 + 11));
                }
                EXPECT_TRUE(vxtest::PumpUntil([&] { return fired; }, 1500));
                vxtest::PumpFor(50);
                delete pStack;
                vxtest::PumpFor(600);
            };
            const int states = vxWindowStateCount();
            std::string report;
            EXPECT_TRUE(vxtest::RoundLeavesNothing(round, 16 * 1024, &report)) << report;
            EXPECT_EQ(vxWindowStateCount(), states);
        }
}

// A child window of the test's own whose size changes run a handler.
class SizeHookWindow
{
public:
    SizeHookWindow(HWND hParent, std::function<void()> onSize) : m_onSize(std::move(onSize))
    {
        vxtest::RegisterTestClass("stacktest.SizeHook", &SizeHookWindow::Proc);
        m_hWnd = ::CreateWindowExA(0, "stacktest.SizeHook", "", WS_CHILD, 0, 0, 10, 10, hParent,
                                   NULL, ::GetModuleHandleA(NULL), this);
    }
    ~SizeHookWindow()
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }
    HWND Hwnd() const { return m_hWnd; }
    CWnd* Wnd() const { return CWnd::FromHandle(m_hWnd); }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            ::SetWindowLongPtrA(hWnd, GWLP_USERDATA,
                                (LONG_PTR)reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        auto* self = reinterpret_cast<SizeHookWindow*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
        if (message == WM_SIZE && self != NULL && self->m_onSize)
            self->m_onSize();
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
    HWND m_hWnd;
    std::function<void()> m_onSize;
};

// Host windows the stack only uses: a custom content that deletes the stack while the
// stack places it, a custom content the host destroys, a notify window the host destroys.
TEST(StackHostUnkind, HostWindowsThatDeleteTheStackOrGoAway)
{
    vxtest::HostWindow host;
    HWND hHost = host.Hwnd();
    {
        vxCtrlStackWnd* pStack = new vxCtrlStackWnd;
        ASSERT_TRUE(pStack->Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 310),
                                   CWnd::FromHandle(hHost), 5));
        bool armed = false;
        SizeHookWindow content(hHost, [&] {
            if (!armed)
                return;
            delete pStack;
            pStack = NULL;
        });
        pStack->AddItem(_T("Item"), NULL, NULL);
        ASSERT_EQ(pStack->AddCustomItem(_T("Custom"), content.Wnd()), 1);
        armed = true;
        // Opening the custom item places its content: the host deletes the stack there.
        vxtest::Click(vxtest::CentreOf(pStack->GetItemButton(1)->GetSafeHwnd()));
        EXPECT_TRUE(vxtest::PumpUntil([&] { return pStack == NULL; }, 1500));
        vxtest::PumpFor(50);
        delete pStack;
    }

    vxCtrlStackWnd stack;
    ASSERT_TRUE(stack.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 310),
                             CWnd::FromHandle(hHost), 5));
    stack.AddItem(_T("Item"), NULL, NULL);
    stack.AddSubItem(0, _T("Entry"), NULL);
    stack.AddSubItem(0, _T("Entry"), NULL);
    {
        // A custom content of a temporary window object: gone with its window.
        HWND hEdit = ::CreateWindowExA(0, "Edit", "", WS_CHILD, 0, 0, 10, 10, stack.GetSafeHwnd(),
                                       NULL, ::GetModuleHandleA(NULL), NULL);
        ASSERT_EQ(stack.AddCustomItem(_T("Custom"), CWnd::FromHandle(hEdit)), 1);
        CWnd::DeleteTempMap();
        EXPECT_EQ(stack.GetItemContent(1)->GetSafeHwnd(), hEdit);
        ::DestroyWindow(hEdit);
        EXPECT_EQ(stack.GetItemContent(1), (CWnd*)NULL);
        stack.ExpandItem(1);            // the relayout passes over it
    }
    {
        // A notify window set through a temporary object, then destroyed: nobody hears.
        vxtest::HostWindow* pNotify = new vxtest::HostWindow(100, 100);
        ::MoveWindow(pNotify->Hwnd(), 950, 100, 100, 100, TRUE);
        stack.SetNotifyWnd(CWnd::FromHandle(pNotify->Hwnd()));
        CWnd::DeleteTempMap();
        delete pNotify;
        stack.SelectSubItem(0, 0);
        host.Recorder().Clear();
        vxtest::Click(vxtest::ScreenPoint(stack.GetItemContent(0)->GetSafeHwnd(), 20, 23 + 11));
        vxtest::PumpFor(100);
        EXPECT_EQ(::SendMessage(stack.GetItemContent(0)->GetSafeHwnd(), LB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(host.Recorder().Count(WM_STACKWND_SUBITEMSEL), 0);
    }
}

} // namespace

namespace {

TEST_F(StackLifetimeTest, ItemsAreUnlinkedBeforeTheirButtonsGo)
{
    // A handler run while a button goes (its lost focus, a screen reader) finds only the
    // items still there, never an emptied slot.
    vxtest::HostWindow host;
    auto stack = MakeFilled(host.Hwnd(), 3, 2);
    std::vector<int> reachable;
    std::function<void()> look = [&] {
        int n = 0;
        while (n < 8 && stack->GetItemButton(n) != NULL)
            ++n;
        reachable.push_back(n);
    };
    for (int i = 0; i < 3; ++i)
        vxtest::CallOnDestroy(stack->GetItemButton(i)->GetSafeHwnd(), &look);
    stack->DestroyWindow();
    EXPECT_EQ(reachable, std::vector<int>({2, 1, 0}));
}

} // namespace
