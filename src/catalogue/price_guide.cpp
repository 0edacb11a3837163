#include "price_guide.h"

#include "common/codec.h"
#include "common/input_file.h"
#include "field_reader.h"

#include <QCoreApplication>

PriceGuideLoad parsePriceGuide(QByteArrayView bytes)
{
    PriceGuideLoad result;
    const QString text = decodeText(bytes);
    FieldReader reader(text);
    QString name;
    QString price;
    while (reader.next(name)) {
        const int nameLine = reader.fieldLine();
        if (!reader.next(price)) {
            result.problems.append(
                {nameLine, QCoreApplication::translate("LoadPriceGuide",
                                                       "the entry \"%1\" has no price; it was "
                                                       "ignored.")
                               .arg(name)});
            break;
        }
        result.prices.insert(name, price);
    }
    if (reader.unclosedQuoteLine() > 0)
        result.problems.append(
            {reader.unclosedQuoteLine(),
             QCoreApplication::translate("LoadPriceGuide", "a quoted field has no closing quote; "
                                                           "it runs to the end of the file.")});
    return result;
}

void applyPrices(UnitCatalogue &catalogue, const QHash<QString, QString> &prices)
{
    for (int row = 0; row < catalogue.size(); ++row) {
        const QString &key = catalogue.UnitGuideName.at(row);
        catalogue.UnitPrice[row] = key.isEmpty() ? QString() : prices.value(key);
    }
}

PriceGuideLoad LoadPriceGuide(UnitCatalogue &catalogue, const QString &path)
{
    const InputFile file = readInputFile(path);
    PriceGuideLoad result;
    if (file.ok())
        result = parsePriceGuide(file.bytes);
    else
        result.error = file.error;
    applyPrices(catalogue, result.prices);
    return result;
}
