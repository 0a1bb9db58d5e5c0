#include "platform/windows1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vortelia {

QString decodeWindows1251(QByteArrayView bytes) {
    QStringDecoder decoder("windows-1251");
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}

QByteArray encodeWindows1251(const QString& text, bool* ok) {
    QStringEncoder encoder("windows-1251");
    Q_ASSERT(encoder.isValid());
    QByteArray bytes = encoder.encode(text);
    if (ok)
        *ok = !encoder.hasError();
    return bytes;
}

} // namespace vortelia
