// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A project to and from its JSON form. One table of fields drives both
// directions, so the two cannot drift apart; reading is strict (every field
// present, no unknown key, every value in the range of its field in the
// file) because a mistyped key that was silently ignored would put a
// different project behind a verdict than the one its author wrote.
#include "persistence/project_json.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <vector>

#include "diagnostics/util.h"
#include "engine/project/extras.h"
#include "engine/project/fulltexts.h"
#include "persistence/csv.h"
#include "persistence/extras_json.h"

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kJsonFormat = "VIRELO 1.0";
// The project file counts its contaminants in a signed 16-bit field.
constexpr size_t kMaxContaminants = 32767;

// One field of the aquifer block or of a contaminant record, in file order.
enum class Kind { Double, U16, I16, I32, Name };
struct Field {
  const char* key;
  Kind kind;
  size_t offset;  // in Aquifer or Contaminant
};

const Field kAquiferFields[] = {
    {"distanceX", Kind::Double, offsetof(Aquifer, distanceX)},
    {"conductivityKf", Kind::Double, offsetof(Aquifer, conductivityKf)},
    {"porosityNe", Kind::Double, offsetof(Aquifer, porosityNe)},
    {"gradientI", Kind::Double, offsetof(Aquifer, gradientI)},
    {"dispersivityAx", Kind::Double, offsetof(Aquifer, dispersivityAx)},
    {"dispersivityAy", Kind::Double, offsetof(Aquifer, dispersivityAy)},
    {"dispersivityAz", Kind::Double, offsetof(Aquifer, dispersivityAz)},
    {"sourceWidthSz", Kind::Double, offsetof(Aquifer, sourceWidthSz)},
    {"sourceThicknessSy", Kind::Double, offsetof(Aquifer, sourceThicknessSy)},
    {"setMask", Kind::U16, offsetof(Aquifer, setMask)},
    {"redoxCondition", Kind::I16, offsetof(Aquifer, redoxCondition)},
};

const Field kContaminantFields[] = {
    {"group", Kind::I32, offsetof(Contaminant, group)},
    {"name", Kind::Name, offsetof(Contaminant, name)},
    {"lambdaUnknown", Kind::Double, offsetof(Contaminant, lambdaUnknown)},
    {"lambdaAerobic", Kind::Double, offsetof(Contaminant, lambdaAerobic)},
    {"lambdaNitrate", Kind::Double, offsetof(Contaminant, lambdaNitrate)},
    {"lambdaSulfate", Kind::Double, offsetof(Contaminant, lambdaSulfate)},
    {"lambdaIron", Kind::Double, offsetof(Contaminant, lambdaIron)},
    {"lambdaMethane", Kind::Double, offsetof(Contaminant, lambdaMethane)},
    {"lambdaMixedPlumes", Kind::Double, offsetof(Contaminant, lambdaMixedPlumes)},
    {"lambdaUser", Kind::Double, offsetof(Contaminant, lambdaUser)},
    {"lambdaMask", Kind::U16, offsetof(Contaminant, lambdaMask)},
    {"lambdaSelected", Kind::I16, offsetof(Contaminant, lambdaSelected)},
    {"literaturePlumeLength", Kind::Double, offsetof(Contaminant, literaturePlumeLength)},
    {"literatureEntries", Kind::I16, offsetof(Contaminant, literatureEntries)},
    {"ca", Kind::Double, offsetof(Contaminant, ca)},
    {"c0", Kind::Double, offsetof(Contaminant, c0)},
    {"valueMask", Kind::U16, offsetof(Contaminant, valueMask)},
    {"assess", Kind::I32, offsetof(Contaminant, assess)},
};

// The texts of a project with the number of characters the file keeps.
struct ProjectText {
  const char* key;
  size_t offset;  // of the text buffer in Project
  size_t stored;
  const char* in(const Project& p) const { return reinterpret_cast<const char*>(&p) + offset; }
  char* in(Project& p) const { return reinterpret_cast<char*>(&p) + offset; }
};
const ProjectText kProjectTexts[] = {
    {"title", offsetof(Project, title), kTitleCapacity - 1},
    {"description", offsetof(Project, description), kDescriptionCapacity - 1},
    {"author", offsetof(Project, author), kAuthorCapacity - 1},
    {"organisation", offsetof(Project, organisation), kOrganisationCapacity - 1},
};
// A name is stored in 100 bytes, of which the last is the terminator when read.
constexpr size_t kStoredName = kNameCapacity - 1;

uint64_t BitsOf(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double DoubleOf(uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

constexpr uint64_t kQuietNan = 0x7ff8000000000000u;

// A finite double is a JSON number, written so that it reads back as the
// same double. JSON has no infinities or NaNs: those become "inf", "-inf",
// "nan", and a NaN with another bit pattern its bits as "0x" + 16 hex digits.
Json DoubleToJson(double value) {
  if (std::isfinite(value)) return value;
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  const uint64_t bits = BitsOf(value);
  if (bits == kQuietNan) return "nan";
  char text[19];
  std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(bits));
  return text;
}

std::string RecordText(const char* text, size_t capacity) {
  return RecordTextToUtf8(std::string_view(text, strnlen(text, capacity)));
}

class Reader {
 public:
  std::string error;

  bool Fail(const std::string& path, const std::string& message) {
    if (error.empty()) error = (path.empty() ? std::string("/") : path) + ": " + message;
    return false;
  }

  // An object holding exactly `keys`, and any of `optional`.
  bool Object(const Json& value, const std::string& path, const std::vector<std::string>& keys,
              const std::vector<std::string>& optional = {}) {
    if (!value.is_object()) return Fail(path, "expected an object");
    std::set<std::string> known(keys.begin(), keys.end());
    known.insert(optional.begin(), optional.end());
    for (const auto& item : value.items()) {
      if (!known.count(item.key())) return Fail(path + JsonPointerStep(item.key()), "unknown field");
    }
    for (const std::string& key : keys) {
      if (!value.contains(key)) return Fail(path + JsonPointerStep(key), "missing");
    }
    return true;
  }

  bool Double(const Json& value, const std::string& path, double* out) {
    if (value.is_number()) {
      *out = value.get<double>();  // the parser refuses numbers beyond a double's range
      return true;
    }
    if (value.is_string()) {
      const std::string text = value.get<std::string>();
      if (text == "inf") return *out = std::numeric_limits<double>::infinity(), true;
      if (text == "-inf") return *out = -std::numeric_limits<double>::infinity(), true;
      if (text == "nan") return *out = DoubleOf(kQuietNan), true;
      if (text.size() == 18 && text.compare(0, 2, "0x") == 0 &&
          text.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string::npos) {
        *out = DoubleOf(std::strtoull(text.c_str() + 2, nullptr, 16));
        return true;
      }
    }
    return Fail(path, "expected a number, \"inf\", \"-inf\", \"nan\" or \"0x\" and 16 hex digits");
  }

  bool Integer(const Json& value, const std::string& path, int64_t lowest, int64_t highest, int64_t* out) {
    const bool fits = value.is_number_integer() &&
                      !(value.is_number_unsigned() && value.get<uint64_t>() > static_cast<uint64_t>(highest));
    if (fits) *out = value.get<int64_t>();
    if (!fits || *out < lowest || *out > highest)
      return Fail(
          path, "expected a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest));
    return true;
  }

  // A text whose single-byte form has at most `stored` bytes, that form
  // copied into `field`. A character the record cannot hold is taken in
  // its closest form here; the caller keeps the full form beside it.
  bool Text(const Json& value, const std::string& path, size_t stored, char* field) {
    if (!value.is_string()) return Fail(path, "expected a string");
    const std::string bytes = ClosestRecordText(value.get<std::string>(), nullptr);
    if (bytes.find('\0') != std::string::npos) return Fail(path, "holds a zero character");
    if (bytes.size() > stored) return Fail(path, "longer than " + std::to_string(stored) + " characters");
    CopyBounded(field, bytes.c_str(), stored + 1);
    return true;
  }
};

template <typename T>
bool ReadInteger(Reader& reader, const Json& value, const std::string& path, void* field) {
  int64_t number = 0;
  if (!reader.Integer(value, path, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), &number))
    return false;
  const T stored = static_cast<T>(number);
  std::memcpy(field, &stored, sizeof stored);
  return true;
}

template <size_t N>
std::vector<std::string> KeysOf(const Field (&fields)[N]) {
  std::vector<std::string> keys;
  for (const Field& field : fields) keys.emplace_back(field.key);
  return keys;
}

// Reads the fields of one record (Aquifer or Contaminant) from `object`.
template <size_t N>
bool ReadRecord(Reader& reader, const Json& object, const std::string& path, const Field (&fields)[N],
                void* record, const std::vector<std::string>& optional = {}) {
  if (!reader.Object(object, path, KeysOf(fields), optional)) return false;
  for (const Field& field : fields) {
    const Json& value = object.at(field.key);
    const std::string at = path + JsonPointerStep(field.key);
    char* target = static_cast<char*>(record) + field.offset;
    bool ok = false;
    switch (field.kind) {
      case Kind::Double: {
        double number = 0.0;
        ok = reader.Double(value, at, &number);
        // The export writes what a file holds, but no input may be infinite
        // or undefined: an infinite x once made every plume "green".
        if (ok && !std::isfinite(number))
          ok =
              reader.Fail(at, value.dump() + " is not a finite number; every value of a project must be one");
        std::memcpy(target, &number, sizeof number);
        break;
      }
      case Kind::U16: ok = ReadInteger<uint16_t>(reader, value, at, target); break;
      case Kind::I16: ok = ReadInteger<int16_t>(reader, value, at, target); break;
      case Kind::I32: ok = ReadInteger<int32_t>(reader, value, at, target); break;
      case Kind::Name: ok = reader.Text(value, at, kStoredName, target); break;
    }
    if (!ok) return false;
  }
  return true;
}

template <typename T>
T Load(const char* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

template <size_t N>
Json WriteRecord(const Field (&fields)[N], const void* record) {
  Json object;
  for (const Field& field : fields) {
    const char* at = static_cast<const char*>(record) + field.offset;
    switch (field.kind) {
      case Kind::Double: object[field.key] = DoubleToJson(Load<double>(at)); break;
      case Kind::U16: object[field.key] = Load<uint16_t>(at); break;
      case Kind::I16: object[field.key] = Load<int16_t>(at); break;
      case Kind::I32: object[field.key] = Load<int32_t>(at); break;
      case Kind::Name: object[field.key] = RecordText(at, kStoredName); break;
    }
  }
  return object;
}

// JSON allows a key twice in one object and keeps the last; a project form
// with two values for one field is refused instead of silently losing one.
bool ParseWithoutDuplicates(const std::string& text, Json* json, std::string* error) {
  std::vector<std::set<std::string>> open;
  std::string duplicate;
  const Json::parser_callback_t callback = [&](int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) {
      open.emplace_back();
    } else if (event == Json::parse_event_t::object_end) {
      if (!open.empty()) open.pop_back();
    } else if (event == Json::parse_event_t::key && !open.empty()) {
      const std::string key = parsed.get<std::string>();
      if (!open.back().insert(key).second && duplicate.empty()) duplicate = key;
    }
    return true;
  };
  try {
    *json = Json::parse(text, callback);
  } catch (const Json::exception& e) {
    // "[json.exception.parse_error.101] parse error at line 3, column 5: ...",
    // or a number too large for a double ("number overflow parsing '1e400'")
    const std::string what = e.what();
    const size_t start = what.find("] ");
    *error = start == std::string::npos ? what : what.substr(start + 2);
    return false;
  }
  if (!duplicate.empty()) {
    *error = "the key \"" + duplicate + "\" appears twice in one object";
    return false;
  }
  return true;
}

}  // namespace

std::string ProjectToJson(const Project& project) {
  Json json;
  json["format"] = kJsonFormat;
  for (ProjectTextField field : kProjectTextFields)
    json[ProjectTextKey(field)] = ProjectTextUtf8(project, field);
  json["approximateDispersivity"] = project.approximateDispersivity;
  // The project's settings, each only where it differs from its default.
  ExtrasToJson(project, &json);

  // The record's fields first, then what the settings keep of the aquifer,
  // in the record's place after the settings.
  Json aquifer = WriteRecord(kAquiferFields, &project.aquifer);
  if (json.contains("aquifer")) {
    aquifer.update(json.at("aquifer"));
    json.erase("aquifer");
  }
  json["aquifer"] = std::move(aquifer);
  Json& list = json["contaminants"] = Json::array();
  for (int k = 0; k < project.contaminantCount; ++k) {
    Json object = WriteRecord(kContaminantFields, &project.contaminants[k]);
    object["name"] = ContaminantNameUtf8(project, k);
    ExtrasContaminantToJson(project, k, &object);
    list.push_back(std::move(object));
  }
  return json.dump(2) + "\n";
}

bool ProjectFromJson(const std::string& text, Project* project, std::string* error) {
  Json json;
  if (!ParseWithoutDuplicates(text, &json, error)) return false;

  Reader reader;
  std::vector<std::string> keys = {"format", "approximateDispersivity", "aquifer", "contaminants"};
  for (const ProjectText& field : kProjectTexts) keys.emplace_back(field.key);
  bool ok = reader.Object(json, "", keys, ExtrasTopLevelKeys());
  if (ok && json.at("format") != kJsonFormat)
    ok = reader.Fail("/format", std::string("expected \"") + kJsonFormat + "\"");
  for (const ProjectText& field : kProjectTexts) {
    ok = ok && reader.Text(json.at(field.key), JsonPointerStep(field.key), field.stored, field.in(*project));
  }
  ok = ok &&
       ReadInteger<int16_t>(reader, json.at("approximateDispersivity"), "/approximateDispersivity",
                            &project->approximateDispersivity) &&
       ReadRecord(reader, json.at("aquifer"), "/aquifer", kAquiferFields, &project->aquifer,
                  {"saturatedThickness"});
  if (!ok) return *error = reader.error, false;

  const Json& list = json.at("contaminants");
  if (!list.is_array())
    reader.Fail("/contaminants", "expected an array");
  else if (list.empty())
    reader.Fail("/contaminants", "a project needs at least one contaminant");
  else if (list.size() > kMaxContaminants)
    reader.Fail("/contaminants", "more than " + std::to_string(kMaxContaminants) + " contaminants");
  if (!reader.error.empty()) return *error = reader.error, false;

  std::vector<Contaminant> contaminants(list.size(), Contaminant{});
  for (size_t k = 0; k < list.size(); ++k) {
    if (!ReadRecord(reader, list[k], "/contaminants/" + std::to_string(k), kContaminantFields,
                    &contaminants[k], ExtrasContaminantKeys()))
      return *error = reader.error, false;
  }
  Contaminant* array = virelo_AllocateContaminants(static_cast<long>(contaminants.size()));
  if (!array) return *error = "not enough memory for the contaminants", false;
  std::memcpy(array, contaminants.data(), contaminants.size() * sizeof(Contaminant));
  free(project->contaminants);
  project->contaminants = array;
  project->contaminantCount = static_cast<int16_t>(contaminants.size());

  // The texts as written, where the records hold only their closest form.
  for (ProjectTextField field : kProjectTextFields)
    SetProjectTextUtf8(project, field, json.at(ProjectTextKey(field)).get<std::string>());
  for (size_t k = 0; k < list.size(); ++k)
    SetContaminantNameUtf8(project, static_cast<int>(k), list[k].at("name").get<std::string>());

  // The settings come last: a contaminant's keys belong to its name.
  JsonFault fault;
  bool extrasOk = ExtrasFromJson(json, project, &fault);
  for (size_t k = 0; extrasOk && k < list.size(); ++k)
    extrasOk = ExtrasContaminantFromJson(list[k], "/contaminants/" + std::to_string(k), static_cast<int>(k),
                                         project, &fault);
  if (!extrasOk) {
    free(project->contaminants);
    project->contaminants = nullptr;
    project->contaminantCount = 0;
    virelo_FreeExtras(project);
    return *error = fault.text, false;
  }
  return true;
}
