// List view figures: 2,000 items added one by one with a relayout after each, against the
// same additions gathered into one relayout by LockUpdate; that locked fill against creating,
// skinning and placing the same 2,000 buttons without a list view; and one wheel notch on a
// list of 2,000 items against the system's own scrolling of the same window.
#include "bench.h"

#include "vxCtrlListView.h"

#include <vexelcore.h>

#include <memory>
#include <vector>

namespace {

const int kItems = 2000;
const TCHAR kItemSkin[] = _T("bench.item");

// A top-level frame for the list views, shown so that placement does real work.
HWND CreateFrame()
{
    WNDCLASS wc = {};
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = _T("vxbench.listframe");
    ::RegisterClass(&wc);
    HWND frame = ::CreateWindow(wc.lpszClassName, _T("list view bench"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 0, 0, 640, 480, NULL, NULL, wc.hInstance, NULL);
    return frame;
}

// Creates a list view, adds the items (inside LockUpdate when bLocked) and destroys it.
void AddItems(HWND frame, bool bLocked)
{
    vxCtrlListView list;
    list.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 440), CWnd::FromHandle(frame), 1);
    if (bLocked)
        list.LockUpdate(0);
    list.AddGroup(_T("Group"), NULL, 1);
    for (int i = 0; i < kItems; ++i)
        list.AddItem(0, kItemSkin, _T("item"), NULL);
    if (bLocked)
        list.LockUpdate(1);
    if (list.GetItemCount(0) != kItems)
        vxbench::Fail("the items were not added");
    list.DestroyWindow();
}

// The same buttons as the list view's items (push buttons of the default 48 x 48, 50 pixels
// apart in rows of twelve below a header), created, skinned and placed in one batch in a child of the same size.
void CreateBareButtons(HWND frame)
{
    HWND host = ::CreateWindow(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 600, 440,
                                frame, NULL, ::GetModuleHandle(NULL), NULL);
    std::vector<HWND> buttons;
    for (int i = 0; i < kItems; ++i) {
        HWND button = ::CreateWindow(_T("BUTTON"), _T("item"), WS_CHILD | WS_VISIBLE | BS_NOTIFY, 0, 0, 0, 0,
                                      host, reinterpret_cast<HMENU>(100), ::GetModuleHandle(NULL), NULL);
        vxSkinWindow(button, 103, kItemSkin, 0);
        buttons.push_back(button);
    }
    HDWP hdwp = ::BeginDeferWindowPos(kItems);
    for (int i = 0; i < kItems && hdwp != NULL; ++i)
        hdwp = ::DeferWindowPos(hdwp, buttons[i], NULL, (i % 12) * 50, 30 + (i / 12) * 50, 48, 48,
                                SWP_NOZORDER);
    if (hdwp != NULL)
        ::EndDeferWindowPos(hdwp);
    ::DestroyWindow(host);
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
    c.targetRatio = 2;
    return c;
}

VXBENCH_FIGURE(listview_locked_fill_vs_bare_buttons)
{
    HWND frame = CreateFrame();
    vxbench::Comparison c;
    c.baseline = "the same 2,000 buttons created, skinned and placed in one batch without a list view";
    c.runBaseline = [frame] { CreateBareButtons(frame); };
    c.runSubject = [frame] { AddItems(frame, true); };
    c.cleanup = [frame] { ::DestroyWindow(frame); };
    c.targetRatio = 1.5;
    return c;
}

VXBENCH_FIGURE(listview_wheel_notch_2000_items)
{
    HWND frame = CreateFrame();
    auto list = std::make_shared<vxCtrlListView>();
    list->Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 440), CWnd::FromHandle(frame), 1);
    list->LockUpdate(0);
    list->AddGroup(_T("Group"), NULL, 1);
    for (int i = 0; i < kItems; ++i)
        list->AddItem(0, kItemSkin, _T("item"), NULL);
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
        ::SendMessage(hList, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
        ::SendMessage(hList, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    };
    c.cleanup = [list, frame, savedLines] {
        ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, savedLines, NULL, 0);
        list->DestroyWindow();
        ::DestroyWindow(frame);
    };
    c.runs = 15;
    return c;
}
