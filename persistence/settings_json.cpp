// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// JSON codec of a project's settings (engine/project/settings.h):
//   "concentrationUnit": text
//   "ranges": {"plumeLength": 0..3, "attenuationFactor": 0..3}
//   "verdictBasis": "screening" | "exact" | "worse"
//   "aquifer": {"saturatedThickness": b}  (in the project's JSON form beside
//   the aquifer record's own fields)
// and, in each contaminant's object, "lambdaSource": text and
//   "lambdaInterval": {"lambda": x, "low": x, "high": x, "level": 80 | 90 | 95}.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/project/assessment.h"
#include "engine/project/extras.h"
#include "engine/project/settings.h"
#include "persistence/extras_json.h"

namespace {

constexpr const char* kUnitKey = "concentrationUnit";
constexpr const char* kRangesKey = "ranges";
constexpr const char* kPlumeKey = "plumeLength";
constexpr const char* kAfKey = "attenuationFactor";
constexpr const char* kBasisKey = "verdictBasis";
constexpr const char* kSourceKey = "lambdaSource";
constexpr const char* kIntervalKey = "lambdaInterval";
constexpr const char* kAquiferKey = "aquifer";
constexpr const char* kThicknessKey = "saturatedThickness";

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

// A site fit's interval: positive finite values, low <= lambda <= high, and
// one of the levels the fit offers. Anything else would print a claim the
// fit never made.
bool ReadInterval(const ExtrasJson& value, const std::string& path, SiteLambdaInterval* out,
                  JsonFault* fault) {
  if (!value.is_object()) return fault->Fail(path, "expected an object");
  static const char* const kNumbers[] = {"lambda", "low", "high"};
  for (const auto& item : value.items()) {
    if (item.key() != "level" && std::find_if(std::begin(kNumbers), std::end(kNumbers), [&](const char* k) {
                                   return item.key() == k;
                                 }) == std::end(kNumbers))
      return fault->Fail(path + JsonPointerStep(item.key()), "unknown field");
  }
  double numbers[3];
  for (int k = 0; k < 3; ++k) {
    const std::string at = path + JsonPointerStep(kNumbers[k]);
    if (!value.contains(kNumbers[k])) return fault->Fail(at, "missing");
    const ExtrasJson& number = value.at(kNumbers[k]);
    if (!number.is_number() || !std::isfinite(number.get<double>()) || number.get<double>() <= 0.0)
      return fault->Fail(at, "expected a positive number");
    numbers[k] = number.get<double>();
  }
  if (!(numbers[1] <= numbers[0] && numbers[0] <= numbers[2]))
    return fault->Fail(path, "expected low <= lambda <= high");
  const std::string at = path + JsonPointerStep("level");
  if (!value.contains("level")) return fault->Fail(at, "missing");
  const ExtrasJson& level = value.at("level");
  const int64_t percent = level.is_number_integer() ? level.get<int64_t>() : 0;
  if (percent != 80 && percent != 90 && percent != 95) return fault->Fail(at, "expected 80, 90 or 95");
  *out = {numbers[0], numbers[1], numbers[2], static_cast<int>(percent)};
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
  if (s.saturatedThickness != defaults.saturatedThickness)
    (*object)[kAquiferKey][kThicknessKey] = s.saturatedThickness;
}

// b under "aquifer". The project's JSON form (its contaminants an array)
// keeps the aquifer record's fields there too, which that record's reader
// checks; the settings block's payload holds nothing else there.
bool ReadThickness(const ExtrasJson& object, ProjectSettings* read, JsonFault* fault) {
  if (!object.contains(kAquiferKey)) return true;
  const ExtrasJson& aquifer = object.at(kAquiferKey);
  const std::string path = JsonPointerStep(kAquiferKey);
  if (!aquifer.is_object()) return fault->Fail(path, "expected an object");
  const bool projectForm = object.contains("contaminants") && object.at("contaminants").is_array();
  for (const auto& item : aquifer.items()) {
    if (!projectForm && item.key() != kThicknessKey)
      return fault->Fail(path + JsonPointerStep(item.key()), "unknown field");
  }
  if (!aquifer.contains(kThicknessKey)) return true;
  const ExtrasJson& value = aquifer.at(kThicknessKey);
  if (!value.is_number() || !IsAcceptedSaturatedThickness(value.get<double>()))
    return fault->Fail(path + JsonPointerStep(kThicknessKey), "expected a positive number of metres");
  read->saturatedThickness = value.get<double>();
  return true;
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
  if (!ReadThickness(object, &read, fault)) return false;
  // Nothing is changed until the whole section has been read.
  virelo_Extras(project).settings = read;
  return true;
}

void ContaminantToJson(const Project& project, const char* name, ExtrasJson* object) {
  const std::string source = LambdaSourceOf(virelo_SettingsOf(project), name);
  if (!source.empty()) (*object)[kSourceKey] = source;
  const ProjectSettings& settings = virelo_SettingsOf(project);
  const auto interval = settings.lambdaIntervals.find(name ? name : "");
  if (interval != settings.lambdaIntervals.end()) {
    const SiteLambdaInterval& i = interval->second;
    (*object)[kIntervalKey] = {{"lambda", i.lambda}, {"low", i.low}, {"high", i.high}, {"level", i.level}};
  }
}

bool ContaminantFromJson(const ExtrasJson& object, const std::string& path, const char* name,
                         Project* project, JsonFault* fault) {
  if (object.contains(kIntervalKey)) {
    const std::string at = path + JsonPointerStep(kIntervalKey);
    SiteLambdaInterval interval;
    if (!ReadInterval(object.at(kIntervalKey), at, &interval, fault)) return false;
    // Kept by name, as the source texts are.
    const auto& held = virelo_SettingsOf(*project).lambdaIntervals;
    const auto found = held.find(name ? name : "");
    if (found != held.end() && !(found->second == interval))
      return fault->Fail(at, "differs from the interval of another contaminant of the same name");
    if (name) virelo_Extras(project).settings.lambdaIntervals[name] = interval;
  }
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
      {kUnitKey, kRangesKey, kBasisKey, kAquiferKey},
      {kSourceKey, kIntervalKey},
      IsDefault,
      ToJson,
      FromJson,
      ContaminantToJson,
      ContaminantFromJson,
  };
  return section;
}
