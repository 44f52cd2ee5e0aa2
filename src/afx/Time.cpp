#include "afx/Time.h"

#include "afx/Platform.h"

CTime CTime::GetCurrentTime() { return AfxPlatform().clock().Now(); }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool CTime::HasDate() const {
    return m_st.wYear >= 1 && m_st.wDay >= 1 && m_st.wDay <= DaysInMonth(m_st.wYear, m_st.wMonth);
}
