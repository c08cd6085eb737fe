// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A decay chain of the project: contaminants that degrade one into the next,
// such as the chlorinated ethenes PCE -> TCE -> cis-DCE -> VC -> ethene.
#pragma once

#include <string>
#include <vector>

// Two to five contaminants take part in a chain.
constexpr int kChainMinSpecies = 2;
constexpr int kChainMaxSpecies = 5;

// The name of the optional end product. It decays no further (rate 0), has
// no acceptable concentration and is not assessed.
constexpr const char* kChainEndProduct = "Ethene";

struct DecayChain {
  // Exact contaminant names, parent first; the last may be kChainEndProduct.
  std::vector<std::string> species;
  // One mass yield per daughter (species.size() - 1 entries): the mass of
  // daughter i formed per mass of species i - 1 that decays, MW_i / MW_i-1.
  std::vector<double> yields;
  // The species released at the site ("released: PCE only"), a subset of
  // species; empty when the project does not say. The others formed in the
  // aquifer, and finding them counts as evidence of dechlorination.
  std::vector<std::string> released;
  bool operator==(const DecayChain&) const = default;
};

// Molar mass in g/mol of a species this program recognises by name (the
// chlorinated ethenes and ethene, under their usual names and
// abbreviations), or 0 for any other name.
double ChainMolarMass(const std::string& name);

// The yield MW(daughter) / MW(parent) from the molar masses, or NaN when
// either name is not recognised: the user then has to enter it.
double DefaultChainYield(const std::string& parent, const std::string& daughter);

// The default yields of a species list, one per daughter (NaN where unknown).
std::vector<double> DefaultChainYields(const std::vector<std::string>& species);
