// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv.h"

#include <QCoreApplication>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Csv)
};

bool looksLikeFormula(QStringView text)
{
    return !text.isEmpty() && QStringView(u"=+-@\t\r'").contains(text.front());
}

} // namespace

QString Csv::textField(QStringView text)
{
    QString field;
    appendTextField(field, text);
    return field;
}

void Csv::appendTextField(QString &out, QStringView text)
{
    out += u'"';
    if (looksLikeFormula(text))
        out += u'\'';
    for (qsizetype quote; (quote = text.indexOf(u'"')) >= 0; text = text.mid(quote + 1))
        out.append(text.first(quote + 1)).append(u'"');
    out.append(text).append(u'"');
}

QString Csv::fieldText(QStringView field)
{
    return field.startsWith(u'\'') ? field.mid(1).toString() : field.toString();
}

QChar Csv::separatorOf(QStringView text)
{
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted)
            commas += c == u',', semicolons += c == u';', tabs += c == u'\t';
    }
    if (semicolons > commas && semicolons >= tabs)
        return u';';
    return tabs > commas ? u'\t' : u',';
}

Csv::Parsed Csv::parse(QStringView text, QChar separator)
{
    Parsed parsed;
    QStringList fields;
    QString field;
    bool quoted = false, wasQuoted = false;
    int row = 1, recordRow = 1;
    const auto endRecord = [&] {
        fields.append(field);
        const bool blank = fields.size() == 1 && fields.front().isEmpty() && !wasQuoted;
        if (!blank) {
            parsed.records.append(fields);
            parsed.rows.append(recordRow);
        }
        fields.clear(), field.clear(), wasQuoted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"')
                field.append(u'"'), ++i;
            else if (c == u'"')
                quoted = false;
            else
                field.append(c);
            continue;
        }
        if (c == u'"' && field.isEmpty()) {
            quoted = wasQuoted = true;
        } else if (c == separator) {
            fields.append(field), field.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            endRecord();
            recordRow = ++row;
        } else {
            field.append(c);
        }
    }
    if (quoted)
        return {{},
                {},
                Text::tr("A quote that opens a field on row %1 is never closed.").arg(recordRow)};
    if (!field.isEmpty() || !fields.isEmpty() || wasQuoted)
        endRecord();
    return parsed;
}
