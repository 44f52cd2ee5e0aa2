// Reading and replacing whole files so that a file on disk is never left
// half written: the new content goes to a temporary file beside it, is
// flushed to the disk, and then takes the old file's place in one step.
#pragma once

#include <string>
#include <string_view>

// Reads the whole file, creating it empty when it does not exist.
// False when it can be neither read nor created.
bool ReadOrCreateFile(const std::string& path, std::string& content);

// Replaces the file's content, or leaves the file exactly as it was and
// returns false: when it cannot be written (a read-only file or folder
// counts as such, also for the superuser), or when writing fails part-way
// (disk full, input/output error).
bool ReplaceFile(const std::string& path, std::string_view content);

// Text-mode line ends: LF becomes CR LF, and back.
std::string ToCrLf(std::string_view text);
std::string FromCrLf(std::string_view text);
