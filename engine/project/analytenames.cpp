// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/analytenames.h"

#include <set>

#include "engine/project/sitedata.h"

namespace {

bool IsBlank(unsigned char c) {
  return c == ' ' || c == '\t' || c == 0xA0;
}

unsigned char Lower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  // Latin-1's capitals A-grave to Thorn, but the multiplication sign.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  return c;
}

std::string Trimmed(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && IsBlank(static_cast<unsigned char>(text[end - 1]))) --end;
  return std::string(text.substr(begin, end - begin));
}

}  // namespace

void AnalyteAliases::Set(const std::string& name, const std::string& analyte) {
  const std::string key = AnalyteNameKey(name);
  for (AnalyteAlias& alias : entries) {
    if (AnalyteNameKey(alias.name) == key) {
      alias = {Trimmed(name), analyte};
      return;
    }
  }
  entries.push_back({Trimmed(name), analyte});
}

std::string AnalyteNameKey(std::string_view latin1) {
  std::string key;
  key.reserve(latin1.size());
  bool blank = false;
  for (unsigned char c : latin1) {
    if (IsBlank(c)) {
      blank = !key.empty();
      continue;
    }
    if (blank) key += ' ';
    blank = false;
    key += static_cast<char>(Lower(c));
  }
  return key;
}

bool AnalyteNameTable::Add(const std::string& name, std::string_view spelling) {
  const std::string key = AnalyteNameKey(spelling);
  if (key.empty()) return true;
  const auto [at, added] = byKey.emplace(key, name);
  if (added && AnalyteNameKey(name) == key) names.push_back(name);
  return added || at->second == name;
}

std::string AnalyteResolver::Resolve(std::string_view written, bool* known) const {
  const std::string key = AnalyteNameKey(written);
  auto found = [&](const std::string& name) {
    if (known) *known = true;
    return name;
  };
  // The user's own choice first: an alias overrides what the table says.
  if (aliases) {
    for (const AnalyteAlias& alias : aliases->entries)
      if (AnalyteNameKey(alias.name) == key) return found(alias.analyte);
  }
  for (const std::string& name : projectNames)
    if (AnalyteNameKey(name) == key) return found(name);
  if (table) {
    const auto at = table->byKey.find(key);
    if (at != table->byKey.end()) return found(at->second);
  }
  for (const char* name : kSiteIndicators)
    if (AnalyteNameKey(name) == key) return found(name);
  if (known) *known = false;
  return Trimmed(written);
}

std::vector<std::string> AnalyteResolver::Targets() const {
  std::vector<std::string> targets;
  std::set<std::string> seen;
  auto add = [&](const std::string& name) {
    if (seen.insert(AnalyteNameKey(name)).second) targets.push_back(name);
  };
  for (const std::string& name : projectNames) add(name);
  if (table)
    for (const std::string& name : table->names) add(name);
  for (const char* name : kSiteIndicators) add(name);
  return targets;
}

std::vector<std::pair<std::string, int>> UnknownAnalytes(const std::vector<std::string>& analytes,
                                                         const AnalyteResolver& resolver) {
  std::vector<std::pair<std::string, int>> unknown;
  std::map<std::string, size_t> at;
  std::map<std::string, bool> knownByName;
  for (const std::string& analyte : analytes) {
    auto k = knownByName.find(analyte);
    if (k == knownByName.end()) {
      bool known = false;
      resolver.Resolve(analyte, &known);
      k = knownByName.emplace(analyte, known).first;
    }
    if (k->second) continue;
    const auto [where, isNew] = at.emplace(analyte, unknown.size());
    if (isNew) unknown.emplace_back(analyte, 0);
    ++unknown[where->second].second;
  }
  return unknown;
}
