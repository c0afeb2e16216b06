#pragma once

#include "meterlinexport.h"
#include "vistaprogpropertystore.h"

#include <QVariantMap>

class METERLIN_EXPORT VistaProgVariantMapStore : public VistaProgPropertyStore
{
public:
    VistaProgVariantMapStore() = default;
    explicit VistaProgVariantMapStore(const QVariantMap &values);

    std::optional<int> readProperty(const QString &name, int defaultValue) const override;
    void writeProperty(const QString &name, int value, int defaultValue) override;

    QVariantMap values() const { return m_values; }

private:
    QVariantMap m_values;
};
