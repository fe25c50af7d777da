// Layout of 1,000 child windows in 10 stretching rows of 100 stretching items, against
// moving the same windows with one SetWindowPos each.
#include "bench.h"

#include <afxwin.h>

#include "vxLayout.h"

#include <memory>
#include <vector>

namespace {

const int kGroups = 10;
const int kItemsPerGroup = 100;
const CRect kAreas[2] = {CRect(0, 0, 1000, 760), CRect(0, 0, 960, 720)};

struct Form {
    HWND host = NULL;
    CWnd parent;
    std::vector<std::unique_ptr<CWnd>> windows;
    std::unique_ptr<vxLayout> layout;
    int flip = 0;                    // alternates the area (or the offset) between runs

    // bParent false: the layout has no parent and only calculates.
    explicit Form(bool bParent)
    {
        host = ::CreateWindowEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 760, NULL,
                                NULL, ::GetModuleHandle(NULL), NULL);
        parent.Attach(host);
        layout = std::make_unique<vxLayout>(bParent ? &parent : NULL, DirHorizontal);
        for (int g = 0; g < kGroups; ++g) {
            const int nGroup = layout->AddGroup(StyleStretch);
            for (int i = 0; i < kItemsPerGroup; ++i) {
                HWND hwnd = ::CreateWindowEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1,
                                             host, NULL, ::GetModuleHandle(NULL), NULL);
                windows.push_back(std::make_unique<CWnd>());
                windows.back()->Attach(hwnd);
                layout->AddItem(nGroup, windows.back().get(), StyleStretch);
            }
        }
    }
    ~Form()
    {
        layout.reset();
        for (auto& w : windows)
            w->Detach();
        parent.Detach();
        ::DestroyWindow(host);
    }
    void LayOutAlternating()
    {
        flip ^= 1;
        layout->CalcLayout(kAreas[flip], NULL);
    }
};

// Every window moved once by SetWindowPos, to a place it is not at yet.
void MoveEveryWindow(Form& form)
{
    form.flip ^= 1;
    int i = 0;
    for (auto& w : form.windows) {
        ++i;
        ::SetWindowPos(w->m_hWnd, NULL, (i * 7) % 900 + form.flip, (i * 13) % 700, 10 + i % 30,
                       10 + i % 20, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

const char kBaseline[] = "SetWindowPos of 1000 windows";

} // namespace

VXBENCH_FIGURE(layout_calc_after_resize)
{
    auto form = std::make_shared<Form>(true);
    auto other = std::make_shared<Form>(true);
    vxbench::Comparison c;
    c.baseline = kBaseline;
    c.runBaseline = [other] { MoveEveryWindow(*other); };
    // Alternating areas: every window moves in every run, in one deferred batch.
    c.runSubject = [form] { form->LayOutAlternating(); };
    c.cleanup = [form, other] { form->layout.reset(); other->layout.reset(); };
    return c;
}

VXBENCH_FIGURE(layout_calc_repeated)
{
    auto form = std::make_shared<Form>(true);
    auto other = std::make_shared<Form>(true);
    form->layout->CalcLayout(kAreas[0], NULL);
    vxbench::Comparison c;
    c.baseline = kBaseline;
    c.runBaseline = [other] { MoveEveryWindow(*other); };
    // The same area again: nothing changed, so no window is moved.
    c.runSubject = [form] { form->layout->CalcLayout(kAreas[0], NULL); };
    c.cleanup = [form, other] { form->layout.reset(); other->layout.reset(); };
    c.targetRatio = 0.1;
    return c;
}

// Divide the subject's median by 1000 for the time per item.
VXBENCH_FIGURE(layout_pure_calc_no_parent)
{
    auto form = std::make_shared<Form>(false);
    auto other = std::make_shared<Form>(true);
    vxbench::Comparison c;
    c.baseline = kBaseline;
    c.runBaseline = [other] { MoveEveryWindow(*other); };
    c.runSubject = [form] { form->LayOutAlternating(); };
    c.cleanup = [form, other] { form->layout.reset(); other->layout.reset(); };
    return c;
}
