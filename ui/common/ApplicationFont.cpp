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

// The font is stored uncompressed, so it is registered straight from the
// program's own memory: nothing is copied or unpacked at start.
bool useShippedFont() {
    const QResource resource(FontResource);
    const int id = resource.isValid() ? QFontDatabase::addApplicationFontFromData(resource.uncompressedData()) : -1;
    if (!QFontDatabase::applicationFontFamilies(id).contains(shippedFontFamily())) {
        qWarning("kongmingqi: the built-in font %s could not be registered; the system's fonts stand in",
                 qUtf8Printable(FontResource));
        return false;
    }

    QFont font = QApplication::font();
    font.setFamilies({shippedFontFamily()});
    // Replaces the desktop's per-widget fonts (menus, message boxes) too.
    QApplication::setFont(font);
    return true;
}

}  // namespace kmq::ui
