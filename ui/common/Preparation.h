#pragma once

namespace kmq::ui {

// What the board does not show but every other window needs: the shipped
// face registered and the program's icon decoded. Begun once the board has
// been drawn, on a thread of its own, so that it neither holds the board up
// nor makes it draw again; it takes a few milliseconds, long before a player
// can open a menu. A menu, dialog or message box finishes it before it lays
// out its text, so it never finds the face missing.
void beginPreparation();

// Waits for the preparation, or does it here and now when it was never
// begun, and gives the application its icon; at once when it is done
// already. On the user-interface thread, before the application object goes.
void finishPreparation();

}  // namespace kmq::ui
