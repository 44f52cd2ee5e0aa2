// The data file "hv.dat": read when the dialog opens, written when its
// window is destroyed.
//
// Each entry is a block of eight key=value lines in column order; blocks
// are separated by one empty line, the first is preceded by the header
// line, and they list the table from its bottom row up, so that inserting
// each entry read at the top gives back the table's order.
#include <algorithm>
#include <array>
#include <string_view>

#include "storage/SafeFile.h"
#include "storage/TextDecoding.h"
#include "ui/MainDlg.h"

namespace {

constexpr const char kDataFileName[] = "hv.dat";
constexpr const char kHeader[] = "CREATOR=HV 1.0";
constexpr std::array<const char*, 8> kKeys{
    "ITEM", "STATUS", "COST", "DATE", "SUPPLIER", "SUPPLIERCONTACT", "SUPPLIERDETAIL", "NOTES"};
constexpr std::string_view kTrailingSpace = " \t\r\n\v\f";

// A value never breaks its line, whatever it holds.
void AppendValue(std::string& out, const CString& value) {
    if (value.find_first_of("\r\n") == CString::npos) {
        out += value;
        return;
    }
    for (const char c : value) out += (c == '\r' || c == '\n') ? ' ' : c;
}

}  // namespace

void CMainDlg::SaveDataFile() {
    m_list.SetRedraw(FALSE);
    ClearEditorFields();
    UpdateData(TRUE);

    // The whole file is built first, so that a failure leaves the old file.
    std::string content;
    const int n = m_list.GetItemCount();
    if (n > 0) content = kHeader;
    for (int row = n - 1; row >= 0; --row) {
        for (size_t c = 0; c < kKeys.size(); ++c) {
            content += '\n';
            content += kKeys[c];
            content += '=';
            AppendValue(content, m_list.ItemText(row, static_cast<int>(c)));
        }
        content += '\n';
    }
    if (!ReplaceFile(kDataFileName, ToCrLf(content)))
        MessageBox("Save to File", "Error Writing File", MB_OK);

    m_list.SetRedraw(TRUE);
    m_list.Invalidate(TRUE);
    ClearEditorFields();
    UpdateData(FALSE);
}

void CMainDlg::LoadDataFile() {
    UpdateData(TRUE);
    std::string content;
    if (ReadOrCreateFile(kDataFileName, content)) {
        std::string_view rest = content;
        while (!rest.empty()) {
            const auto end = rest.find('\n');
            const std::string_view line = rest.substr(0, end);
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
            HandleDataFileLine(DecodeText(line));
        }
    }
    if (!m_strItem.empty()) AddLoadedEntry();
    ClearEditorFields();
    UpdateItemCount();
}

void CMainDlg::HandleDataFileLine(std::string line) {
    line.erase(line.find_last_not_of(kTrailingSpace) + 1);
    // A carriage return left inside the line reads as the space the writer
    // would make of it, so that the first save does not change the value.
    std::replace(line.begin(), line.end(), '\r', ' ');
    const auto equals = line.find('=');
    const std::string_view key = std::string_view(line).substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : line.substr(equals + 1);
    if (key == kKeys[0]) {
        if (!m_strItem.empty()) AddLoadedEntry();
        // Each ITEM line starts a fresh entry.
        for (CString* field : EditorFields()) field->clear();
        m_strItem = value;
        return;
    }
    for (size_t c = 1; c < kKeys.size(); ++c) {
        if (key == kKeys[c]) {
            *EditorFields()[c] = value;
            return;
        }
    }
}

// The staged entry goes into the table exactly as read: it is not shown in
// the combo boxes first, whose display would replace a value by a list line
// that merely begins with it.
void CMainDlg::AddLoadedEntry() {
    if (m_strItem.empty()) return;
    AddToDropLists();
    InsertEntryAtTop();
    AutoSizeColumns();
    m_nItemCount = m_list.GetItemCount();
}
