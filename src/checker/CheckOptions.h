// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// How thoroughly templates are tried with the generator.
struct CheckOptions {
    int samples = 3;   // sample problems shown under each template
    int draws = 1000;  // attempts drawn per numeric template for the result estimates
    quint32 seed = 20; // fixed, so that a report can be made again identically
};
