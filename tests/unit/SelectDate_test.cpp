// The Select button and the date dialog.
#include "MainDlgHarness.h"
#include "ui/DateSelectDlg.h"

namespace {

class SelectDateTest : public MainDlgHarness {
protected:
    // Opens the dialog; the script plays the user's part in it.
    CString Select(std::function<void(CDateSelectDlg&)> user) {
        fake.host.OnDialog(IDD_DATE_SELECT,
                           [user](CDialog& d) { user(dynamic_cast<CDateSelectDlg&>(d)); });
        Click(IDC_BUTTON_SELECT);
        return Shown(IDC_EDIT_DATE);
    }
};

void Return(CDateSelectDlg& d) { d.SendCommand(IDOK); }
void Escape(CDateSelectDlg& d) { d.SendCommand(IDCANCEL); }
std::function<void(CDateSelectDlg&)> Choose(SYSTEMTIME day, void (*close)(CDateSelectDlg&)) {
    return [day, close](CDateSelectDlg& d) {
        EXPECT_TRUE(d.m_calendar.SetCurSel(day));
        close(d);
    };
}

TEST_F(SelectDateTest, ReturnOrEscapeAtOnceGiveToday) {
    fake.clock.now = CTime(2004, 7, 9, 23, 59, 59);
    EXPECT_EQ(Select(Return), "2004-07-09");
    Type(IDC_EDIT_DATE, "");
    EXPECT_EQ(Select(Escape), "2004-07-09");
}

TEST_F(SelectDateTest, TheChosenDayBecomesTheDateText) {
    struct Case {
        SYSTEMTIME day;
        const char* text;
    };
    const Case cases[] = {
        {{2004, 3, 5}, "2004-03-05"},  {{2004, 11, 25}, "2004-11-25"},
        {{1969, 7, 20}, "1969-07-20"}, {{2100, 2, 28}, "2100-02-28"},
        {{1000, 1, 1}, "1000-01-01"},  {{9999, 12, 31}, "9999-12-31"},
        {{2024, 2, 29}, "2024-02-29"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Select(Choose(c.day, Return)), c.text);
        EXPECT_EQ(Select(Choose(c.day, Escape)), c.text) << "Escape keeps the chosen day";
    }
}

TEST_F(SelectDateTest, OpensOnTodayWithinFourDigitYears) {
    Type(IDC_EDIT_DATE, "2004-12-31");
    SYSTEMTIME shown{};
    SYSTEMTIME first{};
    SYSTEMTIME last{};
    Select([&](CDateSelectDlg& d) {
        d.m_calendar.GetCurSel(shown);
        first = d.m_calendar.GetRangeMin();
        last = d.m_calendar.GetRangeMax();
        EXPECT_FALSE(d.m_calendar.SetCurSel({999, 12, 31}));
        EXPECT_FALSE(d.m_calendar.SetCurSel({2023, 2, 29}));
        Return(d);
    });
    EXPECT_EQ(shown, (SYSTEMTIME{2026, 12, 11}));
    EXPECT_EQ(first, (SYSTEMTIME{1000, 1, 1}));
    EXPECT_EQ(last, (SYSTEMTIME{9999, 12, 31}));
    EXPECT_EQ(Shown(IDC_EDIT_DATE), "2026-12-11");
}

TEST_F(SelectDateTest, OtherFieldsKeepWhatWasTyped) {
    const Entry typed{"Cake", "Paid", "10", "", "Bakery", "Ann", "555", "note"};
    TypeEntry(typed);
    Select(Choose({2004, 3, 5}, Return));
    Entry expected = typed;
    expected[3] = "2004-03-05";
    EXPECT_EQ(ShownEntry(), expected);
}

TEST_F(SelectDateTest, DateTextsSortInCalendarOrder) {
    for (SYSTEMTIME day :
         {SYSTEMTIME{2004, 11, 2}, SYSTEMTIME{999 + 1, 1, 9}, SYSTEMTIME{2004, 2, 10}}) {
        Select(Choose(day, Return));
        Type(IDC_COMBO_ITEM, "item" + Shown(IDC_EDIT_DATE));
        Click(IDC_BUTTON_ADD);
    }
    ClickHeader(3);
    EXPECT_EQ(Rows()[0][3], "1000-01-09");
    EXPECT_EQ(Rows()[1][3], "2004-02-10");
    EXPECT_EQ(Rows()[2][3], "2004-11-02");
}

}  // namespace
