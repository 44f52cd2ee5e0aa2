// Header clicks: ascending by the column, or the whole table reversed when
// it already is ascending.
#include "MainDlgHarness.h"

namespace {

class ColumnSortTest : public MainDlgHarness {
protected:
    // Adds rows so that they stand top to bottom in the given order.
    void AddTopToBottom(const std::vector<Entry>& entries) {
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
            TypeEntry(*it);
            dlg->SendCommand(IDC_BUTTON_ADD);
        }
    }
    std::vector<CString> Column(int c) const {
        std::vector<CString> texts;
        for (const Entry& row : Rows()) texts.push_back(row[static_cast<size_t>(c)]);
        return texts;
    }
};

TEST_F(ColumnSortTest, TiesKeepTheirOrderAndAnAscendingTableIsReversed) {
    AddTopToBottom({{"X", "a"}, {"Y", "b"}, {"Z", "a"}});
    ClickHeader(1);
    EXPECT_EQ(Column(0), (std::vector<CString>{"X", "Z", "Y"}));
    ClickHeader(1);
    EXPECT_EQ(Column(0), (std::vector<CString>{"Y", "Z", "X"}));
    ClickHeader(1);
    EXPECT_EQ(Column(0), (std::vector<CString>{"Z", "X", "Y"}));
}

TEST_F(ColumnSortTest, EqualKeysReverseAtEveryClick) {
    AddTopToBottom({{"A"}, {"B"}, {"C"}, {"D"}, {"E"}});
    ClickHeader(7);
    EXPECT_EQ(Column(0), (std::vector<CString>{"E", "D", "C", "B", "A"}));
    ClickHeader(7);
    EXPECT_EQ(Column(0), (std::vector<CString>{"A", "B", "C", "D", "E"}));
}

TEST_F(ColumnSortTest, KeysCompareAsUnsignedBytes) {
    const std::vector<CString> ascending{"",  " x",     "$1,200", "$25", "10",
                                         "9", "Banana", "apple",  "z",   "\xC3\xA9t\xC3\xA9"};
    std::vector<Entry> entries;
    for (auto it = ascending.rbegin(); it != ascending.rend(); ++it)
        entries.push_back({"item " + *it, "", *it});
    AddTopToBottom(entries);
    ClickHeader(2);
    EXPECT_EQ(Column(2), ascending);
}

TEST_F(ColumnSortTest, EmptyAndSingleRowTablesAndTheCountBox) {
    ClickHeader(0);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(Shown(IDC_EDIT_ITEM_COUNT), "0");
    AddEntry(MakeEntry("only"));
    ClickHeader(0);
    EXPECT_EQ(Column(0), std::vector<CString>{"only"});
    EXPECT_EQ(Shown(IDC_EDIT_ITEM_COUNT), "1");
}

TEST_F(ColumnSortTest, SelectionMarkStaysOnItsPositionAndFieldsAreKept) {
    AddTopToBottom({{"b"}, {"c"}, {"a"}});
    ClickRow(0);
    Type(IDC_EDIT_NOTES, "typed");
    ClickHeader(0);
    EXPECT_EQ(Column(0), (std::vector<CString>{"a", "b", "c"}));
    EXPECT_EQ(dlg->m_list.GetSelectionMark(), 0);
    EXPECT_EQ(dlg->m_list.GetSelectedRow(), 0);
    EXPECT_EQ(Shown(IDC_EDIT_NOTES), "typed");
}

TEST_F(ColumnSortTest, HeaderArrowShowsTheDirectionUntilTheRowsChange) {
    AddTopToBottom({{"b"}, {"a"}});
    ClickHeader(0);
    EXPECT_EQ(dlg->m_list.GetSortArrowColumn(), 0);
    EXPECT_EQ(dlg->m_list.GetSortArrow(), SortArrow::Ascending);
    ClickHeader(0);
    EXPECT_EQ(dlg->m_list.GetSortArrow(), SortArrow::Descending);
    AddEntry(MakeEntry("c"));
    EXPECT_EQ(dlg->m_list.GetSortArrow(), SortArrow::None);
    EXPECT_EQ(dlg->m_list.GetSortArrowColumn(), -1);
}

}  // namespace
