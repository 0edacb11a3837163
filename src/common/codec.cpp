// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace {

// Qt's decoder, asked once for every byte; decoding through this table is many times faster
// than through the decoder itself, and gives the same characters.
const std::array<char16_t, 256> &decodingTable()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        QStringDecoder decoder("windows-1252");
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            const QString decoded =
                decoder.isValid() ? decoder.decode(QByteArrayView(&c, 1)) : QString();
            t[byte] = decoded.size() == 1 ? decoded.front().unicode() : char16_t(byte);
        }
        return t;
    }();
    return table;
}

// Built once from the decoder itself, so both directions agree byte for byte.
const QHash<char16_t, char> &encodingTable()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            const QString decoded = decodeText(QByteArrayView(&c, 1));
            if (decoded.size() == 1)
                t.insert(decoded.front().unicode(), c);
        }
        return t;
    }();
    return table;
}

} // namespace

QString decodeText(QByteArrayView bytes)
{
    return decodeText(bytes, Charset::Windows1252);
}

namespace {

// The byte for a character from U+0080 on, or '?' where Windows-1252 has none.
char encodedByte(char16_t code)
{
    const QHash<char16_t, char> &table = encodingTable();
    static const std::array<int, 256> direct = [&table] {
        std::array<int, 256> d{};
        for (int c = 0; c < 256; ++c) {
            const auto it = table.constFind(char16_t(c));
            d[c] = it == table.cend() ? -1 : static_cast<unsigned char>(*it);
        }
        return d;
    }();
    if (code < 256 && direct[code] >= 0)
        return char(direct[code]);
    const auto it = table.constFind(code);
    return it == table.cend() ? '?' : *it;
}

} // namespace

// Writes one byte for each character of `text` from `out` on (a character beyond U+FFFF is
// one '?', though it takes two code units), and returns how many it wrote.
qsizetype encodeInto(char *out, QStringView text)
{
    // ASCII stays as it is in Windows-1252, and nearly all our text is ASCII: it is copied in a
    // loop the compiler turns into vector instructions, and only the rest is looked up.
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    char16_t above = 0;
    for (qsizetype i = 0; i < size; ++i) {
        out[i] = char(in[i]);
        above |= in[i];
    }
    if (above < 0x80)
        return size;
    qsizetype written = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (QChar::isHighSurrogate(in[i]) && i + 1 < size && QChar::isLowSurrogate(in[i + 1]))
            ++i;
        out[written++] = in[i] >= 0x80 ? encodedByte(in[i]) : char(in[i]);
    }
    return written;
}

QByteArray encodeText(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    out.truncate(encodeInto(out.data(), text));
    return out;
}

void appendEncoded(QByteArray &bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    bytes.truncate(start + encodeInto(bytes.data() + start, text));
}

bool canEncode(QChar character)
{
    return encodingTable().contains(character.unicode());
}

void appendDecodedText(QString &text, QByteArrayView bytes, Charset charset)
{
    if (charset == Charset::Utf8) {
        text.append(QString::fromUtf8(bytes));
        return;
    }
    const qsizetype start = text.size();
    text.resize(start + bytes.size());
    decodeWindows1252Into(reinterpret_cast<char16_t *>(text.data()) + start, bytes);
}

char16_t *decodeWindows1252Into(char16_t *out, QByteArrayView bytes)
{
    const std::array<char16_t, 256> &table = decodingTable();
    for (const char byte : bytes)
        *out++ = table[static_cast<unsigned char>(byte)];
    return out;
}

QString decodeText(QByteArrayView bytes, Charset charset)
{
    QString text;
    appendDecodedText(text, bytes, charset);
    return text;
}
