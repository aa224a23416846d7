#include <gtest/gtest.h>

#include <QCursor>
#include <QWidget>

#include "ui/platform/PointerPosition.h"
#include "ui/platform/WindowShape.h"
#include "ui/platform/WindowStacking.h"

namespace kmq::test {
namespace {

// Whatever path this build takes, a visible window changes its stacking in
// place: same native window, same place, still shown.
TEST(Platform, StackingChangesInPlace) {
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(120, 80);
    window.move(200, 150);
    window.show();
    const WId id = window.winId();

    platform::nativeStacking().makeTopmost(&window);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    platform::nativeStacking().makeNotTopmost(&window);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.winId(), id);
    EXPECT_EQ(window.pos(), QPoint(200, 150));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(Platform, ShapeIsTheInsideOfThePolygon) {
    QWidget window;
    window.setFixedSize(10, 10);
    const QPolygon triangle({QPoint(0, 0), QPoint(10, 0), QPoint(0, 10)});
    platform::shapeWindow(&window, triangle);
    EXPECT_TRUE(window.mask().contains(QPoint(1, 1)));
    EXPECT_FALSE(window.mask().contains(QPoint(8, 8)));
}

TEST(Platform, PointerPositionFollowsThePointer) {
    QCursor::setPos(321, 123);
    EXPECT_EQ(platform::pointerPosition(), QPoint(321, 123));
}

}  // namespace
}  // namespace kmq::test
