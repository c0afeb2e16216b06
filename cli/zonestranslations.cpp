#include "zonestranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

ZonesTranslations::ZonesTranslations(const QString &language)
{
    // The parser of the subcommands words its own messages ("unknown
    // option"); Qt's translations of them come with the system, when there.
    if (language != QLatin1String("en") && QCoreApplication::instance() &&
        m_qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    if (language == QLatin1String("de"))
        return;
    const bool tool = install(m_tool, QStringLiteral("cli"), language);
    const bool standReader = install(m_standReader, QStringLiteral("stand"), language);
    m_complete = tool && standReader;
}

bool ZonesTranslations::install(QTranslator &translator, const QString &area, const QString &language)
{
    // A prefix of the tool's own: the window's translations live under :/i18n.
    const QString file = QStringLiteral(":/kavrel-zones/i18n/%1_%2.qm").arg(area, language);
    return QCoreApplication::instance() && translator.load(file) &&
           QCoreApplication::installTranslator(&translator);
}
