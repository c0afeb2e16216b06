#pragma once

#include "localesettings.h"

#include <QLocale>
#include <QString>

// Numeric settings of this process only: the user's system-wide regional
// settings are never written, so other programs are not affected and nothing
// stays switched if the program stops unexpectedly.
class ProcessLocaleSettings : public LocaleSettings
{
public:
    QString userDecimalSeparator() const override;
    void usePointAsDecimalSeparator() override;
    void restoreUserDecimalSeparator() override;

private:
    bool m_saved = false;
    QLocale m_previousDefault;
    QByteArray m_previousNumericLocale;
};
