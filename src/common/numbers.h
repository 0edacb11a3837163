// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// The user's regional number format, handed in by the UI so the core never reads the locale.
struct NumberFormat
{
    QChar decimalSeparator = u'.';
    QChar groupSeparator = u',';
};

class QLocale;
// The separators `locale` writes numbers with; the UI hands in the system's.
NumberFormat regionalFormat(const QLocale &locale);

// The number at the start of a text: blanks, tabs and line feeds anywhere are ignored; then an
// optional sign, digits with at most one point, and an optional exponent (E or D, optional
// sign, digits). Reading stops at the first other character; a text that starts with no number
// reads as 0. The point is the separator in every locale. A number too large for a double
// reads as an infinity of its sign.
double readNumber(QStringView text);

// Reads the count texts of a tally one after another. Equal counts of a tally share one
// string ("0" nearly everywhere, and the few counts a file holds), so a text that shares its
// characters with the one read before is that number again, without reading it.
class CountReader
{
public:
    double operator()(const QString &count)
    {
        if (count.constData() != m_last || count.size() != m_size) {
            m_last = count.constData();
            m_size = count.size();
            m_value = readNumber(count);
        }
        return m_value;
    }

private:
    const QChar *m_last = nullptr;
    qsizetype m_size = 0;
    double m_value = 0;
};

// Whether a count text counts anything: not 0 as readNumber reads it. A tally is mostly texts
// of "0" and blanks, which are told apart without reading a number.
inline bool isCounted(QStringView count)
{
    return count.trimmed() != u"0" && readNumber(count) != 0;
}

// Up to fifteen digits with at most one point, and blanks, tabs and line feeds around or
// between them, as readNumber reads them; nothing for any other text. Nearly every count, point
// value and price of our files is such a text.
std::optional<double> readPlainDecimal(QStringView text);

// The whole text, blanks around it ignored, as a number in the user's format: optional sign,
// digits (grouped in threes by the group separator, if at all), the decimal separator and
// digits, an optional exponent. Anything else, the empty text included, gives no value.
std::optional<double> readStrictNumber(QStringView text, const NumberFormat &format);

// A single-precision value as the shortest text of at most seven significant digits, with
// `decimalSeparator`; an exponent form ("1.234568E+07") where one is needed. readNumber reads
// the point form back.
QString singleText(float value, QChar decimalSeparator = u'.');

// A double as plain digits with at most fifteen significant digits, with a point.
QString doubleText(double value);

// The nearest 16-bit integer, a tie going to the even one; nothing when it falls outside
// -32768..32767 or the value is not a number.
std::optional<qint16> roundToInt16(double value);
