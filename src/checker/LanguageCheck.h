// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/Finding.h"

#include <QList>
#include <QString>

// Tells whether a caption fits the control that shows it. Measuring needs the windows' fonts, so
// the command-line program hands in a measurer; without one, captions are not measured.
class CaptionMeter {
public:
    virtual ~CaptionMeter() = default;
    // The line of the language file (1 to 7) whose text a control shows; false when it does not fit.
    // Lines shown by no sized control always fit.
    virtual bool fits(int line, const QString& text) const = 0;
    // Where line `line` is shown, for the teacher: "el botón COMPROBAR".
    virtual QString placeOf(int line) const = 0;
    // A group folder's name as the group list shows it: the name itself when it fits, else what the
    // pupil reads of it (cut short with "…").
    virtual QString groupNameShown(const QString& name) const { return name; }
};

// The language file "configuracion/idioma.txt": missing, unreadable, fewer than seven lines, bytes
// that are not text, captions too wide for their buttons.
QList<Finding> CheckLanguageFile(const CaptionMeter* meter);
