// The list view as a screen reader reads it and as the keyboard alone drives it: groups named
// by their headers, items as buttons named by caption or tooltip, checked radio items; the
// arrows moving the focus row by row and scrolling it into view, Enter and Space pressing; one
// tab stop for the whole list; readers inside the events of deletions.
#include "accessible_reader.h"
#include "combo_test_util.h"
#include "vxCtrlListView.h"
#include "vxtest.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ListAccessible : public ::testing::Test
{
protected:
    void Make(const CRect& rc, vxCtrlListView::ItemMode mode = vxCtrlListView::ModeButton)
    {
        ASSERT_TRUE(list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE | WS_VSCROLL, rc,
                                CWnd::FromHandle(host.Hwnd()), 7));
        list.SetItemMode(mode);
    }
    HWND Item(const char* caption) { return ::FindWindowExA(list.m_hWnd, NULL, "Button", caption); }
    // Whether the item stands wholly inside the list view's client area.
    bool Shown(HWND item)
    {
        RECT client;
        const RECT rc = vxtest::PlaceIn(list.m_hWnd, item);
        ::GetClientRect(list.m_hWnd, &client);
        return rc.top >= 0 && rc.bottom <= client.bottom;
    }

    a11y::ComScope com;
    vxtest::HostWindow host;
    vxCtrlListView list;
};

TEST_F(ListAccessible, GroupsAndItemsAsAScreenReaderReadsThem)
{
    Make(CRect(10, 10, 310, 210));
    list.AddGroup(_T("Documents"), NULL, 1);
    list.AddItem(0, NULL, _T("Report"), NULL);
    list.AddItem(0, NULL, _T(""), NULL);
    list.SetItemToolTips(0, 1, _T("Budget"));
    list.AddGroup(_T("Tools"), NULL, 0);
    list.AddItem(1, NULL, _T("Search"), NULL);

    a11y::Reader reader(list.m_hWnd);
    ASSERT_TRUE(reader.Ok());
    EXPECT_EQ(reader.Role(), ROLE_SYSTEM_PANE);
    ASSERT_EQ(reader.ChildCount(), 2);           // the groups, which hold their items
    EXPECT_EQ(reader.Role(1), ROLE_SYSTEM_GROUPING);
    EXPECT_EQ(reader.Name(1), "Documents");
    EXPECT_EQ(reader.Name(2), "Tools");
    a11y::Reader documents = reader.Child(1);
    ASSERT_TRUE(documents.Ok());
    EXPECT_EQ(documents.Parent().Window(), list.m_hWnd);
    EXPECT_EQ(documents.Role(), ROLE_SYSTEM_GROUPING);
    EXPECT_EQ(documents.Name(), "Documents");
    ASSERT_EQ(documents.ChildCount(), 2);
    EXPECT_EQ(documents.Role(1), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(documents.Name(1), "Report");
    EXPECT_EQ(documents.Name(2), "Budget");      // an image only: its tooltip
    a11y::Reader tools = reader.Child(2);
    EXPECT_EQ(tools.State() & STATE_SYSTEM_INVISIBLE, 0); // no header shown, its items are
    EXPECT_EQ(tools.Name(1), "Search");
    RECT place;
    ::GetWindowRect(Item("Report"), &place);
    const RECT read = documents.Location(1);
    EXPECT_TRUE(::EqualRect(&read, &place));
    // A group's place holds its items; the hit test goes down through it.
    const RECT group = documents.Location();
    RECT both;
    EXPECT_TRUE(::UnionRect(&both, &group, &read) && ::EqualRect(&both, &group));
    a11y::Reader hit(static_cast<IAccessible*>(NULL));
    const POINT centre = {(read.left + read.right) / 2, (read.top + read.bottom) / 2};
    EXPECT_EQ(reader.HitTest(centre, &hit), a11y::kObject);
    EXPECT_EQ(hit.Name(), "Documents");
    EXPECT_EQ(hit.HitTest(centre, &hit), a11y::kObject);
    EXPECT_EQ(hit.Window(), Item("Report"));

    // A deleted group's object answers nothing more.
    a11y::Reader held = reader.Child(2);
    EXPECT_TRUE(list.DeleteGroup(1));
    EXPECT_EQ(held.NameResult(), RPC_E_DISCONNECTED);
    EXPECT_EQ(reader.ChildCount(), 1);

    // The item's own object, which a screen reader reads when the item takes the focus.
    a11y::Reader imageOnly = documents.Child(2);
    ASSERT_TRUE(imageOnly.Ok());
    a11y::Reader item(::GetWindow(Item("Report"), GW_HWNDNEXT));
    EXPECT_EQ(item.Role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(item.Name(), "Budget");
    EXPECT_EQ(item.DefaultAction(), "Press");
    EXPECT_EQ(item.State() & STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_FOCUSABLE);
}

TEST_F(ListAccessible, RadioItemsAreCheckedWhenChosen)
{
    Make(CRect(10, 10, 310, 210), vxCtrlListView::ModeRadio);
    list.AddGroup(_T("View"), NULL, 1);
    list.AddItem(0, NULL, _T("Large"), NULL);
    list.AddItem(0, NULL, _T("Small"), NULL);
    a11y::Reader reader = a11y::Reader(list.m_hWnd).Child(1);
    EXPECT_EQ(reader.Role(1), ROLE_SYSTEM_RADIOBUTTON);
    EXPECT_EQ(reader.State(2) & STATE_SYSTEM_CHECKED, 0);
    vxtest::Click(vxtest::CentreOf(Item("Small")));
    EXPECT_TRUE(vxtest::PumpUntil([&] { return (reader.State(2) & STATE_SYSTEM_CHECKED) != 0; }));
    EXPECT_EQ(a11y::Reader(Item("Small")).State() & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
    EXPECT_EQ(a11y::Reader(Item("Small")).DefaultAction(), "Check");
}

TEST_F(ListAccessible, NamesOutsideTheAnsiCodePageReadWhole)
{
    if (sizeof(TCHAR) != sizeof(wchar_t))
        GTEST_SKIP() << "an ANSI build holds no text outside its code page";
    Make(CRect(10, 10, 310, 210));
    // Greek, Japanese and an emoji (a surrogate pair): the names read through Active
    // Accessibility are the texts given, in UTF-8 here.
    list.AddGroup(CString(L"\x03A9mega"), NULL, 1);
    list.AddItem(0, NULL, CString(L"\x65E5\x672C \xD83D\xDE00"), NULL);
    a11y::Reader reader(list.m_hWnd);
    EXPECT_EQ(reader.Name(1), "\xCE\xA9mega");
    EXPECT_EQ(reader.Child(1).Name(1), "\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80");
}

TEST_F(ListAccessible, ArrowsMoveTheFocusRowByRowAndScrollItIntoView)
{
    // Three 48-pixel items a row, 100 pixels of view: the third row lies below it.
    Make(CRect(10, 10, 180, 110));
    list.AddGroup(_T("Apps"), NULL, 0);
    LPCTSTR const names[] = {_T("a"), _T("b"), _T("c"), _T("d"), _T("e"), _T("f"), _T("g"), _T("h"), _T("i")};
    for (LPCTSTR name : names)
        list.AddItem(0, NULL, name, NULL);
    vxtest::PumpMessages();
    ASSERT_FALSE(Shown(Item("h")));

    a11y::EventLog log;
    vxtest::Click(vxtest::CentreOf(Item("a")));
    ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == Item("a"); }));
    host.Recorder().Clear();
    vxtest::KeyPress(VK_RIGHT);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == Item("b"); }));
    vxtest::KeyPress(VK_DOWN);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == Item("e"); }));
    vxtest::KeyPress(VK_DOWN);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == Item("h"); }));
    EXPECT_TRUE(Shown(Item("h")));               // scrolled into view
    EXPECT_FALSE(Shown(Item("b")));
    vxtest::KeyPress(VK_UP);
    vxtest::KeyPress(VK_UP);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == Item("b"); }));
    EXPECT_TRUE(Shown(Item("b")));
    // No row above: the focus stays.
    vxtest::KeyPress(VK_UP);
    vxtest::PumpMessages();
    EXPECT_EQ(::GetFocus(), Item("b"));
    // A screen reader heard of each item taking the focus, and finds it in its group.
    const std::vector<std::string> focus = log.Lines({{Item("b"), "b"}, {Item("e"), "e"}, {Item("h"), "h"}});
    EXPECT_NE(std::find(focus.begin(), focus.end(), "focus h 0"), focus.end());
    a11y::Reader focused(static_cast<IAccessible*>(NULL));
    EXPECT_EQ(a11y::Reader(list.m_hWnd).Child(1).Focus(&focused), a11y::kObject);
    EXPECT_EQ(focused.Window(), Item("b"));

    // Enter and Space press the focused item: the parent hears of its click.
    EXPECT_TRUE(host.Recorder().Count(WM_LISTVIEW_ITEMCLICK) == 0);
    vxtest::KeyPress(VK_RETURN);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return host.Recorder().Count(WM_LISTVIEW_ITEMCLICK) == 1; }));
    EXPECT_EQ(host.Recorder().Filter(WM_LISTVIEW_ITEMCLICK)[0].lParam, 1);
    vxtest::KeyPress(VK_SPACE);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return host.Recorder().Count(WM_LISTVIEW_ITEMCLICK) == 2; }));
}

// A screen reader's in-context hook reads the whole list inside every event the deletions
// bring (focus lost, windows destroyed): it must find each group whole or gone.
a11y::Reader* s_walked = nullptr;
int s_walks = 0;
std::vector<std::string> s_halfGone;         // groups read without their name
void CALLBACK WalkOnEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD)
{
    if (s_walked == nullptr)
        return;
    ++s_walks;
    const long groups = s_walked->ChildCount();
    for (long g = 1; g <= groups; ++g) {
        const std::string name = s_walked->Name(g);
        if (name != "One" && name != "Two" && name != "Three")
            s_halfGone.push_back("group " + std::to_string(g) + " of " + std::to_string(groups) + ": '" + name + "'");
        a11y::Reader group = s_walked->Child(g);
        for (long i = 1; i <= group.ChildCount(); ++i) {
            group.Name(i);
            group.Location(i);
        }
    }
}

TEST_F(ListAccessible, AReaderInsideTheEventsOfDeletionsFindsNoHalfGoneGroup)
{
    Make(CRect(10, 10, 310, 410));
    for (LPCTSTR title : {_T("One"), _T("Two"), _T("Three")}) {
        const int g = list.AddGroup(title, NULL, 1);
        list.AddItem(g, NULL, _T("x"), NULL);
        list.AddItem(g, NULL, _T("y"), NULL);
    }
    vxtest::PumpMessages();
    a11y::Reader reader(list.m_hWnd);
    s_walked = &reader;
    s_walks = 0;
    s_halfGone.clear();
    HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_MIN, EVENT_MAX, ::GetModuleHandleA(NULL), WalkOnEvent,
                                           ::GetCurrentProcessId(), 0, WINEVENT_INCONTEXT);
    ASSERT_TRUE(hook != NULL);
    // The focus in the last group: its loss comes when the last group goes.
    HWND last = NULL;
    for (HWND h = ::FindWindowExA(list.m_hWnd, NULL, "Button", "y"); h != NULL; h = ::FindWindowExA(list.m_hWnd, h, "Button", "y"))
        last = h;
    vxtest::Click(vxtest::CentreOf(last));
    ASSERT_TRUE(vxtest::PumpUntil([&] { return ::GetFocus() == last; }));
    EXPECT_TRUE(list.DeleteGroup(1));
    EXPECT_TRUE(list.DeleteItem(0, 0));
    const int before = s_walks;
    list.DestroyWindow();                        // the rest, group by group
    EXPECT_GT(s_walks, before);
    EXPECT_EQ(s_halfGone, std::vector<std::string>());
    ::UnhookWinEvent(hook);
    s_walked = nullptr;
    EXPECT_EQ(reader.NameResult(), RPC_E_DISCONNECTED);
}

// A dialog of an edit and a list view whose third row lies below its view.
class ListDialog : public CDialog
{
public:
    vxCtrlListView m_list;
    virtual BOOL OnInitDialog()
    {
        m_list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(10, 40, 180, 140), this, 7);
        m_list.AddGroup(_T("Apps"), NULL, 0);
        for (LPCTSTR name : {_T("a"), _T("b"), _T("c"), _T("d"), _T("e"), _T("f"), _T("g"), _T("h"), _T("i")})
            m_list.AddItem(0, NULL, name, NULL);
        return CDialog::OnInitDialog();
    }
};

TEST(ListKeyboard, OneTabStopArrowsInsideAndTheFocusedItemShown)
{
    vxtest::PreTranslateFn plainPump = vxtest::SetPreTranslate(AfxPreTranslateMessage);
    vxtest::DialogTemplate tpl{200, 100};
    tpl.Item(vxtest::DialogTemplate::kEdit, WS_TABSTOP | WS_BORDER, 7, 5, 100, 12, 401);
    ListDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tpl.Get()));
    ASSERT_TRUE(vxtest::BringToFront(dlg.m_hWnd));
    HWND edit = ::GetDlgItem(dlg.m_hWnd, 401);
    auto item = [&](const char* caption) { return ::FindWindowExA(dlg.m_list.m_hWnd, NULL, "Button", caption); };
    auto stops = [&] {
        std::string out;
        for (HWND h = ::GetWindow(dlg.m_list.m_hWnd, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT)) {
            if (::GetWindowLong(h, GWL_STYLE) & WS_TABSTOP)
                out += vxtest::WindowTextOf(h);
        }
        return out;
    };
    auto shown = [&](HWND h) {
        RECT client;
        const RECT rc = vxtest::PlaceIn(dlg.m_list.m_hWnd, h);
        ::GetClientRect(dlg.m_list.m_hWnd, &client);
        return rc.top >= 0 && rc.bottom <= client.bottom;
    };
    ASSERT_EQ(::GetFocus(), edit);
    EXPECT_EQ(stops(), "a");                     // one tab stop, the first item

    // Tab into the list, the arrows inside it: the item reached is the tab stop.
    combotest::Key(VK_TAB);
    EXPECT_EQ(::GetFocus(), item("a"));
    combotest::Key(VK_DOWN);
    combotest::Key(VK_DOWN);
    EXPECT_EQ(::GetFocus(), item("g"));
    EXPECT_EQ(stops(), "g");
    // Scrolled away by the wheel, then Tab out and back: the item is shown again.
    vxtest::MouseMove(vxtest::CentreOf(dlg.m_list.m_hWnd));
    for (int i = 0; i < 3; ++i)
        vxtest::Wheel(WHEEL_DELTA);
    combotest::PumpTranslated();
    ASSERT_FALSE(shown(item("g")));
    combotest::ChordKey(VK_SHIFT, VK_TAB);
    EXPECT_EQ(::GetFocus(), edit);
    combotest::Key(VK_TAB);
    EXPECT_EQ(::GetFocus(), item("g"));
    EXPECT_TRUE(shown(item("g")));

    // A deleted tab stop hands the part on.
    EXPECT_TRUE(dlg.m_list.DeleteItem(0, 6));
    EXPECT_EQ(stops(), "a");
    dlg.DestroyWindow();
    combotest::PumpTranslated();
    vxtest::SetPreTranslate(plainPump);
}

} // namespace
