// The Entry table: its columns, their fitting, and the moves of one entry
// between a row and the editor fields.
#include <algorithm>
#include <array>

#include "ui/MainDlg.h"

namespace {

struct ColumnSpec {
    const char* title;
    int format;
};

constexpr std::array<ColumnSpec, 8> kColumns{{
    {"Item", LVCFMT_LEFT},
    {"Status", LVCFMT_LEFT},
    {"Cost", LVCFMT_LEFT},
    {"Date", LVCFMT_LEFT},
    {"Supplier", LVCFMT_LEFT},
    {"Supplier Contact", LVCFMT_LEFT},
    {"Supplier Detail", LVCFMT_LEFT},
    {"Notes", LVCFMT_LEFT},
}};

}  // namespace

void CMainDlg::InitListColumns() {
    for (int i = 0; i < static_cast<int>(kColumns.size()); ++i)
        m_list.InsertColumn(i, kColumns[static_cast<size_t>(i)].title,
                            kColumns[static_cast<size_t>(i)].format, -1, -1);
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    AutoSizeColumns();
}

void CMainDlg::AutoSizeColumns() {
    CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
    if (pHeader == nullptr) return;
    m_list.SetRedraw(FALSE);
    const int nColumns = pHeader->GetItemCount();
    for (int i = 0; i < nColumns; ++i) {
        m_list.SetColumnWidth(i, LVSCW_AUTOSIZE);
        const int nCellFit = m_list.GetColumnWidth(i);
        m_list.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);
        const int nTitleFit = m_list.GetColumnWidth(i);
        m_list.SetColumnWidth(i, std::max(nCellFit, nTitleFit));
    }
    m_list.SetRedraw(TRUE);
    m_list.Invalidate(TRUE);
}

std::array<CString*, 8> CMainDlg::EditorFields() {
    return {&m_strItem,     &m_strStatus,          &m_strCost,           &m_strDate,
            &m_strSupplier, &m_strSupplierContact, &m_strSupplierDetail, &m_strNotes};
}

void CMainDlg::LoadEntryFromRow(int nRow) {
    UpdateData(TRUE);
    m_strItem = m_list.GetItemText(nRow, 0);
    m_strStatus = m_list.GetItemText(nRow, 1);
    m_strCost = m_list.GetItemText(nRow, 2);
    m_strDate = m_list.GetItemText(nRow, 3);
    m_strSupplier = m_list.GetItemText(nRow, 4);
    m_strSupplierContact = m_list.GetItemText(nRow, 5);
    m_strSupplierDetail = m_list.GetItemText(nRow, 6);
    m_strNotes = m_list.GetItemText(nRow, 7);
    UpdateData(FALSE);
}

void CMainDlg::UpdateItemCount() {
    m_nItemCount = m_list.GetItemCount();
    UpdateData(FALSE);
}

// A click below the rows before any row was selected names no row; the
// editor fields then keep what they hold.
void CMainDlg::OnClickList(NMHDR* pNMHDR, LRESULT* pResult) {
    (void)pNMHDR;
    const int nRow = m_list.GetSelectionMark();
    if (nRow >= 0 && nRow < m_list.GetItemCount()) LoadEntryFromRow(nRow);
    *pResult = 0;
}

void CMainDlg::InsertEntryAtTop() {
    m_list.InsertItem(LVIF_TEXT | LVIF_IMAGE, 0, m_strItem, 0, 0, 0, 0);
    m_list.SetItemText(0, 1, m_strStatus);
    m_list.SetItemText(0, 2, m_strCost);
    m_list.SetItemText(0, 3, m_strDate);
    m_list.SetItemText(0, 4, m_strSupplier);
    m_list.SetItemText(0, 5, m_strSupplierContact);
    m_list.SetItemText(0, 6, m_strSupplierDetail);
    m_list.SetItemText(0, 7, m_strNotes);
}

void CMainDlg::WriteEntryToRow(int nRow) {
    m_list.SetItemText(nRow, 0, m_strItem);
    m_list.SetItemText(nRow, 1, m_strStatus);
    m_list.SetItemText(nRow, 2, m_strCost);
    m_list.SetItemText(nRow, 3, m_strDate);
    m_list.SetItemText(nRow, 4, m_strSupplier);
    m_list.SetItemText(nRow, 5, m_strSupplierContact);
    m_list.SetItemText(nRow, 6, m_strSupplierDetail);
    m_list.SetItemText(nRow, 7, m_strNotes);
}
