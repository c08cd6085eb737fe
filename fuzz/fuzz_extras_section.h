// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The frame of the fuzzers of one extras codec (chains, site data,
// uncertainty): the input is the value of the section's key in a settings
// block's payload, {"<key>": <input>}.
//
// A refused payload must say where; when the section's key was its only
// key, the section the project held must be left as it was. An accepted
// payload must come back the same through both forms the codecs write: the
// settings block's payload and the project's JSON form (project-export).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/project/extras.h"
#include "engine/project/records.h"
#include "persistence/extras_json.h"

namespace fuzz_extras {

struct Section {
  const char* key;
  // Gives the project a section of its own, to see that a refusal keeps it.
  void (*hold)(Project* project);
  // Whether two projects hold the same section.
  bool (*same)(const Project& a, const Project& b);
};

inline int Run(const Section& section, const uint8_t* data, size_t size) {
  const std::string payload =
      std::string("{\"") + section.key + "\":" + std::string(reinterpret_cast<const char*>(data), size) + "}";
  Project* held = virelo_AllocateProject();
  section.hold(held);
  Project* project = virelo_AllocateProject();
  section.hold(project);
  std::string reason;
  if (!ExtrasFromPayload(payload, project, &reason)) {
    if (reason.empty()) __builtin_trap();
    bool alone = false;
    try {
      const ExtrasJson json = ExtrasJson::parse(payload);
      alone = json.is_object() && json.size() == 1;
    } catch (const ExtrasJson::exception&) {
    }
    if (alone && !section.same(*project, *held)) __builtin_trap();
    virelo_FreeProject(project);
    virelo_FreeProject(held);
    return 0;
  }

  // The settings block's form.
  const std::string written = ExtrasToPayload(*project);
  Project* again = virelo_AllocateProject();
  if (!ExtrasFromPayload(written, again, &reason) || ExtrasToPayload(*again) != written ||
      !section.same(*again, *project))
    __builtin_trap();

  // The project's JSON form.
  ExtrasJson object = ExtrasJson::object();
  ExtrasToJson(*project, &object);
  const std::string text = object.dump();
  Project* fromJson = virelo_AllocateProject();
  JsonFault fault;
  if (!ExtrasFromJson(ExtrasJson::parse(text), fromJson, &fault) || !section.same(*fromJson, *project) ||
      ExtrasToPayload(*fromJson) != written)
    __builtin_trap();

  virelo_FreeProject(fromJson);
  virelo_FreeProject(again);
  virelo_FreeProject(project);
  virelo_FreeProject(held);
  return 0;
}

}  // namespace fuzz_extras
