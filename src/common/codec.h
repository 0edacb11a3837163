#pragma once

#include <QByteArray>
#include <QString>

// Every file the program reads or writes holds one byte per character in Windows-1252.
// Bytes are decoded once on the way in and encoded once on the way out.

// Decodes all 256 byte values; the five bytes Windows-1252 leaves unassigned become
// the control characters of the same value, so decoding then encoding gives the bytes back.
QString decodeText(QByteArrayView bytes);

// Encodes one byte per character; a character outside Windows-1252 becomes '?'.
QByteArray encodeText(QStringView text);

// Encodes `text` onto the end of `bytes`, as encodeText does.
void appendEncoded(QByteArray &bytes, QStringView text);

// Whether Windows-1252 has a byte for this character.
bool canEncode(QChar character);
