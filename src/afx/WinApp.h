// The application object and the framework's global helpers.
#pragma once

#include "afx/Types.h"
#include "afx/Wnd.h"

class CWinApp {
public:
    // With no name, the application is named after its executable file,
    // without directory and extension.
    explicit CWinApp(const char* pszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    HICON LoadIcon(int id) const;
    static void Enable3dControlsStatic() {}  // the desktop draws controls in its own style

    const CString& GetAppName() const { return m_strAppName; }
    CWnd* m_pMainWnd = nullptr;

private:
    CString m_strAppName;
    CWinApp* m_pPrevious;
};

// The application object constructed last, or none.
CWinApp* AfxGetApp();
CString AfxGetAppName();

// The executable file's name without directory and extension.
CString AppNameFromPath(const CString& path);

// A message box captioned with the application name; with no icon flag
// given, the exclamation icon is added.
int AfxMessageBox(const CString& text, UINT type = MB_OK);
int AfxMessageBox(UINT nIDPrompt, UINT type = MB_OK);

BOOL AfxSocketInit();
void AfxEnableControlContainer();

// The shell's "open" request for a file or address; only "open" is known.
// Returns a value above 32 when the request was passed on.
inline constexpr int SW_HIDE = 0;
int ShellExecute(void* hwnd, const char* verb, const char* file, const char* parameters,
                 const char* directory, int showCommand);
