#include "vxComboEdit.h"

#include "vxComboAccessible.h"

BEGIN_MESSAGE_MAP(vxComboEdit, CEdit)
    ON_MESSAGE(WM_GETOBJECT, &vxComboEdit::OnGetObject)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

vxComboEdit::vxComboEdit() : m_pAccessible(NULL)
{
}

vxComboEdit::~vxComboEdit()
{
    delete m_pAccessible;
}

LRESULT vxComboEdit::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = vxAnswerGetObject(m_pAccessible, wParam, lParam, [this] {
        return new vxComboEditAccessible(m_hWnd, ::GetParent(m_hWnd));
    });
    return lResult != 0 ? lResult : Default();
}

void vxComboEdit::OnNcDestroy()
{
    vxDeleteProvider(m_pAccessible);
    CEdit::OnNcDestroy();
}
