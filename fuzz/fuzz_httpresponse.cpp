// A server's reply as the update's download client receives it: in pieces
// of any size. The first byte chooses the piece size; the rest is the reply.

#include "update/httpresponsereader.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const qsizetype pieceSize = 1 + data[0];
    const QByteArray reply(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    HttpResponseReader reader;
    qint64 bodyBytes = 0;
    for (qsizetype at = 0; at < reply.size(); at += pieceSize) {
        bodyBytes += reader.read(reply.mid(at, pieceSize)).size();
        // The body handed back and the body counted must never part.
        if (bodyBytes != reader.bodyBytes())
            std::abort();
        // More than the announced length is handed on, but never as a whole body.
        const qint64 length = reader.contentLength();
        if (length >= 0 && bodyBytes > length && reader.isBodyComplete())
            std::abort();
    }
    (void)reader.isBodyComplete();
    return 0;
}
