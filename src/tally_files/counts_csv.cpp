// SPDX-License-Identifier: GPL-3.0-or-later
#include "counts_csv.h"

#include "common/csv.h"
#include "common/input_text.h"
#include "reports/units_csv.h"
#include "tally/unit_match.h"

#include <QCoreApplication>
#include <QMap>
#include <QRegularExpression>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CountsCsv)
};

constexpr int MostFaultsSaid = 5;

int columnOf(const QStringList &header, QStringView name)
{
    for (int column = 0; column < int(header.size()); ++column)
        if (header.at(column).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return column;
    return -1;
}

// A whole count as spreadsheets of every region write one: digits, with a zero fraction
// after a point or a comma at most.
std::optional<int> wholeCount(QStringView text)
{
    text = text.trimmed();
    if (const qsizetype point = text.indexOf(QRegularExpression(QStringLiteral("[.,]")));
        point >= 0) {
        const QStringView fraction = text.mid(point + 1);
        if (fraction.isEmpty() ||
            !std::all_of(fraction.begin(), fraction.end(), [](QChar c) { return c == u'0'; }))
            return std::nullopt;
        text = text.left(point);
    }
    if (text.isEmpty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const int count = text.toInt();
    return count <= 32767 ? std::optional<int>(count) : std::nullopt;
}

} // namespace

CountsCsv readCountsCsv(QByteArrayView bytes, const UnitCatalogue &catalogue, bool army)
{
    const InputText input = inputText(bytes);
    if (!input.note.isEmpty())
        return {{}, input.note};
    const QString text = decodeText(input.bytes, input.charset);
    const Csv::Parsed parsed = Csv::parse(text, Csv::separatorOf(text));
    if (!parsed.error.isEmpty())
        return {{}, parsed.error};
    if (parsed.records.isEmpty())
        return {{}, Text::tr("The file holds no rows.")};
    using namespace CsvColumns;
    const QStringList &header = parsed.records.front();
    const int id = columnOf(header, Id);
    int count = columnOf(header, army ? Army : Collection);
    if (count < 0)
        count = columnOf(header, Count);
    const int name = columnOf(header, Name), strength = columnOf(header, Strength);
    if (count < 0 || (id < 0 && (name < 0 || strength < 0)))
        return {{},
                Text::tr("The first row must name the columns: \"ID\" (or \"Name\" and "
                         "\"Strength\") and \"Count\" (or \"%1\").")
                    .arg(QString::fromUtf16(army ? Army : Collection))};

    const std::shared_ptr<const UnitFinder> finder = UnitFinder::of(catalogue);
    QMap<int, QString> counts;
    QMap<int, int> listedOn; // the spreadsheet row each unit was found on
    QStringList faults;
    int faultCount = 0;
    for (qsizetype i = 1; i < parsed.records.size(); ++i) {
        const QStringList &record = parsed.records.at(i);
        const int row = parsed.rows.at(i);
        const auto field = [&record](int column) {
            return column < 0 ? QString() : Csv::fieldText(record.value(column).trimmed());
        };
        QString fault;
        const std::optional<int> figures = wholeCount(record.value(count));
        const UnitFinder::Found found = finder->find(field(id), field(name), field(strength));
        if (!figures)
            fault = Text::tr("the count \"%1\" is not a whole number from 0 to 32767")
                        .arg(record.value(count).trimmed());
        else if (found.row < 0)
            fault =
                Text::tr("this catalogue has no unit \"%1\"")
                    .arg(field(id).isEmpty() ? field(name) + u' ' + field(strength) : field(id));
        else if (listedOn.contains(found.row))
            fault = Text::tr("the unit \"%1\" is listed on row %2 too")
                        .arg(catalogue.UnitId.at(found.row).toString())
                        .arg(listedOn.value(found.row));
        if (!fault.isEmpty()) {
            if (++faultCount <= MostFaultsSaid)
                faults.append(Text::tr("Row %1: %2.").arg(row).arg(fault));
            continue;
        }
        listedOn.insert(found.row, row);
        counts.insert(found.row, QString::number(*figures));
    }
    if (faultCount > 0) {
        QString error =
            Text::tr("%n row(s) of the file can't be read, so nothing was imported:", nullptr,
                     faultCount) +
            u'\n' + faults.join(u'\n');
        if (faultCount > MostFaultsSaid)
            error += u'\n' + Text::tr("...and %n more.", nullptr, faultCount - MostFaultsSaid);
        return {{}, error};
    }
    CountsCsv read;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        read.rows.append({it.key(), it.value()});
    return read;
}
