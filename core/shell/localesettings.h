#pragma once

#include <QString>

// The numeric settings the program works under. The program reads and writes
// numbers with a decimal point; this is where it finds out what the user's
// locale uses and switches its own numeric formatting.
class LocaleSettings
{
public:
    virtual ~LocaleSettings() = default;

    // The decimal separator of the user's locale, empty when it cannot be read.
    virtual QString userDecimalSeparator() const = 0;
    // From now on this process formats and parses numbers with a point.
    virtual void usePointAsDecimalSeparator() = 0;
    // Back to the user's own numeric formatting.
    virtual void restoreUserDecimalSeparator() = 0;
};
