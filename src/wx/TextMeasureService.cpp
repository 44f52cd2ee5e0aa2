// Text widths for the Entry table's column fitting.
//
// The widths come from a hidden tree view set up like the table's own: the
// cells' font and padding and the header buttons' font, padding and sort
// arrow. Cell widths are asked for every text the core writes, so plain
// ASCII is summed from a table of character advances; other text is laid
// out by Pango.

#include <gtk/gtk.h>

#include <array>

#include "Services.h"
#include "Text.h"

struct TextMeasureService::Probe {
    GtkWidget* window = nullptr;
    GtkWidget* tree = nullptr;
    GtkWidget* headerLabel = nullptr;
    GtkTreeViewColumn* column = nullptr;
    PangoLayout* cellLayout = nullptr;
    std::array<int, 128> advance{};  // Pango units, for the printable ASCII characters
    int cellMargin = 0;

    Probe() {
        window = gtk_offscreen_window_new();
        GtkListStore* store = gtk_list_store_new(1, G_TYPE_STRING);
        tree = gtk_tree_view_new_with_model(GTK_TREE_MODEL(store));
        g_object_unref(store);
        GtkCellRenderer* renderer = gtk_cell_renderer_text_new();
        column = gtk_tree_view_column_new();
        gtk_tree_view_column_pack_start(column, renderer, TRUE);
        // The table's headers hold a box with an (unused) image and a label.
        GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 1);
        gtk_box_pack_start(GTK_BOX(box), gtk_image_new(), FALSE, FALSE, 1);
        headerLabel = gtk_label_new("");
        gtk_box_pack_end(GTK_BOX(box), headerLabel, FALSE, FALSE, 1);
        gtk_widget_show(headerLabel);
        gtk_widget_show(box);
        gtk_tree_view_column_set_widget(column, box);
        gtk_tree_view_column_set_clickable(column, TRUE);
        gtk_tree_view_column_set_sort_indicator(column, TRUE);
        gtk_tree_view_append_column(GTK_TREE_VIEW(tree), column);
        gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(tree), TRUE);
        gtk_container_add(GTK_CONTAINER(window), tree);
        // The window is never shown: styles and sizes work without it.
        gtk_widget_show(tree);

        cellLayout = gtk_widget_create_pango_layout(tree, nullptr);
        for (int c = 32; c < 127; ++c) {
            const char ch = static_cast<char>(c);
            pango_layout_set_text(cellLayout, &ch, 1);
            int width = 0, height = 0;
            pango_layout_get_size(cellLayout, &width, &height);
            advance[static_cast<std::size_t>(c)] = width;
        }
        gint xpad = 0, ypad = 0;
        gtk_cell_renderer_get_padding(renderer, &xpad, &ypad);
        gint separator = 0;
        gtk_widget_style_get(tree, "horizontal-separator", &separator, nullptr);
        cellMargin = 2 * xpad + separator;
    }

    ~Probe() {
        g_object_unref(cellLayout);
        gtk_widget_destroy(window);
    }
};

TextMeasureService::TextMeasureService() = default;
TextMeasureService::~TextMeasureService() = default;

TextMeasureService::Probe& TextMeasureService::probe() const {
    if (!m_probe) m_probe = std::make_unique<Probe>();
    return *m_probe;
}

int TextMeasureService::CellWidth(const CString& text) const {
    Probe& p = probe();
    long units = 0;
    bool ascii = true;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte > 126) {
            ascii = false;
            break;
        }
        units += p.advance[byte];
    }
    int width = 0;
    if (ascii) {
        width = static_cast<int>((units + PANGO_SCALE - 1) / PANGO_SCALE);
    } else {
        const CString valid = ToCore(FromCore(text));
        pango_layout_set_text(p.cellLayout, valid.data(), static_cast<int>(valid.size()));
        int height = 0;
        pango_layout_get_pixel_size(p.cellLayout, &width, &height);
    }
    return width + p.cellMargin;
}

int TextMeasureService::HeaderWidth(const CString& title) const {
    Probe& p = probe();
    gtk_label_set_text(GTK_LABEL(p.headerLabel), ToCore(FromCore(title)).c_str());
    gint minimum = 0, natural = 0;
    gtk_widget_get_preferred_width(gtk_tree_view_column_get_button(p.column), &minimum, &natural);
    return natural;
}
