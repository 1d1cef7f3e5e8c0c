// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checker/Finding.h"

#include <QList>

// The sound cues of "sonidos" and the animations of "gifs" that the program plays: a missing one
// leaves the program silent or shows nothing at that moment.
QList<Finding> CheckMedia();
