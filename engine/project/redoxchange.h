// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What a new redox condition of the aquifer does to the decay constants
// taken from the database: a contaminant that uses the preset of a condition
// takes the preset of the new one, which may differ or not exist at all.
// Whoever changes the condition lists those first, so that no decay
// constant of an assessed contaminant changes or vanishes unseen, and may
// keep the present values as the user's own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/project/records.h"

// One assessed contaminant whose preset decay constant a new condition
// changes or takes away.
struct RedoxLambdaChange {
  int contaminant = -1;   // index into the project's list
  int fromCondition = 0;  // the condition whose preset it uses now
  double from = 0.0;      // [1/d], its decay constant now
  bool hasTo = false;     // whether the database has a preset under the new condition
  double to = 0.0;        // [1/d], that preset (when hasTo)
};

// The assessed contaminants that use a preset and would, under `condition`
// (an index of kRedoxConditions), get another value or none; in list order.
// Empty for a condition outside the table.
std::vector<RedoxLambdaChange> RedoxLambdaChanges(const Project& project, int condition);

enum class RedoxPresetChoice {
  KeepPresent,     // the listed contaminants keep their values as user-defined ones
  TakeNewPresets,  // they take the new condition's presets, or go without
};

// Sets the aquifer's redox condition and settles every contaminant that has
// no user value selected on the new condition's preset (none when the
// database has none), as the Contaminants page does. Under KeepPresent each
// contaminant RedoxLambdaChanges lists first gets its present value as its
// user-defined decay constant, with a source saying whose preset it was.
// Marks the project modified and returns the list it acted on; a condition
// outside the table changes nothing and returns an empty list.
std::vector<RedoxLambdaChange> ApplyRedoxCondition(Project* project, int condition, RedoxPresetChoice choice);

// The source recorded with a kept value (UTF-8): "preset of the database
// under AEROBIC, kept as the user's value when the redox condition became
// ANAEROBIC-MIXED-PLUMES".
std::string KeptPresetSourceText(int fromCondition, int toCondition);
