#include "storage/TextDecoding.h"

#include <array>
#include <cstdint>

#include "afx/Utf8.h"

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals
// Latin-1.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        char32_t c = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            c = b & 0x07;
        } else {
            return false;
        }
        if (i + length > n) return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode.
        if ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
            (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (const char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F)
            AppendUtf8(out, kHighControls[b - 0x80]);
        else
            AppendUtf8(out, b);
    }
    return out;
}

std::string DecodeText(std::string_view text) {
    return IsValidUtf8(text) ? std::string(text) : Windows1252ToUtf8(text);
}
