// Times the data file and the header-click sort on a large generated table
// and prints the figures beside reference programs and the targets.
//
//   halvenor_bench [--rows N] [--runs N] [--dir FOLDER]
//
// Each figure is the median of the runs. The program works in a fresh
// folder inside FOLDER (default: the system's temporary folder), which it
// removes at the end; put FOLDER on the disk the program's users have, as
// the save's flush to the disk depends on it.
#include <fcntl.h>
#include <spawn.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "GeneratedTable.h"
#include "HeadlessPlatform.h"
#include "storage/SafeFile.h"
#include "ui/MainDlg.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Runs a program with its output to /dev/null; its wall time in seconds,
// or a negative value when it could not run or failed.
double TimeProgram(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const double seconds = SecondsSince(start);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

// The save's file work without the flushes: temporary file, write, close,
// rename - what ReplaceFile does, less its two fsync calls.
bool ReplaceWithoutFlush(const std::string& path, const std::string& bytes) {
    std::string temp = "." + path + ".XXXXXX";
    const int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const ssize_t n = write(fd, rest.data(), rest.size());
        if (n <= 0) break;
        rest.remove_prefix(static_cast<size_t>(n));
    }
    const bool ok = close(fd) == 0 && rest.empty();
    return ok && rename(temp.c_str(), path.c_str()) == 0;
}

std::string FileSystemOf(const fs::path& folder) {
    struct statfs st {};
    if (statfs(folder.c_str(), &st) != 0) return "unknown";
    switch (static_cast<unsigned long>(st.f_type)) {
        case 0x01021994UL: return "tmpfs (memory)";
        case 0xEF53UL: return "ext2/3/4";
        case 0x9123683EUL: return "btrfs";
        case 0x58465342UL: return "xfs";
        case 0x794C7630UL: return "overlayfs";
        default: {
            char hex[32];
            std::snprintf(hex, sizeof hex, "type 0x%lx", static_cast<unsigned long>(st.f_type));
            return hex;
        }
    }
}

void ClickHeader(CMainDlg& dlg, int column) {
    NMLISTVIEW notification{{IDC_LIST, LVN_COLUMNCLICK}, -1, column};
    dlg.SendNotify(notification.hdr);
}

struct Figure {
    std::string name;
    double seconds;
    std::string reference;  // what it is compared with, and the target
    double limit;           // target in seconds; negative when there is none
};

void Print(const Figure& f) {
    char line[256];
    if (f.limit >= 0) {
        std::snprintf(line, sizeof line, "%-44s %10.1f ms   target <= %8.1f ms (%s)  %s\n",
                      f.name.c_str(), f.seconds * 1000, f.limit * 1000, f.reference.c_str(),
                      f.seconds <= f.limit ? "met" : "NOT MET");
    } else {
        std::snprintf(line, sizeof line, "%-44s %10.1f ms   %s\n", f.name.c_str(), f.seconds * 1000,
                      f.reference.c_str());
    }
    std::fputs(line, stdout);
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t rowCount = 100000;
    int runs = 5;
    fs::path base = fs::temp_directory_path();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--rows")
            rowCount = std::strtoul(argv[i + 1], nullptr, 10);
        else if (option == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--dir")
            base = argv[i + 1];
        else {
            std::fprintf(stderr, "usage: %s [--rows N] [--runs N] [--dir FOLDER]\n", argv[0]);
            return 2;
        }
    }
    if (argc % 2 == 0) {
        std::fprintf(stderr, "usage: %s [--rows N] [--runs N] [--dir FOLDER]\n", argv[0]);
        return 2;
    }

    std::string pattern = (base / "halvenor-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path folder = pattern;
    const fs::path previous = fs::current_path();
    fs::current_path(folder);

    // The report's Yes/No question is answered No; any other box is noted.
    int unexpectedBoxes = 0;
    halvenor_support::HeadlessPlatform platform(
        [&](const CString& text, const CString&, UINT type) {
            if ((type & MB_TYPEMASK) == MB_YESNO) return IDNO;
            std::fprintf(stderr, "message box: %s\n", text.c_str());
            ++unexpectedBoxes;
            return IDOK;
        });
    std::error_code noTemplates;
    for (const char* name : {"ReportOutside.htm", "ReportInside.htm"})
        fs::copy_file(fs::path(HALVENOR_EXAMPLES_DIR) / name, name, noTemplates);

    const auto rows = halvenor_support::GenerateRows(rowCount, 20261211);
    const std::string fileText = halvenor_support::DataFileText(rows);
    {
        std::string tsv;
        for (const auto& row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (c) tsv += '\t';
                tsv += row[c];
            }
            tsv += '\n';
        }
        WriteFile("rows.tsv", tsv);
    }

    std::printf("Halvenor benchmark: %zu entries, hv.dat of %.1f MB, median of %d runs\n", rowCount,
                static_cast<double>(fileText.size()) / 1e6, runs);
    std::printf("working folder %s on %s\n\n", folder.c_str(), FileSystemOf(folder).c_str());

    constexpr std::array<int, 2> kSortColumns{0,
                                              4};  // Item (mostly distinct), Supplier (many ties)
    std::vector<double> load, save, report;
    std::array<std::vector<double>, 2> sortShuffled, sortReverse;
    for (int run = 0; run < runs; ++run) {
        for (std::size_t s = 0; s < kSortColumns.size(); ++s) {
            WriteFile("hv.dat", fileText);
            auto dlg = std::make_unique<CMainDlg>();
            dlg->SetControlClientSize(IDC_LIST, 600, 150);
            auto start = Clock::now();
            dlg->InitDialog();
            if (s == 0) load.push_back(SecondsSince(start));

            start = Clock::now();
            ClickHeader(*dlg, kSortColumns[s]);
            sortShuffled[s].push_back(SecondsSince(start));
            start = Clock::now();
            ClickHeader(*dlg, kSortColumns[s]);  // already ascending: reversed
            sortReverse[s].push_back(SecondsSince(start));

            if (s == 0) {
                start = Clock::now();
                dlg->GenerateReport();
                report.push_back(SecondsSince(start));
                start = Clock::now();
                dlg->SaveDataFile();
                save.push_back(SecondsSince(start));
            }
            dlg->DestroyDialog();  // saves once more, untimed
        }
    }

    // The save's parts: the file work with and without the flushes, on the
    // bytes a save writes.
    std::string bytes;
    ReadOrCreateFile("hv.dat", bytes);
    std::vector<double> replace, replaceNoFlush, cat;
    for (int run = 0; run < runs; ++run) {
        auto start = Clock::now();
        ReplaceFile("hv.dat", bytes);
        replace.push_back(SecondsSince(start));
        start = Clock::now();
        ReplaceWithoutFlush("hv.dat", bytes);
        replaceNoFlush.push_back(SecondsSince(start));
        cat.push_back(TimeProgram({"cat", "hv.dat"}));
    }

    std::array<std::vector<double>, 2> gnuSort;
    for (int run = 0; run < runs; ++run)
        for (std::size_t s = 0; s < kSortColumns.size(); ++s) {
            const std::string key = std::to_string(kSortColumns[s] + 1);
            gnuSort[s].push_back(TimeProgram(
                {"env", "LC_ALL=C", "sort", "-s", "-t\t", "-k" + key + "," + key, "rows.tsv"}));
        }

    const double catTime = Median(cat);
    std::printf("%-44s %10s\n", "", "time");
    for (std::size_t s = 0; s < kSortColumns.size(); ++s) {
        const std::string column = s == 0 ? "Item" : "Supplier";
        const double gnu = Median(gnuSort[s]);
        Print({"sort by " + column + ", shuffled rows", Median(sortShuffled[s]), "half of GNU sort",
               gnu / 2});
        Print({"sort by " + column + ", already sorted (reversal)", Median(sortReverse[s]),
               "half of GNU sort", gnu / 2});
        Print({"  reference: LC_ALL=C sort -s -k" + std::to_string(kSortColumns[s] + 1) +
                   " of the TSV",
               gnu, "", -1});
    }
    Print({"load hv.dat (dialog opening)", Median(load), "10x cat", 10 * catTime});
    Print({"save hv.dat (whole SaveDataFile)", Median(save), "10x cat", 10 * catTime});
    Print({"  of which ReplaceFile (write + 2 fsync)", Median(replace), "", -1});
    Print({"  of which the same without fsync", Median(replaceNoFlush), "", -1});
    Print({"  so the fsync calls take about",
           std::max(0.0, Median(replace) - Median(replaceNoFlush)), "", -1});
    Print({"  reference: cat hv.dat > /dev/null", catTime, "", -1});
    Print({"GenerateReport (report.htm, answer No)", Median(report), "fixed", 0.3});
    if (unexpectedBoxes)
        std::printf("\n%d unexpected message boxes (see above)\n", unexpectedBoxes);

    fs::current_path(previous);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return 0;
}
