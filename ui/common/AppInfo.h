#pragma once

#include <QIcon>
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

// The program's 16- and 32-pixel pictures, and larger drawings of the same
// icon for screens of higher density. Reading it decodes every picture, so
// the application reads it once and its windows take it from there.
inline QIcon icon() {
    QIcon icon(QStringLiteral(":/app.ico"));
    for (const char* size : {"48", "64", "128"})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(QLatin1String(size)));
    return icon;
}

}  // namespace kmq::app
