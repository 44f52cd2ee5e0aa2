// Updating and removing the entry at the selection mark. Neither asks a
// question: the mark names the row, whatever entry stands there now.
#include "ui/MainDlg.h"

void CMainDlg::OnButtonUpdate() {
    UpdateData(TRUE);
    UpdateEntry();
    UpdateData(FALSE);
}

void CMainDlg::UpdateEntry() {
    UpdateData(TRUE);
    if (!m_strItem.empty()) WriteEntryToRow(m_list.GetSelectionMark());
    UpdateDropLists();
    AutoSizeColumns();
    ClearEditorFields();
}

void CMainDlg::OnButtonRemove() {
    UpdateData(TRUE);
    RemoveEntry();
    UpdateData(FALSE);
}

void CMainDlg::RemoveEntry() {
    m_list.DeleteItem(m_list.GetSelectionMark());
    AutoSizeColumns();
    UpdateItemCount();
}
