#include "afx/CaseFold.h"

#include "afx/Utf8.h"

namespace {

char32_t LowerCodePoint(char32_t c) {
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // Latin-1
    if (c >= 0x100 && c <= 0x137 && c % 2 == 0) return c + 1;  // Latin Ext-A
    if (c >= 0x139 && c <= 0x148 && c % 2 == 1) return c + 1;
    if (c >= 0x14A && c <= 0x177 && c % 2 == 0) return c + 1;
    if (c == 0x178) return 0xFF;
    if (c >= 0x179 && c <= 0x17E && c % 2 == 1) return c + 1;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;                // Cyrillic
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    return c;
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

std::string FoldCase(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out += (b >= 'A' && b <= 'Z') ? static_cast<char>(b + 32) : static_cast<char>(b);
            ++i;
            continue;
        }
        // Two- and three-byte sequences cover every letter that is folded.
        if ((b & 0xE0) == 0xC0 && i + 1 < text.size() &&
            IsContinuation(static_cast<unsigned char>(text[i + 1])) && b >= 0xC2) {
            const char32_t c = (static_cast<char32_t>(b & 0x1F) << 6) |
                               (static_cast<unsigned char>(text[i + 1]) & 0x3F);
            AppendUtf8(out, LowerCodePoint(c));
            i += 2;
            continue;
        }
        out += static_cast<char>(b);
        ++i;
    }
    return out;
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    const std::string foldedText = FoldCase(text);
    const std::string foldedPrefix = FoldCase(prefix);
    return foldedText.compare(0, foldedPrefix.size(), foldedPrefix) == 0;
}
