// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/CheckOptions.h"
#include "checker/ContentReport.h"

// Everything about one template: its bytes, statement, expression or choices, the results the
// generator gives and a few sample problems. `path` is the template's full path beneath the
// application folder.
TemplateReport CheckTemplate(const QString& path, const CheckOptions& options);
