#include "price_guide.h"

#include "common/codec.h"
#include "common/file_names.h"
#include "common/input_file.h"
#include "field_reader.h"

#include <QCoreApplication>

PriceGuideLoad parsePriceGuide(QByteArrayView bytes)
{
    PriceGuideLoad result;
    const Charset charset = inputCharset(bytes);
    bytes = withoutByteOrderMark(bytes);
    FieldReader reader(bytes);
    // A guide holds about one entry a line.
    result.prices.reserve(lineEnds(bytes) + 1);
    SharedStrings sharedPrices(charset);
    QByteArrayView name;
    QByteArrayView price;
    while (reader.next(name)) {
        const int nameLine = reader.fieldLine();
        // Decoded before the next field is read, which may reuse the view's storage.
        QString key = decodeText(name, charset);
        if (!reader.next(price)) {
            result.problems.append(
                {nameLine, QCoreApplication::translate("LoadPriceGuide",
                                                       "the entry \"%1\" has no price; it was "
                                                       "ignored.")
                               .arg(shownName(key))});
            break;
        }
        const QString priceText = sharedPrices(price);
        if (const QString problem = valueProblem(priceText); !problem.isEmpty())
            result.problems.append(
                {nameLine, QCoreApplication::translate("LoadPriceGuide",
                                                       "the price \"%1\" of \"%2\" %3; the totals "
                                                       "count it as it reads.")
                               .arg(shownName(priceText), shownName(key), problem)});
        result.prices.insert(std::move(key), priceText);
    }
    result.problems.append(reader.quoteProblems());
    return result;
}

void applyPrices(UnitCatalogue &catalogue, const QHash<QString, QString> &prices)
{
    // A unit of no known strength has the empty key, which an empty guide name prices.
    UnitTexts priced;
    priced.reserve(catalogue.size(), catalogue.size() * 4);
    for (int row = 0; row < catalogue.size(); ++row) {
        const QStringView key = catalogue.UnitGuideName.at(row);
        // Looked up without a copy: the key's text lives as long as this call.
        priced.append(prices.value(QString::fromRawData(key.data(), key.size())));
    }
    catalogue.UnitPrice = std::move(priced);
}

PriceGuideLoad LoadPriceGuide(const QString &path)
{
    const InputFile file = readInputFile(path);
    PriceGuideLoad result;
    if (file.ok())
        result = parsePriceGuide(file.bytes);
    else
        result.error = file.error;
    return result;
}
