#include "afx/DataExchange.h"

#include <charconv>

#include "afx/ComboBox.h"
#include "afx/Dialog.h"
#include "afx/MonthCalCtrl.h"
#include "afx/WinApp.h"

CDataExchange::CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

CWnd* CDataExchange::PrepareCtrl(int id) { return m_bFailed ? nullptr : m_pDlgWnd->GetDlgItem(id); }

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (!pDX->HasFailed()) pDX->m_pDlgWnd->AttachControl(id, control);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    CWnd* control = pDX->PrepareCtrl(id);
    if (control == nullptr) return;
    if (pDX->m_bSaveAndValidate)
        value = control->GetWindowText();
    else
        control->SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    CWnd* control = pDX->PrepareCtrl(id);
    if (control == nullptr) return;
    if (!pDX->m_bSaveAndValidate) {
        control->SetWindowText(std::to_string(value));
        return;
    }
    const CString& text = control->GetWindowText();
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    int parsed = 0;
    const char* begin = first == CString::npos ? text.data() : text.data() + first;
    const char* end = last == CString::npos ? text.data() : text.data() + last + 1;
    const auto [ptr, error] = std::from_chars(begin, end, parsed);
    if (error != std::errc() || ptr != end || begin == end) {
        AfxMessageBox("Please enter an integer.");
        pDX->Fail();
        return;
    }
    value = parsed;
}

void DDX_CBString(CDataExchange* pDX, int id, CString& value) {
    auto* combo = dynamic_cast<CComboBox*>(pDX->PrepareCtrl(id));
    if (combo == nullptr) return;
    if (pDX->m_bSaveAndValidate) {
        value = combo->GetWindowText();
    } else if (value.empty() || combo->SelectString(-1, value) == CB_ERR) {
        // An empty value is never looked up: as a prefix it would select the first item.
        combo->SetWindowText(value);
    }
}

void DDX_MonthCalCtrl(CDataExchange* pDX, int id, CTime& value) {
    auto* calendar = dynamic_cast<CMonthCalCtrl*>(pDX->PrepareCtrl(id));
    if (calendar == nullptr) return;
    if (pDX->m_bSaveAndValidate) {
        SYSTEMTIME day;
        if (calendar->GetCurSel(day)) value = CTime(day);
    } else if (value.HasDate()) {
        calendar->SetCurSel(value.GetAsSystemTime());
    }
}
