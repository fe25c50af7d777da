// Tip windows made the way a host makes them, with a log of what the library did to them as
// seen by the window's own procedure (after every hook), and a manager with its lists open.
#pragma once

#include "vxCtrlSysTips.h"
#include "vxtest.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

namespace tipstest {

const _tagenumTipsSrc kSrc1 = static_cast<_tagenumTipsSrc>(1);
const _tagenumTipsSrc kSrc2 = static_cast<_tagenumTipsSrc>(2);
const _tagenumTipsSrc kSrc3 = static_cast<_tagenumTipsSrc>(3);

// What a tip window's own procedure saw.
struct TipLog {
    std::vector<int> fadeAlphas;     // alpha read back after every fade tick (timers 2 and 3)
    std::vector<int> fadeTimers;     // ids of the fade ticks, in order
    std::vector<int> slideTops;      // window top after every slide tick (timers 10 and 11)
    std::vector<int> slideTimers;
    std::vector<int> moveTops;       // window top after every move, whoever made it
    std::vector<DWORD> timerTimes;   // GetTickCount of every library timer tick
    int timerTicks = 0;              // ticks of any library timer
    int closes = 0;                  // WM_CLOSE received
    bool keepOnClose = false;        // WM_CLOSE leaves the window as it is
    int mouseLeaves = 0;
    DWORD lastLeaveTime = 0;
    int shows = 0;                   // times the library took the window into its stack
    std::function<void()> onShown;   // called at each of them
    std::function<void()> onMoved;   // called at every WM_WINDOWPOSCHANGED
    bool destroyed = false;
};

// A top-level pop-up tip window of the test's own class; WM_CLOSE destroys it unless its log
// says to keep it.
class TipWindow {
public:
    explicit TipWindow(int cx = 300, int cy = 150, DWORD style = WS_POPUP | WS_BORDER);
    ~TipWindow();
    TipWindow(const TipWindow&) = delete;
    TipWindow& operator=(const TipWindow&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    TipLog& Log() { return m_log; }
    RECT Rect() const;
    bool Visible() const { return ::IsWindowVisible(m_hwnd) != FALSE; }
    // True while the window procedure is the test's own (no hook on it).
    bool Unhooked() const;
    // Alpha as shown: 255 when the window is not layered.
    int Alpha() const;

    _tagstSysTips Record(int nShowMode, int priority, UINT stayMs, _tagenumTipsSrc src = kSrc1,
                         int id = 0) const;

    static WNDPROC OwnProc();

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hwnd = nullptr;
    TipLog m_log;
};

// The manager with its lists and show list open to the tests.
class OpenSysTips : public vxCtrlSysTips {
public:
    int WaitingNormal() const { return (int)m_lstWaiting.GetCount(); }
    int WaitingHigh() const { return (int)m_lstWaitingHigh.GetCount(); }
    int Shown() const { return m_admin.GetCount(); }
    int ShownOf(int priority) const
    {
        return const_cast<OpenSysTips*>(this)->GetShowTips(static_cast<_tagenumPriority>(priority));
    }
    HWND NotifyWnd() const { return m_admin.GetNotifyWnd(); }
};

// A fresh manager window on the heap (it deletes itself with its window).
OpenSysTips* NewManager(int maxCount);
// Destroys the manager's window, which deletes the manager.
void DestroyManager(OpenSysTips* pTips);

// Work area of the screen.
RECT WorkArea();

// A manager under test with the pointer parked away from the stack; at the end the manager
// is destroyed.
class TipsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::SetCursorPos(0, 0);
        work = WorkArea();
    }
    void TearDown() override
    {
        if (tips != nullptr)
            DestroyManager(tips);
        vxtest::PumpMessages();
    }
    RECT work = {};
    OpenSysTips* tips = nullptr;
};

} // namespace tipstest
