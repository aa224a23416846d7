#include "ui/platform/PointerPosition.h"

#include <QCursor>

namespace kmq::platform {

QPoint pointerPosition() {
    return QCursor::pos();
}

}  // namespace kmq::platform
