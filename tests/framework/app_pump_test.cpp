// The pre-translation walk of the message pump, dynamic creation, dialogs and data exchange.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <afxtempl.h>

#include <vector>

#include "dialog_template.h"
#include "vxtest.h"

using namespace vxtest;

class Creatable : public CWnd
{
    DECLARE_DYNCREATE(Creatable)
public:
    int m_value = 42;
};
IMPLEMENT_DYNCREATE(Creatable, CWnd)

class NotCreatable : public CObject
{
    DECLARE_DYNAMIC(NotCreatable)
};
IMPLEMENT_DYNAMIC(NotCreatable, CObject)

namespace {

// Eats WM_KEYDOWN of one key and notes who saw what.
class KeyEater : public CWnd
{
public:
    KeyEater(std::vector<CString>* log, const char* name, UINT eat) : m_log(log), m_name(name), m_eat(eat) {}
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message != WM_KEYDOWN)
            return FALSE;
        m_log->push_back(m_name);
        return pMsg->wParam == m_eat;
    }
private:
    std::vector<CString>* m_log;
    CString m_name;
    UINT m_eat;
};

// A dialog built in memory: one edit (id 100) and one check box (id 101).
struct DdxTemplate : vxtest::DialogTemplate {
    DdxTemplate() : vxtest::DialogTemplate(160, 60, WS_POPUP | WS_CAPTION | DS_MODALFRAME, "ddx")
    {
        Item(kEdit, ES_AUTOHSCROLL | WS_BORDER, 4, 4, 100, 12, 100);
        Item(kButton, BS_AUTOCHECKBOX, 4, 20, 100, 12, 101, "check");
    }
};

class DataDialog : public CDialog
{
public:
    CString m_text;
    int m_check = 0;
    int m_number = 0;
    bool m_numberField = false;     // exchange the edit as a number instead
    CEdit m_edit;                   // bound to the edit by the first exchange
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        DDX_Control(pDX, 100, m_edit);
        if (m_numberField)
            DDX_Text(pDX, 100, m_number);
        else
            DDX_Text(pDX, 100, m_text);
        DDX_Check(pDX, 101, m_check);
    }
};

} // namespace

TEST(FrameworkPump, PreTranslateWalksFromTargetUpToTheTopLevelWindow)
{
    HostWindow host;
    std::vector<CString> log;
    KeyEater top(&log, "top", 'T'), middle(&log, "middle", 'M');
    ASSERT_TRUE(top.SubclassWindow(host.Hwnd()));
    ASSERT_TRUE(middle.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &top, 1));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 200, 30), &middle, 2));
    MessageRecorder editMessages(edit.m_hWnd);

    // Messages go through the framework's pump, as a host's loop runs them.
    auto pump = [] {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
            if (!AfxPumpMessage())
                break;
    };
    edit.SetFocus();
    ::PostMessage(edit.m_hWnd, WM_KEYDOWN, 'M', 0);
    pump();
    ::PostMessage(edit.m_hWnd, WM_KEYDOWN, 'T', 0);
    pump();
    ::PostMessage(edit.m_hWnd, WM_KEYDOWN, 'X', 0);
    pump();
    // 'M' is eaten by the middle window, 'T' passes it and is eaten at the top, 'X' reaches the edit.
    ASSERT_EQ(5u, log.size());
    EXPECT_STREQ(_T("middle"), log[0]);
    EXPECT_STREQ(_T("middle"), log[1]);
    EXPECT_STREQ(_T("top"), log[2]);
    EXPECT_STREQ(_T("middle"), log[3]);
    EXPECT_STREQ(_T("top"), log[4]);
    auto keys = editMessages.Filter(WM_KEYDOWN);
    ASSERT_EQ(1u, keys.size());
    EXPECT_EQ((WPARAM)'X', keys[0].wParam);
    EXPECT_TRUE(keys[0].posted);
    top.UnsubclassWindow();
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(NULL, NULL));
}

TEST(FrameworkPump, RunTimeClassesAndDynamicCreation)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(Creatable);
    EXPECT_STREQ("Creatable", pClass->m_lpszClassName);
    EXPECT_EQ(0xFFFFu, pClass->m_wSchema);
    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CListBox)));
    EXPECT_EQ(42, static_cast<Creatable*>(pObject)->m_value);
    EXPECT_EQ(pClass, pObject->GetRuntimeClass());
    delete pObject;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(NotCreatable)->CreateObject());
    EXPECT_FALSE(RUNTIME_CLASS(CWnd)->IsDerivedFrom(NULL));
    // Window classes: one without a name is refused, one registered already is taken.
    EXPECT_FALSE(AfxRegisterClass(NULL));
    WNDCLASS wc = {};
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = AfxGetInstanceHandle();
    EXPECT_FALSE(AfxRegisterClass(&wc));
    wc.lpszClassName = _T("vxtest.Registered");
    EXPECT_TRUE(AfxRegisterClass(&wc));
    EXPECT_TRUE(AfxRegisterClass(&wc));
}

TEST(FrameworkPump, DialogFromMemoryExchangesDataBothWays)
{
    DdxTemplate tmpl;
    DataDialog dlg;
    dlg.m_text = "hello";
    dlg.m_check = 1;
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), NULL));
    // OnInitDialog moved the members into the controls.
    CString shown;
    dlg.GetDlgItem(100)->GetWindowText(shown);
    EXPECT_STREQ(_T("hello"), shown);
    EXPECT_EQ(dlg.m_edit.m_hWnd, dlg.GetDlgItem(100)->m_hWnd);
    EXPECT_EQ(BST_CHECKED, (int)dlg.IsDlgButtonChecked(101));
    // And back.
    dlg.GetDlgItem(100)->SetWindowText(_T("typed"));
    dlg.CheckDlgButton(101, BST_UNCHECKED);
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ(_T("typed"), dlg.m_text);
    EXPECT_EQ(0, dlg.m_check);
    // A number field that holds no number fails and leaves the member alone.
    dlg.m_numberField = true;
    dlg.m_number = 5;
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(5, dlg.m_number);
    dlg.GetDlgItem(100)->SetWindowText(_T(" 12 "));
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(12, dlg.m_number);
    dlg.DestroyWindow();
    EXPECT_FALSE(dlg.UpdateData(TRUE)); // no window
}

TEST(FrameworkPump, ModalDialogEndsWithItsResult)
{
    DdxTemplate tmpl;
    DataDialog dlg;
    ASSERT_TRUE(dlg.InitModalIndirect(tmpl.Get(), NULL));
    // Without a parent, the application's main window is the one disabled while it runs.
    HostWindow host;
    CWnd mainWnd;
    mainWnd.Attach(host.Hwnd());
    AfxGetApp()->m_pMainWnd = &mainWnd;
    static HWND s_hMain;
    static bool s_bMainEnabled;
    s_hMain = host.Hwnd();
    s_bMainEnabled = true;
    ::SetTimer(NULL, 0, 50, NULL);
    // OK with a field that holds no number keeps the dialog open; a posted IDCANCEL ends it.
    dlg.m_numberField = true;
    struct Ender {
        static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD)
        {
            ::KillTimer(NULL, id);
            HWND hDlg = ::FindWindow(NULL, _T("ddx"));
            if (hDlg != NULL) {
                s_bMainEnabled = ::IsWindowEnabled(s_hMain) != FALSE;
                ::SetDlgItemText(hDlg, 100, _T("none"));
                ::PostMessage(hDlg, WM_COMMAND, IDOK, 0);
                ::PostMessage(hDlg, WM_COMMAND, IDCANCEL, 0);
            }
        }
    };
    ::SetTimer(NULL, 0, 100, &Ender::Fire);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(NULL, dlg.m_hWnd);
    EXPECT_FALSE(s_bMainEnabled);
    EXPECT_TRUE(::IsWindowEnabled(host.Hwnd()));
    AfxGetApp()->m_pMainWnd = NULL;
    mainWnd.Detach();
}

TEST(FrameworkCollections, RemovalDuringWalksAndBadIndices)
{
    CList<int, int> list(4);
    for (int i = 0; i < 10; ++i)
        list.AddTail(i);
    // Remove every even value while walking.
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;) {
        POSITION current = pos;
        if (list.GetNext(pos) % 2 == 0)
            list.RemoveAt(current);
    }
    ASSERT_EQ(5, (int)list.GetCount());
    int expected = 1;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL; expected += 2)
        EXPECT_EQ(expected, list.GetNext(pos));

    CArray<int, int> array;
    array.Add(1);
    array.Add(3);
    array.InsertAt(1, 2);
    EXPECT_EQ(3, (int)array.GetSize());
    EXPECT_EQ(2, array[1]);
    bool threw = false;
    try {
        array.RemoveAt(5);
    } catch (CException* e) {
        threw = true;
        e->Delete();
    }
    EXPECT_TRUE(threw);
    EXPECT_EQ(3, (int)array.GetSize()); // unchanged

    CMap<int, int, CString, LPCTSTR> map;
    map.InitHashTable(7);
    for (int i = 0; i < 100; ++i) {
        CString value;
        value.Format(_T("v%d"), i);
        map.SetAt(i, value);
    }
    CString found;
    EXPECT_TRUE(map.Lookup(57, found));
    EXPECT_STREQ(_T("v57"), found);
    EXPECT_TRUE(map.RemoveKey(57));
    EXPECT_FALSE(map.Lookup(57, found));
    EXPECT_FALSE(map.RemoveKey(57));
    EXPECT_EQ(99, (int)map.GetCount());
}
