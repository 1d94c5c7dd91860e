// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace vorlix {

// The faces the windows were designed in.
enum class DesignFace {
    MicrosoftSansSerif,  // the options dialog, 8 pt
    Tahoma,              // the pop-up menu, 8.25 pt
    Arial,               // the word line, 12 pt, and the bound labels
};

// The font every window takes for a design face: the face itself where the system has it
// (Windows); else the first installed family of a short list whose widths come closest to it; else
// the system's sans. Families are looked up by name among those the font database lists, so that a
// missing face never becomes whatever a font matcher offers in its place. Which family each face got is logged once
// in vorlix.fonts.
QFont designFont(DesignFace face, double points);

}  // namespace vorlix
