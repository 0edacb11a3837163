// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_file.h"

#include "common/codec.h"
#include "common/file_names.h"
#include "common/input_file.h"
#include "field_reader.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr int FieldsPerRecord = 6;

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LoadCatalogue)
};

} // namespace

CatalogueLoad parseCatalogue(QByteArrayView bytes)
{
    CatalogueLoad result;
    UnitCatalogue &units = result.catalogue;
    const InputText text = inputText(bytes);
    const Charset charset = text.charset;
    bytes = text.bytes;
    result.problems = readingProblems(text);
    FieldReader reader(bytes);
    // Each field is decoded straight onto the end of its list's one text.
    const std::array<UnitTexts *, FieldsPerRecord> lists = {
        &units.UnitId,     &units.UnitName,    &units.UnitStr,
        &units.UnitRarity, &units.UnitFaction, &units.UnitPointValue};
    // A record takes at least one line end, so the lines bound the units. The texts get room
    // for what a full catalogue takes; a file of unusually long texts grows its lists.
    units.reserve(int(std::min<qsizetype>(lineEnds(bytes) + 1, UnitCatalogue::MaxUnits)),
                  std::min<qsizetype>(bytes.size(), 8 << 20));
    QByteArrayView field;

    for (;;) {
        const int row = units.size();
        int filled = 0;
        int recordLine = 0;
        std::array<QByteArrayView, FieldsPerRecord> line;
        if (row < UnitCatalogue::MaxUnits && reader.nextPlainLine(line.data(), FieldsPerRecord)) {
            recordLine = reader.fieldLine();
            for (int i = 0; i < FieldsPerRecord; ++i)
                lists[i]->appendDecoded(line[i], charset);
            filled = FieldsPerRecord;
        }
        while (filled < FieldsPerRecord && reader.next(field)) {
            if (filled == 0)
                recordLine = reader.fieldLine();
            lists[filled]->appendDecoded(field, charset);
            ++filled;
        }
        if (filled == 0)
            break;
        if (filled < FieldsPerRecord || row == UnitCatalogue::MaxUnits) {
            for (UnitTexts *list : lists)
                list->truncate(row);
            result.problems.append(
                {recordLine,
                 filled < FieldsPerRecord
                     ? Text::tr("the file ends inside a record (%1 of its %2 fields); "
                                "the rest of the file was ignored.")
                           .arg(filled)
                           .arg(FieldsPerRecord)
                     : Text::tr("the file holds more than %1 units; only the first %1 were loaded.")
                           .arg(UnitCatalogue::MaxUnits)});
            break;
        }
        if (const QString problem = valueProblem(units.UnitPointValue.at(row)); !problem.isEmpty())
            result.problems.append(
                {recordLine, Text::tr("the point value \"%1\" of \"%2\" %3; the "
                                      "totals count it as it reads.")
                                 .arg(shownName(units.UnitPointValue.value(row)),
                                      shownName(units.UnitName.value(row)), problem)});
        units.completeLastUnit();
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
        result.unreadable = file.unreadable;
        return result;
    }
    return parseCatalogue(file.bytes);
}
