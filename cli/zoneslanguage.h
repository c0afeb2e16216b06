#pragma once

#include <QByteArray>
#include <QString>

// The language kavrel-zones speaks for the locale variables of the
// environment. The locale is named by the first of LC_ALL, LC_MESSAGES and
// LANG that is set and not empty, the order in which POSIX lets them decide
// the language of messages. Returns "de", "es" or "sk" when that locale is of
// one of these languages, otherwise "en": for English, for any other
// language, for the C and POSIX locales and when no variable is set.
QString zonesLanguage(const QByteArray &lcAll, const QByteArray &lcMessages, const QByteArray &lang);

// zonesLanguage() for the environment of this process.
QString zonesLanguageFromEnvironment();
