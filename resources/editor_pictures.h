// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The two 12 x 12 pictures of the contaminant database editor: a green plus
// (add a contaminant) and a red diagonal cross (remove the selected one),
// shown on its two small buttons and in the list's context menu.
#pragma once

#include <QPixmap>

constexpr int kEditorPictureSize = 12;

// Transparent where nothing is drawn. Needs a QGuiApplication.
QPixmap editorPlusPicture();
QPixmap editorCrossPicture();
