// A save that does not fit on the disk gives the error box and leaves the
// old hv.dat exactly as it was, with no temporary file behind.
//
// Two ways to run out of room: a file size limit on this process, which
// makes write() fail with EFBIG at a chosen byte, and a real full file
// system (a small memory disk mounted in a private mount namespace, where
// the system allows it), where write() fails with ENOSPC.
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "StorageTestSupport.h"

namespace {

const std::string kOldBytes = halvenor_support::DataFileText(halvenor_support::GenerateRows(40, 3));

// Lowers this process's file size limit; restores it when it goes.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        if (getrlimit(RLIMIT_FSIZE, &m_previous) != 0) throw std::runtime_error("getrlimit failed");
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        if (setrlimit(RLIMIT_FSIZE, &limited) != 0) throw std::runtime_error("setrlimit failed");
    }
    ~ScopedFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit m_previous{};
};

struct LimitCase {
    const char* name;
    // The limit in bytes, from the size of the file the save would write.
    std::size_t (*limit)(std::size_t newSize);
    bool fits;
};

void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

class FileSizeLimitTest : public ::testing::TestWithParam<LimitCase> {
protected:
    ScopedWorkDir workDir;
    FakePlatform fake;
};

TEST_P(FileSizeLimitTest, SaveBeyondTheLimitGivesTheBoxAndKeepsTheOldFile) {
    std::string tableBytes;
    std::unique_ptr<CMainDlg> dlg =
        storage_test::OpenGeneratedTable(2000, 5, kOldBytes, &tableBytes);
    const std::size_t limit = GetParam().limit(tableBytes.size());
    if (!GetParam().fits) fake.boxes.Expect("Save to File", "Error Writing File", MB_OK, IDOK);
    {
        const ScopedFileSizeLimit limited(limit);
        dlg->DestroyDialog();  // saves
    }
    fake.boxes.VerifyAllShown();
    EXPECT_EQ(fake.boxes.Shown().size(), GetParam().fits ? 0u : 1u);
    EXPECT_EQ(ReadBytes("hv.dat"), GetParam().fits ? tableBytes : kOldBytes);
    EXPECT_TRUE(storage_test::OtherFiles().empty()) << "a temporary file was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Limits, FileSizeLimitTest,
    ::testing::Values(LimitCase{"NothingFits", [](std::size_t) -> std::size_t { return 0; }, false},
                      LimitCase{"OneByte", [](std::size_t) -> std::size_t { return 1; }, false},
                      LimitCase{"HalfTheFile", [](std::size_t n) { return n / 2; }, false},
                      LimitCase{"AllButTheLastByte", [](std::size_t n) { return n - 1; }, false},
                      LimitCase{"ExactlyTheFile", [](std::size_t n) { return n; }, true}),
    [](const ::testing::TestParamInfo<LimitCase>& c) { return std::string(c.param.name); });

// A small memory disk mounted over a fresh folder, seen by this process
// only; unmounted when this goes. Empty Path() when the system refuses.
class ScopedSmallDisk {
public:
    explicit ScopedSmallDisk(std::size_t bytes) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "halvenor-disk-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return;
        m_folder = pattern;
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", m_folder.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            m_refusal = std::strerror(errno);
            return;
        }
        m_mounted = true;
    }
    ~ScopedSmallDisk() {
        if (m_mounted) umount2(m_folder.c_str(), MNT_DETACH);
        std::error_code ignored;
        if (!m_folder.empty()) std::filesystem::remove(m_folder, ignored);
    }
    ScopedSmallDisk(const ScopedSmallDisk&) = delete;
    ScopedSmallDisk& operator=(const ScopedSmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }
    const std::string& Refusal() const { return m_refusal; }
    const std::filesystem::path& Path() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    std::string m_refusal = "no folder";
    bool m_mounted = false;
};

TEST(FullDiskTest, SaveThatDoesNotFitGivesTheBoxAndKeepsTheOldFile) {
    FakePlatform fake;
    const ScopedSmallDisk disk(256 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a memory disk here: " << disk.Refusal();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(disk.Path());

    std::string tableBytes;
    std::unique_ptr<CMainDlg> dlg =
        storage_test::OpenGeneratedTable(5000, 9, kOldBytes, &tableBytes);
    ASSERT_GT(tableBytes.size(), 256u * 1024u) << "the table must not fit";
    struct statvfs before {};
    statvfs(".", &before);

    fake.boxes.Expect("Save to File", "Error Writing File", MB_OK, IDOK);
    dlg->DestroyDialog();  // saves
    fake.boxes.VerifyAllShown();
    EXPECT_EQ(ReadBytes("hv.dat"), kOldBytes);
    EXPECT_TRUE(storage_test::OtherFiles().empty()) << "a temporary file was left behind";
    struct statvfs after {};
    statvfs(".", &after);
    EXPECT_EQ(after.f_bfree, before.f_bfree) << "the failed save still holds room on the disk";

    std::filesystem::current_path(previous);
}

}  // namespace
