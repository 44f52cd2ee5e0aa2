#include <wx/sizer.h>

#include "DialogControls.h"
#include "DialogLayout.h"

wxSizer* LayOutDialog(const DialogControls& controls) {
    auto* icons = new wxBoxSizer(wxVERTICAL);
    auto* middle = new wxBoxSizer(wxVERTICAL);
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    for (const DialogControl& c : controls.All()) {
        switch (c.tmpl->kind) {
            case ControlKind::Icon: icons->Add(c.window, 0, wxALL, 6); break;
            case ControlKind::Button:
            case ControlKind::DefaultButton:
                buttons->Add(c.window, 0, wxEXPAND | wxBOTTOM, 6);
                break;
            default:
                middle->Add(c.window, c.tmpl->kind == ControlKind::Label ? 0 : 1,
                            wxEXPAND | wxTOP | wxBOTTOM, 6);
                break;
        }
    }
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    if (!icons->IsEmpty())
        row->Add(icons, 0, wxRIGHT, 12);
    else
        delete icons;
    row->Add(middle, 1, wxEXPAND | wxRIGHT, 12);
    row->Add(buttons, 0, wxTOP, 6);
    auto* root = new wxBoxSizer(wxVERTICAL);
    root->Add(row, 1, wxEXPAND | wxALL, 12);
    return root;
}
