#include "languageswitcher.h"

#include <QCoreApplication>
#include <QDir>

LanguageSwitcher::LanguageSwitcher(QString resourceFolder) : m_resourceFolder(std::move(resourceFolder)) {}

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
    return static_cast<int>(m_installed.size());
}

void LanguageSwitcher::removeInstalled()
{
    for (const auto &translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
    m_installed.clear();
}
