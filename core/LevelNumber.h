#pragma once

#include <string>
#include <string_view>

namespace kmq {

// The two readings of what the player typed as a level number, taken from
// UTF-8 text:
//  - the number at its start (after blanks), rounded down; 0 when the text
//    does not start with a number;
//  - whether the text as a whole, apart from surrounding blanks, is a number.
// A number is an optional sign, digits and at most one decimal point, with
// at least one digit. Full-width digits, signs and point (as Chinese input
// methods type them) count like their ASCII twins, and every kind of Unicode
// white space (line ends, no-break and ideographic spaces, as a paste may
// bring them) counts as a blank. Not numbers here:
// exponents, hexadecimal or octal prefixes, grouping separators and blanks
// inside the number.
struct NumberReading {
    long long leadingFloor = 0;  // saturates far beyond any level number
    bool wholeNumeric = false;
};

NumberReading readNumber(std::string_view text);

enum class LevelEntry { Valid, OutOfRange, NotANumber };

struct LevelEntryCheck {
    LevelEntry verdict;
    int level;  // 1..30 when valid
};

// Valid when the text is a number whose floor is a level number, 1..30.
LevelEntryCheck checkLevelEntry(std::string_view text);

}  // namespace kmq
