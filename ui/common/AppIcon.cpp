#include "ui/common/AppIcon.h"

#include <QPixmap>
#include <QString>

#include "ui/common/ResourcePicture.h"

namespace kmq::app {

QList<QImage> iconPictures() {
    QList<QImage> pictures;
    for (const char* picture : {":/app-icon-16.png", ":/app-icon-32.png", ":/icons/48.png", ":/icons/64.png",
                                ":/icons/128.png"})
        pictures.append(ui::readResourcePicture(QString::fromLatin1(picture)));
    return pictures;
}

QIcon iconOf(const QList<QImage>& pictures) {
    QIcon icon;
    for (const QImage& picture : pictures) icon.addPixmap(QPixmap::fromImage(picture));
    return icon;
}

}  // namespace kmq::app
