// The combo box with 100,000 items against the system combo box (class "ComboBox") in the
// same run: adding, the memory an item takes, reading every text in index order, the exact
// search of the last item and selecting random indices; opening the drop list, a keystroke's
// inline completion, and a keystroke that opens a filtered list of 10,000 matches.
#include "bench.h"

#include <afxwin.h>

#include "vxCtrlComboBox.h"

#include <cstdio>
#include <cstring>
#include <tchar.h>

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
    std::vector<vxbench::tstring> texts;

    ComboPair()
    {
        hHost = ::CreateWindowEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 400, 300, NULL,
                                  NULL, AfxGetInstanceHandle(), NULL);
        hSystem = ::CreateWindowEx(0, _T("ComboBox"), _T(""), WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST,
                                    10, 10, 200, 300, hHost, NULL, AfxGetInstanceHandle(), NULL);
        combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(10, 50, 210, 74),
                     CWnd::FromHandle(hHost), kComboId);
        for (int i = 0; i < kItems; ++i)
            texts.push_back(_T("Item number ") + vxbench::Number(i));
    }
    ~ComboPair()
    {
        combo.DestroyWindow();
        ::DestroyWindow(hHost);
    }
    void FillSystem()
    {
        ::SendMessage(hSystem, CB_RESETCONTENT, 0, 0);
        ::SendMessage(hSystem, CB_INITSTORAGE, texts.size(), texts.size() * 24);
        for (const vxbench::tstring& text : texts)
            ::SendMessage(hSystem, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void FillOurs()
    {
        combo.ResetContent();
        for (const vxbench::tstring& text : texts)
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
    c.baseline = "system combo box, CB_ADDSTRING of 100,000 items after CB_RESETCONTENT and CB_INITSTORAGE";
    c.runBaseline = [pair] { pair->FillSystem(); };
    c.runSubject = [pair] { pair->FillOurs(); };
    c.cleanup = [pair] {};
    return c;
}

VXBENCH_FIGURE(combo_read_texts_100k)
{
    auto pair = std::make_shared<ComboPair>();
    pair->FillBoth();
    vxbench::Comparison c;
    c.baseline = "system combo box, CB_GETLBTEXT of 100,000 items in index order";
    c.runBaseline = [pair] {
        TCHAR buffer[64];
        for (int i = 0; i < kItems; ++i)
            g_sink = ::SendMessage(pair->hSystem, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
    };
    c.runSubject = [pair] {
        TCHAR buffer[64];
        for (int i = 0; i < kItems; ++i)
            g_sink = pair->combo.GetLBText(i, buffer);
    };
    c.cleanup = [pair] {};
    return c;
}

VXBENCH_FIGURE(combo_find_exact_last)
{
    auto pair = std::make_shared<ComboPair>();
    pair->FillBoth();
    vxbench::Comparison c;
    c.baseline = "system combo box, CB_FINDSTRINGEXACT of the last of 100,000 items, 10 times";
    c.runBaseline = [pair] {
        LPCTSTR last = pair->texts.back().c_str();
        for (int i = 0; i < 10; ++i)
            g_sink = ::SendMessage(pair->hSystem, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(last));
    };
    c.runSubject = [pair] {
        LPCTSTR last = pair->texts.back().c_str();
        for (int i = 0; i < 10; ++i)
            g_sink = pair->combo.FindStringExact(-1, last);
    };
    c.cleanup = [pair] {};
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
            g_sink = ::SendMessage(pair->hSystem, CB_SETCURSEL, i, 0);
    };
    c.runSubject = [pair, indices] {
        for (int i : *indices)
            g_sink = pair->combo.SetCurSel(i);
    };
    c.cleanup = [pair] {};
    c.targetRatio = 1.5;
    return c;
}

namespace {

// Committed private memory of the process, region by region (Wine reports no private
// usage in its process counters).
size_t PrivateBytes()
{
    size_t total = 0;
    MEMORY_BASIC_INFORMATION info;
    const char* p = NULL;
    while (::VirtualQuery(p, &info, sizeof(info)) == sizeof(info)) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += info.RegionSize;
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= p)
            break;
        p = next;
    }
    return total;
}

// Private bytes a fill of 100,000 items adds, per item. The filled combos stay until the
// figure ends, so that no fill reuses memory another one gave back.
template <typename Fill>
double BytesPerItem(Fill fill)
{
    const size_t before = PrivateBytes();
    fill();
    return double(PrivateBytes() - before) / kItems;
}

} // namespace

VXBENCH_FIGURE(combo_memory_per_item_100k)
{
    auto pair = std::make_shared<ComboPair>();
    auto kept = std::make_shared<std::vector<std::unique_ptr<vxCtrlComboBox>>>();
    auto keptSystem = std::make_shared<std::vector<HWND>>();
    vxbench::Comparison c;
    c.unit = "bytes per item";
    c.baseline = "system combo box, private bytes added by 100,000 CB_ADDSTRING";
    c.sampleBaseline = [pair, keptSystem] {
        return BytesPerItem([&] {
            HWND hCombo = ::CreateWindowEx(0, _T("ComboBox"), _T(""), WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST,
                                            10, 10, 200, 300, pair->hHost, NULL,
                                            AfxGetInstanceHandle(), NULL);
            for (const vxbench::tstring& text : pair->texts)
                ::SendMessage(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            keptSystem->push_back(hCombo);
        });
    };
    c.sampleSubject = [pair, kept] {
        return BytesPerItem([&] {
            kept->push_back(std::make_unique<vxCtrlComboBox>());
            vxCtrlComboBox& combo = *kept->back();
            combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(10, 50, 210, 74),
                         CWnd::FromHandle(pair->hHost), kComboId);
            for (const vxbench::tstring& text : pair->texts)
                combo.AddString(text.c_str());
        });
    };
    c.cleanup = [pair, kept, keptSystem] {
        kept->clear();
        for (HWND hCombo : *keptSystem)
            ::DestroyWindow(hCombo);
    };
    c.targetRatio = 1.2;
    return c;
}

namespace {

// Tells whether a drop-down frame is open, filtered lists included.
class BenchCombo : public vxCtrlComboBox
{
public:
    bool HasDropDown() const { return m_pDropWnd != NULL; }
};

// A shown host with a system combo and one of ours, both with an edit and 100,000 items;
// the focus in our edit, as when the user types.
struct TypingPair {
    HWND hHost = NULL;
    HWND hSystem = NULL;
    HWND hSystemEdit = NULL;
    HWND hSystemList = NULL;
    HWND hEdit = NULL;
    BenchCombo combo;

    explicit TypingPair(DWORD dwOptions, const std::vector<vxbench::tstring>& texts)
    {
        hHost = ::CreateWindowEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP | WS_VISIBLE, 0, 0, 600,
                                  300, NULL, NULL, AfxGetInstanceHandle(), NULL);
        hSystem = ::CreateWindowEx(0, _T("ComboBox"), _T(""), WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN,
                                    10, 10, 200, 300, hHost, NULL, AfxGetInstanceHandle(), NULL);
        COMBOBOXINFO info = {};
        info.cbSize = sizeof(info);
        ::GetComboBoxInfo(hSystem, &info);
        hSystemEdit = info.hwndItem;
        hSystemList = info.hwndList;
        combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(300, 10, 500, 34),
                     CWnd::FromHandle(hHost), kComboId);
        combo.ModifyCBStyle(0, dwOptions);
        hEdit = ::GetDlgItem(combo.GetSafeHwnd(), VXCB_EDIT_ID);
        ::SendMessage(hSystem, CB_INITSTORAGE, texts.size(), texts.size() * 24);
        for (const vxbench::tstring& text : texts) {
            ::SendMessage(hSystem, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            combo.AddString(text.c_str());
        }
    }
    ~TypingPair()
    {
        combo.DestroyWindow();
        ::DestroyWindow(hHost);
    }
    // Our edit holds the text with the caret at its end and the focus, so that the next
    // character is typed.
    void PrepareOurs(LPCTSTR text)
    {
        ::SetFocus(hEdit);
        combo.SetText(text);
        const int n = static_cast<int>(_tcslen(text));
        ::SendMessage(hEdit, EM_SETSEL, n, n);
    }
    void PrepareSystem(LPCTSTR text)
    {
        ::SetWindowText(hSystemEdit, text);
        const int n = static_cast<int>(_tcslen(text));
        ::SendMessage(hSystemEdit, EM_SETSEL, n, n);
    }
};

std::vector<vxbench::tstring> Numbered(LPCTSTR format, int count)
{
    std::vector<vxbench::tstring> texts;
    TCHAR text[64];
    for (int i = 0; i < count; ++i) {
        _sntprintf(text, _countof(text), format, i);
        texts.push_back(text);
    }
    return texts;
}

} // namespace

// Opening by the button's click message (the drop-list style's whole client is its button),
// with the list painted, and closing it again.
VXBENCH_FIGURE(combo_open_list_100k)
{
    auto pair = std::make_shared<ComboPair>();
    pair->FillBoth();
    ::ShowWindow(pair->hHost, SW_SHOWNOACTIVATE);
    ::ShowWindow(pair->hSystem, SW_SHOW);
    pair->combo.ShowWindow(SW_SHOW);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ::GetComboBoxInfo(pair->hSystem, &info);
    const HWND hSystemList = info.hwndList;
    vxbench::Comparison c;
    c.baseline = "system combo box, CB_SHOWDROPDOWN of 100,000 items, painted, closed";
    c.runBaseline = [pair, hSystemList] {
        ::SendMessage(pair->hSystem, CB_SHOWDROPDOWN, TRUE, 0);
        ::UpdateWindow(hSystemList);
        ::SendMessage(pair->hSystem, CB_SHOWDROPDOWN, FALSE, 0);
    };
    c.runSubject = [pair] {
        pair->combo.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 12));
        pair->combo.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, 12));
        RECT rc = {};
        pair->combo.GetDroppedControlRect(&rc);
        if (!pair->combo.GetDroppedState())
            vxbench::Fail("the list did not open");
        ::UpdateWindow(::WindowFromPoint(CPoint(rc.left + 5, rc.top + 5)));
        pair->combo.ShowDropDown(FALSE);
    };
    c.cleanup = [pair] {};
    c.targetRatio = 1;
    return c;
}

// Closing the open list of 100,000 rows against opening it (painted): the runs alternate, so
// each close follows an open.
VXBENCH_FIGURE(combo_close_list_100k)
{
    auto pair = std::make_shared<ComboPair>();
    pair->FillOurs();
    ::ShowWindow(pair->hHost, SW_SHOWNOACTIVATE);
    pair->combo.ShowWindow(SW_SHOW);
    vxbench::Comparison c;
    c.baseline = "opening the same list, painted";
    c.runBaseline = [pair] {
        pair->combo.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 12));
        pair->combo.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(100, 12));
        RECT rc = {};
        pair->combo.GetDroppedControlRect(&rc);
        ::UpdateWindow(::WindowFromPoint(CPoint(rc.left + 5, rc.top + 5)));
    };
    c.runSubject = [pair] {
        if (!pair->combo.GetDroppedState())
            vxbench::Fail("the list was not open");
        pair->combo.ShowDropDown(FALSE);
    };
    c.cleanup = [pair] {};
    c.targetRatio = 1;
    return c;
}

// One typed character completed to the last of 100,000 items (the walk goes through all),
// against the same character typed into the system combo's edit and the completion an
// application builds on it (CB_FINDSTRING, the text and the selected tail).
VXBENCH_FIGURE(combo_keystroke_completion_100k)
{
    auto pair = std::make_shared<TypingPair>(VXCB_AUTOCOMPLETE, Numbered(_T("Order %06d"), kItems));
    vxbench::Comparison c;
    c.baseline = "system combo box, WM_CHAR into its edit, CB_FINDSTRING, text and selection set";
    c.runBaseline = [pair] {
        pair->PrepareSystem(_T("Order 09999"));
        ::SendMessage(pair->hSystemEdit, WM_CHAR, '9', 0);
        TCHAR typed[64];
        ::GetWindowText(pair->hSystemEdit, typed, _countof(typed));
        const LRESULT found = ::SendMessage(pair->hSystem, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(typed));
        TCHAR item[64];
        ::SendMessage(pair->hSystem, CB_GETLBTEXT, found, reinterpret_cast<LPARAM>(item));
        ::SetWindowText(pair->hSystemEdit, item);
        ::SendMessage(pair->hSystemEdit, EM_SETSEL, _tcslen(typed), -1);
    };
    c.runSubject = [pair] {
        pair->PrepareOurs(_T("Order 09999"));
        ::SendMessage(pair->hEdit, WM_CHAR, '9', 0);
        if (pair->combo.GetEditSel() != static_cast<DWORD>(MAKELONG(12, 12)))
            vxbench::Fail("not completed as expected");
    };
    c.cleanup = [pair] {};
    c.runs = 7;
    c.targetSubject = 16;
    return c;
}

// 100,000 items of which every tenth begins with K, in a system combo and one of ours with
// the filtered list on; the 10,000 matches.
struct FilterPair {
    std::shared_ptr<TypingPair> pair;
    std::shared_ptr<std::vector<vxbench::tstring>> matches =
        std::make_shared<std::vector<vxbench::tstring>>();

    FilterPair()
    {
        std::vector<vxbench::tstring> texts = Numbered(_T("Item %06d"), kItems);
        for (int i = 0; i < kItems; i += 10)
            texts[i][0] = _T('K');
        pair = std::make_shared<TypingPair>(VXCB_FILTEREDLIST, texts);
        for (const vxbench::tstring& text : texts) {
            if (text[0] == _T('K'))
                matches->push_back(text);
        }
    }
    // The system combo's refill: K typed into its edit, the matches added anew, shown, closed.
    vxbench::Work RefillSystem() const
    {
        std::shared_ptr<TypingPair> p = pair;
        std::shared_ptr<std::vector<vxbench::tstring>> m = matches;
        return [p, m] {
            p->PrepareSystem(_T(""));
            ::SendMessage(p->hSystemEdit, WM_CHAR, 'K', 0);
            ::SendMessage(p->hSystem, CB_RESETCONTENT, 0, 0);
            ::SendMessage(p->hSystem, CB_INITSTORAGE, m->size(), m->size() * 16);
            for (const vxbench::tstring& text : *m)
                ::SendMessage(p->hSystem, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            ::SendMessage(p->hSystem, CB_SHOWDROPDOWN, TRUE, 0);
            ::UpdateWindow(p->hSystemList);
            ::SendMessage(p->hSystem, CB_SHOWDROPDOWN, FALSE, 0);
        };
    }
    static constexpr const char* kRefillSystem =
        "system combo box, WM_CHAR into its edit, 10,000 matches added anew, shown, closed";
};

// One typed character that opens a filtered list of the 10,000 items (of 100,000) that
// begin with it, and the close, against the system combo's refill.
VXBENCH_FIGURE(combo_keystroke_filter_10k_of_100k)
{
    FilterPair filter;
    std::shared_ptr<TypingPair> pair = filter.pair;
    vxbench::Comparison c;
    c.baseline = FilterPair::kRefillSystem;
    c.runBaseline = filter.RefillSystem();
    c.runSubject = [pair] {
        pair->PrepareOurs(_T(""));
        ::SendMessage(pair->hEdit, WM_CHAR, 'K', 0);
        if (!pair->combo.HasDropDown())
            vxbench::Fail("no filtered list opened");
        pair->combo.SendMessage(WM_COMBO_DESTROYDROPDOWN);
    };
    c.cleanup = [pair] {};
    c.targetRatio = 0.25;
    c.targetSubject = 16;
    return c;
}

// A key typed while the filtered list is open: the list shows the 10,000 items (of 100,000)
// that still match, in the frame already open. The runs type a character and take it back
// in turn, each a keystroke with 10,000 matches.
struct OpenFilterPair : FilterPair {
    std::shared_ptr<bool> typed = std::make_shared<bool>(false);

    OpenFilterPair()
    {
        pair->PrepareOurs(_T(""));
        ::SendMessage(pair->hEdit, WM_CHAR, 'K', 0);
    }
    vxbench::Work TypeIntoOurs() const
    {
        std::shared_ptr<TypingPair> p = pair;
        std::shared_ptr<bool> t = typed;
        return [p, t] {
            ::SendMessage(p->hEdit, WM_CHAR, *t ? VK_BACK : 't', 0);
            *t = !*t;
            if (!p->combo.HasDropDown() || p->combo.GetDroppedState())
                vxbench::Fail("the filtered list is not open");
            RECT rc = {};
            p->combo.GetDroppedControlRect(&rc);
            ::UpdateWindow(::WindowFromPoint(CPoint(rc.left + 5, rc.top + 5)));
        };
    }
    vxbench::Work Close() const
    {
        std::shared_ptr<TypingPair> p = pair;
        return [p] {
            p->combo.SendMessage(WM_COMBO_DESTROYDROPDOWN);
            ::SendMessage(p->hSystem, CB_SHOWDROPDOWN, FALSE, 0);
        };
    }
};

// Against the system combo's refill.
VXBENCH_FIGURE(combo_keystroke_filter_open_10k_of_100k)
{
    OpenFilterPair open;
    vxbench::Comparison c;
    c.baseline = FilterPair::kRefillSystem;
    c.runBaseline = open.RefillSystem();
    c.runSubject = open.TypeIntoOurs();
    c.cleanup = open.Close();
    c.targetRatio = 0.1;
    c.targetSubject = 8;
    return c;
}

// The same keystroke against the system combo whose list stays open while it is refilled
// with its redraw off, as an application refilling a shown list would do it.
VXBENCH_FIGURE(combo_keystroke_filter_open_vs_open_system_list)
{
    OpenFilterPair open;
    std::shared_ptr<TypingPair> pair = open.pair;
    std::shared_ptr<std::vector<vxbench::tstring>> matches = open.matches;
    pair->PrepareSystem(_T("K"));
    ::SendMessage(pair->hSystem, CB_SHOWDROPDOWN, TRUE, 0);
    vxbench::Comparison c;
    c.baseline = "system combo box with its list open, WM_CHAR into its edit, the list refilled "
                 "with 10,000 matches with its redraw off, then painted";
    c.runBaseline = [pair, matches] {
        ::SendMessage(pair->hSystemEdit, WM_CHAR, 't', 0);
        ::SendMessage(pair->hSystemList, WM_SETREDRAW, FALSE, 0);
        ::SendMessage(pair->hSystem, CB_RESETCONTENT, 0, 0);
        ::SendMessage(pair->hSystem, CB_INITSTORAGE, matches->size(), matches->size() * 16);
        for (const vxbench::tstring& text : *matches)
            ::SendMessage(pair->hSystem, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        ::SendMessage(pair->hSystemList, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(pair->hSystemList, NULL, TRUE);
        ::UpdateWindow(pair->hSystemList);
        pair->PrepareSystem(_T("K"));
    };
    c.runSubject = open.TypeIntoOurs();
    c.cleanup = open.Close();
    return c;
}
