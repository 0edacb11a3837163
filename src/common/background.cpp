// SPDX-License-Identifier: GPL-3.0-or-later
#include "background.h"

QThreadPool *Background::recoveryCopies()
{
    // Kept to the end of the process, past every window and document: a write under way when
    // its keeper goes still ends whole, as the pool's threads are ended last of all.
    static QThreadPool pool;
    pool.setMaxThreadCount(1);
    return &pool;
}

QThreadPool *Background::reportFiles()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(1);
    return &pool;
}
