// The dialogs at every text size a desktop may ask for: their controls are
// placed in fixed pixels, so they keep the text size that layout is made
// for, and every text shows whole in its control.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <functional>
#include <memory>

#include "tests/ui/UiTestSupport.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/LevelDialog.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/dialogs/WrappedLabel.h"

namespace kmq::test {
namespace {

// What does not fit: a line wider than its control, or lines taller than
// it (a wrapped label's lines each need the height of a character).
QStringList TextsOutOfPlace(QWidget* dialog) {
    QStringList problems;
    const auto fit = [&](QWidget* control, const QStringList& lines, QRect room, int lineHeight) {
        const QFontMetrics metrics(control->font());
        for (const QString& line : lines)
            if (metrics.horizontalAdvance(line) > room.width())
                problems << QStringLiteral("%1 wider than its %2 pixels").arg(line).arg(room.width());
        if (lines.size() * lineHeight > room.height())
            problems << QStringLiteral("%1 taller than its %2 pixels").arg(lines.join(u'/')).arg(room.height());
    };
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        if (auto* wrapped = qobject_cast<ui::WrappedLabel*>(label))
            fit(label, wrapped->lines(), label->contentsRect(), QFontInfo(label->font()).pixelSize());
        else
            fit(label, label->text().split(u'\n'), label->contentsRect(), label->fontMetrics().height());
    }
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radio = qobject_cast<QRadioButton*>(button);
        const QRect room = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
        fit(button, {QString(button->text()).remove(u'&')}, room, button->fontMetrics().height());
    }
    for (QGroupBox* box : dialog->findChildren<QGroupBox*>())
        fit(box, {box->title()}, box->contentsRect(), 0);
    return problems;
}

class GameDialogs : public ::testing::TestWithParam<int> {
protected:
    // The desktop's text size, as Plasma, LXQt or Windows hand it to Qt.
    void UseDesktopTextSize(int points) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
    }
    ~GameDialogs() override { QApplication::setFont(desktopFont_); }

    // Each dialog as it shows, and its picture.
    static std::vector<std::function<std::unique_ptr<QDialog>()>> Dialogs() {
        return {[] { return std::make_unique<ui::AboutDialog>(); },
                [] { return std::make_unique<ui::LevelDialog>(ui::LevelChoice{5, 30}); }};
    }
    static QImage Shown(QDialog& dialog) {
        dialog.show();
        return dialog.grab().toImage();
    }

    const QFont desktopFont_ = QApplication::font();
};

TEST_P(GameDialogs, LookTheSameAndShowEveryTextWholeAtTheDesktopsTextSize) {
    for (const auto& make : Dialogs()) {
        const auto usual = make();
        const QImage expected = Shown(*usual);
        UseDesktopTextSize(GetParam());
        const auto dialog = make();
        const QImage shown = Shown(*dialog);
        const QStringList problems = TextsOutOfPlace(dialog.get());
        EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
        EXPECT_TRUE(shown == expected) << dialog->windowTitle().toStdString() << " changed";
        QApplication::setFont(desktopFont_);
    }
}

// Two texts shorter than the title: the title sets the width of both boxes,
// so the title bar never shows a clipped "澄…".
TEST(MessageBoxes, ShortMessagesAreAsWideAsTheirTitleNeeds) {
    std::vector<int> widths;
    for (const QString& text : {QStringLiteral("請輸入數字！"), QStringLiteral("您實在是太強了！恭喜！")})
        WhileModal([&] { ui::showMessage(nullptr, text); },
                   [&](QWidget* open) {
                       widths.push_back(open->width());
                       ClickLater(qobject_cast<QMessageBox*>(open)->buttons().constFirst());
                   });
    ASSERT_EQ(widths.size(), 2u);
    EXPECT_EQ(widths[0], widths[1]);
}

INSTANTIATE_TEST_SUITE_P(Points, GameDialogs, ::testing::Range(8, 17),
                         [](const ::testing::TestParamInfo<int>& info) { return std::to_string(info.param) + "pt"; });

}  // namespace
}  // namespace kmq::test
