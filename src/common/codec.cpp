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
    if (bytes.isEmpty())
        return QString();
    const std::array<char16_t, 256> &table = decodingTable();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes)
        *out++ = table[static_cast<unsigned char>(byte)];
    return text;
}

QByteArray encodeText(QStringView text)
{
    const QHash<char16_t, char> &table = encodingTable();
    // Most characters of our files are below U+0100; those come straight from an array.
    static const std::array<int, 256> direct = [&table] {
        std::array<int, 256> d{};
        for (int c = 0; c < 256; ++c) {
            const auto it = table.constFind(char16_t(c));
            d[c] = it == table.cend() ? -1 : static_cast<unsigned char>(*it);
        }
        return d;
    }();
    QByteArray out(text.size(), Qt::Uninitialized);
    char *next = out.data();
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 256 && direct[code] >= 0) {
            *next++ = char(direct[code]);
        } else {
            const auto it = table.constFind(code);
            *next++ = it == table.cend() ? '?' : *it;
        }
    }
    return out;
}

bool canEncode(QChar character)
{
    return encodingTable().contains(character.unicode());
}
