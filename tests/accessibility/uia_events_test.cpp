// What UI Automation hears while the user works the controls: every WinEvent the controls raise
// reaches it too, as an event, a property change, a structure change or a notification of the
// element the change is about. Wine's uiautomationcore has no events for a handler to see, so
// the control DLL's run-time lookup of them is patched: it finds a listening client and the
// handlers below, which read each element as it is raised.
#include "accessible_reader.h"
#include "combo_test_util.h"
#include "import_patch.h"
#include "rvToolTip.h"
#include "split_rig.h"
#include "tips_test_util.h"
#include "vxCtrlSysTips.h"
#include "vxUia.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> s_raised;
bool s_hasNotifications = true;

std::string Read(IRawElementProviderSimple* element, PROPERTYID property)
{
    VARIANT value;
    if (element == NULL || element->GetPropertyValue(property, &value) != S_OK)
        return "?";
    const std::string text = value.vt == VT_I4 ? std::to_string(value.lVal) : value.vt == VT_BSTR ? a11y::Utf8(value.bstrVal) : "";
    ::VariantClear(&value);
    return text;
}

// "type 'name'" of an element: the control type as its number's last two digits.
std::string Describe(IRawElementProviderSimple* element)
{
    const std::string type = Read(element, vxUiaControlTypeProperty);
    return type.substr(type.size() > 2 ? type.size() - 2 : 0) + " '" + Read(element, vxUiaNameProperty) + "'";
}

std::string ValueText(const VARIANT& value)
{
    return value.vt == VT_I4 ? std::to_string(value.lVal)
           : value.vt == VT_R8 ? std::to_string(static_cast<int>(value.dblVal))
           : value.vt == VT_BSTR ? "'" + a11y::Utf8(value.bstrVal) + "'"
                                 : "vt" + std::to_string(value.vt);
}

BOOL WINAPI Listening()
{
    return TRUE;
}

HRESULT WINAPI RaiseEvent(IRawElementProviderSimple* element, EVENTID id)
{
    s_raised.push_back("event " + std::to_string(id) + " " + Describe(element));
    return S_OK;
}

HRESULT WINAPI RaiseProperty(IRawElementProviderSimple* element, PROPERTYID id, VARIANT, VARIANT value)
{
    s_raised.push_back("property " + std::to_string(id) + "=" + ValueText(value) + " " + Describe(element));
    return S_OK;
}

HRESULT WINAPI RaiseStructure(IRawElementProviderSimple* element, int change, int*, int ids)
{
    s_raised.push_back("structure " + std::to_string(change) + " ids " + std::to_string(ids) + " " + Describe(element));
    return S_OK;
}

HRESULT WINAPI RaiseNotification(IRawElementProviderSimple* element, int kind, int processing, BSTR text, BSTR)
{
    s_raised.push_back("notification " + std::to_string(kind) + "/" + std::to_string(processing) + " '" +
                       a11y::Utf8(text) + "' " + Describe(element));
    return S_OK;
}

FARPROC WINAPI LookUp(HMODULE module, LPCSTR name);
vxtest::ImportPatch* s_lookup = NULL;

FARPROC WINAPI LookUp(HMODULE module, LPCSTR name)
{
    const std::string asked = HIWORD(name) != 0 ? name : "";
    if (asked == "UiaClientsAreListening")
        return reinterpret_cast<FARPROC>(&Listening);
    if (asked == "UiaRaiseAutomationEvent")
        return reinterpret_cast<FARPROC>(&RaiseEvent);
    if (asked == "UiaRaiseAutomationPropertyChangedEvent")
        return reinterpret_cast<FARPROC>(&RaiseProperty);
    if (asked == "UiaRaiseStructureChangedEvent")
        return reinterpret_cast<FARPROC>(&RaiseStructure);
    if (asked == "UiaRaiseNotificationEvent")
        return s_hasNotifications ? reinterpret_cast<FARPROC>(&RaiseNotification) : NULL;
    return reinterpret_cast<decltype(&::GetProcAddress)>(s_lookup->Original())(module, name);
}

class UiaEvents : public ::testing::Test
{
protected:
    void SetUp() override
    {
        s_raised.clear();
        s_lookup = &m_patch;
        ASSERT_TRUE(m_patch.Active());
        // As a client that asked for an element has it loaded.
        ASSERT_TRUE(::LoadLibraryA("uiautomationcore.dll") != NULL);
    }
    void TearDown() override { s_lookup = NULL; }

    // Shows one tip and gives what was raised meanwhile.
    std::vector<std::string> ShowTip()
    {
        tipstest::OpenSysTips* pTips = tipstest::NewManager(3);
        tipstest::TipWindow tip(300, 100, WS_POPUP);
        ::SetWindowTextA(tip.Hwnd(), "Mail arrived");
        _tagstSysTips record = tip.Record(TIPS_SHOW_SLIDE, 0, 0);
        EXPECT_EQ(pTips->AddTips(record.src, &record), 1);
        EXPECT_TRUE(vxtest::PumpUntil([] { return !s_raised.empty(); }));
        tipstest::DestroyManager(pTips);
        vxtest::PumpMessages();
        return s_raised;
    }

    a11y::ComScope com;
    vxtest::ImportPatch m_patch{vxtest::ControlModule(), "kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(&LookUp)};
};

TEST_F(UiaEvents, TheComboTheBarAndTheBalloonRaiseTheirChanges)
{
    {
        combotest::ComboFixture fixture(CBS_DROPDOWNLIST);
        fixture.Fill({"Small", "Large", "Huge"});
        fixture.Combo().SetCurSel(1);
        EXPECT_EQ(s_raised, std::vector<std::string>({"property 30045='Large' 03 ''"}));
        s_raised.clear();
        const RECT button = a11y::Reader(fixture.Hwnd()).Location(3);
        vxtest::Click(POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
        ASSERT_TRUE(combotest::PumpTranslatedUntil([&] { return fixture.Combo().Dropped() == TRUE; }));
        combotest::Key(VK_DOWN);
        combotest::Key(VK_ESCAPE);
        ASSERT_TRUE(combotest::WaitClosed(fixture.Combo()));
        // Expanded, its row focused; the arrow's row focused and selected; collapsed.
        EXPECT_EQ(s_raised, std::vector<std::string>({
                                "property 30070=1 03 ''",
                                "event 20005 07 'Large'",
                                "event 20005 07 'Huge'",
                                "event 20012 07 'Huge'",
                                "property 30070=0 03 ''",
                            }));

        // Typing refills the filtered list: its children change.
        combotest::ComboFixture filtered(CBS_DROPDOWN, 20, 80);
        filtered.Combo().ModifyCBStyle(VXCB_AUTOCOMPLETE, VXCB_FILTEREDLIST);
        filtered.Fill({"Bern", "Berlin", "Rome"});
        vxtest::Click(vxtest::CentreOf(filtered.Combo().Edit()->GetSafeHwnd()));
        combotest::Type("Be");
        ASSERT_TRUE(combotest::PumpTranslatedUntil([&] { return filtered.Combo().ListHwnd() != NULL; }));
        s_raised.clear();
        combotest::Type("r");
        vxtest::PumpMessages();
        EXPECT_EQ(std::count(s_raised.begin(), s_raised.end(), "structure 5 ids 2 08 ''"), 1);
        combotest::Key(VK_ESCAPE);
        EXPECT_TRUE(combotest::WaitClosed(filtered.Combo()));
    }

    a11y::SplitRig rig;
    HWND bar = rig.bar;
    vxtest::PumpMessages();
    s_raised.clear();
    IRawElementProviderSimple* element = a11y::ElementOf(bar);
    vxRangeValuePattern* value = a11y::PatternOf<vxRangeValuePattern>(element, vxUiaRangeValuePattern);
    ASSERT_TRUE(value != NULL);
    ASSERT_EQ(value->SetValue(120), S_OK);
    EXPECT_EQ(s_raised, std::vector<std::string>({"property 30047=120 27 'Tree'"}));
    value->Release();
    element->Release();

    rvToolTip balloon;
    ASSERT_TRUE(balloon.Create(CWnd::FromHandle(rig.host.Hwnd())));
    CPoint pt(300, 300);
    balloon.Show("Disk D: 91% full", &pt, "");
    vxtest::PumpMessages();
    s_raised.clear();
    balloon.SetTipText(_T("Disk D: 97% full"), &pt);
    EXPECT_EQ(s_raised, std::vector<std::string>({"property 30005='Disk D: 97% full' 22 'Disk D: 97% full'"}));
}

TEST_F(UiaEvents, AShownTipIsANotification)
{
    EXPECT_EQ(ShowTip(), std::vector<std::string>({"notification 4/0 'Mail arrived' 25 'Mail arrived'"}));
}

TEST_F(UiaEvents, WithoutNotificationsAShownTipIsASystemAlert)
{
    s_hasNotifications = false;
    EXPECT_EQ(ShowTip(), std::vector<std::string>({"event 20023 25 'Mail arrived'"}));
}

} // namespace
