// The "Date Selection" dialog: a month calendar whose selected day, however
// the dialog is closed, becomes its result.
#pragma once

#include <span>

#include "afx/DataExchange.h"
#include "afx/Dialog.h"
#include "afx/MessageMap.h"
#include "afx/MonthCalCtrl.h"
#include "afx/Time.h"
#include "ui/ResourceIds.h"

class CDateSelectDlg : public CDialog {
public:
    explicit CDateSelectDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}
    static constexpr int IDD = IDD_DATE_SELECT;

    // Days offered by the calendar: every one of them has a four-digit year.
    static constexpr SYSTEMTIME kFirstDay{1000, 1, 1};
    static constexpr SYSTEMTIME kLastDay{9999, 12, 31};

    CMonthCalCtrl m_calendar;
    CTime m_date;  // the day to show when opening; the chosen day afterwards

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnDestroy();

private:
    static std::span<const MessageMapEntry<CDateSelectDlg>> MessageMap();
};
