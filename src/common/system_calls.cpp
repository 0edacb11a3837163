// SPDX-License-Identifier: GPL-3.0-or-later
#include "system_calls.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

SystemCalls &systemCalls()
{
    static SystemCalls calls{
        [](const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        ::read,
        ::write,
        ::fdatasync,
        ::close,
        [](const char *from, const char *to) {
            return ::linkat(AT_FDCWD, from, AT_FDCWD, to, AT_SYMLINK_FOLLOW);
        },
        ::rename,
        ::unlink};
    return calls;
}
