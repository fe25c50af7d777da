// A splitter between two static panes, "Tree" and "Details", whose bar is a window of its own:
// the first pane 100 wide, each at least 30, the whole laid out 300 by 100.
#pragma once

#include "vxCtrlSplitter.h"
#include "vxtest.h"

namespace a11y {

struct SplitRig
{
    SplitRig()
    {
        HWND tree = ::CreateWindowExA(0, "STATIC", "Tree", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, host.Hwnd(), NULL, NULL, NULL);
        bar = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 4, 100, host.Hwnd(), NULL, NULL, NULL);
        HWND details = ::CreateWindowExA(0, "STATIC", "Details", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, host.Hwnd(), NULL, NULL, NULL);
        splitter.CreateSplitter(bar, 1, 1, 1);
        splitter.AttachWnd(0, tree);
        splitter.AttachWnd(1, details);
        splitter.SetPaneSize(0, 100, 30);
        splitter.SetPaneSize(1, -1, 30);
        splitter.Layout(0, 0, 300, 100);
    }

    vxtest::HostWindow host{400, 200};
    HWND bar = NULL;
    vxCtrlSplitter splitter;
};

} // namespace a11y
