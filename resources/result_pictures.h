// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Pictures of the results page: the row icons (warning sign and the three
// traffic lights, indexed by AssessmentClass), the problems image of the
// context menu and the legend's vertical strip of three lights.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "engine/project/assessment.h"

constexpr int kResultPictureSize = 16;

// The row icon of a class: Problems -> warning sign, Red/Yellow/Green ->
// traffic light with that lamp lit.
const QPixmap& resultPicture(AssessmentClass c);
const QIcon& resultIcon(AssessmentClass c);
// The warning sign on its own, beside the "show problems" menu item.
const QPixmap& problemsPicture();
// Three traffic lights of lightSize x lightSize stacked with `gap` pixels
// between them: red lit at the top, yellow in the middle, green at the bottom.
QPixmap legendStrip(int lightSize, int gap);
