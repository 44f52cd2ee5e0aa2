// The program's own icon, compiled in from data/icons.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

#include "afx/Types.h"

// The icon at 16, 32 or 48 pixels.
wxBitmap AppIconBitmap(int size);
// All compiled-in sizes, for a window's icon.
wxIconBundle AppIconBundle();
