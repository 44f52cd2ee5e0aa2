// Runs the core's dialogs as modal GTK dialogs, and closes them all down
// when the program is asked to end.
#pragma once

#include <vector>

#include "afx/Platform.h"

class wxWindow;
class HostedDialog;
class MessageBoxService;

class DialogHost : public IDialogHost {
public:
    explicit DialogHost(MessageBoxService& boxes);
    ~DialogHost() override;
    DialogHost(const DialogHost&) = delete;
    DialogHost& operator=(const DialogHost&) = delete;

    int RunModal(CDialog& dialog) override;

    // The program is to end (a signal or the end of the session): the box
    // or dialog in front is closed, and every dialog behind it is cancelled
    // like Escape as soon as it has control again.
    void RequestShutdown();
    bool ShuttingDown() const { return m_shuttingDown; }

    // The one host of the program, while it exists.
    static DialogHost* Instance() { return s_instance; }
    // The dialog window in front, as the parent of message boxes.
    static wxWindow* FrontWindow();

private:
    MessageBoxService& m_boxes;
    std::vector<HostedDialog*> m_running;
    bool m_shuttingDown = false;
    static DialogHost* s_instance;
};
