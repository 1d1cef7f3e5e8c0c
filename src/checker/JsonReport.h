// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/ContentReport.h"

#include <QByteArray>

// The same findings, samples and summary as the text report, as JSON for scripts and CI.
QByteArray JsonReport(const ContentReport& report);
