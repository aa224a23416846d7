#include "ui/application/ApplicationIcon.h"

#include <QApplication>
#include <QPixmap>

#include "ui/application/ResourcePicture.h"

namespace kmq::ui {

QIcon applicationIcon() {
    QIcon icon;
    for (const char* picture : {":/app-icon-16.png", ":/app-icon-32.png", ":/icons/48.png", ":/icons/64.png",
                                ":/icons/128.png"})
        icon.addPixmap(QPixmap::fromImage(readResourcePicture(QString::fromLatin1(picture))));
    return icon;
}

void setApplicationIcon() {
    static bool set = false;
    if (set) return;
    QApplication::setWindowIcon(applicationIcon());
    set = true;
}

}  // namespace kmq::ui
