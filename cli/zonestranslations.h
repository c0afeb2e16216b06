#pragma once

#include <QString>
#include <QTranslator>

// The translations of kavrel-zones for one language, installed into the
// running QCoreApplication for as long as the object lives (a QTranslator
// takes itself out of the application when it goes): the tool's own texts and
// the stand reader's messages. German, the language of the source texts,
// needs none.
class ZonesTranslations
{
public:
    explicit ZonesTranslations(const QString &language);

    ZonesTranslations(const ZonesTranslations &) = delete;
    ZonesTranslations &operator=(const ZonesTranslations &) = delete;

    // False when a translation of a language other than German is missing
    // (those texts then stay German) or there is no QCoreApplication.
    bool complete() const { return m_complete; }

private:
    bool install(QTranslator &translator, const QString &area, const QString &language);

    QTranslator m_qt;
    QTranslator m_tool;
    QTranslator m_standReader;
    bool m_complete = true;
};
