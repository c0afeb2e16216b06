#include "decimalseparatorswitch.h"

#include "localesettings.h"

void DecimalSeparatorSwitch::switchToPoint(LocaleSettings &settings)
{
    if (m_switched)
        return;
    if (settings.userDecimalSeparator() != QLatin1String(","))
        return;
    m_switched = true;
    settings.usePointAsDecimalSeparator();
}

void DecimalSeparatorSwitch::restore(LocaleSettings &settings)
{
    if (!m_switched)
        return;
    m_switched = false;
    settings.restoreUserDecimalSeparator();
}
