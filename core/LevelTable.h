#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kmq {

inline constexpr int GradeCount = 5;
inline constexpr int LevelsPerGrade = 30;
inline constexpr int PatternLength = 14;  // one pair of hex digits per row

struct Position {
    std::int16_t group;
    std::int16_t level;
};

inline constexpr Position StandardGame{5, 30};

bool IsInTable(int group, int level);

// The caption under which grade 1..5 is offered to the player.
std::string_view GradeCaption(int group);

// Row 0..6 of a pattern as its 7-bit value: bit 2^(c-1) is column c.
int RowValue(std::string_view pattern, int row);

// The 150 built-in starting positions, grade 1..5 by level 1..30.
class LevelTable {
public:
    void InitLevelTable();

    // Throws std::out_of_range for a position outside the table.
    std::string_view Pattern(int group, int level) const;

private:
    std::array<std::array<std::string_view, LevelsPerGrade>, GradeCount> patterns_{};
    bool filled_ = false;
};

}  // namespace kmq
