// Adding entries: the blank and duplicate tests, the drop lists, the
// emptied fields and the count.
#include <algorithm>

#include "MainDlgHarness.h"
#include "afx/WinApp.h"

namespace {

const CString kDuplicateQuestion =
    "This entry is already in the list.\r\nDo you really want to add this item?";

class AddEntryTest : public MainDlgHarness {};

TEST_F(AddEntryTest, AddsOnTopEmptiesFieldsAndCounts) {
    const Entry cake{"Cake", "Paid", "about 200", "", "Town Bakery", "Front desk", "555 0199", "x"};
    AddEntry(cake);
    EXPECT_EQ(Rows(), std::vector<Entry>{cake});
    EXPECT_EQ(ShownEntry(), Entry{});
    EXPECT_EQ(Shown(IDC_EDIT_ITEM_COUNT), "1");

    AddEntry(MakeEntry("B"));
    AddEntry(MakeEntry("C"));
    ASSERT_EQ(Rows().size(), 3u);
    EXPECT_EQ(Rows()[0][0], "C");
    EXPECT_EQ(Rows()[1][0], "B");
    EXPECT_EQ(Rows()[2], cake);
    EXPECT_EQ(Shown(IDC_EDIT_ITEM_COUNT), "3");
}

TEST_F(AddEntryTest, EmptyItemIsRefusedAndFieldsStay) {
    const Entry typed{"", "Paid", "10", "", "Shop", "Ann", "555", "note"};
    fake.boxes.Expect("Name Blank.\r\nNo entry added.", "Error", MB_OK, IDOK);
    AddEntry(typed);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(ShownEntry(), typed);
    EXPECT_EQ(dlg->m_cbStatus.GetCount(), 0);
}

TEST_F(AddEntryTest, BlankItemMadeOfSpacesIsAdded) {
    AddEntry(MakeEntry("   "));
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_EQ(Rows()[0][0], "   ");
}

TEST_F(AddEntryTest, DuplicateQuestionDependsOnExactItemAndSupplier) {
    struct Case {
        Entry existing;
        Entry added;
        bool asks;
    };
    const Case cases[] = {
        {MakeEntry("Flowers"), MakeEntry("Flowers"), true},
        {MakeEntry("Flowers", "Rose Shop", "Paid"), MakeEntry("Flowers", "Rose Shop", "Due"), true},
        {MakeEntry("Flowers", "rose shop"), MakeEntry("Flowers", "Rose Shop"), false},
        {MakeEntry("Cake"), MakeEntry("cake"), false},
        {MakeEntry("Cake", "A"), MakeEntry("Cake", "B"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.added[0] + "/" + c.added[4]);
        StartAfresh();
        AddEntry(c.existing);
        if (c.asks)
            fake.boxes.Expect(kDuplicateQuestion, AfxGetAppName(), MB_YESNO | MB_ICONEXCLAMATION,
                              IDYES);
        AddEntry(c.added);
        fake.boxes.VerifyAllShown();
        EXPECT_EQ(Rows().size(), 2u);
    }
}

TEST_F(AddEntryTest, DuplicateDeclinedChangesNothing) {
    AddEntry(MakeEntry("Flowers", "", "Ordered"));
    const Entry again{"Flowers", "Paid", "1", "", "", "c", "d", "n"};
    fake.boxes.Expect(kDuplicateQuestion, AfxGetAppName(), MB_YESNO | MB_ICONEXCLAMATION, IDNO);
    AddEntry(again);
    EXPECT_EQ(Rows().size(), 1u);
    EXPECT_EQ(ShownEntry(), again);
    EXPECT_EQ(DropList(dlg->m_cbStatus), std::vector<CString>{"Ordered"});
}

TEST_F(AddEntryTest, DropListsAreSortedIgnoringCaseWithoutCaseVariants) {
    AddEntry(MakeEntry("cake", "", "Paid"));
    AddEntry(MakeEntry("Balloons", "", "paid"));
    AddEntry(MakeEntry("Apples", "", "Ordered"));
    AddEntry(MakeEntry("CAKE", "x", "PAID"));
    EXPECT_EQ(DropList(dlg->m_cbItem), (std::vector<CString>{"Apples", "Balloons", "cake"}));
    EXPECT_EQ(DropList(dlg->m_cbStatus), (std::vector<CString>{"Ordered", "Paid"}));
    EXPECT_EQ(Rows()[0][1], "PAID");
}

TEST_F(AddEntryTest, ColumnsFitTheWidestCellOrTheTitle) {
    const int titleFit = fake.measure.HeaderWidth("Cost");
    EXPECT_EQ(dlg->m_list.GetColumnWidth(2), titleFit);
    Entry entry = MakeEntry("Cake");
    entry[2] = "one thousand two hundred";
    AddEntry(entry);
    EXPECT_EQ(dlg->m_list.GetColumnWidth(2), fake.measure.CellWidth(entry[2]));
    EXPECT_EQ(dlg->m_list.GetColumnWidth(1), fake.measure.HeaderWidth("Status"));
}

}  // namespace

namespace {

// What a viewer of the Entry table is told.
class RecordingObserver : public IListObserver {
public:
    void OnRowInserted(int row) override { events.push_back("inserted " + std::to_string(row)); }
    void OnRowDeleted(int row) override { events.push_back("deleted " + std::to_string(row)); }
    void OnRowChanged(int) override {}
    void OnAllRowsChanged() override { events.push_back("all rows"); }
    void OnInvalidated() override { events.push_back("invalidated"); }
    void OnColumnsChanged() override {}
    void OnRedrawChanged(bool) override {}
    std::vector<std::string> events;
};

class AddEntryViewerTest : public MainDlgHarness {};

// A viewer can show an add without reading every row again.
TEST_F(AddEntryViewerTest, AnAddReportsOneInsertedRowAndNoWholeTableChange) {
    AddEntry(MakeEntry("a"));
    RecordingObserver viewer;
    dlg->m_list.SetObserver(&viewer);
    AddEntry(MakeEntry("b"));
    dlg->m_list.SetObserver(nullptr);
    EXPECT_EQ(std::count(viewer.events.begin(), viewer.events.end(), "inserted 0"), 1);
    EXPECT_EQ(std::count(viewer.events.begin(), viewer.events.end(), "all rows"), 0);
}

}  // namespace
