// Calendar date and time of day in local time.
//
// The value is kept as its broken-down fields rather than as a count of
// seconds, so every day of the years 1000 to 9999 can be represented and
// no conversion can lose a date.
#pragma once

#include <compare>

struct SYSTEMTIME {
    int wYear = 0;
    int wMonth = 0;  // 1..12
    int wDay = 0;    // 1..31
    int wHour = 0;
    int wMinute = 0;
    int wSecond = 0;
    int wMilliseconds = 0;
    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 misreads a defaulted <=>
    auto operator<=>(const SYSTEMTIME&) const = default;
};

class CTime {
public:
    CTime() = default;  // the null time: no date
    explicit CTime(const SYSTEMTIME& st) : m_st(st) {}
    CTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
        : m_st{year, month, day, hour, minute, second, 0} {}

    static CTime GetCurrentTime();  // from the platform clock

    bool HasDate() const;  // false for the null time or an impossible day
    int GetYear() const { return m_st.wYear; }
    int GetMonth() const { return m_st.wMonth; }
    int GetDay() const { return m_st.wDay; }
    int GetHour() const { return m_st.wHour; }
    int GetMinute() const { return m_st.wMinute; }
    int GetSecond() const { return m_st.wSecond; }
    const SYSTEMTIME& GetAsSystemTime() const { return m_st; }

    bool operator==(const CTime&) const = default;

private:
    SYSTEMTIME m_st;
};

// Days in a month of the proleptic Gregorian calendar, 0 for an invalid month.
int DaysInMonth(int year, int month);
