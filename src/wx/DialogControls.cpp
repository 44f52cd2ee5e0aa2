#include "DialogControls.h"

#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/calctrl.h>
#include <wx/combobox.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <climits>

#include "AppIcon.h"
#include "EntryListView.h"
#include "Text.h"

namespace {

wxWindow* CreateWidget(wxWindow* parent, const ControlTemplate& t) {
    switch (t.kind) {
        case ControlKind::Label: {
            auto* label = new wxStaticText(parent, wxID_ANY, wxString());
            label->SetLabelText(FromCore(t.text));
            return label;
        }
        case ControlKind::Icon: return new wxStaticBitmap(parent, wxID_ANY, AppIconBitmap(32));
        case ControlKind::Button:
        case ControlKind::DefaultButton: {
            auto* button = new wxButton(parent, wxID_ANY, FromCore(t.text));
            if (t.kind == ControlKind::DefaultButton) button->SetDefault();
            return button;
        }
        case ControlKind::Edit:
            return new wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                  (t.style & ControlStyle::kReadOnly) != 0 ? wxTE_READONLY : 0);
        case ControlKind::ComboBox:
            return new wxComboBox(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, 0,
                                  nullptr, wxCB_DROPDOWN);
        case ControlKind::ListView: return new EntryListView(parent);
        case ControlKind::MonthCalendar:
            return new wxCalendarCtrl(parent, wxID_ANY, wxDateTime::Today(), wxDefaultPosition,
                                      wxDefaultSize, wxCAL_SHOW_HOLIDAYS);
        case ControlKind::Dialog: break;
    }
    return nullptr;
}

bool IsField(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::ComboBox ||
           kind == ControlKind::MonthCalendar;
}

// The visible height of a control; a combo's template height includes its
// drop list.
int VisibleHeight(const ControlTemplate& t) {
    return t.kind == ControlKind::ComboBox ? 14 : t.rect.cy;
}

// The GTK widget that takes the keyboard focus for a field.
GtkWidget* FocusWidget(wxWindow* window) {
    GtkWidget* widget = window->GetHandle();
    if (GTK_IS_COMBO_BOX(widget) && gtk_combo_box_get_has_entry(GTK_COMBO_BOX(widget)))
        return gtk_bin_get_child(GTK_BIN(widget));
    return widget;
}

CString WithoutMnemonic(const CString& text) {
    CString out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

}  // namespace

DialogControls::DialogControls(wxWindow* parent, const DialogTemplate& dialogTemplate) {
    for (const ControlTemplate& t : dialogTemplate.controls) {
        if (wxWindow* window = CreateWidget(parent, t)) m_controls.push_back({&t, window, nullptr});
    }
    TieLabels();
}

// A label names the nearest field on its right in the same row, or failing
// that the nearest field below it.
void DialogControls::TieLabels() {
    for (const DialogControl& label : m_controls) {
        const ControlTemplate& l = *label.tmpl;
        if (l.kind != ControlKind::Label || l.id != -1) continue;
        DialogControl* best = nullptr;
        int bestScore = INT_MAX;
        for (DialogControl& field : m_controls) {
            const ControlTemplate& f = *field.tmpl;
            if (!IsField(f.kind) || field.label != nullptr) continue;
            const bool sameRow =
                f.rect.y < l.rect.y + l.rect.cy && f.rect.y + VisibleHeight(f) > l.rect.y;
            const bool toRight = f.rect.x >= l.rect.x + l.rect.cx - 2;
            const bool below = f.rect.x < l.rect.x + l.rect.cx && f.rect.x + f.rect.cx > l.rect.x &&
                               f.rect.y >= l.rect.y + l.rect.cy - 2;
            int score = INT_MAX;
            if (sameRow && toRight)
                score = f.rect.x - (l.rect.x + l.rect.cx);
            else if (below)
                score = 10000 + f.rect.y - (l.rect.y + l.rect.cy);
            if (score < bestScore) bestScore = score, best = &field;
        }
        if (best == nullptr) continue;
        best->label = label.window;
        GtkWidget* target = FocusWidget(best->window);
        if (GTK_IS_LABEL(label.window->GetHandle()))
            gtk_label_set_mnemonic_widget(GTK_LABEL(label.window->GetHandle()), target);
        const CString name = WithoutMnemonic(l.text);
        atk_object_set_name(gtk_widget_get_accessible(target), name.c_str());
        if (target != best->window->GetHandle())
            atk_object_set_name(gtk_widget_get_accessible(best->window->GetHandle()), name.c_str());
    }
}

wxWindow* DialogControls::Window(int id) const {
    if (id == -1) return nullptr;
    for (const DialogControl& c : m_controls)
        if (c.tmpl->id == id) return c.window;
    return nullptr;
}

wxWindow* DialogControls::LabelOf(int id) const {
    if (id == -1) return nullptr;
    for (const DialogControl& c : m_controls)
        if (c.tmpl->id == id) return c.label;
    return nullptr;
}

bool DialogControls::IsNamingLabel(const wxWindow* window) const {
    for (const DialogControl& c : m_controls)
        if (c.label == window) return true;
    return false;
}
