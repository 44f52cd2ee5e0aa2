// Month calendar: one selected day within an allowed range of days.
#pragma once

#include "afx/Time.h"
#include "afx/Wnd.h"

class CMonthCalCtrl : public CWnd {
public:
    // Selects the day of st (its time of day is ignored); a day that does
    // not exist or lies outside the range is refused.
    BOOL SetCurSel(const SYSTEMTIME& st);
    BOOL GetCurSel(SYSTEMTIME& st) const;  // FALSE while no day is selected
    // The first and last day that can be selected.
    BOOL SetRange(const SYSTEMTIME& first, const SYSTEMTIME& last);
    const SYSTEMTIME& GetRangeMin() const { return m_first; }
    const SYSTEMTIME& GetRangeMax() const { return m_last; }

private:
    static SYSTEMTIME DayOf(const SYSTEMTIME& st);
    bool m_bHasSelection = false;
    SYSTEMTIME m_selected;
    SYSTEMTIME m_first{1, 1, 1};
    SYSTEMTIME m_last{9999, 12, 31};
};
