// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_text.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cstdint>
#include <cstring>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(InputText)
};

// What a pass over the bytes finds of UTF-8: valid multi-byte sequences and bytes that can't
// be UTF-8, how many and where each kind first appears.
struct Utf8Scan
{
    qsizetype sequences = 0, firstSequence = -1, sequenceLength = 0;
    qsizetype strays = 0, firstStray = -1;
};

// The length of the valid multi-byte sequence at `at`, or 0.
int sequenceAt(const unsigned char *at, const unsigned char *end)
{
    // The length of the sequence and the smallest code point it may hold (no overlong forms).
    int more = 0;
    char32_t code = 0, least = 0;
    const unsigned char lead = *at;
    if (lead >= 0xC2 && lead <= 0xDF)
        more = 1, code = lead & 0x1F, least = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        more = 2, code = lead & 0x0F, least = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        more = 3, code = lead & 0x07, least = 0x10000;
    else
        return 0;
    if (end - at <= more)
        return 0;
    for (int i = 1; i <= more; ++i) {
        if ((at[i] & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (at[i] & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return more + 1;
}

Utf8Scan scanUtf8(QByteArrayView bytes)
{
    Utf8Scan scan;
    const auto *start = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *at = start;
    const auto *end = at + bytes.size();
    while (at < end) {
        // Nearly every byte of our files is ASCII: skip them eight at a time.
        std::uint64_t eight;
        if (end - at >= 8 && (std::memcpy(&eight, at, 8), (eight & 0x8080808080808080u) == 0)) {
            at += 8;
            continue;
        }
        if (*at < 0x80) {
            ++at;
            continue;
        }
        const int length = sequenceAt(at, end);
        if (length == 0) {
            if (scan.strays++ == 0)
                scan.firstStray = at - start;
            ++at;
            continue;
        }
        if (scan.sequences++ == 0)
            scan.firstSequence = at - start, scan.sequenceLength = length;
        at += length;
    }
    return scan;
}

QString byteText(QByteArrayView bytes, qsizetype at)
{
    return QStringLiteral("0x%1").arg(uint(static_cast<unsigned char>(bytes[at])), 2, 16,
                                      QChar(u'0'));
}

InputText fromUtf16(QByteArrayView bytes, QStringDecoder::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes.sliced(2));
    InputText result{Charset::Utf8, text.toUtf8(), -1, QString()};
    if (decoder.hasError() || bytes.size() % 2 != 0)
        result.note =
            Text::tr("the file is UTF-16 and holds bytes that UTF-16 can't read; they show "
                     "as \"\uFFFD\".");
    return result;
}

} // namespace

InputText inputText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return fromUtf16(bytes, QStringDecoder::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return fromUtf16(bytes, QStringDecoder::Utf16BE);
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    if (marked)
        bytes = bytes.sliced(3);
    InputText result{Charset::Windows1252, QByteArray::fromRawData(bytes.data(), bytes.size()), -1,
                     QString()};
    const Utf8Scan scan = scanUtf8(bytes);
    if (!marked && scan.sequences == 0)
        return result;
    if (marked || scan.sequences >= scan.strays) {
        result.charset = Charset::Utf8;
        if (scan.strays > 0)
            result.noteAt = scan.firstStray,
            result.note = Text::tr("the byte %1 is not UTF-8, in which the rest of the file is "
                                   "written; it shows as \"\uFFFD\" (%2 such byte(s) in the file).")
                              .arg(byteText(bytes, scan.firstStray))
                              .arg(scan.strays);
        return result;
    }
    result.noteAt = scan.firstSequence;
    result.note =
        Text::tr("\"%1\" is written in UTF-8, but most of the file is not, so the file was "
                 "read as Windows-1252 and this shows as \"%2\".")
            .arg(QString::fromUtf8(bytes.sliced(scan.firstSequence, scan.sequenceLength)),
                 decodeText(bytes.sliced(scan.firstSequence, scan.sequenceLength)));
    return result;
}
