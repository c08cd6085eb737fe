// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The JSON form of a project's extras (engine/project/extras.h), one section per
// capability. The same codecs write the payload of the project file's
// settings block and the top-level keys of the project's JSON form, so the
// two can never drift apart.
//
// Every codec writes only what differs from its defaults and reads a missing
// key as its default: a project that uses none of it looks exactly as it
// did before the capability existed.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/project/records.h"

using ExtrasJson = nlohmann::ordered_json;

// The first refusal met while reading, as "JSON-pointer: what is wrong".
struct JsonFault {
  std::string text;
  bool Fail(const std::string& path, const std::string& message);
};
// One step of a JSON pointer ("/" + key, escaped as RFC 6901 asks).
std::string JsonPointerStep(const std::string& key);

// One capability's codec.
struct ExtrasSection {
  const char* name;
  std::vector<std::string> keys;             // the top-level keys it owns
  std::vector<std::string> contaminantKeys;  // the keys it owns in each contaminant's object
  bool (*isDefault)(const Project& project);
  // Writes the section's non-default top-level keys into `object`.
  void (*toJson)(const Project& project, ExtrasJson* object);
  // Reads the section's keys from `object` (missing ones are defaults).
  bool (*fromJson)(const ExtrasJson& object, Project* project, JsonFault* fault);
  // The same for one contaminant, known by its name as the record holds it;
  // null when the section keeps nothing per contaminant.
  void (*contaminantToJson)(const Project& project, const char* name, ExtrasJson* object);
  bool (*contaminantFromJson)(const ExtrasJson& object, const std::string& path, const char* name,
                              Project* project, JsonFault* fault);
  // What the settings block's payload holds instead of toJson's keys, when
  // the section keeps a denser form there (fromJson reads both); null: toJson.
  void (*toPayload)(const Project& project, ExtrasJson* object) = nullptr;
};
const std::vector<const ExtrasSection*>& ExtrasSections();

// Whether every section is at its defaults (then no settings block is written).
bool ExtrasAreDefault(const Project& project);

// The project's JSON form: the sections' top-level keys into `object`, and
// their keys of contaminant `index` into that contaminant's object.
void ExtrasToJson(const Project& project, ExtrasJson* object);
void ExtrasContaminantToJson(const Project& project, int index, ExtrasJson* object);
// Reading the same; the project's contaminant list must already hold the
// contaminant at `index`. Unknown keys are the caller's to refuse (see the
// key lists of the sections).
bool ExtrasFromJson(const ExtrasJson& object, Project* project, JsonFault* fault);
bool ExtrasContaminantFromJson(const ExtrasJson& object, const std::string& path, int index, Project* project,
                               JsonFault* fault);
std::vector<std::string> ExtrasTopLevelKeys();
std::vector<std::string> ExtrasContaminantKeys();

// The settings block's payload: one JSON object (UTF-8, compact) with the
// sections' top-level keys and, under "contaminants", an object per
// contaminant name holding the per-contaminant keys.
std::string ExtrasToPayload(const Project& project);
// Reads a payload into the project's extras; false with `reason` (ASCII,
// for the user) when it is not one Virelo wrote. Unknown keys are refused.
bool ExtrasFromPayload(const std::string& payload, Project* project, std::string* reason);
