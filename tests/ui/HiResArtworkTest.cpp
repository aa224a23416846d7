// The pictures for screens at twice and three times the density: the right
// sizes, the same drawing as the 1x pictures (holes, ball and pointer in the
// same places), and alpha where the 1x pictures have a transparent colour.
#include <gtest/gtest.h>

#include <QPointF>
#include <cstdlib>
#include <string>

#include "tests/ui/UiTestSupport.h"

namespace kmq::test {
namespace {

// Scaled down to 1x, a picture shows the 1x drawing except for a thin seam
// of pixels where the two drawings' anti-aliasing and Qt's downscaling
// filter disagree; a hole moved by half a logical pixel or a ball a twentieth
// smaller makes that seam at least twice as wide.
constexpr int ClearlyDifferentGrey = 24;
constexpr double SameDrawingShare = 0.015;
constexpr double CentreTolerance = 0.5;  // pixels at the larger scale

QString AtScale(const char* name, int scale, const char* format = "png") {
    return QStringLiteral(":/%1@%2x.%3").arg(QLatin1String(name)).arg(scale).arg(QLatin1String(format));
}

QImage Downscaled(const QImage& image, QSize size) {
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The share of the pixels opaque in both pictures whose grey levels differ clearly.
double ClearlyDifferentShare(const QImage& a, const QImage& b) {
    int compared = 0, different = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y), pb = b.pixel(x, y);
            if (qAlpha(pa) < 255 || qAlpha(pb) < 255) continue;
            ++compared;
            if (std::abs(qGray(pa) - qGray(pb)) > ClearlyDifferentGrey) ++different;
        }
    return compared ? double(different) / compared : 1.0;
}

// Where the picture's coverage is centred, in continuous pixel coordinates.
QPointF AlphaCentre(const QImage& image) {
    double x = 0, y = 0, total = 0;
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column) {
            const double alpha = qAlpha(image.pixel(column, row));
            x += alpha * (column + 0.5);
            y += alpha * (row + 0.5);
            total += alpha;
        }
    return total > 0 ? QPointF(x / total, y / total) : QPointF(-1, -1);
}

void ExpectClearCorners(const QImage& image) {
    const int right = image.width() - 1, bottom = image.height() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
}

class HiResArtwork : public testing::TestWithParam<int> {
protected:
    int scale() const { return GetParam(); }
};

TEST_P(HiResArtwork, BoardIsTheSameDrawingAtMoreOpaquePixels) {
    const QImage standard = ReadDrawing(QStringLiteral(":/board.bmp"));
    const QImage board = ReadDrawing(AtScale("board", scale(), "bmp"));
    ASSERT_EQ(board.size(), standard.size() * scale());
    EXPECT_EQ(qAlpha(board.pixel(0, 0)), 255);
    EXPECT_LT(ClearlyDifferentShare(Downscaled(board, standard.size()), standard), SameDrawingShare);
}

TEST_P(HiResArtwork, PegIsTheSameBallWithClearCorners) {
    const QImage standard = ReadDrawing(QStringLiteral(":/peg.png"));
    const QImage peg = ReadDrawing(AtScale("peg", scale()));
    ASSERT_EQ(peg.size(), standard.size() * scale());
    ExpectClearCorners(peg);
    EXPECT_EQ(qAlpha(peg.pixel(peg.width() / 2, peg.height() / 2)), 255);
    EXPECT_LT(ClearlyDifferentShare(Downscaled(peg, standard.size()), standard), SameDrawingShare);
}

TEST_P(HiResArtwork, PointerCentresTheBallWhereThe1xPointerDoes) {
    const QImage standard = ReadDrawing(QStringLiteral(":/peg-pointer.png"));
    const QImage pointer = ReadDrawing(AtScale("peg-pointer", scale()));
    ASSERT_EQ(pointer.size(), standard.size() * scale());
    ExpectClearCorners(pointer);
    const QPointF expected = AlphaCentre(standard) * scale();
    const QPointF centre = AlphaCentre(pointer);
    EXPECT_NEAR(centre.x(), expected.x(), CentreTolerance);
    EXPECT_NEAR(centre.y(), expected.y(), CentreTolerance);
    EXPECT_EQ(qAlpha(pointer.pixel(qRound(centre.x()), qRound(centre.y()))), 255);
}

INSTANTIATE_TEST_SUITE_P(Scales, HiResArtwork, testing::Values(2, 3),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param) + "x";
                         });

}  // namespace
}  // namespace kmq::test
