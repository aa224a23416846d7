#include <gtest/gtest.h>

#include <QWidget>

#include "ui/platform/ScreenPlacement.h"
#include "ui/platform/WindowStacking.h"
#include "ui/platform/WindowSystem.h"
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

// After the screens change, a window that none of them shows any more
// comes back wholly onto the free area of the nearest one; a window some
// screen still shows, even a sliver of it, stays.
TEST(Platform, AWindowLeftOffEveryScreenComesBackOntoTheNearest) {
    using platform::ScreenArea;
    const QList<ScreenArea> laptop{{QRect(0, 0, 800, 600), QRect(0, 0, 800, 570)}};
    const QSize board(199, 198);
    EXPECT_EQ(platform::positionBackInView(QRect(QPoint(892, 667), board), laptop), QPoint(601, 372));
    EXPECT_EQ(platform::positionBackInView(QRect(QPoint(-500, 100), board), laptop), QPoint(0, 100));
    EXPECT_EQ(platform::positionBackInView(QRect(QPoint(795, 595), board), laptop), std::nullopt);

    const QList<ScreenArea> twoScreens{laptop.front(), {QRect(800, -200, 1000, 400), QRect(800, -200, 1000, 400)}};
    EXPECT_EQ(platform::positionBackInView(QRect(QPoint(1900, -100), board), twoScreens), QPoint(1601, -100));
    EXPECT_EQ(platform::positionBackInView(QRect(QPoint(900, 700), board), twoScreens), QPoint(601, 372));
    EXPECT_EQ(platform::positionBackInView(QRect(QPoint(900, 700), board), {}), std::nullopt);
}

#ifdef __linux__
// Under each of Qt's Wayland platforms the compositor moves the board.
TEST(Platform, EveryWaylandPlatformIsWayland) {
    for (const QStringView name : {u"wayland", u"wayland-egl", u"wayland-brcm"})
        EXPECT_TRUE(platform::isWaylandPlatform(name)) << name.toString().toStdString();
    for (const QStringView name : {u"xcb", u"offscreen", u"windows"})
        EXPECT_FALSE(platform::isWaylandPlatform(name)) << name.toString().toStdString();
}

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
