// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/monitoring.h"

#include <set>

namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

bool IsAcceptedRoundDays(int days) {
  return days >= kMinRoundDays && days <= kMaxRoundDays;
}

std::string TransectProblem(const Transect& transect, const std::vector<Transect>& others) {
  if (transect.name.empty()) return "A transect needs a name.";
  if (transect.name.size() > size_t(kTransectNameMaxCharacters))
    return "The transect's name is longer than " + std::to_string(kTransectNameMaxCharacters) +
           " characters.";
  for (const Transect& other : others)
    if (&other != &transect && other.name == transect.name)
      return "There is already a transect " + transect.name + ".";
  if (transect.wells.size() < 2) return "Transect " + transect.name + " needs two wells or more.";
  std::set<std::string> seen;
  for (const std::string& well : transect.wells) {
    if (well.empty()) return "Transect " + transect.name + " names an empty well.";
    if (!seen.insert(well).second) return "Transect " + transect.name + " names well " + well + " twice.";
  }
  return {};
}

bool ParseTransectText(const std::string& text, Transect* out, std::string* why) {
  const size_t eq = text.find('=');
  if (eq == std::string::npos) return *why = "expected NAME=W1,W2,...", false;
  Transect t;
  t.name = Trimmed(text.substr(0, eq));
  if (t.name.empty()) return *why = "the transect has no name", false;
  const std::string list = text.substr(eq + 1);
  size_t at = 0;
  while (at <= list.size()) {
    const size_t comma = list.find(',', at);
    const std::string well =
        Trimmed(list.substr(at, comma == std::string::npos ? std::string::npos : comma - at));
    if (!well.empty()) t.wells.push_back(well);
    if (comma == std::string::npos) break;
    at = comma + 1;
  }
  if (t.wells.size() < 2) return *why = "transect " + t.name + " needs two wells or more", false;
  *out = t;
  return true;
}

std::string TransectText(const Transect& transect) {
  std::string text = transect.name + "=";
  for (size_t k = 0; k < transect.wells.size(); ++k) text += (k ? "," : "") + transect.wells[k];
  return text;
}
