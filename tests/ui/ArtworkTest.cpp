#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include "core/BoardGeometry.h"
#include "ui/board/BoardWindow.h"

namespace kmq::test {
namespace {

QImage Read(const QString& path, QByteArray* format = nullptr) {
    QImageReader reader(path);
    if (format) *format = reader.format();
    return reader.read();
}

int Brightness(QRgb pixel) {
    return qGray(pixel);
}

TEST(Artwork, BoardIsAnUnscaled24BitBitmapWithAHoleUnderEveryCell) {
    QByteArray format;
    const QImage board = Read(QStringLiteral(":/board.bmp"), &format);
    ASSERT_FALSE(board.isNull());
    EXPECT_EQ(format, "bmp");
    EXPECT_EQ(board.size(), ui::BoardWindow::Size);
    EXPECT_FALSE(board.hasAlphaChannel());

    // A hole is dark at the cell's centre and wood shows between holes.
    for (CellIndex cell = FirstCell; cell <= LastCell; ++cell) {
        const int left = ui::BoardWindow::GridOrigin.x() + CellPitch * columnOf(cell);
        const int top = ui::BoardWindow::GridOrigin.y() + CellPitch * rowOf(cell);
        const int centre = Brightness(board.pixel(left + 10, top + 10));
        const int between = Brightness(board.pixel(left + 23, top + 23));
        if (isOutside(cell))
            EXPECT_GT(centre, 100) << "no hole belongs under outside cell " << cell;
        else
            EXPECT_LT(centre + 40, between) << "cell " << cell;
    }
}

TEST(Artwork, PegIsARoundBallWithTransparentCorners) {
    QByteArray format;
    const QImage peg = Read(QStringLiteral(":/peg.gif"), &format);
    ASSERT_FALSE(peg.isNull());
    EXPECT_EQ(format, "gif");
    EXPECT_EQ(peg.size(), QSize(21, 21));
    EXPECT_LE(peg.colorCount(), 128);
    for (QPoint corner : {QPoint(0, 0), QPoint(20, 0), QPoint(0, 20), QPoint(20, 20)})
        EXPECT_EQ(qAlpha(peg.pixel(corner)), 0);
    EXPECT_EQ(qAlpha(peg.pixel(10, 10)), 255);
    EXPECT_EQ(qAlpha(peg.pixel(10, 1)), 255);  // the ball reaches the edge of its square
}

TEST(Artwork, PegPointerCentresTheBallOnA32PixelIcon) {
    const QImage icon = Read(QStringLiteral(":/peg.ico"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(4, 15)), 0);   // left of the ball
    EXPECT_EQ(qAlpha(icon.pixel(26, 15)), 0);  // right of it
    EXPECT_EQ(qAlpha(icon.pixel(15, 15)), 255);
    const QImage peg = Read(QStringLiteral(":/peg.gif"));
    EXPECT_EQ(icon.pixel(15, 15) & 0xFFFFFF, peg.pixel(10, 10) & 0xFFFFFF);
}

TEST(Artwork, ApplicationIconCarries16And32PixelImages) {
    QImageReader reader(QStringLiteral(":/app.ico"));
    ASSERT_EQ(reader.imageCount(), 2);
    QList<QSize> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        sizes << reader.read().size();
    }
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    EXPECT_EQ(sizes, (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
}

}  // namespace
}  // namespace kmq::test
