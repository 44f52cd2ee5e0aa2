// The application: starts the platform services and runs the main dialog.
#pragma once

#include "afx/WinApp.h"

class CMainApp : public CWinApp {
public:
    CMainApp() = default;
    BOOL InitInstance() override;
};
