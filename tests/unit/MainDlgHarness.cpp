#include "MainDlgHarness.h"

#include <unistd.h>

#include <cstdlib>

ScopedWorkDir::ScopedWorkDir() : m_previous(std::filesystem::current_path()) {
    // Memory-backed when available: every save flushes to the disk, which
    // real disks make slow.
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                           ? "/dev/shm"
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "halvenor-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_dir = pattern;
    std::filesystem::current_path(m_dir);
}

ScopedWorkDir::~ScopedWorkDir() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
    std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_dir, ignored);
}

void MainDlgHarness::Open() {
    dlg = std::make_unique<CMainDlg>();
    dlg->SetControlClientSize(IDC_LIST, 600, 150);
    dlg->InitDialog();
}

void MainDlgHarness::Close() {
    if (dlg && dlg->IsWindow()) dlg->DestroyDialog();
}

void MainDlgHarness::StartAfresh() {
    Close();
    std::filesystem::remove("hv.dat");
    Open();
}

void MainDlgHarness::TearDown() {
    Close();
    fake.boxes.VerifyAllShown();
}

void MainDlgHarness::TypeEntry(const Entry& entry) {
    for (size_t i = 0; i < kEditorIds.size(); ++i) Type(kEditorIds[i], entry[i]);
}

void MainDlgHarness::AddEntry(const Entry& entry) {
    TypeEntry(entry);
    Click(IDC_BUTTON_ADD);
}

void MainDlgHarness::ClickRow(int row) {
    dlg->m_list.SelectByUser(row);
    ClickBelowRows();
}

void MainDlgHarness::ClickBelowRows() {
    NMHDR header{IDC_LIST, NM_CLICK};
    dlg->SendNotify(header);
}

void MainDlgHarness::ClickHeader(int column) {
    NMLISTVIEW notification{{IDC_LIST, LVN_COLUMNCLICK}, -1, column};
    dlg->SendNotify(notification.hdr);
}

Entry MainDlgHarness::ShownEntry() const {
    Entry entry;
    for (size_t i = 0; i < kEditorIds.size(); ++i) entry[i] = Shown(kEditorIds[i]);
    return entry;
}

std::vector<Entry> MainDlgHarness::Rows() const {
    std::vector<Entry> rows;
    for (int r = 0; r < dlg->m_list.GetItemCount(); ++r) {
        Entry entry;
        for (int c = 0; c < 8; ++c) entry[static_cast<size_t>(c)] = dlg->m_list.GetItemText(r, c);
        rows.push_back(entry);
    }
    return rows;
}

std::vector<CString> MainDlgHarness::DropList(const CComboBox& combo) const {
    std::vector<CString> lines;
    for (int i = 0; i < combo.GetCount(); ++i) lines.push_back(combo.GetLBText(i));
    return lines;
}

Entry MakeEntry(const CString& item, const CString& supplier, const CString& status) {
    return Entry{item, status, "", "", supplier, "", "", ""};
}
