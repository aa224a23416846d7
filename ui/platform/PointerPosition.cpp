#include "PointerPosition.h"

#include <QCursor>

namespace kmq::platform {

QPoint PointerPosition() {
    return QCursor::pos();
}

}  // namespace kmq::platform
