// The controls as UI Automation reads them: control types, names and states through the client
// side of the system's uiautomationcore; the fragment tree, its places and the patterns acting
// on the real control through the elements themselves, reached by the Active Accessibility
// object's bridge (Wine's client side has no pattern calls); an element whose window has gone.
#include "accessible_reader.h"
#include "combo_test_util.h"
#include "rvToolTip.h"
#include "split_rig.h"
#include "vxCtrlListView.h"
#include "vxCtrlStackWnd.h"
#include "vxUia.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DECLARE_HANDLE(HUIANODE);

// A property's value as the tests compare it: "I4:50026", "BOOL:1", "BSTR:Files", "empty".
std::string VariantText(const VARIANT& value)
{
    return value.vt == VT_EMPTY  ? "empty"
           : value.vt == VT_I4   ? "I4:" + std::to_string(value.lVal)
           : value.vt == VT_BOOL ? std::string("BOOL:") + (value.boolVal ? "1" : "0")
           : value.vt == VT_BSTR ? "BSTR:" + a11y::Utf8(value.bstrVal)
                                 : "vt " + std::to_string(value.vt);
}

// The client functions a test program has from the system.
class UiaClient
{
public:
    UiaClient()
    {
        HMODULE core = ::LoadLibraryA("uiautomationcore.dll");
        m_fromHandle = reinterpret_cast<FromHandleFn>(::GetProcAddress(core, "UiaNodeFromHandle"));
        m_property = reinterpret_cast<PropertyFn>(::GetProcAddress(core, "UiaGetPropertyValue"));
        m_release = reinterpret_cast<ReleaseFn>(::GetProcAddress(core, "UiaNodeRelease"));
    }
    bool Ok() const { return m_fromHandle != NULL && m_property != NULL && m_release != NULL; }

    // A property of the window's element, as VariantText writes it.
    std::string Property(HWND hwnd, int property) const
    {
        HUIANODE node = NULL;
        if (FAILED(m_fromHandle(hwnd, &node)) || node == NULL)
            return "no node";
        VARIANT value;
        ::VariantInit(&value);
        const std::string text = SUCCEEDED(m_property(node, property, &value)) ? VariantText(value) : "failed";
        ::VariantClear(&value);
        m_release(node);
        return text;
    }

private:
    typedef HRESULT(WINAPI* FromHandleFn)(HWND, HUIANODE*);
    typedef HRESULT(WINAPI* PropertyFn)(HUIANODE, int, VARIANT*);
    typedef BOOL(WINAPI* ReleaseFn)(HUIANODE);
    FromHandleFn m_fromHandle = NULL;
    PropertyFn m_property = NULL;
    ReleaseFn m_release = NULL;
};

// One reference to a COM object, released at the end of the scope.
template <class T>
class Ref
{
public:
    Ref(T* p = NULL) : m_p(p) {}
    ~Ref() { if (m_p != NULL) m_p->Release(); }
    Ref(const Ref&) = delete;
    Ref& operator=(Ref&& other) { std::swap(m_p, other.m_p); return *this; }
    Ref(Ref&& other) : m_p(other.m_p) { other.m_p = NULL; }
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    T** Out() { return &m_p; }
    explicit operator bool() const { return m_p != NULL; }

private:
    T* m_p;
};

Ref<IRawElementProviderFragment> FragmentOf(IUnknown* element)
{
    Ref<IRawElementProviderFragment> fragment;
    if (element != NULL)
        element->QueryInterface(vxIID_IRawElementProviderFragment, reinterpret_cast<void**>(fragment.Out()));
    return fragment;
}

Ref<IRawElementProviderFragment> Go(IRawElementProviderFragment* from, NavigateDirection direction)
{
    Ref<IRawElementProviderFragment> to;
    if (from != NULL)
        from->Navigate(direction, to.Out());
    return to;
}

// An element's property, as VariantText writes it.
std::string PropertyOf(IUnknown* element, PROPERTYID property)
{
    Ref<IRawElementProviderSimple> simple;
    if (element == NULL || element->QueryInterface(vxIID_IRawElementProviderSimple, reinterpret_cast<void**>(simple.Out())) != S_OK)
        return "no element";
    VARIANT value;
    if (simple->GetPropertyValue(property, &value) != S_OK)
        return "failed";
    const std::string text = VariantText(value);
    ::VariantClear(&value);
    return text;
}

std::string NameOf(IUnknown* element)
{
    return PropertyOf(element, vxUiaNameProperty);
}

// The window a placeholder or a window's element stands on, from its host provider.
HWND HostWindowOf(IUnknown* element)
{
    Ref<IRawElementProviderSimple> simple, host;
    if (element == NULL || element->QueryInterface(vxIID_IRawElementProviderSimple, reinterpret_cast<void**>(simple.Out())) != S_OK ||
        simple->get_HostRawElementProvider(host.Out()) != S_OK || !host)
        return NULL;
    VARIANT value;
    if (host->GetPropertyValue(30020 /* NativeWindowHandle */, &value) != S_OK || value.vt != VT_I4)
        return NULL;
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(value.lVal));
}

RECT PlaceOf(IRawElementProviderFragment* element)
{
    UiaRect rc = {};
    element->get_BoundingRectangle(&rc);
    return RECT{LONG(rc.left), LONG(rc.top), LONG(rc.left + rc.width), LONG(rc.top + rc.height)};
}

bool operator==(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

// The selection of a Selection pattern's element, by the names of the elements in it.
std::vector<std::string> SelectionNames(vxSelectionPattern* selection)
{
    std::vector<std::string> names;
    SAFEARRAY* array = NULL;
    if (selection->GetSelection(&array) != S_OK || array == NULL)
        return {"failed"};
    for (LONG i = 0; i < LONG(array->rgsabound[0].cElements); ++i) {
        IUnknown* element = NULL;
        ::SafeArrayGetElement(array, &i, &element);
        names.push_back(NameOf(element));
        element->Release();
    }
    ::SafeArrayDestroy(array);
    return names;
}

class UiAutomation : public ::testing::Test
{
protected:
    a11y::ComScope com;
    UiaClient client;
};

TEST_F(UiAutomation, AClientReadsEachControlsTypeNameAndState)
{
    ASSERT_TRUE(client.Ok());
    combotest::ComboFixture fixture(CBS_DROPDOWNLIST);
    HWND label = ::CreateWindowExA(0, "STATIC", "Colour:", WS_CHILD | WS_VISIBLE, 20, 2, 100, 16,
                                   fixture.Host().Hwnd(), NULL, ::GetModuleHandleA(NULL), NULL);
    ::SetWindowPos(label, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    fixture.Fill({"Red", "Green"});
    EXPECT_EQ(client.Property(fixture.Hwnd(), vxUiaControlTypeProperty), "I4:" + std::to_string(vxUiaComboBoxControl));
    EXPECT_EQ(client.Property(fixture.Hwnd(), vxUiaNameProperty), "BSTR:Colour:");
    EXPECT_EQ(client.Property(fixture.Hwnd(), vxUiaIsEnabledProperty), "BOOL:1");
    EXPECT_EQ(client.Property(fixture.Hwnd(), vxUiaIsKeyboardFocusableProperty), "BOOL:1");
    fixture.Combo().EnableWindow(FALSE);
    EXPECT_EQ(client.Property(fixture.Hwnd(), vxUiaIsEnabledProperty), "BOOL:0");

    vxCtrlListView list;
    ASSERT_TRUE(list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 60, 310, 200), CWnd::FromHandle(fixture.Host().Hwnd()), 7));
    list.SetItemMode(vxCtrlListView::ModeRadio);
    list.AddGroup(_T("View"), NULL, 1);
    list.AddItem(0, NULL, _T("Large"), NULL);
    HWND item = ::FindWindowExA(list.m_hWnd, NULL, "Button", "Large");
    EXPECT_EQ(client.Property(item, vxUiaControlTypeProperty), "I4:" + std::to_string(vxUiaRadioButtonControl));
    EXPECT_EQ(client.Property(item, vxUiaNameProperty), "BSTR:Large");
    EXPECT_EQ(client.Property(list.m_hWnd, vxUiaControlTypeProperty), "I4:" + std::to_string(vxUiaPaneControl));

    rvToolTip tip;
    ASSERT_TRUE(tip.Create(CWnd::FromHandle(fixture.Host().Hwnd())));
    CPoint pt(300, 300);
    tip.Show("Saved", &pt, "");
    EXPECT_EQ(client.Property(tip.m_hWnd, vxUiaControlTypeProperty), "I4:" + std::to_string(vxUiaToolTipControl));
    EXPECT_EQ(client.Property(tip.m_hWnd, vxUiaNameProperty), "BSTR:Saved");
}

TEST_F(UiAutomation, ExpandCollapseAndValueActOnTheCombo)
{
    combotest::ComboFixture fixture(CBS_DROPDOWNLIST);
    fixture.Fill({"Small", "Large"});
    fixture.Combo().SetCurSel(1);
    IRawElementProviderSimple* element = a11y::ElementOf(fixture.Hwnd());
    ASSERT_TRUE(element != NULL);
    vxExpandCollapsePattern* expand = a11y::PatternOf<vxExpandCollapsePattern>(element, vxUiaExpandCollapsePattern);
    vxValuePattern* value = a11y::PatternOf<vxValuePattern>(element, vxUiaValuePattern);
    ASSERT_TRUE(expand != NULL && value != NULL);
    EXPECT_TRUE(a11y::PatternOf<vxRangeValuePattern>(element, vxUiaRangeValuePattern) == NULL);
    EXPECT_TRUE(a11y::PatternOf<vxInvokePattern>(element, vxUiaInvokePattern) == NULL);

    BSTR text = NULL;
    ASSERT_EQ(value->get_Value(&text), S_OK);
    EXPECT_EQ(a11y::Utf8(text), "Large");
    ::SysFreeString(text);
    BOOL readOnly = FALSE;
    EXPECT_EQ(value->get_IsReadOnly(&readOnly), S_OK);
    EXPECT_TRUE(readOnly);

    // Expand opens the list as the button does: the parent hears CBN_DROPDOWN.
    int state = -1;
    EXPECT_EQ(expand->get_ExpandCollapseState(&state), S_OK);
    EXPECT_EQ(state, vxExpandCollapseCollapsed);
    fixture.ClearCodes();
    ASSERT_EQ(expand->Expand(), S_OK);
    ASSERT_TRUE(combotest::PumpTranslatedUntil([&] { return fixture.Combo().Dropped() == TRUE; }));
    EXPECT_EQ(fixture.Codes().front(), (UINT)CBN_DROPDOWN);
    EXPECT_EQ(expand->get_ExpandCollapseState(&state), S_OK);
    EXPECT_EQ(state, vxExpandCollapseExpanded);
    EXPECT_EQ(expand->Expand(), S_OK);           // already open: nothing more
    ASSERT_EQ(expand->Collapse(), S_OK);
    EXPECT_TRUE(combotest::WaitClosed(fixture.Combo()));

    // The window gone, its element answers no more.
    fixture.Combo().DestroyWindow();
    VARIANT v;
    EXPECT_EQ(element->GetPropertyValue(vxUiaNameProperty, &v), static_cast<HRESULT>(0x80040201));
    EXPECT_EQ(expand->Expand(), static_cast<HRESULT>(0x80040201));
    expand->Release();
    value->Release();
    element->Release();
}

TEST_F(UiAutomation, RangeValueMovesASplitterBarWithinItsLimits)
{
    a11y::SplitRig rig;
    HWND bar = rig.bar;
    IRawElementProviderSimple* element = a11y::ElementOf(bar);
    ASSERT_TRUE(element != NULL);
    VARIANT type;
    ASSERT_EQ(element->GetPropertyValue(vxUiaControlTypeProperty, &type), S_OK);
    EXPECT_EQ(type.lVal, vxUiaThumbControl);
    vxRangeValuePattern* range = a11y::PatternOf<vxRangeValuePattern>(element, vxUiaRangeValuePattern);
    ASSERT_TRUE(range != NULL);
    double low = 0, high = 0, now = 0;
    EXPECT_EQ(range->get_Minimum(&low), S_OK);
    EXPECT_EQ(range->get_Maximum(&high), S_OK);
    EXPECT_EQ(range->get_Value(&now), S_OK);
    EXPECT_EQ(now, 100);
    EXPECT_LT(low, now);
    EXPECT_GT(high, now);
    BOOL readOnly = TRUE;
    EXPECT_EQ(range->get_IsReadOnly(&readOnly), S_OK);
    EXPECT_FALSE(readOnly);

    // Set within the limits, the bar and its panes move; outside them, nothing moves.
    ASSERT_EQ(range->SetValue(150), S_OK);
    RECT rc;
    rig.splitter.GetSplitterRect(&rc);
    EXPECT_EQ(rc.left, 150);
    EXPECT_EQ(range->SetValue(high + 1), E_INVALIDARG);
    EXPECT_EQ(range->SetValue(low - 1), E_INVALIDARG);
    rig.splitter.GetSplitterRect(&rc);
    EXPECT_EQ(rc.left, 150);
    range->Release();
    element->Release();
}

TEST_F(UiAutomation, SelectionItemChecksARadioItem)
{
    vxtest::HostWindow host;
    vxCtrlListView radios;
    ASSERT_TRUE(radios.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(320, 10, 620, 210), CWnd::FromHandle(host.Hwnd()), 8));
    radios.SetItemMode(vxCtrlListView::ModeRadio);
    radios.AddGroup(_T("View"), NULL, 1);
    radios.AddItem(0, NULL, _T("Large"), NULL);
    HWND large = ::FindWindowExA(radios.m_hWnd, NULL, "Button", "Large");
    IRawElementProviderSimple* element = a11y::ElementOf(large);
    vxSelectionItemPattern* item = a11y::PatternOf<vxSelectionItemPattern>(element, vxUiaSelectionItemPattern);
    ASSERT_TRUE(item != NULL);
    BOOL selected = TRUE;
    EXPECT_EQ(item->get_IsSelected(&selected), S_OK);
    EXPECT_FALSE(selected);
    ASSERT_EQ(item->Select(), S_OK);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return ::SendMessage(large, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    EXPECT_EQ(item->get_IsSelected(&selected), S_OK);
    EXPECT_TRUE(selected);
    item->Release();
    element->Release();
}

TEST_F(UiAutomation, ListViewGroupsHoldTheirItemsInTheFragmentWithScreenPlaces)
{
    vxtest::HostWindow host;
    vxCtrlListView list;
    ASSERT_TRUE(list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 250), CWnd::FromHandle(host.Hwnd()), 7));
    list.AddGroup(_T("Files"), NULL, 1);
    list.AddGroup(_T("Edit"), NULL, 1);
    list.AddItem(0, NULL, _T("Open"), NULL);
    list.AddItem(0, NULL, _T("Save"), NULL);
    list.AddItem(1, NULL, _T("Undo"), NULL);
    vxtest::PumpMessages();
    HWND save = ::FindWindowExA(list.m_hWnd, NULL, "Button", "Save");
    Ref<IRawElementProviderSimple> root(a11y::ElementOf(list.m_hWnd));
    Ref<IRawElementProviderFragment> files = Go(FragmentOf(root.Get()).Get(), NavigateDirection_FirstChild);
    ASSERT_TRUE(files);
    EXPECT_EQ(PropertyOf(files.Get(), vxUiaControlTypeProperty), "I4:" + std::to_string(vxUiaGroupControl));
    EXPECT_EQ(NameOf(files.Get()), "BSTR:Files");
    EXPECT_EQ(NameOf(Go(files.Get(), NavigateDirection_NextSibling).Get()), "BSTR:Edit");
    EXPECT_EQ(NameOf(Go(Go(files.Get(), NavigateDirection_NextSibling).Get(), NavigateDirection_PreviousSibling).Get()), "BSTR:Files");
    EXPECT_FALSE(Go(Go(files.Get(), NavigateDirection_NextSibling).Get(), NavigateDirection_NextSibling));
    Ref<IRawElementProviderFragmentRoot> top;
    EXPECT_EQ(Go(files.Get(), NavigateDirection_Parent)->QueryInterface(vxIID_IRawElementProviderFragmentRoot, reinterpret_cast<void**>(top.Out())), S_OK);

    // Its place on the screen spans its items, as the accessible object's does.
    a11y::Reader group = a11y::Reader(list.m_hWnd).Child(1);
    const RECT place = group.Location();
    EXPECT_TRUE(PlaceOf(files.Get()) == place);
    RECT listOnScreen, inside;
    ::GetWindowRect(list.m_hWnd, &listOnScreen);
    EXPECT_TRUE(!::IsRectEmpty(&place) && ::IntersectRect(&inside, &listOnScreen, &place) && inside == place);

    // The group holds its item windows, each by a placeholder that tells nothing of its own;
    // the list view names it when the system asks where the item window goes.
    Ref<IRawElementProviderFragment> open = Go(files.Get(), NavigateDirection_FirstChild);
    Ref<IRawElementProviderFragment> second = Go(open.Get(), NavigateDirection_NextSibling);
    EXPECT_EQ(HostWindowOf(second.Get()), save);
    EXPECT_EQ(NameOf(second.Get()), "empty");
    EXPECT_FALSE(Go(second.Get(), NavigateDirection_NextSibling));
    ASSERT_EQ(second->SetFocus(), S_OK);                 // the focus goes to the item window
    EXPECT_EQ(::GetFocus(), save);
    Ref<vxHwndOverride> override_;
    ASSERT_EQ(root->QueryInterface(vxIID_IRawElementProviderHwndOverride, reinterpret_cast<void**>(override_.Out())), S_OK);
    Ref<IRawElementProviderSimple> placed;
    ASSERT_EQ(override_->GetOverrideProviderForHwnd(save, placed.Out()), S_OK);
    EXPECT_EQ(NameOf(Go(FragmentOf(placed.Get()).Get(), NavigateDirection_Parent).Get()), "BSTR:Files");
    Ref<IRawElementProviderSimple> none;
    EXPECT_EQ(override_->GetOverrideProviderForHwnd(host.Hwnd(), none.Out()), S_OK);
    EXPECT_FALSE(none);

    // The point over an item is its placeholder's.
    Ref<IRawElementProviderFragmentRoot> rootOfFragment;
    ASSERT_EQ(files->get_FragmentRoot(rootOfFragment.Out()), S_OK);
    const POINT undo = vxtest::CentreOf(::FindWindowExA(list.m_hWnd, NULL, "Button", "Undo"));
    Ref<IRawElementProviderFragment> atPoint;
    ASSERT_EQ(rootOfFragment->ElementProviderFromPoint(undo.x, undo.y, atPoint.Out()), S_OK);
    EXPECT_EQ(HostWindowOf(atPoint.Get()), ::FindWindowExA(list.m_hWnd, NULL, "Button", "Undo"));

    // An item's own element presses it: the parent hears the click.
    Ref<IRawElementProviderSimple> openItem(a11y::ElementOf(::FindWindowExA(list.m_hWnd, NULL, "Button", "Open")));
    Ref<vxInvokePattern> invoke(a11y::PatternOf<vxInvokePattern>(openItem.Get(), vxUiaInvokePattern));
    ASSERT_TRUE(invoke);
    host.Recorder().Clear();
    ASSERT_EQ(invoke->Invoke(), S_OK);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return host.Recorder().Count(WM_LISTVIEW_ITEMCLICK) == 1; }));

    // A deleted group's element answers no more.
    ASSERT_TRUE(list.DeleteGroup(0));
    EXPECT_EQ(NameOf(files.Get()), "failed");
    EXPECT_EQ(NameOf(Go(FragmentOf(root.Get()).Get(), NavigateDirection_FirstChild).Get()), "BSTR:Edit");
}

TEST_F(UiAutomation, TheComboReadsItsSelectionAndItsRowsScrollAndChoose)
{
    combotest::ComboFixture fixture(CBS_DROPDOWNLIST);
    fixture.Fill({"Small", "Large"});
    for (int i = 2; i < 39; ++i)
        fixture.Combo().AddString(_T("Row"));
    fixture.Combo().AddString(_T("Last"));
    fixture.Combo().SetCurSel(1);
    Ref<IRawElementProviderSimple> element(a11y::ElementOf(fixture.Hwnd()));
    Ref<vxSelectionPattern> selection(a11y::PatternOf<vxSelectionPattern>(element.Get(), vxUiaSelectionPattern));
    ASSERT_TRUE(selection);
    BOOL flag = TRUE;
    EXPECT_EQ(selection->get_CanSelectMultiple(&flag), S_OK);
    EXPECT_FALSE(flag);
    // Closed, the field that shows the chosen item is the selection (named as the combo); open,
    // the row.
    EXPECT_EQ(SelectionNames(selection.Get()), std::vector<std::string>({"BSTR:"}));
    // The button, a simple child, has its place on the screen.
    Ref<IRawElementProviderFragment> button = Go(FragmentOf(element.Get()).Get(), NavigateDirection_LastChild);
    const RECT buttonPlace = a11y::Reader(fixture.Hwnd()).Location(3);
    EXPECT_TRUE(PlaceOf(button.Get()) == buttonPlace);
    EXPECT_EQ(NameOf(button.Get()), "BSTR:Open");

    vxtest::Click(POINT{(buttonPlace.left + buttonPlace.right) / 2, (buttonPlace.top + buttonPlace.bottom) / 2});
    ASSERT_TRUE(combotest::PumpTranslatedUntil([&] { return fixture.Combo().Dropped() == TRUE; }));
    SAFEARRAY* rows = NULL;
    ASSERT_EQ(selection->GetSelection(&rows), S_OK);
    IUnknown* large = NULL;
    LONG first = 0;
    ::SafeArrayGetElement(rows, &first, &large);
    ::SafeArrayDestroy(rows);
    EXPECT_EQ(PropertyOf(large, vxUiaControlTypeProperty), "I4:" + std::to_string(vxUiaListItemControl));
    EXPECT_EQ(NameOf(large), "BSTR:Large");
    Ref<vxSelectionItemPattern> largeItem(a11y::PatternOf<vxSelectionItemPattern>(static_cast<IRawElementProviderSimple*>(static_cast<void*>(large)), vxUiaSelectionItemPattern));
    large->Release();
    ASSERT_TRUE(largeItem);
    Ref<IRawElementProviderSimple> list;
    ASSERT_EQ(largeItem->get_SelectionContainer(list.Out()), S_OK);
    EXPECT_EQ(PropertyOf(list.Get(), vxUiaControlTypeProperty), "I4:" + std::to_string(vxUiaListControl));

    // The last row, scrolled out, comes into view and is chosen as a click chooses it.
    Ref<IAccessibleEx> bridge;
    ASSERT_EQ(list->QueryInterface(vxIID_IAccessibleEx, reinterpret_cast<void**>(bridge.Out())), S_OK);
    Ref<IAccessibleEx> lastRow;
    ASSERT_EQ(bridge->GetObjectForChild(40, lastRow.Out()), S_OK);
    EXPECT_EQ(PropertyOf(lastRow.Get(), vxUiaIsOffscreenProperty), "BOOL:1");
    Ref<IRawElementProviderSimple> lastSimple;
    lastRow->QueryInterface(vxIID_IRawElementProviderSimple, reinterpret_cast<void**>(lastSimple.Out()));
    Ref<vxScrollItemPattern> scroll(a11y::PatternOf<vxScrollItemPattern>(lastSimple.Get(), vxUiaScrollItemPattern));
    ASSERT_TRUE(scroll);
    ASSERT_EQ(scroll->ScrollIntoView(), S_OK);
    EXPECT_EQ(PropertyOf(lastRow.Get(), vxUiaIsOffscreenProperty), "BOOL:0");
    HWND listWindow = NULL;
    Ref<IOleWindow> listObject;
    ASSERT_EQ(a11y::Reader(fixture.Hwnd()).Child(2).Object()->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(listObject.Out())), S_OK);
    listObject->GetWindow(&listWindow);
    RECT listOnScreen, row = PlaceOf(FragmentOf(lastRow.Get()).Get()), inside;
    ::GetClientRect(listWindow, &listOnScreen);
    ::MapWindowPoints(listWindow, NULL, reinterpret_cast<POINT*>(&listOnScreen), 2);
    EXPECT_TRUE(::IntersectRect(&inside, &listOnScreen, &row) && inside == row);
    Ref<vxSelectionItemPattern> lastItem(a11y::PatternOf<vxSelectionItemPattern>(lastSimple.Get(), vxUiaSelectionItemPattern));
    fixture.ClearCodes();
    ASSERT_EQ(lastItem->Select(), S_OK);
    EXPECT_TRUE(combotest::WaitClosed(fixture.Combo()));
    EXPECT_EQ(fixture.Combo().GetCurSel(), 39);
    EXPECT_EQ(fixture.Codes(), std::vector<UINT>({CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
}

TEST_F(UiAutomation, StackItemsExpandAndTheirEntriesAreListItemsThatChoose)
{
    vxtest::HostWindow host;
    vxCtrlStackWnd stack;
    ASSERT_TRUE(stack.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 310), CWnd::FromHandle(host.Hwnd()), 5));
    stack.AddItem(_T("Messages"), NULL, NULL);
    stack.AddItem(_T("Programs"), NULL, NULL);
    stack.AddSubItem(1, _T("Editor"), NULL);
    stack.AddSubItem(1, _T("Shell"), NULL);
    vxtest::PumpMessages();
    Ref<IRawElementProviderSimple> button(a11y::ElementOf(stack.GetItemButton(1)->m_hWnd));
    Ref<vxExpandCollapsePattern> expand(a11y::PatternOf<vxExpandCollapsePattern>(button.Get(), vxUiaExpandCollapsePattern));
    ASSERT_TRUE(expand);
    EXPECT_EQ(PropertyOf(button.Get(), vxUiaControlTypeProperty), "I4:" + std::to_string(vxUiaButtonControl));
    ASSERT_EQ(expand->Expand(), S_OK);
    int state = -1;
    ASSERT_TRUE(vxtest::PumpUntil([&] { return expand->get_ExpandCollapseState(&state) == S_OK && state == vxExpandCollapseExpanded; }));

    Ref<IRawElementProviderSimple> entries(a11y::ElementOf(stack.GetItemContent(1)->m_hWnd));
    EXPECT_EQ(PropertyOf(entries.Get(), vxUiaControlTypeProperty), "I4:" + std::to_string(vxUiaListControl));
    Ref<IRawElementProviderFragment> shell = Go(FragmentOf(entries.Get()).Get(), NavigateDirection_LastChild);
    EXPECT_EQ(PropertyOf(shell.Get(), vxUiaControlTypeProperty), "I4:" + std::to_string(vxUiaListItemControl));
    EXPECT_EQ(NameOf(shell.Get()), "BSTR:Shell");
    Ref<IRawElementProviderSimple> shellSimple;
    shell->QueryInterface(vxIID_IRawElementProviderSimple, reinterpret_cast<void**>(shellSimple.Out()));
    Ref<vxSelectionItemPattern> choose(a11y::PatternOf<vxSelectionItemPattern>(shellSimple.Get(), vxUiaSelectionItemPattern));
    ASSERT_TRUE(choose);
    host.Recorder().Clear();
    ASSERT_EQ(choose->Select(), S_OK);
    ASSERT_TRUE(vxtest::PumpUntil([&] { return host.Recorder().Count(WM_STACKWND_SUBITEMSEL) == 1; }));
    const vxtest::RecordedMessage chosen = host.Recorder().Filter(WM_STACKWND_SUBITEMSEL).front();
    EXPECT_EQ(chosen.wParam, 1u);
    EXPECT_EQ(chosen.lParam, 1);
    Ref<vxSelectionPattern> selection(a11y::PatternOf<vxSelectionPattern>(entries.Get(), vxUiaSelectionPattern));
    EXPECT_EQ(SelectionNames(selection.Get()), std::vector<std::string>({"BSTR:Shell"}));
}

} // namespace
