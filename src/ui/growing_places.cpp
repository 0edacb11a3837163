// SPDX-License-Identifier: GPL-3.0-or-later
#include "growing_places.h"

#include <QEvent>

GrowingPlaces::GrowingPlaces(QWidget *area) : QObject(area), m_area(area), m_designed(area->size())
{
    area->setMinimumSize(m_designed);
    area->installEventFilter(this);
}

void GrowingPlaces::follow(QWidget *control, int edges)
{
    m_places.append({control, control->geometry(), edges});
}

bool GrowingPlaces::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && event->type() == QEvent::Resize) {
        const QSize grown = (m_area->size() - m_designed).expandedTo(QSize(0, 0));
        for (const Place &place : std::as_const(m_places)) {
            QRect rect = place.designed;
            rect.translate((place.edges & Right) ? grown.width() : 0,
                           (place.edges & Bottom) ? grown.height() : 0);
            rect.setSize(rect.size() + QSize((place.edges & Width) ? grown.width() : 0,
                                             (place.edges & Height) ? grown.height() : 0));
            place.control->setGeometry(rect);
        }
    }
    return QObject::eventFilter(watched, event);
}
