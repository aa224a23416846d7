#include "ui/application/Translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace kmq::ui {

void installChineseTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Qt's translation ships in the resources, so no language package is
    // needed; stored uncompressed, it is read in place, nothing copied.
    if (translator->load(QStringLiteral(":/translations/qtbase_zh_TW.qm")))
        QCoreApplication::installTranslator(translator);
}

}  // namespace kmq::ui
