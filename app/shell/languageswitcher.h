#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

// Puts the program's texts into one language. Every area of the program ships
// its translations as ":/i18n/<area>_<language>.qm"; switching installs all of
// the chosen language's files and removes those of the language before, so a
// new area or a new language needs no change here. The source texts are
// German, so German has no files of the program's own.
//
// Qt's own texts (the buttons of message boxes, the file dialogs, its error
// messages) follow too: Qt's translation of the language is installed from
// Qt's translations folder beside the program's, for German as for the others,
// since Qt's source texts are English.
class LanguageSwitcher
{
public:
    explicit LanguageSwitcher(QString resourceFolder = QStringLiteral(":/i18n"));
    // Qt's translations are looked for in qtFolder instead of Qt's own folder.
    LanguageSwitcher(QString resourceFolder, QString qtFolder);
    ~LanguageSwitcher();

    LanguageSwitcher(const LanguageSwitcher &) = delete;
    LanguageSwitcher &operator=(const LanguageSwitcher &) = delete;

    // Returns the number of the program's translation files now installed
    // (Qt's is not counted).
    int switchTo(const QString &languageCode);

    QString currentLanguageCode() const { return m_languageCode; }
    // Whether Qt's texts are in the current language (false also for a
    // language Qt has no translation of, or an empty one such as English).
    bool qtTranslationInstalled() const { return m_qtTranslation != nullptr; }

private:
    void removeInstalled();
    void installQtTranslation(const QString &languageCode);

    QString m_resourceFolder;
    QString m_qtFolder;
    QString m_languageCode;
    std::vector<std::unique_ptr<QTranslator>> m_installed;
    std::unique_ptr<QTranslator> m_qtTranslation;
};
