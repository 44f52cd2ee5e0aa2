// Drives the main dialog as the desktop front end would: the user's typing
// goes into the controls, clicks become messages.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "ui/MainDlg.h"

using Entry = std::array<CString, 8>;  // Item, Status, Cost, Date, Supplier,
                                       // Supplier Contact, Supplier Detail, Notes

// Runs the test in a fresh empty working directory of its own.
class ScopedWorkDir {
public:
    ScopedWorkDir();
    ~ScopedWorkDir();
    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;
    const std::filesystem::path& Path() const { return m_dir; }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_dir;
};

class MainDlgHarness : public ::testing::Test {
protected:
    void SetUp() override { Open(); }
    void TearDown() override;

    void Open();         // creates the window, as the dialog host does
    void Close();        // destroys the window, as the dialog host does once the dialog ended
    void StartAfresh();  // closes, forgets the saved entries and opens again

    void Type(int id, const CString& text) { dlg->GetDlgItem(id)->SetWindowText(text); }
    CString Shown(int id) const { return dlg->GetDlgItem(id)->GetWindowText(); }
    void Click(int id) { dlg->SendCommand(id); }
    void TypeEntry(const Entry& entry);
    void AddEntry(const Entry& entry);  // types it and presses Add
    void ClickRow(int row);             // selects the row and clicks it
    void ClickBelowRows();              // a click that hits no row
    void ClickHeader(int column);
    Entry ShownEntry() const;  // what the eight editor fields show
    std::vector<Entry> Rows() const;
    std::vector<CString> DropList(const CComboBox& combo) const;

    ScopedWorkDir workDir;
    FakePlatform fake;
    std::unique_ptr<CMainDlg> dlg;
};

inline constexpr std::array<int, 8> kEditorIds{IDC_COMBO_ITEM,
                                               IDC_COMBO_STATUS,
                                               IDC_EDIT_COST,
                                               IDC_EDIT_DATE,
                                               IDC_EDIT_SUPPLIER,
                                               IDC_EDIT_SUPPLIER_CONTACT,
                                               IDC_EDIT_SUPPLIER_DETAIL,
                                               IDC_EDIT_NOTES};

Entry MakeEntry(const CString& item, const CString& supplier = {}, const CString& status = {});
