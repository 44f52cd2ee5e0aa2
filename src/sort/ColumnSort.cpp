// Ordering the Entry table by a clicked column, or reversing it when it is
// already in that order.
#include <algorithm>
#include <numeric>
#include <vector>

#include "sort/KeyOrder.h"
#include "ui/MainDlg.h"

void CMainDlg::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* pNMListView = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    SortByColumn(pNMListView->iSubItem);
    *pResult = 0;
}

// A click sorts ascending; a table that already is ascending by the column
// (every key at most the next one) is reversed instead. The sort is stable,
// so rows with equal keys keep their relative order. Rows move as a whole
// between positions; the selection and its mark stay on their positions.
void CMainDlg::SortByColumn(int nCol) {
    UpdateData(TRUE);
    const int n = m_list.GetItemCount();
    m_nItemCount = n;

    std::vector<const CString*> keys(static_cast<size_t>(n));
    for (int row = 0; row < n; ++row) keys[static_cast<size_t>(row)] = &m_list.ItemText(row, nCol);
    const bool ascending =
        std::is_sorted(keys.begin(), keys.end(),
                       [](const CString* a, const CString* b) { return KeyLess(*a, *b); });

    const bool knownColumn = nCol >= 0 && nCol < m_list.GetColumnCount();
    if (ascending) {
        ReverseRows();
        if (knownColumn) m_list.SetSortArrow(nCol, SortArrow::Descending);
    } else {
        std::vector<int> order(static_cast<size_t>(n));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
            return KeyLess(*keys[static_cast<size_t>(a)], *keys[static_cast<size_t>(b)]);
        });
        m_list.MoveRows(order);
        if (knownColumn) m_list.SetSortArrow(nCol, SortArrow::Ascending);
    }
    UpdateData(FALSE);
}

void CMainDlg::ReverseRows() {
    UpdateData(TRUE);
    const int n = m_list.GetItemCount();
    m_nItemCount = n;
    std::vector<int> order(static_cast<size_t>(n));
    for (int row = 0; row < n; ++row) order[static_cast<size_t>(row)] = n - 1 - row;
    m_list.MoveRows(order);
    UpdateData(FALSE);
}
