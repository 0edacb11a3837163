// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_texts.h"

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

void UnitTexts::append(QStringView text)
{
    m_text.append(text);
    m_ends.append(qint32(m_text.size()));
}

void UnitTexts::appendJoined(std::initializer_list<QStringView> parts)
{
    for (const QStringView part : parts)
        m_text.append(part);
    m_ends.append(qint32(m_text.size()));
}

void UnitTexts::appendDecoded(QByteArrayView bytes, Charset charset)
{
    appendDecodedText(m_text, bytes, charset);
    m_ends.append(qint32(m_text.size()));
}

void UnitTexts::truncate(int rows)
{
    if (rows >= size())
        return;
    m_text.truncate(rows == 0 ? 0 : m_ends.at(rows - 1));
    m_ends.resize(rows);
}
