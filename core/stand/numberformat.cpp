#include "numberformat.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// |value| as 15 significant decimal digits d0.d1...d14 x 10^exponent.
struct DecimalDigits
{
    std::string digits;
    int exponent = 0;
};

DecimalDigits decimalDigits(double value)
{
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    DecimalDigits result;
    if (ec != std::errc())
        return {"0", 0};
    const std::string text(buffer, end); // "d.ddddddddddddddde+XX"
    const std::size_t e = text.find('e');
    result.digits = text.substr(0, 1) + text.substr(2, e - 2);
    result.exponent = std::stoi(text.substr(e + 1));
    return result;
}

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
}

// Adds one to a string of decimal digits.
void incrementDigits(std::string &digits)
{
    int position = int(digits.size()) - 1;
    while (position >= 0 && digits[position] == '9') {
        digits[position] = '0';
        --position;
    }
    if (position < 0)
        digits.insert(digits.begin(), '1');
    else
        ++digits[position];
}

// Values that are a whole number of tenths, as the truncated coordinates of
// the edge table are, written without going through 15-digit rounding. When
// value is the double nearest to tenths / 10 and tenths has fewer than 15
// digits, that decimal is also the value's 15-digit form, so the text is the
// same as the general path gives.
bool writeTenths(double value, QString &text)
{
    if (!(std::fabs(value) < 1e12))
        return false;
    const long long tenths = std::llround(value * 10);
    if (double(tenths) / 10 != value)
        return false;
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    char buffer[32];
    char *end = std::to_chars(buffer, buffer + sizeof buffer, magnitude / 10).ptr;
    if (magnitude % 10 != 0) {
        *end++ = '.';
        *end++ = char('0' + magnitude % 10);
    }
    text = QString::fromLatin1(buffer, end - buffer);
    if (tenths < 0)
        text.prepend(QLatin1Char('-'));
    return true;
}

} // namespace

QString numberText(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return QStringLiteral("0");
    if (QString text; writeTenths(value, text))
        return text;

    DecimalDigits decimal = decimalDigits(value);
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0')
        decimal.digits.pop_back();

    std::string text;
    if (decimal.exponent >= 0) {
        const std::size_t integerDigits = std::size_t(decimal.exponent) + 1;
        if (decimal.digits.size() <= integerDigits) {
            text = decimal.digits + std::string(integerDigits - decimal.digits.size(), '0');
        } else {
            text = decimal.digits.substr(0, integerDigits) + '.' + decimal.digits.substr(integerDigits);
        }
    } else {
        text = "0." + std::string(std::size_t(-decimal.exponent - 1), '0') + decimal.digits;
    }
    if (value < 0)
        text.insert(text.begin(), '-');
    return QString::fromStdString(text);
}

QString fixedText(double value, int decimals)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    decimals = std::max(decimals, 0);

    // units = |value| x 10^decimals rounded half away from zero, as a digit string.
    std::string units;
    if (value != 0) {
        const DecimalDigits decimal = decimalDigits(value);
        const int scaledExponent = decimal.exponent + decimals;
        const int significant = int(decimal.digits.size());
        if (scaledExponent >= significant - 1) {
            units = decimal.digits + std::string(std::size_t(scaledExponent - (significant - 1)), '0');
        } else if (scaledExponent >= 0) {
            units = decimal.digits.substr(0, std::size_t(scaledExponent) + 1);
            if (decimal.digits[std::size_t(scaledExponent) + 1] >= '5')
                incrementDigits(units);
        } else if (scaledExponent == -1 && decimal.digits[0] >= '5') {
            units.push_back('1');
        }
    }
    const bool roundsToZero = units.find_first_not_of('0') == std::string::npos;
    if (units.size() < std::size_t(decimals) + 1)
        units.insert(0, std::size_t(decimals) + 1 - units.size(), '0');

    std::string text = units.substr(0, units.size() - std::size_t(decimals));
    if (decimals > 0)
        text += '.' + units.substr(units.size() - std::size_t(decimals));
    if (value < 0 && !roundsToZero)
        text.insert(text.begin(), '-');
    return QString::fromStdString(text);
}
