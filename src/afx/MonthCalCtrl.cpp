#include "afx/MonthCalCtrl.h"

SYSTEMTIME CMonthCalCtrl::DayOf(const SYSTEMTIME& st) {
    return SYSTEMTIME{st.wYear, st.wMonth, st.wDay, 0, 0, 0, 0};
}

BOOL CMonthCalCtrl::SetCurSel(const SYSTEMTIME& st) {
    const SYSTEMTIME day = DayOf(st);
    if (!CTime(day).HasDate() || day < m_first || m_last < day) return FALSE;
    m_selected = day;
    m_bHasSelection = true;
    Touch();
    return TRUE;
}

BOOL CMonthCalCtrl::GetCurSel(SYSTEMTIME& st) const {
    if (!m_bHasSelection) return FALSE;
    st = m_selected;
    return TRUE;
}

BOOL CMonthCalCtrl::SetRange(const SYSTEMTIME& first, const SYSTEMTIME& last) {
    const SYSTEMTIME a = DayOf(first);
    const SYSTEMTIME b = DayOf(last);
    if (!CTime(a).HasDate() || !CTime(b).HasDate() || b < a) return FALSE;
    m_first = a;
    m_last = b;
    if (m_bHasSelection && (m_selected < m_first || m_last < m_selected))
        m_selected = m_selected < m_first ? m_first : m_last;
    Touch();
    return TRUE;
}
