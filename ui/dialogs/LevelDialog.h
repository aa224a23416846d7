#pragma once

#include <optional>
#include "ui/dialogs/GameDialog.h"

class QButtonGroup;
class QLineEdit;

namespace kmq::ui {

struct LevelChoice {
    int grade;
    int level;
};

// Asks for a grade and a level number. Opens preset to the given position;
// an entry that is not a level number is refused with a message and the
// dialog stays. Enter and Esc do nothing here; only the button or the close
// box ends it.
class LevelDialog : public GameDialog {
    Q_OBJECT
public:
    // The player's choice, or nothing when the dialog was closed otherwise.
    static std::optional<LevelChoice> ask(LevelChoice preset, QWidget* parent = nullptr);

    explicit LevelDialog(LevelChoice preset, QWidget* parent = nullptr);

    std::optional<LevelChoice> choice() const { return choice_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createGradeBox();
    void createLevelBox(int level);
    void confirm();

    QButtonGroup* gradeButtons_ = nullptr;
    QLineEdit* levelEdit_ = nullptr;
    std::optional<LevelChoice> choice_;
};

}  // namespace kmq::ui
