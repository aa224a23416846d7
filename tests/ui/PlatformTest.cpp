#include <gtest/gtest.h>

#include <QCursor>
#include <QWidget>

#include "ui/platform/SystemMove.h"
#include "ui/platform/WindowShape.h"
#include "ui/platform/WindowStacking.h"
#ifdef __linux__
#include "ui/platform/WaylandSocket.h"
#endif

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

// Off Wayland the program moves its own window, so the press stays its own.
TEST(Platform, NoSystemMoveOffWayland) {
    QWidget window;
    window.show();
    EXPECT_FALSE(platform::startSystemMove(&window));
}

#ifdef __linux__
TEST(Platform, WaylandSocketIsNamedInTheRuntimeFolderOrByPath) {
    EXPECT_EQ(platform::waylandSocketPath("wayland-1", "/run/user/1000"), "/run/user/1000/wayland-1");
    EXPECT_EQ(platform::waylandSocketPath("/tmp/compositor", nullptr), "/tmp/compositor");
    EXPECT_EQ(platform::waylandSocketPath(nullptr, "/run/user/1000"), "/run/user/1000/wayland-0");
    EXPECT_EQ(platform::waylandSocketPath("", "/run/user/1000"), "/run/user/1000/wayland-0");
    EXPECT_EQ(platform::waylandSocketPath("wayland-1", nullptr), "");
    EXPECT_EQ(platform::waylandSocketPath("wayland-1", ""), "");
}
#endif

}  // namespace
}  // namespace kmq::test
