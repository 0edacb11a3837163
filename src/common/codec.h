// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Every file the program reads or writes holds one byte per character in Windows-1252.
// Bytes are decoded once on the way in and encoded once on the way out.

// Input files may also come as UTF-8 or UTF-16 (input_text.h chooses); files the program
// writes stay Windows-1252.
enum class Charset
{
    Windows1252,
    Utf8
};

// Decodes `bytes` as `charset`.
QString decodeText(QByteArrayView bytes, Charset charset);

// Decodes `bytes` as `charset` onto the end of `text`, without a string of its own.
void appendDecodedText(QString &text, QByteArrayView bytes, Charset charset);

// Decodes Windows-1252 `bytes` into the room at `out`, one character a byte; returns the end.
char16_t *decodeWindows1252Into(char16_t *out, QByteArrayView bytes);

// Decodes all 256 byte values; the five bytes Windows-1252 leaves unassigned become
// the control characters of the same value, so decoding then encoding gives the bytes back.
QString decodeText(QByteArrayView bytes);

// Encodes one byte per character; a character outside Windows-1252 becomes '?'.
QByteArray encodeText(QStringView text);

// Encodes `text` as encodeText does into `out`, which has room for a byte per code unit of
// `text`, and returns how many bytes it wrote; the rest of that room may have been written.
qsizetype encodeInto(char *out, QStringView text);

// Encodes `text` onto the end of `bytes`, as encodeText does.
void appendEncoded(QByteArray &bytes, QStringView text);

// Whether Windows-1252 has a byte for this character.
bool canEncode(QChar character);
