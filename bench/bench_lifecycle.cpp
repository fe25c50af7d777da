// What it costs to make and unmake each control, against creating and destroying one plain
// child window of the same size: the least a control made of windows can cost.
#include "bench.h"

#include <afxwin.h>

#include "rvToolTip.h"
#include "vxCtrlComboBox.h"
#include "vxCtrlListView.h"
#include "vxCtrlSplitter.h"
#include "vxCtrlStackWnd.h"
#include "vxCtrlSysTips.h"

#include <memory>
#include <string>

namespace {

const int kCycles = 50;              // cycles per run

struct Host {
    HWND hwnd = ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, NULL, NULL,
                                 ::GetModuleHandle(NULL), NULL);
    ~Host() { ::DestroyWindow(hwnd); }
    CWnd* Wnd() const { return CWnd::FromHandle(hwnd); }
    HWND Child(int cx, int cy, DWORD style = WS_CHILD | WS_VISIBLE) const
    {
        return ::CreateWindowEx(0, _T("STATIC"), _T(""), style, 0, 0, cx, cy, hwnd, NULL, ::GetModuleHandle(NULL),
                                NULL);
    }
};

// kCycles plain child windows of cx by cy made and destroyed.
vxbench::Work PlainWindows(std::shared_ptr<Host> host, int cx, int cy)
{
    return [host, cx, cy] {
        for (int i = 0; i < kCycles; ++i)
            ::DestroyWindow(host->Child(cx, cy));
    };
}

vxbench::Comparison Against(std::shared_ptr<Host> host, int cx, int cy, vxbench::Work subject)
{
    vxbench::Comparison c;
    c.baseline = "a plain child window of the same size created and destroyed";
    c.runBaseline = PlainWindows(host, cx, cy);
    c.runSubject = std::move(subject);
    c.targetRatio = 3;
    return c;
}

} // namespace

// kCycles controls made by create (false: not made) and destroyed.
template <class Control, class Create>
vxbench::Work MadeAndDestroyed(const char* what, Create create)
{
    return [what, create] {
        for (int i = 0; i < kCycles; ++i) {
            Control control;
            if (!create(control))
                vxbench::Fail(std::string("no ") + what);
            control.DestroyWindow();
        }
    };
}

VXBENCH_FIGURE(lifecycle_combo)
{
    auto host = std::make_shared<Host>();
    return Against(host, 200, 24, MadeAndDestroyed<vxCtrlComboBox>("combo", [host](vxCtrlComboBox& combo) {
        return combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 200, 24), host->Wnd(), 1) != 0;
    }));
}

VXBENCH_FIGURE(lifecycle_listview)
{
    auto host = std::make_shared<Host>();
    return Against(host, 200, 150, MadeAndDestroyed<vxCtrlListView>("list view", [host](vxCtrlListView& list) {
        return list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150), host->Wnd(), 1) != 0;
    }));
}

VXBENCH_FIGURE(lifecycle_stackwnd)
{
    auto host = std::make_shared<Host>();
    return Against(host, 200, 300, MadeAndDestroyed<vxCtrlStackWnd>("stack window", [host](vxCtrlStackWnd& stack) {
        return stack.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 300), host->Wnd(), 1) != 0;
    }));
}

VXBENCH_FIGURE(lifecycle_tooltip)
{
    auto host = std::make_shared<Host>();
    return Against(host, 100, 40, MadeAndDestroyed<rvToolTip>("tooltip", [host](rvToolTip& tip) {
        return tip.Create(host->Wnd()) != 0;
    }));
}

// A nested pair over two host windows and their bars, laid out once, the cursor shown and
// hidden; the windows are the host's and stay.
VXBENCH_FIGURE(lifecycle_splitter_pair)
{
    auto host = std::make_shared<Host>();
    const HWND bar = host->Child(4, 300), innerBar = host->Child(300, 4);
    const HWND pane0 = host->Child(10, 10), pane1 = host->Child(10, 10), pane2 = host->Child(10, 10);
    vxbench::Comparison c = Against(host, 4, 300, [=] {
        for (int i = 0; i < kCycles; ++i) {
            vxCtrlSplitter outer, inner;
            outer.CreateSplitter(bar, 1, 1, 1);
            inner.CreateSplitter(innerBar, 1, 0, 1);
            outer.AttachWnd(0, pane0);
            outer.AttachSplitter(1, &inner);
            inner.AttachWnd(0, pane1);
            inner.AttachWnd(1, pane2);
            outer.SetPaneSize(0, 100 + i % 2, 30);
            outer.Layout(0, 0, 400, 300);
            outer.ShowCursor(1);
            outer.ShowCursor(0);
        }
    });
    c.targetSubject = 2.0 * kCycles;  // under 2 ms a cycle
    return c;
}

// A manager made, one tip added and removed, the manager destroyed; the tip window is the
// host's and stays. The manager's own window is a hidden child of the desktop, which the
// window system makes as it makes a top-level window: the baseline is a hidden top-level one.
VXBENCH_FIGURE(lifecycle_systips)
{
    auto host = std::make_shared<Host>();
    const HWND tipWnd = ::CreateWindowEx(WS_EX_TOOLWINDOW, _T("STATIC"), _T(""), WS_POPUP, 0, 0, 200, 60,
                                         host->hwnd, NULL, ::GetModuleHandle(NULL), NULL);
    vxbench::Comparison c = Against(host, 1, 1, [=] {
        for (int i = 0; i < kCycles; ++i) {
            vxCtrlSysTips* pTips = new vxCtrlSysTips;
            pTips->Init();
            _tagstSysTips record = {};
            record.hWnd = tipWnd;
            if (pTips->AddTips(record.src, &record) != 1)
                vxbench::Fail("tip not added");
            pTips->RemoveTips(record.src, tipWnd);
            pTips->DestroyWindow();  // deletes the manager
        }
    });
    c.baseline = "a hidden top-level window created and destroyed";
    c.runBaseline = [host] {  // the host, and with it the tip window, lives as long as the figure
        for (int i = 0; i < kCycles; ++i)
            ::DestroyWindow(::CreateWindowEx(0, _T("STATIC"), _T(""), WS_POPUP, 0, 0, 0, 0, NULL, NULL,
                                             ::GetModuleHandle(NULL), NULL));
    };
    c.targetSubject = 2.0 * kCycles;
    return c;
}
