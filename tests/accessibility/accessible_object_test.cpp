// The accessible objects as COM hands them to screen readers: answered whatever COM state the
// control's thread is in, each call carried out on the window's thread; IDispatch through the
// accessibility type library; the children enumerated; the window and the standard services
// of the system's objects.
#include "accessible_reader.h"
#include "combo_test_util.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using combotest::ComboFixture;

const IID kIID_IAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

enum class ThreadCom { None, Multithreaded, SingleThreaded };

class AccessibleThreads : public ::testing::TestWithParam<ThreadCom>
{
protected:
    void SetUp() override
    {
        if (GetParam() != ThreadCom::None)
            m_init = ::CoInitializeEx(NULL, GetParam() == ThreadCom::Multithreaded ? COINIT_MULTITHREADED
                                                                                  : COINIT_APARTMENTTHREADED);
    }
    void TearDown() override
    {
        if (SUCCEEDED(m_init))
            ::CoUninitialize();
    }
    HRESULT m_init = E_FAIL;
};

TEST_P(AccessibleThreads, AReaderOnAnotherThreadIsAnsweredFromTheWindowsThread)
{
    ComboFixture fixture(CBS_DROPDOWNLIST);
    HWND label = ::CreateWindowExA(0, "STATIC", "Size:", WS_CHILD | WS_VISIBLE, 20, 2, 100, 16,
                                   fixture.Host().Hwnd(), NULL, ::GetModuleHandleA(NULL), NULL);
    ::SetWindowPos(label, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    fixture.Fill({"Small", "Large"});
    fixture.Combo().SetCurSel(1);
    vxtest::Click(vxtest::CentreOf(fixture.Hwnd()));
    ASSERT_TRUE(combotest::PumpTranslatedUntil([&] { return fixture.Combo().Dropped() == TRUE; }));
    combotest::Key(VK_ESCAPE);
    ASSERT_TRUE(combotest::WaitClosed(fixture.Combo()));
    ASSERT_EQ(::GetFocus(), fixture.Hwnd());

    // The reader runs while this thread pumps, as a screen reader's thread does.
    std::atomic<bool> done(false);
    std::string name, value;
    long count = -1, state = -1;
    HRESULT action = E_FAIL;
    HWND hwnd = fixture.Hwnd();
    std::thread reader([&] {
        a11y::ComScope com;
        {
            a11y::Reader combo(hwnd);
            name = combo.Name();
            value = combo.Value();
            count = combo.ChildCount();
            state = combo.State();           // the focus is the window's thread's to tell
            action = combo.DoDefaultAction();
        }
        done = true;
    });
    const bool finished = vxtest::PumpUntil([&] { return done.load(); }, 10000);
    reader.join();
    ASSERT_TRUE(finished);
    EXPECT_EQ(name, "Size:");
    EXPECT_EQ(value, "Large");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(state & STATE_SYSTEM_FOCUSED, STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(action, S_OK);
    EXPECT_TRUE(combotest::PumpTranslatedUntil([&] { return fixture.Combo().Dropped() == TRUE; }));
    combotest::Key(VK_ESCAPE);
    EXPECT_TRUE(combotest::WaitClosed(fixture.Combo()));
}

INSTANTIATE_TEST_SUITE_P(ControlThread, AccessibleThreads,
                         ::testing::Values(ThreadCom::None, ThreadCom::Multithreaded, ThreadCom::SingleThreaded),
                         [](const ::testing::TestParamInfo<ThreadCom>& info) {
                             return info.param == ThreadCom::None            ? std::string("WithoutCom")
                                    : info.param == ThreadCom::Multithreaded ? std::string("Multithreaded")
                                                                             : std::string("SingleThreaded");
                         });

TEST(AccessibleInterfaces, DispatchEnumerationWindowAndServices)
{
    a11y::ComScope com;
    ComboFixture fixture(CBS_DROPDOWN);
    fixture.Fill({"Red", "Green"});
    fixture.Combo().SetCurSel(1);
    a11y::Reader reader(fixture.Hwnd());
    ASSERT_TRUE(reader.Ok());
    IAccessible* acc = reader.Object();

    // IDispatch reaches the same properties by name.
    UINT infos = 0;
    ASSERT_EQ(acc->GetTypeInfoCount(&infos), S_OK);
    ASSERT_EQ(infos, 1u);
    LPOLESTR member = const_cast<LPOLESTR>(L"accValue");
    DISPID id = 0;
    ASSERT_EQ(acc->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    EXPECT_EQ(id, DISPID_ACC_VALUE);
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    DISPPARAMS params = {&self, NULL, 1, 0};
    VARIANT result;
    ::VariantInit(&result);
    ASSERT_EQ(acc->Invoke(DISPID_ACC_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params, &result,
                          NULL, NULL),
              S_OK);
    ASSERT_EQ(result.vt, VT_BSTR);
    EXPECT_EQ(std::wstring(result.bstrVal), L"Green");
    ::VariantClear(&result);
    EXPECT_EQ(acc->Invoke(DISPID_ACC_VALUE, kIID_IAccessible, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params,
                          &result, NULL, NULL),
              DISP_E_UNKNOWNINTERFACE);

    // The children enumerated: the edit as its own object, the list and the button by number.
    VARIANT children[4];
    LONG got = 0;
    ASSERT_EQ(::AccessibleChildren(acc, 0, 4, children, &got), S_FALSE);
    ASSERT_EQ(got, 3);
    EXPECT_EQ(children[0].vt, VT_DISPATCH);
    EXPECT_EQ(children[1].vt, VT_I4);
    EXPECT_EQ(children[1].lVal, 2);
    EXPECT_EQ(children[2].lVal, 3);
    HWND childWindow = NULL;
    IAccessible* edit = NULL;
    ASSERT_EQ(children[0].pdispVal->QueryInterface(kIID_IAccessible, reinterpret_cast<void**>(&edit)), S_OK);
    EXPECT_EQ(::WindowFromAccessibleObject(edit, &childWindow), S_OK);
    EXPECT_EQ(childWindow, fixture.Combo().Edit()->GetSafeHwnd());
    edit->Release();
    for (LONG i = 0; i < got; ++i)
        ::VariantClear(&children[i]);

    // Its window and the standard object's services.
    IOleWindow* window = NULL;
    ASSERT_EQ(acc->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)), S_OK);
    HWND own = NULL;
    EXPECT_EQ(window->GetWindow(&own), S_OK);
    EXPECT_EQ(own, fixture.Hwnd());
    window->Release();
    IServiceProvider* services = NULL;
    ASSERT_EQ(acc->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&services)), S_OK);
    services->Release();
}

} // namespace
