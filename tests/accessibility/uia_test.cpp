// The controls as UI Automation reads them: control types, names and states through the client
// side of the system's uiautomationcore; the patterns acting on the real control through the
// elements themselves, reached by the Active Accessibility object's bridge (Wine's client side
// has no pattern calls); an element whose window has gone.
#include "accessible_reader.h"
#include "combo_test_util.h"
#include "rvToolTip.h"
#include "vxCtrlListView.h"
#include "vxCtrlSplitter.h"
#include "vxUia.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DECLARE_HANDLE(HUIANODE);

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

    // A property of the window's element, as "type:value" ("I4:50003", "BSTR:Colour:", "BOOL:1").
    std::string Property(HWND hwnd, int property) const
    {
        HUIANODE node = NULL;
        if (FAILED(m_fromHandle(hwnd, &node)) || node == NULL)
            return "no node";
        VARIANT value;
        ::VariantInit(&value);
        std::string text = "failed";
        if (SUCCEEDED(m_property(node, property, &value))) {
            if (value.vt == VT_I4)
                text = "I4:" + std::to_string(value.lVal);
            else if (value.vt == VT_BOOL)
                text = std::string("BOOL:") + (value.boolVal ? "1" : "0");
            else if (value.vt == VT_BSTR)
                text = "BSTR:" + a11y::Utf8(value.bstrVal);
            else
                text = "vt " + std::to_string(value.vt);
        }
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

// The element of a window's provider, reached as a client of its accessible object reaches it.
IRawElementProviderSimple* ElementOf(HWND hwnd)
{
    a11y::Reader reader(hwnd);
    IServiceProvider* services = NULL;
    IRawElementProviderSimple* element = NULL;
    if (reader.Ok() && reader.Object()->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&services)) == S_OK) {
        IUnknown* bridge = NULL;
        if (services->QueryService(vxIID_IAccessibleEx, vxIID_IAccessibleEx, reinterpret_cast<void**>(&bridge)) == S_OK) {
            bridge->QueryInterface(vxIID_IRawElementProviderSimple, reinterpret_cast<void**>(&element));
            bridge->Release();
        }
        services->Release();
    }
    return element;
}

template <class Pattern>
Pattern* PatternOf(IRawElementProviderSimple* element, PATTERNID id)
{
    IUnknown* unknown = NULL;
    if (element == NULL || element->GetPatternProvider(id, &unknown) != S_OK || unknown == NULL)
        return NULL;
    Pattern* pattern = reinterpret_cast<Pattern*>(unknown); // the element answers for each pattern itself
    IUnknown* asked = NULL;
    const IID& iid = id == vxUiaInvokePattern           ? vxIID_IInvokeProvider
                     : id == vxUiaExpandCollapsePattern ? vxIID_IExpandCollapseProvider
                     : id == vxUiaValuePattern          ? vxIID_IValueProvider
                     : id == vxUiaRangeValuePattern     ? vxIID_IRangeValueProvider
                                                        : vxIID_ISelectionItemProvider;
    unknown->QueryInterface(iid, reinterpret_cast<void**>(&asked));
    unknown->Release();
    pattern = reinterpret_cast<Pattern*>(asked);
    return pattern;
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
    IRawElementProviderSimple* element = ElementOf(fixture.Hwnd());
    ASSERT_TRUE(element != NULL);
    vxExpandCollapsePattern* expand = PatternOf<vxExpandCollapsePattern>(element, vxUiaExpandCollapsePattern);
    vxValuePattern* value = PatternOf<vxValuePattern>(element, vxUiaValuePattern);
    ASSERT_TRUE(expand != NULL && value != NULL);
    EXPECT_TRUE(PatternOf<vxRangeValuePattern>(element, vxUiaRangeValuePattern) == NULL);
    EXPECT_TRUE(PatternOf<vxInvokePattern>(element, vxUiaInvokePattern) == NULL);

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
    vxtest::HostWindow host(400, 200);
    HWND pane0 = ::CreateWindowExA(0, "STATIC", "Tree", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, host.Hwnd(), NULL, NULL, NULL);
    HWND bar = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 4, 100, host.Hwnd(), NULL, NULL, NULL);
    HWND pane1 = ::CreateWindowExA(0, "STATIC", "Details", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, host.Hwnd(), NULL, NULL, NULL);
    vxCtrlSplitter splitter;
    splitter.CreateSplitter(bar, 1, 1, 1);
    splitter.AttachWnd(0, pane0);
    splitter.AttachWnd(1, pane1);
    splitter.SetPaneSize(0, 100, 30);
    splitter.SetPaneSize(1, -1, 30);
    splitter.Layout(0, 0, 300, 100);
    IRawElementProviderSimple* element = ElementOf(bar);
    ASSERT_TRUE(element != NULL);
    VARIANT type;
    ASSERT_EQ(element->GetPropertyValue(vxUiaControlTypeProperty, &type), S_OK);
    EXPECT_EQ(type.lVal, vxUiaThumbControl);
    vxRangeValuePattern* range = PatternOf<vxRangeValuePattern>(element, vxUiaRangeValuePattern);
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
    splitter.GetSplitterRect(&rc);
    EXPECT_EQ(rc.left, 150);
    EXPECT_EQ(range->SetValue(high + 1), E_INVALIDARG);
    EXPECT_EQ(range->SetValue(low - 1), E_INVALIDARG);
    splitter.GetSplitterRect(&rc);
    EXPECT_EQ(rc.left, 150);
    range->Release();
    element->Release();
}

TEST_F(UiAutomation, InvokeAndSelectionItemPressTheListViewsItems)
{
    vxtest::HostWindow host;
    vxCtrlListView list;
    ASSERT_TRUE(list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 210), CWnd::FromHandle(host.Hwnd()), 7));
    list.AddGroup(_T("Files"), NULL, 1);
    list.AddItem(0, NULL, _T("Open"), NULL);
    IRawElementProviderSimple* element = ElementOf(::FindWindowExA(list.m_hWnd, NULL, "Button", "Open"));
    ASSERT_TRUE(element != NULL);
    vxInvokePattern* invoke = PatternOf<vxInvokePattern>(element, vxUiaInvokePattern);
    ASSERT_TRUE(invoke != NULL);
    host.Recorder().Clear();
    ASSERT_EQ(invoke->Invoke(), S_OK);
    EXPECT_TRUE(vxtest::PumpUntil([&] { return host.Recorder().Count(WM_LISTVIEW_ITEMCLICK) == 1; }));
    invoke->Release();
    element->Release();

    vxCtrlListView radios;
    ASSERT_TRUE(radios.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(320, 10, 620, 210), CWnd::FromHandle(host.Hwnd()), 8));
    radios.SetItemMode(vxCtrlListView::ModeRadio);
    radios.AddGroup(_T("View"), NULL, 1);
    radios.AddItem(0, NULL, _T("Large"), NULL);
    HWND large = ::FindWindowExA(radios.m_hWnd, NULL, "Button", "Large");
    element = ElementOf(large);
    vxSelectionItemPattern* item = PatternOf<vxSelectionItemPattern>(element, vxUiaSelectionItemPattern);
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

} // namespace
