#include "languageswitcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

LanguageSwitcher::LanguageSwitcher(QString resourceFolder)
    : LanguageSwitcher(std::move(resourceFolder), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
{}

LanguageSwitcher::LanguageSwitcher(QString resourceFolder, QString qtFolder)
    : m_resourceFolder(std::move(resourceFolder)), m_qtFolder(std::move(qtFolder))
{}

LanguageSwitcher::~LanguageSwitcher()
{
    removeInstalled();
}

int LanguageSwitcher::switchTo(const QString &languageCode)
{
    removeInstalled();
    m_languageCode = languageCode;

    const QDir folder(m_resourceFolder);
    const QStringList files =
        folder.entryList({QStringLiteral("*_%1.qm").arg(languageCode)}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(folder.filePath(file)))
            continue;
        QCoreApplication::installTranslator(translator.get());
        m_installed.push_back(std::move(translator));
    }
    installQtTranslation(languageCode);
    return static_cast<int>(m_installed.size());
}

// qtbase holds everything a widget program shows of Qt: the standard buttons,
// the file dialog and the messages of file access.
void LanguageSwitcher::installQtTranslation(const QString &languageCode)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + languageCode, m_qtFolder) || translator->isEmpty())
        return;
    QCoreApplication::installTranslator(translator.get());
    m_qtTranslation = std::move(translator);
}

void LanguageSwitcher::removeInstalled()
{
    for (const auto &translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
    m_installed.clear();
    if (m_qtTranslation) {
        QCoreApplication::removeTranslator(m_qtTranslation.get());
        m_qtTranslation.reset();
    }
}
