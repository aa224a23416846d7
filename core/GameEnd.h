#pragma once

#include <string>

#include "core/Board.h"
#include "core/LevelCatalogue.h"

namespace kmq {

namespace GameEndText {
inline constexpr const char* OffCentre = "好可惜喔，雖然只剩一顆，但沒在中心。繼續加油吧！";
inline constexpr const char* Champion = "您實在是太強了！恭喜！";
inline constexpr const char* NextLevelQuestion = "恭喜，您成功了！是否繼續下一關？";
std::string pegsLeft(int pegCount);
}  // namespace GameEndText

// How the game stands after a drop.
struct GameEnd {
    enum class Kind {
        Playing,           // some jump is still open
        PegsLeft,          // no jump left, more than one peg
        WonOffCentre,      // one peg left, not on the centre
        WonLastLevel,      // one peg on the centre, and no next level to offer
        WonWithNextLevel,  // one peg on the centre; the next level may follow
    };
    Kind kind;
    int pegs;
};

// Looks for a jump anywhere on the board; if there is none, says how the
// game ended.
GameEnd evaluateGameEnd(const Board& board, const LevelCatalogue& levels);

}  // namespace kmq
