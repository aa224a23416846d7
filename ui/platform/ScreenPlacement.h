#pragma once

#include <QList>
#include <QPointF>
#include <QRect>
#include <optional>

class QScreen;
class QWidget;

namespace kmq::platform {

// Places a top-level window so that it stands in the middle of the screen.
void centreOnScreen(QWidget* window, QScreen* screen);

// A screen as windows see it: all of it, and what panels and docks leave.
struct ScreenArea {
    QRect whole;
    QRect available;
};

// Where a window of that frame goes when no part of it lies on any screen
// any more: wholly onto the free area of the screen nearest to it. Empty
// while some of it shows, or when there is no screen.
std::optional<QPoint> positionBackInView(const QRect& frame, const QList<ScreenArea>& screens);

// Where a window's top-left corner goes so that the point grabbed in it
// (in the window's logical pixels) stays under the pointer (at a point of
// the desktop's logical pixels), also on its way between screens of other
// pixel ratios, where the same logical position means another place.
QPoint cornerKeepingGrabbedPoint(const QWidget* window, QPointF pointer, QPointF grabbed);

// Brings the window back into view whenever the screens change (one
// unplugged, another resolution) and leave it on none of them; a window
// that some screen still shows stays where it is.
void keepInView(QWidget* window);

}  // namespace kmq::platform
