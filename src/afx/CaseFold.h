// Case folding for the combo boxes' searches, which ignore case.
#pragma once

#include <string>

// Folds upper-case letters to lower case: ASCII, and in UTF-8 text the
// letters of Latin-1, Latin Extended-A, Greek and Cyrillic. Other bytes,
// invalid UTF-8 included, are kept as they are.
std::string FoldCase(const std::string& text);

// True when text begins with prefix, case ignored.
bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix);
