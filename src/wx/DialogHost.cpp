#include "DialogHost.h"

#include "HostedDialog.h"
#include "Services.h"

DialogHost* DialogHost::s_instance = nullptr;

DialogHost::DialogHost(MessageBoxService& boxes) : m_boxes(boxes) { s_instance = this; }

DialogHost::~DialogHost() {
    if (s_instance == this) s_instance = nullptr;
}

int DialogHost::RunModal(CDialog& dialog) {
    wxWindow* parent = m_running.empty() ? nullptr : m_running.back();
    HostedDialog window(parent, dialog);
    m_running.push_back(&window);
    const int result = window.Run();
    m_running.pop_back();
    return result;
}

void DialogHost::RequestShutdown() {
    m_shuttingDown = true;
    m_boxes.CloseForShutdown();
    if (!m_running.empty()) m_running.back()->CancelIfIdle();
}

wxWindow* DialogHost::FrontWindow() {
    if (s_instance == nullptr || s_instance->m_running.empty()) return nullptr;
    return s_instance->m_running.back();
}
