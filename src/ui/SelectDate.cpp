// The Select button: the day chosen in the date dialog becomes the Date
// field as year-month-day, four, two and two digits, such as 2004-03-05.
#include <cstdio>

#include "ui/DateSelectDlg.h"
#include "ui/MainDlg.h"

namespace {

CString FormatDateText(const CTime& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.GetYear(), date.GetMonth(),
                  date.GetDay());
    return text;
}

}  // namespace

void CMainDlg::OnButtonSelect() {
    UpdateData(TRUE);
    SelectDate();
    UpdateData(FALSE);
}

void CMainDlg::SelectDate() {
    UpdateData(TRUE);
    m_strDate.clear();
    CDateSelectDlg dlg(this);
    dlg.m_date = CTime::GetCurrentTime();
    dlg.DoModal();
    if (dlg.m_date.HasDate()) m_strDate = FormatDateText(dlg.m_date);
    UpdateData(FALSE);
}
