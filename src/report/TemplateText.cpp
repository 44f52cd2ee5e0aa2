#include "report/TemplateText.h"

#include <algorithm>

TemplateText::TemplateText(std::string_view text) { m_pieces.push_back({std::string(text), -1}); }

size_t TemplateText::OwnTextSize() const {
    size_t size = 0;
    for (const Piece& piece : m_pieces) size += piece.text.size();
    return size;
}

size_t TemplateText::GapCount(int slot) const {
    size_t count = 0;
    for (const Piece& piece : m_pieces) count += piece.slot == slot ? 1 : 0;
    return count;
}

void TemplateText::Mark(std::string_view placeholder, int slot) {
    if (placeholder.empty()) return;
    std::vector<Piece> marked;
    for (Piece& piece : m_pieces) {
        if (piece.slot >= 0) {
            marked.push_back(std::move(piece));
            continue;
        }
        size_t start = 0;
        for (size_t at = piece.text.find(placeholder); at != std::string::npos;
             at = piece.text.find(placeholder, start)) {
            if (at > start) marked.push_back({piece.text.substr(start, at - start), -1});
            marked.push_back({std::string(), slot});
            start = at + placeholder.size();
        }
        if (start < piece.text.size()) marked.push_back({piece.text.substr(start), -1});
    }
    m_pieces = std::move(marked);
}

void AppendHtmlEscaped(std::string& out, std::string_view text) {
    auto special = [](char c) { return c == '&' || c == '<' || c == '>' || c == '"' || c == '\''; };
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!special(text[i])) continue;
        out.append(text.substr(start, i - start));
        switch (text[i]) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += "&#39;"; break;
        }
        start = i + 1;
    }
    out.append(text.substr(start));
}
