#include "storage/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

}  // namespace

namespace {

// The open file, created empty when missing; -1 when that fails or the
// name is a folder.
int OpenOrCreateForReading(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close(fd);
        return -1;
    }
    return fd;
}

// Reads pieces of the file into buffer until the end; false on an error.
template <class OnPiece>
bool ReadPieces(int fd, OnPiece&& onPiece) {
    std::vector<char> buffer(1 << 18);
    for (;;) {
        const ssize_t n = read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        onPiece(std::string_view(buffer.data(), static_cast<size_t>(n)));
    }
}

}  // namespace

bool ReadOrCreateFile(const std::string& path, std::string& content) {
    content.clear();
    const int fd = OpenOrCreateForReading(path);
    if (fd < 0) return false;
    const bool ok = ReadPieces(fd, [&content](std::string_view piece) { content.append(piece); });
    close(fd);
    if (!ok) content.clear();
    return ok;
}

bool ReadOrCreateFileLines(const std::string& path,
                           const std::function<void(std::string_view line)>& onLine) {
    const int fd = OpenOrCreateForReading(path);
    if (fd < 0) return false;
    std::string partial;  // a line that goes on in the next piece
    const bool ok = ReadPieces(fd, [&](std::string_view piece) {
        for (size_t end = piece.find('\n'); end != std::string_view::npos; end = piece.find('\n')) {
            if (partial.empty()) {
                onLine(piece.substr(0, end));
            } else {
                partial.append(piece.substr(0, end));
                onLine(partial);
                partial.clear();
            }
            piece.remove_prefix(end + 1);
        }
        partial.append(piece);
    });
    close(fd);
    if (ok && !partial.empty()) onLine(partial);
    return ok;
}

SafeFileWriter::SafeFileWriter(const std::string& path)
    // A file size limit makes a write fail with an error instead of ending
    // the process, so the failure can be reported.
    : m_previousSignal(std::signal(SIGXFSZ, SIG_IGN)), m_target(ResolveLink(path)) {
    struct stat existing {};
    const bool exists = stat(m_target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || !IsWritable(m_target, existing))) return;

    m_dir = DirectoryOf(m_target);
    struct stat dirStat {};
    if (stat(m_dir.c_str(), &dirStat) != 0 || !IsWritable(m_dir, dirStat)) return;

    std::string temp = m_dir + "/." + BaseNameOf(m_target) + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return;
    m_fd = fd;
    m_temp = name.data();
    const mode_t mode = exists ? (existing.st_mode & 07777) : DefaultFileMode();
    if (fchmod(fd, mode) != 0) m_failed = true;
    if (exists && geteuid() == 0) (void)fchown(fd, existing.st_uid, existing.st_gid);
    m_buffer.reserve(kBufferSize);
}

SafeFileWriter::~SafeFileWriter() {
    if (m_fd >= 0) {
        close(m_fd);
        unlink(m_temp.c_str());
    }
    std::signal(SIGXFSZ, m_previousSignal);
}

void SafeFileWriter::Write(std::string_view text) {
    if (m_fd < 0 || m_failed) return;
    if (m_buffer.size() + text.size() > kBufferSize) {
        Flush();
        if (text.size() >= kBufferSize) {
            if (!WriteAll(m_fd, text)) m_failed = true;
            return;
        }
    }
    m_buffer.append(text);
}

void SafeFileWriter::Flush() {
    if (!m_failed && !WriteAll(m_fd, m_buffer)) m_failed = true;
    m_buffer.clear();
}

bool SafeFileWriter::Commit() {
    if (m_fd < 0) return false;
    Flush();
    bool ok = !m_failed && fsync(m_fd) == 0;
    ok = (close(m_fd) == 0) && ok;
    m_fd = -1;
    ok = ok && rename(m_temp.c_str(), m_target.c_str()) == 0;
    if (!ok) {
        unlink(m_temp.c_str());
        return false;
    }
    SyncDirectory(m_dir);
    return true;
}

bool ReplaceFile(const std::string& path, std::string_view content) {
    SafeFileWriter writer(path);
    writer.Write(content);
    return writer.Commit();
}

std::string FromCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t start = 0; start < text.size();) {
        const size_t crlf = std::min(text.find("\r\n", start), text.size());
        out.append(text.substr(start, crlf - start));
        if (crlf < text.size()) out += '\n';
        start = crlf + 2;
    }
    return out;
}
