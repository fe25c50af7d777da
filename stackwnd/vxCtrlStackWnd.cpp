// Items of the stack window: creation of buttons and sub-item lists with their skin calls,
// sub-items, opening, the command handling and the release of what was made here.
#include "vxCtrlStackWnd.h"
#include "CVexelListBox.h"
#include "vxAccessibleEvent.h"
#include "vxStackItemButton.h"
#include "vxAliveWatch.h"
#include "vxDpi.h"
#include "vxStackGeometry.h"

#include <vexelcore.h>

#include <memory>

enum
{
    BUTTON_ID_BASE = 100,            // button of an item with a sub-item list
    LIST_ID_BASE = 200,              // its list
    SKIN_KIND_BUTTON = 103,
    SKIN_KIND_LIST = 108,
};

// Hidden until the layout shows it; a tab stop of the dialog the stack window stands in.
static const DWORD BUTTON_STYLE = WS_CHILD | WS_TABSTOP;
// No LBS_HASSTRINGS: an entry keeps the text pointer as its data; the skin engine paints it.
// A shown list is a tab stop after its button: the keyboard reaches its entries.
static const DWORD LIST_STYLE = WS_CHILD | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_NOTIFY;
// The stack window's own sizes for 96 DPI, unless the host sets others.
static const CSize VX_STACK_ITEM_SIZE(150, 20);
static const int VX_STACK_SUBITEM_HEIGHT = 23;

IMPLEMENT_DYNAMIC(vxCtrlStackWnd, CWnd)

BEGIN_MESSAGE_MAP(vxCtrlStackWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, &vxCtrlStackWnd::OnDpiChangedAfterParent)
    ON_MESSAGE(WM_VX_FOCUSNEIGHBOUR, &vxCtrlStackWnd::OnFocusNeighbour)
END_MESSAGE_MAP()

vxCtrlStackWnd::vxCtrlStackWnd()
    : m_szItem(VX_STACK_ITEM_SIZE), m_nSpace(0), m_rcPadding(0, 0, 0, 0), m_bAutoWidth(0), m_hNotifyWnd(NULL),
      m_nSubItemHeight(VX_STACK_SUBITEM_HEIGHT), m_pAliveWatches(NULL), m_bItemSizeGiven(FALSE),
      m_bSubItemHeightGiven(FALSE), m_nDpi(0)
{
}

void vxCtrlStackWnd::PreSubclassWindow()
{
    ScaleToDpi();
    // The item buttons are tab stops of the dialog the stack window stands in.
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    CWnd::PreSubclassWindow();
}

BOOL vxCtrlStackWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.dwExStyle |= WS_EX_CONTROLPARENT;
    return CWnd::PreCreateWindow(cs);
}

int vxCtrlStackWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    ScaleToDpi();
    return 0;
}

void vxCtrlStackWnd::ScaleToDpi()
{
    const int nDpi = vxDpiOf(m_hWnd);
    m_nDpi = nDpi;
    // An automatic width is the client's, at any DPI.
    if (!m_bItemSizeGiven)
        m_szItem.SetSize(m_bAutoWidth ? vxStackFillWidth(ClientWidth(), m_rcPadding.left, m_rcPadding.right)
                                      : vxScaleToDpi(VX_STACK_ITEM_SIZE.cx, nDpi),
                         vxScaleToDpi(VX_STACK_ITEM_SIZE.cy, nDpi));
    if (!m_bSubItemHeightGiven)
        m_nSubItemHeight = vxScaleToDpi(VX_STACK_SUBITEM_HEIGHT, nDpi);
}

LRESULT vxCtrlStackWnd::OnDpiChangedAfterParent(WPARAM, LPARAM)
{
    ScaleToDpi();
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i)
        if (m_arrItems[i]->pContent != NULL)
            m_arrItems[i]->pContent->SendMessage(LB_SETITEMHEIGHT, 0, MAKELPARAM(m_nSubItemHeight, 0));
    if (m_arrItems.GetSize() > 0)
        ReLayout();
    return 0;
}

void vxCtrlStackWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    // Hosts that Windows does not tell of a new DPI (per-monitor v1, Windows 8.1) still move
    // their children when it changes.
    if (vxDpiOf(m_hWnd) != m_nDpi)
        OnDpiChangedAfterParent(0, 0);
}

vxCtrlStackWnd::~vxCtrlStackWnd()
{
    vxAliveWatch::EndAll(m_pAliveWatches);
    // Destroyed here, while this class still handles the window's messages.
    if (GetSafeHwnd())
        DestroyWindow();
    ReleaseItems();
}

void vxCtrlStackWnd::OnDestroy()
{
    CWnd::OnDestroy();
    ReleaseItems();
}

void vxCtrlStackWnd::ReleaseItems()
{
    // Each item is unlinked before its windows go: their last messages (a focus lost) reach
    // handlers that walk the items.
    while (m_arrItems.GetSize() > 0) {
        const INT_PTR nLast = m_arrItems.GetSize() - 1;
        stItemInfo* pItem = m_arrItems[nLast];
        m_arrItems.RemoveAt(nLast);
        DestroyItemWindows(pItem->pButton, pItem->pContent);
        delete pItem;
    }
}

void vxCtrlStackWnd::DestroyItemWindows(CButton* pButton, CWnd* pContent)
{
    pButton->DestroyWindow();
    delete pButton;
    if (pContent != NULL) {
        pContent->DestroyWindow();
        delete pContent;
    }
}

void vxCtrlStackWnd::AppendItem(CButton* pButton, CWnd* pList, HWND hContent)
{
    // Out of memory, the item's windows go with it: no half item stays behind.
    stItemInfo* pItem = NULL;
    try {
        pItem = NewItem(pButton, pList, hContent);
        m_arrItems.Add(pItem);
    } catch (...) {
        delete pItem;
        DestroyItemWindows(pButton, pList);
        throw;
    }
}

BOOL vxCtrlStackWnd::IsValid(int nItem)
{
    return nItem >= 0 && nItem < m_arrItems.GetSize();
}

CButton* vxCtrlStackWnd::CreateButton(LPCTSTR pszCaption, UINT nID)
{
    CButton* pButton = new vxStackItemButton;
    if (!GetSafeHwnd() ||
        !pButton->Create(pszCaption ? pszCaption : _T(""), BUTTON_STYLE, CRect(0, 0, m_szItem.cx, m_szItem.cy),
                         this, nID)) {
        delete pButton;
        return NULL;
    }
    return pButton;
}

vxCtrlStackWnd::stItemInfo* vxCtrlStackWnd::NewItem(CButton* pButton, CWnd* pList, HWND hContent)
{
    stItemInfo* pItem = new stItemInfo;
    pItem->pButton = pButton;
    pItem->pContent = pList;
    pItem->hContent = hContent;
    pItem->bExpanded = FALSE;
    pItem->bCustom = pList == NULL;
    return pItem;
}

int vxCtrlStackWnd::AddItem(LPCTSTR pszCaption, LPCTSTR pszButtonSkin, LPCTSTR pszListSkin)
{
    const int nIndex = (int)m_arrItems.GetSize();
    // The list's object is made first: out of memory, no window has been made yet.
    std::unique_ptr<CVexelListBox> pList(new CVexelListBox);
    CButton* pButton = CreateButton(pszCaption, nIndex + BUTTON_ID_BASE);
    if (!pButton)
        return -1;
    if (pszButtonSkin)
        vxSkinWindow(pButton->GetSafeHwnd(), SKIN_KIND_BUTTON, pszButtonSkin, 0);

    // A list that cannot be made takes its button with it: no half item stays behind.
    if (!pList->Create(LIST_STYLE, CRect(0, 0, m_szItem.cx, 0), this, nIndex + LIST_ID_BASE)) {
        DestroyItemWindows(pButton, NULL);
        return -1;
    }
    pList->SendMessage(LB_SETITEMHEIGHT, 0, MAKELPARAM(m_nSubItemHeight, 0));
    pList->SetWindowText(pszCaption != NULL ? pszCaption : _T(""));   // its name for screen readers
    if (pszListSkin)
        vxSkinWindow(pList->GetSafeHwnd(), SKIN_KIND_LIST, pszListSkin, 0);

    const HWND hList = pList->GetSafeHwnd();
    AppendItem(pButton, pList.release(), hList);
    ReLayout();
    return nIndex;
}

int vxCtrlStackWnd::AddCustomItem(LPCTSTR pszCaption, CWnd* pContent)
{
    // The layout places, shows and hides the content: without one there is no item.
    HWND hContent = pContent->GetSafeHwnd();
    if (hContent == NULL)
        return -1;
    const int nIndex = (int)m_arrItems.GetSize();
    CButton* pButton = CreateButton(pszCaption, nIndex);
    if (!pButton)
        return -1;
    AppendItem(pButton, NULL, hContent);
    ReLayout();
    return nIndex;
}

BOOL vxCtrlStackWnd::AddSubItem(int nItem, LPCTSTR pszText, LPCTSTR pszImage)
{
    if (!IsValid(nItem))
        return 0;
    stItemInfo* pItem = m_arrItems[nItem];
    if (pItem->bCustom) {
        if (pItem->bExpanded)
            ReLayout();
        return 0;
    }
    HWND hList = pItem->hContent;
    const int k = static_cast<CVexelListBox*>(pItem->pContent)->AddEntry(pszText);
    if (k < 0)
        return 0;                    // LB_ERR or LB_ERRSPACE: no entry to describe
    vxSetDrawItemValueEx(hList, k, 0, _T("default_text"), pszText, 0);
    vxSetDrawItemValueEx(hList, k, 0, _T("default_image"), pszImage, 0);
    return 1;
}

void vxCtrlStackWnd::ExpandItem(int nItem)
{
    if (!IsValid(nItem))
        return;
    SetExpanded(m_arrItems[nItem], TRUE);
    ReLayout();
}

void vxCtrlStackWnd::SetExpanded(stItemInfo* pItem, BOOL bExpanded)
{
    if (!pItem->bExpanded == !bExpanded)
        return;
    pItem->bExpanded = bExpanded;
    if (pItem->pButton->GetSafeHwnd() != NULL)
        vxNotifyAccessibleEvent(EVENT_OBJECT_STATECHANGE, pItem->pButton->GetSafeHwnd(), OBJID_CLIENT, CHILDID_SELF);
}

LRESULT vxCtrlStackWnd::OnFocusNeighbour(WPARAM wParam, LPARAM lParam)
{
    // Up and Down: the previous or next button in the stack takes the focus.
    if (wParam != VK_UP && wParam != VK_DOWN)
        return 0;
    const INT_PTR nCount = m_arrItems.GetSize();
    for (INT_PTR i = 0; i < nCount; ++i) {
        if (m_arrItems[i]->pButton->GetSafeHwnd() != reinterpret_cast<HWND>(lParam))
            continue;
        const INT_PTR nTo = wParam == VK_UP ? i - 1 : i + 1;
        if (nTo < 0 || nTo >= nCount)
            return 0;
        m_arrItems[nTo]->pButton->SetFocus();
        return 1;
    }
    return 0;
}

void vxCtrlStackWnd::OpenAlone(int nItem)
{
    BOOL bChanged = FALSE;
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i) {
        const BOOL bOpen = i == nItem;
        if (!m_arrItems[i]->bExpanded != !bOpen)
            bChanged = TRUE;
        SetExpanded(m_arrItems[i], bOpen);
    }
    if (bChanged)
        ReLayout();
}

BOOL vxCtrlStackWnd::SelectSubItem(int nItem, int nEntry)
{
    if (!IsValid(nItem))
        return 0;
    stItemInfo* pItem = m_arrItems[nItem];
    if (!pItem->bExpanded)
        OpenAlone(nItem);
    if (pItem->bCustom || nEntry < 0)
        return 0;
    HWND hList = pItem->hContent;
    if (nEntry >= (int)::SendMessage(hList, LB_GETCOUNT, 0, 0))
        return 0;
    ::SendMessage(hList, LB_SETCURSEL, (WPARAM)nEntry, 0);
    return 1;
}

CWnd* vxCtrlStackWnd::GetItemContent(int nItem)
{
    if (!IsValid(nItem))
        return NULL;
    const stItemInfo* pItem = m_arrItems[nItem];
    if (pItem->pContent != NULL)
        return pItem->pContent;
    return ::IsWindow(pItem->hContent) ? CWnd::FromHandle(pItem->hContent) : NULL;
}

CButton* vxCtrlStackWnd::GetItemButton(int nItem)
{
    return IsValid(nItem) ? m_arrItems[nItem]->pButton : NULL;
}

BOOL vxCtrlStackWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND hSender = (HWND)lParam;
    if (hSender) {
        vxAliveWatch watch(m_pAliveWatches, m_hWnd);
        switch (HIWORD(wParam)) {
        case BN_CLICKED: OnItemButtonClicked(hSender); break;
        case LBN_SELCHANGE: OnSubItemSelChange(hSender); break;
        }
        // The receiver of a selection (or a content window moved by the relayout) may have
        // deleted the stack window or destroyed it: the command ends here.
        if (!watch.IsAlive())
            return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void vxCtrlStackWnd::OnItemButtonClicked(HWND hButton)
{
    // Clicks of anything but an item button (a custom content that is a button, say) leave
    // every item as it is.
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i) {
        if (m_arrItems[i]->pButton->GetSafeHwnd() == hButton) {
            OpenAlone((int)i);
            return;
        }
    }
}

void vxCtrlStackWnd::OnSubItemSelChange(HWND hList)
{
    for (INT_PTR i = 0; i < m_arrItems.GetSize(); ++i) {
        const stItemInfo* pItem = m_arrItems[i];
        if (pItem->bCustom || !pItem->bExpanded || pItem->hContent != hList)
            continue;
        const LRESULT nSel = ::SendMessage(hList, LB_GETCURSEL, 0, 0);
        // A notify window the host has destroyed hears nothing; its place is not the parent's.
        HWND hTarget = m_hNotifyWnd != NULL ? m_hNotifyWnd : ::GetParent(m_hWnd);
        if (::IsWindow(hTarget))
            ::SendMessage(hTarget, WM_STACKWND_SUBITEMSEL, (WPARAM)i, (LPARAM)nSel);
        return;
    }
}
