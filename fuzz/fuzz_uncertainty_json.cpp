// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Feeds arbitrary text to the codec of the project's input distributions as
// the value of "uncertainty" (see fuzz_extras_section.h for what must hold).
#include "engine/project/uncertainty.h"
#include "fuzz/fuzz_extras_section.h"

namespace {

void Hold(Project* project) {
  UncertaintyPlan& plan = virelo_Extras(project).uncertainty;
  plan.samples = 500;
  plan.seed = 7;
  plan.inputs = {{UncertainInput::Kf, "", DistributionKind::LogNormal, {5, 2}},
                 {UncertainInput::C0, "Benzene", DistributionKind::Uniform, {50, 150}}};
}

bool Same(const Project& a, const Project& b) {
  return virelo_ExtrasOf(a).uncertainty == virelo_ExtrasOf(b).uncertainty;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzz_extras::Run({"uncertainty", Hold, Same}, data, size);
}
