// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// JSON codec of a project's decay chains (engine/project/chain.h):
//   "chains": [{"species": ["name", ...], "yields": [y2, y3, ...],
//               "released": ["name", ...]}, ...]
// "released" is written only when the project says which species were
// released, so that a project without it is written as before.
// Names are the contaminants' names (or the end product's) in UTF-8; the
// chain holds them as the contaminant records do. Whether a name belongs to
// the project is the calculation's question, not the file's: a chain naming
// a contaminant that was later renamed still loads and is reported there.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/project/chain.h"
#include "engine/project/extras.h"
#include "persistence/csv.h"
#include "persistence/extras_json.h"

namespace {

constexpr const char* kChainsKey = "chains";
constexpr const char* kSpeciesKey = "species";
constexpr const char* kYieldsKey = "yields";
constexpr const char* kReleasedKey = "released";
// Room for the contaminants and the end product.
constexpr size_t kMaxEntries = kChainMaxSpecies + 1;
// More chains than contaminants a list can hold make no sense; the bound
// keeps a damaged file from filling the memory.
constexpr size_t kMaxChains = 1000;

bool IsDefault(const Project& project) {
  return virelo_ExtrasOf(project).chains.empty();
}

void ToJson(const Project& project, ExtrasJson* object) {
  const std::vector<DecayChain>& chains = virelo_ExtrasOf(project).chains;
  if (chains.empty()) return;
  ExtrasJson list = ExtrasJson::array();
  for (const DecayChain& chain : chains) {
    ExtrasJson species = ExtrasJson::array();
    for (const std::string& name : chain.species) species.push_back(RecordTextToUtf8(name.c_str()));
    ExtrasJson yields = ExtrasJson::array();
    // A yield not yet given (NaN) cannot be written as a JSON number; null
    // keeps its place, and reads back as not given.
    for (double y : chain.yields) yields.push_back(std::isfinite(y) ? ExtrasJson(y) : ExtrasJson(nullptr));
    ExtrasJson entry = ExtrasJson::object();
    entry[kSpeciesKey] = species;
    entry[kYieldsKey] = yields;
    // A species renamed or removed in the chain editor leaves its tick
    // behind; only the chain's own species are written, once each, so that
    // the file always reads back.
    ExtrasJson released = ExtrasJson::array();
    std::vector<std::string> written;
    for (const std::string& name : chain.released) {
      if (std::find(chain.species.begin(), chain.species.end(), name) == chain.species.end() ||
          std::find(written.begin(), written.end(), name) != written.end())
        continue;
      written.push_back(name);
      released.push_back(RecordTextToUtf8(name.c_str()));
    }
    if (!released.empty()) entry[kReleasedKey] = released;
    list.push_back(entry);
  }
  (*object)[kChainsKey] = list;
}

bool ReadChain(const ExtrasJson& value, const std::string& path, DecayChain* chain, JsonFault* fault) {
  if (!value.is_object()) return fault->Fail(path, "expected an object");
  for (const auto& item : value.items()) {
    if (item.key() != kSpeciesKey && item.key() != kYieldsKey && item.key() != kReleasedKey)
      return fault->Fail(path + JsonPointerStep(item.key()), "unknown field");
  }
  const std::string speciesPath = path + JsonPointerStep(kSpeciesKey);
  if (!value.contains(kSpeciesKey) || !value.at(kSpeciesKey).is_array())
    return fault->Fail(speciesPath, "expected an array of names");
  const ExtrasJson& species = value.at(kSpeciesKey);
  if (species.size() > kMaxEntries)
    return fault->Fail(speciesPath, "more than " + std::to_string(kMaxEntries) + " names");
  for (size_t k = 0; k < species.size(); ++k) {
    const std::string at = speciesPath + "/" + std::to_string(k);
    std::string name;
    if (!species[k].is_string() || !Utf8ToRecordText(species[k].get<std::string>(), &name) || name.empty() ||
        name.size() >= kNameCapacity || name.find('\0') != std::string::npos)
      return fault->Fail(at, "not a contaminant name");
    chain->species.push_back(name);
  }
  const std::string yieldsPath = path + JsonPointerStep(kYieldsKey);
  if (!value.contains(kYieldsKey) || !value.at(kYieldsKey).is_array())
    return fault->Fail(yieldsPath, "expected an array of numbers");
  const ExtrasJson& yields = value.at(kYieldsKey);
  if (yields.size() != (species.empty() ? 0 : species.size() - 1))
    return fault->Fail(yieldsPath, "expected one yield per daughter (" +
                                       std::to_string(species.empty() ? 0 : species.size() - 1) + ")");
  for (size_t k = 0; k < yields.size(); ++k) {
    if (yields[k].is_null()) {
      chain->yields.push_back(std::nan(""));
    } else if (yields[k].is_number() && std::isfinite(yields[k].get<double>()) &&
               yields[k].get<double>() > 0.0) {
      chain->yields.push_back(yields[k].get<double>());
    } else {
      return fault->Fail(yieldsPath + "/" + std::to_string(k), "expected a number above 0");
    }
  }
  if (!value.contains(kReleasedKey)) return true;
  const std::string releasedPath = path + JsonPointerStep(kReleasedKey);
  const ExtrasJson& released = value.at(kReleasedKey);
  if (!released.is_array() || released.size() > species.size())
    return fault->Fail(releasedPath, "expected an array of the chain's names");
  for (size_t k = 0; k < released.size(); ++k) {
    std::string name;
    if (!released[k].is_string() || !Utf8ToRecordText(released[k].get<std::string>(), &name) ||
        std::find(chain->species.begin(), chain->species.end(), name) == chain->species.end() ||
        std::find(chain->released.begin(), chain->released.end(), name) != chain->released.end())
      return fault->Fail(releasedPath + "/" + std::to_string(k), "not a species of the chain");
    chain->released.push_back(name);
  }
  return true;
}

bool FromJson(const ExtrasJson& object, Project* project, JsonFault* fault) {
  if (!object.contains(kChainsKey)) return true;
  const ExtrasJson& list = object.at(kChainsKey);
  const std::string path = JsonPointerStep(kChainsKey);
  if (!list.is_array()) return fault->Fail(path, "expected an array");
  if (list.size() > kMaxChains)
    return fault->Fail(path, "more than " + std::to_string(kMaxChains) + " chains");
  std::vector<DecayChain> read;
  for (size_t k = 0; k < list.size(); ++k) {
    DecayChain chain;
    if (!ReadChain(list[k], path + "/" + std::to_string(k), &chain, fault)) return false;
    read.push_back(std::move(chain));
  }
  // Nothing is changed until every chain has been read.
  virelo_Extras(project).chains = std::move(read);
  return true;
}

}  // namespace

const ExtrasSection& ChainJsonSection() {
  static const ExtrasSection section = {
      "chains", {kChainsKey}, {}, IsDefault, ToJson, FromJson, nullptr, nullptr,
  };
  return section;
}
