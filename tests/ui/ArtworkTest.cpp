#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QResource>
#include <QTest>

#include "core/BoardGeometry.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/board/BoardWindow.h"
#include "ui/application/ApplicationIcon.h"
#include "ui/application/ResourcePicture.h"
#include "ui/dialogs/AboutDialog.h"

namespace kmq::test {
namespace {

// Read as the game reads them: by the format their name gives, or not at all.
using ui::readResourcePicture;

TEST(Artwork, BoardIsAnUnscaled24BitBitmapWithAHoleUnderEveryCell) {
    const QImage board = readResourcePicture(QStringLiteral(":/board.bmp"));
    ASSERT_FALSE(board.isNull());
    EXPECT_EQ(board.size(), ui::BoardWindow::Size);
    EXPECT_FALSE(board.hasAlphaChannel());

    // A hole is dark at the cell's centre and wood shows between holes.
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell) {
        const int left = ui::BoardWindow::GridOrigin.x() + CellPitch * columnOf(cell);
        const int top = ui::BoardWindow::GridOrigin.y() + CellPitch * rowOf(cell);
        const int centre = qGray(board.pixel(left + 10, top + 10));
        const int between = qGray(board.pixel(left + 23, top + 23));
        if (isOutside(cell))
            EXPECT_GT(centre, 100) << "no hole belongs under outside cell " << cell;
        else
            EXPECT_LT(centre + 40, between) << "cell " << cell;
    }
}

TEST(Artwork, PegIsARoundBallWithTransparentCorners) {
    const QImage peg = readResourcePicture(QStringLiteral(":/peg.png"));
    ASSERT_FALSE(peg.isNull());
    EXPECT_EQ(peg.size(), QSize(21, 21));
    EXPECT_LE(peg.colorCount(), 128);
    for (QPoint corner : {QPoint(0, 0), QPoint(20, 0), QPoint(0, 20), QPoint(20, 20)})
        EXPECT_EQ(qAlpha(peg.pixel(corner)), 0);
    EXPECT_EQ(qAlpha(peg.pixel(10, 10)), 255);
    EXPECT_EQ(qAlpha(peg.pixel(10, 1)), 255);  // the ball reaches the edge of its square
}

TEST(Artwork, PegPointerCentresTheBallOnA32PixelIcon) {
    const QImage icon = readResourcePicture(QStringLiteral(":/peg-pointer.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(4, 15)), 0);   // left of the ball
    EXPECT_EQ(qAlpha(icon.pixel(26, 15)), 0);  // right of it
    EXPECT_EQ(qAlpha(icon.pixel(15, 15)), 255);
    const QImage peg = readResourcePicture(QStringLiteral(":/peg.png"));
    EXPECT_EQ(icon.pixel(15, 15) & 0xFFFFFF, peg.pixel(10, 10) & 0xFFFFFF);
}

// Drawn for 16 and 32 pixels, with larger drawings for denser screens; a
// picture that failed to decode would leave a size to be scaled from another.
TEST(Artwork, ApplicationIconCarriesItsDrawingsFrom16To128Pixels) {
    const QList<QSize> sizes{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    EXPECT_EQ(ui::applicationIcon().availableSizes(), sizes);
}

// The boards for denser screens are used where they lie in the program, not
// copied: the image's pixels are the resource's, and they are the pixels
// Qt's own bitmap reader finds in the file. The standard board, a 24-bit
// bottom-up bitmap, is read.
TEST(Artwork, DenserBoardsAreUsedWhereTheyLie) {
    for (const char* path : {":/board@2x.bmp", ":/board@3x.bmp"}) {
        const QString name = QString::fromLatin1(path);
        const QImage view = ui::readResourcePicture(name);
        const QResource resource(name);
        ASSERT_FALSE(view.isNull()) << path;
        EXPECT_GE(view.constBits(), resource.data()) << path;
        EXPECT_LT(view.constBits(), resource.data() + resource.size()) << path;
        EXPECT_EQ(view, QImageReader(name).read().convertToFormat(QImage::Format_RGB32)) << path;
        // An RGB32 image's spare byte must be 255: a window with an alpha
        // channel (Wayland's) shows it.
        const auto* pixels = reinterpret_cast<const QRgb*>(view.constBits());
        EXPECT_TRUE(std::all_of(pixels, pixels + view.width() * view.height(), [](QRgb p) { return qAlpha(p) == 255; }))
            << path;
    }
    const QResource standard(QStringLiteral(":/board.bmp"));
    const QImage read = ui::readResourcePicture(QStringLiteral(":/board.bmp"));
    EXPECT_EQ(read.size(), ui::BoardWindow::Size);
    EXPECT_FALSE(read.constBits() >= standard.data() && read.constBits() < standard.data() + standard.size());
}

// The image plugins this process has loaded, from the kernel's own list.
QStringList LoadedImagePlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return {};
    QStringList plugins;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.contains("/imageformats/")) plugins << QString::fromUtf8(line.mid(line.lastIndexOf(' ') + 1));
    plugins.removeDuplicates();
    return plugins;
}

// Every picture of the game is in a format Qt reads itself: none of them
// loads an image plugin, which Qt's guessing of a format would.
TEST(Artwork, TheGameReadsItsPicturesWithoutImagePlugins) {
    if (!LoadedImagePlugins().isEmpty()) {  // an earlier test loaded one: the check runs in a process of its own
        QProcess alone;
        alone.setProcessChannelMode(QProcess::MergedChannels);
        alone.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=Artwork.TheGameReadsItsPicturesWithoutImagePlugins")});
        ASSERT_TRUE(alone.waitForFinished(30000));
        EXPECT_EQ(alone.exitCode(), 0) << alone.readAll().toStdString();
        return;
    }
    RecordingStacking stacking;
    ui::BoardWindow board(stacking);
    board.showCentred();
    QTest::mousePress(&board, Qt::LeftButton, {}, InCell(11, QPoint(10, 10)));  // the carrying pointer
    QTest::mouseRelease(&board, Qt::LeftButton, {}, InCell(11, QPoint(10, 10)));
    ui::AboutDialog about(&board);
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap().isNull());
    EXPECT_EQ(LoadedImagePlugins(), QStringList());
}

}  // namespace
}  // namespace kmq::test
