#pragma once

#include <QString>

namespace kmq::ui {

// The Traditional Chinese face the game ships, compiled into the program.
// The system's CJK fonts would draw the texts with Japanese or Simplified
// Chinese shapes under most system languages, and may not be there at all.
QString shippedFontFamily();

// Makes the shipped family the font of every widget, at the size the
// desktop chose. Nothing is looked up until text is laid out, so this costs
// nothing; call it before any widget exists, so that none has to be told of
// a change (each would draw itself again).
void useShippedFontFamily();

// Registers the shipped face with Qt's font database, which fills the
// database first: the one costly step, a few milliseconds and megabytes.
// Safe on any thread. False when the face could not be registered: the
// system's fonts stand in then.
bool registerShippedFont();

}  // namespace kmq::ui
