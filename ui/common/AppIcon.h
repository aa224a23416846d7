#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

namespace kmq::app {

// The program's icon: its 16- and 32-pixel pictures, and larger drawings of
// the same icon for screens of higher density. Decoding them all takes a
// few milliseconds; it may run on any thread.
QList<QImage> iconPictures();

// The icon made of those pictures, for the application's windows. On the
// user-interface thread only.
QIcon iconOf(const QList<QImage>& pictures);

}  // namespace kmq::app
