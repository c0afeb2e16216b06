#pragma once

#include "replacementscript.h"

// The system's OEM and ANSI code pages, as the command interpreter reads them.
class WindowsCharsetConverter : public CharsetConverter
{
public:
    QByteArray toOem(const QString &text) const override;
    QByteArray toAnsi(const QString &text) const override;
};
