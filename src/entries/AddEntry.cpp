// Adding an entry, with its blank and duplicate tests; the drop lists and
// the emptying of the editor fields.
#include "afx/WinApp.h"
#include "ui/MainDlg.h"

void CMainDlg::OnButtonAdd() {
    UpdateData(TRUE);
    AddEntry();
    UpdateData(FALSE);
}

void CMainDlg::AddEntry() {
    UpdateData(TRUE);
    if (m_strItem.empty()) {
        MessageBox("Name Blank.\r\nNo entry added.", "Error", MB_OK);
        return;
    }
    if (IsDuplicateEntry() == 1 &&
        AfxMessageBox("This entry is already in the list.\r\nDo you really want to add this item?",
                      MB_YESNO) != IDYES)
        return;
    UpdateDropLists();
    InsertEntryAtTop();
    AutoSizeColumns();
    ClearEditorFields();
    UpdateItemCount();
}

int CMainDlg::IsDuplicateEntry() {
    UpdateData(TRUE);
    m_nItemCount = m_list.GetItemCount();
    if (m_nItemCount <= 0) return 0;
    for (int i = 0; i < m_nItemCount; ++i) {
        if (m_list.ItemText(i, 0) == m_strItem && m_list.ItemText(i, 4) == m_strSupplier) return 1;
    }
    return 0;
}

void CMainDlg::UpdateDropLists() {
    UpdateData(TRUE);
    AddToDropLists();
    UpdateData(FALSE);
}

void CMainDlg::AddToDropLists() {
    if (m_cbStatus.FindStringExact(0, m_strStatus) < 0) m_cbStatus.AddString(m_strStatus);
    if (m_cbItem.FindStringExact(0, m_strItem) < 0) m_cbItem.AddString(m_strItem);
}

void CMainDlg::ClearEditorFields() {
    UpdateData(TRUE);
    m_strItem.clear();
    m_strStatus.clear();
    m_strCost.clear();
    m_strDate.clear();
    m_strNotes.clear();
    m_strSupplier.clear();
    m_strSupplierContact.clear();
    m_strSupplierDetail.clear();
    UpdateData(FALSE);
}
