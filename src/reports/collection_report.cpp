// SPDX-License-Identifier: GPL-3.0-or-later
#include "collection_report.h"

#include "common/codec.h"
#include "common/numbers.h"
#include "line_printer.h"

#include <QStringList>

#include <algorithm>

namespace {

const QString Rule(66, u'=');

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
    printer.print((report.army ? QStringLiteral("Number of Pieces in Army:                 ")
                               : QStringLiteral("Number of Pieces in Collection:           ")) +
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

// A text for the page: markup characters are escaped, and characters the page's character set
// lacks are written as character references, so that any name shows as written.
struct Html
{
    QStringView text;
};

void appendPart(QByteArray &bytes, QStringView text)
{
    appendEncoded(bytes, text);
}

void appendPart(QByteArray &bytes, Html part)
{
    // Nearly every text is plain ASCII without markup and goes in as it is. The test runs over
    // the whole text without stopping early, which the compiler turns into vector instructions.
    bool special = false;
    for (const QChar c : part.text) {
        const char16_t code = c.unicode();
        special |= code < u' ' || code >= 0x7F || code == u'&' || code == u'<' || code == u'>' ||
                   code == u'"';
    }
    if (!special) {
        appendEncoded(bytes, part.text);
        return;
    }
    QString escaped;
    escaped.reserve(part.text.size());
    const QStringView text = part.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
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
            // A character beyond U+FFFF is one reference to its code point, not two halves; a
            // control character, which a page may not hold as it is, is a reference too.
            if (canEncode(c) && c.unicode() >= u' ' && c.unicode() != 0x7F)
                escaped += c;
            else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                escaped += QStringLiteral("&#%1;").arg(QChar::surrogateToUcs4(c, text.at(++i)));
            else
                escaped += QStringLiteral("&#%1;").arg(c.unicode());
        }
    }
    appendEncoded(bytes, escaped);
}

} // namespace

CollectionReport buildCollectionReport(const QString &name, const QStringList &counts,
                                       const UnitCatalogue &catalogue,
                                       std::optional<ReportSummary> summary)
{
    CollectionReport report{name, {}, std::move(summary)};
    const qsizetype rows = std::min<qsizetype>(counts.size(), catalogue.size());
    report.rows.reserve(rows);
    for (qsizetype row = 0; row < rows; ++row) {
        if (!(readNumber(counts.at(row)) > 0))
            continue;
        // Built in one piece: a full collection lists every unit.
        const QStringView unitName = catalogue.UnitName.at(row);
        const QStringView strength = catalogue.UnitStr.at(row);
        QString label;
        label.reserve(unitName.size() + strength.size() + 3);
        label.append(unitName).append(u" (").append(strength).append(u')');
        report.rows.append(
            ReportRow{catalogue.UnitId.at(row).toString(), std::move(label), counts.at(row)});
    }
    return report;
}

QByteArray textReport(const CollectionReport &report)
{
    TextLinePrinter printer(1000 + report.rows.size() * 80);
    printLine(printer, Rule);
    printLine(printer, QString(14, u' ') + report.name);
    printLine(printer, Rule);
    printLine(printer, QStringLiteral("Unit        Unit Name                Quantity "));
    printLine(printer, QStringLiteral(" ID                                   "));
    printRows(report, printer);
    printSummary(report, printer);
    printer.endDocument();
    return printer.takeBytes();
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
    // Each part is encoded straight onto the page as it grows, so that a full catalogue's page
    // is held once, in bytes, and not a second time as text.
    QByteArray bytes;
    bytes.reserve(1000 + report.rows.size() * 250);
    const auto line = [&bytes](const auto &...parts) {
        (appendPart(bytes, parts), ...);
        bytes.append("\r\n");
    };
    line(u"<html>");
    line(u"<div><center>");
    line(u"<hr>");
    line(u"              <strong>", Html{report.name}, u"</strong>");
    line(u"<hr>");
    line(u"<table border=\"1\" cellpadding=\"3\" width=\"70%\">");
    line(u"    <tr>");
    line(u"        <td align=\"center\" width=\"10%\"><strong>Unit ID#</strong></td>");
    line(u"        <td align=\"center\" width=\"80%\"><strong>Unit Name</strong></td>");
    line(u"        <td align=\"center\" width=\"10%\"><strong>Quantity</strong></td>");
    line(u"    </tr>");
    const QStringView narrowCell = u"        <td align=\"center\" width=\"10%\">";
    const QStringView wideCell = u"        <td align=\"center\" width=\"80%\">";
    const QStringView cellEnd = u"</td>";
    for (const ReportRow &row : report.rows) {
        line(u"    <tr>");
        line(narrowCell, Html{row.unitId}, cellEnd);
        line(wideCell, Html{row.unitLabel}, cellEnd);
        line(narrowCell, Html{row.quantity}, cellEnd);
        line(u"    </tr>");
    }
    line(u"</table>");
    line(u"</center></div>");
    if (report.summary) {
        line(u"");
        line(u"<hr>");
        line(u"<p>Number of Pieces in Collection:           ", Html{report.summary->pieces},
             u"</p>");
        line(u"<p>Total Point Value:                        ", Html{report.summary->points},
             u"</p>");
        line(u"<p>Alleged Value:                            ", Html{report.summary->value},
             u"</p>");
    }
    line(u"</html>");
    return bytes;
}
