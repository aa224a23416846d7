#include "ui/common/AppIcon.h"

#include <QPixmap>
#include <QString>

#include "ui/common/ResourcePicture.h"

namespace kmq::app {

QIcon icon() {
    QIcon icon;
    for (const char* picture : {":/app-icon-16.png", ":/app-icon-32.png", ":/icons/48.png", ":/icons/64.png",
                                ":/icons/128.png"})
        icon.addPixmap(QPixmap::fromImage(ui::readResourcePicture(QString::fromLatin1(picture))));
    return icon;
}

}  // namespace kmq::app
