#include "ui/board/ScaledPicture.h"

#include <QImage>
#include <QtMath>
#include <algorithm>
#include <utility>

#include "ui/application/ResourcePicture.h"

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

const QImage& ScaledPicture::at(qreal ratio) const {
    if (picture_.isNull() || !qFuzzyCompare(ratio, picture_.devicePixelRatio())) picture_ = load(ratio);
    return picture_;
}

QString ScaledPicture::drawingFor(int scale) const {
    const QString density = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return stem_ + density + u'.' + format_;
}

// A picture covers the same logical size at every ratio: its pixel size is
// the logical size times the ratio, and its pixel ratio says so. It is kept
// in the form drawn without conversion: opaque RGB32 (a bitmap made for the
// ratio is used where it lies), or premultiplied alpha.
QImage ScaledPicture::load(qreal ratio) const {
    const int scale = drawnScaleFor(ratio);
    QImage drawing = readResourcePicture(drawingFor(scale));
    if (!qFuzzyCompare(ratio, qreal(scale))) {
        const QSizeF logical = QSizeF(drawing.size()) / scale;
        drawing = drawing.scaled((logical * ratio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const QImage::Format drawn = drawing.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (drawing.format() != drawn) drawing.convertTo(drawn);
    drawing.setDevicePixelRatio(ratio);
    return drawing;
}

}  // namespace kmq::ui
