#pragma once
// Text on the wire and in files is Windows-1252, one byte per character. The five bytes the code page
// leaves undefined map to the control characters of the same code, so every byte value survives a
// round trip (FF stays the character of code 255).
#include <QByteArray>
#include <QString>

namespace tvx {

QString fromAnsi(QByteArrayView bytes);
// Characters outside the code page become '?'.
QByteArray toAnsi(QStringView text);
// Whether every character of the text is one of the code page's, so that toAnsi keeps it as typed.
bool inAnsi(QStringView text);

} // namespace tvx
