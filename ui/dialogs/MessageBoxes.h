#pragma once

#include <QString>

class QWidget;

namespace kmq::ui {

// Modal message boxes in the game's own style: the program's title as
// caption, no icon, buttons in Traditional Chinese whatever the system's
// language.

// OK only ("確定"); returns when the player has closed it.
void showMessage(QWidget* parent, const QString& text);

// "是(&Y)" and "否(&N)", Yes the default; true for Yes.
bool askYesNo(QWidget* parent, const QString& text);

}  // namespace kmq::ui
