#pragma once

#include <QString>

namespace kmq::ui {

// The Traditional Chinese face the game ships, compiled into the program.
// The system's CJK fonts would draw the texts with Japanese or Simplified
// Chinese shapes under most system languages, and may not be there at all.
QString shippedFontFamily();

// Registers the shipped face and makes it the font of every widget, at the
// size the desktop chose. Call once the application object exists; false
// when the face could not be registered (the system's fonts serve then).
bool useShippedFont();

}  // namespace kmq::ui
