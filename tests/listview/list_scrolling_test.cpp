// Layout under Wine and vertical scrolling: the worked example, the bar hiding when all fits,
// line/page/thumb scrolling with their limits, proportional position on resize with every
// window placed once, the wheel with the system's lines setting, and LockUpdate batching.
#include "list_view_fixture.h"

#include <memory>
#include <vector>

namespace {

// Counts how often windows were positioned (one WM_WINDOWPOSCHANGING per placement).
class MoveCounter
{
public:
    void Watch(HWND hwnd) { m_recorders.push_back(std::make_unique<vxtest::MessageRecorder>(hwnd)); }
    void Clear()
    {
        for (auto& r : m_recorders)
            r->Clear();
    }
    int Moves(size_t i) const { return m_recorders[i]->Count(WM_WINDOWPOSCHANGED); }

private:
    std::vector<std::unique_ptr<vxtest::MessageRecorder>> m_recorders;
};

class ListScrollTest : public ListViewTest
{
protected:
    void SetUp() override { ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &m_savedLines, 0); }
    void TearDown() override { SetWheelLines(m_savedLines); }

    static void SetWheelLines(UINT lines) { ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, NULL, 0); }

    // One item per row, rows 100 apart: n items give a content n * 100 high (the last row
    // 98 plus a group space of 2).
    void FillColumn(int n)
    {
        list.SetItemSize(300, 98);
        list.SetItemColumnSpace(200);
        list.SetGroupSpace(2);
        list.LockUpdate(0);
        list.AddGroup(NULL, NULL, 0);
        AddNamedItems(0, "i", n);
        list.LockUpdate(1);
    }

    void Scroll(UINT code) { ::SendMessage(List(), WM_VSCROLL, MAKEWPARAM(code, 0), 0); }
    void ScrollTo(int pos)
    {
        while (ScrollPos() > 0)
            Scroll(SB_PAGEUP);
        while (ScrollPos() + 60 <= pos)
            Scroll(SB_LINEDOWN);
        ASSERT_EQ(ScrollPos(), pos);
    }
    void ExpectColumnAt(int n, int pos)
    {
        for (int i = 0; i < n; ++i) {
            HWND item = Child("i" + std::to_string(i));
            EXPECT_PLACE(item, 0, i * 100 - pos, 300, i * 100 - pos + 98);
        }
    }
    SCROLLINFO Info() const
    {
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        ::GetScrollInfo(List(), SB_VERT, &si);
        return si;
    }

    // Focuses the list view by a click on its background and turns the wheel over it.
    void WheelAt(int delta)
    {
        POINT spot = vxtest::ScreenPoint(List(), 350, 10);
        if (::GetFocus() != List()) {
            vxtest::Click(spot);
            vxtest::PumpUntil([&] { return ::GetFocus() == List(); });
        }
        vxtest::MouseMove(spot);
        vxtest::Wheel(delta);
    }

    UINT m_savedLines = 3;
};

TEST_F(ListScrollTest, WorkedExamplePlacesHeaderAndItems)
{
    CreateList(200, 300);
    EXPECT_EQ(list.AddGroup(_T("Head"), NULL, 1), 0);
    AddNamedItems(0, "i", 5);
    EXPECT_PLACE(Header("Head"), 0, 0, 200, 30);
    EXPECT_PLACE(Child("i0"), 0, 30, 48, 78);
    EXPECT_PLACE(Child("i3"), 150, 30, 198, 78);
    EXPECT_PLACE(Child("i4"), 0, 80, 48, 128);
    EXPECT_FALSE(BarShown());

    // Margins, start offset and group space apply from the next relayout on.
    list.SetMargins(5, 7, 5, 0);
    list.SetItemStartPos(3, 4);
    list.SetGroupSpace(10);
    EXPECT_PLACE(Child("i0"), 0, 30, 48, 78);
    EXPECT_EQ(list.AddGroup(_T("Next"), NULL, 1), 1);
    EXPECT_PLACE(Header("Head"), 5, 7, 195, 37);
    EXPECT_PLACE(Child("i0"), 8, 41, 56, 89);
    EXPECT_PLACE(Child("i3"), 8, 91, 56, 139);   // 190 wide: three to a row
    EXPECT_PLACE(Header("Next"), 5, 149, 195, 179);
}

TEST_F(ListScrollTest, BarAppearsOnlyWhileContentOverflows)
{
    CreateList(400, 300);
    EXPECT_FALSE(BarShown());
    FillColumn(3);
    EXPECT_FALSE(BarShown());
    FillColumn(0);   // a second group of nothing: 300 + 98 + 2 > 300
    EXPECT_TRUE(BarShown());
    SCROLLINFO si = Info();
    EXPECT_EQ(si.nMax, 399);
    EXPECT_EQ((int)si.nPage, 300);
    EXPECT_TRUE(list.DeleteGroup(1));
    EXPECT_FALSE(BarShown());
    EXPECT_EQ(ScrollPos(), 0);

    // A wheel message while everything fits is refused and scrolls nothing.
    EXPECT_EQ(::SendMessage(List(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0), 0);
    Scroll(SB_LINEDOWN);
    Scroll(SB_PAGEDOWN);
    EXPECT_EQ(ScrollPos(), 0);
    ExpectColumnAt(3, 0);
}

TEST_F(ListScrollTest, PositionsBeyondSixteenBitsWork)
{
    CreateList(400, 300);
    FillColumn(1000);   // 100,000 pixels of content
    EXPECT_EQ(Info().nMax, 99999);
    for (int i = 0; i < 400 && ScrollPos() < 99700; ++i)
        Scroll(SB_PAGEDOWN);
    EXPECT_EQ(ScrollPos(), 100000 - 300);
    EXPECT_EQ(Info().nPos, 99700);
    // The platform keeps child windows within 16-bit coordinates; windows scrolled in from
    // far away stand where the position says all the same, without a relayout.
    HWND last = Child("i999");
    EXPECT_PLACE(last, 0, 99900 - 99700, 300, 99900 - 99700 + 98);
    EXPECT_PLACE(Child("i998"), 0, 99800 - 99700, 300, 99800 - 99700 + 98);
    // A relayout keeps them there; its bar update keeps the position one short of the
    // largest one.
    list.LockUpdate(0);
    list.LockUpdate(1);
    EXPECT_EQ(ScrollPos(), 99699);
    EXPECT_PLACE(last, 0, 99900 - 99699, 300, 99900 - 99699 + 98);

    // Outside a drag the tracking position is the position itself: a thumb message whose
    // own 16-bit position says 0 moves nothing.
    Scroll(SB_THUMBTRACK);
    Scroll(SB_THUMBPOSITION);
    EXPECT_EQ(ScrollPos(), 99699);
    Scroll(SB_LINEUP);
    EXPECT_EQ(ScrollPos(), 99639);
    EXPECT_PLACE(last, 0, 99900 - 99639, 300, 99900 - 99639 + 98);
}

TEST_F(ListScrollTest, ResizeKeepsTheProportionAndPlacesEveryWindowOnce)
{
    CreateList(400, 300);
    FillColumn(10);
    ScrollTo(300);
    MoveCounter moves;
    for (int i = 0; i < 10; ++i)
        moves.Watch(Child("i" + std::to_string(i)));

    // 300 -> 600 high at 300: 600 proportionally, limited to 1000 - 600 - 1.
    ::SetWindowPos(List(), NULL, 0, 0, 400, 600, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(ScrollPos(), 399);
    EXPECT_EQ((int)Info().nPage, 600);
    ExpectColumnAt(10, 399);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(moves.Moves(i), 1) << "item " << i;

    // Growing until all fits: back to the top, the bar goes.
    moves.Clear();
    ::SetWindowPos(List(), NULL, 0, 0, 400, 1000, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(ScrollPos(), 0);
    EXPECT_FALSE(BarShown());
    ExpectColumnAt(10, 0);
    EXPECT_EQ(moves.Moves(0), 1);
}

TEST_F(ListScrollTest, ShrinkingContentAtTheEndPlacesEveryWindowOnce)
{
    CreateList(400, 300);
    FillColumn(10);
    ScrollTo(660);
    Scroll(SB_PAGEDOWN);
    ASSERT_EQ(ScrollPos(), 700);
    MoveCounter moves;
    for (int i = 0; i < 9; ++i)
        moves.Watch(Child("i" + std::to_string(i)));

    // Content 900: the position falls to 900 - 300 - 1.
    EXPECT_TRUE(list.DeleteItem(0, 9));
    EXPECT_EQ(ScrollPos(), 599);
    ExpectColumnAt(9, 599);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(moves.Moves(i), 1) << "item " << i;
}

TEST_F(ListScrollTest, WheelFollowsTheSystemLinesSetting)
{
    CreateList(400, 300);
    FillColumn(20);
    struct Case {
        UINT lines;
        int delta;
        int moved;
    } cases[] = {
        {3, -120, 60}, {9, -120, 180}, {0, -120, 60}, {3, -240, 120},
        {WHEEL_PAGESCROLL, -120, 300}, {9, 120, -180}, {WHEEL_PAGESCROLL, 120, -300},
    };
    for (const Case& c : cases) {
        SetWheelLines(c.lines);
        ScrollTo(c.delta < 0 ? 0 : 600);
        const int start = ScrollPos();
        WheelAt(c.delta);
        EXPECT_TRUE(vxtest::PumpUntil([&] { return ScrollPos() != start; }))
            << "lines " << c.lines << " delta " << c.delta;
        vxtest::PumpFor(50);
        EXPECT_EQ(ScrollPos() - start, c.moved) << "lines " << c.lines << " delta " << c.delta;
        ExpectColumnAt(20, ScrollPos());
    }

    // Half notches add up: the second scrolls one line step.
    SetWheelLines(3);
    ScrollTo(0);
    WheelAt(-60);
    vxtest::PumpFor(50);
    EXPECT_EQ(ScrollPos(), 0);
    WheelAt(-60);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ScrollPos() == 60; }));

    // A wheel the list view used is its own: the parent hears none of it.
    host.Recorder().Clear();
    WheelAt(-240);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ScrollPos() == 180; }));
    vxtest::PumpFor(50);
    EXPECT_EQ(host.Recorder().Count(WM_MOUSEWHEEL), 0);

    // The greatest delta moves each window once, to the end, not once per line step.
    SetWheelLines(9);
    ScrollTo(0);
    MoveCounter moves;
    for (int i = 0; i < 20; ++i)
        moves.Watch(Child("i" + std::to_string(i)));
    WheelAt(SHRT_MIN);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ScrollPos() == 2000 - 300; }));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(moves.Moves(i), 1) << "item " << i;

    // The message's results: 1 when used.
    SetWheelLines(WHEEL_PAGESCROLL);
    ScrollTo(0);
    EXPECT_EQ(::SendMessage(List(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0), 1);
    EXPECT_EQ(ScrollPos(), 300);
}

TEST_F(ListScrollTest, RelayoutsMoveOnlyWhatChangedAndLockUpdateGathersThem)
{
    CreateList(400, 600);
    list.AddGroup(_T("Head"), NULL, 1);
    MoveCounter moves;
    moves.Watch(Header("Head"));

    // With updates on, every change relayouts; an append moves the new window only.
    list.AddItem(0, NULL, _T("x0"), NULL);
    list.AddItem(0, NULL, _T("x1"), NULL);
    moves.Watch(Child("x1"));
    EXPECT_PLACE(Child("x1"), 50, 30, 98, 78);
    EXPECT_EQ(moves.Moves(0), 0);
    list.AddItem(0, NULL, _T("x2"), NULL);
    moves.Watch(Child("x2"));
    list.AddItem(0, NULL, _T("x3"), NULL);
    EXPECT_PLACE(Child("x3"), 150, 30, 198, 78);
    EXPECT_EQ(moves.Moves(0) + moves.Moves(1) + moves.Moves(2), 0);
    // A deletion moves the items that really shift.
    list.DeleteItem(0, 2);
    EXPECT_PLACE(Child("x3"), 100, 30, 148, 78);
    EXPECT_EQ(moves.Moves(0) + moves.Moves(1), 0);

    // Locked, nothing is placed until the lock ends: then once.
    moves.Clear();
    list.LockUpdate(0);
    AddNamedItems(0, "i", 50);
    list.DeleteItem(0, 0);
    list.AddGroup(_T("Tail"), NULL, 1);
    moves.Watch(Child("i49"));
    EXPECT_EQ(moves.Moves(0) + moves.Moves(1) + moves.Moves(2), 0);
    EXPECT_PLACE(Child("i49"), 0, 0, 0, 0);
    list.LockUpdate(1);
    EXPECT_EQ(moves.Moves(0), 0);
    EXPECT_EQ(moves.Moves(1), 1);                    // x1 took x0's place
    EXPECT_EQ(moves.Moves(3), 1);
    // x1, x3 and i0 ... i49, eight to a row: i49 is item 51, row 6, column 3.
    EXPECT_PLACE(Child("i49"), 150, 30 + 6 * 50, 198, 30 + 6 * 50 + 48);
    list.LockUpdate(1);
    EXPECT_EQ(moves.Moves(3), 1);

    // Setters wait for the next relayout.
    list.SetItemSize(60, 20);
    EXPECT_PLACE(Child("x1"), 0, 30, 48, 78);
    list.LockUpdate(0);
    list.LockUpdate(1);
    EXPECT_PLACE(Child("x1"), 0, 30, 60, 50);
}

TEST_F(ListScrollTest, RecordsWhoseWindowIsGoneDoNotBreakTheBatch)
{
    host.SetHandler([](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        result = message == WM_LISTVIEW_ITEMCLICK ? (LRESULT)(10 * wParam + lParam + 1) : 0;
        return message == WM_LISTVIEW_ITEMCLICK;
    });
    CreateList(400, 300);
    list.AddGroup(_T("Head"), NULL, 1);
    AddNamedItems(0, "i", 3);
    ::DestroyWindow(Child("i1"));
    EXPECT_EQ(list.GetItemCount(0), 3);

    // The next relayout still places every live window, after the dead one too.
    list.SetItemColumnSpace(12);
    EXPECT_EQ(list.AddItem(0, NULL, _T("i3"), NULL), 3);
    EXPECT_PLACE(Header("Head"), 0, 0, 400, 30);
    EXPECT_PLACE(Child("i0"), 0, 30, 48, 78);
    EXPECT_PLACE(Child("i2"), 120, 30, 168, 78);
    EXPECT_PLACE(Child("i3"), 180, 30, 228, 78);

    // The dead record answers the operations that only check its index.
    EXPECT_TRUE(list.SetItemText(0, 1, _T("gone")));
    EXPECT_TRUE(list.SetItemImage(0, 1, _T("img")));
    EXPECT_EQ(list.Command(MAKEWPARAM(100, BN_CLICKED), (LPARAM)Child("i2")), 3);
    EXPECT_TRUE(list.DeleteItem(0, 1));
    EXPECT_EQ(list.GetItemCount(0), 3);
}

TEST_F(ListScrollTest, ClickActivationFocusesTheListView)
{
    CreateList(400, 300);
    list.AddGroup(NULL, NULL, 0);
    ::SetFocus(host.Hwnd());
    vxtest::Click(vxtest::ScreenPoint(List(), 300, 200));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == List(); }));
}

} // namespace
