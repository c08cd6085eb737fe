// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The ten 16 x 16 pictures of the contaminant tree: picture 0 marks a group,
// pictures 1 to 9 show the state of the plume-length (PL) and
// attenuation-factor (AF) assessments of one contaminant.
#pragma once

#include <QIcon>
#include <QPixmap>

constexpr int kMarkerPictureCount = 10;
constexpr int kMarkerPictureSize = 16;

// State of one assessment in a marker: not requested, requested with
// complete inputs, requested with at least one problem.
enum MarkerState { kMarkerNotRequested = 0, kMarkerComplete = 1, kMarkerProblem = 2 };

// Picture index of a contaminant entry: 1 + 3 x plume-length state +
// attenuation-factor state.
constexpr int markerIndex(int plumeState, int afState) {
  return 1 + 3 * plumeState + afState;
}

// The 160 x 16 strip of all ten pictures, transparent where nothing is drawn.
const QPixmap& markerStrip();
// One picture of the strip (index clamped to 0..9).
const QPixmap& markerPicture(int index);
const QIcon& markerIcon(int index);
