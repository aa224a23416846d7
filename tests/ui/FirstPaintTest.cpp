#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "ui/application/FirstPaint.h"

namespace kmq::test {
namespace {

class PaintLog : public QWidget {
public:
    explicit PaintLog(std::vector<std::string>& log) : log_(log) {}

protected:
    void paintEvent(QPaintEvent*) override { log_.push_back("paint"); }

private:
    std::vector<std::string>& log_;
};

TEST(FirstPaint, ActsOnceAfterTheFirstPaintAndNeverBefore) {
    std::vector<std::string> log;
    PaintLog widget(log);
    ui::afterFirstPaint(&widget, [&] { log.push_back("action"); });
    QCoreApplication::processEvents();
    EXPECT_TRUE(log.empty()) << "not shown, not painted";

    widget.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log.empty() && log.back() == "action"; }));
    EXPECT_EQ(log.front(), "paint");
    widget.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(std::count(log.begin(), log.end(), "action"), 1);
    EXPECT_EQ(log.back(), "paint");
}

}  // namespace
}  // namespace kmq::test
