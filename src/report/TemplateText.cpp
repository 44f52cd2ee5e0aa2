#include "report/TemplateText.h"

TemplateText::TemplateText(std::string_view text) { m_pieces.push_back({std::string(text), -1}); }

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
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
}
