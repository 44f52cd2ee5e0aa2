#include "afx/WinApp.h"

#include <unistd.h>

#include <array>
#include <cstring>

#include "afx/Platform.h"
#include "afx/Resources.h"

namespace {

CWinApp* g_app = nullptr;

CString ExecutablePath() {
    std::array<char, 4096> buffer{};
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return n > 0 ? CString(buffer.data(), static_cast<size_t>(n)) : CString();
}

}  // namespace

CString AppNameFromPath(const CString& path) {
    CString name = path.substr(path.find_last_of('/') + 1);
    const auto dot = name.find_last_of('.');
    if (dot != CString::npos && dot > 0) name.erase(dot);
    return name;
}

CWinApp::CWinApp(const char* pszAppName)
    : m_strAppName(pszAppName != nullptr ? CString(pszAppName) : AppNameFromPath(ExecutablePath())),
      m_pPrevious(g_app) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = m_pPrevious;
}

HICON CWinApp::LoadIcon(int id) const { return AfxLoadIcon(id); }

CWinApp* AfxGetApp() { return g_app; }

CString AfxGetAppName() {
    return g_app != nullptr ? g_app->GetAppName() : AppNameFromPath(ExecutablePath());
}

int AfxMessageBox(const CString& text, UINT type) {
    if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
    return AfxPlatform().messageBoxes().Show(text, AfxGetAppName(), type);
}

int AfxMessageBox(UINT nIDPrompt, UINT type) {
    return AfxMessageBox(AfxLoadString(nIDPrompt), type);
}

BOOL AfxSocketInit() { return AfxPlatform().sockets().Startup() ? TRUE : FALSE; }

void AfxEnableControlContainer() {}

int ShellExecute(void*, const char* verb, const char* file, const char*, const char*, int) {
    if (verb == nullptr || std::strcmp(verb, "open") != 0 || file == nullptr) return 0;
    AfxPlatform().shell().Open(file);
    return 33;
}
