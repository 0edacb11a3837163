// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/system_calls.h"

#include <QList>
#include <QtGlobal>

// One way for the file layer's system calls to fail, as a failing, full or interrupted disk
// makes them fail.
struct Fault
{
    const char *call = nullptr; // "open", "read", "write", "fdatasync", "close", "link", "rename"
    int error = 0;              // the errno it fails with
    const char *file = "";      // only calls on paths holding this (a descriptor: its open path)
    qint64 after = 0;           // "read": the bytes of each file read before it fails
    int times = -1;             // how many calls fail; -1: all
};

// Makes the calls fail as the faults say while it lives, each call as the first fault for it
// that has failures left; a fault without a call changes nothing. One at a time.
class FailingCalls
{
public:
    explicit FailingCalls(std::initializer_list<Fault> faults);
    ~FailingCalls();
    FailingCalls(const FailingCalls &) = delete;
    FailingCalls &operator=(const FailingCalls &) = delete;

    // How many calls it has failed.
    int failed() const;

private:
    SystemCalls m_real;
};
