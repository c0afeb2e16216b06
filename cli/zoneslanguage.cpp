#include "zoneslanguage.h"

#include <QtGlobal>

namespace {

// "language[_territory][.codeset][@modifier]" -> "language"
QByteArray languagePart(const QByteArray &locale)
{
    qsizetype end = 0;
    while (end < locale.size() && locale[end] != '_' && locale[end] != '.' && locale[end] != '@')
        ++end;
    return locale.left(end).toLower();
}

} // namespace

QString zonesLanguage(const QByteArray &lcAll, const QByteArray &lcMessages, const QByteArray &lang)
{
    // An empty variable counts as unset; a set one decides even when it names
    // the C locale, which then keeps the later ones from speaking.
    const QByteArray &locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
    const QByteArray language = languagePart(locale);
    // The source texts are German; everyone else, and scripts under the C
    // locale, get English as command-line tools give it.
    if (language == "de" || language == "es" || language == "sk")
        return QString::fromLatin1(language);
    return QStringLiteral("en");
}

QString zonesLanguageFromEnvironment()
{
    return zonesLanguage(qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"));
}
