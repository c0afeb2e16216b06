#include "outputfile.h"

#include <QCoreApplication>

// What every platform does alike; how a target is opened and put in place
// is in outputfile_posix.cpp and outputfile_win.cpp.

bool OutputFile::open()
{
    discard();
    m_error.clear();
    if (m_path.isEmpty())
        return fail(QCoreApplication::translate("OutputFile", "Es ist kein Dateiname angegeben."));
    return openTarget();
}

QIODevice *OutputFile::device()
{
    return &m_file;
}

bool OutputFile::write(const QByteArray &bytes)
{
    if (!m_file.isOpen())
        return false;
    if (m_file.write(bytes) != bytes.size())
        return fail(m_file.errorString());
    return true;
}

bool OutputFile::commit()
{
    if (!m_file.isOpen())
        return m_error.isEmpty()
                   ? fail(QCoreApplication::translate("OutputFile", "Die Datei ist nicht geöffnet."))
                   : false;
    if (!m_file.flush() || m_file.error() != QFileDevice::NoError) {
        const QString reason = m_file.errorString();
        discard();
        return fail(reason);
    }
    m_file.close();
    return putInPlace();
}

bool OutputFile::writeFile(const QString &path, const QByteArray &content, QString *error)
{
    OutputFile file(path);
    if (file.open() && file.write(content) && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

bool OutputFile::fail(const QString &reason)
{
    m_error = reason;
    return false;
}
