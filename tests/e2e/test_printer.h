// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinterInfo>
#include <QString>

#include <gtest/gtest.h>

// The print tests need the CUPS queues that tools/setup-test-printer makes (./test runs it).
// Without them a test fails under CI=true and reports itself skipped elsewhere.
#define REQUIRE_TEST_PRINTER(queue)                                                                \
    if (!QPrinterInfo::availablePrinterNames().contains(QStringLiteral(queue))) {                  \
        if (qEnvironmentVariable("CI") == QLatin1String("true"))                                   \
            FAIL() << "the test printer " queue " is not set up";                                  \
        GTEST_SKIP() << "the test printer " queue " is not set up (tools/setup-test-printer)";     \
    }
