// SPDX-License-Identifier: GPL-3.0-or-later
#include "heap_policy.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

void returnLargeBuffersToTheSystem()
{
#if defined(M_MMAP_THRESHOLD) && defined(M_TRIM_THRESHOLD)
    // glibc raises its threshold for mapping a block of its own to the size of the largest such
    // block freed so far (the catalogue's lists: megabytes), and keeps up to twice that in free
    // heap. A session then held 12-26 MB of freed file, report and catalogue buffers for good,
    // about a third of its memory at full size. Fixed thresholds keep every block of a quarter
    // of a megabyte or more mapped on its own, so freeing it returns it at once; smaller ones,
    // the program's many strings, stay in the heap as before.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024);
#endif
}
