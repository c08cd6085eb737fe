// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The JSON form of a whole project: every field the project file holds, so
// that a project written from its JSON form is the same file byte for byte.
// The form is described in the user manual ("Projects as JSON").
#pragma once

#include <string>

#include "engine/project/records.h"

// The project as JSON text (UTF-8, two-space indent, ending in a line end).
std::string ProjectToJson(const Project& project);

// Fills `project` (a freshly allocated one: no contaminants, zero fields)
// from JSON text. On a refused text returns false with `error` naming the
// JSON path of the field at fault, e.g. "/aquifer/conductivityKf: expected a
// number", and leaves the project's contaminant list empty.
bool ProjectFromJson(const std::string& text, Project* project, std::string* error);
