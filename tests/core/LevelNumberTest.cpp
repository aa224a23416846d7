#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/LevelNumber.h"

namespace kmq {
namespace {

struct Case {
    std::string text;
    LevelEntry verdict;
    int level;
};

void ExpectAll(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        const LevelEntryCheck check = checkLevelEntry(c.text);
        EXPECT_EQ(check.verdict, c.verdict) << "\"" << c.text << "\"";
        if (c.verdict == LevelEntry::Valid) {
            EXPECT_EQ(check.level, c.level) << "\"" << c.text << "\"";
        }
    }
}

constexpr auto Valid = LevelEntry::Valid;
constexpr auto OutOfRange = LevelEntry::OutOfRange;
constexpr auto NotANumber = LevelEntry::NotANumber;

TEST(LevelEntryCheck, PlainDecimalNumbers) {
    ExpectAll({
        {"", NotANumber, 0},       {"abc", NotANumber, 0},  {"12abc", NotANumber, 0}, {"0", OutOfRange, 0},
        {"31", OutOfRange, 0},     {"-3", OutOfRange, 0},   {"100", OutOfRange, 0},   {"0.5", OutOfRange, 0},
        {"2.7", Valid, 2},         {"30.9", Valid, 30},     {" 7 ", Valid, 7},        {"1", Valid, 1},
        {"30", Valid, 30},         {"007", Valid, 7},       {"+5", Valid, 5},         {"5.", Valid, 5},
        {".5", OutOfRange, 0},     {"\t12\t", Valid, 12},   {"-0", OutOfRange, 0},    {"-0.5", OutOfRange, 0},
        {"30.0000001", Valid, 30}, {"31.0", OutOfRange, 0},
    });
}

TEST(LevelEntryCheck, FormsThatAreNotNumbersHere) {
    const std::vector<std::string> texts = {".",   "+",  "-",  "1.2.3", "1 2", "1e1", "&H10", "1,5", "--5", "5-", " ",
                                            "\xff\xfe", "\xe4\xb8" /* a cut-off three-byte character */, "七",
                                            std::string("5\0", 2)};
    for (const std::string& text : texts) EXPECT_EQ(checkLevelEntry(text).verdict, NotANumber) << "\"" << text << "\"";
}

TEST(LevelEntryCheck, FullWidthFormsCountLikeAscii) {
    ExpectAll({{"１９", Valid, 19}, {"３０．５", Valid, 30}, {"　７　", Valid, 7}, {"－３", OutOfRange, 0},
               {"＋３", Valid, 3}, {"１2", Valid, 12}});
}

TEST(LevelEntryCheck, HugeNumbersAreOutOfRangeNeverWrapped) {
    ExpectAll({{std::string(400, '9'), OutOfRange, 0}, {"1" + std::string(320, '0'), OutOfRange, 0},
               {"-" + std::string(400, '9'), OutOfRange, 0}, {"18446744073709551617", OutOfRange, 0},  // 2^64 + 1
               {"9223372036854775808", OutOfRange, 0},  // 2^63
               {"0." + std::string(500, '0') + "1", OutOfRange, 0}, {std::string(300, '0') + "12", Valid, 12}});
}

TEST(readNumber, LeadingNumberIsFlooredAndWholenessJudgedApart) {
    for (auto [text, floor, whole] : {std::tuple{"12abc", 12, false}, {"  -2.5x", -3, false}, {"-2", -2, true},
                                      {"abc", 0, false}, {" 0.5 ", 0, true}}) {
        EXPECT_EQ(readNumber(text).leadingFloor, floor) << text;
        EXPECT_EQ(readNumber(text).wholeNumeric, whole) << text;
    }
}

TEST(LevelEntryCheck, WhiteSpaceFromAPasteSurroundsTheNumberButNeverSplitsIt) {
    // Blanks: the no-break, the ideographic and the narrow no-break space.
    ExpectAll({{"7\n", Valid, 7}, {"7\r\n", Valid, 7}, {"\n\t 12 \r", Valid, 12}, {"\302\2407", Valid, 7},
               {"\343\200\2007\343\200\200", Valid, 7}, {"\342\200\2579\v\f", Valid, 9}, {"1\n2", NotANumber, 0},
               {"1\302\2402", NotANumber, 0}, {"1\343\200\2002", NotANumber, 0}, {"\n", NotANumber, 0}});
    // An overlong blank is no blank, nor is a broken sequence.
    ExpectAll({{"\340\200\2407", NotANumber, 0}, {"\3027", NotANumber, 0}});
}

}  // namespace
}  // namespace kmq
