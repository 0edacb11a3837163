#include "collection_report.h"

#include "common/codec.h"
#include "common/numbers.h"
#include "line_printer.h"

#include <QStringList>

namespace {

const QString Rule(66, u'=');

QByteArray linesToBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encodeText(line);
        bytes += "\r\n";
    }
    return bytes;
}

void printRows(const CollectionReport &report, LinePrinter &printer)
{
    for (const ReportRow &row : report.rows) {
        printer.print(row.unitId);
        printer.advanceTo(9);
        printer.print(row.unitLabel);
        printer.advanceTo(42);
        printer.print(row.quantity);
        printer.endLine();
    }
}

// The three labels are 42 characters wide, so the values line up at column 43.
void printSummary(const CollectionReport &report, LinePrinter &printer)
{
    if (!report.summary)
        return;
    printer.endLine();
    printer.endLine();
    printer.print(QStringLiteral("Number of Pieces in Collection:           ") +
                  report.summary->pieces);
    printer.endLine();
    printer.print(QStringLiteral("Total Point Value:                        ") +
                  report.summary->points);
    printer.endLine();
    printer.print(QStringLiteral("Alleged Value:                            ") +
                  report.summary->value);
    printer.endLine();
}

void printLine(LinePrinter &printer, const QString &text)
{
    printer.print(text);
    printer.endLine();
}

// Escapes markup characters, and writes characters the page's character set lacks as
// character references, so that any name shows as written.
QString html(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            escaped += QStringLiteral("&amp;");
            break;
        case u'<':
            escaped += QStringLiteral("&lt;");
            break;
        case u'>':
            escaped += QStringLiteral("&gt;");
            break;
        case u'"':
            escaped += QStringLiteral("&quot;");
            break;
        default:
            if (canEncode(c))
                escaped += c;
            else
                escaped += QStringLiteral("&#%1;").arg(c.unicode());
        }
    }
    return escaped;
}

} // namespace

CollectionReport buildCollectionReport(const QString &name, const QStringList &counts,
                                       const UnitCatalogue &catalogue,
                                       std::optional<ReportSummary> summary)
{
    CollectionReport report{name, {}, std::move(summary)};
    const qsizetype rows = std::min<qsizetype>(counts.size(), catalogue.size());
    for (qsizetype row = 0; row < rows; ++row) {
        if (!(readNumber(counts.at(row)) > 0))
            continue;
        report.rows.append(ReportRow{catalogue.UnitId.at(row),
                                     catalogue.UnitName.at(row) + QStringLiteral(" (") +
                                         catalogue.UnitStr.at(row) + u')',
                                     counts.at(row)});
    }
    return report;
}

QByteArray textReport(const CollectionReport &report)
{
    TextLinePrinter printer;
    printLine(printer, Rule);
    printLine(printer, QString(14, u' ') + report.name);
    printLine(printer, Rule);
    printLine(printer, QStringLiteral("Unit        Unit Name                Quantity "));
    printLine(printer, QStringLiteral(" ID                                   "));
    printRows(report, printer);
    printSummary(report, printer);
    printer.endDocument();
    return linesToBytes(printer.lines());
}

bool printReport(const CollectionReport &report, LinePrinter &printer)
{
    printLine(printer, Rule);
    printLine(printer, QString(10, u' ') + report.name + QStringLiteral(" Collection"));
    printLine(printer, Rule);
    printer.print(QStringLiteral("Unit"));
    printer.advanceTo(13);
    printer.print(QStringLiteral("Unit Name"));
    printer.advanceTo(39);
    printer.print(QStringLiteral("Quantity "));
    printer.endLine();
    printLine(printer, QStringLiteral(" ID "));
    printRows(report, printer);
    printSummary(report, printer);
    return printer.endDocument();
}

QByteArray htmlReport(const CollectionReport &report)
{
    QStringList lines = {
        QStringLiteral("<html>"),
        QStringLiteral("<div><center>"),
        QStringLiteral("<hr>"),
        QStringLiteral("              <strong>") + html(report.name) + QStringLiteral("</strong>"),
        QStringLiteral("<hr>"),
        QStringLiteral("<table border=\"1\" cellpadding=\"3\" width=\"70%\">"),
        QStringLiteral("    <tr>"),
        QStringLiteral("        <td align=\"center\" width=\"10%\"><strong>Unit ID#</strong></td>"),
        QStringLiteral(
            "        <td align=\"center\" width=\"80%\"><strong>Unit Name</strong></td>"),
        QStringLiteral("        <td align=\"center\" width=\"10%\"><strong>Quantity</strong></td>"),
        QStringLiteral("    </tr>"),
    };
    const QString narrowCell = QStringLiteral("        <td align=\"center\" width=\"10%\">");
    const QString wideCell = QStringLiteral("        <td align=\"center\" width=\"80%\">");
    const QString cellEnd = QStringLiteral("</td>");
    for (const ReportRow &row : report.rows) {
        lines.append(QStringLiteral("    <tr>"));
        lines.append(narrowCell + html(row.unitId) + cellEnd);
        lines.append(wideCell + html(row.unitLabel) + cellEnd);
        lines.append(narrowCell + html(row.quantity) + cellEnd);
        lines.append(QStringLiteral("    </tr>"));
    }
    lines.append(QStringLiteral("</table>"));
    lines.append(QStringLiteral("</center></div>"));
    if (report.summary) {
        lines.append(QString());
        lines.append(QStringLiteral("<hr>"));
        lines.append(QStringLiteral("<p>Number of Pieces in Collection:           ") +
                     html(report.summary->pieces) + QStringLiteral("</p>"));
        lines.append(QStringLiteral("<p>Total Point Value:                        ") +
                     html(report.summary->points) + QStringLiteral("</p>"));
        lines.append(QStringLiteral("<p>Alleged Value:                            ") +
                     html(report.summary->value) + QStringLiteral("</p>"));
    }
    lines.append(QStringLiteral("</html>"));
    return linesToBytes(lines);
}
