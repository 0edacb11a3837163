#include "catalogue_file.h"

#include "common/codec.h"
#include "common/file_names.h"
#include "common/input_file.h"
#include "field_reader.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr int FieldsPerRecord = 6;

QString tr(const char *text)
{
    return QCoreApplication::translate("LoadCatalogue", text);
}

} // namespace

CatalogueLoad parseCatalogue(QByteArrayView bytes)
{
    CatalogueLoad result;
    const Charset charset = inputCharset(bytes);
    bytes = withoutByteOrderMark(bytes);
    FieldReader reader(bytes);
    std::array<QString, FieldsPerRecord> fields;
    std::array<SharedStrings, FieldsPerRecord> shared;
    shared.fill(SharedStrings(charset));
    QByteArrayView field;
    // A record takes at least one line end, so the lines bound the units.
    result.catalogue.reserve(
        int(std::min<qsizetype>(lineEnds(bytes) + 1, UnitCatalogue::MaxUnits)));

    for (;;) {
        int filled = 0;
        int recordLine = 0;
        while (filled < FieldsPerRecord && reader.next(field)) {
            if (filled == 0)
                recordLine = reader.fieldLine();
            // Ids and names are nearly all different; the other fields repeat.
            fields[filled] = filled <= 1 ? decodeText(field, charset) : shared[filled](field);
            ++filled;
        }
        if (filled == 0)
            break;
        if (filled < FieldsPerRecord) {
            result.problems.append(
                {recordLine, tr("the file ends inside a record (%1 of its %2 fields); "
                                "the rest of the file was ignored.")
                                 .arg(filled)
                                 .arg(FieldsPerRecord)});
            break;
        }
        if (result.catalogue.size() == UnitCatalogue::MaxUnits) {
            result.problems.append(
                {recordLine, tr("the file holds more than %1 units; only the first %1 were loaded.")
                                 .arg(UnitCatalogue::MaxUnits)});
            break;
        }
        if (const QString problem = valueProblem(fields[5]); !problem.isEmpty())
            result.problems.append(
                {recordLine, tr("the point value \"%1\" of \"%2\" %3; the "
                                "totals count it as it reads.")
                                 .arg(shownName(fields[5]), shownName(fields[1]), problem)});
        result.catalogue.append(std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                                std::move(fields[3]), std::move(fields[4]), std::move(fields[5]));
    }

    result.problems.append(reader.quoteProblems());
    return result;
}

CatalogueLoad LoadCatalogue(const QString &path)
{
    const InputFile file = readInputFile(path);
    if (!file.ok()) {
        CatalogueLoad result;
        result.error = file.error;
        return result;
    }
    return parseCatalogue(file.bytes);
}
