// The order of sort keys: byte by byte, each byte an unsigned value, the
// first difference deciding and a shorter text before a longer one that it
// begins. No case folding, no locale, no numbers or dates. On UTF-8 text
// this is the order of the code points.
#pragma once

#include <string>

inline bool KeyLess(const std::string& a, const std::string& b) {
    // std::char_traits<char> compares characters as unsigned char.
    return a.compare(b) < 0;
}
