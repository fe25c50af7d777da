// Ownership: however the stack window goes (its window destroyed first, its object deleted
// with the window alive, its parent destroyed), the item records, buttons and sub-item lists
// it made go with it and the engine keeps no state of them; a custom content stays the
// host's. A large stack made and destroyed again and again leaks no GDI or USER object.
#include "stack_fixture.h"

#include <memory>

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
        EXPECT_TRUE(stack->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300),
                                  CWnd::FromHandle(parent), 5));
        for (int i = 0; i < items; ++i) {
            EXPECT_EQ(stack->AddItem("Item", "stack.button", "stack.list"), i);
            for (int k = 0; k < entries; ++k)
                stack->AddSubItem(i, "Entry", "stack.image");
        }
        stack->ExpandItem(0);
        return stack;
    }

    // An edit box of the host's inside the stack window, as the last item's content.
    TrackedEdit* AddCustom(vxCtrlStackWnd& stack)
    {
        TrackedEdit* edit = new TrackedEdit(&deleted);
        EXPECT_TRUE(edit->Create(WS_CHILD | WS_BORDER, CRect(0, 0, 10, 10), &stack, 77));
        EXPECT_GE(stack.AddCustomItem("Custom", edit), 0);
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
    EXPECT_FALSE(stack->AddSubItem(0, "late", NULL));
    EXPECT_FALSE(stack->SelectSubItem(0, 0));
    stack->ExpandItem(0);
    EXPECT_EQ(stack->AddItem("late", "stack.button", "stack.list"), -1);
    EXPECT_EQ(stack->AddCustomItem("late", CWnd::FromHandle(host.Hwnd())), -1);
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

TEST_F(StackLifetimeTest, DestroyingTheParentReleasesWhatItMade)
{
    auto destroyWithParent = [&] {
        auto parent = std::make_unique<vxtest::HostWindow>(300, 300);
        std::unique_ptr<vxCtrlStackWnd> stack = MakeFilled(parent->Hwnd(), 3, 4);
        vxtest::PumpMessages();
        ::DestroyWindow(parent->Hwnd());
        EXPECT_EQ(stack->GetSafeHwnd(), (HWND)NULL);
        EXPECT_EQ(stack->GetItemButton(0), (CButton*)NULL);
        stack.reset();
        parent.reset();
    };
    destroyWithParent();    // warm-up, as above
    vxtest::PumpMessages();
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    const int states = vxWindowStateCount();
    destroyWithParent();
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
    ASSERT_EQ(stack->AddCustomItem("Outside", &outside), 1);
    stack->ExpandItem(1);
    stack->DestroyWindow();
    EXPECT_TRUE(::IsWindow(outside.GetSafeHwnd()));
    stack.reset();
    EXPECT_TRUE(::IsWindow(outside.GetSafeHwnd()));
    EXPECT_EQ(deleted, 0);
}

TEST_F(StackLifetimeTest, FiftyItemsOfTwentyEntriesLeakNothing)
{
    // Warm-up, so caches of the framework and the system are filled once.
    MakeFilled(host.Hwnd(), 50, 20).reset();
    vxtest::PumpMessages();
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
