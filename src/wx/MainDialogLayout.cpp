#include <wx/sizer.h>
#include <wx/window.h>

#include <set>

#include "DialogControls.h"
#include "DialogLayout.h"
#include "afx/Types.h"
#include "ui/ResourceIds.h"

namespace {

constexpr int kGap = 6;

class Placer {
public:
    explicit Placer(const DialogControls& controls) : m_controls(controls) {}

    wxWindow* Take(wxWindow* window) {
        if (window != nullptr) m_placed.insert(window);
        return window;
    }
    wxWindow* Control(int id) { return Take(m_controls.Window(id)); }
    wxWindow* Label(int id) { return Take(m_controls.LabelOf(id)); }

    // A field's label in the grid's first column.
    void AddLabel(wxFlexGridSizer* grid, int id) {
        if (wxWindow* label = Label(id))
            grid->Add(label, 0, wxALIGN_CENTER_VERTICAL);
        else
            grid->AddSpacer(0);
    }
    void AddField(wxSizer* sizer, int id, int proportion, int flags = 0) {
        if (wxWindow* field = Control(id))
            sizer->Add(field, proportion, wxALIGN_CENTER_VERTICAL | flags);
    }
    void AddInlineLabel(wxSizer* sizer, int id) {
        if (wxWindow* label = Label(id))
            sizer->Add(label, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, kGap * 2);
    }
    void AddButton(wxSizer* column, int id, int flags = wxBOTTOM) {
        if (wxWindow* button = Control(id)) column->Add(button, 0, wxEXPAND | flags, kGap);
    }
    // Anything the arrangement does not name still gets a place.
    void AddRest(wxSizer* sizer) {
        for (const DialogControl& c : m_controls.All())
            if (m_placed.count(c.window) == 0) sizer->Add(c.window, 0, wxEXPAND | wxTOP, kGap);
    }

private:
    const DialogControls& m_controls;
    std::set<wxWindow*> m_placed;
};

}  // namespace

wxSizer* LayOutMainDialog(const DialogControls& controls) {
    Placer place(controls);

    auto* fields = new wxFlexGridSizer(2, kGap, kGap * 2);
    fields->AddGrowableCol(1, 1);

    // Item and Status.
    place.AddLabel(fields, IDC_COMBO_ITEM);
    auto* itemRow = new wxBoxSizer(wxHORIZONTAL);
    place.AddField(itemRow, IDC_COMBO_ITEM, 4);
    place.AddInlineLabel(itemRow, IDC_COMBO_STATUS);
    place.AddField(itemRow, IDC_COMBO_STATUS, 3);
    fields->Add(itemRow, 1, wxEXPAND);

    // Cost, Date and the button that picks the date.
    place.AddLabel(fields, IDC_EDIT_COST);
    auto* costRow = new wxBoxSizer(wxHORIZONTAL);
    place.AddField(costRow, IDC_EDIT_COST, 4);
    place.AddInlineLabel(costRow, IDC_EDIT_DATE);
    place.AddField(costRow, IDC_EDIT_DATE, 2);
    costRow->AddSpacer(kGap);
    place.AddField(costRow, IDC_BUTTON_SELECT, 0);
    fields->Add(costRow, 1, wxEXPAND);

    for (int id :
         {IDC_EDIT_SUPPLIER, IDC_EDIT_SUPPLIER_CONTACT, IDC_EDIT_SUPPLIER_DETAIL, IDC_EDIT_NOTES}) {
        place.AddLabel(fields, id);
        if (wxWindow* field = place.Control(id)) fields->Add(field, 1, wxEXPAND);
    }

    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(fields, 0, wxEXPAND);
    if (wxWindow* list = place.Control(IDC_LIST)) {
        list->SetMinSize(wxSize(660, 220));
        left->Add(list, 1, wxEXPAND | wxTOP, kGap * 2);
    }

    auto* buttons = new wxBoxSizer(wxVERTICAL);
    place.AddButton(buttons, IDOK, wxBOTTOM);
    buttons->AddSpacer(kGap * 2);
    for (int id :
         {IDC_BUTTON_ADD, IDC_BUTTON_UPDATE, IDC_BUTTON_REMOVE, IDC_BUTTON_CLEAR, IDC_BUTTON_LIST})
        place.AddButton(buttons, id);
    buttons->AddStretchSpacer(1);
    if (wxWindow* label = place.Label(IDC_EDIT_ITEM_COUNT)) buttons->Add(label, 0, wxBOTTOM, 2);
    if (wxWindow* count = place.Control(IDC_EDIT_ITEM_COUNT)) {
        count->SetMinSize(wxSize(70, -1));
        buttons->Add(count, 0, wxBOTTOM, kGap * 2);
    }
    place.AddButton(buttons, IDC_BUTTON_HELP, 0);

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(left, 1, wxEXPAND | wxRIGHT, kGap * 2);
    top->Add(buttons, 0, wxEXPAND);

    auto* root = new wxBoxSizer(wxVERTICAL);
    root->Add(top, 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kGap * 2);
    if (wxWindow* product = place.Control(IDC_STATIC_PRODUCT))
        root->Add(product, 0, wxEXPAND | wxALL, kGap * 2);
    place.AddRest(root);
    return root;
}
