#include "afx/ListCtrl.h"

#include <algorithm>

#include "afx/Platform.h"

namespace {
const CString kNoText;

int MeasureCell(const CString& text) { return AfxPlatform().textMeasure().CellWidth(text); }
}  // namespace

int CHeaderCtrl::GetItemCount() const { return m_list.GetColumnCount(); }

int CListCtrl::InsertColumn(int nCol, const CString& title, int nFormat, int nWidth, int nSubItem) {
    (void)nSubItem;
    nCol = std::clamp(nCol, 0, GetColumnCount());
    Column column;
    column.title = title;
    column.format = nFormat;
    column.width = nWidth < 0 ? 0 : std::min(nWidth, kMaxColumnWidth);
    const int emptyWidth = MeasureCell(kNoText);
    column.cellWidths.Add(emptyWidth, GetItemCount());
    m_columns.insert(m_columns.begin() + nCol, std::move(column));
    for (Row& row : m_rows) row.insert(row.begin() + nCol, Cell{CString(), emptyWidth});
    if (m_observer) m_observer->OnColumnsChanged();
    return nCol;
}

CString CListCtrl::GetColumnTitle(int nCol) const {
    return (nCol >= 0 && nCol < GetColumnCount()) ? m_columns[static_cast<size_t>(nCol)].title
                                                  : CString();
}

int CListCtrl::WidestCell(int nCol) const {
    const WidthTally& widths = m_columns[static_cast<size_t>(nCol)].cellWidths;
    return widths.Empty() ? MeasureCell(kNoText) : widths.Widest();
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    if (nCol < 0 || nCol >= GetColumnCount()) return FALSE;
    Column& column = m_columns[static_cast<size_t>(nCol)];
    int width = cx;
    if (cx == LVSCW_AUTOSIZE) {
        width = WidestCell(nCol);
    } else if (cx == LVSCW_AUTOSIZE_USEHEADER) {
        width = AfxPlatform().textMeasure().HeaderWidth(column.title);
        if (nCol == GetColumnCount() - 1) {
            int others = 0;
            for (int i = 0; i < nCol; ++i) others += m_columns[static_cast<size_t>(i)].width;
            CRect client;
            GetClientRect(&client);
            width = std::max(width, client.Width() - others);
        }
    }
    width = std::clamp(width, 0, kMaxColumnWidth);
    if (width != column.width) {
        column.width = width;
        if (m_observer) m_observer->OnColumnsChanged();
    }
    return TRUE;
}

int CListCtrl::GetColumnWidth(int nCol) const {
    return (nCol >= 0 && nCol < GetColumnCount()) ? m_columns[static_cast<size_t>(nCol)].width : 0;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() { return IsWindow() ? &m_header : nullptr; }

unsigned CListCtrl::SetExtendedStyle(unsigned styles) {
    const unsigned old = m_nExtendedStyle;
    m_nExtendedStyle = styles;
    return old;
}

void CListCtrl::WriteCell(int nCol, Cell& cell, const CString& text) {
    WidthTally& widths = m_columns[static_cast<size_t>(nCol)].cellWidths;
    widths.Remove(cell.width);
    cell.text = text;
    cell.width = std::min(MeasureCell(text), kMaxColumnWidth);
    widths.Add(cell.width);
}

void CListCtrl::RowsChanged() {
    m_nSortColumn = -1;
    if (m_sortArrow != SortArrow::None) {
        m_sortArrow = SortArrow::None;
        if (m_observer) m_observer->OnColumnsChanged();
    }
    Touch();
}

int CListCtrl::InsertItem(UINT mask, int nItem, const CString& text, UINT state, UINT stateMask,
                          int image, LPARAM data) {
    (void)state, (void)stateMask, (void)image, (void)data;
    nItem = std::clamp(nItem, 0, GetItemCount());
    const int emptyWidth = MeasureCell(kNoText);
    Row row(m_columns.size(), Cell{CString(), emptyWidth});
    for (auto& column : m_columns) column.cellWidths.Add(emptyWidth);
    m_rows.insert(m_rows.begin() + nItem, std::move(row));
    if ((mask & LVIF_TEXT) != 0 && !m_columns.empty())
        WriteCell(0, m_rows[static_cast<size_t>(nItem)][0], text);
    if (m_nSelected >= nItem) ++m_nSelected;
    if (m_nSelectionMark >= nItem) ++m_nSelectionMark;
    RowsChanged();
    if (m_observer) m_observer->OnRowInserted(nItem);
    return nItem;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const CString& text) {
    if (!IsRow(nItem) || nSubItem < 0 || nSubItem >= GetColumnCount()) return FALSE;
    Cell& cell = m_rows[static_cast<size_t>(nItem)][static_cast<size_t>(nSubItem)];
    if (cell.text == text) return TRUE;
    WriteCell(nSubItem, cell, text);
    RowsChanged();
    if (m_observer) m_observer->OnRowChanged(nItem);
    return TRUE;
}

const CString& CListCtrl::ItemText(int nItem, int nSubItem) const {
    if (!IsRow(nItem) || nSubItem < 0 || nSubItem >= GetColumnCount()) return kNoText;
    return m_rows[static_cast<size_t>(nItem)][static_cast<size_t>(nSubItem)].text;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const { return ItemText(nItem, nSubItem); }

BOOL CListCtrl::DeleteItem(int nItem) {
    if (!IsRow(nItem)) return FALSE;
    Row& row = m_rows[static_cast<size_t>(nItem)];
    for (size_t c = 0; c < row.size(); ++c) m_columns[c].cellWidths.Remove(row[c].width);
    m_rows.erase(m_rows.begin() + nItem);
    auto shift = [nItem](int& index) {
        if (index == nItem)
            index = -1;
        else if (index > nItem)
            --index;
    };
    shift(m_nSelected);
    shift(m_nSelectionMark);
    RowsChanged();
    if (m_observer) m_observer->OnRowDeleted(nItem);
    return TRUE;
}

BOOL CListCtrl::MoveRows(const std::vector<int>& order) {
    const size_t n = m_rows.size();
    if (order.size() != n) return FALSE;
    std::vector<bool> seen(n, false);
    for (int from : order) {
        if (from < 0 || static_cast<size_t>(from) >= n || seen[static_cast<size_t>(from)])
            return FALSE;
        seen[static_cast<size_t>(from)] = true;
    }
    std::deque<Row> moved;
    for (int from : order) moved.push_back(std::move(m_rows[static_cast<size_t>(from)]));
    m_rows.swap(moved);
    Touch();
    if (m_observer) m_observer->OnAllRowsChanged();
    return TRUE;
}

void CListCtrl::SelectByUser(int nItem) {
    if (!IsRow(nItem)) return;
    m_nSelected = nItem;
    m_nSelectionMark = nItem;
    Touch();
}

void CListCtrl::DeselectByUser() {
    m_nSelected = -1;
    Touch();
}

void CListCtrl::SetSortArrow(int nCol, SortArrow arrow) {
    m_nSortColumn = arrow == SortArrow::None ? -1 : nCol;
    m_sortArrow = m_nSortColumn < 0 ? SortArrow::None : arrow;
    Touch();
    if (m_observer) m_observer->OnColumnsChanged();
}

void CListCtrl::SetRedraw(BOOL redraw) {
    m_bRedraw = redraw != FALSE;
    if (m_observer) m_observer->OnRedrawChanged(m_bRedraw);
}

void CListCtrl::Invalidate(BOOL erase) {
    (void)erase;
    Touch();
    if (m_observer) m_observer->OnInvalidated();
}
