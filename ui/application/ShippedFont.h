#pragma once

#include <QString>

class QWidget;

namespace kmq::ui {

// The Traditional Chinese font the game ships, compiled into the program.
// The system's CJK fonts would draw the texts with Japanese or Simplified
// Chinese shapes under most system languages, and may not be there at all.
QString shippedFontFamily();

// Makes the shipped family the font of every widget, at the size the
// desktop chose, and sees that the font is registered before any widget
// lays out text: at the latest when the first widget is polished, which Qt
// does before a widget measures or draws its text, unless the widget was
// marked as drawing none. Call once, before any widget exists, so that none
// has to be told of a change.
void useShippedFont();

// A widget that draws no text (the board) needs no font: being polished,
// it does not make the font registered.
void markAsDrawingNoText(QWidget* widget);

// Registers the font with Qt's font database, unless that was done: the one
// costly step, a few milliseconds and megabytes, as the database fills. The
// board does it at the player's first press, while the hand holds the
// button, so the first menu is not kept waiting for it. If the font cannot
// be registered, the system's fonts stand in and a warning says so.
void registerShippedFont();

}  // namespace kmq::ui
