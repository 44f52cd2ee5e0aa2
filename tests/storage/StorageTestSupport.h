// Helpers for the tests that push the data file to its limits: a main
// dialog loaded with a large generated table, and the working directory's
// leftovers.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "FileFixtures.h"
#include "GeneratedTable.h"
#include "MainDlgHarness.h"

namespace storage_test {

// Opens a dialog over a generated table of the given size. hv.dat holds
// that table while the dialog opens and is then replaced by oldBytes, so
// that the next save puts the table back over something else.
inline std::unique_ptr<CMainDlg> OpenGeneratedTable(std::size_t rows, std::uint32_t seed,
                                                    const std::string& oldBytes,
                                                    std::string* tableBytes = nullptr) {
    const std::string text =
        halvenor_support::DataFileText(halvenor_support::GenerateRows(rows, seed));
    WriteBytes("hv.dat", text);
    auto dlg = std::make_unique<CMainDlg>();
    dlg->SetControlClientSize(IDC_LIST, 600, 150);
    dlg->InitDialog();
    WriteBytes("hv.dat", oldBytes);
    if (tableBytes) *tableBytes = text;
    return dlg;
}

// Names in the working directory other than hv.dat.
inline std::vector<std::string> OtherFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.path().filename() != "hv.dat") names.push_back(entry.path().filename().string());
    return names;
}

}  // namespace storage_test
