#pragma once

#include <QString>

#include "Version.h"

namespace kmq::app {

// The program's title: the board window's caption, every message box's
// caption, the About dialog's title line.
inline QString title() {
    return QStringLiteral("澄湖益智孔明棋");
}

inline QString version() {
    return QString::fromLatin1(VersionText);
}

}  // namespace kmq::app
