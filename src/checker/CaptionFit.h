// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/LanguageCheck.h"

// Measures captions with the windows' own font (Arial, which Liberation Sans stands in for) at
// their sizes, against the controls' sizes from the window layout. Needs a QGuiApplication.
class WindowCaptionMeter final : public CaptionMeter {
public:
    bool fits(int line, const QString& text) const override;
    QString placeOf(int line) const override;
    QString groupNameShown(const QString& name) const override;
};
