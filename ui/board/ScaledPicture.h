#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace kmq::ui {

// A picture drawn for screens of one, two and three device pixels to the
// logical pixel, handed out for the ratio of the screen it is shown on: the
// drawing made for that ratio, or else the nearest drawing smoothly scaled
// to the screen's pixels (down from the next larger one between 1x and 3x).
// Either way it covers the same logical size, so layout, window shape and
// drop zones never depend on the screen. Only the drawing the current ratio
// needs is read.
class ScaledPicture {
public:
    static constexpr int LargestDrawnScale = 3;

    // The drawings are "<stem>.<format>" at 1x, "<stem>@2x.<format>" and
    // "<stem>@3x.<format>".
    ScaledPicture(QString stem, QString format);

    // The picture for a device pixel ratio, its devicePixelRatio() set to
    // match, in the form the screen draws fastest. Read again only when the
    // ratio changes (the window moved to another screen); the reference
    // holds until then.
    const QImage& at(qreal ratio) const;

private:
    QImage load(qreal ratio) const;
    QString drawingFor(int scale) const;

    QString stem_;
    QString format_;
    // The last picture handed out, for the ratio it carries, kept until
    // another ratio is asked for.
    mutable QImage picture_;
};

}  // namespace kmq::ui
