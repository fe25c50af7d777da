// List view figures: 2,000 items added one by one with a relayout after each, against the
// same additions gathered into one relayout by LockUpdate; and one wheel notch on a list of
// 2,000 items against the system's own scrolling of the same window.
#include "bench.h"

#include "vxCtrlListView.h"

#include <memory>

namespace {

const int kItems = 2000;

// A top-level frame for the list views, shown so that placement does real work.
HWND CreateFrame()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "vxbench.listframe";
    ::RegisterClassA(&wc);
    HWND frame = ::CreateWindowA(wc.lpszClassName, "list view bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 0, 0, 640, 480, NULL, NULL, wc.hInstance, NULL);
    return frame;
}

// Creates a list view, adds the items (inside LockUpdate when bLocked) and destroys it.
void AddItems(HWND frame, bool bLocked)
{
    vxCtrlListView list;
    list.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 440), CWnd::FromHandle(frame), 1);
    if (bLocked)
        list.LockUpdate(0);
    list.AddGroup("Group", NULL, 1);
    for (int i = 0; i < kItems; ++i)
        list.AddItem(0, NULL, "item", NULL);
    if (bLocked)
        list.LockUpdate(1);
    list.DestroyWindow();
}

} // namespace

VXBENCH_FIGURE(listview_add_2000_items)
{
    HWND frame = CreateFrame();
    vxbench::Comparison c;
    c.baseline = "2,000 AddItem inside LockUpdate(0) ... LockUpdate(1)";
    c.runBaseline = [frame] { AddItems(frame, true); };
    c.runSubject = [frame] { AddItems(frame, false); };
    c.cleanup = [frame] { ::DestroyWindow(frame); };
    c.runs = 1;                      // one-by-one relayouts of 2,000 items take long
    return c;
}

VXBENCH_FIGURE(listview_wheel_notch_2000_items)
{
    HWND frame = CreateFrame();
    auto list = std::make_shared<vxCtrlListView>();
    list->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 440), CWnd::FromHandle(frame), 1);
    list->LockUpdate(0);
    list->AddGroup("Group", NULL, 1);
    for (int i = 0; i < kItems; ++i)
        list->AddItem(0, NULL, "item", NULL);
    list->LockUpdate(1);
    UINT savedLines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &savedLines, 0);
    ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 3, NULL, 0);
    HWND hList = list->GetSafeHwnd();

    // A notch down and back up, against the same two 60-pixel moves of the children done
    // by the system directly.
    vxbench::Comparison c;
    c.baseline = "ScrollWindow of the same list view by 60 pixels down and up";
    c.runBaseline = [hList] {
        ::ScrollWindow(hList, 0, -60, NULL, NULL);
        ::ScrollWindow(hList, 0, 60, NULL, NULL);
    };
    c.runSubject = [hList] {
        ::SendMessageA(hList, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
        ::SendMessageA(hList, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    };
    c.cleanup = [list, frame, savedLines] {
        ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, savedLines, NULL, 0);
        list->DestroyWindow();
        ::DestroyWindow(frame);
    };
    c.runs = 15;
    return c;
}
