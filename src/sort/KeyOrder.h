// The order of sort keys: byte by byte, each byte an unsigned value, the
// first difference deciding and a shorter text before a longer one that it
// begins. No case folding, no locale, no numbers or dates. On UTF-8 text
// this is the order of the code points.
#pragma once

#include <cstdint>
#include <string>

inline bool KeyLess(const std::string& a, const std::string& b) {
    // std::char_traits<char> compares characters as unsigned char.
    return a.compare(b) < 0;
}

// The first eight bytes of a key as one number, zero-padded, so that most
// comparisons are one integer comparison: where two prefixes differ, they
// order their keys as KeyLess does; where they are equal, KeyLess decides.
inline std::uint64_t KeyPrefix(const std::string& key) {
    std::uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i) {
        prefix <<= 8;
        if (i < key.size()) prefix |= static_cast<unsigned char>(key[i]);
    }
    return prefix;
}
