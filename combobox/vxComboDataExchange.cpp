// Dialog data exchange of the combo box: its shown text and its selection index.
#include "vxCtrlComboBox.h"

namespace {

// The dialog's combo object for nIDC, or none when the item is not a combo of this library.
vxCtrlComboBox* PrepareCombo(CDataExchange* pDX, int nIDC)
{
    pDX->PrepareCtrl(nIDC);
    CWnd* pWnd = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (pWnd == NULL || !pWnd->IsKindOf(RUNTIME_CLASS(vxCtrlComboBox)))
        return NULL;
    return static_cast<vxCtrlComboBox*>(pWnd);
}

} // namespace

void AFXAPI DDX_ACBString(CDataExchange* pDX, int nIDC, CString& value)
{
    vxCtrlComboBox* pCombo = PrepareCombo(pDX, nIDC);
    if (pCombo == NULL)
        return;
    if (pDX->m_bSaveAndValidate)
        pCombo->GetText(value);
    else
        pCombo->SetText(value);
}

void AFXAPI DDX_ACBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    vxCtrlComboBox* pCombo = PrepareCombo(pDX, nIDC);
    if (pCombo == NULL)
        return;
    if (pDX->m_bSaveAndValidate)
        index = pCombo->GetCurSel();
    else
        pCombo->SetCurSel(index);
}
