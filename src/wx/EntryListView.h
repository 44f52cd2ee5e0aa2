// The Entry table: a GTK tree view over the core's list, read on demand.
//
// It shows the core's rows, columns, widths and sort arrow, and reports
// what the user does: a selection change, a left click in the body of the
// list and a click on a column's header.
#pragma once

#include <wx/dataview.h>

#include <functional>

#include "afx/ListCtrl.h"

class EntryListModel;

class EntryListView : public wxDataViewCtrl, private IListObserver {
public:
    explicit EntryListView(wxWindow* parent);
    ~EntryListView() override;

    // Starts and stops showing a core list.
    void Attach(CListCtrl& list);
    void Detach();

    // Makes the highlighted row the core's selected row.
    void ShowCoreSelection();

    // The user's actions. A selection change is reported before the click
    // that caused it.
    std::function<void(int row)> onUserSelect;  // -1: no row highlighted
    std::function<void()> onBodyClick;
    std::function<void(int column)> onHeaderClick;
    std::function<void(int cx, int cy)> onResized;

    // Tells the core of a highlight change the user made, if any.
    void ForwardUserSelection();

private:
    void OnRowInserted(int row) override;
    void OnRowDeleted(int row) override;
    void OnRowChanged(int row) override;
    void OnAllRowsChanged() override;
    void OnInvalidated() override;
    void OnColumnsChanged() override;
    void OnRedrawChanged(bool redraw) override;

    bool ShowRowChangeNow();
    void ResetRows();
    void ApplyColumns();
    int HighlightedRow() const;
    void ConnectColumn(int index);

    static void OnGtkHeaderClicked(void* column, void* self);
    static int OnGtkButtonRelease(void* widget, void* event, void* self);
    static void OnGtkSizeAllocate(void* widget, void* allocation, void* self);

    CListCtrl* m_list = nullptr;
    EntryListModel* m_model = nullptr;
    bool m_rowsStale = false;
    bool m_columnsStale = false;
    int m_settingSelection = 0;
    int m_lastWidth = -1;
    int m_lastHeight = -1;
};
