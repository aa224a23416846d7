#pragma once

#include <QIcon>
#include <QString>

namespace kmq::app {

// The program's title: the board window's caption, every message box's
// caption, the About dialog's title line.
inline QString Title() {
    return QStringLiteral("澄湖益智孔明棋");
}

inline constexpr int Major = 1;
inline constexpr int Minor = 0;
inline constexpr int Revision = 0;

// Qt counts in device-independent pixels; the game's pointer offsets are in
// twips, 15 to such a pixel, so its drop zones hold at any display scale.
inline constexpr double TwipsPerPixel = 15.0;

QIcon Icon();

}  // namespace kmq::app
