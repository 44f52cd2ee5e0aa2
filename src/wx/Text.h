// Text between the core (UTF-8 bytes) and the toolkit.
#pragma once

#include <wx/string.h>

#include "afx/Types.h"

// The core's bytes as toolkit text. Bytes that are not valid UTF-8 each
// show as U+FFFD, so text is never lost from view.
wxString FromCore(const CString& text);
// Toolkit text as the core's UTF-8 bytes.
CString ToCore(const wxString& text);
