// One core dialog on screen: a wx dialog built from the dialog's template
// that mirrors the core's controls and hands the user's actions to the
// core as messages.
#pragma once

#include <wx/dialog.h>

#include <climits>
#include <functional>
#include <memory>
#include <vector>

#include "afx/Dialog.h"

class DialogControls;
class EntryListView;
class wxCalendarCtrlBase;

class HostedDialog : public wxDialog {
public:
    HostedDialog(wxWindow* parent, CDialog& dialog);
    ~HostedDialog() override;

    // The whole modal run: build, initialise, show until the dialog ends,
    // destroy; returns the dialog's result.
    int Run();

    // Cancels the dialog like Escape unless a message to it is still being
    // handled (then the host cancels it once that has returned).
    void CancelIfIdle();

private:
    struct Binding {
        int id = -1;
        ControlKind kind = ControlKind::Label;
        wxWindow* window = nullptr;
        unsigned long revision = ULONG_MAX;
        unsigned long listRevision = ULONG_MAX;
    };

    void Build();
    void BindControl(Binding& binding);
    void AttachList();
    void ShowCoreCalendar();
    void PushCalendarChange();

    // Delivers one message to the core dialog, then shows what it changed.
    void Deliver(const std::function<void(CDialog&)>& send);
    void MirrorCoreToWidgets(bool all);
    void MirrorControl(Binding& binding, CWnd& control);
    void OnUserText(int id);

    void OnCharHook(wxKeyEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void ShowSystemMenu(const wxPoint& position);

    CDialog& m_dialog;
    std::unique_ptr<DialogControls> m_controls;
    std::vector<Binding> m_bindings;
    EntryListView* m_list = nullptr;
    wxCalendarCtrlBase* m_calendar = nullptr;
    int m_calendarId = -1;
    int m_delivering = 0;
    int m_mirroring = 0;
    unsigned long m_dialogRevision = ULONG_MAX;
};
