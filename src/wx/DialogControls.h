// The widgets of one dialog, one per template control, created in the
// template's tab order and tied to their labels for screen readers.
#pragma once

#include <vector>

#include "afx/DialogTemplate.h"

class wxWindow;
class EntryListView;

struct DialogControl {
    const ControlTemplate* tmpl = nullptr;
    wxWindow* window = nullptr;
    wxWindow* label = nullptr;  // the label that names this control, if any
};

class DialogControls {
public:
    // Creates the widgets as children of parent.
    DialogControls(wxWindow* parent, const DialogTemplate& dialogTemplate);

    const std::vector<DialogControl>& All() const { return m_controls; }
    // The widget of the control with that id, or none.
    wxWindow* Window(int id) const;
    // The label that names the control with that id, or none.
    wxWindow* LabelOf(int id) const;
    // True for a label that names some control.
    bool IsNamingLabel(const wxWindow* window) const;

private:
    void TieLabels();
    std::vector<DialogControl> m_controls;
};
