#pragma once

#include "meterlinexport.h"

#include <QString>
#include <optional>

// Where a VistaProg keeps its properties from one run to the next when it is not
// embedded in a form file: named integers, each with a default that need not
// be stored.
class METERLIN_EXPORT VistaProgPropertyStore
{
public:
    virtual ~VistaProgPropertyStore();

    // The stored value, or defaultValue when nothing is stored under name;
    // std::nullopt when the stored entry cannot be read as an integer.
    virtual std::optional<int> readProperty(const QString &name, int defaultValue) const = 0;

    // A value equal to its default leaves no entry behind, so that a later
    // read yields the default even if an older value had been stored.
    virtual void writeProperty(const QString &name, int value, int defaultValue) = 0;
};
