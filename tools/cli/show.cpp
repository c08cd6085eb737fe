// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// virelo-cli show: every input of a project with its unit, as text or JSON,
// so that the inputs behind a verdict can be read without the desktop
// program.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iostream>
#include <nlohmann/json.hpp>

#include "engine/project/fulltexts.h"
#include "persistence/csv.h"
#include "tools/cli/cli.h"
#include "tools/cli/cli_common.h"

namespace {

using Json = nlohmann::ordered_json;

// The redox conditions in plain words, by index.
const char* const kRedoxWords[kRedoxConditionCount] = {
    "unknown or variable",     "aerobic",      "nitrate-reducing", "iron-reducing", "sulfate-reducing",
    "anaerobic, mixed plumes", "methanogenic",
};

// One aquifer input: its symbol, its meaning, its unit ("" for none).
struct AquiferInput {
  const char* symbol;
  const char* meaning;
  const char* unit;
  double Aquifer::*member;
  uint16_t bit;
};
const AquiferInput kAquiferInputs[] = {
    {"x", "distance source - receptor", "m", &Aquifer::distanceX, kAquiferX},
    {"Kf", "hydraulic conductivity", "m/d", &Aquifer::conductivityKf, kAquiferKf},
    {"i", "hydraulic gradient", "", &Aquifer::gradientI, kAquiferI},
    {"ne", "effective porosity", "", &Aquifer::porosityNe, kAquiferNe},
    // What each value is in the model: ay spreads Sy across the flow, az
    // spreads Sz downwards, and Sy is half the source's width.
    {"ax", "longitudinal dispersivity", "m", &Aquifer::dispersivityAx, kAquiferAx},
    {"ay", "dispersivity across, horizontal", "m", &Aquifer::dispersivityAy, kAquiferAy},
    {"az", "dispersivity across, vertical", "m", &Aquifer::dispersivityAz, kAquiferAz},
    {"Sz", "thickness below water table", "m", &Aquifer::sourceWidthSz, kAquiferSz},
    {"Sy", "half the width across the flow", "m", &Aquifer::sourceThicknessSy, kAquiferSy},
};

// The shortest text that reads back as the same double, independent of the
// C locale; plain decimals for the magnitudes inputs usually have.
std::string Number(double value) {
  char buffer[400];
  const double magnitude = std::fabs(value);
  const bool plain = magnitude == 0.0 || (magnitude >= 1e-6 && magnitude < 1e15);
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    plain ? std::chars_format::fixed : std::chars_format::scientific);
  return std::string(buffer, result.ptr);
}

// "symbol  meaning" in two columns, for the aquifer's lines.
std::string Label(const char* symbol, const char* meaning) {
  std::string label = symbol;
  label.resize(4, ' ');
  label += meaning;
  label.resize(std::max<size_t>(label.size() + 1, 36), ' ');
  return label;
}

std::string WithUnit(double value, const char* unit) {
  return *unit ? Number(value) + " " + unit : Number(value);
}

// {"value": v, "unit": u}, or null when the input is not set. JSON has no
// infinity or NaN; such a value is given as text.
Json Quantity(bool set, double value, const char* unit) {
  if (!set) return nullptr;
  Json q;
  q["value"] = std::isfinite(value) ? Json(value) : Json(Number(value));
  q["unit"] = unit;
  return q;
}

std::string RedoxName(int index) {
  const char* text = virelo_RedoxText(index);
  return text ? text : "unknown condition " + std::to_string(index);
}

std::string RedoxInWords(int index) {
  const char* text = virelo_RedoxText(index);
  return text ? RedoxName(index) + " (" + kRedoxWords[index] + ")" : RedoxName(index);
}

// A contaminant carries project inputs when it is assessed or when the user
// entered C0, CA or a decay constant of their own for it.
bool HasInputs(const Contaminant& c) {
  return c.assess != 0 || (c.valueMask & (kValueC0 | kValueCa)) || (c.lambdaMask & kLambdaUser);
}

struct DecayConstant {
  bool set = false;
  double value = 0.0;
  std::string origin;   // "user-defined", "preset", or "none selected"
  int redoxIndex = -1;  // of a preset
};

DecayConstant DecayConstantOf(const Contaminant& c) {
  DecayConstant d;
  d.set = virelo_GetLambda(&c, &d.value) && (c.lambdaMask & c.lambdaSelected);
  if (c.lambdaSelected == kLambdaUser) {
    d.origin = "user-defined";
    return d;
  }
  for (int k = 0; k < kRedoxConditionCount; ++k) {
    if (c.lambdaSelected != 0 && kRedoxConditions[k].lambdaBit == c.lambdaSelected) {
      d.origin = "preset";
      d.redoxIndex = k;
      return d;
    }
  }
  d.origin =
      c.lambdaSelected == 0 ? "none selected" : "unknown selection " + std::to_string(c.lambdaSelected);
  return d;
}

std::string AssessedText(int32_t assess) {
  std::string text;
  if (assess & kAssessPlumeLength) text = "plume length";
  if (assess & kAssessAttenuationFactor) text += text.empty() ? "attenuation factor" : ", attenuation factor";
  return text.empty() ? "not assessed" : text;
}

std::string GroupName(int32_t group) {
  const char* name = virelo_GroupName(group);
  return name ? name : "group " + std::to_string(group);
}

void WriteText(const Project& p, const std::string& path, std::ostream& out) {
  out << "Project:        " << ProjectTextUtf8(p, ProjectTextField::kTitle) << "\n"
      << "File:           " << path << "\n"
      << "Author:         " << ProjectTextUtf8(p, ProjectTextField::kAuthor) << "\n"
      << "Organisation:   " << ProjectTextUtf8(p, ProjectTextField::kOrganisation) << "\n";
  if (p.description[0]) {
    out << "Description:\n";
    std::string text = ProjectTextUtf8(p, ProjectTextField::kDescription);
    size_t start = 0;
    while (start <= text.size()) {
      const size_t end = text.find('\n', start);
      std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      out << "  " << line << "\n";
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }

  const Aquifer& a = p.aquifer;
  out << "\nAquifer\n";
  for (const AquiferInput& input : kAquiferInputs) {
    out << "  " << Label(input.symbol, input.meaning)
        << ((a.setMask & input.bit) ? WithUnit(a.*input.member, input.unit) : std::string("not set")) << "\n";
    if (input.bit == kAquiferSy && (a.setMask & kAquiferSy))
      out << "  " << Label("W", "source width across the flow") << WithUnit(2.0 * a.sourceThicknessSy, "m")
          << " (2 Sy)\n";
    if (input.bit == kAquiferNe) {
      out << "  " << Label("", "redox condition") << RedoxInWords(a.redoxCondition) << "\n"
          << "  " << Label("", "dispersivities")
          << (p.approximateDispersivity ? "approximated from x (ax = x/10, ay = x/100, az = x/1000)"
                                        : "entered")
          << "\n";
    }
  }

  int withInputs = 0;
  for (int k = 0; k < p.contaminantCount; ++k) withInputs += HasInputs(p.contaminants[k]);
  out << "\nContaminants with project inputs: " << withInputs << " of " << p.contaminantCount
      << " (C0 and CA in the project's concentration unit)\n";
  for (int k = 0; k < p.contaminantCount; ++k) {
    const Contaminant& c = p.contaminants[k];
    if (!HasInputs(c)) continue;
    const DecayConstant d = DecayConstantOf(c);
    out << "  " << ContaminantNameUtf8(p, c.name) << " (" << GroupName(c.group) << ")\n"
        << "    assessed   " << AssessedText(c.assess) << "\n"
        << "    C0         " << ((c.valueMask & kValueC0) ? Number(c.c0) : "not set") << "\n"
        << "    CA         " << ((c.valueMask & kValueCa) ? Number(c.ca) : "not set") << "\n"
        << "    lambda     " << (d.set ? WithUnit(d.value, "1/d") : std::string("not set")) << ", "
        << d.origin;
    if (d.redoxIndex >= 0) {
      out << " for " << RedoxName(d.redoxIndex);
      if (d.redoxIndex != a.redoxCondition) out << " (the aquifer is " << RedoxName(a.redoxCondition) << ")";
    }
    out << "\n";
  }
}

void WriteJson(const Project& p, const std::string& path, std::ostream& out) {
  Json json;
  json["file"] = path;
  json["title"] = ProjectTextUtf8(p, ProjectTextField::kTitle);
  json["description"] = ProjectTextUtf8(p, ProjectTextField::kDescription);
  json["author"] = ProjectTextUtf8(p, ProjectTextField::kAuthor);
  json["organisation"] = ProjectTextUtf8(p, ProjectTextField::kOrganisation);
  const Aquifer& a = p.aquifer;
  Json& aquifer = json["aquifer"];
  for (const AquiferInput& input : kAquiferInputs)
    aquifer[input.symbol] = Quantity(a.setMask & input.bit, a.*input.member, input.unit);
  aquifer["redoxCondition"] = {
      {"index", a.redoxCondition},
      {"name", RedoxName(a.redoxCondition)},
      {"words", virelo_RedoxText(a.redoxCondition) ? kRedoxWords[a.redoxCondition] : ""}};
  aquifer["dispersivitiesApproximated"] = p.approximateDispersivity != 0;

  Json& list = json["contaminants"] = Json::array();
  for (int k = 0; k < p.contaminantCount; ++k) {
    const Contaminant& c = p.contaminants[k];
    if (!HasInputs(c)) continue;
    const DecayConstant d = DecayConstantOf(c);
    Json item;
    item["name"] = ContaminantNameUtf8(p, c.name);
    item["group"] = GroupName(c.group);
    item["plumeLength"] = (c.assess & kAssessPlumeLength) != 0;
    item["attenuationFactor"] = (c.assess & kAssessAttenuationFactor) != 0;
    item["c0"] = Quantity(c.valueMask & kValueC0, c.c0, "concentration");
    item["ca"] = Quantity(c.valueMask & kValueCa, c.ca, "concentration");
    Json lambda = Quantity(d.set, d.value, "1/d");
    if (lambda.is_null()) lambda = {{"value", nullptr}, {"unit", "1/d"}};
    lambda["origin"] = d.origin;
    if (d.redoxIndex >= 0) lambda["redoxCondition"] = RedoxName(d.redoxIndex);
    item["decayConstant"] = lambda;
    list.push_back(std::move(item));
  }
  // A file name is the file system's bytes, not always UTF-8; anything JSON
  // cannot hold is written as U+FFFD instead of stopping the program.
  out << json.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}

}  // namespace

std::string ShowUsage() {
  return "  show FILE.vrp [--json]\n"
         "      Lists every input of the project with its unit: the aquifer, and C0,\n"
         "      CA and the decay constant (with its origin) of each contaminant that\n"
         "      has project inputs. --json writes the same as JSON.\n";
}

int RunShow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CliArguments parsed;
  std::string error;
  if (!ParseCliArguments(args, {{"--json", false}}, &parsed, &error)) return UsageError(error, err);
  if (parsed.files.size() != 1) return UsageError("show takes one file name", err);
  const std::string& path = parsed.files[0];
  ProjectHandle project = LoadAssessedProject(path, err);
  if (!project) return kCliFailed;
  if (parsed.has("--json")) {
    WriteJson(*project, path, out);
  } else {
    WriteText(*project, path, out);
  }
  out.flush();
  return out ? kCliOk : kCliFailed;
}
