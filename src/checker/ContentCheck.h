// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/CheckOptions.h"
#include "checker/ContentReport.h"

class CaptionMeter;

// Checks the content beneath the application folder (AppFolder(); set it first) the way the
// program reads it: groups and templates, data lists, the language file, sounds and animations.
ContentReport CheckContent(const CheckOptions& options, const CaptionMeter* meter = nullptr);
