// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Gives the memory of large, short-lived buffers (a file read whole, a report, the catalogue
// being replaced) back to the system as soon as they are freed. Called once, first thing in
// main, before any thread starts.
void returnLargeBuffersToTheSystem();
