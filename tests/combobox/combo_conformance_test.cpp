// The combo box beside the system's "ComboBox" in the same process: each standard behaviour
// runs on both, so the system's answer is the expectation wherever ours conforms; the
// differences the combo keeps on purpose are asserted as differences.
#include "combo_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>

using namespace combotest;

namespace {

enum class Kind { System, Ours };

std::string KindName(const ::testing::TestParamInfo<Kind>& info)
{
    return info.param == Kind::System ? "System" : "Ours";
}

using vxtest::WindowTextOf;

COMBOBOXINFO InfoOf(HWND hCombo)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ::GetComboBoxInfo(hCombo, &info);
    return info;
}

std::pair<int, int> EditSelection(HWND hEdit)
{
    DWORD start = 0, end = 0;
    ::SendMessageA(hEdit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    return {static_cast<int>(start), static_cast<int>(end)};
}

// The common controls of version 6, whose combo box most applications get from their
// manifests, for the windows made while it lives.
class CommonControls6
{
public:
    CommonControls6()
    {
        char path[MAX_PATH];
        ::GetTempPathA(MAX_PATH, path);
        m_manifest = std::string(path) + "vxcc6-" + std::to_string(::GetCurrentProcessId()) + ".manifest";
        const char text[] =
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
            "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\"><dependency>"
            "<dependentAssembly><assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" "
            "version=\"6.0.0.0\" processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" "
            "language=\"*\"/></dependentAssembly></dependency></assembly>";
        HANDLE hFile = ::CreateFileA(m_manifest.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        DWORD written = 0;
        ::WriteFile(hFile, text, sizeof(text) - 1, &written, NULL);
        ::CloseHandle(hFile);
        ACTCTXA ctx = {};
        ctx.cbSize = sizeof(ctx);
        ctx.lpSource = m_manifest.c_str();
        m_hContext = ::CreateActCtxA(&ctx);
        if (m_hContext != INVALID_HANDLE_VALUE)
            ::ActivateActCtx(m_hContext, &m_cookie);
    }
    ~CommonControls6()
    {
        if (m_hContext != INVALID_HANDLE_VALUE) {
            ::DeactivateActCtx(0, m_cookie);
            ::ReleaseActCtx(m_hContext);
        }
        ::DeleteFileA(m_manifest.c_str());
    }
    bool Active() const { return m_hContext != INVALID_HANDLE_VALUE; }

private:
    std::string m_manifest;
    HANDLE m_hContext = INVALID_HANDLE_VALUE;
    ULONG_PTR m_cookie = 0;
};

// One combo of either kind, driven through its window handle alone, as a host or a test
// tool drives any combo box. The system's is made as tall as its list may drop; ours takes
// the height of its field.
class Subject
{
public:
    Subject(Kind kind, DWORD style, HWND hParent, UINT nId = kComboId, int x = 20, int y = 20)
        : m_kind(kind)
    {
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | style;
        if (kind == Kind::System) {
            CommonControls6 cc6;
            m_hwnd = ::CreateWindowExA(0, "ComboBox", "", dwStyle | WS_VSCROLL, x, y, kComboWidth, 300,
                                       hParent, (HMENU)(UINT_PTR)nId, ::GetModuleHandleA(NULL), NULL);
        } else {
            m_pCombo.reset(new vxCtrlComboBox);
            m_pCombo->Create(dwStyle, CRect(x, y, x + kComboWidth, y + kComboHeight), CWnd::FromHandle(hParent),
                             nId);
            m_hwnd = m_pCombo->GetSafeHwnd();
        }
        PumpTranslated();
    }
    ~Subject()
    {
        if (m_kind == Kind::System)
            ::DestroyWindow(m_hwnd);
        m_pCombo.reset();
        PumpTranslated();
    }

    HWND Hwnd() const { return m_hwnd; }
    HWND Edit() const { return InfoOf(m_hwnd).hwndItem; }
    HWND List() const { return InfoOf(m_hwnd).hwndList; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hwnd, message, wParam, lParam);
    }
    void Fill(std::initializer_list<const char*> texts) const
    {
        for (const char* text : texts)
            Send(CB_ADDSTRING, 0, (LPARAM)text);
    }
    bool Dropped() const { return Send(CB_GETDROPPEDSTATE) != 0; }
    RECT WindowRect() const
    {
        RECT rc;
        ::GetWindowRect(m_hwnd, &rc);
        return rc;
    }
    // The drop button's centre on the screen, from the combo's own account of its parts.
    POINT ButtonPoint() const
    {
        const RECT rc = InfoOf(m_hwnd).rcButton;
        return vxtest::ScreenPoint(m_hwnd, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }
    POINT RowPoint(int nRow) const
    {
        const HWND hList = List();
        const int cy = static_cast<int>(::SendMessageA(hList, LB_GETITEMHEIGHT, 0, 0));
        return vxtest::ScreenPoint(hList, 30, cy * nRow + cy / 2);
    }
    void ClickButton() const
    {
        vxtest::Click(ButtonPoint());
        PumpTranslatedUntil([&] { return Dropped(); });
    }
    void ClickRow(int nRow) const
    {
        vxtest::MouseMove(RowPoint(nRow));
        PumpTranslatedFor(50);
        vxtest::Click(RowPoint(nRow));
        PumpTranslatedUntil([&] { return !Dropped(); });
        PumpTranslated();
    }

private:
    Kind m_kind;
    HWND m_hwnd = NULL;
    std::unique_ptr<vxCtrlComboBox> m_pCombo;
};

struct ComboConformance : ::testing::TestWithParam<Kind> {
    vxtest::HostWindow host;
    bool Ours() const { return GetParam() == Kind::Ours; }
    void SetUp() override
    {
        vxtest::MouseMove({5, 5});
        ASSERT_TRUE(vxtest::BringToFront(host.Hwnd()));
    }
};

TEST_P(ComboConformance, TheWindowTextIsWhatTheFieldShows)
{
    Subject drop(GetParam(), CBS_DROPDOWN | CBS_AUTOHSCROLL, host.Hwnd());
    drop.Fill({"red", "green", "blue"});
    // Typed by the user, set by a program, chosen from the list: the window text follows.
    vxtest::Click(vxtest::CentreOf(drop.Edit()));
    PumpTranslated();
    Type("abc");
    EXPECT_EQ(WindowTextOf(drop.Hwnd()), "abc");
    EXPECT_EQ(::GetWindowTextLengthA(drop.Hwnd()), 3);
    char dlgText[16] = {};
    EXPECT_EQ(::GetDlgItemTextA(host.Hwnd(), kComboId, dlgText, sizeof(dlgText)), 3u);
    EXPECT_STREQ(dlgText, "abc");
    EXPECT_EQ(drop.Send(WM_SETTEXT, 0, (LPARAM) "set"), TRUE);
    EXPECT_EQ(WindowTextOf(drop.Edit()), "set");
    EXPECT_EQ(WindowTextOf(drop.Hwnd()), "set");
    drop.ClickButton();
    ASSERT_TRUE(drop.Dropped());
    drop.ClickRow(1);
    EXPECT_EQ(WindowTextOf(drop.Hwnd()), "green");
    // The first choice selects the whole text, as every later one does.
    EXPECT_EQ(EditSelection(drop.Edit()), std::make_pair(0, 5));

    Subject list(GetParam(), CBS_DROPDOWNLIST, host.Hwnd(), kComboId + 1, 20, 60);
    list.Fill({"red", "green", "blue"});
    EXPECT_EQ(list.Send(CB_SETCURSEL, 2), 2);
    EXPECT_EQ(WindowTextOf(list.Hwnd()), "blue");
    EXPECT_EQ(::GetWindowTextLengthA(list.Hwnd()), 4);
}

TEST_P(ComboConformance, ComboBoxInfoNamesThePartsAndFailsForABadSize)
{
    Subject drop(GetParam(), CBS_DROPDOWN, host.Hwnd());
    drop.Fill({"one", "two"});
    COMBOBOXINFO info = {};
    EXPECT_FALSE(::GetComboBoxInfo(drop.Hwnd(), &info));
    EXPECT_EQ(info.hwndCombo, static_cast<HWND>(NULL));
    info.cbSize = sizeof(info);
    ASSERT_TRUE(::GetComboBoxInfo(drop.Hwnd(), &info));
    EXPECT_EQ(info.hwndCombo, drop.Hwnd());
    ASSERT_NE(info.hwndItem, static_cast<HWND>(NULL));
    EXPECT_EQ(::GetParent(info.hwndItem), drop.Hwnd());
    char cls[16] = {};
    ::GetClassNameA(info.hwndItem, cls, sizeof(cls));
    EXPECT_STREQ(cls, "Edit");
    // The button stands at the right of the client area, the field left of it.
    RECT rcClient;
    ::GetClientRect(drop.Hwnd(), &rcClient);
    EXPECT_LE(info.rcButton.right, rcClient.right);
    EXPECT_GT(info.rcButton.left, rcClient.right / 2);
    EXPECT_LE(info.rcItem.right, info.rcButton.left);
    EXPECT_GT(info.rcItem.bottom - info.rcItem.top, 0);
    EXPECT_EQ(info.stateButton, 0u);

    drop.ClickButton();
    info = InfoOf(drop.Hwnd());
    ASSERT_NE(info.hwndList, static_cast<HWND>(NULL));
    EXPECT_TRUE(::IsWindowVisible(info.hwndList));
    drop.Send(CB_SHOWDROPDOWN, FALSE);
    PumpTranslated();

    Subject list(GetParam(), CBS_DROPDOWNLIST, host.Hwnd(), kComboId + 1, 20, 60);
    info = InfoOf(list.Hwnd());
    EXPECT_EQ(info.hwndCombo, list.Hwnd());
    EXPECT_EQ(info.hwndItem, static_cast<HWND>(NULL));
}

TEST_P(ComboConformance, ExtendedInterfaceOpensTheListWithDownAndNotWithF4)
{
    Subject drop(GetParam(), CBS_DROPDOWN, host.Hwnd());
    drop.Fill({"one", "two", "three"});
    EXPECT_EQ(drop.Send(CB_GETEXTENDEDUI), FALSE);
    vxtest::Click(vxtest::CentreOf(drop.Edit()));
    PumpTranslated();
    // Plain: Down moves the selection, the list stays closed.
    Key(VK_DOWN);
    EXPECT_FALSE(drop.Dropped());
    EXPECT_EQ(drop.Send(CB_SETEXTENDEDUI, TRUE), CB_OKAY);
    EXPECT_EQ(drop.Send(CB_GETEXTENDEDUI), TRUE);
    Key(VK_F4);
    EXPECT_FALSE(drop.Dropped());
    Key(VK_DOWN);
    EXPECT_TRUE(PumpTranslatedUntil([&] { return drop.Dropped(); }));
    Key(VK_ESCAPE);
    EXPECT_TRUE(PumpTranslatedUntil([&] { return !drop.Dropped(); }));
    EXPECT_EQ(drop.Send(CB_SETEXTENDEDUI, FALSE), CB_OKAY);
    EXPECT_EQ(drop.Send(CB_GETEXTENDEDUI), FALSE);
}

TEST_P(ComboConformance, DroppedWidthAndRectangle)
{
    Subject drop(GetParam(), CBS_DROPDOWNLIST, host.Hwnd());
    drop.Fill({"one", "two", "three"});
    const RECT rcCombo = drop.WindowRect();
    // Closed: the list would drop from the combo's top left, as wide as the combo.
    RECT rc = {-1, -1, -1, -1};
    // Documented as nonzero on success; Wine's own answers CB_OKAY.
    if (Ours()) {
        EXPECT_EQ(drop.Send(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&rc), TRUE);
    } else {
        drop.Send(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&rc);
    }
    EXPECT_EQ(rc.left, rcCombo.left);
    EXPECT_EQ(rc.top, rcCombo.top);
    EXPECT_EQ(rc.right - rc.left, kComboWidth);
    EXPECT_GT(rc.bottom, rcCombo.top);
    EXPECT_EQ(drop.Send(CB_GETDROPPEDWIDTH), kComboWidth);
    EXPECT_EQ(drop.Send(CB_SETDROPPEDWIDTH, 300), 300);
    EXPECT_EQ(drop.Send(CB_GETDROPPEDWIDTH), 300);
    EXPECT_EQ(drop.Send(CB_SETDROPPEDWIDTH, 0), 300);
    EXPECT_EQ(drop.Send(CB_SETDROPPEDWIDTH, 32768), CB_ERR);
    EXPECT_EQ(drop.Send(CB_SHOWDROPDOWN, TRUE), TRUE);
    PumpTranslated();
    drop.Send(CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&rc);
    EXPECT_EQ(rc.right - rc.left, 300);
    EXPECT_EQ(rc.left, rcCombo.left);
    drop.Send(CB_SHOWDROPDOWN, FALSE);
    // Never below the combo's own width.
    EXPECT_EQ(drop.Send(CB_SETDROPPEDWIDTH, 50), kComboWidth);
    EXPECT_EQ(drop.Send(CB_GETDROPPEDWIDTH), kComboWidth);
}

TEST_P(ComboConformance, MinVisibleRowsBoundTheOpenList)
{
    Subject drop(GetParam(), CBS_DROPDOWNLIST, host.Hwnd());
    drop.Fill({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    EXPECT_EQ(drop.Send(CB_GETMINVISIBLE), 30);
    EXPECT_EQ(drop.Send(CB_SETMINVISIBLE, 0), TRUE);
    EXPECT_EQ(drop.Send(CB_SETMINVISIBLE, 4), TRUE);
    EXPECT_EQ(drop.Send(CB_GETMINVISIBLE), 4);
    drop.Send(CB_SHOWDROPDOWN, TRUE);
    PumpTranslated();
    const HWND hList = drop.List();
    RECT rcList;
    ::GetClientRect(hList, &rcList);
    const int cy = static_cast<int>(::SendMessageA(hList, LB_GETITEMHEIGHT, 0, 0));
    // Rows shown, the last one whole or all but its frame's pixels.
    EXPECT_EQ((rcList.bottom + cy / 2) / cy, 4);
    drop.Send(CB_SHOWDROPDOWN, FALSE);
}

TEST_P(ComboConformance, HeightsOfTheFieldAndTheRows)
{
    // Rows take a height where the system's combo draws them as ours does: owner-drawn.
    Subject drop(GetParam(), CBS_DROPDOWN | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, host.Hwnd());
    drop.Fill({"one", "two"});
    EXPECT_EQ(drop.Send(CB_SETITEMHEIGHT, 0, 300), CB_OKAY);
    EXPECT_EQ(drop.Send(CB_GETITEMHEIGHT, 0), 300);
    EXPECT_EQ(drop.Send(CB_SETITEMHEIGHT, 0, 70000), CB_ERR);
    EXPECT_EQ(drop.Send(CB_SETITEMHEIGHT, 0, 20), CB_OKAY);
    EXPECT_EQ(drop.Send(CB_GETITEMHEIGHT, 0), 20);
    // The field: the window's client area is the height set and the system's margins.
    EXPECT_EQ(drop.Send(CB_SETITEMHEIGHT, (WPARAM)-1, 30), 30);
    RECT rcClient;
    ::GetClientRect(drop.Hwnd(), &rcClient);
    EXPECT_EQ(rcClient.bottom, 36);
    const int cyField = static_cast<int>(drop.Send(CB_GETITEMHEIGHT, (WPARAM)-1));
    EXPECT_GE(cyField, 30);
    EXPECT_EQ(drop.Send(CB_SETITEMHEIGHT, (WPARAM)-1, 40), 40);
    EXPECT_EQ(drop.Send(CB_GETITEMHEIGHT, (WPARAM)-1), cyField + 10);
    EXPECT_EQ(drop.Send(CB_SETITEMHEIGHT, (WPARAM)-1, 32768), CB_ERR);
    // The rows of the next list have the height set.
    drop.ClickButton();
    EXPECT_EQ(::SendMessageA(drop.List(), LB_GETITEMHEIGHT, 0, 0), 20);
    drop.Send(CB_SHOWDROPDOWN, FALSE);
}

TEST_P(ComboConformance, StorageAndScrollableWidth)
{
    Subject drop(GetParam(), CBS_DROPDOWNLIST, host.Hwnd());
    drop.Fill({"one", "two"});
    EXPECT_GE(drop.Send(CB_INITSTORAGE, 100, 1000), 102);
    EXPECT_EQ(drop.Send(CB_GETCOUNT), 2);
    EXPECT_EQ(drop.Send(CB_GETHORIZONTALEXTENT), 0);
    drop.Send(CB_SETHORIZONTALEXTENT, 500);
    EXPECT_EQ(drop.Send(CB_GETHORIZONTALEXTENT), 500);
}

// A folder of its own with two text files, one other file and a sub-folder.
class TempFolder
{
public:
    TempFolder()
    {
        char base[MAX_PATH];
        ::GetTempPathA(MAX_PATH, base);
        m_path = std::string(base) + "vxdir" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(m_path.c_str(), NULL);
        ::CreateDirectoryA((m_path + "\\sub").c_str(), NULL);
        for (const char* name : {"a.txt", "b.txt", "c.log"})
            ::CloseHandle(::CreateFileA((m_path + "\\" + name).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, NULL));
    }
    ~TempFolder()
    {
        for (const char* name : {"a.txt", "b.txt", "c.log"})
            ::DeleteFileA((m_path + "\\" + name).c_str());
        ::RemoveDirectoryA((m_path + "\\sub").c_str());
        ::RemoveDirectoryA(m_path.c_str());
    }
    std::string PathOf(const char* pattern) const { return m_path + "\\" + pattern; }

private:
    std::string m_path;
};

std::set<std::string> Texts(const Subject& combo)
{
    std::set<std::string> texts;
    const int n = static_cast<int>(combo.Send(CB_GETCOUNT));
    for (int i = 0; i < n; ++i) {
        char buffer[MAX_PATH] = {};
        combo.Send(CB_GETLBTEXT, i, (LPARAM)buffer);
        texts.insert(buffer);
    }
    return texts;
}

TEST_P(ComboConformance, DirectoryListingAndDlgDirListComboBox)
{
    TempFolder folder;
    Subject drop(GetParam(), CBS_DROPDOWNLIST, host.Hwnd());
    EXPECT_EQ(drop.Send(CB_DIR, DDL_READWRITE, (LPARAM)folder.PathOf("*.txt").c_str()), 1);
    EXPECT_EQ(Texts(drop), std::set<std::string>({"a.txt", "b.txt"}));
    EXPECT_EQ(drop.Send(CB_DIR, DDL_DIRECTORY | DDL_EXCLUSIVE, (LPARAM)folder.PathOf("*").c_str()), 3);
    EXPECT_EQ(Texts(drop), std::set<std::string>({"a.txt", "b.txt", "[..]", "[sub]"}));
    EXPECT_EQ(drop.Send(CB_DIR, DDL_READWRITE, (LPARAM)folder.PathOf("*.none").c_str()), CB_ERR);
    EXPECT_EQ(drop.Send(CB_GETCOUNT), 4);

    // The dialog function empties the list and fills it anew.
    char pattern[MAX_PATH];
    lstrcpyA(pattern, folder.PathOf("*.log").c_str());
    char cwd[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, cwd);
    EXPECT_TRUE(::DlgDirListComboBoxA(host.Hwnd(), pattern, kComboId, 0, DDL_READWRITE));
    ::SetCurrentDirectoryA(cwd);
    EXPECT_EQ(Texts(drop), std::set<std::string>({"c.log"}));
}

TEST_P(ComboConformance, ColourMessagesOfTheEditAndTheListReachTheParent)
{
    const HBRUSH hBrush = ::CreateSolidBrush(RGB(255, 0, 0));
    host.SetHandler([&](UINT msg, WPARAM, LPARAM, LRESULT& result) {
        if (msg != WM_CTLCOLOREDIT && msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLORLISTBOX)
            return false;
        result = (LRESULT)hBrush;
        return true;
    });
    Subject drop(GetParam(), CBS_DROPDOWN, host.Hwnd());
    drop.Fill({"one", "two"});
    auto colourFrom = [&](UINT msg, HWND hPart) {
        const std::vector<vxtest::RecordedMessage> seen = host.Recorder().Filter(msg);
        return std::any_of(seen.begin(), seen.end(), [&](const vxtest::RecordedMessage& m) {
            return (HWND)m.lParam == hPart;
        });
    };
    host.Recorder().Clear();
    ::InvalidateRect(drop.Edit(), NULL, TRUE);
    ::UpdateWindow(drop.Edit());
    EXPECT_TRUE(colourFrom(WM_CTLCOLOREDIT, drop.Edit()));
    RECT rcEdit;
    ::GetClientRect(drop.Edit(), &rcEdit);
    EXPECT_EQ(PixelAt(drop.Edit(), rcEdit.right - 3, rcEdit.bottom / 2), RGB(255, 0, 0));

    host.Recorder().Clear();
    ::EnableWindow(drop.Hwnd(), FALSE);
    ::InvalidateRect(drop.Edit(), NULL, TRUE);
    ::UpdateWindow(drop.Edit());
    EXPECT_TRUE(colourFrom(WM_CTLCOLORSTATIC, drop.Edit()));
    ::EnableWindow(drop.Hwnd(), TRUE);

    // The system's list asks for its colours; ours is painted in the skin's.
    drop.ClickButton();
    host.Recorder().Clear();
    ::RedrawWindow(drop.List(), NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(colourFrom(WM_CTLCOLORLISTBOX, drop.List()), !Ours());
    drop.Send(CB_SHOWDROPDOWN, FALSE);
    host.SetHandler(nullptr);
    ::DeleteObject(hBrush);
}

TEST_P(ComboConformance, CharactersSentToTheComboTypeIntoItsEdit)
{
    Subject drop(GetParam(), CBS_DROPDOWN, host.Hwnd());
    drop.Send(WM_CHAR, 'q', 1);
    drop.Send(WM_CHAR, 'z', 1);
    EXPECT_EQ(WindowTextOf(drop.Edit()), "qz");
}

TEST_P(ComboConformance, AHostsFontSizesTheField)
{
    LOGFONTA lf = {};
    lf.lfHeight = -24;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    const HFONT hFont = ::CreateFontIndirectA(&lf);
    HDC hdc = ::GetDC(host.Hwnd());
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    TEXTMETRICA tm;
    ::GetTextMetricsA(hdc, &tm);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(host.Hwnd(), hdc);

    Subject drop(GetParam(), CBS_DROPDOWN, host.Hwnd());
    drop.Send(WM_SETFONT, (WPARAM)hFont, TRUE);
    const RECT rc = drop.WindowRect();
    // The text's height and the system's margins.
    EXPECT_EQ(rc.bottom - rc.top, tm.tmHeight + 8);
    EXPECT_EQ(drop.Send(CB_GETITEMHEIGHT, (WPARAM)-1), tm.tmHeight + 4);
    if (Ours()) {
        // A host that sizes the combo itself keeps its size.
        ::MoveWindow(drop.Hwnd(), 20, 20, kComboWidth, 60, TRUE);
        drop.Send(WM_SETFONT, (WPARAM)hFont, TRUE);
        EXPECT_EQ(drop.WindowRect().bottom - drop.WindowRect().top, 60);
        // It repaints when asked to, and only then.
        ::ValidateRect(drop.Hwnd(), NULL);
        drop.Send(WM_SETFONT, (WPARAM)hFont, FALSE);
        EXPECT_FALSE(::GetUpdateRect(drop.Hwnd(), NULL, FALSE));
        drop.Send(WM_SETFONT, (WPARAM)hFont, TRUE);
        EXPECT_TRUE(::GetUpdateRect(drop.Hwnd(), NULL, FALSE));
    }
    drop.Send(WM_SETFONT, 0, FALSE);
    ::DeleteObject(hFont);
}

// combo (300) after an edit (301), in the tab order of a dialog.
class EditThenComboTemplate : public vxtest::DialogTemplate
{
public:
    EditThenComboTemplate(Kind kind, DWORD dwComboStyle) : vxtest::DialogTemplate(220, 120)
    {
        Item(kEdit, WS_TABSTOP | WS_BORDER, 10, 10, 120, 14, 301);
        Item(kind == Kind::System ? "ComboBox" : "RavuComboBoxCtrl", WS_TABSTOP | WS_VSCROLL | dwComboStyle, 10,
             40, 120, kind == Kind::System ? 80 : 14, kDialogComboId);
    }
};

class ConformanceDialog : public CDialog
{
public:
    explicit ConformanceDialog(Kind kind) : m_kind(kind) {}
    Kind m_kind;
    vxCtrlComboBox m_combo;
    vxtest::MessageRecorder m_codes;

    virtual BOOL OnInitDialog()
    {
        if (m_kind == Kind::Ours)
            m_combo.SubclassDlgItem(kDialogComboId, this);
        for (const char* text : {"apple", "banana", "blueberry", "cherry"})
            ::SendDlgItemMessageA(m_hWnd, kDialogComboId, CB_ADDSTRING, 0, (LPARAM)text);
        ::SetDlgItemTextA(m_hWnd, kDialogComboId, "start");
        m_codes.Attach(m_hWnd);
        return CDialog::OnInitDialog();
    }
    HWND Combo() const { return ::GetDlgItem(m_hWnd, kDialogComboId); }
    LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return ::SendMessageA(Combo(), msg, w, l); }
    std::vector<UINT> Codes() const { return m_codes.CommandCodes(kDialogComboId); }
};

struct ComboConformanceInDialog : ComboConformance {
    std::unique_ptr<EditThenComboTemplate> tpl;
    std::unique_ptr<ConformanceDialog> dlg;
    void Open(DWORD dwComboStyle)
    {
        tpl.reset(new EditThenComboTemplate(GetParam(), dwComboStyle));
        dlg.reset(new ConformanceDialog(GetParam()));
        ASSERT_TRUE(dlg->CreateIndirect(tpl->Get()));
        ASSERT_TRUE(vxtest::BringToFront(dlg->m_hWnd));
        ASSERT_EQ(::GetFocus(), ::GetDlgItem(dlg->m_hWnd, 301));
    }
    void TearDown() override
    {
        if (dlg) {
            dlg->m_codes.Detach();
            dlg->DestroyWindow();
        }
        PumpTranslated();
    }
};

TEST_P(ComboConformanceInDialog, TheFirstFocusSelectsTheWholeText)
{
    Open(CBS_DROPDOWN);
    Key(VK_TAB);
    const HWND hEdit = InfoOf(dlg->Combo()).hwndItem;
    ASSERT_EQ(::GetFocus(), hEdit);
    EXPECT_EQ(EditSelection(hEdit), std::make_pair(0, 5));
}

TEST_P(ComboConformanceInDialog, ATypedLetterSelectsTheNextItemBeginningWithIt)
{
    Open(CBS_DROPDOWNLIST);
    Key(VK_TAB);
    ASSERT_EQ(::GetFocus(), dlg->Combo());
    // Closed: the selection steps through the items that begin with the letter, round again.
    for (int expected : {1, 2, 1}) {
        Type("b");
        EXPECT_EQ(dlg->Send(CB_GETCURSEL), expected);
    }
    Type("C");
    EXPECT_EQ(dlg->Send(CB_GETCURSEL), 3);
    // Open: the highlight moves.
    Key(VK_F4);
    ASSERT_TRUE(PumpTranslatedUntil([&] { return dlg->Send(CB_GETDROPPEDSTATE) != 0; }));
    Type("a");
    EXPECT_EQ(::SendMessageA(InfoOf(dlg->Combo()).hwndList, LB_GETCURSEL, 0, 0), 0);
    Key(VK_ESCAPE);
    EXPECT_TRUE(PumpTranslatedUntil([&] { return dlg->Send(CB_GETDROPPEDSTATE) == 0; }));
}

TEST_P(ComboConformanceInDialog, ADropListLosingTheFocusWithItsListOpenCancelsOnce)
{
    Open(CBS_DROPDOWNLIST);
    Key(VK_TAB);
    Key(VK_F4);
    ASSERT_TRUE(PumpTranslatedUntil([&] { return dlg->Send(CB_GETDROPPEDSTATE) != 0; }));
    dlg->m_codes.Clear();
    Key(VK_TAB);
    ASSERT_EQ(::GetFocus(), ::GetDlgItem(dlg->m_hWnd, 301));
    EXPECT_EQ(dlg->Codes(), std::vector<UINT>({CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}));
}

// What the combo keeps from its design where the system's combo box differs.
TEST_P(ComboConformance, KeptDifferencesFromTheSystem)
{
    Subject drop(GetParam(), CBS_DROPDOWN, host.Hwnd());
    drop.Fill({"abc", "b", "bb"});
    const bool ours = Ours();
    // The text length counts the terminating zero.
    EXPECT_EQ(drop.Send(CB_GETLBTEXTLEN, 0), ours ? 4 : 3);
    // Inserting at the count inserts nothing.
    EXPECT_EQ(drop.Send(CB_INSERTSTRING, 3, (LPARAM) "end"), ours ? CB_ERR : 3);
    if (!ours)
        drop.Send(CB_DELETESTRING, 3);
    // A search starts at its start index, not after it, and does not wrap.
    EXPECT_EQ(drop.Send(CB_FINDSTRING, 1, (LPARAM) "b"), ours ? 1 : 2);
    EXPECT_EQ(drop.Send(CB_FINDSTRING, 2, (LPARAM) "a"), ours ? CB_ERR : 0);
    // A selection by a string without a match clears the selection.
    EXPECT_EQ(drop.Send(CB_SETCURSEL, 1), 1);
    EXPECT_EQ(drop.Send(CB_SELECTSTRING, (WPARAM)-1, (LPARAM) "zzz"), CB_ERR);
    EXPECT_EQ(drop.Send(CB_GETCURSEL), ours ? CB_ERR : 1);
    // The current selection is the first item with the shown text, typed or not.
    ::SetWindowTextA(drop.Edit(), "bb");
    EXPECT_EQ(drop.Send(CB_GETCURSEL), ours ? 2 : 1);
    // The top index is set only while the list is open.
    EXPECT_EQ(drop.Send(CB_SETTOPINDEX, 1), ours ? CB_ERR : 0);
    // The list exists only while it is open.
    EXPECT_EQ(InfoOf(drop.Hwnd()).hwndList == NULL, ours);

    // A drop list shows any text it is given.
    Subject list(GetParam(), CBS_DROPDOWNLIST, host.Hwnd(), kComboId + 1, 20, 60);
    list.Fill({"one", "two", "three"});
    EXPECT_EQ(list.Send(WM_SETTEXT, 0, (LPARAM) "free"), ours ? TRUE : CB_ERR);
    EXPECT_EQ(WindowTextOf(list.Hwnd()), ours ? "free" : "");
}

TEST_P(ComboConformanceInDialog, KeptDifferenceTheFirstDownTakesTheSecondItem)
{
    Open(CBS_DROPDOWNLIST);
    Key(VK_TAB);
    ASSERT_EQ(::GetFocus(), dlg->Combo());
    Key(VK_DOWN);
    EXPECT_EQ(dlg->Send(CB_GETCURSEL), Ours() ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(BothKinds, ComboConformance, ::testing::Values(Kind::System, Kind::Ours), KindName);
INSTANTIATE_TEST_SUITE_P(BothKinds, ComboConformanceInDialog, ::testing::Values(Kind::System, Kind::Ours),
                         KindName);

} // namespace
