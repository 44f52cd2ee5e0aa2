// Fuzzes the reader of hv.dat through the dialog's own load path: the
// input becomes hv.dat, the main dialog opens over it and is closed again,
// which saves. What must hold for any input:
//  - no crash, no memory error, no undefined behaviour, no message box;
//  - every loaded row has an Item, and every cell is valid UTF-8 without a
//    line feed or trailing white space;
//  - the item count shown matches the table;
//  - the save is stable: reading what was saved gives the same rows, and
//    saving those again gives the same bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "HeadlessPlatform.h"
#include "storage/TextDecoding.h"
#include "ui/MainDlg.h"

namespace {

using Row = std::vector<std::string>;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void Check(bool holds, const char* what) {
    if (!holds) Fail(what);
}

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const char* path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Check(out.good(), "hv.dat could not be written");
}

// Opens the dialog over hv.dat, checks what it shows, closes it (which
// saves) and returns the rows it had.
std::vector<Row> OpenAndClose() {
    auto dlg = std::make_unique<CMainDlg>();
    dlg->SetControlClientSize(IDC_LIST, 600, 150);
    dlg->InitDialog();
    std::vector<Row> rows;
    for (int r = 0; r < dlg->m_list.GetItemCount(); ++r) {
        Row row;
        for (int c = 0; c < 8; ++c) {
            const std::string& cell = dlg->m_list.ItemText(r, c);
            Check(IsValidUtf8(cell), "a cell is not valid UTF-8");
            Check(cell.find('\n') == std::string::npos, "a cell holds a line feed");
            Check(cell.empty() || std::string(" \t\r\n\v\f").find(cell.back()) == std::string::npos,
                  "a cell ends in white space");
            row.push_back(cell);
        }
        Check(!row[0].empty(), "a row has no Item");
        rows.push_back(std::move(row));
    }
    Check(dlg->GetDlgItem(IDC_EDIT_ITEM_COUNT)->GetWindowText() == std::to_string(rows.size()),
          "the item count does not match the table");
    dlg->DestroyDialog();
    return rows;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A working folder of its own, memory-backed where possible: every save
    // flushes to the disk.
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    static std::string folder = (base / "halvenor-fuzz-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr || chdir(folder.c_str()) != 0) Fail("no working folder");
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static halvenor_support::HeadlessPlatform platform(
        [](const CString& text, const CString& caption, UINT) -> int {
            std::fprintf(stderr, "message box \"%s\" captioned \"%s\"\n", text.c_str(),
                         caption.c_str());
            Fail("a message box was shown");
        });

    WriteFile("hv.dat", data, size);
    const std::vector<Row> loaded = OpenAndClose();
    const std::string saved = ReadFile("hv.dat");
    const std::vector<Row> reloaded = OpenAndClose();
    Check(reloaded == loaded, "reading the saved file gives other rows than the first read");
    Check(ReadFile("hv.dat") == saved, "saving the same rows again gives other bytes");
    return 0;
}
