#include "core/LevelNumber.h"

#include "core/LevelTable.h"

#include <cstdint>

namespace kmq {
namespace {

constexpr long long Saturated = 1'000'000'000'000'000LL;

// Maps full-width forms to ASCII and anything outside ASCII (or not valid
// UTF-8) to a character that cannot be part of a number.
std::string normalise(std::string_view text) {
    constexpr char Other = '\x01';
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++i;
            continue;
        }
        // Full-width forms and the ideographic space are three-byte sequences.
        if (byte >= 0xE0 && byte <= 0xEF && i + 2 < text.size()) {
            const auto b1 = static_cast<unsigned char>(text[i + 1]);
            const auto b2 = static_cast<unsigned char>(text[i + 2]);
            if ((b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80) {
                const std::uint32_t code = ((byte & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
                if (code >= 0xFF10 && code <= 0xFF19)
                    out += static_cast<char>('0' + (code - 0xFF10));
                else if (code == 0xFF0B)
                    out += '+';
                else if (code == 0xFF0D)
                    out += '-';
                else if (code == 0xFF0E)
                    out += '.';
                else if (code == 0x3000)
                    out += ' ';
                else
                    out += Other;
                i += 3;
                continue;
            }
        }
        out += Other;
        ++i;
    }
    return out;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct Scan {
    std::size_t end;  // one past the number's last character
    long long floor;
    int digits;
};

// Reads a number starting at `at`: sign, digits, point, digits.
Scan scanNumber(const std::string& s, std::size_t at) {
    std::size_t i = at;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long whole = 0;
    int digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i, ++digits)
        whole = whole >= Saturated / 10 ? Saturated : whole * 10 + (s[i] - '0');
    bool fraction = false;
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (; i < s.size() && isDigit(s[i]); ++i, ++digits) fraction = fraction || s[i] != '0';
    }
    // floor: -2.5 gives -3, -2 stays -2
    const long long floor = negative ? -whole - (fraction ? 1 : 0) : whole;
    return {i, digits > 0 ? floor : 0, digits};
}

}  // namespace

NumberReading readNumber(std::string_view text) {
    const std::string s = normalise(text);
    std::size_t start = 0;
    while (start < s.size() && isBlank(s[start])) ++start;
    const Scan scan = scanNumber(s, start);

    std::size_t rest = scan.end;
    while (rest < s.size() && isBlank(s[rest])) ++rest;
    return {scan.floor, scan.digits > 0 && rest == s.size()};
}

LevelEntryCheck checkLevelEntry(std::string_view text) {
    const NumberReading reading = readNumber(text);
    if (!reading.wholeNumeric) return {LevelEntry::NotANumber, 0};
    if (reading.leadingFloor < FirstLevel || reading.leadingFloor > LastLevel)
        return {LevelEntry::OutOfRange, 0};
    return {LevelEntry::Valid, static_cast<int>(reading.leadingFloor)};
}

}  // namespace kmq
