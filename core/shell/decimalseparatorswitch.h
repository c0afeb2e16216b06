#pragma once

class LocaleSettings;

// While the program runs numbers use a decimal point. A user whose locale
// writes a comma gets a point for the life of the main window and the comma
// back afterwards; any other separator (a point already, or something else
// such as a space or a middle dot) is left alone.
class DecimalSeparatorSwitch
{
public:
    void switchToPoint(LocaleSettings &settings);
    void restore(LocaleSettings &settings);

    bool isSwitched() const { return m_switched; }

private:
    bool m_switched = false;
};
