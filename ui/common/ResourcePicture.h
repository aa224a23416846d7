#pragma once

#include <QImage>
#include <QString>

namespace kmq::ui {

// Reads one of the game's pictures in the format its name ends in (.png or
// .bmp), with the reader built into Qt: no image plugin is loaded or asked,
// as Qt's guessing would. Safe on any thread.
QImage readResourcePicture(const QString& path);

}  // namespace kmq::ui
