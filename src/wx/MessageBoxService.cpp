#include <gtk/gtk.h>
#include <wx/window.h>

#include "DialogHost.h"
#include "Services.h"
#include "Text.h"

namespace {

// Line breaks in the core's texts are CR LF; GTK wants LF.
CString WithPlainLineBreaks(const CString& text) {
    CString out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Valid UTF-8 for GTK, whatever bytes the core holds.
CString ForGtk(const CString& text) { return ToCore(FromCore(text)); }

}  // namespace

// A GTK message dialog with exactly the caption, buttons and icon asked
// for: the exclamation icon as the theme's warning image, otherwise none.
int MessageBoxService::Show(const CString& text, const CString& caption, UINT type) {
    const bool yesNo = (type & MB_TYPEMASK) == MB_YESNO;
    if (m_shuttingDown) return yesNo ? IDNO : IDOK;
    const bool exclamation = (type & MB_ICONMASK) == MB_ICONEXCLAMATION;

    wxWindow* front = DialogHost::FrontWindow();
    GtkWindow* parent = front != nullptr ? GTK_WINDOW(front->GetHandle()) : nullptr;
    GtkWidget* box = gtk_message_dialog_new(parent, GTK_DIALOG_MODAL,
                                            exclamation ? GTK_MESSAGE_WARNING : GTK_MESSAGE_OTHER,
                                            yesNo ? GTK_BUTTONS_YES_NO : GTK_BUTTONS_OK, "%s",
                                            ForGtk(WithPlainLineBreaks(text)).c_str());
    gtk_window_set_title(GTK_WINDOW(box), ForGtk(caption).c_str());
    // GTK names a warning box "Warning" for screen readers; it is named by
    // its caption like any other box.
    atk_object_set_name(gtk_widget_get_accessible(box), ForGtk(caption).c_str());
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    if (exclamation) {
        GtkWidget* image = gtk_image_new_from_icon_name("dialog-warning", GTK_ICON_SIZE_DIALOG);
        gtk_widget_show(image);
        gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(box), image);
    }
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_dialog_set_default_response(GTK_DIALOG(box), yesNo ? GTK_RESPONSE_YES : GTK_RESPONSE_OK);

    GtkWidget* previous = m_current;
    m_current = box;
    const gint response = gtk_dialog_run(GTK_DIALOG(box));
    m_current = previous;
    gtk_widget_destroy(box);
    if (!yesNo) return IDOK;
    // Escape or the close request on a Yes/No box is No.
    return response == GTK_RESPONSE_YES ? IDYES : IDNO;
}

void MessageBoxService::CloseForShutdown() {
    m_shuttingDown = true;
    if (m_current != nullptr) gtk_dialog_response(GTK_DIALOG(m_current), GTK_RESPONSE_DELETE_EVENT);
}
