// Construction, creation, window class, font, edit child and the window options.
#include "vxCtrlComboBox.h"
#include "vxAccessibleEvent.h"
#include "vxComboClass.h"
#include "vxComboAccessible.h"
#include "vxComboEdit.h"
#include "vxAliveWatch.h"
#include "vxComboGeometry.h"
#include "vxComboItemRules.h"
#include "vxDpi.h"
#include "vxDropWnd.h"

#include <imm.h>
#include <vexelcore.h>

namespace {

const TCHAR kClassName[] = _T("RavuComboBoxCtrl");

} // namespace

IMPLEMENT_DYNAMIC(vxCtrlComboBox, CWnd)

BEGIN_MESSAGE_MAP(vxCtrlComboBox, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_SIZE()
    ON_WM_SHOWWINDOW()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_ENABLE()
    ON_WM_CHILDACTIVATE()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_CHAR()
    ON_MESSAGE(WM_SETFONT, &vxCtrlComboBox::OnSetFont)
    ON_MESSAGE(WM_GETFONT, &vxCtrlComboBox::OnGetFont)
    ON_WM_GETDLGCODE()
    ON_MESSAGE(WM_COMBO_SELECTEDITEM, &vxCtrlComboBox::OnSelectedItem)
    ON_MESSAGE(WM_COMBO_DESTROYDROPDOWN, &vxCtrlComboBox::OnDestroyDropdownList)
    ON_MESSAGE(WM_COMBO_DROPDOWNBUTTON, &vxCtrlComboBox::OnDropdownButton)
    ON_EN_SETFOCUS(VXCB_EDIT_ID, &vxCtrlComboBox::OnSetfocusEdit)
    ON_EN_KILLFOCUS(VXCB_EDIT_ID, &vxCtrlComboBox::OnKillfocusEdit)
    ON_EN_CHANGE(VXCB_EDIT_ID, &vxCtrlComboBox::OnChangeEdit)
    ON_EN_UPDATE(VXCB_EDIT_ID, &vxCtrlComboBox::OnUpdateEdit)
    ON_MESSAGE(CB_ADDSTRING, &vxCtrlComboBox::OnCbAddString)
    ON_MESSAGE(CB_GETCOUNT, &vxCtrlComboBox::OnCbGetCount)
    ON_MESSAGE(CB_GETCURSEL, &vxCtrlComboBox::OnCbGetCurSel)
    ON_MESSAGE(CB_GETLBTEXT, &vxCtrlComboBox::OnCbGetLBText)
    ON_MESSAGE(CB_GETLBTEXTLEN, &vxCtrlComboBox::OnCbGetLBTextLen)
    ON_MESSAGE(CB_RESETCONTENT, &vxCtrlComboBox::OnCbResetContent)
    ON_MESSAGE(CB_SELECTSTRING, &vxCtrlComboBox::OnCbSelectString)
    ON_MESSAGE(CB_SETCURSEL, &vxCtrlComboBox::OnCbSetCurSel)
    ON_MESSAGE(CB_GETTOPINDEX, &vxCtrlComboBox::OnCbGetTopIndex)
    ON_MESSAGE(CB_SETTOPINDEX, &vxCtrlComboBox::OnCbSetTopIndex)
    ON_MESSAGE(CB_INSERTSTRING, &vxCtrlComboBox::OnCbInsertString)
    ON_MESSAGE(CB_DELETESTRING, &vxCtrlComboBox::OnCbDeleteString)
    ON_MESSAGE(CB_FINDSTRING, &vxCtrlComboBox::OnCbFindString)
    ON_MESSAGE(CB_FINDSTRINGEXACT, &vxCtrlComboBox::OnCbFindStringExact)
    ON_MESSAGE(CB_GETITEMDATA, &vxCtrlComboBox::OnCbGetItemData)
    ON_MESSAGE(CB_SETITEMDATA, &vxCtrlComboBox::OnCbSetItemData)
    ON_MESSAGE(CB_GETDROPPEDSTATE, &vxCtrlComboBox::OnCbGetDroppedState)
    ON_MESSAGE(CB_SHOWDROPDOWN, &vxCtrlComboBox::OnCbShowDropDown)
    ON_MESSAGE(CB_GETDROPPEDCONTROLRECT, &vxCtrlComboBox::OnCbGetDroppedControlRect)
    ON_MESSAGE(CB_LIMITTEXT, &vxCtrlComboBox::OnCbLimitText)
    ON_MESSAGE(CB_GETEDITSEL, &vxCtrlComboBox::OnCbGetEditSel)
    ON_MESSAGE(CB_SETEDITSEL, &vxCtrlComboBox::OnCbSetEditSel)
    ON_MESSAGE(CB_GETCOMBOBOXINFO, &vxCtrlComboBox::OnCbGetComboBoxInfo)
    ON_MESSAGE(CB_SETEXTENDEDUI, &vxCtrlComboBox::OnCbSetExtendedUI)
    ON_MESSAGE(CB_GETEXTENDEDUI, &vxCtrlComboBox::OnCbGetExtendedUI)
    ON_MESSAGE(CB_SETDROPPEDWIDTH, &vxCtrlComboBox::OnCbSetDroppedWidth)
    ON_MESSAGE(CB_GETDROPPEDWIDTH, &vxCtrlComboBox::OnCbGetDroppedWidth)
    ON_MESSAGE(CB_SETMINVISIBLE, &vxCtrlComboBox::OnCbSetMinVisible)
    ON_MESSAGE(CB_GETMINVISIBLE, &vxCtrlComboBox::OnCbGetMinVisible)
    ON_MESSAGE(CB_SETITEMHEIGHT, &vxCtrlComboBox::OnCbSetItemHeight)
    ON_MESSAGE(CB_GETITEMHEIGHT, &vxCtrlComboBox::OnCbGetItemHeight)
    ON_MESSAGE(CB_INITSTORAGE, &vxCtrlComboBox::OnCbInitStorage)
    ON_MESSAGE(CB_DIR, &vxCtrlComboBox::OnCbDir)
    ON_MESSAGE(CB_SETHORIZONTALEXTENT, &vxCtrlComboBox::OnCbSetHorizontalExtent)
    ON_MESSAGE(CB_GETHORIZONTALEXTENT, &vxCtrlComboBox::OnCbGetHorizontalExtent)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &vxCtrlComboBox::OnDpiChangedAfterParent)
    ON_MESSAGE(WM_GETOBJECT, &vxCtrlComboBox::OnGetObject)
END_MESSAGE_MAP()

vxCtrlComboBox::vxCtrlComboBox(int n)
    : m_nCurSel(-1),
      m_nEditHeight(-1),
      m_nItemHeight(VXCB_ROW_HEIGHT),
      m_nDefaultVisibleItems(-1),
      m_nMinVisibleItems(5),
      m_pDropWnd(NULL),
      m_bDropped(FALSE),
      m_nUnused(n),
      m_pEdit(NULL),
      m_pFont(NULL),
      m_dwStyle(0),
      m_dwCBStyle(VXCB_FRAME),
      m_rcEditMargin(VXCB_EDIT_MARGIN),
      m_rcButton(0, 0, 0, 0),
      m_bFocused(FALSE),
      m_bFocusNotified(FALSE),
      m_bSelEndOk(FALSE),
      m_bSyncEdit(TRUE),
      m_bCreatedByCreate(FALSE),
      m_bAutoComplete(TRUE),
      m_bHover(FALSE),
      m_bHoverTimer(FALSE),
      m_nWheelDelta(0),
      m_pItems(new vxListboxItemList),
      m_lstItems(*m_pItems),
      m_pAliveWatches(NULL), m_pKeptDrop(NULL), m_hFont(NULL), m_bItemHeightGiven(FALSE), m_nDpi(0), m_bEditMarginGiven(FALSE),
      m_bExtendedUI(FALSE),
      m_nDroppedWidth(0),
      m_nHorizontalExtent(0),
      m_bBeenFocused(FALSE),
      m_bSizedByHost(FALSE),
      m_bFittingField(FALSE),
      m_chLeadByte(0),
      m_pAccessible(NULL)
{
    RegisterWindowClass();
}

vxCtrlComboBox::~vxCtrlComboBox()
{
    // Handlers still on the stack (a host deleting the combo from a notification) stop here.
    vxAliveWatch::EndAll(m_pAliveWatches);
    DiscardDropDown();
    if (m_pEdit != NULL) {
        m_pEdit->DestroyWindow();
        delete m_pEdit;
        m_pEdit = NULL;
    }
    delete m_pAccessible;
    // The font goes last: the edit and the drop list draw with it until they are gone.
    delete m_pFont;
    m_pFont = NULL;
    delete m_pItems;
}

BOOL vxRegisterComboBoxClass()
{
    WNDCLASS wc;
    HINSTANCE hInstance = AfxGetInstanceHandle();
    if (::GetClassInfo(hInstance, kClassName, &wc))
        return TRUE;
    memset(&wc, 0, sizeof(wc));
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(5));
    wc.lpszClassName = kClassName;
    return AfxRegisterClass(&wc);
}

void vxCtrlComboBox::RegisterWindowClass()
{
    if (!vxRegisterComboBoxClass())
        AfxThrowResourceException();
}

BOOL vxCtrlComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_rcWnd = rect;
    m_bCreatedByCreate = TRUE;
    m_dwCBStyle |= VXCB_FRAME;
    m_dwStyle = dwStyle;
    if (!CWnd::Create(NULL, _T(""), dwStyle, m_rcWnd, pParentWnd, nID))
        return FALSE;
    // A child shown without activation gets no WM_CHILDACTIVATE: make the edit here then.
    if (IsDropDownStyle())
        CreateEdit();
    return TRUE;
}

void vxCtrlComboBox::PreSubclassWindow()
{
    ScaleToDpi();
    AdoptWindowText();
    CreateFontA();
    if (!m_bCreatedByCreate)
        CreateEdit();
    DisableInputMethodIfDropList();
    CWnd::PreSubclassWindow();
}

int vxCtrlComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    ScaleToDpi();
    AdoptWindowText();
    CreateFontA();
    DisableInputMethodIfDropList();
    return 0;
}

void vxCtrlComboBox::DisableInputMethodIfDropList()
{
    // Nothing is typed into a drop-list combo, as into the system's.
    if (IsDropListStyle())
        ::ImmAssociateContext(m_hWnd, NULL);
}

void vxCtrlComboBox::ScaleToDpi()
{
    const int nDpi = vxDpiOf(m_hWnd);
    m_nDpi = nDpi;
    if (!m_bItemHeightGiven)
        m_nItemHeight = vxScaleToDpi(VXCB_ROW_HEIGHT, nDpi);
    if (!m_bEditMarginGiven)
        m_rcEditMargin = vxScaleToDpi(VXCB_EDIT_MARGIN, nDpi);
}

LRESULT vxCtrlComboBox::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
    ScaleToDpi();
    RenewFontForDpi();
    if (HasEdit())
        m_pEdit->MoveWindow(RecalcEditArea(), FALSE);
    if (m_pDropWnd != NULL)
        m_pDropWnd->FollowRowHeight(m_nItemHeight);
    InvalidateIfShown();
    return 0;
}

void vxCtrlComboBox::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    // Hosts that Windows does not tell of a new DPI (per-monitor v1, Windows 8.1) still move
    // their children when it changes.
    if (vxDpiOf(m_hWnd) != m_nDpi)
        OnDpiChangedAfterParent(0, 0);
}

void vxCtrlComboBox::AdoptWindowText()
{
    // The text the window was made with (a dialog template's, or Create's) becomes the shown
    // one; the edit, made later, starts with it.
    CString strTitle;
    const int nLength = static_cast<int>(::DefWindowProc(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
    ::DefWindowProc(m_hWnd, WM_GETTEXT, nLength + 1, reinterpret_cast<LPARAM>(strTitle.GetBuffer(nLength)));
    strTitle.ReleaseBuffer();
    if (!strTitle.IsEmpty())
        SetFieldText(strTitle);
}

void vxCtrlComboBox::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanging(lpwndpos);
    if (m_bFittingField || (lpwndpos->flags & SWP_NOSIZE))
        return;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    if (lpwndpos->cx != rcWindow.Width() || lpwndpos->cy != rcWindow.Height())
        m_bSizedByHost = TRUE;
}

void vxCtrlComboBox::FitFieldHeight(int nFieldHeight)
{
    if (nFieldHeight <= 0)
        return;
    CRect rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    // Borders the host gave the window stay around the client area.
    const int cyClient = nFieldHeight + m_rcEditMargin.top + m_rcEditMargin.bottom;
    const int cyWindow = cyClient + rcWindow.Height() - rcClient.Height();
    m_bFittingField = TRUE;
    SetWindowPos(NULL, 0, 0, rcWindow.Width(), cyWindow, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_bFittingField = FALSE;
    if (HasEdit())
        m_pEdit->MoveWindow(RecalcEditArea(), FALSE);
}

LRESULT vxCtrlComboBox::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = vxAnswerGetObject(m_pAccessible, wParam, lParam, [this] { return new vxComboAccessible(this); });
    return lResult != 0 ? lResult : Default();
}

void vxCtrlComboBox::SetFieldText(const CString& strText)
{
    if (strText == m_strText)
        return;
    m_strText = strText;
    // The edit's changes are announced as the edit reports them.
    if (!HasEdit())
        AnnounceValue();
}

void vxCtrlComboBox::AnnounceValue()
{
    if (m_hWnd != NULL)
        vxNotifyAccessibleEvent(EVENT_OBJECT_VALUECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

void vxCtrlComboBox::InvalidateIfShown()
{
    // A hidden window is painted whole when it is shown.
    if (::IsWindowVisible(m_hWnd))
        Invalidate(TRUE);
}

void vxCtrlComboBox::OnChildActivate()
{
    CWnd::OnChildActivate();
    CreateFontA();
    // A combo made by Create gets its edit here, once it is shown in its parent.
    if (m_bCreatedByCreate && IsDropDownStyle())
        CreateEdit();
}

void vxCtrlComboBox::CreateFontA()
{
    if (m_pFont != NULL)
        return;
    LOGFONT lf;
    memset(&lf, 0, sizeof(lf));
    // The engine's and the system's fonts are made for the system's DPI, not the window's.
    BOOL bAtSystemDpi = TRUE;
    HFONT hEngineFont = vxGetFont(_T("default"));
    if (hEngineFont != NULL) {
        // The engine's handle is ours to delete once its description is copied.
        ::GetObject(hEngineFont, sizeof(lf), &lf);
        ::DeleteObject(hEngineFont);
    } else {
        // The parent's font, or the system's GUI font when the parent has none, so that
        // the combo always has a font of its own.
        CWnd* pParent = GetParent();
        CFont* pParentFont = pParent != NULL ? pParent->GetFont() : NULL;
        HGDIOBJ hSource = pParentFont != NULL ? pParentFont->GetSafeHandle() : NULL;
        bAtSystemDpi = hSource == NULL;
        if (hSource == NULL)
            hSource = ::GetStockObject(DEFAULT_GUI_FONT);
        if (hSource != NULL)
            ::GetObject(hSource, sizeof(lf), &lf);
    }
    if (bAtSystemDpi) {
        const int nDpi = vxDpiOf(m_hWnd);
        const int nSystemDpi = vxSystemDpi();
        lf.lfHeight = ::MulDiv(lf.lfHeight, nDpi, nSystemDpi);
        lf.lfWidth = ::MulDiv(lf.lfWidth, nDpi, nSystemDpi);
    }
    m_pFont = new CFont;
    m_pFont->CreateFontIndirect(&lf);
    if (m_hFont == NULL)
        SetFont(m_pFont, TRUE);
}

void vxCtrlComboBox::RenewFontForDpi()
{
    if (m_pFont == NULL)
        return;
    // The host's font stays in use; the combo's own is made again at the new DPI.
    const BOOL bOwnInUse = m_hFont == static_cast<HFONT>(m_pFont->GetSafeHandle());
    CFont* pOld = m_pFont;
    m_pFont = NULL;
    CreateFontA();
    if (bOwnInUse)
        SetFont(m_pFont, TRUE);
    delete pOld;
}

void vxCtrlComboBox::CreateEdit()
{
    if (!IsDropDownStyle() || m_pEdit != NULL)
        return;
    DWORD dwEditStyle = WS_CHILD | WS_VISIBLE;
    if (GetStyle() & CBS_AUTOHSCROLL)
        dwEditStyle |= ES_AUTOHSCROLL;
    CEdit* pEdit = new vxComboEdit;
    if (!pEdit->Create(dwEditStyle, RecalcEditArea(), this, VXCB_EDIT_ID)) {
        delete pEdit;
        return;
    }
    m_pEdit = pEdit;
    m_pEdit->SendMessage(WM_SETFONT, (WPARAM)m_hFont, TRUE);
    WriteEditText(m_strText);
}

BOOL vxCtrlComboBox::IsDropDownStyle() const
{
    return (GetStyle() & (CBS_SIMPLE | CBS_DROPDOWN)) == CBS_DROPDOWN;
}

BOOL vxCtrlComboBox::IsDropListStyle() const
{
    return (GetStyle() & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST;
}

BOOL vxCtrlComboBox::HasEdit() const
{
    return m_pEdit != NULL && ::IsWindow(m_pEdit->GetSafeHwnd());
}

CRect vxCtrlComboBox::RecalcButtonArea()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    m_rcButton = vxComboButtonArea(rcClient, m_rcEditMargin);
    return m_rcButton;
}

CRect vxCtrlComboBox::RecalcEditArea()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    return CRect(vxComboEditArea(rcClient, m_rcEditMargin, m_nEditHeight));
}

void vxCtrlComboBox::ModifyCBStyle(DWORD dwRemove, DWORD dwAdd)
{
    m_dwCBStyle &= ~dwRemove;
    m_dwCBStyle |= dwAdd;
}

void vxCtrlComboBox::SetEditMargin(RECT* pMargins)
{
    if (pMargins == NULL)
        return;
    m_rcEditMargin = *pMargins;
    m_bEditMarginGiven = TRUE;
    if (HasEdit())
        m_pEdit->MoveWindow(RecalcEditArea(), FALSE);
}

int vxCtrlComboBox::LimitText(int nMaxChars)
{
    if (!HasEdit())
        return -1;
    m_pEdit->SendMessage(EM_LIMITTEXT, nMaxChars == 0 ? 65535 : nMaxChars);
    return 1;
}

int vxCtrlComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    if (!IsDropDownStyle() || !HasEdit())
        return -1;
    m_pEdit->SetSel(nStartChar, nEndChar, TRUE);
    return 1;
}

DWORD vxCtrlComboBox::GetEditSel()
{
    if (!IsDropDownStyle() || !HasEdit())
        return static_cast<DWORD>(-1);
    return static_cast<DWORD>(m_pEdit->SendMessage(EM_GETSEL));
}

BOOL vxCtrlComboBox::PointInWindow(CPoint ptScreen)
{
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    return rcWindow.PtInRect(ptScreen);
}

BOOL vxCtrlComboBox::Notify(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (pParent == NULL)
        return TRUE;
    vxAliveWatch watch(m_pAliveWatches, m_hWnd);
    pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID() & 0xFFFF, nCode),
                         reinterpret_cast<LPARAM>(m_hWnd));
    // The receiver may have destroyed the window or deleted the combo.
    return watch.IsAlive();
}
