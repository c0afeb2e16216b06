#pragma once

#include <QString>

// Texts of numbers as the tables show them. The decimal separator is always a
// point, whatever the locale.

// General form: at most 15 significant digits, no trailing zeros, no exponent,
// "." as separator, "-" only for values that are not zero ("40", "48.3", "0.2").
QString numberText(double value);

// Fixed number of decimals with at least one integer digit, halves rounded away
// from zero on the value's 15-digit decimal form; a value that rounds to zero
// shows no minus sign. fixedText(v, 2) is the format "###0.00".
QString fixedText(double value, int decimals);

inline QString format00(double value)
{
    return fixedText(value, 2);
} // "###0.00"
inline QString format0(double value)
{
    return fixedText(value, 1);
} // "###0.0"
inline QString format0000(double value)
{
    return fixedText(value, 4);
} // "###0.0000"
