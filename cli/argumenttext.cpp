#include "argumenttext.h"

#include "files/filesystemname.h"

QString shownArgument(const QString &value)
{
    QString shown = displayFileName(value.left(ShownArgumentLength));
    // A cut between the halves of a surrogate pair leaves no half behind.
    if (!shown.isEmpty() && shown.back().isHighSurrogate())
        shown.chop(1);
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char('?');
    }
    if (value.size() > ShownArgumentLength)
        shown += QStringLiteral("...");
    return shown;
}
