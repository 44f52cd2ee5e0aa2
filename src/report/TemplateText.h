// Report templates: the user's HTML with placeholders such as "#ITEM#".
//
// A template is split at its placeholders once; filling it inserts values
// into the gaps. Only the template's own text is searched for placeholders,
// never a value inserted into it, so an entry's text can never turn into a
// placeholder, markup or script.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TemplateText {
public:
    explicit TemplateText(std::string_view text);

    // Marks every occurrence of placeholder in the template's own text as a
    // gap numbered slot, scanning left to right; an occurrence begins after
    // the end of the one before. Placeholders are marked in the order of the
    // calls, each in what the earlier ones left of the text.
    void Mark(std::string_view placeholder, int slot);

    // The bytes of the template's own text, gaps left out.
    size_t OwnTextSize() const;
    // How many gaps have that number.
    size_t GapCount(int slot) const;

    // Appends the template with each gap filled by fill(slot, out).
    template <class Fill>
    void AppendTo(std::string& out, Fill&& fill) const {
        for (const Piece& piece : m_pieces) {
            if (piece.slot < 0)
                out += piece.text;
            else
                fill(piece.slot, out);
        }
    }

private:
    struct Piece {
        std::string text;  // the template's own text, where slot < 0
        int slot = -1;
    };
    std::vector<Piece> m_pieces;
};

// Text made safe to stand in HTML content or in an attribute value.
void AppendHtmlEscaped(std::string& out, std::string_view text);
