// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Recognising the chlorinated ethenes by name for their default yields.
#include "engine/project/chain.h"

#include <cctype>
#include <cmath>
#include <limits>

#include "diagnostics/text.h"

namespace {

struct KnownSpecies {
  const char* name;  // lower case, without isomer prefix
  double molarMass;
};

// Isomers share their molar mass, so "1,1-DCE" and "trans-1,2-Dichloroethene"
// get the same value as cis-DCE. "...ethane" names are other compounds and
// deliberately absent: a default yield for the wrong compound would pass
// unnoticed, a missing one is asked for.
constexpr KnownSpecies kKnown[] = {
    {"tetrachloroethene", 165.822},
    {"tetrachloroethylene", 165.822},
    {"perchloroethene", 165.822},
    {"perchloroethylene", 165.822},
    {"pce", 165.822},
    {"perc", 165.822},
    {"trichloroethene", 131.38},
    {"trichloroethylene", 131.38},
    {"tce", 131.38},
    {"dichloroethene", 96.938},
    {"dichloroethylene", 96.938},
    {"dce", 96.938},
    {"vinyl chloride", 62.496},
    {"chloroethene", 62.496},
    {"chloroethylene", 62.496},
    {"vc", 62.496},
    {"ethene", 28.054},
    {"ethylene", 28.054},
};

std::string Lower(std::string text) {
  for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return text;
}

// Drops an isomer prefix such as "cis-", "trans-1,2-", "1,1-" or "cis-1,2-".
std::string WithoutIsomer(std::string name) {
  for (const char* prefix : {"cis-", "trans-"}) {
    if (name.rfind(prefix, 0) == 0) name.erase(0, std::string(prefix).size());
  }
  size_t k = 0;
  while (k < name.size() && (std::isdigit(static_cast<unsigned char>(name[k])) || name[k] == ',')) ++k;
  if (k > 0 && k < name.size() && name[k] == '-') name.erase(0, k + 1);
  return name;
}

double Lookup(const std::string& candidate) {
  const std::string key = WithoutIsomer(TrimBlanks(candidate));
  for (const KnownSpecies& known : kKnown) {
    if (key == known.name) return known.molarMass;
  }
  return 0.0;
}

}  // namespace

double ChainMolarMass(const std::string& name) {
  // "Trichloroethene (TCE)": the name before the bracket or the abbreviation
  // inside it; both must not disagree.
  const std::string lower = Lower(name);
  const size_t open = lower.find('(');
  if (open == std::string::npos) return Lookup(lower);
  const size_t close = lower.find(')', open);
  const double main = Lookup(lower.substr(0, open));
  const double inner =
      Lookup(lower.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
  if (main > 0.0 && inner > 0.0 && main != inner) return 0.0;
  return main > 0.0 ? main : inner;
}

double DefaultChainYield(const std::string& parent, const std::string& daughter) {
  const double up = ChainMolarMass(parent), down = ChainMolarMass(daughter);
  if (up > 0.0 && down > 0.0) return down / up;
  return std::numeric_limits<double>::quiet_NaN();
}

std::vector<double> DefaultChainYields(const std::vector<std::string>& species) {
  std::vector<double> yields;
  for (size_t i = 1; i < species.size(); ++i) yields.push_back(DefaultChainYield(species[i - 1], species[i]));
  return yields;
}
