// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The decay chain a daughter follows over time.
#include <algorithm>
#include <cmath>
#include <memory>

#include "diagnostics/text.h"
#include "engine/chains/chaincalc.h"
#include "engine/evidence/evidence.h"
#include "engine/project/extras.h"
#include "engine/project/fulltexts.h"
#include "engine/project/transport.h"
#include "engine/time/timeinputs.h"

namespace {

std::string Shown(double value) {
  char text[32];
  FormatCNumber(text, sizeof text, "%.4g", value);
  return text;
}

// The chain's species 0..species with the project's own values: the
// dissolved-phase rate from the record (the transient model applies the
// decay convention itself), each source's decay, each species' own R.
// Empty reason when it can be followed.
std::string BuildChain(const Project& project, const ResolvedChain& resolved, int species,
                       TransientChain* out) {
  TransientChain& c = *out;
  for (int i = 0; i <= species; ++i) {
    const Contaminant& record = project.contaminants[resolved.contaminantIndex[i]];
    double lambda = 0.0;
    virelo_GetLambda(&record, &lambda);
    const SourceDecay source = virelo_SourceDecayOf(project, record);
    const double c0 = resolved.c0[i];
    if (c0 > 0.0 && !source.problem.empty()) return resolved.names[i] + "'s source: " + source.problem;
    c.names.push_back(resolved.names[i]);
    c.lambda.push_back(lambda);
    c.c0.push_back(c0);
    c.yield.push_back(resolved.yield[i]);
    c.ks.push_back(c0 > 0.0 ? source.ks : 0.0);
    c.ownR.push_back(virelo_RetardationOf(project, record.name).value);
  }
  const double R = *std::min_element(c.ownR.begin(), c.ownR.end());
  if (!(R >= 1.0) || !std::isfinite(R)) return "the chain's retardation factors are not usable";
  c.inputs = TransientInputsFrom(project.aquifer, 0.0, R, TransportOf(project).aquifer.decayOf, 0.0);
  return {};
}

std::string ChainText(const Project& project, const TransientChain& c, int species) {
  std::string names;
  for (int i = 0; i <= species; ++i)
    names += (i ? " > " : "") + ContaminantNameUtf8(project, c.names[i].c_str());
  std::string text = "followed through its decay chain " + names + " at R = " + Shown(c.inputs.R) +
                     ", the smallest of its species' (the earliest arrival)";
  std::string differ;
  for (int i = 0; i <= species; ++i) {
    if (c.ownR[i] == c.inputs.R) continue;
    differ += (differ.empty() ? "" : ", ") + ContaminantNameUtf8(project, c.names[i].c_str()) + " " +
              Shown(c.ownR[i]);
  }
  if (!differ.empty()) text += "; own factors differ: " + differ;
  switch (TransientChainFeed(c, species)) {
    case ChainFeed::Constant: break;
    case ChainFeed::Fading:
      text += "; every source feeding it fades: it rises to a peak and falls away";
      break;
    case ChainFeed::Mixed:
      text +=
          "; a source feeding it fades while others stay: it settles at what the constant sources keep "
          "(below the steady chain's value), and t50 and t95 are not given";
      break;
  }
  return text;
}

}  // namespace

void AttachTimeChain(const Project& project, int contaminantIndex, TimeInputs* out) {
  const std::vector<DecayChain>& chains = virelo_ExtrasOf(project).chains;
  double best = -1.0;
  std::string why;
  for (const ChainLink& link : ChainLinksOf(project, contaminantIndex)) {
    if (link.species == 0) continue;  // a parent is not formed by its chain
    ResolvedChain resolved;
    const std::vector<std::string> problems = ResolveChain(project, chains[link.chainIndex], &resolved);
    if (!problems.empty()) {
      why = "its decay chain has problems (" + problems.front() + ")";
      continue;
    }
    auto chain = std::make_shared<TransientChain>();
    const std::string reason = BuildChain(project, resolved, link.species, chain.get());
    if (!reason.empty()) {
      why = "its decay chain cannot be followed over time: " + reason;
      continue;
    }
    const double x = chain->inputs.x;
    const double steady = std::max(TransientChainExact(*chain, link.species, x, INFINITY),
                                   TransientChainScreening(*chain, link.species, x, INFINITY));
    if (!(steady > best)) continue;
    best = steady;
    out->chainBasis = ChainText(project, *chain, link.species);
    out->timing.chain = std::move(chain);
    out->timing.species = link.species;
  }
  if (!out->timing.chain && !why.empty()) out->chainBasis = "followed alone: " + why;
}
