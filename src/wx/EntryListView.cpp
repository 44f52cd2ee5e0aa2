#include "EntryListView.h"

#include <gtk/gtk.h>

#include <algorithm>

#include "Text.h"

class EntryListModel : public wxDataViewVirtualListModel {
public:
    explicit EntryListModel(CListCtrl*& list) : wxDataViewVirtualListModel(0), m_list(list) {}

    unsigned int GetColumnCount() const override {
        return m_list != nullptr ? static_cast<unsigned>(m_list->GetColumnCount()) : 0;
    }
    wxString GetColumnType(unsigned int) const override { return "string"; }
    void GetValueByRow(wxVariant& variant, unsigned int row, unsigned int col) const override {
        variant = m_list != nullptr
                      ? FromCore(m_list->ItemText(static_cast<int>(row), static_cast<int>(col)))
                      : wxString();
    }
    bool SetValueByRow(const wxVariant&, unsigned int, unsigned int) override { return false; }

private:
    CListCtrl*& m_list;
};

namespace {

GtkTreeView* TreeViewOf(EntryListView* view) { return GTK_TREE_VIEW(view->GtkGetTreeView()); }

}  // namespace

EntryListView::EntryListView(wxWindow* parent)
    : wxDataViewCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxDV_SINGLE) {
    m_model = new EntryListModel(m_list);
    AssociateModel(m_model);
    m_model->DecRef();

    Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, [this](wxDataViewEvent&) { ForwardUserSelection(); });

    GtkWidget* tree = GtkGetTreeView();
    atk_object_set_name(gtk_widget_get_accessible(tree), "Entries");
    g_signal_connect(tree, "button-release-event", G_CALLBACK(&EntryListView::OnGtkButtonRelease),
                     this);
    g_signal_connect(tree, "size-allocate", G_CALLBACK(&EntryListView::OnGtkSizeAllocate), this);
}

EntryListView::~EntryListView() {
    Detach();
    g_signal_handlers_disconnect_by_data(GtkGetTreeView(), this);
}

void EntryListView::Attach(CListCtrl& list) {
    Detach();
    m_list = &list;
    m_list->SetObserver(this);
    m_columnsStale = true;
    ApplyColumns();
    ResetRows();
    ShowCoreSelection();
}

void EntryListView::Detach() {
    if (m_list == nullptr) return;
    m_list->SetObserver(nullptr);
    m_list = nullptr;
}

void EntryListView::ResetRows() {
    ++m_settingSelection;
    m_model->Reset(m_list != nullptr ? static_cast<unsigned>(m_list->GetItemCount()) : 0);
    --m_settingSelection;
    m_rowsStale = false;
}

// While the list is not redrawn, or once its rows are stale anyway, a
// change only marks the rows for one full reread when redrawing resumes.
bool EntryListView::ShowRowChangeNow() {
    if (m_list->IsRedrawOn() && !m_rowsStale) return true;
    m_rowsStale = true;
    return false;
}

void EntryListView::OnRowInserted(int row) {
    if (!ShowRowChangeNow()) return;
    ++m_settingSelection;
    m_model->RowInserted(static_cast<unsigned>(row));
    --m_settingSelection;
}

void EntryListView::OnRowDeleted(int row) {
    if (!ShowRowChangeNow()) return;
    ++m_settingSelection;
    m_model->RowDeleted(static_cast<unsigned>(row));
    --m_settingSelection;
}

void EntryListView::OnRowChanged(int row) {
    if (!ShowRowChangeNow()) return;
    m_model->RowChanged(static_cast<unsigned>(row));
}

void EntryListView::OnAllRowsChanged() {
    if (!m_list->IsRedrawOn()) {
        m_rowsStale = true;
        return;
    }
    // Rows moved between positions: the view reads them all again.
    ResetRows();
    ShowCoreSelection();
}

// Nothing moved: repainting what is on screen is enough, whatever the
// number of rows.
void EntryListView::OnInvalidated() {
    if (m_list->IsRedrawOn() && !m_rowsStale) Refresh();
}

void EntryListView::OnColumnsChanged() {
    m_columnsStale = true;
    if (m_list->IsRedrawOn()) ApplyColumns();
}

void EntryListView::OnRedrawChanged(bool redraw) {
    if (!redraw) return;
    if (m_columnsStale) ApplyColumns();
    if (m_rowsStale) {
        ResetRows();
        ShowCoreSelection();
    }
}

void EntryListView::ApplyColumns() {
    if (m_list == nullptr) return;
    m_columnsStale = false;
    const int count = m_list->GetColumnCount();
    if (static_cast<int>(GetColumnCount()) != count) {
        ClearColumns();
        for (int i = 0; i < count; ++i) {
            auto* renderer = new wxDataViewTextRenderer("string", wxDATAVIEW_CELL_INERT);
            AppendColumn(new wxDataViewColumn(FromCore(m_list->GetColumnTitle(i)), renderer,
                                              static_cast<unsigned>(i), 80, wxALIGN_LEFT,
                                              wxDATAVIEW_COL_RESIZABLE));
            ConnectColumn(i);
        }
    }
    GtkTreeView* tree = TreeViewOf(this);
    for (int i = 0; i < count; ++i) {
        wxDataViewColumn* column = GetColumn(static_cast<unsigned>(i));
        const wxString title = FromCore(m_list->GetColumnTitle(i));
        if (column->GetTitle() != title) column->SetTitle(title);
        const int width = std::max(1, m_list->GetColumnWidth(i));
        if (column->GetWidth() != width) column->SetWidth(width);
        GtkTreeViewColumn* gtkColumn = gtk_tree_view_get_column(tree, i);
        const bool sorted =
            m_list->GetSortArrowColumn() == i && m_list->GetSortArrow() != SortArrow::None;
        gtk_tree_view_column_set_sort_indicator(gtkColumn, sorted);
        // GTK points the arrow down for an ascending order and up for a
        // descending one.
        if (sorted)
            gtk_tree_view_column_set_sort_order(
                gtkColumn, m_list->GetSortArrow() == SortArrow::Ascending ? GTK_SORT_ASCENDING
                                                                          : GTK_SORT_DESCENDING);
    }
}

void EntryListView::ConnectColumn(int index) {
    GtkTreeViewColumn* column = gtk_tree_view_get_column(TreeViewOf(this), index);
    gtk_tree_view_column_set_clickable(column, TRUE);
    gtk_tree_view_column_set_reorderable(column, FALSE);
    g_object_set_data(G_OBJECT(column), "halvenor-column", GINT_TO_POINTER(index + 1));
    g_signal_connect(column, "clicked", G_CALLBACK(&EntryListView::OnGtkHeaderClicked), this);
}

int EntryListView::HighlightedRow() const {
    const wxDataViewItem item = GetSelection();
    if (!item.IsOk()) return -1;
    const unsigned row = m_model->GetRow(item);
    return row < m_model->GetCount() ? static_cast<int>(row) : -1;
}

void EntryListView::ShowCoreSelection() {
    if (m_list == nullptr || m_rowsStale) return;
    const int wanted = m_list->GetSelectedRow();
    if (HighlightedRow() == wanted) return;
    ++m_settingSelection;
    if (wanted >= 0 && static_cast<unsigned>(wanted) < m_model->GetCount()) {
        const wxDataViewItem item = m_model->GetItem(static_cast<unsigned>(wanted));
        Select(item);
        EnsureVisible(item);
    } else {
        UnselectAll();
    }
    --m_settingSelection;
}

void EntryListView::ForwardUserSelection() {
    if (m_settingSelection > 0 || m_list == nullptr || m_rowsStale) return;
    const int row = HighlightedRow();
    if (row == m_list->GetSelectedRow()) return;
    if (onUserSelect) onUserSelect(row);
}

void EntryListView::OnGtkHeaderClicked(void* column, void* self) {
    auto* view = static_cast<EntryListView*>(self);
    const int index = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(column), "halvenor-column")) - 1;
    if (index >= 0 && view->onHeaderClick) view->onHeaderClick(index);
}

int EntryListView::OnGtkButtonRelease(void* widget, void* event, void* self) {
    auto* view = static_cast<EntryListView*>(self);
    auto* button = static_cast<GdkEventButton*>(event);
    // Only a left click in the rows' area, not on the headers.
    if (button->button != 1 ||
        button->window != gtk_tree_view_get_bin_window(GTK_TREE_VIEW(widget)))
        return FALSE;
    view->ForwardUserSelection();
    if (view->onBodyClick) view->onBodyClick();
    return FALSE;
}

void EntryListView::OnGtkSizeAllocate(void* widget, void* allocation, void* self) {
    (void)widget;
    auto* view = static_cast<EntryListView*>(self);
    auto* rect = static_cast<GtkAllocation*>(allocation);
    if (rect->width == view->m_lastWidth && rect->height == view->m_lastHeight) return;
    view->m_lastWidth = rect->width;
    view->m_lastHeight = rect->height;
    if (view->onResized) view->onResized(rect->width, rect->height);
}
