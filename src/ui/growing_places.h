// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QWidget>

// Lets a window of designed places grow. At the designed size every control stands in its
// designed place; as the area grows, each control registered here moves with the right or the
// bottom edge, or stretches with it, as its edges say; shrinking back gives the design again.
class GrowingPlaces : public QObject
{
public:
    enum Edge
    {
        Right = 1,  // moves right as the area widens
        Bottom = 2, // moves down as the area deepens
        Width = 4,  // widens with the area
        Height = 8  // deepens with the area
    };

    // `area` keeps at least its current size, the designed one.
    explicit GrowingPlaces(QWidget *area);

    // `control`, in its designed place now, follows `edges` (a combination of Edge) from now on.
    void follow(QWidget *control, int edges);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Place
    {
        QWidget *control;
        QRect designed;
        int edges;
    };
    QWidget *m_area;
    QSize m_designed;
    QList<Place> m_places;
};
