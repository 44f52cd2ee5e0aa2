// Arranging a dialog's widgets with sizers, so that every control gets the
// room GTK needs while the template's arrangement is kept.
#pragma once

#include "afx/DialogTemplate.h"

class wxSizer;
class DialogControls;

// The main dialog: the editor fields in rows with their labels, the Entry
// table below them, the command buttons in a column on the right and the
// product line at the bottom.
wxSizer* LayOutMainDialog(const DialogControls& controls);

// Any other dialog: icons on the left, the other controls stacked in the
// middle, buttons in a column on the right.
wxSizer* LayOutDialog(const DialogControls& controls);
