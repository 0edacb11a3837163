// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <sys/types.h>

// The system calls the file layer makes, called through this table so that a test can make any
// of them fail as a failing disk, a full one or an interrupted call does. The program never
// changes it.
struct SystemCalls
{
    int (*open)(const char *path, int flags, mode_t mode);
    ssize_t (*read)(int fd, void *buffer, size_t size);
    ssize_t (*write)(int fd, const void *buffer, size_t size);
    int (*fdatasync)(int fd);
    int (*close)(int fd);
    // A hard link, following a symbolic link at `from` (an unnamed file's /proc entry).
    int (*link)(const char *from, const char *to);
    int (*rename)(const char *from, const char *to);
    int (*unlink)(const char *path);
};

// The table in use; tests replace entries and put them back.
SystemCalls &systemCalls();

// Calls `call` until a signal no longer interrupts it. Not for close, which has released the
// descriptor whatever it returns.
template <typename Call> auto retryInterrupted(Call call)
{
    decltype(call()) result;
    do
        result = call();
    while (result == -1 && errno == EINTR);
    return result;
}
