#include "gui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace pixmora {

bool InstallRussianQtTexts() {
    auto texts = std::make_unique<QTranslator>();
    if (!texts->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    texts->setParent(QCoreApplication::instance());  // lives as long as the application
    return QCoreApplication::installTranslator(texts.release());
}

}  // namespace pixmora
