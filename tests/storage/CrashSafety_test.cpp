// A save killed at any moment leaves hv.dat whole: either everything it
// held before or everything the dialog was saving, never a mixture or a
// truncated file.
//
// The dialog and its large table are built once; each save runs in a
// forked copy of this process, which the test kills with SIGKILL after a
// delay spread over the time a save takes. The working directory is
// memory-backed: a killed process leaves the page cache intact, so what a
// kill can break is the order of the file operations, not the flushing,
// and on a memory disk the save's time goes to building and writing the
// bytes, which is where the kills should land.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <thread>

#include "StorageTestSupport.h"

namespace {

using Clock = std::chrono::steady_clock;

int ThreadCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& task : std::filesystem::directory_iterator("/proc/self/task"))
        ++count;
    return count;
}

// A forked copy of this process that saves the dialog's table, having
// first told the parent through a pipe that it is about to start.
class SavingChild {
public:
    explicit SavingChild(CMainDlg& dlg, FakeMessageBoxes& boxes) {
        int fds[2];
        if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
        m_pid = fork();
        if (m_pid < 0) throw std::runtime_error("fork failed");
        if (m_pid == 0) {
            close(fds[0]);
            const char go = 'g';
            if (write(fds[1], &go, 1) != 1) _exit(4);
            dlg.DestroyDialog();  // saves
            _exit(boxes.Shown().empty() ? 0 : 3);
        }
        close(fds[1]);
        char go = 0;
        const bool started = read(fds[0], &go, 1) == 1;
        m_started = Clock::now();
        close(fds[0]);
        if (!started) throw std::runtime_error("the saving child never started");
    }
    Clock::time_point Started() const { return m_started; }
    void Kill() const { kill(m_pid, SIGKILL); }
    int Wait() const {
        int status = 0;
        while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        return status;
    }

private:
    pid_t m_pid = -1;
    Clock::time_point m_started;
};

bool TemporaryFileExists() {
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.path().filename().string().rfind(".hv.dat.", 0) == 0) return true;
    return false;
}

// Moments of an undisturbed save, in seconds from its start: when its
// temporary file appears and when hv.dat is no longer the file described
// by before (replaced, or written over).
struct SaveMoments {
    double temporary = -1;
    double replaced = -1;
};

SaveMoments WatchSave(const struct stat& before, Clock::time_point start) {
    SaveMoments moments;
    const auto giveUp = start + std::chrono::seconds(30);
    for (;;) {
        const bool temporary = TemporaryFileExists();
        struct stat now {};
        const bool changed = stat("hv.dat", &now) != 0 || now.st_ino != before.st_ino ||
                             now.st_size != before.st_size ||
                             now.st_mtim.tv_nsec != before.st_mtim.tv_nsec ||
                             now.st_mtim.tv_sec != before.st_mtim.tv_sec;
        const auto t = Clock::now();
        const double seconds = std::chrono::duration<double>(t - start).count();
        if (temporary && moments.temporary < 0) moments.temporary = seconds;
        if (changed || t > giveUp) {
            moments.replaced = seconds;
            if (moments.temporary < 0) moments.temporary = seconds;
            return moments;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

// Whole-file read, quicker than going character by character.
std::string ReadWhole(const char* path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

class CrashSafetyTest : public ::testing::Test {
protected:
    ScopedWorkDir workDir;
    FakePlatform fake;
};

TEST_F(CrashSafetyTest, KilledAtAnyMomentOfASaveTheFileIsWholeOldOrWholeNew) {
    ASSERT_EQ(ThreadCount(), 1) << "forking needs a single-threaded process";

    const std::string oldBytes =
        halvenor_support::DataFileText(halvenor_support::GenerateRows(3000, 7));
    std::unique_ptr<CMainDlg> dlg = storage_test::OpenGeneratedTable(25000, 11, oldBytes);

    // Undisturbed saves give the new bytes and the moments at which a save
    // creates its temporary file and replaces hv.dat (the child's exit
    // afterwards is no part of the save).
    std::string newBytes;
    std::vector<SaveMoments> watched;
    for (int i = 0; i < 3; ++i) {
        struct stat before {};
        ASSERT_EQ(stat("hv.dat", &before), 0);
        SavingChild child(*dlg, fake.boxes);
        watched.push_back(WatchSave(before, child.Started()));
        const int status = child.Wait();
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        newBytes = ReadWhole("hv.dat");
        WriteBytes("hv.dat", oldBytes);
    }
    ASSERT_GT(newBytes.size(), 2 * oldBytes.size());
    std::sort(watched.begin(), watched.end(),
              [](const SaveMoments& a, const SaveMoments& b) { return a.replaced < b.replaced; });
    const SaveMoments save = watched[1];

    // Kill moments: half of them spread over the whole save and a little
    // beyond, half over the stretch from the temporary file's creation to
    // the replacement, widened by a margin; one in each equal slice of its
    // span, at a random place within the slice.
    constexpr int kKills = 40;
    const double margin = std::max(0.002, 0.25 * (save.replaced - save.temporary));
    const double windowStart = std::max(0.0, save.temporary - margin);
    const double windowLength = save.replaced + margin - windowStart;
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> within(0.0, 1.0);
    int keptOld = 0, gotNew = 0, finishedFirst = 0, leftovers = 0;
    for (int k = 0; k < kKills; ++k) {
        const double slice = (k / 2 + within(random)) / (kKills / 2);
        const double delay =
            k % 2 == 0 ? slice * 1.2 * save.replaced : windowStart + slice * windowLength;
        SavingChild child(*dlg, fake.boxes);
        std::this_thread::sleep_until(child.Started() + std::chrono::duration<double>(delay));
        child.Kill();
        const int status = child.Wait();
        if (WIFEXITED(status)) {
            ++finishedFirst;
            EXPECT_EQ(WEXITSTATUS(status), 0) << "a save that ran to its end failed";
        }

        const std::string bytes = ReadWhole("hv.dat");
        if (bytes == oldBytes) {
            ++keptOld;
        } else if (bytes == newBytes) {
            ++gotNew;
        } else {
            ADD_FAILURE() << "after a kill at " << delay * 1000 << " ms (seed " << seed
                          << ") hv.dat holds " << bytes.size() << " bytes, neither the old "
                          << oldBytes.size() << " nor the new " << newBytes.size();
        }
        // A kill between creating the temporary file and renaming it leaves
        // that file behind; nothing else may appear.
        for (const std::string& name : storage_test::OtherFiles()) {
            EXPECT_EQ(name.rfind(".hv.dat.", 0), 0u) << "unexpected file " << name;
            std::filesystem::remove(name);
            ++leftovers;
        }
        WriteBytes("hv.dat", oldBytes);
    }
    std::cout << "save of " << newBytes.size() << " bytes: temporary file after "
              << save.temporary * 1000 << " ms, hv.dat replaced after " << save.replaced * 1000
              << " ms; " << kKills << " kills (seed " << seed << "): " << keptOld
              << " kept the old file, " << gotNew << " found the new one (" << finishedFirst
              << " saves had ended), " << leftovers << " temporary files left behind\n";
    RecordProperty("kept_old", keptOld);
    RecordProperty("got_new", gotNew);
}

}  // namespace
