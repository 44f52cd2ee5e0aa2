#include "afx/Dialog.h"

#include "afx/ComboBox.h"
#include "afx/DataExchange.h"
#include "afx/ListCtrl.h"
#include "afx/MessageMap.h"
#include "afx/MonthCalCtrl.h"
#include "afx/Platform.h"
#include "afx/Resources.h"
#include "afx/WinApp.h"

namespace {

const DialogTemplate kNoTemplate;

std::unique_ptr<CWnd> MakeControl(ControlKind kind) {
    switch (kind) {
        case ControlKind::ComboBox: return std::make_unique<CComboBox>();
        case ControlKind::ListView: return std::make_unique<CListCtrl>();
        case ControlKind::MonthCalendar: return std::make_unique<CMonthCalCtrl>();
        default: return std::make_unique<CWnd>();
    }
}

// What a window's system menu holds before the dialog adds to it.
CMenu DefaultSystemMenu() {
    CMenu menu;
    menu.AppendMenu(MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    return menu;
}

}  // namespace

CDialog::CDialog(int nIDTemplate, CWnd* pParent)
    : m_nIDTemplate(nIDTemplate), m_template(AfxFindDialogTemplate(nIDTemplate)),
      m_pParent(pParent) {
    if (m_template == nullptr) m_template = &kNoTemplate;
}

CDialog::~CDialog() = default;

int CDialog::DoModal() { return AfxPlatform().dialogHost().RunModal(*this); }

BOOL CDialog::InitDialog() {
    m_bEnded = false;
    m_nModalResult = -1;
    CreateFromTemplate(ControlTemplate{m_nIDTemplate, ControlKind::Dialog, m_template->caption,
                                       m_template->size, 0, 0});
    m_systemMenu = DefaultSystemMenu();
    m_ownedControls.clear();
    m_controls.clear();
    for (const ControlTemplate& t : m_template->controls) {
        auto control = MakeControl(t.kind);
        control->CreateFromTemplate(t);
        for (const auto& [id, rect] : m_pendingSizes)
            if (id == t.id && id != -1) control->SetClientSize(rect.Width(), rect.Height());
        m_controls.push_back(control.get());
        m_ownedControls.push_back(std::move(control));
    }
    m_pendingSizes.clear();
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange* pDX) { (void)pDX; }

CWnd* CDialog::GetDlgItem(int id) const {
    if (id == -1) return nullptr;
    for (CWnd* control : m_controls)
        if (control->GetDlgCtrlID() == id) return control;
    return nullptr;
}

void CDialog::AttachControl(int id, CWnd& control) {
    for (CWnd*& slot : m_controls) {
        if (slot->GetDlgCtrlID() != id || id == -1) continue;
        if (slot != &control) {
            control.TakeOver(*slot);
            slot = &control;
        }
        return;
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return dx.HasFailed() ? FALSE : TRUE;
}

LRESULT CDialog::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow()) return 0;
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result)) return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CDialog::SendCommand(int id, UINT code) {
    return SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), code), 0);
}

LRESULT CDialog::SendNotify(NMHDR& header) {
    return SendMessage(WM_NOTIFY, static_cast<WPARAM>(header.idFrom),
                       reinterpret_cast<LPARAM>(&header));
}

LRESULT CDialog::SendSysCommand(UINT command) { return SendMessage(WM_SYSCOMMAND, command, 0); }

bool CDialog::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (static_cast<int>(LOWORD(wParam)) == IDOK) OnOK();
        if (static_cast<int>(LOWORD(wParam)) == IDCANCEL) OnCancel();
    } else if (message == WM_SYSCOMMAND) {
        OnSysCommand(static_cast<UINT>(wParam), lParam);
    }
    return 0;
}

void CDialog::OnSysCommand(UINT nID, LPARAM) {
    if ((nID & 0xFFF0u) == SC_CLOSE) OnCancel();
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult) {
    m_bEnded = true;
    m_nModalResult = nResult;
    Touch();
}

void CDialog::DestroyDialog() {
    if (!IsWindow()) return;
    SendMessage(WM_DESTROY);
    for (CWnd* control : m_controls) control->DestroyWindow();
    m_controls.clear();
    m_ownedControls.clear();
    DestroyWindow();
}

int CDialog::MessageBox(const CString& text, const CString& caption, UINT type) {
    return AfxPlatform().messageBoxes().Show(text, caption, type);
}

CMenu* CDialog::GetSystemMenu(BOOL bRevert) {
    if ((m_template->style & DialogStyle::kSysMenu) == 0 || !IsWindow()) return nullptr;
    if (bRevert) m_systemMenu = DefaultSystemMenu();
    return &m_systemMenu;
}

HICON CDialog::SetIcon(HICON icon, BOOL bBigIcon) {
    HICON& slot = bBigIcon ? m_hBigIcon : m_hSmallIcon;
    HICON old = slot;
    slot = icon;
    Touch();
    return old;
}

void CDialog::SetIconic(bool iconic) {
    m_bIconic = iconic;
    Touch();
}

void CDialog::SetControlClientSize(int id, int cx, int cy) {
    if (CWnd* control = GetDlgItem(id)) {
        control->SetClientSize(cx, cy);
        return;
    }
    m_pendingSizes.emplace_back(id, CRect{0, 0, cx, cy});
}
