// SPDX-License-Identifier: GPL-3.0-or-later
#include "price_guide.h"

#include "common/codec.h"
#include "common/file_names.h"
#include "common/input_file.h"
#include "field_reader.h"

#include <QCoreApplication>

#include <array>

PriceGuideLoad parsePriceGuide(QByteArrayView bytes)
{
    PriceGuideLoad result;
    const InputText text = inputText(bytes);
    const Charset charset = text.charset;
    bytes = text.bytes;
    result.problems = readingProblems(text);
    FieldReader reader(bytes);
    // A guide holds about one entry a line. That is room for any guide of a full catalogue; a
    // bigger one grows its table as it is read.
    result.prices.reserve(int(std::min<qsizetype>(lineEnds(bytes) + 1, 1 << 20)),
                          std::min<qsizetype>(bytes.size(), 8 << 20));
    QByteArray name;
    QByteArrayView field;
    std::array<QByteArrayView, 2> line;
    for (;;) {
        const bool plain = reader.nextPlainLine(line.data(), 2);
        if (!plain && !reader.next(field))
            break;
        const int nameLine = reader.fieldLine();
        if (plain) {
            result.prices.insert(line[0], line[1], charset);
        } else {
            // Kept before the next field is read, which may reuse the view's storage.
            name.truncate(0);
            name.append(field);
            if (!reader.next(field)) {
                result.problems.append(
                    {nameLine, QCoreApplication::translate("LoadPriceGuide",
                                                           "the entry \"%1\" has no price; it "
                                                           "was ignored.")
                                   .arg(shownName(decodeText(name, charset)))});
                break;
            }
            result.prices.insert(name, field, charset);
        }
        if (const QString problem = valueProblem(result.prices.lastPrice()); !problem.isEmpty())
            result.problems.append(
                {nameLine, QCoreApplication::translate("LoadPriceGuide",
                                                       "the price \"%1\" of \"%2\" %3; the totals "
                                                       "count it as it reads.")
                               .arg(shownName(result.prices.lastPrice().toString()),
                                    shownName(result.prices.lastName().toString()), problem)});
    }
    result.problems.append(reader.quoteProblems());
    return result;
}

void applyPrices(UnitCatalogue &catalogue, const PriceTable &prices)
{
    // A unit of no known strength has the empty key, which an empty guide name prices.
    UnitTexts priced;
    priced.reserve(catalogue.size(), catalogue.size() * 6);
    for (int row = 0; row < catalogue.size(); ++row)
        priced.append(prices.value(catalogue.UnitGuideName.at(row)));
    catalogue.UnitPrice = std::move(priced);
}

PriceGuideLoad LoadPriceGuide(const QString &path)
{
    const InputFile file = readInputFile(path);
    PriceGuideLoad result;
    if (file.ok())
        result = parsePriceGuide(file.bytes);
    else
        result.error = file.error, result.unreadable = file.unreadable;
    return result;
}
