// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "codec.h"

#include <QByteArray>
#include <QString>

// How the text of an input file is read. A file with a byte-order mark is read as it says
// (UTF-8, or UTF-16 turned into UTF-8 here); one without is UTF-8 when it holds valid
// multi-byte sequences, as a modern editor saves it, and Windows-1252 otherwise. No
// Windows-1252 text of ours is valid UTF-8 once it holds a letter above 0x7F, so the two are
// not taken for each other. A file that holds both kinds of bytes is read the way most of it
// is, and `note` says where the rest begins, so that the choice is never made silently.
struct InputText
{
    Charset charset = Charset::Windows1252;
    QByteArray bytes;      // the text to read, without its byte-order mark
    qsizetype noteAt = -1; // the offset in `bytes` that `note` is about; -1: the whole file
    QString note;          // empty when every byte fits the reading
};

// `bytes` must outlive the result, which may share them.
InputText inputText(QByteArrayView bytes);
