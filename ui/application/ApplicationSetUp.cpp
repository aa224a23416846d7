#include "ui/application/ApplicationSetUp.h"

#include <QApplication>

#include "GameInfo.h"
#include "ui/application/ShippedFont.h"
#include "ui/application/Translations.h"

namespace kmq::ui {

// Before any widget exists: a change afterwards would make every widget lay
// itself out and draw itself again.
void setUpApplication() {
    QApplication::setApplicationName(game::applicationName());
    QApplication::setApplicationVersion(game::version());
    QGuiApplication::setDesktopFileName(game::desktopFileName());
    installChineseTranslations();
    useShippedFont();
}

}  // namespace kmq::ui
