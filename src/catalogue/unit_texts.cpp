// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_texts.h"

#include <algorithm>

UnitTexts::UnitTexts(const QStringList &texts)
{
    qsizetype characters = 0;
    for (const QString &text : texts)
        characters += text.size();
    reserve(int(texts.size()), characters);
    for (const QString &text : texts)
        append(text);
}

QStringList UnitTexts::toList() const
{
    QStringList texts;
    texts.reserve(size());
    for (int row = 0; row < size(); ++row)
        texts.append(at(row).toString());
    return texts;
}

void UnitTexts::reserve(int rows, qsizetype characters)
{
    m_ends.reserve(rows);
    m_text.reserve(characters);
}

char16_t *UnitTexts::take(qsizetype characters)
{
    // The room reserved is taken into the string's size at once (QString leaves new characters
    // unwritten, so untouched room still takes no memory); past it, the room doubles.
    // A text shared with a copy is made this list's own without the unwritten room.
    if (!m_text.isDetached() && !m_text.isNull())
        m_text = QStringView(m_text).first(m_used).toString();
    if (m_used + characters > m_text.size())
        m_text.resize(std::max({m_used + characters, m_text.capacity(), m_text.size() * 2}));
    char16_t *const at = reinterpret_cast<char16_t *>(m_text.data()) + m_used;
    m_used += characters;
    return at;
}

void UnitTexts::append(QStringView text)
{
    std::copy(text.utf16(), text.utf16() + text.size(), take(text.size()));
    m_ends.append(qint32(m_used));
}

void UnitTexts::appendJoined(std::initializer_list<QStringView> parts)
{
    qsizetype characters = 0;
    for (const QStringView part : parts)
        characters += part.size();
    char16_t *out = take(characters);
    for (const QStringView part : parts)
        out = std::copy(part.utf16(), part.utf16() + part.size(), out);
    m_ends.append(qint32(m_used));
}

void UnitTexts::appendDecoded(QByteArrayView bytes, Charset charset)
{
    if (charset == Charset::Utf8) {
        append(decodeText(bytes, charset));
        return;
    }
    decodeWindows1252Into(take(bytes.size()), bytes);
    m_ends.append(qint32(m_used));
}

void UnitTexts::truncate(int rows)
{
    if (rows >= size())
        return;
    m_used = rows == 0 ? 0 : m_ends.at(rows - 1);
    m_ends.resize(rows);
}
