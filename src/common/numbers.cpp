// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The power of ten of an unsigned "digits[.digits][e[-+]digits]" text, roughly: enough to tell
// a number too large for a double from one too small.
long long decimalExponent(std::string_view number)
{
    const size_t e = number.find('e');
    long long exponent = 0;
    if (e != std::string_view::npos) {
        const std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        for (char c :
             digits.substr(!digits.empty() && (digits.front() == '-' || digits.front() == '+')))
            exponent = std::min(exponent * 10 + (c - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
        number = number.substr(0, e);
    }
    const size_t point = std::min(number.find('.'), number.size());
    const size_t firstNonZero = number.find_first_not_of("0.");
    if (firstNonZero == std::string_view::npos)
        return -1000000000LL;
    const long long position = firstNonZero < point
                                   ? static_cast<long long>(point - firstNonZero) - 1
                                   : -static_cast<long long>(firstNonZero - point);
    return exponent + position;
}

// Parses plain ASCII "[-+]digits[.digits][e[-+]digits]" without any locale.
double parseAscii(const std::string &number)
{
    if (number.empty())
        return 0;
    const char *first = number.data();
    const char *last = first + number.size();
    const bool negative = *first == '-';
    if (*first == '+' || *first == '-')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        value = decimalExponent(std::string_view(first, last)) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    } else if (error != std::errc() || end != last) {
        return 0;
    }
    return negative ? -value : value;
}

// Appends the digits at `pos` to `out`; returns how many there were.
int takeDigits(QStringView text, qsizetype &pos, std::string &out)
{
    int count = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        out.push_back(static_cast<char>(text[pos].unicode()));
        ++pos;
        ++count;
    }
    return count;
}

// Appends an exponent at `pos` (E or e; D or d too when `allowD`) if digits follow it.
void takeExponent(QStringView text, qsizetype &pos, std::string &out, bool allowD)
{
    if (pos >= text.size())
        return;
    const QChar marker = text[pos].toUpper();
    if (marker != u'E' && !(allowD && marker == u'D'))
        return;
    qsizetype at = pos + 1;
    std::string exponent = "e";
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        exponent.push_back(static_cast<char>(text[at++].unicode()));
    if (takeDigits(text, at, exponent) == 0)
        return;
    out += exponent;
    pos = at;
}

bool isSpaceLike(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F);
}

} // namespace

std::optional<double> readPlainDecimal(QStringView text)
{
    static constexpr double PowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::uint64_t whole = 0;
    int digits = 0;
    int fractionDigits = -1; // none until the point
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        if (c == u'.' && fractionDigits < 0) {
            fractionDigits = 0;
            continue;
        }
        if (!isDigit(c) || digits == 15)
            return std::nullopt;
        whole = whole * 10 + (c.unicode() - u'0');
        ++digits;
        fractionDigits += fractionDigits >= 0;
    }
    if (digits == 0)
        return std::nullopt;
    // Both are exact below 2^53, so the one rounding of the division gives the nearest double
    // to the decimal, as the general reading does.
    return double(whole) / PowersOfTen[std::max(fractionDigits, 0)];
}

double readNumber(QStringView text)
{
    // Counts as tally files hold them, digits padded with blanks, and prices and point values
    // as the files write them are read for every row on each load, recount and report; they
    // need none of the general reading below.
    if (const std::optional<double> plain = readPlainDecimal(text))
        return *plain;
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            compact.append(c);

    qsizetype pos = 0;
    std::string number;
    if (pos < compact.size() && (compact[pos] == u'+' || compact[pos] == u'-'))
        number.push_back(static_cast<char>(compact[pos++].unicode()));
    int digits = takeDigits(compact, pos, number);
    if (pos < compact.size() && compact[pos] == u'.') {
        ++pos;
        std::string fraction = ".";
        const int fractionDigits = takeDigits(compact, pos, fraction);
        if (fractionDigits > 0)
            number += fraction;
        digits += fractionDigits;
    }
    if (digits == 0)
        return 0;
    takeExponent(compact, pos, number, true);
    return parseAscii(number);
}

std::optional<double> readStrictNumber(QStringView text, const NumberFormat &format)
{
    text = text.trimmed();
    qsizetype pos = 0;
    std::string number;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
        number.push_back(static_cast<char>(text[pos++].unicode()));

    const bool spaceGroups = isSpaceLike(format.groupSeparator);
    auto isGroupSeparator = [&](QChar c) {
        return c == format.groupSeparator || (spaceGroups && isSpaceLike(c));
    };

    int digits = 0;
    int groupLength = takeDigits(text, pos, number);
    digits += groupLength;
    bool grouped = false;
    while (pos + 1 < text.size() && isGroupSeparator(text[pos]) && isDigit(text[pos + 1]) &&
           groupLength > 0 && (grouped ? groupLength == 3 : groupLength <= 3)) {
        ++pos;
        groupLength = takeDigits(text, pos, number);
        digits += groupLength;
        grouped = true;
    }
    if (grouped && groupLength != 3)
        return std::nullopt;

    if (pos < text.size() && text[pos] == format.decimalSeparator) {
        ++pos;
        number.push_back('.');
        digits += takeDigits(text, pos, number);
    }
    if (digits == 0)
        return std::nullopt;
    takeExponent(text, pos, number, false);
    if (pos != text.size())
        return std::nullopt;
    if (number.back() == '.')
        number.pop_back();
    return parseAscii(number);
}

namespace {

// At most `digits` significant digits, trailing zeros dropped, an exponent ("1.5E+07", as the
// number reader and other programs write it) only where one is needed. A float's value is
// exact as a double, so both text forms share this.
QString generalText(double value, int digits)
{
    if (value == 0) // also turns -0 into "0"
        return QStringLiteral("0");
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::general, digits);
    if (error != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer.data(), end - buffer.data()).replace(u'e', u'E');
}

} // namespace

QString singleText(float value, QChar decimalSeparator)
{
    return generalText(value, 7).replace(u'.', decimalSeparator);
}

QString doubleText(double value)
{
    return generalText(value, 15);
}

std::optional<qint16> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0))
        rounded += 1;
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

NumberFormat regionalFormat(const QLocale &locale)
{
    NumberFormat format;
    if (!locale.decimalPoint().isEmpty())
        format.decimalSeparator = locale.decimalPoint().front();
    if (!locale.groupSeparator().isEmpty())
        format.groupSeparator = locale.groupSeparator().front();
    return format;
}
