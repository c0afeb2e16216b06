#include "processlocalesettings.h"

#include <clocale>

QString ProcessLocaleSettings::userDecimalSeparator() const
{
    return QLocale::system().decimalPoint();
}

void ProcessLocaleSettings::usePointAsDecimalSeparator()
{
    if (!m_saved) {
        m_previousDefault = QLocale();
        const char *numeric = std::setlocale(LC_NUMERIC, nullptr);
        m_previousNumericLocale = numeric ? QByteArray(numeric) : QByteArray("C");
        m_saved = true;
    }
    // The C locale writes a point and no digit grouping, which is exactly what
    // the stand files and the tables expect.
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
}

void ProcessLocaleSettings::restoreUserDecimalSeparator()
{
    if (!m_saved)
        return;
    QLocale::setDefault(m_previousDefault);
    std::setlocale(LC_NUMERIC, m_previousNumericLocale.constData());
    m_saved = false;
}
