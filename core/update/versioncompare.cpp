#include "versioncompare.h"

#include <QStringList>
#include <array>

namespace {

// A whole number of any length, kept as text: sign and digits without
// leading zeros ("0" for zero), so that no part can overflow.
struct PartValue
{
    bool negative = false;
    QString digits = QStringLiteral("0");
};

bool isNumberText(const QString &text)
{
    const QString trimmed = text.trimmed();
    qsizetype start = 0;
    if (trimmed.startsWith(u'+') || trimmed.startsWith(u'-')) {
        start = 1;
    }
    if (trimmed.size() <= start) {
        return false;
    }
    for (qsizetype i = start; i < trimmed.size(); ++i) {
        const char16_t c = trimmed.at(i).unicode();
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

PartValue partValue(const QString &text)
{
    PartValue value;
    if (!isNumberText(text)) {
        return value;
    }
    QString trimmed = text.trimmed();
    const bool negative = trimmed.startsWith(u'-');
    if (trimmed.startsWith(u'+') || negative) {
        trimmed.remove(0, 1);
    }
    qsizetype firstSignificant = 0;
    while (firstSignificant < trimmed.size() - 1 && trimmed.at(firstSignificant) == u'0') {
        ++firstSignificant;
    }
    value.digits = trimmed.mid(firstSignificant);
    value.negative = negative && value.digits != QStringLiteral("0");
    return value;
}

int compareMagnitude(const QString &a, const QString &b)
{
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return QString::compare(a, b);
}

int compareParts(const PartValue &a, const PartValue &b)
{
    if (a.negative != b.negative) {
        return a.negative ? -1 : 1;
    }
    const int magnitude = compareMagnitude(a.digits, b.digits);
    return a.negative ? -magnitude : magnitude;
}

std::array<PartValue, 3> normalisedVersion(const QString &text)
{
    const QStringList parts = text.split(u'.');
    std::array<PartValue, 3> version;
    for (qsizetype i = 0; i < 3 && i < parts.size(); ++i) {
        version[static_cast<size_t>(i)] = partValue(parts.at(i));
    }
    return version;
}

} // namespace

bool IsNewerVersion(const QString &serverVersion, const QString &localVersion)
{
    const auto server = normalisedVersion(serverVersion);
    const auto local = normalisedVersion(localVersion);
    for (size_t i = 0; i < server.size(); ++i) {
        const int order = compareParts(server[i], local[i]);
        if (order != 0) {
            return order > 0;
        }
    }
    return false;
}

bool isVersionNumber(const QString &text)
{
    return isNumberText(QString(text).remove(u'.'));
}
