#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace kmq::ui {

// A picture drawn for screens of one, two and three device pixels to the
// logical pixel, handed out for the ratio of the screen it is shown on:
// the drawing made for that ratio, or between two of them the next larger
// drawing smoothly scaled down to the screen's pixels. Either way it covers
// the same logical size, so layout, window shape and drop zones never
// depend on the screen. Only the drawing the current ratio needs is read.
class ScaledPicture {
public:
    static constexpr int LargestDrawnScale = 3;

    // `standard` is the 1x picture; the others are "<stem>@2x.png" and
    // "<stem>@3x.png" beside it.
    ScaledPicture(QString standard, QString stem);

    // The picture for a device pixel ratio, its devicePixelRatio() set to
    // match. Read again only when the ratio changes (the window moved to
    // another screen).
    const QPixmap& at(qreal ratio);

private:
    QPixmap load(qreal ratio) const;
    QString drawingFor(int scale) const;

    QString standard_;
    QString stem_;
    qreal ratio_ = 0;
    QPixmap pixmap_;
};

}  // namespace kmq::ui
