// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// How laboratories name what Virelo calls a contaminant or an indicator.
// Labs write names their own way and in their own language (Benzol, PER,
// Fe2+) and mostly give CAS numbers; a sample reaches the fits and the redox
// rules only under the name Virelo uses, so each name is looked up through
// the project's own aliases, the project's contaminants and the bundled
// names table. A name nothing matches is kept as written and reported.
//
// Texts are Latin-1, as in the records.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A project's own name for an analyte: what its laboratory writes, and the
// contaminant or indicator it means.
struct AnalyteAlias {
  std::string name;     // as the laboratory writes it
  std::string analyte;  // the contaminant's or indicator's name
  bool operator==(const AnalyteAlias&) const = default;
};
// The project's aliases, in the order they were made.
struct AnalyteAliases {
  std::vector<AnalyteAlias> entries;
  bool empty() const { return entries.empty(); }
  bool operator==(const AnalyteAliases&) const = default;
  // Adds or replaces the alias of `name` (matched as names are).
  void Set(const std::string& name, const std::string& analyte);
};

// The form two names are compared in: blanks around dropped, runs of blanks
// inside made one space, letters (Latin-1's too) in lower case.
std::string AnalyteNameKey(std::string_view latin1);

// The names table: each spelling's key to the name Virelo uses.
struct AnalyteNameTable {
  std::map<std::string, std::string> byKey;
  std::vector<std::string> names;  // the names Virelo uses, in table order
  // Adds `spelling` for `name`; false when it already stands for another.
  bool Add(const std::string& name, std::string_view spelling);
};

// Looks up the names of one import.
struct AnalyteResolver {
  const AnalyteNameTable* table = nullptr;  // the bundled names; may be null
  const AnalyteAliases* aliases = nullptr;  // the project's; may be null
  std::vector<std::string> projectNames;    // the project's contaminants
  // The name Virelo uses for `written`, and whether anything matched; a
  // name nothing matches comes back trimmed, as written.
  std::string Resolve(std::string_view written, bool* known = nullptr) const;
  // Every name a sample may be mapped to: the project's contaminants, the
  // table's names and the indicators, each once, in that order.
  std::vector<std::string> Targets() const;
};

// The analytes of `analytes` that nothing matches, each with how often it
// occurs, in the order first met.
std::vector<std::pair<std::string, int>> UnknownAnalytes(const std::vector<std::string>& analytes,
                                                         const AnalyteResolver& resolver);
