#include "app/MainApp.h"

#include "ui/MainDlg.h"

BOOL CMainApp::InitInstance() {
    if (!AfxSocketInit()) {
        AfxMessageBox(IDP_SOCKETS_INIT_FAILED);
        return FALSE;
    }
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CMainDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The dialog has ended: the program ends instead of starting a message loop.
    return FALSE;
}
