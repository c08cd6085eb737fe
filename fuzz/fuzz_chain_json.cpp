// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Feeds arbitrary text to the codec of the project's decay chains as the
// value of "chains" (see fuzz_extras_section.h for what must hold).
#include <cmath>
#include <cstring>

#include "engine/project/chain.h"
#include "fuzz/fuzz_extras_section.h"

namespace {

void Hold(Project* project) {
  virelo_Extras(project).chains = {{{"PCE", "TCE", "Ethene"}, {0.79, NAN}}};
}

// Yields compared bit for bit: a yield not yet given (NaN) must stay one.
bool Same(const Project& a, const Project& b) {
  const std::vector<DecayChain>& x = virelo_ExtrasOf(a).chains;
  const std::vector<DecayChain>& y = virelo_ExtrasOf(b).chains;
  if (x.size() != y.size()) return false;
  for (size_t k = 0; k < x.size(); ++k) {
    if (x[k].species != y[k].species || x[k].yields.size() != y[k].yields.size()) return false;
    for (size_t j = 0; j < x[k].yields.size(); ++j) {
      const double p = x[k].yields[j], q = y[k].yields[j];
      if (std::isnan(p) != std::isnan(q) || (!std::isnan(p) && std::memcmp(&p, &q, sizeof p) != 0))
        return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzz_extras::Run({"chains", Hold, Same}, data, size);
}
