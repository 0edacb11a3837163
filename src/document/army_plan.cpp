// SPDX-License-Identifier: GPL-3.0-or-later
#include "army_plan.h"

#include "common/background.h"
#include "common/numbers.h"

#include <QCoreApplication>
#include <QHash>

ArmyPlan::ArmyPlan(const TallyDocument &document, std::function<QByteArray()> catalogueId,
                   const NumberFormat &format, QObject *parent)
    : QObject(parent), m_document(document), m_catalogueId(std::move(catalogueId)), m_format(format)
{
    Army onScreen;
    onScreen.onScreen = true;
    m_armies.append(onScreen);
    readCatalogue();
    armyOnScreenChanged(-1);
    connect(&document, &TallyDocument::tallyChanged, this, &ArmyPlan::tallyChanged);
    connect(&document, &TallyDocument::nameChanged, this, [this](WhichTally which) {
        if (which == WhichTally::Army) {
            m_armies.front().file.name = m_document.name(WhichTally::Army);
            Q_EMIT changed();
        }
    });
    // The files' counts were put on the rows of the catalogue before: they are read anew, once
    // the plan has read any (the start reads none until the plan is first shown).
    connect(&document, &TallyDocument::catalogueReplaced, this, [this] {
        const UnitCatalogue &units = m_document.data().catalogue;
        const bool sameUnits =
            units.UnitId == m_ids && units.UnitName == m_names && units.UnitStr == m_strengths;
        readCatalogue();
        armyOnScreenChanged(-1);
        // A reload of the same units leaves every file's counts on their rows; only prices and
        // the counts on screen may have changed.
        if (sameUnits) {
            combine();
            return;
        }
        // Until they are read again, the files plan nothing: their rows were the old
        // catalogue's.
        for (qsizetype i = 1; i < m_armies.size(); ++i) {
            m_armies[i].file.stamp.clear();
            m_armies[i].file.needs = {};
        }
        m_collections.clear();
        combine();
        // A read under way was of the old catalogue too.
        if (m_armies.size() > 1 || m_reading)
            refresh();
    });
}

void ArmyPlan::readCatalogue()
{
    m_held = heldFigures(m_document.tally(WhichTally::Collection).counts);
    const UnitCatalogue &units = m_document.data().catalogue;
    m_prices = unitPrices(units);
    m_ids = units.UnitId, m_names = units.UnitName, m_strengths = units.UnitStr;
}

int ArmyPlan::ticked() const
{
    return int(std::count_if(m_armies.cbegin(), m_armies.cend(),
                             [](const Army &army) { return army.ticked; }));
}

void ArmyPlan::refresh()
{
    // What was read before, collections' files included, is read again only when changed.
    QHash<QString, Army> known = m_collections;
    for (qsizetype i = 1; i < m_armies.size(); ++i)
        known.insert(m_armies.at(i).file.name, m_armies.at(i));
    QList<Listed> listed;
    for (const QString &name : tallyFileNames()) {
        Army army = known.value(name);
        const bool read = army.file.stamp.isEmpty() || army.file.stamp != armyFileStamp(name);
        listed.append({name, std::move(army), read});
    }
    const int refresh = ++m_refreshes;
    m_reading = true;
    m_read = Background::runThen(
        Background::shared(), this,
        [listed, catalogue = m_document.data().catalogue, id = m_catalogueId(),
         format = m_format]() mutable {
            for (Listed &file : listed)
                if (file.read)
                    file.army.file = readArmyFile(file.name, catalogue, id, format);
            return listed;
        },
        [this, refresh](const QFuture<QList<Listed>> &read) {
            if (refresh == m_refreshes)
                listedRead(read.result());
        });
}

void ArmyPlan::listedRead(const QList<Listed> &listed)
{
    m_reading = false;
    // Ticks given while the files were read stand.
    QHash<QString, bool> ticked;
    for (qsizetype i = 1; i < m_armies.size(); ++i)
        ticked.insert(m_armies.at(i).file.name, m_armies.at(i).ticked);
    m_collections.clear();
    QList<Army> armies{m_armies.front()};
    for (const Listed &file : listed) {
        Army army = file.army;
        if (army.file.collection) {
            m_collections.insert(file.name, army);
            continue;
        }
        // A file that can no longer be read is listed with its reason, and planned no more.
        army.ticked = ticked.value(file.name, army.ticked) && army.file.problem.isEmpty();
        armies.append(army);
    }
    m_armies = std::move(armies);
    combine();
    Q_EMIT replanned();
}

void ArmyPlan::waitUntilRead()
{
    while (m_reading) {
        m_read.waitForFinished();
        // The files read are planned here, on the window's thread.
        QCoreApplication::sendPostedEvents();
    }
}

void ArmyPlan::setTicked(int army, bool ticked)
{
    if (army < 0 || army >= m_armies.size() || m_armies.at(army).ticked == ticked ||
        (ticked && !m_armies.at(army).file.problem.isEmpty()))
        return;
    m_armies[army].ticked = ticked;
    combine();
    Q_EMIT replanned();
}

void ArmyPlan::setWay(PlanWay way)
{
    if (std::exchange(m_way, way) == way)
        return;
    combine();
    Q_EMIT replanned();
}

void ArmyPlan::tallyChanged(WhichTally which, int row)
{
    const QStringList &collection = m_document.tally(WhichTally::Collection).counts;
    if (which == WhichTally::Collection && row >= 0 && row < m_held.size())
        m_held[row] = std::max(0.0, readNumber(collection.at(row)));
    else if (which == WhichTally::Collection)
        m_held = heldFigures(collection);
    if (which == WhichTally::Army) {
        armyOnScreenChanged(row);
        if (m_armies.front().ticked) {
            combine();
            return;
        }
    }
    recountLacking();
}

void ArmyPlan::armyOnScreenChanged(int row)
{
    ArmyFile &shown = m_armies.front().file;
    shown.name = m_document.name(WhichTally::Army);
    shown.tally = m_document.tally(WhichTally::Army);
    if (row < 0 || row >= shown.tally.counts.size()) {
        shown.needs = needsOf(shown.tally.counts);
        return;
    }
    // One count changed: its unit's place among the needs alone.
    Needs &needs = shown.needs;
    const auto at = std::lower_bound(needs.rows.begin(), needs.rows.end(), row);
    const qsizetype i = at - needs.rows.begin();
    const double count = readNumber(shown.tally.counts.at(row));
    const bool listed = at != needs.rows.end() && *at == row;
    if (count > 0 && listed)
        needs.figures[i] = count;
    else if (count > 0)
        needs.rows.insert(i, row), needs.figures.insert(i, count);
    else if (listed)
        needs.rows.remove(i), needs.figures.remove(i);
}

void ArmyPlan::combine()
{
    QList<const Needs *> planned;
    for (const Army &army : m_armies)
        if (army.ticked)
            planned.append(&army.file.needs);
    m_needs = planned.isEmpty() ? Needs() : combineNeeds(planned, m_way);
    recountLacking();
}

void ArmyPlan::recountLacking()
{
    for (Army &army : m_armies)
        army.lacking = lackingFor(army.file.needs, m_held, m_prices);
    m_lacking = lackingFor(m_needs, m_held, m_prices);
    Q_EMIT changed();
}
