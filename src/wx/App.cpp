// The program's entry: installs the platform services, runs the core's
// application object and ends the dialogs when the program is asked to end.
#include <glib-unix.h>
#include <wx/app.h>
#include <wx/log.h>

#include <csignal>
#include <memory>

#include "DialogHost.h"
#include "Services.h"
#include "afx/WinApp.h"

namespace {

// Runs in the main loop, never inside the signal handler itself.
gboolean OnTerminationSignal(gpointer) {
    if (DialogHost* host = DialogHost::Instance()) host->RequestShutdown();
    return G_SOURCE_CONTINUE;
}

struct Services {
    MessageBoxService boxes;
    ShellService shell;
    ClockService clock;
    TextMeasureService measure;
    DialogHost host{boxes};
    SocketsService sockets;
    Platform platform{boxes, shell, clock, measure, host, sockets};
    ScopedPlatform installed{platform};
};

}  // namespace

class HalvenorApp : public wxApp {
public:
    bool OnInit() override {
        // Toolkit errors go to standard error, never into a message box.
        delete wxLog::SetActiveTarget(new wxLogStderr);
        m_services = std::make_unique<Services>();
        for (int signal : {SIGTERM, SIGINT, SIGHUP})
            g_unix_signal_add(signal, &OnTerminationSignal, nullptr);
        Bind(wxEVT_END_SESSION, [](wxCloseEvent&) { OnTerminationSignal(nullptr); });
        return true;
    }

    int OnRun() override {
        if (CWinApp* app = AfxGetApp()) app->InitInstance();
        return 0;
    }

    int OnExit() override {
        m_services.reset();
        return wxApp::OnExit();
    }

private:
    std::unique_ptr<Services> m_services;
};

wxIMPLEMENT_APP(HalvenorApp);
