#include "AppInfo.h"

namespace kmq::app {

QIcon Icon() {
    return QIcon(QStringLiteral(":/app.ico"));
}

}  // namespace kmq::app
