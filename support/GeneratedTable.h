// Large, varied Entry tables for the heavy-duty tests, the fuzz seeds and
// the benchmark: the same seed always gives the same rows.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace halvenor_support {

using Row = std::array<std::string, 8>;  // Item, Status, Cost, Date, Supplier,
                                         // Supplier Contact, Supplier Detail, Notes

inline std::vector<Row> GenerateRows(std::size_t count, std::uint32_t seed) {
    static const std::array<const char*, 24> things{
        "Flowers",   "Cake",       "Photographer", "Band",        "Chairs",   "Tables",
        "Marquee",   "Lighting",   "Invitations",  "Place cards", "Catering", "Wine",
        "Champagne", "Coach hire", "Hotel rooms",  "Rings",       "Dress",    "Suits",
        "Florist",   "DJ",         "Crèche",       "Décor",       "Favours",  "Fireworks"};
    static const std::array<const char*, 8> statuses{
        "Ordered", "Paid", "Booked", "To do", "Confirmed", "Cancelled", "Deposit paid", ""};
    static const std::array<const char*, 16> suppliers{
        "Rose Garden",  "Town Bakery",     "Café Müller",   "Blumen Größe",
        "Żabka Events", "Smith & Sons",    "Hall Hire Ltd", "Crémerie Noël",
        "Sound Works",  "Ørsted Catering", "Bright Lights", "Paper & Ink",
        "Coach Lines",  "The Grand Hotel", "Jewellers 42",  "Atelier Señora"};
    static const std::array<const char*, 10> contacts{
        "Shop manager", "Front desk", "Anna", "Mr Jones", "Zoë",
        "Bookings",     "Chef",       "",     "Owner",    "Événements"};
    static const std::array<const char*, 20> words{
        "deliver", "by",     "ten",     "confirm", "numbers", "with",    "venue",
        "before",  "Friday", "deposit", "of",      "20%",     "balance", "due",
        "on",      "the",    "day",     "vegan",   "option",  "–"};

    std::mt19937 random(seed);
    auto pick = [&random](const auto& list) {
        return std::string(
            list[std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(random)]);
    };
    auto number = [&random](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    auto twoDigits = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };

    std::vector<Row> rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        Row row;
        row[0] = pick(things) + " " + std::to_string(number(1, 999999));
        row[1] = pick(statuses);
        switch (number(0, 3)) {
            case 0: row[2] = std::to_string(number(0, 9999)); break;
            case 1:
                row[2] =
                    "$" + std::to_string(number(1, 9)) + "," + std::to_string(number(100, 999));
                break;
            case 2: row[2] = std::to_string(number(1, 999)) + "." + twoDigits(number(0, 99)); break;
            default: break;
        }
        row[3] = std::to_string(number(2024, 2027)) + "-" + twoDigits(number(1, 12)) + "-" +
                 twoDigits(number(1, 28));
        row[4] = pick(suppliers);
        row[5] = pick(contacts);
        row[6] = "555 " + std::to_string(number(1000, 9999));
        const int noteWords = number(0, 14);
        for (int w = 0; w < noteWords; ++w) row[7] += (w ? " " : "") + pick(words);
        rows.push_back(std::move(row));
    }
    return rows;
}

// The rows as the data file holds them when the table shows them top to
// bottom in the given order: header, then one block of eight lines per
// entry, the bottom row first, CR LF line ends.
inline std::string DataFileText(const std::vector<Row>& rows) {
    static const std::array<const char*, 8> keys{
        "ITEM", "STATUS", "COST", "DATE", "SUPPLIER", "SUPPLIERCONTACT", "SUPPLIERDETAIL", "NOTES"};
    std::string text;
    if (rows.empty()) return text;
    text = "CREATOR=HV 1.0";
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        for (std::size_t c = 0; c < keys.size(); ++c) {
            text += "\r\n";
            text += keys[c];
            text += '=';
            text += (*row)[c];
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace halvenor_support
