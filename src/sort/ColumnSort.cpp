// Ordering the Entry table by a clicked column, or reversing it when it is
// already in that order.
#include <algorithm>
#include <cstdint>
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

    struct SortKey {
        std::uint64_t prefix;
        const CString* text;
        int row;
    };
    std::vector<SortKey> keys(static_cast<size_t>(n));
    for (int row = 0; row < n; ++row) {
        const CString& text = m_list.ItemText(row, nCol);
        keys[static_cast<size_t>(row)] = SortKey{KeyPrefix(text), &text, row};
    }
    auto less = [](const SortKey& a, const SortKey& b) {
        return a.prefix != b.prefix ? a.prefix < b.prefix : KeyLess(*a.text, *b.text);
    };

    const bool knownColumn = nCol >= 0 && nCol < m_list.GetColumnCount();
    if (std::is_sorted(keys.begin(), keys.end(), less)) {
        ReverseRows();
        if (knownColumn) m_list.SetSortArrow(nCol, SortArrow::Descending);
    } else {
        std::stable_sort(keys.begin(), keys.end(), less);
        std::vector<int> order(static_cast<size_t>(n));
        for (size_t i = 0; i < keys.size(); ++i) order[i] = keys[i].row;
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
