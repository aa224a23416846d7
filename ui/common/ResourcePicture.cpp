#include "ui/common/ResourcePicture.h"

#include <QFileInfo>
#include <QImageReader>

namespace kmq::ui {

QImage readResourcePicture(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace kmq::ui
