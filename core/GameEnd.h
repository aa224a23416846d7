#pragma once

#include <string>

#include "Board.h"
#include "LevelCatalogue.h"
#include "UserInterfaceServices.h"

namespace kmq {

namespace GameEndText {
inline constexpr const char* OffCentre = "好可惜喔，雖然只剩一顆，但沒在中心。繼續加油吧！";
inline constexpr const char* Champion = "您實在是太強了！恭喜！";
inline constexpr const char* NextLevelQuestion = "恭喜，您成功了！是否繼續下一關？";
std::string PegsLeft(int pegCount);
}  // namespace GameEndText

// After a drop: is any jump left? If not, tell the player how it ended and,
// after a win below level 30 outside grade 5, offer the next level.
class GameEndEvaluator {
public:
    GameEndEvaluator(const Board& board, LevelCatalogue& levels, UserInterfaceServices& ui)
        : board_(board), levels_(levels), ui_(ui) {}

    void CheckGameEnd();

private:
    bool HasJump(int row, int column) const;
    bool OffersJump(CellIndex neighbour, CellIndex landing) const;

    const Board& board_;
    LevelCatalogue& levels_;
    UserInterfaceServices& ui_;
};

}  // namespace kmq
