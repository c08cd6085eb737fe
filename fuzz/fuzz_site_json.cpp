// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Feeds arbitrary text to the codec of the project's site data as the value
// of "site", in either of its forms: the sample list of the JSON form and
// the dense sample table of the settings block (see fuzz_extras_section.h
// for what must hold).
#include "engine/project/sitedata.h"
#include "fuzz/fuzz_extras_section.h"

namespace {

void Hold(Project* project) {
  SiteData& site = virelo_Extras(project).site;
  site.wells = {{"MW1", 0.0, 0.0, true}, {"MW2", 25.0, -1.5, false}};
  site.samples = {{"MW1", "2024-05-12", "Benzene", 12.5, kUnitUgL, false},
                  {"MW2", "2024-05-12", "ORP", -120.0, kUnitMv, false}};
}

bool Same(const Project& a, const Project& b) {
  return virelo_ExtrasOf(a).site == virelo_ExtrasOf(b).site;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzz_extras::Run({"site", Hold, Same}, data, size);
}
