#include "ui/board/ScaledPicture.h"

#include <QImage>
#include <QImageReader>
#include <QtMath>
#include <algorithm>
#include <utility>

namespace kmq::ui {
namespace {

// The drawing to start from: exact at 1x, 2x and 3x; in between, the next
// larger one, so scaling only ever takes detail away. Below 1x the standard
// picture serves, above 3x the largest.
int drawnScaleFor(qreal ratio) {
    return std::clamp(qCeil(ratio - 0.001), 1, ScaledPicture::LargestDrawnScale);
}

bool isDrawnScale(qreal ratio, int scale) {
    return qFuzzyCompare(ratio, qreal(scale));
}

}  // namespace

ScaledPicture::ScaledPicture(QString standard, QString stem)
    : standard_(std::move(standard)), stem_(std::move(stem)) {}

const QPixmap& ScaledPicture::at(qreal ratio) {
    if (pixmap_.isNull() || !qFuzzyCompare(ratio, ratio_)) {
        pixmap_ = load(ratio);
        ratio_ = ratio;
    }
    return pixmap_;
}

QString ScaledPicture::drawingFor(int scale) const {
    return scale == 1 ? standard_ : QStringLiteral("%1@%2x.png").arg(stem_).arg(scale);
}

QPixmap ScaledPicture::load(qreal ratio) const {
    const int scale = drawnScaleFor(ratio);
    QImage drawing = QImageReader(drawingFor(scale)).read();
    if (scale == 1 || isDrawnScale(ratio, scale) || ratio > LargestDrawnScale) {
        QPixmap pixmap = QPixmap::fromImage(std::move(drawing));
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    const QSizeF logical = QSizeF(drawing.size()) / scale;
    const QImage scaled = drawing.scaled((logical * ratio).toSize(), Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(scaled);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace kmq::ui
