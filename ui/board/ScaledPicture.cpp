#include "ui/board/ScaledPicture.h"

#include <QImage>
#include <QtMath>
#include <algorithm>
#include <utility>

#include "ui/common/ResourcePicture.h"

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

ScaledPicture::ScaledPicture(QString stem, QString format) : stem_(std::move(stem)), format_(std::move(format)) {}

const QPixmap& ScaledPicture::at(qreal ratio) const {
    if (pixmap_.isNull() || !qFuzzyCompare(ratio, pixmap_.devicePixelRatio())) pixmap_ = load(ratio);
    return pixmap_;
}

QString ScaledPicture::drawingFor(int scale) const {
    const QString density = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return stem_ + density + u'.' + format_;
}

// A picture covers the same logical size at every ratio: its pixel size is
// the logical size times the ratio, and its pixel ratio says so.
QPixmap ScaledPicture::load(qreal ratio) const {
    const int scale = drawnScaleFor(ratio);
    QImage drawing = readResourcePicture(drawingFor(scale));
    if (!qFuzzyCompare(ratio, qreal(scale))) {
        const QSizeF logical = QSizeF(drawing.size()) / scale;
        drawing = drawing.scaled((logical * ratio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(drawing));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace kmq::ui
