#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kmq::ui {

class AlwaysOnTop;

// Title, version, the rules of the game and a credit line. Created at each
// opening; its one button closes it and puts the board back on top when the
// always-on-top record says so.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    static const QString RulesText;
    static const QString CreditText;

    explicit frmAbout(AlwaysOnTop& alwaysOnTop);

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* Label1;
    QLabel* lblDescription;
    QPushButton* cmdOK;

    void cmdOK_Click();

public slots:
    // Esc, the close box and the window manager all close it as OK does.
    void reject() override;

private:
    void Form_Load();

    AlwaysOnTop& alwaysOnTop_;
};

}  // namespace kmq::ui
