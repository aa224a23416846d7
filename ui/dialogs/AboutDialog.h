#pragma once

#include "ui/dialogs/GameDialog.h"

namespace kmq::ui {

// Title, version, the rules of the game and a credit line. Its one button,
// Enter, Esc and the close box all close it.
class AboutDialog : public GameDialog {
    Q_OBJECT
public:
    static const QString RulesText;
    static const QString CreditText;

    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace kmq::ui
