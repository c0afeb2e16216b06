#include "windowscharsetconverter.h"

#include <qt_windows.h>

namespace {

QByteArray toCodePage(const QString &text, UINT codePage)
{
    const auto wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int length = WideCharToMultiByte(codePage, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    QByteArray bytes(length, '\0');
    WideCharToMultiByte(codePage, 0, wide, int(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}

} // namespace

QByteArray WindowsCharsetConverter::toOem(const QString &text) const
{
    return toCodePage(text, CP_OEMCP);
}

QByteArray WindowsCharsetConverter::toAnsi(const QString &text) const
{
    return toCodePage(text, CP_ACP);
}
