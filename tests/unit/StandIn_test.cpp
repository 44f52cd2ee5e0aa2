// The framework stand-in: list view, combo box, edit boxes and data exchange.
#include <iterator>

#include "FakePlatform.h"
#include "afx/CaseFold.h"
#include "afx/ComboBox.h"
#include "afx/DataExchange.h"
#include "afx/ListCtrl.h"

namespace {

ControlTemplate Control(int id, ControlKind kind) {
    return ControlTemplate{id, kind, "", {0, 0, 200, 100}, 0, 0};
}

// A created list with one column "A" of the given rows, top first.
class ListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override { list.CreateFromTemplate(Control(1000, ControlKind::ListView)); }
    void Fill(std::initializer_list<const char*> topToBottom) {
        list.InsertColumn(0, "A");
        for (auto it = std::rbegin(topToBottom); it != std::rend(topToBottom); ++it)
            list.InsertItem(LVIF_TEXT, 0, *it);
    }
    FakePlatform fake;
    CListCtrl list;
};

TEST_F(ListCtrlTest, InsertAtTopShiftsRowsSelectionAndMark) {
    list.InsertColumn(0, "A");
    list.InsertColumn(1, "B");
    list.InsertItem(LVIF_TEXT, 0, "first");
    list.SetItemText(0, 1, "x");
    list.SelectByUser(0);
    list.InsertItem(LVIF_TEXT, 0, "second");
    EXPECT_EQ(list.GetItemText(0, 0), "second");
    EXPECT_EQ(list.GetItemText(1, 0), "first");
    EXPECT_EQ(list.GetItemText(1, 1), "x");
    EXPECT_EQ(list.GetSelectionMark(), 1);
    EXPECT_EQ(list.GetSelectedRow(), 1);
}

TEST_F(ListCtrlTest, RowIndexesThatNameNoRowChangeNothing) {
    Fill({"only"});
    EXPECT_FALSE(list.SetItemText(-1, 0, "x"));
    EXPECT_FALSE(list.SetItemText(1, 0, "x"));
    EXPECT_FALSE(list.SetItemText(0, 5, "x"));
    EXPECT_FALSE(list.DeleteItem(-1));
    EXPECT_FALSE(list.DeleteItem(1));
    EXPECT_EQ(list.GetItemText(7, 0), "");
    EXPECT_EQ(list.GetItemCount(), 1);
    EXPECT_EQ(list.GetItemText(0, 0), "only");
}

TEST_F(ListCtrlTest, DeletingTheMarkedRowClearsTheMarkAndRowsBelowMoveUp) {
    Fill({"a", "b", "c"});
    list.SelectByUser(2);
    list.DeleteItem(0);
    EXPECT_EQ(list.GetSelectionMark(), 1) << "the mark follows its row";
    list.DeleteItem(1);
    EXPECT_EQ(list.GetSelectionMark(), -1);
    EXPECT_EQ(list.GetItemCount(), 1);
    EXPECT_EQ(list.GetItemText(0, 0), "b");
}

TEST_F(ListCtrlTest, AutosizeFollowsTheWidestCellAsCellsComeAndGo) {
    list.InsertColumn(0, "Title");
    auto autosize = [&] {
        list.SetColumnWidth(0, LVSCW_AUTOSIZE);
        return list.GetColumnWidth(0);
    };
    EXPECT_EQ(autosize(), fake.measure.CellWidth(""));
    list.InsertItem(LVIF_TEXT, 0, "a long text");
    list.InsertItem(LVIF_TEXT, 0, "short");
    list.InsertItem(LVIF_TEXT, 0, "a long text");
    EXPECT_EQ(autosize(), fake.measure.CellWidth("a long text"));
    list.DeleteItem(0);
    EXPECT_EQ(autosize(), fake.measure.CellWidth("a long text")) << "one long cell is left";
    list.SetItemText(1, 0, "tiny");
    EXPECT_EQ(autosize(), fake.measure.CellWidth("short"));
    list.SetColumnWidth(0, 1 << 20);
    EXPECT_EQ(list.GetColumnWidth(0), kMaxColumnWidth);
}

TEST_F(ListCtrlTest, UseHeaderFitsTheTitleAndTheLastColumnFillsTheRest) {
    list.SetClientSize(300, 100);
    list.InsertColumn(0, "Item");
    list.InsertColumn(1, "Notes");
    list.SetColumnWidth(0, 100);
    list.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(list.GetColumnWidth(1), 200);
    list.SetColumnWidth(0, 295);
    list.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(list.GetColumnWidth(1), fake.measure.HeaderWidth("Notes"));
    list.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_EQ(list.GetColumnWidth(0), fake.measure.HeaderWidth("Item"));
}

TEST_F(ListCtrlTest, MoveRowsKeepsSelectionOnItsPositionAndRefusesNonPermutations) {
    Fill({"a", "b", "c"});
    list.SelectByUser(0);
    EXPECT_FALSE(list.MoveRows({0, 0, 1}));
    EXPECT_FALSE(list.MoveRows({0, 1}));
    EXPECT_TRUE(list.MoveRows({2, 0, 1}));
    EXPECT_EQ(list.GetItemText(0, 0), "c");
    EXPECT_EQ(list.GetItemText(1, 0), "a");
    EXPECT_EQ(list.GetSelectionMark(), 0);
}

TEST(ComboBoxTest, KeepsLinesSortedIgnoringCase) {
    CComboBox combo;
    for (const char* t : {"pears", "Apples", "banana", "apple"}) combo.AddString(t);
    std::vector<CString> lines;
    for (int i = 0; i < combo.GetCount(); ++i) lines.push_back(combo.GetLBText(i));
    EXPECT_EQ(lines, (std::vector<CString>{"apple", "Apples", "banana", "pears"}));
}

TEST(ComboBoxTest, FindStringExactComparesWholeLinesIgnoringCase) {
    CComboBox combo;
    for (const char* t : {"Paid", "Ordered", "Ärger", ""}) combo.AddString(t);
    EXPECT_EQ(combo.GetLBText(combo.FindStringExact(0, "PAID")), "Paid");
    EXPECT_EQ(combo.GetLBText(combo.FindStringExact(0, "ärger")), "Ärger");
    EXPECT_EQ(combo.GetLBText(combo.FindStringExact(0, "")), "");
    EXPECT_EQ(combo.FindStringExact(0, "Pai"), CB_ERR);
    EXPECT_EQ(combo.FindStringExact(0, "Paid "), CB_ERR);
    CComboBox empty;
    EXPECT_EQ(empty.FindStringExact(0, ""), CB_ERR);
}

TEST(ComboBoxTest, SelectStringTakesTheFirstLineBeginningWithTheText) {
    CComboBox combo;
    combo.CreateFromTemplate(Control(1, ControlKind::ComboBox));
    for (const char* t : {"Paid in full", "Paid", "Ordered"}) combo.AddString(t);
    EXPECT_EQ(combo.SelectString(-1, "pa"), 1);
    EXPECT_EQ(combo.GetWindowText(), "Paid");
    EXPECT_EQ(combo.SelectString(-1, "PAID I"), 2);
    EXPECT_EQ(combo.GetWindowText(), "Paid in full");
    EXPECT_EQ(combo.SelectString(-1, "x"), CB_ERR);
    EXPECT_EQ(combo.GetWindowText(), "Paid in full");
}

TEST(CaseFoldTest, FoldsLettersAndKeepsOtherBytes) {
    EXPECT_EQ(FoldCase("ABC xyz 09"), "abc xyz 09");
    EXPECT_EQ(FoldCase("ÄÖÜ ÉŁΩЖ"), "äöü éłωж");
    EXPECT_EQ(FoldCase("\xC3\x28\xFF"), "\xC3\x28\xFF");
    EXPECT_TRUE(StartsWithIgnoringCase("Über", "üb"));
}

TEST(EditBoxTest, LineBreaksBecomeSpaces) {
    CWnd edit;
    edit.CreateFromTemplate(Control(1, ControlKind::Edit));
    edit.SetWindowText("one\r\ntwo\nthree\rfour");
    EXPECT_EQ(edit.GetWindowText(), "one two three four");
    CWnd label;
    label.CreateFromTemplate(Control(2, ControlKind::Label));
    label.SetWindowText("a\nb");
    EXPECT_EQ(label.GetWindowText(), "a\nb");
}

}  // namespace
