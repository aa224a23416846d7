#include "ui/application/ShippedFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QResource>
#include <QWidget>

#include "GameInfo.h"

namespace kmq::ui {
namespace {

const QString FontResource = QStringLiteral(":/fonts/KongmingqiSansTC-Regular.otf");
constexpr char DrawsNoText[] = "kmqDrawsNoText";

bool registered = false;

// Registers the font before the first widget with text is polished, then
// leaves the application's events alone.
class RegisterBeforeText final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish && watched->isWidgetType() && !watched->property(DrawsNoText).toBool())
            registerShippedFont();
        return false;
    }
};

RegisterBeforeText* guard = nullptr;

}  // namespace

QString shippedFontFamily() {
    return QStringLiteral("Kongmingqi Sans TC");
}

void useShippedFont() {
    QFont font = QApplication::font();
    font.setFamilies({shippedFontFamily()});
    // Replaces the desktop's per-widget fonts (menus, message boxes) too.
    QApplication::setFont(font);
    if (registered || guard) return;
    guard = new RegisterBeforeText;
    guard->setParent(qApp);
    qApp->installEventFilter(guard);
}

void markAsDrawingNoText(QWidget* widget) {
    widget->setProperty(DrawsNoText, true);
}

// Stored uncompressed, the font is registered straight from the program's
// own memory: nothing is copied or unpacked. Qt forgets the fonts it matched
// before, so text laid out after this uses the shipped face.
void registerShippedFont() {
    if (registered) return;
    registered = true;
    if (guard) {
        qApp->removeEventFilter(guard);
        guard->deleteLater();
        guard = nullptr;
    }
    const QResource resource(FontResource);
    const int id = resource.isValid() ? QFontDatabase::addApplicationFontFromData(resource.uncompressedData()) : -1;
    if (!QFontDatabase::applicationFontFamilies(id).contains(shippedFontFamily()))
        qWarning("%s: the built-in font %s could not be registered; the system's fonts stand in",
                 qUtf8Printable(game::applicationName()), qUtf8Printable(FontResource));
}

}  // namespace kmq::ui
