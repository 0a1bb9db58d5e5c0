#pragma once
// The single-byte Cyrillic code page of every text file of the game.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vortelia {

QString decodeWindows1251(QByteArrayView bytes);
// Characters outside the code page become '?'; ok, when given, says whether all were encodable.
QByteArray encodeWindows1251(const QString& text, bool* ok = nullptr);

} // namespace vortelia
