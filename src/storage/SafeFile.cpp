#include "storage/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Read-only means no write permission bit, for the superuser too, as well
// as anything the system itself refuses.
bool IsWritable(const std::string& path, const struct stat& st) {
    return (st.st_mode & 0222) != 0 && access(path.c_str(), W_OK) == 0;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// A link keeps pointing where it pointed; its target gets the content.
std::string ResolveLink(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

mode_t DefaultFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        content.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

void SyncDirectory(const std::string& dir) {
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// A file size limit makes a write fail with an error instead of ending the
// process, so the failure can be reported.
class IgnoreFileSizeSignal {
public:
    IgnoreFileSizeSignal() { m_previous = std::signal(SIGXFSZ, SIG_IGN); }
    ~IgnoreFileSizeSignal() { std::signal(SIGXFSZ, m_previous); }
    IgnoreFileSizeSignal(const IgnoreFileSizeSignal&) = delete;
    IgnoreFileSizeSignal& operator=(const IgnoreFileSizeSignal&) = delete;

private:
    void (*m_previous)(int) = SIG_DFL;
};

bool WriteTemporaryAndRename(const std::string& target, const std::string& dir, mode_t mode,
                             const struct stat* existing, std::string_view content) {
    std::string temp = dir + "/." + BaseNameOf(target) + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    temp = name.data();

    bool ok = fchmod(fd, mode) == 0;
    if (ok && existing != nullptr && geteuid() == 0)
        (void)fchown(fd, existing->st_uid, existing->st_gid);
    ok = ok && WriteAll(fd, content) && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    ok = ok && rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    SyncDirectory(dir);
    return true;
}

}  // namespace

bool ReadOrCreateFile(const std::string& path, std::string& content) {
    content.clear();
    int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close(fd);
        return false;
    }
    if (S_ISREG(st.st_mode)) content.reserve(static_cast<size_t>(st.st_size));
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            close(fd);
            content.clear();
            return false;
        }
        if (n == 0) break;
        content.append(buffer.data(), static_cast<size_t>(n));
    }
    close(fd);
    return true;
}

bool ReplaceFile(const std::string& path, std::string_view content) {
    const IgnoreFileSizeSignal ignoreSignal;
    const std::string target = ResolveLink(path);
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || !IsWritable(target, existing))) return false;

    const std::string dir = DirectoryOf(target);
    struct stat dirStat {};
    if (stat(dir.c_str(), &dirStat) != 0 || !IsWritable(dir, dirStat)) return false;

    const mode_t mode = exists ? (existing.st_mode & 07777) : DefaultFileMode();
    return WriteTemporaryAndRename(target, dir, mode, exists ? &existing : nullptr, content);
}

std::string ToCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string FromCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}
