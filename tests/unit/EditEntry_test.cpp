// Update, Remove and Clear, all acting on the selection mark.
#include "MainDlgHarness.h"

namespace {

class EditEntryTest : public MainDlgHarness {
protected:
    void SetUp() override {
        MainDlgHarness::SetUp();
        for (const char* item : {"C", "B", "A"}) AddEntry({item, "Paid", "1", "", "S", "", "", ""});
    }
};

TEST_F(EditEntryTest, UpdateWritesAllEightFieldsIntoTheMarkedRow) {
    ClickRow(2);
    Type(IDC_EDIT_COST, "250");
    Click(IDC_BUTTON_UPDATE);
    EXPECT_EQ(Rows()[2], (Entry{"C", "Paid", "250", "", "S", "", "", ""}));
    EXPECT_EQ(Rows()[0][2], "1");
    EXPECT_EQ(ShownEntry(), Entry{});
    EXPECT_EQ(Shown(IDC_EDIT_ITEM_COUNT), "3");
}

TEST_F(EditEntryTest, UpdateAcceptsADuplicatePairAndTeachesTheDropLists) {
    ClickRow(0);
    Type(IDC_COMBO_ITEM, "B");
    Type(IDC_COMBO_STATUS, "Ordered");
    Click(IDC_BUTTON_UPDATE);  // no question, although B/S is in row 1
    EXPECT_EQ(Rows()[0][0], "B");
    EXPECT_EQ(Rows()[1][0], "B");
    EXPECT_EQ(DropList(dlg->m_cbStatus), (std::vector<CString>{"Ordered", "Paid"}));
}

TEST_F(EditEntryTest, UpdateWithEmptyItemWritesNothingButEmptiesTheFields) {
    const auto before = Rows();
    ClickRow(1);
    Type(IDC_COMBO_ITEM, "");
    Type(IDC_EDIT_NOTES, "lost");
    Click(IDC_BUTTON_UPDATE);
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(ShownEntry(), Entry{});
}

TEST_F(EditEntryTest, UpdateAndRemoveWithoutAMarkChangeNoRow) {
    const auto before = Rows();
    TypeEntry({"New", "Due"});
    Click(IDC_BUTTON_UPDATE);
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(ShownEntry(), Entry{});
    EXPECT_EQ(DropList(dlg->m_cbItem), (std::vector<CString>{"A", "B", "C", "New"}));
    Click(IDC_BUTTON_REMOVE);
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(Shown(IDC_EDIT_ITEM_COUNT), "3");
}

TEST_F(EditEntryTest, RemoveDeletesTheMarkedRowAndKeepsItInTheFields) {
    ClickRow(2);
    const Entry removed = ShownEntry();
    Click(IDC_BUTTON_REMOVE);
    ASSERT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Rows()[1][0], "B");
    EXPECT_EQ(ShownEntry(), removed);
    EXPECT_EQ(Shown(IDC_EDIT_ITEM_COUNT), "2");
    EXPECT_EQ(DropList(dlg->m_cbItem).size(), 3u) << "drop lists never shrink";
    Click(IDC_BUTTON_REMOVE);
    EXPECT_EQ(Rows().size(), 2u) << "the removed row took the mark with it";
}

TEST_F(EditEntryTest, RemoveTheOnlyRowLeavesAnEmptyTable) {
    for (int i = 0; i < 3; ++i) {
        ClickRow(0);
        Click(IDC_BUTTON_REMOVE);
    }
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(Shown(IDC_EDIT_ITEM_COUNT), "0");
}

TEST_F(EditEntryTest, UpdateAfterASortActsOnWhateverStandsAtTheMark) {
    ClickRow(0);     // A
    ClickHeader(0);  // A B C ascending: reversed to C B A
    Type(IDC_EDIT_NOTES, "changed");
    Click(IDC_BUTTON_UPDATE);
    EXPECT_EQ(Rows()[0][0], "A");
    EXPECT_EQ(Rows()[0][7], "changed");
    EXPECT_EQ(Rows()[2][0], "A");
}

TEST_F(EditEntryTest, ClearEmptiesTheFieldsOnly) {
    const auto before = Rows();
    ClickRow(1);
    Type(IDC_EDIT_NOTES, "half typed");
    Click(IDC_BUTTON_CLEAR);
    EXPECT_EQ(ShownEntry(), Entry{});
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(Shown(IDC_EDIT_ITEM_COUNT), "3");
    EXPECT_EQ(dlg->m_list.GetSelectionMark(), 1);
    EXPECT_EQ(DropList(dlg->m_cbItem).size(), 3u);
}

}  // namespace
