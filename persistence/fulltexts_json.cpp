// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Settings-block codec of the texts' full forms (engine/project/fulltexts.h):
//   "texts": {"title": "...", "description": "...", "author": "...",
//             "organisation": "...", "names": {"alpha-HCH": "α-HCH"}}
// Only the full forms still in force are written, and only in the settings
// block: the project's JSON form shows them in its own "title" and "name"
// keys, so this section writes nothing there.
#include <string>

#include "engine/project/extras.h"
#include "engine/project/fulltexts.h"
#include "persistence/extras_json.h"

namespace {

constexpr const char* kKey = "texts";
constexpr const char* kNames = "names";

bool IsEmpty(const FullTexts& texts) {
  return texts.title.empty() && texts.description.empty() && texts.author.empty() &&
         texts.organisation.empty() && texts.contaminantNames.empty();
}

bool IsDefault(const Project& project) {
  return !project.extras || IsEmpty(FullTextsInForce(project));
}

void ToJson(const Project&, ExtrasJson*) {}

void ToPayload(const Project& project, ExtrasJson* object) {
  const FullTexts texts = FullTextsInForce(project);
  if (IsEmpty(texts)) return;
  ExtrasJson section = ExtrasJson::object();
  const std::string* fields[] = {&texts.title, &texts.description, &texts.author, &texts.organisation};
  for (ProjectTextField field : kProjectTextFields) {
    const std::string& full = *fields[static_cast<int>(field)];
    if (!full.empty()) section[ProjectTextKey(field)] = full;
  }
  if (!texts.contaminantNames.empty()) {
    ExtrasJson names = ExtrasJson::object();
    for (const auto& [record, full] : texts.contaminantNames) names[RecordTextToUtf8(record)] = full;
    section[kNames] = names;
  }
  (*object)[kKey] = section;
}

bool FromJson(const ExtrasJson& object, Project* project, JsonFault* fault) {
  // A missing section leaves the full forms alone: the JSON form sets them
  // from its own texts before the sections are read.
  if (!object.contains(kKey)) return true;
  const ExtrasJson& section = object.at(kKey);
  const std::string path = JsonPointerStep(kKey);
  if (!section.is_object()) return fault->Fail(path, "expected an object");
  FullTexts texts;
  std::string* fields[] = {&texts.title, &texts.description, &texts.author, &texts.organisation};
  for (const auto& item : section.items()) {
    const std::string at = path + JsonPointerStep(item.key());
    if (item.key() == kNames) {
      if (!item.value().is_object()) return fault->Fail(at, "expected an object");
      for (const auto& name : item.value().items()) {
        std::string record;
        if (!Utf8ToRecordText(name.key(), &record) || record.empty() || record.size() >= kNameCapacity)
          return fault->Fail(at + JsonPointerStep(name.key()), "not a contaminant name");
        if (!name.value().is_string())
          return fault->Fail(at + JsonPointerStep(name.key()), "expected a string");
        texts.contaminantNames[record] = name.value().get<std::string>();
      }
      continue;
    }
    bool known = false;
    for (ProjectTextField field : kProjectTextFields) {
      if (item.key() != ProjectTextKey(field)) continue;
      if (!item.value().is_string()) return fault->Fail(at, "expected a string");
      *fields[static_cast<int>(field)] = item.value().get<std::string>();
      known = true;
    }
    if (!known) return fault->Fail(at, "unknown field");
  }
  // Full forms that no longer match their record are kept but never shown
  // (engine/project/fulltexts.h) and dropped on the next save.
  virelo_Extras(project).texts = std::move(texts);
  return true;
}

}  // namespace

const ExtrasSection& FullTextsJsonSection() {
  static const ExtrasSection section{kKey,     {kKey},  {},      IsDefault, ToJson,
                                     FromJson, nullptr, nullptr, ToPayload};
  return section;
}
