#include "ui/common/ApplicationFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>

namespace kmq::ui {
namespace {

const QString FontResource = QStringLiteral(":/fonts/KongmingqiSansTC-Regular.otf");

}  // namespace

QString shippedFontFamily() {
    return QStringLiteral("Kongmingqi Sans TC");
}

void useShippedFontFamily() {
    QFont font = QApplication::font();
    font.setFamilies({shippedFontFamily()});
    // Replaces the desktop's per-widget fonts (menus, message boxes) too.
    QApplication::setFont(font);
}

// The font is stored uncompressed, so it is registered straight from the
// program's own memory: nothing is copied or unpacked.
bool registerShippedFont() {
    const QResource resource(FontResource);
    const int id = resource.isValid() ? QFontDatabase::addApplicationFontFromData(resource.uncompressedData()) : -1;
    if (QFontDatabase::applicationFontFamilies(id).contains(shippedFontFamily())) return true;
    qWarning("kongmingqi: the built-in font %s could not be registered; the system's fonts stand in",
             qUtf8Printable(FontResource));
    return false;
}

}  // namespace kmq::ui
