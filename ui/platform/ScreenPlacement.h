#pragma once

#include <QList>
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

// Brings the window back into view whenever the screens change (one
// unplugged, another resolution) and leave it on none of them; a window
// that some screen still shows stays where it is.
void keepInView(QWidget* window);

}  // namespace kmq::platform
