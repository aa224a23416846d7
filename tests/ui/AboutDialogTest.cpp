#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "GameInfo.h"
#include "ui/dialogs/WrappedLabel.h"
#include "ui/dialogs/AboutDialog.h"

namespace kmq::test {
namespace {

QLabel* Label(QWidget& about, const char* name) { return about.findChild<QLabel*>(name); }

TEST(About, ShowsTitleVersionRulesAndCredit) {
    ui::AboutDialog about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("關於 ") + ui::game::title());
    EXPECT_EQ(Label(about, "titleLabel")->text(), ui::game::title());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^版本 \\d+\\.\\d+\\.\\d+$")).match(Label(about, "versionLabel")->text()).hasMatch())
        << Label(about, "versionLabel")->text().toStdString();
    EXPECT_EQ(Label(about, "rulesLabel")->text().size(), 155);
    EXPECT_TRUE(Label(about, "creditLabel")->text().endsWith(ui::game::contact()));
    EXPECT_FALSE(Label(about, "iconLabel")->pixmap().isNull());
    const auto* ok = about.findChild<QPushButton*>("okButton");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_NEAR(ok->geometry().center().x(), about.width() / 2, 1) << "the button stands in the middle";
    EXPECT_FALSE(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

// The rules are one paragraph: it wraps between any two characters, keeps
// every one of them, and no line starts with a comma or a full stop.
TEST(About, RulesWrapWithinTheirBoxAndPunctuationHangs) {
    ui::AboutDialog about;
    const auto* rules = about.findChild<ui::WrappedLabel*>("rulesLabel");
    ASSERT_NE(rules, nullptr);
    const QStringList lines = rules->lines();
    EXPECT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(QString{}), rules->text());
    for (const QString& line : lines) {
        EXPECT_FALSE(QStringLiteral("，。：").contains(line.front())) << line.toStdString();
        EXPECT_LE(rules->fontMetrics().horizontalAdvance(line.chopped(1)), rules->width()) << line.toStdString();
    }
}

// A comma that falls at the end of a full line hangs there.
TEST(WrappedLabel, ACommaNeverBeginsALine) {
    ui::WrappedLabel label(QStringLiteral("棋盤上有，棋子"), nullptr);
    label.resize(label.fontMetrics().horizontalAdvance(QStringLiteral("棋盤上有")), 60);
    EXPECT_EQ(label.lines(), QStringList({QStringLiteral("棋盤上有，"), QStringLiteral("棋子")}));
}

}  // namespace
}  // namespace kmq::test
