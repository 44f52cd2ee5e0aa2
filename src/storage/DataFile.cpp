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
constexpr std::array<std::string_view, 8> kKeys{
    "ITEM", "STATUS", "COST", "DATE", "SUPPLIER", "SUPPLIERCONTACT", "SUPPLIERDETAIL", "NOTES"};
// What stands before each value in a block: a line end, the key and "=".
constexpr std::array<std::string_view, 8> kValueLeads{
    "\r\nITEM=",     "\r\nSTATUS=",          "\r\nCOST=",           "\r\nDATE=",
    "\r\nSUPPLIER=", "\r\nSUPPLIERCONTACT=", "\r\nSUPPLIERDETAIL=", "\r\nNOTES="};
constexpr std::string_view kTrailingSpace = " \t\r\n\v\f";
constexpr std::string_view kLineEnd = "\r\n";

// A value never breaks its line, whatever it holds; spare keeps a changed
// copy.
std::string_view SingleLineValue(const CString& value, std::string& spare) {
    if (value.find('\n') == CString::npos && value.find('\r') == CString::npos) return value;
    spare = value;
    std::replace(spare.begin(), spare.end(), '\r', ' ');
    std::replace(spare.begin(), spare.end(), '\n', ' ');
    return spare;
}

}  // namespace

void CMainDlg::SaveDataFile() {
    m_list.SetRedraw(FALSE);
    ClearEditorFields();
    UpdateData(TRUE);

    // The new file takes the old one's place only once it is complete.
    SafeFileWriter file(kDataFileName);
    const int n = m_list.GetItemCount();
    if (n > 0) file.Write(kHeader);
    std::string value;
    for (int row = n - 1; row >= 0; --row) {
        for (size_t c = 0; c < kKeys.size(); ++c) {
            file.Write(kValueLeads[c]);
            file.Write(SingleLineValue(m_list.ItemText(row, static_cast<int>(c)), value));
        }
        file.Write(kLineEnd);
    }
    if (!file.Commit()) MessageBox("Save to File", "Error Writing File", MB_OK);

    m_list.SetRedraw(TRUE);
    m_list.Invalidate(TRUE);
    ClearEditorFields();
    UpdateData(FALSE);
}

void CMainDlg::LoadDataFile() {
    UpdateData(TRUE);
    ReadOrCreateFileLines(kDataFileName,
                          [this](std::string_view line) { HandleDataFileLine(line); });
    if (!m_strItem.empty()) AddLoadedEntry();
    ClearEditorFields();
    UpdateItemCount();
}

void CMainDlg::HandleDataFileLine(std::string_view line) {
    line = line.substr(0, line.find_last_not_of(kTrailingSpace) + 1);
    // Lines of an older 8-bit program are decoded; a carriage return left
    // inside a line reads as the space the writer would make of it, so that
    // the first save does not change the value.
    std::string decoded;
    if (line.find('\r') != std::string_view::npos || !IsValidUtf8(line)) {
        decoded = DecodeText(line);
        std::replace(decoded.begin(), decoded.end(), '\r', ' ');
        line = decoded;
    }
    const auto equals = line.find('=');
    const std::string_view key = line.substr(0, equals);
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
    if (key == kKeys[0]) {
        if (!m_strItem.empty()) AddLoadedEntry();
        // Each ITEM line starts a fresh entry.
        for (CString* field : EditorFields()) field->clear();
        m_strItem.assign(value);
        return;
    }
    for (size_t c = 1; c < kKeys.size(); ++c) {
        if (key == kKeys[c]) {
            EditorFields()[c]->assign(value);
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
