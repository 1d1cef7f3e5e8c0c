// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

inline constexpr int DefaultDraws = 1000;

// How thoroughly templates are tried with the generator, and which part of the content is checked.
struct CheckOptions {
    int samples = 3;          // sample problems shown under each template
    int draws = DefaultDraws; // attempts drawn per numeric template for the result estimates
    quint32 seed = 20;        // fixed, so that a report can be made again identically
    QString group;            // the one group to check (its exact name) with the lists it uses; empty for all
};
