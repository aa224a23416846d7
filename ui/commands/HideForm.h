#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace kmq {
class LevelCatalogue;
}

namespace kmq::ui {

class AlwaysOnTop;

// The command form: it owns the board's popup menu and is itself, shown
// modally, the level selection dialog. Created hidden when the menu is first
// needed; a confirmed (or otherwise closed) dialog discards it, and the board
// creates it again for the next menu.
class HideForm : public QDialog {
    Q_OBJECT
public:
    HideForm(LevelCatalogue& levels, AlwaysOnTop& alwaysOnTop,
             std::function<void()> endProgram = DefaultEndProgram);

    // True once the dialog has closed; the form is then to be discarded.
    bool IsUnloaded() const { return unloaded_; }

    QMenu* Menu;
    QAction* M_Real;
    QAction* M_Load;
    QAction* M_Restart;
    QAction* M_L2;
    QAction* M_AOT;
    QAction* M_L3;
    QAction* M_About;
    QAction* M_L1;
    QAction* M_End;

    QGroupBox* Frame1;
    std::array<QRadioButton*, 5> Option1;
    QGroupBox* Frame2;
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;

    void M_Real_Click();
    void M_Load_Click();
    void M_Restart_Click();
    void M_AOT_Click();
    void M_About_Click();
    void M_End_Click();
    void Command1_Click();

    static void DefaultEndProgram();

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildMenu();
    void BuildDialog();
    void Form_Load();
    void Unload();

    LevelCatalogue& levels_;
    AlwaysOnTop& alwaysOnTop_;
    std::function<void()> endProgram_;
    bool unloaded_ = false;
};

}  // namespace kmq::ui
