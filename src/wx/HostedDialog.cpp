#include "HostedDialog.h"

#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/calctrl.h>
#include <wx/combobox.h>
#include <wx/menu.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "AppIcon.h"
#include "DialogControls.h"
#include "DialogHost.h"
#include "DialogLayout.h"
#include "EntryListView.h"
#include "Text.h"
#include "afx/ComboBox.h"
#include "afx/ListCtrl.h"
#include "afx/MonthCalCtrl.h"
#include "ui/ResourceIds.h"

namespace {

long DialogStyleOf(const DialogTemplate& t) {
    long style = 0;
    if ((t.style & DialogStyle::kCaption) != 0) style |= wxCAPTION;
    if ((t.style & DialogStyle::kSysMenu) != 0) style |= wxSYSTEM_MENU | wxCLOSE_BOX;
    if ((t.style & DialogStyle::kMinimizeBox) != 0) style |= wxMINIMIZE_BOX;
    if ((t.style & DialogStyle::kMaximizeBox) != 0) style |= wxMAXIMIZE_BOX;
    return style;
}

wxDateTime ToDate(const SYSTEMTIME& st) {
    if (st.wMonth < 1 || st.wMonth > 12 || st.wDay < 1) return wxDefaultDateTime;
    return wxDateTime(static_cast<wxDateTime::wxDateTime_t>(st.wDay),
                      static_cast<wxDateTime::Month>(st.wMonth - 1), st.wYear);
}

SYSTEMTIME ToSystemTime(const wxDateTime& date) {
    SYSTEMTIME st;
    st.wYear = date.GetYear();
    st.wMonth = static_cast<int>(date.GetMonth()) + 1;
    st.wDay = date.GetDay();
    return st;
}

// Window managers add the boxes and functions the dialog asks for, and
// no minimise or maximise box unless the template has one.
void OnGtkRealize(GtkWidget* widget, gpointer data) {
    const unsigned style = static_cast<const DialogTemplate*>(data)->style;
    GdkWindow* window = gtk_widget_get_window(widget);
    if (window == nullptr) return;
    int functions = GDK_FUNC_MOVE | GDK_FUNC_CLOSE;
    int decorations = GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU;
    if ((style & DialogStyle::kMinimizeBox) != 0) {
        functions |= GDK_FUNC_MINIMIZE;
        decorations |= GDK_DECOR_MINIMIZE;
    }
    if ((style & DialogStyle::kMaximizeBox) != 0) {
        functions |= GDK_FUNC_MAXIMIZE;
        decorations |= GDK_DECOR_MAXIMIZE;
    }
    gdk_window_set_functions(window, static_cast<GdkWMFunction>(functions));
    gdk_window_set_decorations(window, static_cast<GdkWMDecoration>(decorations));
}

}  // namespace

HostedDialog::HostedDialog(wxWindow* parent, CDialog& dialog)
    : wxDialog(parent, wxID_ANY, FromCore(dialog.GetTemplate().caption), wxDefaultPosition,
               wxDefaultSize, DialogStyleOf(dialog.GetTemplate())),
      m_dialog(dialog) {}

HostedDialog::~HostedDialog() {
    if (m_list != nullptr) m_list->Detach();
}

void HostedDialog::Build() {
    const DialogTemplate& t = m_dialog.GetTemplate();
    SetIcons(AppIconBundle());
    if (gtk_widget_get_realized(GetHandle()))
        OnGtkRealize(GetHandle(), const_cast<DialogTemplate*>(&t));
    else
        g_signal_connect(GetHandle(), "realize", G_CALLBACK(OnGtkRealize),
                         const_cast<DialogTemplate*>(&t));
    // Escape is the core's Cancel, never a click on some button.
    SetEscapeId(wxID_NONE);
    SetAffirmativeId(wxID_NONE);

    m_controls = std::make_unique<DialogControls>(this, t);
    for (const DialogControl& c : m_controls->All()) {
        Binding binding;
        binding.id = c.tmpl->id;
        binding.kind = c.tmpl->kind;
        binding.window = c.window;
        m_bindings.push_back(binding);
    }
    for (Binding& binding : m_bindings) BindControl(binding);

    SetSizerAndFit(t.id == IDD_MAIN_DIALOG ? LayOutMainDialog(*m_controls)
                                           : LayOutDialog(*m_controls));

    Bind(wxEVT_CHAR_HOOK, &HostedDialog::OnCharHook, this);
    Bind(wxEVT_CONTEXT_MENU, &HostedDialog::OnContextMenu, this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (event.CanVeto()) event.Veto();
        Deliver([](CDialog& d) { d.SendCommand(IDCANCEL); });
    });
}

void HostedDialog::BindControl(Binding& binding) {
    const int id = binding.id;
    switch (binding.kind) {
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            binding.window->Bind(wxEVT_BUTTON, [this, id](wxCommandEvent&) {
                Deliver([id](CDialog& d) { d.SendCommand(id); });
            });
            break;
        case ControlKind::Edit:
            binding.window->Bind(wxEVT_TEXT, [this, id](wxCommandEvent&) { OnUserText(id); });
            break;
        case ControlKind::ComboBox:
            binding.window->Bind(wxEVT_TEXT, [this, id](wxCommandEvent&) { OnUserText(id); });
            binding.window->Bind(wxEVT_COMBOBOX, [this, id](wxCommandEvent& event) {
                if (m_mirroring > 0) return;
                if (auto* combo = dynamic_cast<CComboBox*>(m_dialog.GetDlgItem(id))) {
                    const int line = event.GetSelection();
                    if (line >= 0 && line < combo->GetCount()) combo->SetCurSel(line);
                }
                OnUserText(id);
            });
            break;
        case ControlKind::ListView: m_list = dynamic_cast<EntryListView*>(binding.window); break;
        case ControlKind::MonthCalendar:
            m_calendar = dynamic_cast<wxCalendarCtrlBase*>(binding.window);
            m_calendarId = id;
            if (m_calendar != nullptr)
                m_calendar->Bind(wxEVT_CALENDAR_SEL_CHANGED,
                                 [this](wxCalendarEvent&) { PushCalendarChange(); });
            break;
        default: break;
    }
}

void HostedDialog::AttachList() {
    if (m_list == nullptr) return;
    auto* core = dynamic_cast<CListCtrl*>(m_dialog.GetDlgItem(IDC_LIST));
    if (core == nullptr) return;
    m_list->onUserSelect = [this](int row) {
        auto* list = dynamic_cast<CListCtrl*>(m_dialog.GetDlgItem(IDC_LIST));
        if (list == nullptr || m_dialog.HasEnded()) return;
        if (row >= 0)
            list->SelectByUser(row);
        else
            list->DeselectByUser();
    };
    // The click is handed on once GTK has finished with it.
    m_list->onBodyClick = [this]() {
        CallAfter([this]() {
            Deliver([](CDialog& d) {
                NMHDR header{IDC_LIST, NM_CLICK};
                d.SendNotify(header);
            });
        });
    };
    m_list->onHeaderClick = [this](int column) {
        CallAfter([this, column]() {
            Deliver([column](CDialog& d) {
                NMLISTVIEW notify{{IDC_LIST, LVN_COLUMNCLICK}, -1, column};
                d.SendNotify(notify.hdr);
            });
        });
    };
    m_list->onResized = [this](int cx, int cy) {
        if (!m_dialog.HasEnded()) m_dialog.SetControlClientSize(IDC_LIST, cx, cy);
    };
    m_list->Attach(*core);
}

int HostedDialog::Run() {
    Build();
    if (m_list != nullptr) {
        const wxSize size = m_list->GetClientSize();
        m_dialog.SetControlClientSize(IDC_LIST, size.x, size.y);
    }
    m_dialog.InitDialog();
    AttachList();
    MirrorCoreToWidgets(true);
    ShowCoreCalendar();

    DialogHost* host = DialogHost::Instance();
    if (host != nullptr && host->ShuttingDown()) m_dialog.SendCommand(IDCANCEL);
    if (!m_dialog.HasEnded()) {
        if (GetParent() != nullptr)
            CentreOnParent();
        else
            Centre();
        ShowModal();
    }
    // A dialog never outlives its window.
    if (!m_dialog.HasEnded()) m_dialog.SendCommand(IDCANCEL);
    PushCalendarChange();
    if (m_list != nullptr) m_list->Detach();
    m_dialog.DestroyDialog();
    return m_dialog.GetModalResult();
}

void HostedDialog::CancelIfIdle() {
    if (m_delivering > 0) return;
    Deliver([](CDialog& d) { d.SendCommand(IDCANCEL); });
}

void HostedDialog::Deliver(const std::function<void(CDialog&)>& send) {
    // One message at a time; a dialog that has ended takes none.
    if (m_delivering > 0 || m_dialog.HasEnded() || !m_dialog.IsWindow()) return;
    PushCalendarChange();
    ++m_delivering;
    send(m_dialog);
    DialogHost* host = DialogHost::Instance();
    if (host != nullptr && host->ShuttingDown() && !m_dialog.HasEnded())
        m_dialog.SendCommand(IDCANCEL);
    --m_delivering;
    MirrorCoreToWidgets(false);
    if (m_dialog.HasEnded() && IsModal()) EndModal(m_dialog.GetModalResult());
}

void HostedDialog::MirrorCoreToWidgets(bool all) {
    ++m_mirroring;
    if (all || m_dialog.Revision() != m_dialogRevision) {
        m_dialogRevision = m_dialog.Revision();
        const wxString title = FromCore(m_dialog.GetWindowText());
        if (GetTitle() != title) SetTitle(title);
    }
    for (Binding& binding : m_bindings) {
        CWnd* control = m_dialog.GetDlgItem(binding.id);
        if (control == nullptr) continue;
        if (!all && control->Revision() == binding.revision) continue;
        binding.revision = control->Revision();
        MirrorControl(binding, *control);
    }
    if (m_list != nullptr) m_list->ShowCoreSelection();
    --m_mirroring;
}

void HostedDialog::MirrorControl(Binding& binding, CWnd& control) {
    const wxString text = FromCore(control.GetWindowText());
    switch (binding.kind) {
        case ControlKind::Label:
            if (auto* label = dynamic_cast<wxStaticText*>(binding.window);
                label != nullptr && label->GetLabelText() != text)
                label->SetLabelText(text);
            break;
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            if (binding.window->GetLabel() != text) binding.window->SetLabel(text);
            break;
        case ControlKind::Edit:
            if (auto* edit = dynamic_cast<wxTextCtrl*>(binding.window);
                edit != nullptr && edit->GetValue() != text)
                edit->ChangeValue(text);
            break;
        case ControlKind::ComboBox: {
            auto* combo = dynamic_cast<wxComboBox*>(binding.window);
            auto* core = dynamic_cast<CComboBox*>(&control);
            if (combo == nullptr || core == nullptr) break;
            if (core->ListRevision() != binding.listRevision) {
                binding.listRevision = core->ListRevision();
                wxArrayString lines;
                for (int i = 0; i < core->GetCount(); ++i) lines.Add(FromCore(core->GetLBText(i)));
                combo->Set(lines);
                combo->ChangeValue(text);
            }
            if (combo->GetValue() != text) combo->ChangeValue(text);
            break;
        }
        default: break;
    }
}

void HostedDialog::OnUserText(int id) {
    if (m_mirroring > 0 || m_dialog.HasEnded()) return;
    CWnd* control = m_dialog.GetDlgItem(id);
    auto it = std::find_if(m_bindings.begin(), m_bindings.end(),
                           [id](const Binding& b) { return b.id == id; });
    if (control == nullptr || it == m_bindings.end()) return;
    auto* entry = dynamic_cast<wxTextEntry*>(it->window);
    if (entry == nullptr) return;
    const wxString shown = entry->GetValue();
    control->SetWindowText(ToCore(shown));
    const wxString kept = FromCore(control->GetWindowText());
    if (kept != shown) {
        ++m_mirroring;
        const long position = entry->GetInsertionPoint();
        entry->ChangeValue(kept);
        entry->SetInsertionPoint(std::min(position, static_cast<long>(kept.length())));
        --m_mirroring;
    }
    it->revision = control->Revision();
}

void HostedDialog::ShowCoreCalendar() {
    auto* core = dynamic_cast<CMonthCalCtrl*>(m_dialog.GetDlgItem(m_calendarId));
    if (m_calendar == nullptr || core == nullptr) return;
    ++m_mirroring;
    m_calendar->SetDateRange(ToDate(core->GetRangeMin()), ToDate(core->GetRangeMax()));
    SYSTEMTIME day;
    if (core->GetCurSel(day)) {
        const wxDateTime date = ToDate(day);
        if (date.IsValid()) m_calendar->SetDate(date);
    }
    --m_mirroring;
}

void HostedDialog::PushCalendarChange() {
    auto* core = dynamic_cast<CMonthCalCtrl*>(m_dialog.GetDlgItem(m_calendarId));
    if (m_calendar == nullptr || core == nullptr || m_mirroring > 0) return;
    const wxDateTime date = m_calendar->GetDate();
    if (!date.IsValid()) return;
    const SYSTEMTIME shown = ToSystemTime(date);
    SYSTEMTIME current;
    if (core->GetCurSel(current) && current.wYear == shown.wYear &&
        current.wMonth == shown.wMonth && current.wDay == shown.wDay)
        return;
    core->SetCurSel(shown);
}

void HostedDialog::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE) {
        Deliver([](CDialog& d) { d.SendCommand(IDCANCEL); });
        return;
    }
    const bool menuKey = key == WXK_MENU || (key == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT);
    // Text fields keep their own context menu.
    if (menuKey && dynamic_cast<wxTextEntry*>(wxWindow::FindFocus()) == nullptr) {
        ShowSystemMenu(wxDefaultPosition);
        return;
    }
    event.Skip();
}

void HostedDialog::OnContextMenu(wxContextMenuEvent& event) {
    auto* source = dynamic_cast<wxWindow*>(event.GetEventObject());
    const bool background = source == this || dynamic_cast<wxStaticText*>(source) != nullptr ||
                            dynamic_cast<wxStaticBitmap*>(source) != nullptr;
    if (!background) {
        event.Skip();
        return;
    }
    const wxPoint at = event.GetPosition();
    ShowSystemMenu(at == wxDefaultPosition ? at : ScreenToClient(at));
}

// GTK leaves the window manager's menu alone, so the system menu is offered
// as the dialog's own context menu.
void HostedDialog::ShowSystemMenu(const wxPoint& position) {
    CMenu* menu = m_dialog.GetSystemMenu(FALSE);
    if (menu == nullptr || m_dialog.HasEnded()) return;
    wxMenu popup;
    std::vector<UINT> commands;
    for (const CMenu::Item& item : menu->Items()) {
        if ((item.flags & MF_SEPARATOR) != 0) {
            popup.AppendSeparator();
            continue;
        }
        popup.Append(wxID_HIGHEST + 1 + static_cast<int>(commands.size()), FromCore(item.text));
        commands.push_back(item.id);
    }
    const int chosen = GetPopupMenuSelectionFromUser(popup, position) - wxID_HIGHEST - 1;
    if (chosen < 0 || chosen >= static_cast<int>(commands.size())) return;
    const UINT command = commands[static_cast<std::size_t>(chosen)];
    Deliver([command](CDialog& d) { d.SendSysCommand(command); });
}
