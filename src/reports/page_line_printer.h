// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reports/line_printer.h"

#include <QPointF>

#include <functional>

// Where lines go on paper: columns as wide as the font's average character, lines one line
// spacing apart, and a line that does not fit on the page begins the next one. The drawing
// itself is left to the device behind it.
class PageLinePrinter : public LinePrinter
{
public:
    struct Metrics
    {
        qreal columnWidth = 1;
        qreal lineHeight = 1;
        qreal ascent = 0;
        qreal pageHeight = 0;
    };

    void print(const QString &text) override;
    void advanceTo(int column) override;
    void endLine() override;

    // Asked after every ended line with the number of lines so far; once it answers false the
    // document is abandoned: nothing more is drawn and endDocument sends nothing.
    void setLineCheck(std::function<bool(int lines)> goOn) { m_goOn = std::move(goOn); }
    bool abandoned() const { return m_abandoned; }

    // Why the job failed, once it could not go on.
    QString error() const { return m_error; }

protected:
    // Starts the document on its first page and tells its measures; false when it could not.
    virtual bool begin(Metrics &metrics) = 0;
    virtual bool newPage() = 0;
    // Draws `text` with its baseline starting at `at`; returns how far it reaches to the right.
    virtual qreal drawText(QPointF at, const QString &text) = 0;

    // Starts the document on first use; false once it has failed or was abandoned.
    bool ready();
    void fail(const QString &error);
    // Gives the document up: nothing more is drawn or sent.
    void abandon() { m_abandoned = true; }

private:
    Metrics m_metrics;
    std::function<bool(int)> m_goOn;
    bool m_started = false;
    bool m_abandoned = false;
    QString m_error;
    int m_lines = 0;
    qreal m_x = 0;
    qreal m_y = 0;
};
