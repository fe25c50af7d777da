// The combo box's own item list with 100,000 items against the system combo box (class
// "ComboBox") in the same run: adding, reading every text in index order, the exact search of
// the last item and selecting random indices.
#include "bench.h"

#include <afxwin.h>

#include "vxCtrlComboBox.h"

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

const int kItems = 100000;
const int kRandomSelections = 1000;
const UINT kComboId = 100;

// A hidden host with a system combo and one of ours, both of the drop-list style.
struct ComboPair {
    HWND hHost = NULL;
    HWND hSystem = NULL;
    vxCtrlComboBox combo;
    std::vector<std::string> texts;

    ComboPair()
    {
        hHost = ::CreateWindowExA(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 400, 300, NULL,
                                  NULL, AfxGetInstanceHandle(), NULL);
        hSystem = ::CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST,
                                    10, 10, 200, 300, hHost, NULL, AfxGetInstanceHandle(), NULL);
        combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(10, 50, 210, 74),
                     CWnd::FromHandle(hHost), kComboId);
        for (int i = 0; i < kItems; ++i)
            texts.push_back("Item number " + std::to_string(i));
    }
    ~ComboPair()
    {
        combo.DestroyWindow();
        ::DestroyWindow(hHost);
    }
    void FillSystem()
    {
        ::SendMessageA(hSystem, CB_RESETCONTENT, 0, 0);
        for (const std::string& text : texts)
            ::SendMessageA(hSystem, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void FillOurs()
    {
        combo.ResetContent();
        for (const std::string& text : texts)
            combo.AddString(text.c_str());
    }
    void FillBoth()
    {
        FillSystem();
        FillOurs();
    }
};

volatile LRESULT g_sink;             // keeps results from being optimised away

} // namespace

VXBENCH_FIGURE(combo_add_100k)
{
    auto pair = std::make_shared<ComboPair>();
    vxbench::Comparison c;
    c.baseline = "system combo box, CB_ADDSTRING of 100,000 items after CB_RESETCONTENT";
    c.runBaseline = [pair] { pair->FillSystem(); };
    c.runSubject = [pair] { pair->FillOurs(); };
    c.cleanup = [pair] {};
    c.runs = 5;
    return c;
}

VXBENCH_FIGURE(combo_read_texts_100k)
{
    auto pair = std::make_shared<ComboPair>();
    pair->FillBoth();
    vxbench::Comparison c;
    c.baseline = "system combo box, CB_GETLBTEXT of 100,000 items in index order";
    c.runBaseline = [pair] {
        char buffer[64];
        for (int i = 0; i < kItems; ++i)
            g_sink = ::SendMessageA(pair->hSystem, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
    };
    c.runSubject = [pair] {
        char buffer[64];
        for (int i = 0; i < kItems; ++i)
            g_sink = pair->combo.GetLBText(i, buffer);
    };
    c.cleanup = [pair] {};
    c.runs = 5;
    return c;
}

VXBENCH_FIGURE(combo_find_exact_last)
{
    auto pair = std::make_shared<ComboPair>();
    pair->FillBoth();
    vxbench::Comparison c;
    c.baseline = "system combo box, CB_FINDSTRINGEXACT of the last of 100,000 items, 10 times";
    c.runBaseline = [pair] {
        const char* last = pair->texts.back().c_str();
        for (int i = 0; i < 10; ++i)
            g_sink = ::SendMessageA(pair->hSystem, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(last));
    };
    c.runSubject = [pair] {
        const char* last = pair->texts.back().c_str();
        for (int i = 0; i < 10; ++i)
            g_sink = pair->combo.FindStringExact(-1, last);
    };
    c.cleanup = [pair] {};
    c.runs = 5;
    return c;
}

VXBENCH_FIGURE(combo_setcursel_random)
{
    auto pair = std::make_shared<ComboPair>();
    pair->FillBoth();
    auto indices = std::make_shared<std::vector<int>>();
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> pick(0, kItems - 1);
    for (int i = 0; i < kRandomSelections; ++i)
        indices->push_back(pick(random));
    vxbench::Comparison c;
    c.baseline = "system combo box, CB_SETCURSEL of 1,000 random indices of 100,000 items";
    c.runBaseline = [pair, indices] {
        for (int i : *indices)
            g_sink = ::SendMessageA(pair->hSystem, CB_SETCURSEL, i, 0);
    };
    c.runSubject = [pair, indices] {
        for (int i : *indices)
            g_sink = pair->combo.SetCurSel(i);
    };
    c.cleanup = [pair] {};
    c.runs = 5;
    return c;
}
