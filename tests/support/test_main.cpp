// Entry point of every test program: common controls, the host's application object, then
// GoogleTest.
#include "vxtest.h"

#include <afxwin.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

// A crash ends the program at once with a line saying where, instead of waiting for a
// debugger that nobody attends.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* pInfo)
{
    const EXCEPTION_RECORD* pRecord = pInfo->ExceptionRecord;
    const ::testing::TestInfo* pTest = ::testing::UnitTest::GetInstance()->current_test_info();
    std::fprintf(stderr, "\nCRASH: exception 0x%08lX at %p in %s.%s\n", pRecord->ExceptionCode,
                 pRecord->ExceptionAddress, pTest != nullptr ? pTest->test_suite_name() : "-",
                 pTest != nullptr ? pTest->name() : "-");
    std::fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

// The host's application. An exception that a handler lets go ends at the framework's window
// procedure, which hands it here: a failed allocation may, as the design of resource failures
// allows, but any other is a fault of the code that threw it (an index out of range, say), and
// the running case fails.
class TestApp : public CWinApp
{
public:
    LRESULT ProcessWndProcException(CException* e, const MSG* pMsg) override
    {
        if (!e->IsKindOf(RUNTIME_CLASS(CMemoryException)))
            ADD_FAILURE() << e->GetRuntimeClass()->m_lpszClassName << " reached the window procedure with "
                          << vxtest::MessageName(pMsg->message);
        return CWinApp::ProcessWndProcException(e, pMsg);
    }
};

} // namespace

int main(int argc, char** argv)
{
    ::SetUnhandledExceptionFilter(ReportCrash);
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    ::SetProcessDPIAware();
    // The tests read what the controls asked of the skin engine (in programs that load it).
    using JournalSwitch = void(__cdecl*)(int);
    if (HMODULE hEngine = ::GetModuleHandleA("vexelcore.dll"))
        if (auto enable = reinterpret_cast<JournalSwitch>(::GetProcAddress(hEngine, "vxJournalEnable")))
            enable(1);
    TestApp app;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
