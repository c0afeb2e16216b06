#include "vistaprogvariantmapstore.h"

#include <limits>

VistaProgVariantMapStore::VistaProgVariantMapStore(const QVariantMap &values) : m_values(values) {}

std::optional<int> VistaProgVariantMapStore::readProperty(const QString &name, int defaultValue) const
{
    const auto entry = m_values.constFind(name);
    if (entry == m_values.constEnd())
        return defaultValue;

    // Converting through qint64 first so that an out-of-range number is
    // refused instead of being silently truncated to some other int.
    bool ok = false;
    const qint64 value = entry->toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

void VistaProgVariantMapStore::writeProperty(const QString &name, int value, int defaultValue)
{
    if (value == defaultValue)
        m_values.remove(name);
    else
        m_values.insert(name, value);
}
