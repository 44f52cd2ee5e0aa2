// Dialogs built from templates: their controls, data exchange, message
// dispatch and modal life.
#pragma once

#include <memory>
#include <vector>

#include "afx/DialogTemplate.h"
#include "afx/Types.h"
#include "afx/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(int nIDTemplate, CWnd* pParent = nullptr);
    ~CDialog() override;

    int GetTemplateId() const { return m_nIDTemplate; }
    const DialogTemplate& GetTemplate() const { return *m_template; }
    CWnd* GetParent() const { return m_pParent; }

    // Runs the dialog through the platform's dialog host; returns IDOK,
    // IDCANCEL or the value given to EndDialog.
    virtual int DoModal();

    // The dialog host's side of a modal run: create the window and its
    // controls and initialise them, deliver messages, and once the dialog
    // has ended destroy the window.
    BOOL InitDialog();
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendCommand(int id, UINT code = BN_CLICKED);
    LRESULT SendNotify(NMHDR& header);
    LRESULT SendSysCommand(UINT command);
    bool HasEnded() const { return m_bEnded; }
    int GetModalResult() const { return m_nModalResult; }
    void DestroyDialog();

    // The controls, in tab order, and one of them by id.
    const std::vector<CWnd*>& GetControls() const { return m_controls; }
    CWnd* GetDlgItem(int id) const;

    // Framework operations for the dialog's own code.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void EndDialog(int nResult);
    int MessageBox(const CString& text, const CString& caption = {}, UINT type = MB_OK);
    CMenu* GetSystemMenu(BOOL bRevert);
    HICON SetIcon(HICON icon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const { return bBigIcon ? m_hBigIcon : m_hSmallIcon; }
    BOOL IsIconic() const { return m_bIconic; }

    // Told by the host when the window is minimised, and the real inner
    // size of a control, before or after the controls exist.
    void SetIconic(bool iconic);
    void SetControlClientSize(int id, int cx, int cy);

    // DDX_Control: the member becomes the control with that id.
    void AttachControl(int id, CWnd& control);

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    // The dialog's message map; false when it has no entry for the message.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Default processing of the messages that dialogs handle themselves.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnDestroy() {}
    void OnPaint() {}

private:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    int m_nIDTemplate;
    const DialogTemplate* m_template;
    CWnd* m_pParent;
    std::vector<std::unique_ptr<CWnd>> m_ownedControls;
    std::vector<CWnd*> m_controls;
    CMenu m_systemMenu;
    HICON m_hBigIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    bool m_bIconic = false;
    std::vector<std::pair<int, CRect>> m_pendingSizes;
    bool m_bEnded = false;
    int m_nModalResult = -1;
};
