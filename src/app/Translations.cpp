#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "core/DataDir.h"

Translations::Translations(const DataDir& dataDir)
{
    const QLocale locale = QLocale::system();
    if (m_qt.load(
            locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    // Installed last, so it is asked first.
    if (m_program.load(locale,
                       QStringLiteral("zendra98"),
                       QStringLiteral("_"),
                       dataDir.shippedFile(QStringLiteral("translations"))))
        QCoreApplication::installTranslator(&m_program);
}
