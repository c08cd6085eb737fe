// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// JSON codec of how a project reads its monitoring rounds
// (engine/project/monitoring.h):
//   "monitoring": {"roundDays": n,
//                  "transects": [{"name": text, "wells": [text, ...]}],
//                  "backgroundWells": [text, ...]}
// Only keys away from their defaults are written; a project that never set
// any writes nothing. A transect the window would refuse is refused here
// too, so that a file cannot bring in a strip of one well or a name twice.
#include <string>

#include "engine/project/extras.h"
#include "engine/project/monitoring.h"
#include "engine/project/recordtext.h"
#include "persistence/extras_json.h"

namespace {

constexpr const char* kKey = "monitoring";
constexpr const char* kRoundDaysKey = "roundDays";
constexpr const char* kTransectsKey = "transects";
constexpr const char* kBackgroundKey = "backgroundWells";
constexpr const char* kNameKey = "name";
constexpr const char* kWellsKey = "wells";

bool IsDefault(const Project& project) {
  return virelo_ExtrasOf(project).monitoring == MonitoringSettings{};
}

ExtrasJson Names(const std::vector<std::string>& names) {
  ExtrasJson list = ExtrasJson::array();
  for (const std::string& name : names) list.push_back(RecordTextToUtf8(name));
  return list;
}

void ToJson(const Project& project, ExtrasJson* object) {
  const MonitoringSettings& m = virelo_ExtrasOf(project).monitoring;
  if (m == MonitoringSettings{}) return;
  ExtrasJson section = ExtrasJson::object();
  if (m.roundDays != kDefaultRoundDays) section[kRoundDaysKey] = m.roundDays;
  if (!m.transects.empty()) {
    ExtrasJson transects = ExtrasJson::array();
    for (const Transect& t : m.transects)
      transects.push_back({{kNameKey, RecordTextToUtf8(t.name)}, {kWellsKey, Names(t.wells)}});
    section[kTransectsKey] = transects;
  }
  if (!m.backgroundWells.empty()) section[kBackgroundKey] = Names(m.backgroundWells);
  (*object)[kKey] = section;
}

bool ReadName(const ExtrasJson& value, const std::string& path, std::string* out, JsonFault* fault) {
  if (!value.is_string()) return fault->Fail(path, "expected a string");
  if (!Utf8ToRecordText(value.get_ref<const std::string&>(), out))
    return fault->Fail(path, "holds a character Virelo's texts cannot hold");
  for (unsigned char ch : *out)
    if (ch < 0x20 || ch == 0x7F) return fault->Fail(path, "holds a control character");
  if (out->empty()) return fault->Fail(path, "is empty");
  return true;
}

bool ReadNames(const ExtrasJson& value, const std::string& path, std::vector<std::string>* out,
               JsonFault* fault) {
  if (!value.is_array()) return fault->Fail(path, "expected an array of well names");
  for (size_t k = 0; k < value.size(); ++k) {
    std::string name;
    if (!ReadName(value[k], path + "/" + std::to_string(k), &name, fault)) return false;
    out->push_back(name);
  }
  return true;
}

bool ReadTransect(const ExtrasJson& value, const std::string& path, const std::vector<Transect>& before,
                  Transect* out, JsonFault* fault) {
  if (!value.is_object()) return fault->Fail(path, "expected an object");
  for (const auto& item : value.items())
    if (item.key() != kNameKey && item.key() != kWellsKey)
      return fault->Fail(path + JsonPointerStep(item.key()), "unknown field");
  if (!value.contains(kNameKey) || !value.contains(kWellsKey))
    return fault->Fail(path, "expected \"name\" and \"wells\"");
  if (!ReadName(value.at(kNameKey), path + JsonPointerStep(kNameKey), &out->name, fault) ||
      !ReadNames(value.at(kWellsKey), path + JsonPointerStep(kWellsKey), &out->wells, fault))
    return false;
  const std::string problem = TransectProblem(*out, before);
  if (!problem.empty()) return fault->Fail(path, RecordTextToUtf8(problem));
  return true;
}

bool FromJson(const ExtrasJson& object, Project* project, JsonFault* fault) {
  if (!object.contains(kKey)) return true;
  const ExtrasJson& section = object.at(kKey);
  const std::string path = JsonPointerStep(kKey);
  if (!section.is_object()) return fault->Fail(path, "expected an object");
  for (const auto& item : section.items())
    if (item.key() != kRoundDaysKey && item.key() != kTransectsKey && item.key() != kBackgroundKey)
      return fault->Fail(path + JsonPointerStep(item.key()), "unknown field");
  MonitoringSettings read;
  if (section.contains(kRoundDaysKey)) {
    const ExtrasJson& value = section.at(kRoundDaysKey);
    if (!value.is_number_integer() || !IsAcceptedRoundDays(value.get<int>()))
      return fault->Fail(path + JsonPointerStep(kRoundDaysKey), "expected a whole number of days from " +
                                                                    std::to_string(kMinRoundDays) + " to " +
                                                                    std::to_string(kMaxRoundDays));
    read.roundDays = value.get<int>();
  }
  if (section.contains(kTransectsKey)) {
    const ExtrasJson& list = section.at(kTransectsKey);
    const std::string at = path + JsonPointerStep(kTransectsKey);
    if (!list.is_array()) return fault->Fail(at, "expected an array of transects");
    for (size_t k = 0; k < list.size(); ++k) {
      Transect t;
      if (!ReadTransect(list[k], at + "/" + std::to_string(k), read.transects, &t, fault)) return false;
      read.transects.push_back(t);
    }
  }
  if (section.contains(kBackgroundKey) &&
      !ReadNames(section.at(kBackgroundKey), path + JsonPointerStep(kBackgroundKey), &read.backgroundWells,
                 fault))
    return false;
  // Nothing is changed until the whole section has been read.
  if (!(read == MonitoringSettings{}) || project->extras) virelo_Extras(project).monitoring = read;
  return true;
}

}  // namespace

const ExtrasSection& MonitoringJsonSection() {
  static const ExtrasSection section = {
      kKey, {kKey}, {}, IsDefault, ToJson, FromJson, nullptr, nullptr,
  };
  return section;
}
