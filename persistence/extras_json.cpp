// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/extras_json.h"

#include <set>

#include "persistence/csv.h"

// Each capability's codec lives in persistence/<capability>_json.cpp.
const ExtrasSection& SettingsJsonSection();
const ExtrasSection& SiteJsonSection();
const ExtrasSection& ChainJsonSection();
const ExtrasSection& UncertaintyJsonSection();
const ExtrasSection& TransportJsonSection();
const ExtrasSection& FullTextsJsonSection();
const ExtrasSection& MonitoringJsonSection();

const std::vector<const ExtrasSection*>& ExtrasSections() {
  static const std::vector<const ExtrasSection*> sections = {
      &SettingsJsonSection(),  &SiteJsonSection(),      &ChainJsonSection(),      &UncertaintyJsonSection(),
      &TransportJsonSection(), &FullTextsJsonSection(), &MonitoringJsonSection(),
  };
  return sections;
}

namespace {

constexpr const char* kPayloadContaminants = "contaminants";

std::string RecordName(const char* name) {
  return RecordTextToUtf8(name);
}

// Every key of `object` must be one of `known`.
bool OnlyKnownKeys(const ExtrasJson& object, const std::string& path, const std::vector<std::string>& known,
                   JsonFault* fault) {
  const std::set<std::string> keys(known.begin(), known.end());
  for (const auto& item : object.items()) {
    if (!keys.count(item.key())) return fault->Fail(path + JsonPointerStep(item.key()), "unknown field");
  }
  return true;
}

}  // namespace

bool JsonFault::Fail(const std::string& path, const std::string& message) {
  if (text.empty()) text = (path.empty() ? std::string("/") : path) + ": " + message;
  return false;
}

std::string JsonPointerStep(const std::string& key) {
  std::string step = "/";
  for (char ch : key) {
    if (ch == '~') {
      step += "~0";
    } else if (ch == '/') {
      step += "~1";
    } else {
      step += ch;
    }
  }
  return step;
}

bool ExtrasAreDefault(const Project& project) {
  for (const ExtrasSection* section : ExtrasSections()) {
    if (!section->isDefault(project)) return false;
  }
  return true;
}

void ExtrasToJson(const Project& project, ExtrasJson* object) {
  for (const ExtrasSection* section : ExtrasSections()) section->toJson(project, object);
}

void ExtrasContaminantToJson(const Project& project, int index, ExtrasJson* object) {
  if (index < 0 || index >= project.contaminantCount) return;
  for (const ExtrasSection* section : ExtrasSections()) {
    if (section->contaminantToJson)
      section->contaminantToJson(project, project.contaminants[index].name, object);
  }
}

bool ExtrasFromJson(const ExtrasJson& object, Project* project, JsonFault* fault) {
  for (const ExtrasSection* section : ExtrasSections()) {
    if (!section->fromJson(object, project, fault)) return false;
  }
  return true;
}

bool ExtrasContaminantFromJson(const ExtrasJson& object, const std::string& path, int index, Project* project,
                               JsonFault* fault) {
  if (index < 0 || index >= project->contaminantCount) return fault->Fail(path, "no such contaminant");
  for (const ExtrasSection* section : ExtrasSections()) {
    if (section->contaminantFromJson &&
        !section->contaminantFromJson(object, path, project->contaminants[index].name, project, fault))
      return false;
  }
  return true;
}

std::vector<std::string> ExtrasTopLevelKeys() {
  std::vector<std::string> keys;
  for (const ExtrasSection* section : ExtrasSections())
    keys.insert(keys.end(), section->keys.begin(), section->keys.end());
  return keys;
}

std::vector<std::string> ExtrasContaminantKeys() {
  std::vector<std::string> keys;
  for (const ExtrasSection* section : ExtrasSections())
    keys.insert(keys.end(), section->contaminantKeys.begin(), section->contaminantKeys.end());
  return keys;
}

std::string ExtrasToPayload(const Project& project) {
  ExtrasJson payload = ExtrasJson::object();
  for (const ExtrasSection* section : ExtrasSections())
    (section->toPayload ? section->toPayload : section->toJson)(project, &payload);
  // One entry per name: two contaminants of one name share their texts.
  ExtrasJson contaminants = ExtrasJson::object();
  for (int k = 0; k < project.contaminantCount; ++k) {
    ExtrasJson entry = ExtrasJson::object();
    ExtrasContaminantToJson(project, k, &entry);
    if (!entry.empty()) contaminants[RecordName(project.contaminants[k].name)] = entry;
  }
  if (!contaminants.empty()) payload[kPayloadContaminants] = contaminants;
  // Texts are valid UTF-8 when they come in; replacing rather than throwing
  // keeps a save from failing over one that is not.
  return payload.dump(-1, ' ', false, ExtrasJson::error_handler_t::replace);
}

bool ExtrasFromPayload(const std::string& payload, Project* project, std::string* reason) {
  ExtrasJson json;
  try {
    json = ExtrasJson::parse(payload);
  } catch (const ExtrasJson::parse_error& e) {
    *reason = "its contents are not valid JSON (at byte " + std::to_string(e.byte) + ")";
    return false;
  } catch (const ExtrasJson::exception&) {
    *reason = "its contents are not valid JSON";
    return false;
  }
  JsonFault fault;
  std::vector<std::string> known = ExtrasTopLevelKeys();
  known.emplace_back(kPayloadContaminants);
  bool ok = json.is_object() ? OnlyKnownKeys(json, "", known, &fault) : fault.Fail("", "expected an object");
  ok = ok && ExtrasFromJson(json, project, &fault);
  if (ok && json.contains(kPayloadContaminants)) {
    const ExtrasJson& contaminants = json.at(kPayloadContaminants);
    const std::string path = JsonPointerStep(kPayloadContaminants);
    if (!contaminants.is_object()) ok = fault.Fail(path, "expected an object");
    for (auto item = contaminants.begin(); ok && item != contaminants.end(); ++item) {
      const std::string at = path + JsonPointerStep(item.key());
      std::string name;
      if (!Utf8ToRecordText(item.key(), &name) || name.empty() || name.size() >= kNameCapacity ||
          name.find('\0') != std::string::npos) {
        ok = fault.Fail(at, "not a contaminant name");
      } else if (!item.value().is_object()) {
        ok = fault.Fail(at, "expected an object");
      } else {
        ok = OnlyKnownKeys(item.value(), at, ExtrasContaminantKeys(), &fault);
        for (const ExtrasSection* section : ExtrasSections()) {
          ok = ok && (!section->contaminantFromJson ||
                      section->contaminantFromJson(item.value(), at, name.c_str(), project, &fault));
        }
      }
    }
  }
  if (!ok) *reason = fault.text;
  return ok;
}
