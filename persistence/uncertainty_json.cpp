// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// JSON codec of a project's input distributions (engine/project/uncertainty.h):
//   "uncertainty": {"samples": N, "seed": S,
//                   "inputs": [{"input": "Kf", "contaminant": null,
//                               "kind": "lognormal", "params": [...]}]}
// The contaminant is the name in UTF-8 for lambda, C0 and CA, else null.
// Whether the parameters make a usable distribution (their number among
// them) is for the checks before a run to say in words; here only what
// cannot be held is refused, so that whatever the window keeps is written
// and read back alike.
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/project/extras.h"
#include "engine/project/uncertainty.h"
#include "persistence/csv.h"
#include "persistence/extras_json.h"

namespace {

constexpr const char* kKey = "uncertainty";

// No distribution takes more: two parameters and two truncation bounds.
constexpr size_t kMostParameters = 4;

bool IsDefault(const Project& project) {
  return virelo_ExtrasOf(project).uncertainty.IsDefault();
}

void ToJson(const Project& project, ExtrasJson* object) {
  const UncertaintyPlan& plan = virelo_ExtrasOf(project).uncertainty;
  if (plan.IsDefault()) return;
  ExtrasJson inputs = ExtrasJson::array();
  for (const InputDistribution& d : plan.inputs) {
    ExtrasJson entry = ExtrasJson::object();
    entry["input"] = UncertainInputName(d.input);
    entry["contaminant"] =
        IsContaminantInput(d.input) ? ExtrasJson(RecordTextToUtf8(d.contaminant)) : ExtrasJson();
    entry["kind"] = DistributionKindName(d.kind);
    entry["params"] = d.params;
    inputs.push_back(entry);
  }
  ExtrasJson section = ExtrasJson::object();
  section["samples"] = plan.samples;
  section["seed"] = plan.seed;
  section["inputs"] = inputs;
  (*object)[kKey] = section;
}

bool OnlyKeys(const ExtrasJson& object, const std::string& path, std::initializer_list<const char*> keys,
              JsonFault* fault) {
  for (const auto& item : object.items()) {
    bool known = false;
    for (const char* key : keys) known = known || item.key() == key;
    if (!known) return fault->Fail(path + JsonPointerStep(item.key()), "unknown field");
  }
  return true;
}

bool ReadDistribution(const ExtrasJson& entry, const std::string& path, InputDistribution* d,
                      JsonFault* fault) {
  if (!entry.is_object()) return fault->Fail(path, "expected an object");
  if (!OnlyKeys(entry, path, {"input", "contaminant", "kind", "params"}, fault)) return false;
  for (const char* key : {"input", "contaminant", "kind", "params"})
    if (!entry.contains(key)) return fault->Fail(path + JsonPointerStep(key), "missing");

  const ExtrasJson& input = entry.at("input");
  const auto which = input.is_string() ? UncertainInputFromName(input.get<std::string>()) : std::nullopt;
  if (!which)
    return fault->Fail(path + "/input",
                       "expected one of x, Kf, i, ne, ax, ay, az, width, thickness, lambda, C0, CA");
  d->input = *which;

  const ExtrasJson& contaminant = entry.at("contaminant");
  const std::string contaminantPath = path + "/contaminant";
  if (IsContaminantInput(d->input)) {
    if (!contaminant.is_string()) return fault->Fail(contaminantPath, "expected the contaminant's name");
    if (!Utf8ToRecordText(contaminant.get<std::string>(), &d->contaminant) || d->contaminant.empty() ||
        d->contaminant.size() >= kNameCapacity || d->contaminant.find('\0') != std::string::npos)
      return fault->Fail(contaminantPath, "not a contaminant name");
  } else if (!contaminant.is_null()) {
    return fault->Fail(contaminantPath, "expected null: only lambda, C0 and CA belong to a contaminant");
  }

  const ExtrasJson& kind = entry.at("kind");
  const auto kindRead = kind.is_string() ? DistributionKindFromName(kind.get<std::string>()) : std::nullopt;
  if (!kindRead)
    return fault->Fail(path + "/kind",
                       "expected one of fixed, uniform, loguniform, triangular, normal, lognormal");
  d->kind = *kindRead;

  const ExtrasJson& params = entry.at("params");
  const std::string paramsPath = path + "/params";
  if (!params.is_array() || params.size() > kMostParameters)
    return fault->Fail(paramsPath, "expected an array of at most 4 numbers");
  d->params.clear();
  for (size_t k = 0; k < params.size(); ++k) {
    if (!params[k].is_number() || !std::isfinite(params[k].get<double>()))
      return fault->Fail(paramsPath + "/" + std::to_string(k), "expected a number");
    d->params.push_back(params[k].get<double>());
  }
  return true;
}

bool FromJson(const ExtrasJson& object, Project* project, JsonFault* fault) {
  if (!object.contains(kKey)) return true;
  const ExtrasJson& section = object.at(kKey);
  const std::string path = JsonPointerStep(kKey);
  if (!section.is_object()) return fault->Fail(path, "expected an object");
  if (!OnlyKeys(section, path, {"samples", "seed", "inputs"}, fault)) return false;
  UncertaintyPlan plan;
  if (section.contains("samples")) {
    const ExtrasJson& samples = section.at("samples");
    const int64_t n = samples.is_number_integer() ? samples.get<int64_t>() : 0;
    if (samples.is_number_unsigned() && samples.get<uint64_t>() > static_cast<uint64_t>(INT64_MAX))
      return fault->Fail(path + "/samples", "too large");
    if (n < 1 || n > kMaxUncertaintySamples)
      return fault->Fail(path + "/samples",
                         "expected a whole number from 1 to " + std::to_string(kMaxUncertaintySamples));
    plan.samples = static_cast<int>(n);
  }
  if (section.contains("seed")) {
    const ExtrasJson& seed = section.at("seed");
    if (!seed.is_number_unsigned() && !(seed.is_number_integer() && seed.get<int64_t>() >= 0))
      return fault->Fail(path + "/seed", "expected a whole number from 0 to 18446744073709551615");
    plan.seed = seed.get<uint64_t>();
  }
  if (section.contains("inputs")) {
    const ExtrasJson& inputs = section.at("inputs");
    if (!inputs.is_array()) return fault->Fail(path + "/inputs", "expected an array");
    for (size_t k = 0; k < inputs.size(); ++k) {
      InputDistribution d;
      if (!ReadDistribution(inputs[k], path + "/inputs/" + std::to_string(k), &d, fault)) return false;
      plan.inputs.push_back(std::move(d));
    }
  }
  // Nothing is changed until the whole section has been read.
  if (!plan.IsDefault() || project->extras) virelo_Extras(project).uncertainty = std::move(plan);
  return true;
}

}  // namespace

const ExtrasSection& UncertaintyJsonSection() {
  static const ExtrasSection section{kKey, {kKey}, {}, IsDefault, ToJson, FromJson, nullptr, nullptr};
  return section;
}
