// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the full-size benchmark data into a folder: make_bench_data FOLDER [UNITS]
#include "bench_data.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: make_bench_data FOLDER [UNITS]\n");
        return 2;
    }
    const int units = args.size() > 2 ? args.at(2).toInt() : 32767;
    if (!QDir().mkpath(args.at(1)) || !writeBenchData(args.at(1), units)) {
        std::fprintf(stderr, "could not write the data into %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
