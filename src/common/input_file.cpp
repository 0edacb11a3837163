#include "input_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

InputFile readInputFile(const QString &path, qint64 maxBytes)
{
    InputFile result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = QCoreApplication::translate("InputFile", "The file does not exist.");
        return result;
    }
    if (info.isDir()) {
        result.error = QCoreApplication::translate("InputFile", "It is a folder, not a file.");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.size() > maxBytes) {
        result.error = QCoreApplication::translate("InputFile", "The file is too large (%1 bytes).")
                           .arg(file.size());
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        result.error = file.errorString();
    return result;
}
