#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

// Puts the program's texts into one language. Every area of the program ships
// its translations as ":/i18n/<area>_<language>.qm"; switching installs all of
// the chosen language's files and removes those of the language before, so a
// new area or a new language needs no change here. The source texts are
// German, so German has no files and switching to it only removes.
class LanguageSwitcher
{
public:
    explicit LanguageSwitcher(QString resourceFolder = QStringLiteral(":/i18n"));
    ~LanguageSwitcher();

    LanguageSwitcher(const LanguageSwitcher &) = delete;
    LanguageSwitcher &operator=(const LanguageSwitcher &) = delete;

    // Returns the number of translation files now installed.
    int switchTo(const QString &languageCode);

    QString currentLanguageCode() const { return m_languageCode; }

private:
    void removeInstalled();

    QString m_resourceFolder;
    QString m_languageCode;
    std::vector<std::unique_ptr<QTranslator>> m_installed;
};
