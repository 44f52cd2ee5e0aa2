// Start-up, window chrome, Help, the row click and the ways the dialog ends.
#include <algorithm>

#include "MainDlgHarness.h"
#include "ProductInfo.h"
#include "afx/Resources.h"
#include "app/MainApp.h"

namespace {

class MainDlgTest : public MainDlgHarness {};

TEST_F(MainDlgTest, OpensWithEightColumnsFittedToTheirTitles) {
    const char* titles[] = {
        "Item", "Status", "Cost", "Date", "Supplier", "Supplier Contact", "Supplier Detail",
        "Notes"};
    ASSERT_EQ(dlg->m_list.GetColumnCount(), 8);
    int used = 0;
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(dlg->m_list.GetColumnTitle(c), titles[c]);
        EXPECT_EQ(dlg->m_list.GetColumnWidth(c), fake.measure.HeaderWidth(titles[c]));
        used += dlg->m_list.GetColumnWidth(c);
    }
    EXPECT_EQ(dlg->m_list.GetColumnTitle(7), "Notes");
    EXPECT_EQ(dlg->m_list.GetColumnWidth(7), 600 - used) << "Notes reaches the right edge";
    EXPECT_EQ(dlg->m_list.GetExtendedStyle(), LVS_EX_FULLROWSELECT);
    EXPECT_EQ(Shown(IDC_EDIT_ITEM_COUNT), "0");
    EXPECT_EQ(ShownEntry(), Entry{});
    EXPECT_EQ(dlg->GetIcon(TRUE), AfxLoadIcon(IDR_MAINFRAME));
    EXPECT_EQ(dlg->GetIcon(FALSE), AfxLoadIcon(IDR_MAINFRAME));
}

TEST_F(MainDlgTest, SystemMenuEndsWithAboutWhichOpensTheAboutBox) {
    const auto& items = dlg->GetSystemMenu(FALSE)->Items();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[items.size() - 2].flags, MF_SEPARATOR);
    EXPECT_EQ(items.back().text, "&About Halvenor...");
    EXPECT_EQ(items.back().id, 16u);

    AddEntry(MakeEntry("Cake"));
    Type(IDC_EDIT_NOTES, "typed");
    fake.host.OnDialog(IDD_ABOUTBOX, [](CDialog& about) { about.SendCommand(IDOK); });
    dlg->SendSysCommand(items.back().id);
    EXPECT_EQ(fake.host.Runs(), std::vector<int>{IDD_ABOUTBOX});
    EXPECT_FALSE(dlg->HasEnded());
    EXPECT_EQ(Shown(IDC_EDIT_NOTES), "typed");
    EXPECT_EQ(Rows().size(), 1u);
}

TEST_F(MainDlgTest, HelpOpensTheHomePageAndKeepsTheFields) {
    Type(IDC_EDIT_COST, "12");
    Click(IDC_BUTTON_HELP);
    EXPECT_EQ(fake.shell.opened, std::vector<CString>{kHomePage});
    EXPECT_EQ(Shown(IDC_EDIT_COST), "12");
}

TEST_F(MainDlgTest, QuitAndCancelEndTheDialog) {
    struct Case {
        const char* how;
        std::function<void(CMainDlg&)> act;
        int result;
    };
    const Case cases[] = {
        {"Quit or Enter", [](CMainDlg& d) { d.SendCommand(IDOK); }, IDOK},
        {"Escape", [](CMainDlg& d) { d.SendCommand(IDCANCEL); }, IDCANCEL},
        {"close request", [](CMainDlg& d) { d.SendSysCommand(SC_CLOSE); }, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        StartAfresh();
        c.act(*dlg);
        EXPECT_TRUE(dlg->HasEnded());
        EXPECT_EQ(dlg->GetModalResult(), c.result);
    }
}

TEST_F(MainDlgTest, ButtonsWithoutAHandlerDoNothing) {
    AddEntry(MakeEntry("Cake"));
    Type(IDC_EDIT_NOTES, "typed");
    Click(1234);
    EXPECT_FALSE(dlg->HasEnded());
    EXPECT_EQ(Shown(IDC_EDIT_NOTES), "typed");
}

TEST_F(MainDlgTest, RowClickLoadsTheRowAtTheSelectionMark) {
    const Entry a{"A", "Paid", "1", "2004-03-05", "S", "C", "D", "N"};
    AddEntry(a);
    AddEntry(MakeEntry("B"));
    Type(IDC_EDIT_NOTES, "unsaved");
    ClickRow(1);
    EXPECT_EQ(ShownEntry(), a);

    Type(IDC_COMBO_ITEM, "");
    dlg->m_list.DeselectByUser();  // GTK drops the highlight on a click below the rows
    ClickBelowRows();
    EXPECT_EQ(ShownEntry(), a);

    dlg->m_list.SelectByUser(0);  // a keyboard move loads nothing
    EXPECT_EQ(ShownEntry(), a);
    EXPECT_EQ(dlg->m_list.GetSelectionMark(), 0);
}

TEST_F(MainDlgTest, ClickWithoutSelectionMarkKeepsTheFields) {
    AddEntry(MakeEntry("A"));
    Type(IDC_EDIT_NOTES, "typed");
    ClickBelowRows();
    EXPECT_EQ(Shown(IDC_EDIT_NOTES), "typed");
}

TEST_F(MainDlgTest, ComboShowsTheListLineThatMatchesIgnoringCase) {
    AddEntry(MakeEntry("Cake", "", "Paid"));
    AddEntry(MakeEntry("Pie", "", "PAID"));
    ClickRow(0);
    EXPECT_EQ(Shown(IDC_COMBO_STATUS), "Paid");
    EXPECT_EQ(Rows()[0][1], "PAID");
}

TEST_F(MainDlgTest, LongCellTextComesBackWhole) {
    Entry entry = MakeEntry("Cake");
    entry[7] = std::string(5000, 'n') + "end";
    AddEntry(entry);
    ClickRow(0);
    EXPECT_EQ(Shown(IDC_EDIT_NOTES), entry[7]);
}

TEST_F(MainDlgTest, MinimisedIconIsCentredWithTheOddPixelLeftAndTop) {
    dlg->SetClientSize(101, 100);
    dlg->SetIconic(true);
    dlg->SendMessage(WM_PAINT);
    const auto& ops = dlg->LastPaint();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].kind, PaintOp::Kind::EraseIconBackground);
    EXPECT_EQ(ops[1].kind, PaintOp::Kind::DrawIcon);
    EXPECT_EQ(ops[1].x, 35);
    EXPECT_EQ(ops[1].y, 34);
    EXPECT_EQ(ops[1].icon, dlg->m_hIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(dlg->SendMessage(WM_QUERYDRAGICON)), dlg->m_hIcon);
}

TEST(MainAppTest, SocketFailureShowsTheBoxAndNoWindow) {
    ScopedWorkDir dir;
    FakePlatform fake;
    fake.sockets.works = false;
    CMainApp app;
    fake.boxes.Expect("Windows sockets initialization failed.", AfxGetAppName(),
                      MB_OK | MB_ICONEXCLAMATION, IDOK);
    EXPECT_EQ(app.InitInstance(), FALSE);
    EXPECT_TRUE(fake.host.Runs().empty());
    fake.boxes.VerifyAllShown();
}

TEST(MainAppTest, RunsTheMainDialogModallyAndReturnsFalse) {
    ScopedWorkDir dir;
    FakePlatform fake;
    CMainApp app;
    bool focusable = false;
    fake.host.OnDialog(IDD_MAIN_DIALOG, [&](CDialog& d) {
        focusable = d.GetControls().front()->GetDlgCtrlID() == IDC_COMBO_ITEM;
        d.SendCommand(IDOK);
    });
    EXPECT_EQ(app.InitInstance(), FALSE);
    EXPECT_EQ(fake.host.Runs(), std::vector<int>{IDD_MAIN_DIALOG});
    EXPECT_TRUE(focusable) << "the Item box is first in tab order";
}

TEST(AppNameTest, IsTheExecutableNameWithoutDirectoryAndExtension) {
    EXPECT_EQ(AppNameFromPath("/usr/bin/halvenor"), "halvenor");
    EXPECT_EQ(AppNameFromPath("/opt/x/hv.v2.exe"), "hv.v2");
    EXPECT_EQ(AppNameFromPath("/opt/.hidden"), ".hidden");
}

}  // namespace
