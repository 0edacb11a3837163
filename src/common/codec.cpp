#include "codec.h"

#include <QHash>
#include <QStringDecoder>

namespace {

// The decoder is stateless between calls because every call hands it a whole text.
QStringDecoder &decoder()
{
    static QStringDecoder d("windows-1252");
    return d;
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
    QStringDecoder &d = decoder();
    if (!d.isValid())
        return QString::fromLatin1(bytes);
    return d.decode(bytes);
}

QByteArray encodeText(QStringView text)
{
    const QHash<char16_t, char> &table = encodingTable();
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const auto it = table.constFind(ch.unicode());
        out.append(it == table.cend() ? '?' : *it);
    }
    return out;
}

bool canEncode(QChar character)
{
    return encodingTable().contains(character.unicode());
}
