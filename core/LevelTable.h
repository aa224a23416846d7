#pragma once

#include <cstdint>
#include <string_view>

#include "core/BoardGeometry.h"

namespace kmq {

// Grades and levels count from 1; every grade has the same number of levels.
inline constexpr int GradeCount = 5;
inline constexpr int LevelsPerGrade = 30;
inline constexpr int FirstGrade = 1;
inline constexpr int FirstLevel = 1;
inline constexpr int LastGrade = FirstGrade + GradeCount - 1;
inline constexpr int LastLevel = FirstLevel + LevelsPerGrade - 1;
inline constexpr int PatternLength = 2 * RowCount;  // one pair of hex digits per row

struct Position {
    std::int16_t grade;
    std::int16_t level;
};

// The standard game, the full board with the centre empty, is the last level
// of the last grade.
inline constexpr Position StandardGame{LastGrade, LastLevel};

bool isInTable(int grade, int level);

// The caption under which grade 1..5 is offered to the player.
std::string_view gradeCaption(int grade);

// Row 0..6 of a pattern as its 7-bit value: bit 2^(c-1) is column c.
int rowValue(std::string_view pattern, int row);

// The pattern of one of the 150 built-in starting positions, grade 1..5 by
// level 1..30. Throws std::out_of_range for a position outside the table.
std::string_view levelPattern(int grade, int level);

}  // namespace kmq
