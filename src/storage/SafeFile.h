// Reading and replacing whole files so that a file on disk is never left
// half written: the new content goes to a temporary file beside it, is
// flushed to the disk, and then takes the old file's place in one step.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Reads the whole file, creating it empty when it does not exist.
// False when it can be neither read nor created.
bool ReadOrCreateFile(const std::string& path, std::string& content);

// Hands each line of the file to onLine, without its line feed, reading
// the file piece by piece; a last line without a line feed counts too.
// Creates the file empty when it does not exist. False when it can be
// neither read nor created, or reading fails part-way.
bool ReadOrCreateFileLines(const std::string& path,
                           const std::function<void(std::string_view line)>& onLine);

// Writes a file's new content to a temporary file beside it and puts that
// in the file's place only once all of it is on the disk. Until Commit, and
// whenever anything fails, the file stays exactly as it was.
class SafeFileWriter {
public:
    // Fails (see IsOpen) when the file cannot be written; a read-only file
    // or folder counts as such, also for the superuser.
    explicit SafeFileWriter(const std::string& path);
    ~SafeFileWriter();  // what was not committed is discarded
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    // Buffered; a failure (disk full, input/output error) is remembered.
    void Write(std::string_view text);
    // True when the file now holds all that was written.
    bool Commit();

private:
    static constexpr size_t kBufferSize = 1 << 20;
    void Flush();

    void (*m_previousSignal)(int);
    std::string m_target;
    std::string m_dir;
    std::string m_temp;
    int m_fd = -1;
    bool m_failed = false;
    std::string m_buffer;
};

// Replaces the file's content, or leaves the file exactly as it was and
// returns false: when it cannot be written (a read-only file or folder
// counts as such, also for the superuser), or when writing fails part-way
// (disk full, input/output error).
bool ReplaceFile(const std::string& path, std::string_view content);

// Text-mode reading: CR LF becomes LF.
std::string FromCrLf(std::string_view text);
