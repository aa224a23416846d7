#pragma once

namespace kmq::ui {

// What the board does not show but other windows and the desktop need,
// made ready where it neither holds the board up nor makes it draw again:
// - the program's icon, for the taskbar and the dialogs: a millisecond or
//   two of decoding, once the board is on the screen;
// - the shipped face for every text, on a thread of its own from the
//   player's first press on the board, which comes before any menu, dialog
//   or message: a hand holds a button down for longer than the face takes
//   (about ten milliseconds), and the memory of the font database is not
//   spent before it is used.
void giveIcon();
void beginFace();

// Gives the application its icon and waits for the face, or makes either
// here and now when it was never begun; at once when both are done. Every
// window with text calls it before it lays its text out, and that order
// matters: Qt keeps the fonts it has matched in a cache of each thread's
// own, and registering the face on the worker clears only the worker's, so
// text laid out here before would keep the face that stood in for it.
void finishPreparation();

// Waits for the face if it was begun, and starts nothing: before the
// application object goes, which the work uses.
void joinPreparation();

}  // namespace kmq::ui
