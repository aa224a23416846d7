// Every text the player can see is drawn with the Traditional Chinese face
// the game ships, whatever the system language (ctest runs these under
// several LANG settings). A character the face lacks would be drawn by
// some other font the system has, with other shapes, or not at all.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>
#include <memory>

#include "core/GameEnd.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/board/BoardWindow.h"
#include "ui/application/ShippedFont.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/LevelDialog.h"
#include "ui/menu/CommandMenu.h"

namespace kmq::test {
namespace {

// Why a text is not drawn wholly with the shipped face; empty when it is.
QString NotFromShippedFace(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.rawFont().familyName() != ui::shippedFontFamily()) return "drawn with " + run.rawFont().familyName();
        if (run.glyphIndexes().contains(0)) return QStringLiteral("a character with no glyph");
    }
    return {};
}

struct ShownText {
    QString text;
    QFont font;
};

// The texts the game draws in a window (its title is the window manager's
// to draw), each with the font it is drawn in. A menu's own items count.
std::vector<ShownText> TextsOf(QWidget* window) {
    std::vector<ShownText> texts;
    auto add = [&](const QString& text, const QFont& font) {
        if (!text.isEmpty()) texts.push_back({text, font});
    };
    for (auto* label : window->findChildren<QLabel*>()) add(label->text(), label->font());
    for (auto* button : window->findChildren<QAbstractButton*>()) add(button->text(), button->font());
    for (auto* box : window->findChildren<QGroupBox*>()) add(box->title(), box->font());
    QList<QMenu*> menus = window->findChildren<QMenu*>();
    if (auto* menu = qobject_cast<QMenu*>(window)) menus.prepend(menu);
    for (QMenu* menu : menus)
        for (QAction* action : menu->actions()) add(action->text(), menu->font());
    return texts;
}

// The texts of every message box that opens while `action` runs.
std::vector<ShownText> MessageTexts(const std::function<void()>& action) {
    std::vector<ShownText> texts;
    WhileModal(action, [&](QWidget* open) {
        auto* box = qobject_cast<QMessageBox*>(open);
        if (!box) return;
        const auto shown = TextsOf(box);
        texts.insert(texts.end(), shown.begin(), shown.end());
        ClickLater(box->buttons().constFirst());
    });
    return texts;
}

void ExpectShippedFace(const std::vector<ShownText>& texts) {
    ASSERT_FALSE(texts.empty());
    for (const ShownText& shown : texts) {
        EXPECT_EQ(QFontInfo(shown.font).family().toStdString(), ui::shippedFontFamily().toStdString())
            << shown.text.toStdString();
        EXPECT_EQ(NotFromShippedFace(shown.text, shown.font).toStdString(), "") << shown.text.toStdString();
    }
}

// Any window the game (or a later change) shows: the font is in place
// before the window lays out its text, whatever shows first.
TEST(ShippedFont, DrawsAnyWindowsTextAndTheCheckSeesAMissingCharacter) {
    QWidget window;
    auto* label = new QLabel(QStringLiteral("孔明棋"), &window);
    window.show();
    ExpectShippedFace(TextsOf(&window));
    EXPECT_NE(NotFromShippedFace(QStringLiteral("孔明棋龘"), label->font()), QString());
}

TEST(ShippedFont, DrawsTheMenusAndTheDialogs) {
    RecordingStacking stacking;
    ui::BoardWindow board(stacking);
    board.showCentred();
    WhileModal([&] { QTest::mouseClick(&board, Qt::RightButton, {}, QPoint(4, 100)); },
               [](QWidget* open) { open->close(); });
    ASSERT_NE(board.commandMenu(), nullptr);
    ExpectShippedFace(TextsOf(board.commandMenu()));

    ui::AboutDialog about;
    about.show();
    ExpectShippedFace(TextsOf(&about));

    ui::LevelDialog levels({5, 30});
    levels.show();
    ExpectShippedFace(TextsOf(&levels));
    auto* edit = levels.findChild<QLineEdit*>(QStringLiteral("levelEdit"));
    ASSERT_NE(edit, nullptr);
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    ExpectShippedFace(TextsOf(menu.get()));
}

// The message boxes, each text of which the font test finds in the face:
// a refused entry's, and the question with its two buttons.
TEST(ShippedFont, DrawsTheMessageBoxes) {
    ui::LevelDialog levels({5, 30});
    levels.show();
    levels.findChild<QLineEdit*>(QStringLiteral("levelEdit"))->setText(QStringLiteral("99"));
    ExpectShippedFace(MessageTexts([&] { levels.findChild<QAbstractButton*>(QStringLiteral("okButton"))->click(); }));
    ExpectShippedFace(MessageTexts(
        [&] { ui::askYesNo(nullptr, QString::fromUtf8(GameEndText::NextLevelQuestion)); }));
}

}  // namespace
}  // namespace kmq::test
