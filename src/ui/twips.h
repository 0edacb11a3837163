// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// The window designs give places in twips; fifteen twips make one pixel at 96 dots per inch.
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

constexpr QSize sizeFromTwips(int width, int height)
{
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

// The designed places fit a narrow 8-point sans-serif font; wider ones cut the captions off.
inline QFont designFont(QFont font)
{
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Nimbus Sans"), font.family()});
    font.setPointSizeF(8);
    return font;
}
