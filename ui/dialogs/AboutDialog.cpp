#include "ui/dialogs/AboutDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "GameInfo.h"
#include "ui/dialogs/WrappedLabel.h"

namespace kmq::ui {
namespace {

constexpr QSize ClientSize(313, 217);
constexpr int IconSize = 32;

QLabel* addLabel(QLabel* label, const char* objectName, const QRect& geometry) {
    label->setObjectName(QLatin1String(objectName));
    label->setGeometry(geometry);
    return label;
}

void makeTextBlack(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

}  // namespace

const QString AboutDialog::RulesText = QStringLiteral(
    "遊戲方式：在棋盤上有許多棋子，移動時請用滑鼠將一顆棋子提取並跳過另外一顆後放下，"
    "被跳過的棋子會消失。如此反覆數次，最後若能夠只剩一顆，並且使其位於中央，則獲勝。"
    "棋子只能以跳躍的方式移動，且只能水平或垂直移動，不能斜跳，也不能一次跳過兩顆。"
    "本遊戲除了正式的孔明棋外，另有五種不同等級共一百五十個關卡可以選擇遊戲。");

const QString AboutDialog::CreditText =
    QStringLiteral("本遊戲為免費的自由軟體，祝您玩得愉快！\n歡迎來信指教：") + game::contact();

AboutDialog::AboutDialog(QWidget* parent) : GameDialog(QStringLiteral("關於 ") + game::title(), ClientSize, parent) {

    QLabel* icon = addLabel(new QLabel(this), "iconLabel", QRect(8, 8, IconSize + 2, IconSize + 2));
    icon->setFrameShape(QFrame::Box);
    icon->setLineWidth(1);
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(QApplication::windowIcon().pixmap(IconSize, IconSize));

    QLabel* title = addLabel(new QLabel(game::title(), this), "titleLabel", QRect(56, 8, 251, 32));
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    makeTextBlack(title);

    addLabel(new QLabel(QStringLiteral("版本 ") + game::version(), this), "versionLabel",
             QRect(184, 8, 171, 15));
    addLabel(new WrappedLabel(RulesText, this), "rulesLabel", QRect(56, 32, 249, 121));

    QLabel* credit = addLabel(new QLabel(CreditText, this), "creditLabel", QRect(56, 144, 251, 38));
    credit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    makeTextBlack(credit);

    auto* okButton = new QPushButton(QStringLiteral("確定"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(114, 184, 84, 23);
    okButton->setDefault(true);  // Enter; Esc and the close box reject, which closes it too
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    okButton->setFocus();

    centreOnTheBoardsScreen();
}

}  // namespace kmq::ui
