// Layout of 1,000 child windows in 10 stretching rows of 100 stretching items, against
// moving the same windows to the same places in one DeferWindowPos batch; the repeated pass
// and the calculation alone, which no system call compares with, in absolute figures.
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
        host = ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_POPUP | WS_VISIBLE, 0, 0, 1000, 760, NULL,
                                NULL, ::GetModuleHandle(NULL), NULL);
        parent.Attach(host);
        layout = std::make_unique<vxLayout>(bParent ? &parent : NULL, DirHorizontal);
        for (int g = 0; g < kGroups; ++g) {
            const int nGroup = layout->AddGroup(StyleStretch);
            for (int i = 0; i < kItemsPerGroup; ++i) {
                HWND hwnd = ::CreateWindowEx(0, _T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, 0, 0, 1, 1,
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

// The places the layout gives every window in each of the two areas, read back once.
struct Places {
    std::vector<CRect> areas[2];
};

std::shared_ptr<Places> PlacesOf(Form& form)
{
    auto places = std::make_shared<Places>();
    for (int a = 0; a < 2; ++a) {
        form.layout->CalcLayout(kAreas[a], NULL);
        for (auto& w : form.windows) {
            CRect rc;
            ::GetWindowRect(w->m_hWnd, &rc);
            ::MapWindowPoints(NULL, form.host, reinterpret_cast<POINT*>(&rc), 2);
            places->areas[a].push_back(rc);
        }
    }
    return places;
}

// Every window moved to its place in the other area, in one deferred batch.
void MoveInOneBatch(Form& form, const Places& places)
{
    form.flip ^= 1;
    const std::vector<CRect>& rects = places.areas[form.flip];
    HDWP hdwp = ::BeginDeferWindowPos(static_cast<int>(form.windows.size()));
    for (size_t i = 0; i < form.windows.size() && hdwp != NULL; ++i)
        hdwp = ::DeferWindowPos(hdwp, form.windows[i]->m_hWnd, NULL, rects[i].left, rects[i].top,
                                rects[i].Width(), rects[i].Height(), SWP_NOZORDER);
    if (hdwp != NULL)
        ::EndDeferWindowPos(hdwp);
}

} // namespace

VXBENCH_FIGURE(layout_calc_after_resize)
{
    auto form = std::make_shared<Form>(true);
    auto other = std::make_shared<Form>(true);
    auto places = PlacesOf(*other);
    vxbench::Comparison c;
    c.baseline = "one DeferWindowPos batch moving the same 1000 windows to the same places";
    c.runBaseline = [other, places] { MoveInOneBatch(*other, *places); };
    // Alternating areas: every window moves in every run, in one deferred batch.
    c.runSubject = [form] { form->LayOutAlternating(); };
    c.cleanup = [form, other] { form->layout.reset(); other->layout.reset(); };
    c.targetRatio = 1.05;
    return c;
}

// The same area again: nothing changed, so no window is moved.
VXBENCH_FIGURE(layout_calc_repeated)
{
    auto form = std::make_shared<Form>(true);
    form->layout->CalcLayout(kAreas[0], NULL);
    vxbench::Comparison c;
    c.runSubject = [form] { form->layout->CalcLayout(kAreas[0], NULL); };
    c.cleanup = [form] { form->layout.reset(); };
    return c;
}

// The calculation of 1,000 items alone (no parent, nothing moved); divide by 1000 for the
// time per item.
VXBENCH_FIGURE(layout_pure_calc_no_parent)
{
    auto form = std::make_shared<Form>(false);
    vxbench::Comparison c;
    c.runSubject = [form] { form->LayOutAlternating(); };
    c.cleanup = [form] { form->layout.reset(); };
    return c;
}
