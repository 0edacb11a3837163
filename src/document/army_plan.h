// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tally_document.h"
#include "tally_files/army_files.h"

#include <QFuture>
#include <QHash>
#include <QObject>

#include <functional>

// The armies a player plans against the collection: the army on screen and the army files of
// the folder, which of them are ticked, and whether they are played together or one at a time.
// What the ticked armies need, and what the collection lacks of it, follow every change of the
// tallies at once; the files are read again when they have changed on disk and the plan is
// refreshed.
class ArmyPlan : public QObject
{
    Q_OBJECT

public:
    // `catalogueId` identifies the loaded catalogue, for finding saved units in it.
    ArmyPlan(const TallyDocument &document, std::function<QByteArray()> catalogueId,
             const NumberFormat &format, QObject *parent = nullptr);

    struct Army
    {
        ArmyFile file;         // the army on screen has its name and tally here
        bool onScreen = false; // the army of the main window, always the first
        bool ticked = false;
        Lacking lacking; // what the collection lacks of it alone
    };
    const QList<Army> &armies() const { return m_armies; }

    // Lists the folder's army files again and reads those that are new or changed on disk, off
    // the window's thread: the plan changes once they are read (20 full-size files took the
    // window 80 to 140 ms). A refresh or a new catalogue meanwhile supersedes the read.
    void refresh();
    bool isReading() const { return m_reading; }
    // Returns once the files of the last refresh are read and planned.
    void waitUntilRead();
    void setTicked(int army, bool ticked);
    void setWay(PlanWay way);
    PlanWay way() const { return m_way; }

    // What the ticked armies need, played the plan's way, and what the collection lacks of it.
    const Needs &needs() const { return m_needs; }
    const Lacking &lacking() const { return m_lacking; }
    int ticked() const;

Q_SIGNALS:
    // Anything the plan shows changed.
    void changed();
    // Which armies are planned, or how, changed: choices of units by the plan are made afresh.
    void replanned();

private:
    struct Listed
    {
        QString name;
        Army army;
        bool read = false; // new or changed on disk: to be read
    };
    void listedRead(const QList<Listed> &listed);
    void tallyChanged(WhichTally which, int row);
    void armyOnScreenChanged(int row);
    void readCatalogue();
    void combine();
    void recountLacking();

    const TallyDocument &m_document;
    std::function<QByteArray()> m_catalogueId;
    NumberFormat m_format;
    QList<Army> m_armies;
    QHash<QString, Army> m_collections; // the folder's files a collection saved, as read
    PlanWay m_way = PlanWay::Together;
    QList<double> m_held, m_prices;        // the collection's counts and the prices, as numbers
    UnitTexts m_ids, m_names, m_strengths; // the units the files' counts were put on
    Needs m_needs;
    Lacking m_lacking;
    QFuture<QList<Listed>> m_read; // the files of the last refresh being read
    int m_refreshes = 0;
    bool m_reading = false;
};
