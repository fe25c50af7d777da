// Every resource request of the library failing in turn. A scenario per control runs once
// counting its requests, then once per chosen request with that one failing, each run in a
// process of its own: none may crash, hang or throw anything but the framework's
// CMemoryException to the host; after the failing pass the same scenario runs again without
// failures and must answer right, and at the end no more GDI objects, windows or heap than a
// run without failures keeps may be left.
#include "fault_injection.h"
#include "vxtest.h"

#include <gtest/gtest.h>

#include <afxwin.h>
#include <vxCtrlComboBox.h>
#include <vxCtrlListView.h>
#include <vxCtrlStackWnd.h>
#include <vexelcore.h>
#include <rvToolTip.h>
#include <vxCtrlSplitter.h>
#include <vxCtrlSysTips.h>

#include "sizer_rig.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>

namespace {

// A scenario: the host's use of one control, true when every answer was right (asked only
// of a run without failures). What must hold under any failure goes into `broken`.
using Scenario = std::function<bool(HWND host, std::string& broken)>;

// WM_COMMAND notifications with one code that the host heard.
class CodeCounter
{
public:
    explicit CodeCounter(HWND host) : m_recorder(host) {}
    int Count(UINT code) const
    {
        int n = 0;
        for (const vxtest::RecordedMessage& m : m_recorder.Filter(WM_COMMAND))
            n += HIWORD(m.wParam) == code;
        return n;
    }

private:
    vxtest::MessageRecorder m_recorder;
};

bool ComboScenario(HWND host, std::string& broken)
{
    bool right = true;
    CodeCounter codes(host);
    vxCtrlComboBox combo;
    right &= combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 10, 210, 34), CWnd::FromHandle(host), 300) != 0;
    combo.ModifyCBStyle(0, VXCB_AUTOCOMPLETE | VXCB_FILTEREDLIST);
    const TCHAR* const texts[] = {_T("Amsterdam"), _T("Berlin"), _T("Bern"), _T("Rome"), _T("Oslo")};
    for (int i = 0; i < 5; ++i) {
        right &= combo.AddString(texts[i], i % 2 == 0 ? _T("img.even") : NULL) == i;
        right &= combo.SetItemData(i, 100 + i) == 0;
    }
    right &= combo.SetCurSel(3) == 3;
    combo.ShowDropDown(TRUE);
    vxtest::PumpFor(30);
    right &= combo.GetDroppedState() != 0;
    combo.ShowDropDown(FALSE);
    vxtest::PumpFor(10);
    // Typing into the edit completes and filters.
    if (combo.GetSafeHwnd() != NULL) {
        ::SetFocus(::GetDlgItem(combo.GetSafeHwnd(), VXCB_EDIT_ID));
        vxtest::PumpFor(10);
        ::SendMessage(::GetDlgItem(combo.GetSafeHwnd(), VXCB_EDIT_ID), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(_T("")));
        vxtest::KeyPress('B');
        vxtest::PumpFor(30);
        ::SendMessage(combo.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
        vxtest::PumpFor(10);
    }
    right &= combo.FindStringExact(-1, _T("Rome")) == 3;
    right &= combo.GetItemData(4) == 104;
    right &= combo.DeleteString(0) == 4;
    combo.ResetContent();
    right &= combo.GetCount() == 0;
    combo.DestroyWindow();
    // Every list announced as opening was announced as closed.
    if (codes.Count(CBN_DROPDOWN) != codes.Count(CBN_CLOSEUP))
        broken += "CBN_DROPDOWN " + std::to_string(codes.Count(CBN_DROPDOWN)) + " times, CBN_CLOSEUP " +
                  std::to_string(codes.Count(CBN_CLOSEUP)) + " times; ";
    return right;
}

bool ListViewScenario(HWND host, std::string&)
{
    bool right = true;
    vxCtrlListView list;
    right &= list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 160), CWnd::FromHandle(host), 1) != 0;
    right &= list.AddGroup(_T("Head"), NULL, 1) == 0;
    right &= list.AddGroup(_T("Second"), NULL, 1) == 1;
    for (int i = 0; i < 12; ++i)
        right &= list.AddItem(i % 2, NULL, _T("item"), i % 3 == 0 ? _T("img.item") : NULL) == i / 2;
    vxtest::PumpFor(20);
    if (list.GetSafeHwnd() != NULL) {
        ::SendMessage(list.GetSafeHwnd(), WM_VSCROLL, SB_PAGEDOWN, 0);
        ::SendMessage(list.GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
        vxtest::Click(vxtest::ScreenPoint(list.GetSafeHwnd(), 20, 40));
        vxtest::PumpFor(20);
    }
    right &= list.DeleteItem(0, 2) != 0;
    right &= list.GetItemCount(0) == 5;
    right &= list.DeleteGroup(0) != 0;
    right &= list.GetGroupCount() == 1;
    list.DestroyWindow();
    return right;
}

bool StackScenario(HWND host, std::string&)
{
    bool right = true;
    vxCtrlStackWnd stack;
    right &= stack.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 310), CWnd::FromHandle(host), 2) != 0;
    for (int i = 0; i < 3; ++i) {
        right &= stack.AddItem(_T("Group"), NULL, NULL) == i;
        for (int k = 0; k < 4; ++k)
            right &= stack.AddSubItem(i, _T("entry"), _T("img.entry")) != 0;
    }
    stack.ExpandItem(1);
    vxtest::PumpFor(20);
    if (CButton* pButton = stack.GetItemButton(2)) {
        vxtest::Click(vxtest::CentreOf(pButton->GetSafeHwnd()));
        vxtest::PumpFor(20);
    }
    stack.DestroyWindow();
    return right;
}

// A window of the host's, destroyed when the scenario ends, by an exception too.
struct Pane {
    explicit Pane(HWND host)
        : hwnd(::CreateWindowEx(0, _T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, host, NULL,
                                ::GetModuleHandle(NULL), NULL))
    {
    }
    ~Pane() { ::DestroyWindow(hwnd); }
    Pane(const Pane&) = delete;
    Pane& operator=(const Pane&) = delete;
    operator HWND() const { return hwnd; }
    HWND hwnd;
};

bool SplitterScenario(HWND host, std::string&)
{
    bool right = true;
    Pane bar(host), innerBar(host), pane0(host), pane1(host), pane2(host);
    {
        vxCtrlSplitter outer, inner;
        right &= outer.CreateSplitter(bar, 1, 1, 1) == 1;
        right &= inner.CreateSplitter(innerBar, 1, 0, 1) == 1;
        outer.AttachWnd(0, pane0);
        outer.AttachSplitter(1, &inner);
        inner.AttachWnd(0, pane1);
        inner.AttachWnd(1, pane2);
        outer.SetPaneSize(0, 100, 30);
        inner.SetPaneSize(0, 80, 20);
        outer.Layout(0, 0, 400, 300);
        outer.ShowCursor(1);
        outer.ShowCursor(0);
        RECT before, after;
        outer.GetPaneRect(0, &before);
        right &= outer.MoveBar(20) == 1;
        outer.GetPaneRect(0, &after);
        right &= after.right - after.left == before.right - before.left + 20;
    }
    return right;
}

bool LayoutScenario(HWND host, std::string&)
{
    bool right = true;
    {
        SizerRig rig(CWnd::FromHandle(host));
        if (rig.bar.GetSafeHwnd() != NULL) {
            const POINT from = vxtest::ScreenPoint(host, 102, 100);
            vxtest::MouseMove(from);
            vxtest::MouseDown();
            vxtest::PumpFor(10);
            vxtest::MouseMove({from.x + 40, from.y});
            vxtest::PumpFor(10);
            vxtest::MouseUp();
            vxtest::PumpFor(20);
        }
        CRect rc;
        rig.left.GetWindowRect(&rc);
        right &= rc.Width() == 140;
    }
    return right;
}

bool TipsScenario(HWND host, std::string&)
{
    vxtest::RegisterTestClass("vxtest.FaultTip", ::DefWindowProcA, (HBRUSH)(COLOR_INFOBK + 1));
    bool right = true;
    struct TipWindows {
        HWND hwnd[3] = {};
        ~TipWindows()
        {
            for (HWND h : hwnd)
                if (::IsWindow(h))
                    ::DestroyWindow(h);
        }
    } tipWindows;
    HWND* windows = tipWindows.hwnd;
    // Destroying the window deletes the manager; one whose window could not be made is the
    // host's to delete. Done on the way out, by an exception too.
    struct Manager {
        vxCtrlSysTips* p = new vxCtrlSysTips;
        ~Manager()
        {
            if (p->GetSafeHwnd() != NULL)
                p->DestroyWindow();
            else
                delete p;
        }
    } manager;
    vxCtrlSysTips* pTips = manager.p;
    right &= pTips->Init() == 1;
    pTips->SetTipsMaxCount(3);
    const int modes[] = {TIPS_SHOW_FADE, TIPS_SHOW_SLIDE, 0};
    for (int i = 0; i < 3; ++i) {
        windows[i] = ::CreateWindowExA(WS_EX_TOOLWINDOW, "vxtest.FaultTip", "", WS_POPUP, 0, 0, 200, 60, host, NULL,
                                       ::GetModuleHandle(NULL), NULL);
        _tagstSysTips record = {};
        record.nShowMode = modes[i];
        record.nStayTime = 100;
        record.hWnd = windows[i];
        right &= pTips->AddTips(record.src, &record) == 1;
    }
    vxtest::PumpFor(600);
    right &= pTips->RemoveTips(_tagenumTipsSrc(), windows[2]) == 1;
    return right;
}

bool ToolTipScenario(HWND host, std::string&)
{
    bool right = true;
    Pane tool(host);
    {
        rvToolTip tip;
        right &= tip.Create(CWnd::FromHandle(host)) != 0;
        tip.AddTool(CWnd::FromHandle(tool), _T("A tool"), NULL);
        CPoint pt = vxtest::ScreenPoint(host, 200, 200);
        tip.Show(_T("Shown with a longer text that wraps"), &pt, _T(""));
        vxtest::PumpFor(30);
        tip.SetbLink(TRUE);
        tip.Show(_T("A link"), &pt, _T(""));
        vxtest::PumpFor(30);
        tip.SetTipText(_T("Changed"), &pt);
        tip.Hide(0);
        tip.RemoveTool(CWnd::FromHandle(tool));
        right &= tip.GetSafeHwnd() != NULL;
        tip.DestroyWindow();
    }
    return right;
}

const std::map<std::string, Scenario>& Scenarios()
{
    static const std::map<std::string, Scenario> scenarios = {
        {"combo", ComboScenario},       {"listview", ListViewScenario}, {"stackwnd", StackScenario},
        {"splitter", SplitterScenario}, {"layout", LayoutScenario},     {"systips", TipsScenario},
        {"tooltip", ToolTipScenario}};
    return scenarios;
}

// What a run reports on its last line.
struct RunReport {
    bool ok = false;
    long requests = 0;
    long gdi = 0, windows = 0;
    long long heap = 0;
    std::string failedKind;
    std::string broken;              // what did not hold, in any run
};

// The skin engine keeps the fonts it paints with for the life of the process, made at its
// first paint without a window font: made here first, they are no leak of a run whose failure
// took a control's own font.
void MakeEngineFonts(HWND host)
{
    HWND button = ::CreateWindowEx(0, _T("BUTTON"), _T("warm"), WS_CHILD | WS_VISIBLE, 0, 0, 80, 24, host, NULL,
                                   ::GetModuleHandle(NULL), NULL);
    vxSkinWindow(button, 103, "warm", 0);
    ::UpdateWindow(button);
    ::DestroyWindow(button);
}

// One run in this process: the scenario with request failAt failing, then again without.
RunReport RunHere(const std::string& name, long failAt, bool fromThenOn)
{
    RunReport report;
    vxtest::HostWindow host(400, 400);
    MakeEngineFonts(host.Hwnd());
    vxtest::PumpFor(20);
    const vxtest::GuiCounts before = vxtest::GuiCounts::Now();
    const size_t heapBefore = vxtest::HeapBytesInUse();
    bool right = true;
    {
        vxtest::FaultInjector injector;
        injector.FailAt(failAt, fromThenOn);
        try {
            const bool firstRight = Scenarios().at(name)(host.Hwnd(), report.broken);
            if (failAt == 0)
                right &= firstRight;
        } catch (CMemoryException* e) {
            e->Delete();             // the framework's exception may reach the host
        } catch (CException* e) {
            std::printf("\nTHROWN to the host: %s\n", e->GetRuntimeClass()->m_lpszClassName);
            e->Delete();
            right = false;
        } catch (const std::exception& e) {
            std::printf("\nTHROWN to the host: %s\n", e.what());
            right = false;
        } catch (...) {
            std::printf("\nTHROWN to the host: something else\n");
            right = false;
        }
        report.requests = injector.Requests();
        report.failedKind = injector.Failed() ? vxtest::RequestName(injector.FailedKind()) : "";
        if (injector.Failed())
            std::printf("\nFAILED %s asked by %s\n", vxtest::RequestName(injector.FailedKind()),
                        injector.FailedCaller().c_str());
        injector.Stop();
        vxtest::PumpFor(20);
        // Everything works again once the resources are there.
        right &= Scenarios().at(name)(host.Hwnd(), report.broken);
    }
    vxtest::PumpFor(50);
    const vxtest::GuiCounts after = vxtest::GuiCounts::Now();
    report.ok = right;
    report.gdi = after.gdi - before.gdi;
    report.windows = after.windows - before.windows;
    report.heap = static_cast<long long>(vxtest::HeapBytesInUse()) - static_cast<long long>(heapBefore);
    return report;
}

// The child's side: a run chosen by the environment, reported on standard output.
TEST(FaultRun, DISABLED_OneRun)
{
    const char* name = std::getenv("VX_FAULT_SCENARIO");
    ASSERT_NE(name, nullptr);
    const long failAt = std::atol(std::getenv("VX_FAULT_AT") ? std::getenv("VX_FAULT_AT") : "0");
    const bool fromThenOn = std::getenv("VX_FAULT_ON") != nullptr;
    const RunReport r = RunHere(name, failAt, fromThenOn);
    if (!r.broken.empty())
        std::printf("\nBROKEN %s\n", r.broken.c_str());
    std::printf("\nREPORT ok=%d requests=%ld gdi=%ld windows=%ld heap=%lld kind=%s\n", r.ok ? 1 : 0, r.requests,
                r.gdi, r.windows, r.heap, r.failedKind.empty() ? "-" : r.failedKind.c_str());
    std::fflush(stdout);
}

// The parent's side: one run in a process of its own.
RunReport RunApart(const std::string& name, long failAt, bool fromThenOn, std::string& output, int& exitCode)
{
    ::SetEnvironmentVariableA("VX_FAULT_SCENARIO", name.c_str());
    ::SetEnvironmentVariableA("VX_FAULT_AT", std::to_string(failAt).c_str());
    ::SetEnvironmentVariableA("VX_FAULT_ON", fromThenOn ? "1" : NULL);
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string program = path;
    program = program.substr(program.find_last_of("\\/") + 1);
    // Wine now and then loses a process start: a run that printed nothing is started again.
    for (int attempt = 0; attempt < 2; ++attempt) {
        output = vxtest::RunProgramBesideThis(
            program, "--gtest_filter=FaultRun.DISABLED_OneRun --gtest_also_run_disabled_tests", &exitCode, 60000);
        if (!output.empty())
            break;
    }
    RunReport report;
    const size_t at = output.rfind("REPORT ");
    if (at == std::string::npos)
        return report;
    int ok = 0;
    char kind[64] = "";
    std::sscanf(output.c_str() + at, "REPORT ok=%d requests=%ld gdi=%ld windows=%ld heap=%lld kind=%63s", &ok,
                &report.requests, &report.gdi, &report.windows, &report.heap, kind);
    report.ok = ok != 0;
    report.failedKind = kind;
    return report;
}

// A clean run, then the runs with one request failing (spread evenly over at most nRuns)
// and with every request failing from some point on.
void Campaign(const std::string& name, int nRuns)
{
    std::string output;
    int exitCode = -1;
    const RunReport clean = RunApart(name, 0, false, output, exitCode);
    ASSERT_EQ(exitCode, 0) << output;
    ASSERT_TRUE(clean.ok) << output;
    ASSERT_GT(clean.requests, 0);
    std::map<std::string, int> runsByKind;
    const long step = clean.requests > nRuns ? clean.requests / nRuns : 1;
    for (long n = 1; n <= clean.requests; n += step) {
        for (bool fromThenOn : {false, true}) {
            if (fromThenOn && (n / step) % 4 != 0)
                continue;            // from-then-on for every fourth request only
            const RunReport r = RunApart(name, n, fromThenOn, output, exitCode);
            const std::string what = name + " with request " + std::to_string(n) +
                                     (fromThenOn ? " and every later one" : "") + " failing";
            EXPECT_EQ(exitCode, 0) << what << ":\n" << output;
            if (exitCode != 0)
                continue;
            EXPECT_TRUE(r.ok) << what << ": a later use answered wrong\n" << output;
            EXPECT_EQ(output.find("BROKEN"), std::string::npos) << what << "\n" << output;
            EXPECT_LE(r.gdi, clean.gdi) << what << ": GDI objects left\n" << output;
            EXPECT_LE(r.windows, clean.windows) << what << ": windows left\n" << output;
            EXPECT_LE(r.heap, clean.heap + 64 * 1024) << what << ": heap left\n" << output;
            ++runsByKind[r.failedKind];
        }
    }
    std::ostringstream summary;
    summary << name << ": " << clean.requests << " requests;";
    for (const auto& kind : runsByKind)
        summary << " " << kind.first << " " << kind.second;
    std::printf("%s\n", summary.str().c_str());
}

TEST(FailureCampaign, ComboBox) { Campaign("combo", 40); }
TEST(FailureCampaign, ListView) { Campaign("listview", 40); }
TEST(FailureCampaign, StackWindow) { Campaign("stackwnd", 40); }
TEST(FailureCampaign, Splitter) { Campaign("splitter", 40); }
TEST(FailureCampaign, LayoutWithASizerBarDrag) { Campaign("layout", 40); }
TEST(FailureCampaign, SystemTips) { Campaign("systips", 40); }
TEST(FailureCampaign, BalloonToolTip) { Campaign("tooltip", 40); }

} // namespace
