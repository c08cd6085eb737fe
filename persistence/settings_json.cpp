// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// JSON codec of a project's settings (engine/settings.h):
//   "concentrationUnit": text
//   "ranges": {"plumeLength": 0..3, "attenuationFactor": 0..3}
//   "verdictBasis": "screening" | "exact" | "worse"
// and, in each contaminant's object, "lambdaSource": text.
#include <algorithm>
#include <cstdint>
#include <string>

#include "engine/assessment.h"
#include "engine/extras.h"
#include "engine/settings.h"
#include "persistence/extras_json.h"

namespace {

constexpr const char* kUnitKey = "concentrationUnit";
constexpr const char* kRangesKey = "ranges";
constexpr const char* kPlumeKey = "plumeLength";
constexpr const char* kAfKey = "attenuationFactor";
constexpr const char* kBasisKey = "verdictBasis";
constexpr const char* kSourceKey = "lambdaSource";

// Characters of a UTF-8 text (the parser has already checked its encoding).
size_t Characters(const std::string& utf8) {
  size_t count = 0;
  for (unsigned char ch : utf8) count += (ch & 0xC0) != 0x80;
  return count;
}

// A text of at most `maxCharacters` characters without control characters
// (but, where `lines` allows, line ends and tabs).
bool ReadText(const ExtrasJson& value, const std::string& path, size_t maxCharacters, bool lines,
              std::string* out, JsonFault* fault) {
  if (!value.is_string()) return fault->Fail(path, "expected a string");
  const std::string text = value.get<std::string>();
  if (Characters(text) > maxCharacters)
    return fault->Fail(path, "longer than " + std::to_string(maxCharacters) + " characters");
  for (unsigned char ch : text) {
    const bool allowedControl = lines && (ch == '\n' || ch == '\t');
    if ((ch < 0x20 || ch == 0x7F) && !allowedControl) return fault->Fail(path, "holds a control character");
  }
  *out = text;
  return true;
}

bool ReadRangeIndex(const ExtrasJson& ranges, const char* key, const std::string& path, int* out,
                    JsonFault* fault) {
  if (!ranges.contains(key)) return true;
  const ExtrasJson& value = ranges.at(key);
  const std::string at = path + JsonPointerStep(key);
  // A huge unsigned number reads back negative here and is refused too.
  if (!value.is_number_integer() || !IsAssessmentRangeIndex(static_cast<int>(std::clamp<int64_t>(
                                        value.get<int64_t>(), -1, kAssessmentRangeCount))))
    return fault->Fail(at, "expected a whole number from 0 to " + std::to_string(kAssessmentRangeCount - 1));
  *out = static_cast<int>(value.get<int64_t>());
  return true;
}

bool IsDefault(const Project& project) {
  return SettingsAreDefault(project);
}

void ToJson(const Project& project, ExtrasJson* object) {
  const ProjectSettings& s = virelo_SettingsOf(project);
  const ProjectSettings defaults;
  if (s.concentrationUnit != defaults.concentrationUnit) (*object)[kUnitKey] = s.concentrationUnit;
  if (s.plumeRange != defaults.plumeRange || s.afRange != defaults.afRange) {
    ExtrasJson ranges = ExtrasJson::object();
    ranges[kPlumeKey] = s.plumeRange;
    ranges[kAfKey] = s.afRange;
    (*object)[kRangesKey] = ranges;
  }
  if (s.verdictBasis != defaults.verdictBasis) (*object)[kBasisKey] = VerdictBasisKey(s.verdictBasis);
}

bool FromJson(const ExtrasJson& object, Project* project, JsonFault* fault) {
  ProjectSettings read = virelo_SettingsOf(*project);
  if (object.contains(kUnitKey) &&
      !ReadText(object.at(kUnitKey), JsonPointerStep(kUnitKey), kConcentrationUnitMaxCharacters, false,
                &read.concentrationUnit, fault))
    return false;
  if (object.contains(kRangesKey)) {
    const ExtrasJson& ranges = object.at(kRangesKey);
    const std::string path = JsonPointerStep(kRangesKey);
    if (!ranges.is_object()) return fault->Fail(path, "expected an object");
    for (const auto& item : ranges.items()) {
      if (item.key() != kPlumeKey && item.key() != kAfKey)
        return fault->Fail(path + JsonPointerStep(item.key()), "unknown field");
    }
    if (!ReadRangeIndex(ranges, kPlumeKey, path, &read.plumeRange, fault) ||
        !ReadRangeIndex(ranges, kAfKey, path, &read.afRange, fault))
      return false;
  }
  if (object.contains(kBasisKey)) {
    const ExtrasJson& value = object.at(kBasisKey);
    if (!value.is_string() || !VerdictBasisFromKey(value.get<std::string>(), &read.verdictBasis))
      return fault->Fail(JsonPointerStep(kBasisKey), "expected \"screening\", \"exact\" or \"worse\"");
  }
  // Nothing is changed until the whole section has been read.
  virelo_Extras(project).settings = read;
  return true;
}

void ContaminantToJson(const Project& project, const char* name, ExtrasJson* object) {
  const std::string source = LambdaSourceOf(virelo_SettingsOf(project), name);
  if (!source.empty()) (*object)[kSourceKey] = source;
}

bool ContaminantFromJson(const ExtrasJson& object, const std::string& path, const char* name,
                         Project* project, JsonFault* fault) {
  if (!object.contains(kSourceKey)) return true;
  std::string source;
  if (!ReadText(object.at(kSourceKey), path + JsonPointerStep(kSourceKey), kLambdaSourceMaxCharacters, true,
                &source, fault))
    return false;
  // Texts are kept by name: two contaminants of one name cannot hold two
  // different ones, and the second must not silently replace the first.
  const std::string held = LambdaSourceOf(virelo_SettingsOf(*project), name);
  if (!held.empty() && !source.empty() && held != source)
    return fault->Fail(path + JsonPointerStep(kSourceKey),
                       "differs from the source of another contaminant of the same name");
  if (!source.empty()) SetLambdaSource(&virelo_Extras(project).settings, name, source);
  return true;
}

}  // namespace

const ExtrasSection& SettingsJsonSection() {
  static const ExtrasSection section = {
      "settings",
      {kUnitKey, kRangesKey, kBasisKey},
      {kSourceKey},
      IsDefault,
      ToJson,
      FromJson,
      ContaminantToJson,
      ContaminantFromJson,
  };
  return section;
}
