#include "ui/board/ScaledPicture.h"

#include <QImage>
#include <QImageReader>
#include <QtMath>
#include <algorithm>
#include <utility>

namespace kmq::ui {
namespace {

// The drawing to start from: the one made for the ratio, or the next
// larger one, so that scaling only ever takes detail away. Below 1x the
// standard picture is scaled down, above 3x the largest is scaled up.
int drawnScaleFor(qreal ratio) {
    for (int scale = 1; scale < ScaledPicture::LargestDrawnScale; ++scale)
        if (ratio < scale || qFuzzyCompare(ratio, qreal(scale))) return scale;
    return ScaledPicture::LargestDrawnScale;
}

}  // namespace

ScaledPicture::ScaledPicture(QString standard, QString stem)
    : standard_(std::move(standard)), stem_(std::move(stem)) {}

const QPixmap& ScaledPicture::at(qreal ratio) const {
    if (pixmap_.isNull() || !qFuzzyCompare(ratio, pixmap_.devicePixelRatio())) pixmap_ = load(ratio);
    return pixmap_;
}

QString ScaledPicture::drawingFor(int scale) const {
    return scale == 1 ? standard_ : QStringLiteral("%1@%2x.png").arg(stem_).arg(scale);
}

// A picture covers the same logical size at every ratio: its pixel size is
// the logical size times the ratio, and its pixel ratio says so.
QPixmap ScaledPicture::load(qreal ratio) const {
    const int scale = drawnScaleFor(ratio);
    QImage drawing = QImageReader(drawingFor(scale)).read();
    if (!qFuzzyCompare(ratio, qreal(scale))) {
        const QSizeF logical = QSizeF(drawing.size()) / scale;
        drawing = drawing.scaled((logical * ratio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(drawing));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace kmq::ui
