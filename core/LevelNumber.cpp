#include "core/LevelNumber.h"

#include "core/LevelTable.h"

#include <cstdint>

namespace kmq {
namespace {

constexpr long long Saturated = 1'000'000'000'000'000LL;

constexpr char Blank = ' ';
constexpr char Other = '\x01';  // a character that cannot be part of a number

// Unicode's white space: what a pasted number may carry round it unseen
// (line ends, no-break and ideographic spaces and the like).
bool isWhiteSpace(std::uint32_t code) {
    return (code >= 0x09 && code <= 0x0D) || code == 0x20 || code == 0x85 || code == 0xA0 || code == 0x1680 ||
           (code >= 0x2000 && code <= 0x200A) || code == 0x2028 || code == 0x2029 || code == 0x202F ||
           code == 0x205F || code == 0x3000;
}

// One character as ASCII: white space becomes a blank, full-width digits,
// signs and point their ASCII twins, anything else that cannot be part of a
// number Other.
char asAscii(std::uint32_t code) {
    if (isWhiteSpace(code)) return Blank;
    if (code < 0x80) return static_cast<char>(code);
    if (code >= 0xFF10 && code <= 0xFF19) return static_cast<char>('0' + (code - 0xFF10));
    if (code == 0xFF0B) return '+';
    if (code == 0xFF0D) return '-';
    if (code == 0xFF0E) return '.';
    return Other;
}

// The code point of the UTF-8 sequence at `at` and its length; a byte that
// starts no valid sequence of up to three bytes reads as itself, alone.
std::pair<std::uint32_t, std::size_t> decode(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    const auto continuation = [&](std::size_t i) {
        return at + i < text.size() && (static_cast<unsigned char>(text[at + i]) & 0xC0) == 0x80;
    };
    const auto bits = [&](std::size_t i) { return static_cast<std::uint32_t>(text[at + i] & 0x3F); };
    if (byte >= 0xC2 && byte <= 0xDF && continuation(1)) return {((byte & 0x1Fu) << 6) | bits(1), 2};
    const bool overlong =
        byte == 0xE0 && at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) < 0xA0;
    if (byte >= 0xE0 && byte <= 0xEF && !overlong && continuation(1) && continuation(2))
        return {((byte & 0x0Fu) << 12) | (bits(1) << 6) | bits(2), 3};
    return {byte < 0x80 ? byte : 0xFFFD, 1};
}

// The text with every character made ASCII, one byte each.
std::string normalise(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto [code, length] = decode(text, i);
        out += asAscii(code);
        i += length;
    }
    return out;
}

bool isBlank(char c) {
    return c == Blank;
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
