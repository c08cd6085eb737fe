// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Decay-chain concentrations from divided differences of the single-species
// solutions in the decay rate.
#include "engine/chains/chaincalc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "diagnostics/report.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/exactseries.h"
#include "engine/core/validation.h"
#include "engine/project/transport.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kVelocityThreshold = 1e-40;
// Most Taylor terms a cluster of close rates gets beyond its own order.
constexpr int kMaxExtraTerms = 25;

std::string Quoted(const std::string& name) {
  return "\"" + name + "\"";
}

const Contaminant* FindContaminant(const Project& project, const std::string& name, int* index) {
  for (int k = 0; k < project.contaminantCount && project.contaminants; ++k) {
    const Contaminant& c = project.contaminants[k];
    if (std::strncmp(c.name, name.c_str(), kNameCapacity) == 0 && name.size() < kNameCapacity) {
      *index = k;
      return &c;
    }
  }
  *index = -1;
  return nullptr;
}

// ---- The single-species solution as a function of the rate -----------------
//
// Rates are scaled to z = k s / v (the decay over the mean travel time), so
// that Taylor coefficients and spacings of rates are of order 1 whatever the
// units and distances.
//
// Beside the centre line (y != 0) each transformed species a_i spreads
// across the flow as a single species of rate k_i does: the screening
// formula's transverse factor does not depend on the rate, while the exact
// solution's does, through the arrival times, and takes its own series.
struct RateSolution {
  const Aquifer* aquifer;
  ChainModel model;
  double s, travelTime;  // travelTime = s / v
  double y = 0.0;        // distance from the centre line

  double Value(double k) const {
    switch (model) {
      case ChainModel::Screening:
        return y == 0.0 ? virelo_math_ScreeningConcentration(aquifer, k, s)
                        : virelo_math_ScreeningConcentrationOffAxis(aquifer, k, s, y);
      case ChainModel::Exact: return virelo_math_ExactConcentrationOffAxis(aquifer, k, s, y);
      case ChainModel::PlugFlow: break;
    }
    return std::exp(-k * travelTime);
  }

  // coeff[n] = (1/n!) d^n G / dz^n at z = k s / v, n = 0 .. order.
  void Series(double k, int order, double* coeff) const {
    if (model == ChainModel::Exact) {
      virelo_math_ExactConcentrationSeriesOffAxis(aquifer, k, s, y, order, coeff);
      return;
    }
    if (model == ChainModel::PlugFlow) {
      // exp(-z) about z: exp(-z) (-1)^n / n!.
      coeff[0] = std::exp(-k * travelTime);
      for (int n = 1; n <= order; ++n) coeff[n] = -coeff[n - 1] / n;
      return;
    }
    // Screening: G = E exp(phi(z)), phi = (1 - sqrt(1 + 4 alpha z)) / (2 alpha),
    // alpha = ax / s, E the two erf factors (independent of the rate).
    const Aquifer& a = *aquifer;
    const double eY = y == 0.0 ? SeriesErf(a.sourceThicknessSy / std::sqrt(a.dispersivityAy * s * 4.0))
                               : virelo_math_ScreeningTransverseFactor(aquifer, s, y);
    const double eZ = SeriesErf(a.sourceWidthSz / std::sqrt(a.dispersivityAz * s * 4.0));
    const double alpha = a.dispersivityAx / s, z = k * travelTime;
    const double w = 1.0 + 4.0 * alpha * z, root = std::sqrt(w);
    // phi's Taylor coefficients: phi_0 without cancellation, then from
    // sqrt(w + 4 alpha h) = sqrt(w) sum binom(1/2, n) (4 alpha h / w)^n.
    std::vector<double> phi(static_cast<size_t>(order) + 1);
    phi[0] = -2.0 * z / (1.0 + root);
    double binom = 1.0, power = 1.0 / root;  // power = (4 alpha)^(n-1) w^(1/2-n)
    for (int n = 1; n <= order; ++n) {
      binom *= (0.5 - (n - 1)) / n;
      power = n == 1 ? power : power * 4.0 * alpha / w;
      phi[n] = -2.0 * binom * power;
    }
    // exp of a series: f' = phi' f, so n f_n = sum_j j phi_j f_n-j.
    coeff[0] = std::exp(phi[0]);
    for (int n = 1; n <= order; ++n) {
      double sum = 0.0;
      for (int j = 1; j <= n; ++j) sum += j * phi[j] * coeff[n - j];
      coeff[n] = sum / n;
    }
    for (int n = 0; n <= order; ++n) coeff[n] *= eZ * eY;
  }
};

// The divided differences of G over sets of chain rates at one point s.
//
// Rates closer than `gap` (scaled) are gathered into clusters. A divided
// difference over rates of one cluster comes from the Taylor series at the
// cluster's centre: (x - c)^n has the divided difference h_n-m(x_0 - c, ...),
// the complete symmetric polynomial, over m + 1 nodes. Across clusters the
// ordinary recursion divides by a difference of at least `gap`, which loses
// at most a small factor. The gap keeps every node within a fifth of the
// Taylor series' radius of convergence (the branch point of the screening
// exponent at z = -s/(4 ax), and the same for the exact integral) and of the
// scale 1 on which exp(-z) varies.
class DividedDifferences {
 public:
  DividedDifferences(const RateSolution& g, const std::vector<double>& rates) : g_(g), rates_(rates) {
    const int n = static_cast<int>(rates.size());
    z_.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) z_[i] = rates[i] * g.travelTime;
    value_.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) value_[i] = g.Value(rates[i]);

    // exp(-z) has no branch point: only its own scale bounds the plug flow's.
    const double radius =
        g.model == ChainModel::PlugFlow ? 1.0 : std::min(1.0, g.s / (4.0 * g.aquifer->dispersivityAx));
    const double gap = 0.1 * radius;
    std::vector<int> order(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](int a, int b) { return z_[a] < z_[b]; });
    cluster_.assign(static_cast<size_t>(n), -1);
    for (int k = 0; k < n; ++k) {
      const int i = order[k];
      if (k == 0 || !(z_[i] - z_[order[k - 1]] <= gap)) clusters_.push_back({z_[i], z_[i], 0, {}});
      Cluster& c = clusters_.back();
      c.high = z_[i];
      ++c.members;
      cluster_[i] = static_cast<int>(clusters_.size()) - 1;
    }
    for (Cluster& c : clusters_) {
      if (c.members < 2) continue;
      c.centre = 0.5 * (c.low + c.high);
      // Enough terms that (half width / radius)^terms is below 1e-17.
      const double ratio = 0.5 * (c.high - c.low) / radius;
      int extra = ratio > 0.0 ? static_cast<int>(std::ceil(-17.0 / std::log10(ratio))) : 1;
      extra = std::clamp(extra, 1, kMaxExtraTerms);
      c.coeff.resize(static_cast<size_t>(c.members + extra));
      g.Series(c.centre / g.travelTime, static_cast<int>(c.coeff.size()) - 1, c.coeff.data());
    }
  }

  // (-1)^(last-first) G_z[z_first .. z_last] over the chain's species first..last.
  double SignedOver(int first, int last) const {
    std::vector<int> nodes;
    for (int i = first; i <= last; ++i) nodes.push_back(i);
    std::sort(nodes.begin(), nodes.end(), [&](int a, int b) { return z_[a] < z_[b]; });
    const int m = static_cast<int>(nodes.size());
    // table[a * m + b]: divided difference over sorted nodes a..b.
    std::vector<double> table(static_cast<size_t>(m * m));
    for (int width = 0; width < m; ++width) {
      for (int a = 0; a + width < m; ++a) {
        const int b = a + width;
        double& entry = table[static_cast<size_t>(a * m + b)];
        if (width == 0) {
          entry = value_[nodes[a]];
        } else if (cluster_[nodes[a]] == cluster_[nodes[b]]) {
          entry = FromSeries(clusters_[cluster_[nodes[a]]], nodes, a, b);
        } else {
          entry = (table[static_cast<size_t>((a + 1) * m + b)] - table[static_cast<size_t>(a * m + b - 1)]) /
                  (z_[nodes[b]] - z_[nodes[a]]);
        }
      }
    }
    const double d = table[static_cast<size_t>(m - 1)];
    return (m - 1) % 2 == 0 ? d : -d;
  }

  double z(int i) const { return z_[i]; }

 private:
  struct Cluster {
    double low, high;
    int members;
    std::vector<double> coeff;
    double centre = 0.0;
  };

  double FromSeries(const Cluster& c, const std::vector<int>& nodes, int a, int b) const {
    const int order = b - a;
    const int terms = static_cast<int>(c.coeff.size()) - order;
    // h[p] = complete homogeneous symmetric polynomial of degree p in the
    // offsets of nodes a..b from the centre.
    std::vector<double> h(static_cast<size_t>(std::max(terms, 1)), 0.0);
    h[0] = 1.0;
    for (int k = a; k <= b; ++k) {
      const double x = z_[nodes[k]] - c.centre;
      for (int p = 1; p < terms; ++p) h[p] += x * h[p - 1];
    }
    double sum = 0.0;
    for (int p = terms - 1; p >= 0; --p) sum += c.coeff[static_cast<size_t>(order + p)] * h[p];
    return sum;
  }

  const RateSolution& g_;
  std::vector<double> rates_, z_, value_;
  std::vector<int> cluster_;
  std::vector<Cluster> clusters_;
};

AssessmentClass SingleSpeciesClass(const Aquifer& aquifer, const Contaminant& contaminant,
                                   AssessmentRange range) {
  if (virelo_CheckAquiferAF(&aquifer, nullptr) != 0 || virelo_CheckContaminant(&contaminant, nullptr) != 0)
    return AssessmentClass::Problems;
  ContaminantResult result{};
  virelo_math_CalcAttenuationFactor(&aquifer, &contaminant, &result);
  return ClassifyAttenuationFactor(result.sourceRatio, range);
}

}  // namespace

std::vector<std::string> ResolveChain(const Project& project, const DecayChain& chain, ResolvedChain* out) {
  ResolvedChain r;
  std::vector<std::string> problems = ResolveChainSpecies(project, chain, &r);
  ProblemCode* codes = nullptr;
  const int aquiferProblems = virelo_CheckAquiferAF(&project.aquifer, &codes);
  for (int k = 0; k < aquiferProblems && codes; ++k) {
    char text[256] = "";
    if (virelo_GetProblemText(codes[k], text)) problems.push_back(std::string("Aquifer: ") + text);
  }
  if (aquiferProblems > 0 && !codes) problems.push_back("Aquifer: the aquifer data have problems.");
  std::free(codes);
  if (problems.empty() && out) *out = std::move(r);
  return problems;
}

std::vector<std::string> ResolveChainSpecies(const Project& project, const DecayChain& chain,
                                             ResolvedChain* out) {
  std::vector<std::string> problems;
  ResolvedChain r;
  const int n = static_cast<int>(chain.species.size());
  int contaminants = 0;
  for (int i = 0; i < n; ++i) {
    const std::string& name = chain.species[i];
    int index = -1;
    const Contaminant* c = FindContaminant(project, name, &index);
    for (int j = 0; j < i; ++j) {
      if (chain.species[j] == name)
        problems.push_back(Quoted(name) + " appears more than once in the chain.");
    }
    if (!c && name == kChainEndProduct) {
      if (i != n - 1)
        problems.push_back("The end product " + Quoted(name) + " can only come last in the chain.");
      r.endProduct = true;
      r.names.push_back(name);
      r.contaminantIndex.push_back(-1);
      r.rate.push_back(0.0);
      r.c0.push_back(0.0);
      r.ca.push_back(kNaN);
      continue;
    }
    if (!c) {
      problems.push_back(Quoted(name) + " is not a contaminant of the project.");
      continue;
    }
    ++contaminants;
    // The rate the steady chain decays at: lambda R under "decay of dissolved
    // and sorbed phase", where the sorbed mass decays and forms the daughter
    // as well.
    const Contaminant steady = virelo_SteadyContaminant(project, *c);
    double lambda = 0.0;
    if (!virelo_GetLambda(&steady, &lambda)) {
      problems.push_back(Quoted(name) + " has no decay constant selected.");
    } else if (!(lambda >= 0.0) || !std::isfinite(lambda)) {
      problems.push_back("The decay constant of " + Quoted(name) + " must be a number of at least 0.");
    }
    const double c0 = (c->valueMask & kValueC0) ? c->c0 : 0.0;
    if (!(c0 >= 0.0) || !std::isfinite(c0))
      problems.push_back("The source concentration C0 of " + Quoted(name) +
                         " must be a number of at least 0.");
    const double ca = (c->valueMask & kValueCa) ? c->ca : 0.0;
    if (!(ca > 0.0) || !std::isfinite(ca))
      problems.push_back(Quoted(name) + " needs an acceptable concentration CA above 0.");
    r.names.push_back(name);
    r.contaminantIndex.push_back(index);
    r.rate.push_back(lambda);
    r.c0.push_back(c0);
    r.ca.push_back(ca);
  }
  if (contaminants < kChainMinSpecies || contaminants > kChainMaxSpecies) {
    problems.insert(problems.begin(), "A decay chain takes " + std::to_string(kChainMinSpecies) + " to " +
                                          std::to_string(kChainMaxSpecies) + " contaminants; this one has " +
                                          std::to_string(contaminants) + ".");
  }
  if (static_cast<int>(chain.yields.size()) != std::max(n - 1, 0)) {
    problems.push_back("The chain needs one yield per daughter: " + std::to_string(chain.yields.size()) +
                       " given for " + std::to_string(std::max(n - 1, 0)) + " daughters.");
  } else {
    r.yield.push_back(1.0);
    for (int i = 1; i < n; ++i) {
      const double y = chain.yields[static_cast<size_t>(i - 1)];
      if (!(y > 0.0) || !std::isfinite(y))
        problems.push_back("The yield of " + Quoted(chain.species[i]) + " from " +
                           Quoted(chain.species[i - 1]) + " must be a number above 0.");
      r.yield.push_back(y);
    }
  }
  if (contaminants > 0 && std::all_of(r.c0.begin(), r.c0.end(), [](double c) { return c == 0.0; }))
    problems.push_back("No species of the chain has a source concentration C0 above 0.");
  if (problems.empty() && out) *out = std::move(r);
  return problems;
}

void ChainConcentrations(const Aquifer& aquifer, const ResolvedChain& chain, ChainModel model, double s,
                         double* out) {
  ChainConcentrationsAt(aquifer, chain, model, s, 0.0, out);
}

void ChainConcentrationsAt(const Aquifer& aquifer, const ResolvedChain& chain, ChainModel model, double s,
                           double y, double* out) {
  const int n = chain.size();
  const double v = aquifer.gradientI * aquifer.conductivityKf / aquifer.porosityNe;
  if (s == 0.0 && y == 0.0) {
    for (int i = 0; i < n; ++i) out[i] = chain.c0[i];
    return;
  }
  if (!(s > 0.0) || !std::isfinite(s) || std::isnan(v) || !std::isfinite(y)) {
    for (int i = 0; i < n; ++i) out[i] = kNaN;
    return;
  }
  if (std::fabs(v) < kVelocityThreshold) {
    // No flow: nothing reaches s, as for a single species.
    for (int i = 0; i < n; ++i) out[i] = 0.0;
    return;
  }
  // Plug flow carries no spreading across the flow: it has the centre line only.
  const RateSolution g{&aquifer, model, s, s / v, model == ChainModel::PlugFlow ? 0.0 : y};
  const DividedDifferences dd(g, chain.rate);
  for (int i = 0; i < n; ++i) {
    double sum = 0.0;
    for (int j = 0; j <= i; ++j) {
      if (chain.c0[j] == 0.0) continue;
      double production = chain.c0[j];
      for (int l = j; l < i; ++l) production *= chain.yield[l + 1] * dd.z(l);
      if (production == 0.0) continue;
      sum += production * dd.SignedOver(j, i);
    }
    // Every term is positive in exact arithmetic; what rounding leaves below
    // zero in the far tail is no concentration.
    out[i] = sum < 0.0 ? 0.0 : sum;
  }
}

int ChainProfile(const Aquifer& aquifer, const ResolvedChain& chain, double to, int points, double* s,
                 double* screening, double* exact) {
  if (points < 1 || !(to > 0.0) || !std::isfinite(to)) {
    ReportError(ActiveReportCallbacks(), "ChainProfile", 0,
                "A profile needs at least one point and a positive distance!");
    return 0;
  }
  const size_t n = static_cast<size_t>(chain.size());
  for (int k = 0; k < points; ++k) {
    const double sk = to * (k + 1) / points;
    if (s) s[k] = sk;
    if (screening) ChainConcentrations(aquifer, chain, ChainModel::Screening, sk, screening + k * n);
    if (exact) ChainConcentrations(aquifer, chain, ChainModel::Exact, sk, exact + k * n);
  }
  return 1;
}

AssessmentClass ClassifyChainConcentration(double c, double ca, AssessmentRange range) {
  if (!(ca > 0.0) || !std::isfinite(ca)) return AssessmentClass::Problems;
  const double ratio = c / ca;
  if (std::isnan(ratio) || std::isinf(ratio)) return AssessmentClass::Red;
  // A saved range could put its lower bound at or above 1; a species above
  // its acceptable concentration must still not come out Green.
  if (ratio <= range.lower && ratio <= 1.0) return AssessmentClass::Green;
  if (ratio <= range.upper) return AssessmentClass::Yellow;
  return AssessmentClass::Red;
}

std::vector<ChainReceptorRow> ChainAtReceptor(const Project& project, const ResolvedChain& chain,
                                              AssessmentRange range) {
  const int n = chain.size();
  std::vector<double> screening(static_cast<size_t>(n)), exact(static_cast<size_t>(n));
  const double x = project.aquifer.distanceX;
  ChainConcentrations(project.aquifer, chain, ChainModel::Screening, x, screening.data());
  ChainConcentrations(project.aquifer, chain, ChainModel::Exact, x, exact.data());
  std::vector<ChainReceptorRow> rows;
  for (int i = 0; i < n; ++i) {
    ChainReceptorRow row;
    row.name = chain.names[i];
    row.endProduct = chain.contaminantIndex[i] < 0;
    row.ca = chain.ca[i];
    row.screening = screening[i];
    row.exact = exact[i];
    if (!row.endProduct) {
      row.screeningClass = ClassifyChainConcentration(row.screening, row.ca, range);
      row.exactClass = ClassifyChainConcentration(row.exact, row.ca, range);
      row.singleClass = SingleSpeciesClass(
          project.aquifer, virelo_SteadyContaminant(project, project.contaminants[chain.contaminantIndex[i]]),
          range);
    }
    rows.push_back(row);
  }
  return rows;
}

std::vector<ChainWarning> ChainWarnings(const Project& project, const std::vector<DecayChain>& chains,
                                        AssessmentRange range) {
  std::vector<ChainWarning> warnings;
  for (size_t k = 0; k < chains.size(); ++k) {
    ResolvedChain chain;
    if (!ResolveChain(project, chains[k], &chain).empty()) continue;
    const std::vector<ChainReceptorRow> rows = ChainAtReceptor(project, chain, range);
    for (size_t i = 0; i < rows.size(); ++i) {
      const ChainReceptorRow& row = rows[i];
      if (row.endProduct) continue;
      // Red < Yellow < Green; Problems alone is no verdict to compare with.
      const bool concern =
          row.screeningClass == AssessmentClass::Red || row.screeningClass == AssessmentClass::Yellow;
      const bool worse = row.singleClass == AssessmentClass::Problems ||
                         static_cast<int>(row.screeningClass) < static_cast<int>(row.singleClass);
      if (!concern || !worse) continue;
      ChainWarning w;
      w.contaminantIndex = chain.contaminantIndex[i];
      w.chain = static_cast<int>(k);
      w.screening = row.screening;
      w.exact = row.exact;
      w.chainClass = row.screeningClass;
      w.exactClass = row.exactClass;
      w.singleClass = row.singleClass;
      warnings.push_back(w);
    }
  }
  return warnings;
}
