#include "ui/DateSelectDlg.h"

#include <array>

void CDateSelectDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MONTH_CALENDAR, m_calendar);
    DDX_MonthCalCtrl(pDX, IDC_MONTH_CALENDAR, m_date);
}

std::span<const MessageMapEntry<CDateSelectDlg>> CDateSelectDlg::MessageMap() {
    static const std::array<MessageMapEntry<CDateSelectDlg>, 1> map{
        ON_MESSAGE_VOID(WM_DESTROY, &CDateSelectDlg::OnDestroy),
    };
    return map;
}

bool CDateSelectDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return DispatchMessageMap<CDateSelectDlg>(*this, MessageMap(), message, wParam, lParam,
                                              pResult);
}

BOOL CDateSelectDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_calendar.SetRange(kFirstDay, kLastDay);
    UpdateData(FALSE);
    return TRUE;
}

// The day selected when the window goes is the result, after Return,
// Escape and the close request alike. The calendar's own year, month and
// day are taken as they are, so no day it offers is lost in a conversion.
void CDateSelectDlg::OnDestroy() {
    CDialog::OnDestroy();
    UpdateData(TRUE);
    SYSTEMTIME st;
    if (m_calendar.GetCurSel(st)) {
        st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = 0;
        m_date = CTime(st);
    }
    UpdateData(FALSE);
}
