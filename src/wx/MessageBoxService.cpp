#include "DialogHost.h"
#include "Services.h"
#include "Text.h"

#include <wx/msgdlg.h>

#include <gtk/gtk.h>

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

}  // namespace

int MessageBoxService::Show(const CString& text, const CString& caption, UINT type) {
    const bool yesNo = (type & MB_TYPEMASK) == MB_YESNO;
    if (m_shuttingDown) return yesNo ? IDNO : IDOK;
    long style = yesNo ? (wxYES_NO | wxYES_DEFAULT) : wxOK;
    style |= (type & MB_ICONMASK) == MB_ICONEXCLAMATION ? wxICON_EXCLAMATION : wxICON_NONE;
    wxMessageDialog box(DialogHost::FrontWindow(), FromCore(WithPlainLineBreaks(text)),
                        FromCore(caption), style);
    wxMessageDialog* previous = m_current;
    m_current = &box;
    const int answer = box.ShowModal();
    m_current = previous;
    if (!yesNo) return IDOK;
    return answer == wxID_YES ? IDYES : IDNO;
}

void MessageBoxService::CloseForShutdown() {
    m_shuttingDown = true;
    if (m_current != nullptr && m_current->GetHandle() != nullptr &&
        GTK_IS_DIALOG(m_current->GetHandle()))
        gtk_dialog_response(GTK_DIALOG(m_current->GetHandle()), GTK_RESPONSE_DELETE_EVENT);
}
