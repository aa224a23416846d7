#include "frmAbout.h"

#include <QLabel>
#include <QPushButton>

#include "AlwaysOnTop.h"
#include "AppInfo.h"
#include "ScreenCentre.h"
#include "WrappedLabel.h"

namespace kmq::ui {
namespace {

constexpr QSize ClientSize(313, 217);
constexpr int IconSize = 32;

void MakeTextBlack(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

}  // namespace

const QString frmAbout::RulesText = QStringLiteral(
    "遊戲方式：在棋盤上有許多棋子，移動時請用滑鼠將一顆棋子提取並跳過另外一顆後放下，"
    "被跳過的棋子會消失。如此反覆數次，最後若能夠只剩一顆，並且使其位於中央，則獲勝。"
    "棋子只能以跳躍的方式移動，且只能水平或垂直移動，不能斜跳，也不能一次跳過兩顆。"
    "本遊戲除了正式的孔明棋外，另有五種不同等級共一百五十個關卡可以選擇遊戲。");

const QString frmAbout::CreditText =
    QStringLiteral("本遊戲為免費的自由軟體，祝您玩得愉快！\n歡迎來信指教：kongming@example.org");

frmAbout::frmAbout(AlwaysOnTop& alwaysOnTop)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      alwaysOnTop_(alwaysOnTop) {
    setWindowTitle(QStringLiteral("關於我的應用程式"));  // replaced as the dialog loads
    setWindowIcon(app::Icon());
    setFixedSize(ClientSize);
    setModal(true);

    picIcon = new QLabel(this);
    picIcon->setGeometry(8, 8, IconSize + 2, IconSize + 2);
    picIcon->setFrameShape(QFrame::Box);
    picIcon->setLineWidth(1);
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(app::Icon().pixmap(IconSize, IconSize));

    lblTitle = new QLabel(QStringLiteral("應用程式標題"), this);
    lblTitle->setGeometry(56, 8, 251, 32);
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MakeTextBlack(lblTitle);

    lblVersion = new QLabel(QStringLiteral("版本"), this);
    lblVersion->setGeometry(184, 8, 171, 15);

    Label1 = new WrappedLabel(RulesText, this);
    Label1->setGeometry(56, 32, 249, 121);

    lblDescription = new QLabel(CreditText, this);
    lblDescription->setGeometry(56, 144, 251, 38);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MakeTextBlack(lblDescription);

    cmdOK = new QPushButton(QStringLiteral("確定"), this);
    cmdOK->setGeometry(114, 184, 84, 23);
    cmdOK->setDefault(true);  // Enter; Esc arrives as reject()
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    cmdOK->setFocus();

    Form_Load();
    CentreOnScreen(this);
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("關於 ") + app::Title());
    lblVersion->setText(QStringLiteral("版本 %1.%2.%3").arg(app::Major).arg(app::Minor).arg(app::Revision));
    lblTitle->setText(app::Title());
}

void frmAbout::cmdOK_Click() {
    alwaysOnTop_.RestoreAfterDialog();
    accept();
}

void frmAbout::reject() {
    if (isVisible()) cmdOK_Click();
}

}  // namespace kmq::ui
