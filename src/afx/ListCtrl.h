// Report-view list: rows of texts at positions, column titles and widths,
// one selected row and the selection mark.
#pragma once

#include <deque>
#include <vector>

#include "afx/WidthTally.h"
#include "afx/Wnd.h"

inline constexpr int LVCFMT_LEFT = 0;
inline constexpr int LVSCW_AUTOSIZE = -1;
inline constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;
inline constexpr unsigned LVS_EX_FULLROWSELECT = 0x20;
inline constexpr UINT LVIF_TEXT = 0x1;
inline constexpr UINT LVIF_IMAGE = 0x2;

// Column widths are kept within what a header can show.
inline constexpr int kMaxColumnWidth = 32767;

// A viewer of the list (the desktop front end) hears of every change.
class IListObserver {
public:
    virtual ~IListObserver() = default;
    virtual void OnRowInserted(int row) = 0;
    virtual void OnRowDeleted(int row) = 0;
    virtual void OnRowChanged(int row) = 0;
    virtual void OnAllRowsChanged() = 0;  // rows moved between positions
    virtual void OnInvalidated() = 0;     // repaint what is shown; no row changed
    virtual void OnColumnsChanged() = 0;  // titles, widths or sort arrow
    virtual void OnRedrawChanged(bool redraw) = 0;
};

class CListCtrl;

// The list's header: one item per column.
class CHeaderCtrl {
public:
    explicit CHeaderCtrl(const CListCtrl& list) : m_list(list) {}
    int GetItemCount() const;

private:
    const CListCtrl& m_list;
};

enum class SortArrow { None, Ascending, Descending };

class CListCtrl : public CWnd {
public:
    CListCtrl() : m_header(*this) {}

    // Columns.
    int InsertColumn(int nCol, const CString& title, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    CString GetColumnTitle(int nCol) const;
    // cx is a width in pixels, LVSCW_AUTOSIZE (fit the widest cell) or
    // LVSCW_AUTOSIZE_USEHEADER (fit the title; the last column also fills
    // the rest of the list's width).
    BOOL SetColumnWidth(int nCol, int cx);
    int GetColumnWidth(int nCol) const;
    CHeaderCtrl* GetHeaderCtrl();  // none before the list is created

    unsigned SetExtendedStyle(unsigned styles);  // the whole extended style
    unsigned GetExtendedStyle() const { return m_nExtendedStyle; }

    // Rows. Row indexes that name no row change nothing.
    int InsertItem(UINT mask, int nItem, const CString& text, UINT state = 0, UINT stateMask = 0,
                   int image = 0, LPARAM data = 0);
    BOOL SetItemText(int nItem, int nSubItem, const CString& text);
    CString GetItemText(int nItem, int nSubItem) const;
    // The cell's text without a copy; an empty text for a cell that does
    // not exist.
    const CString& ItemText(int nItem, int nSubItem) const;
    BOOL DeleteItem(int nItem);
    int GetItemCount() const { return static_cast<int>(m_rows.size()); }

    // Moves whole rows between positions: row i takes what row order[i]
    // held. Selection and selection mark stay on their positions. order
    // must be a permutation of the row indexes; otherwise nothing happens.
    BOOL MoveRows(const std::vector<int>& order);

    // Selection. The user selects at most one row; the mark is the row the
    // user last selected and stays when the highlight goes.
    int GetSelectionMark() const { return m_nSelectionMark; }
    int GetSelectedRow() const { return m_nSelected; }
    void SelectByUser(int nItem);  // a click or a keyboard move onto a row
    void DeselectByUser();         // the highlight goes, the mark stays

    // The header's sort arrow; any change to the rows removes it.
    void SetSortArrow(int nCol, SortArrow arrow);
    int GetSortArrowColumn() const { return m_nSortColumn; }
    SortArrow GetSortArrow() const { return m_sortArrow; }

    // Painting.
    void SetRedraw(BOOL redraw);
    bool IsRedrawOn() const { return m_bRedraw; }
    void Invalidate(BOOL erase = TRUE);

    void SetObserver(IListObserver* observer) { m_observer = observer; }

private:
    struct Cell {
        CString text;
        int width = 0;  // measured when the text is written
    };
    struct Column {
        CString title;
        int format = LVCFMT_LEFT;
        int width = 0;
        WidthTally cellWidths;
    };
    using Row = std::vector<Cell>;

    bool IsRow(int nItem) const { return nItem >= 0 && nItem < GetItemCount(); }
    void WriteCell(int nCol, Cell& cell, const CString& text);
    int WidestCell(int nCol) const;
    void RowsChanged();

    std::vector<Column> m_columns;
    std::deque<Row> m_rows;
    CHeaderCtrl m_header;
    unsigned m_nExtendedStyle = 0;
    int m_nSelected = -1;
    int m_nSelectionMark = -1;
    int m_nSortColumn = -1;
    SortArrow m_sortArrow = SortArrow::None;
    bool m_bRedraw = true;
    IListObserver* m_observer = nullptr;
};
