#include "ui/platform/PictureCursor.h"

#include <QGuiApplication>

namespace kmq::platform {

// QCursor counts a hot spot in logical pixels, and so do Qt's Windows and
// Wayland back ends. Qt's X11 back end hands the picture's own pixels and
// the hot spot unchanged to the X server, so at twice the density a
// logical centre would sit in the picture's top-left quarter; there the hot
// spot is given in the picture's pixels.
QCursor cursorCentredOn(const QPixmap& picture) {
    const bool hotSpotInPicturePixels = QGuiApplication::platformName() == QLatin1String("xcb");
    const QSizeF size = hotSpotInPicturePixels ? QSizeF(picture.size()) : picture.deviceIndependentSize();
    return QCursor(picture, int(size.width() / 2), int(size.height() / 2));
}

}  // namespace kmq::platform
