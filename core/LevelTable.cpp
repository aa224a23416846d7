#include "core/LevelTable.h"

#include <array>
#include <stdexcept>
#include <string>

namespace kmq {
namespace {

// Each pattern is seven rows from the top, two hex digits a row, the bit of
// value 1 standing for the leftmost column. Bit 128 stands for no cell.
constexpr std::array<std::array<std::string_view, LevelsPerGrade>, GradeCount> BuiltInLevels = {{
    {{
        // grade 1
        "00081C08080000", "0000222A140000", "000000081C1C00", "0000203010080C", "00080814140800",
        "00001C3E000000", "00080630300800", "08080036000808", "000014141C0800", "0000003E080808",
        "00003068280400", "00003838080800", "00000000361C08", "0008083E080800", "0000141C081C00",
        "00141408141400", "001C3048300000", "00000C2C381000", "081C1C08080800", "00083600360800",
        "00001C6B080800", "0000142A1C0808", "00002A36140800", "081C1C1C000000", "00003070380808",
        "00000626160C00", "00083063060800", "00001C3E1C0000", "0008086B360000", "080800361C0808",
    }},
    {{
        // grade 2
        "0018181E0E0000", "101034061B0000", "0008001C301C14", "141C2B08080000", "1C1C1C14000000",
        "001C0C74600000", "180C0C18041800", "0008003E3E0000", "001038181C0C00", "0000001A1C1C1C",
        "10080C0F3C0000", "00141C2A1C0800", "00081C361C0800", "0014663A0C0000", "0000343C1C1010",
        "141C0828181008", "00080800361C1C", "080C1C1A080800", "000008366B0808", "10180C1A2B0000",
        "0000007E18180C", "08081C221C1400", "0008086B630808", "081C1C22141400", "001C2C53201010",
        "001C235C400808", "08081C2A141C00", "001C1C36140800", "00040C3A180C18", "0010101F0F0808",
    }},
    {{
        // grade 3
        "0808366B000808", "08081C2A1C0808", "0018183A320404", "00041C7830100C", "00081C2A361400",
        "0008081C631414", "001C1C141C1C00", "0018063C6A1800", "001C1C1C1C0014", "08083E7F000000",
        "0808003E221C14", "0000223E1C081C", "00143E5D410000", "0008361C141C08", "00083E223E0800",
        "0008495D2A1C00", "081C14226B0808", "000836365D0800", "00006A3E081C14", "0000367F360000",
        "18080B1C681C00", "0808361C360808", "00081C6B361400", "0000313E1E0C10", "08041C3E1E0800",
        "141C082A081C14", "08083E3E1C0000", "0C1806323C1400", "081C141C141C08", "00082A6B6B0800",
    }},
    {{
        // grade 4
        "00145A3E0C0418", "001C3622361C00", "00081C3E7F0000", "18043C6E001C04", "040C68360B1810",
        "08086C7E0C0404", "0000707F181818", "00186436620C0C", "00087F5D080808", "0808362A3E1C00",
        "081C3E08081C1C", "001C3E3E1C0800", "040C181F171808", "081C141C36081C", "00006B7F6B0000",
        "1C1C1C3E080808", "00081C7F6B0808", "0808143E2A1C1C", "000C0E7A7E0C00", "001C3E636B0800",
        "141C2A362A1C00", "00147F7F080800", "00087F147F0800", "081C1C6B361C00", "1C1C363E360000",
        "141C22776B0800", "081C087F5D0808", "1C1C007F001C1C", "141C226B221C14", "00086B7F360808",
    }},
    {{
        // grade 5
        "1C1C3677490808", "001C3E363E1C00", "081C147F631C00", "0008367F770808", "00083E777F0808",
        "001C1C6B771C08", "1C1C083E3E1C08", "081C7F771C0800", "001C6B7F630808", "001C7F7F2A0800",
        "001C7F7F360800", "00081C7F3E1C1C", "00087E3E1D1C1C", "1C1C7F77640000", "081C227F6B1414",
        "0C183D3F3A180C", "001C3E637F1C08", "141C087F6B1C1C", "0C187E7E3C1C04", "001C1C7F6B1C1C",
        "081C2A776B1C1C", "081C3E773E1C08", "081C6B776B1C08", "001C7E7F3F1C00", "1C1C6B7F6B1C00",
        "001C7F7F3E1C08", "081C7F7F770808", "141C7F7F221C1C", "081C3E7F7F1C1C", "1C1C7F777F1C1C",
    }},
}};

constexpr std::array<std::string_view, GradeCount> GradeCaptions = {"入門", "初級", "中段", "高手", "終極"};

int hexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    throw std::invalid_argument(std::string("not an upper-case hex digit: ") + digit);
}

void requireInTable(int grade, int level) {
    if (!isInTable(grade, level))
        throw std::out_of_range("no level " + std::to_string(level) + " in grade " + std::to_string(grade));
}

}  // namespace

bool isInTable(int grade, int level) {
    return grade >= FirstGrade && grade <= LastGrade && level >= FirstLevel && level <= LastLevel;
}

std::string_view gradeCaption(int grade) {
    if (grade < FirstGrade || grade > LastGrade) throw std::out_of_range("no such grade");
    return GradeCaptions[static_cast<std::size_t>(grade - FirstGrade)];
}

int rowValue(std::string_view pattern, int row) {
    if (pattern.size() != PatternLength || row < 0 || row >= PatternLength / 2)
        throw std::out_of_range("no such row in a level pattern");
    const auto pair = static_cast<std::size_t>(2 * row);
    return hexDigitValue(pattern[pair]) * 16 + hexDigitValue(pattern[pair + 1]);
}

std::string_view levelPattern(int grade, int level) {
    requireInTable(grade, level);
    return BuiltInLevels[static_cast<std::size_t>(grade - FirstGrade)][static_cast<std::size_t>(level - FirstLevel)];
}

}  // namespace kmq
