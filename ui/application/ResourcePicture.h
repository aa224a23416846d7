#pragma once

#include <QImage>
#include <QString>

namespace kmq::ui {

// Reads one of the game's pictures in the format its name ends in (.png or
// .bmp), with the reader built into Qt: no image plugin is loaded or asked,
// as Qt's guessing would. A bitmap stored uncompressed with its rows top
// down at 32 bits is not read at all: its pixels are already those of a
// QImage in RGB32, and the image is made over them where they lie in the
// program, read-only. Safe on any thread.
QImage readResourcePicture(const QString& path);

}  // namespace kmq::ui
