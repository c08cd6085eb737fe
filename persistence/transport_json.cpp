// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// JSON codec of a project's transport inputs (engine/project/transport.h):
//   "transport": {"bulkDensity": x, "organicCarbon": x,
//                 "decayOf": "dissolved" | "dissolvedAndSorbed"}
// and, in each contaminant's object, "koc": x, "kocSource": text and
//   "sourceDecay": {"rate": ks} | {"mass": M0}.
// Only what the input checks accept is read: a value the window would refuse
// must not come in through a file and turn into a retardation or a source
// decay nobody entered.
#include <cmath>
#include <string>

#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "persistence/extras_json.h"

namespace {

constexpr const char* kKey = "transport";
constexpr const char* kBulkDensityKey = "bulkDensity";
constexpr const char* kOrganicCarbonKey = "organicCarbon";
constexpr const char* kDecayOfKey = "decayOf";
constexpr const char* kKocKey = "koc";
constexpr const char* kKocSourceKey = "kocSource";
constexpr const char* kSourceDecayKey = "sourceDecay";
constexpr const char* kRateKey = "rate";
constexpr const char* kMassKey = "mass";

bool OnlyKeys(const ExtrasJson& object, const std::string& path, std::initializer_list<const char*> keys,
              JsonFault* fault) {
  for (const auto& item : object.items()) {
    bool known = false;
    for (const char* key : keys) known = known || item.key() == key;
    if (!known) return fault->Fail(path + JsonPointerStep(item.key()), "unknown field");
  }
  return true;
}

// A finite number that `accepted` takes; `expected` says which in words.
bool ReadNumber(const ExtrasJson& value, const std::string& path, bool (*accepted)(double),
                const char* expected, double* out, JsonFault* fault) {
  if (!value.is_number() || !accepted(value.get<double>())) return fault->Fail(path, expected);
  *out = value.get<double>();
  return true;
}

size_t Characters(const std::string& utf8) {
  size_t count = 0;
  for (unsigned char ch : utf8) count += (ch & 0xC0) != 0x80;
  return count;
}

bool IsDefault(const Project& project) {
  return TransportIsDefault(project);
}

void ToJson(const Project& project, ExtrasJson* object) {
  const AquiferSorption& a = TransportOf(project).aquifer;
  if (a == AquiferSorption{}) return;
  ExtrasJson section = ExtrasJson::object();
  if (a.bulkDensity) section[kBulkDensityKey] = *a.bulkDensity;
  if (a.organicCarbon) section[kOrganicCarbonKey] = *a.organicCarbon;
  if (a.decayOf != DecayOf::Dissolved) section[kDecayOfKey] = DecayOfKey(a.decayOf);
  (*object)[kKey] = section;
}

bool FromJson(const ExtrasJson& object, Project* project, JsonFault* fault) {
  if (!object.contains(kKey)) return true;
  const ExtrasJson& section = object.at(kKey);
  const std::string path = JsonPointerStep(kKey);
  if (!section.is_object()) return fault->Fail(path, "expected an object");
  if (!OnlyKeys(section, path, {kBulkDensityKey, kOrganicCarbonKey, kDecayOfKey}, fault)) return false;
  AquiferSorption read;
  double value = 0.0;
  if (section.contains(kBulkDensityKey)) {
    if (!ReadNumber(section.at(kBulkDensityKey), path + JsonPointerStep(kBulkDensityKey),
                    IsAcceptedBulkDensity, "expected a bulk density above 0 kg/L", &value, fault))
      return false;
    read.bulkDensity = value;
  }
  if (section.contains(kOrganicCarbonKey)) {
    if (!ReadNumber(section.at(kOrganicCarbonKey), path + JsonPointerStep(kOrganicCarbonKey),
                    IsAcceptedOrganicCarbon, "expected a fraction of organic carbon from 0 to below 1",
                    &value, fault))
      return false;
    read.organicCarbon = value;
  }
  if (section.contains(kDecayOfKey)) {
    const ExtrasJson& decay = section.at(kDecayOfKey);
    if (!decay.is_string() || !DecayOfFromKey(decay.get<std::string>(), &read.decayOf))
      return fault->Fail(path + JsonPointerStep(kDecayOfKey),
                         "expected \"dissolved\" or \"dissolvedAndSorbed\"");
  }
  // Nothing is changed until the whole section has been read.
  if (!(read == AquiferSorption{}) || project->extras) virelo_Extras(project).transport.aquifer = read;
  return true;
}

void ContaminantToJson(const Project& project, const char* name, ExtrasJson* object) {
  const ContaminantTransport& c = ContaminantTransportOf(TransportOf(project), name);
  if (c.koc) (*object)[kKocKey] = *c.koc;
  if (!c.kocSource.empty()) (*object)[kKocSourceKey] = c.kocSource;
  if (c.sourceDecay == SourceDecayKind::Rate) (*object)[kSourceDecayKey] = {{kRateKey, c.rate}};
  if (c.sourceDecay == SourceDecayKind::Mass) (*object)[kSourceDecayKey] = {{kMassKey, c.mass}};
}

bool ReadSourceDecay(const ExtrasJson& value, const std::string& path, ContaminantTransport* c,
                     JsonFault* fault) {
  if (!value.is_object()) return fault->Fail(path, "expected an object");
  if (!OnlyKeys(value, path, {kRateKey, kMassKey}, fault)) return false;
  if (value.size() != 1) return fault->Fail(path, "expected exactly one of \"rate\" and \"mass\"");
  if (value.contains(kRateKey)) {
    c->sourceDecay = SourceDecayKind::Rate;
    return ReadNumber(value.at(kRateKey), path + JsonPointerStep(kRateKey), IsAcceptedSourceRate,
                      "expected a decay rate of at least 0 1/d", &c->rate, fault);
  }
  c->sourceDecay = SourceDecayKind::Mass;
  return ReadNumber(value.at(kMassKey), path + JsonPointerStep(kMassKey), IsAcceptedSourceMass,
                    "expected a source mass above 0 kg", &c->mass, fault);
}

bool ContaminantFromJson(const ExtrasJson& object, const std::string& path, const char* name,
                         Project* project, JsonFault* fault) {
  ContaminantTransport read;
  double value = 0.0;
  if (object.contains(kKocKey)) {
    if (!ReadNumber(object.at(kKocKey), path + JsonPointerStep(kKocKey), IsAcceptedKoc,
                    "expected a Koc of at least 0 L/kg", &value, fault))
      return false;
    read.koc = value;
  }
  if (object.contains(kKocSourceKey)) {
    const ExtrasJson& text = object.at(kKocSourceKey);
    const std::string at = path + JsonPointerStep(kKocSourceKey);
    if (!text.is_string()) return fault->Fail(at, "expected a string");
    read.kocSource = text.get<std::string>();
    if (Characters(read.kocSource) > static_cast<size_t>(kKocSourceMaxCharacters))
      return fault->Fail(at, "longer than " + std::to_string(kKocSourceMaxCharacters) + " characters");
    for (unsigned char ch : read.kocSource)
      if ((ch < 0x20 || ch == 0x7F) && ch != '\n' && ch != '\t')
        return fault->Fail(at, "holds a control character");
  }
  if (object.contains(kSourceDecayKey) &&
      !ReadSourceDecay(object.at(kSourceDecayKey), path + JsonPointerStep(kSourceDecayKey), &read, fault))
    return false;
  if (read.IsDefault()) return true;
  // Kept by name: two contaminants of one name cannot hold two different
  // sets, and the second must not silently replace the first.
  const auto& held = TransportOf(*project).contaminants;
  const auto found = held.find(name ? name : "");
  if (found != held.end() && !(found->second == read))
    return fault->Fail(path, "transport inputs differ from those of another contaminant of the same name");
  SetContaminantTransport(&virelo_Extras(project).transport, name, read);
  return true;
}

}  // namespace

const ExtrasSection& TransportJsonSection() {
  static const ExtrasSection section = {
      "transport",
      {kKey},
      {kKocKey, kKocSourceKey, kSourceDecayKey},
      IsDefault,
      ToJson,
      FromJson,
      ContaminantToJson,
      ContaminantFromJson,
  };
  return section;
}
