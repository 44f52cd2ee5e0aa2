#include "Text.h"

namespace {

// Length of the valid UTF-8 sequence at text[i], or 0 when there is none.
std::size_t ValidSequenceLength(const CString& text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, lowest = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, lowest = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, lowest = 0x10000;
    else
        return 0;
    if (i + length > text.size()) return 0;
    unsigned code = lead & (0xFFu >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

wxString FromCore(const CString& text) {
    if (text.empty()) return {};
    wxString decoded = wxString::FromUTF8(text.data(), text.size());
    if (!decoded.empty()) return decoded;
    CString repaired;
    repaired.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = ValidSequenceLength(text, i);
        if (length == 0) {
            repaired += "\xEF\xBF\xBD";
            ++i;
        } else {
            repaired.append(text, i, length);
            i += length;
        }
    }
    return wxString::FromUTF8(repaired.data(), repaired.size());
}

CString ToCore(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.ToUTF8();
    return CString(utf8.data(), utf8.length());
}
