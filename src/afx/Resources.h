// The program's resources: dialog templates, string table and icons. The
// program supplies them; the framework looks them up by id.
#pragma once

#include "afx/DialogTemplate.h"
#include "afx/Types.h"
#include "afx/Wnd.h"

// The template with that id, or none.
const DialogTemplate* AfxFindDialogTemplate(int id);
// The string with that id, or an empty text.
CString AfxLoadString(UINT id);
// The icon with that id, or none.
HICON AfxLoadIcon(int id);
