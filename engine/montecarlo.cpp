// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Monte Carlo over the input distributions: drawing, computing each
// assessment per draw, and the shares, percentiles and rank correlations.
//
// Every drawn value is a function of the seed, the input and the sample
// index alone (engine/distributions.h), every sample is written to its own
// slot, and all statistics are taken on one thread per row in sample order:
// so the numbers are the same with any number of threads.
#include "engine/montecarlo.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <limits>
#include <mutex>
#include <numeric>
#include <system_error>
#include <thread>

#include "engine/calc.h"
#include "engine/dispersivity.h"
#include "engine/distributions.h"
#include "engine/evidence.h"
#include "engine/exact.h"
#include "engine/extras.h"
#include "engine/validation.h"

namespace {

constexpr double kMinimum = 1e-10;  // "greater than 0" in the input checks
constexpr double kInf = std::numeric_limits<double>::infinity();
// Samples per evaluation job, and how many (contaminant, sample) values a
// batch of contaminants may hold at once.
constexpr int kBlock = 2048;
constexpr long kBatchValues = 1L << 21;

struct Draw {
  UncertainInput input;
  Sampler sampler;
  uint64_t start;
};

std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", v);
  return text;
}

int FindContaminant(const Project& project, const std::string& name) {
  if (!project.contaminants) return -1;
  for (int k = 0; k < project.contaminantCount; ++k)
    if (name == project.contaminants[k].name) return k;
  return -1;
}

bool Assessed(const Project& project, int index) {
  return index >= 0 && project.contaminants[index].assess != 0;
}

// The values the input checks accept, as an interval and in words.
struct Accepted {
  double low, high;
  const char* words;
};
Accepted AcceptedValues(UncertainInput input) {
  switch (input) {
    case UncertainInput::Ne: return {kMinimum, 1.0, "greater than 0 and at most 1"};
    case UncertainInput::Ay:
    case UncertainInput::Az: return {0.0, kInf, "0 or more"};
    default: return {kMinimum, kInf, "greater than 0"};
  }
}

bool IsDispersivity(UncertainInput input) {
  return input == UncertainInput::Ax || input == UncertainInput::Ay || input == UncertainInput::Az;
}

bool EntersPlumeLength(UncertainInput input) {
  switch (input) {
    case UncertainInput::X:
    case UncertainInput::Kf:
    case UncertainInput::I:
    case UncertainInput::Ne:
    case UncertainInput::Lambda:
    case UncertainInput::C0:
    case UncertainInput::CA: return true;
    default: return false;
  }
}

void SetAquifer(Aquifer& a, UncertainInput input, double v) {
  switch (input) {
    case UncertainInput::X: virelo_SetAquiferValue(&a, kAquiferX, v); break;
    case UncertainInput::Kf: virelo_SetAquiferValue(&a, kAquiferKf, v); break;
    case UncertainInput::I: virelo_SetAquiferValue(&a, kAquiferI, v); break;
    case UncertainInput::Ne: virelo_SetAquiferValue(&a, kAquiferNe, v); break;
    case UncertainInput::Ax: virelo_SetAquiferValue(&a, kAquiferAx, v); break;
    case UncertainInput::Ay: virelo_SetAquiferValue(&a, kAquiferAy, v); break;
    case UncertainInput::Az: virelo_SetAquiferValue(&a, kAquiferAz, v); break;
    // The model holds the half-width across the flow.
    case UncertainInput::Width: virelo_SetAquiferValue(&a, kAquiferSy, 0.5 * v); break;
    case UncertainInput::Thickness: virelo_SetAquiferValue(&a, kAquiferSz, v); break;
    default: break;
  }
}

void SetContaminant(Contaminant& c, UncertainInput input, double v) {
  switch (input) {
    case UncertainInput::Lambda:
      if (double* field = virelo_LambdaField(&c, c.lambdaSelected)) {
        *field = v;
        c.lambdaMask = static_cast<uint16_t>(c.lambdaMask | c.lambdaSelected);
      }
      break;
    case UncertainInput::C0: virelo_SetContaminantValue(&c, kValueC0, v); break;
    case UncertainInput::CA: virelo_SetContaminantValue(&c, kValueCa, v); break;
    default: break;
  }
}

// Runs fn(0 .. count-1) on up to `threads` threads (the caller's included).
template <typename Fn>
void ParallelFor(size_t count, int threads, Fn fn) {
  std::atomic<size_t> next{0};
  auto work = [&]() {
    for (size_t job; (job = next.fetch_add(1)) < count;) fn(job);
  };
  size_t wanted = threads > 0 ? static_cast<size_t>(threads) : std::thread::hardware_concurrency();
  wanted = std::clamp<size_t>(wanted, 1, std::max<size_t>(count, 1));
  std::vector<std::thread> helpers;
  for (size_t t = 1; t < wanted; ++t) {
    try {
      helpers.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // the threads already running share the rest
    }
  }
  work();
  for (std::thread& helper : helpers) helper.join();
}

// Ranks 1..n of the values, ties sharing their mean rank; with `sorted`,
// also the values in ascending order. Sorting (value, index) pairs keeps
// the order the same on every run and the sort close to its memory.
std::vector<double> Ranks(const std::vector<double>& values, std::vector<double>* sorted = nullptr) {
  const size_t n = values.size();
  std::vector<std::pair<double, uint32_t>> order(n);
  for (size_t k = 0; k < n; ++k) order[k] = {values[k], static_cast<uint32_t>(k)};
  std::sort(order.begin(), order.end());
  std::vector<double> rank(n);
  for (size_t first = 0; first < n;) {
    size_t last = first + 1;
    while (last < n && order[last].first == order[first].first) ++last;
    const double mean = 0.5 * static_cast<double>(first + last + 1);
    for (size_t j = first; j < last; ++j) rank[order[j].second] = mean;
    first = last;
  }
  if (sorted) {
    sorted->resize(n);
    for (size_t k = 0; k < n; ++k) (*sorted)[k] = order[k].first;
  }
  return rank;
}

double Correlation(const std::vector<double>& x, const std::vector<double>& y) {
  const size_t n = x.size();
  if (n < 2) return 0.0;
  const double mean = 0.5 * static_cast<double>(n + 1);  // of ranks 1..n, ties or not
  double sxy = 0.0, sxx = 0.0, syy = 0.0;
  for (size_t k = 0; k < n; ++k) {
    const double dx = x[k] - mean, dy = y[k] - mean;
    sxy += dx * dy;
    sxx += dx * dx;
    syy += dy * dy;
  }
  if (!(sxx > 0.0) || !(syy > 0.0)) return 0.0;  // a constant: no influence to see
  return sxy / std::sqrt(sxx * syy);
}

// Linear between the order statistics (p (n - 1) from the smallest); where
// one neighbour is infinite, the nearer one.
double Percentile(const std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0.0;
  const double at = p * static_cast<double>(sorted.size() - 1);
  const size_t low = static_cast<size_t>(std::floor(at));
  const size_t high = std::min(low + 1, sorted.size() - 1);
  const double share = at - static_cast<double>(low);
  const double a = sorted[low], b = sorted[high];
  if (share == 0.0 || a == b) return a;
  if (!std::isfinite(a) || !std::isfinite(b)) return share < 0.5 ? a : b;
  return a + share * (b - a);
}

// The same on values in any order, which it reorders: the two order
// statistics around the level, found in linear time.
double PercentileUnsorted(std::vector<double>& values, double p) {
  if (values.empty()) return 0.0;
  const double at = p * static_cast<double>(values.size() - 1);
  const size_t low = static_cast<size_t>(std::floor(at));
  auto lowAt = values.begin() + static_cast<long>(low);
  std::nth_element(values.begin(), lowAt, values.end());
  const double a = *lowAt;
  const double b = low + 1 < values.size() ? *std::min_element(lowAt + 1, values.end()) : a;
  const std::vector<double> pair = {a, b};
  return Percentile(pair, at - static_cast<double>(low));
}

// The ratio as an ordered quantity: an undefined ratio is the worst, and an
// attenuation factor's infinite ratio (nothing arrives) the best, 0.
double OrderKey(double ratio, bool plumeLength) {
  if (std::isnan(ratio)) return kInf;
  if (!plumeLength && std::isinf(ratio)) return 0.0;
  return ratio;
}

// The values of one row across the samples of one batch.
struct RowValues {
  std::vector<double> key, concentration;
  std::vector<uint8_t> cls, exceeds;
};

struct RowPlan {
  int contaminant;  // index into the project
  int batchSlot;    // the contaminant's slot in its batch
  size_t rowIndex;  // into run.rows
};

}  // namespace

void DispersivitiesFollowingX(double x, double* ax, double* ay, double* az) {
  virelo_DispersivitiesFromX(x, ax, ay, az);
}

static VerdictBasis BasisOf(UncertaintyModel model) {
  switch (model) {
    case UncertaintyModel::Exact: return VerdictBasis::Exact;
    case UncertaintyModel::Worse: return VerdictBasis::Worse;
    case UncertaintyModel::Screening: break;
  }
  return VerdictBasis::Screening;
}

UncertaintyModel UncertaintyModelOf(VerdictBasis basis) {
  switch (basis) {
    case VerdictBasis::Exact: return UncertaintyModel::Exact;
    case VerdictBasis::Worse: return UncertaintyModel::Worse;
    case VerdictBasis::Screening: break;
  }
  return UncertaintyModel::Screening;
}

UncertaintyOptions UncertaintyOptionsOf(const Project& project) {
  const ProjectSettings& settings = virelo_SettingsOf(project);
  UncertaintyOptions options;
  if (IsAssessmentRangeIndex(settings.plumeRange))
    options.plumeLengthRange = kAssessmentRanges[settings.plumeRange].range;
  if (IsAssessmentRangeIndex(settings.afRange))
    options.attenuationRange = kAssessmentRanges[settings.afRange].range;
  options.verdictBasis = UncertaintyModelOf(settings.verdictBasis);
  return options;
}

double UncertaintyRow::StandardError(double p) const {
  return samples > 0 ? std::sqrt(p * (1.0 - p) / samples) : 0.0;
}

double UncertaintyRow::LargestStandardError() const {
  double se = 0.0;
  for (double p : {pGreen, pYellow, pRed, pExceed}) se = std::max(se, StandardError(p));
  return se;
}

std::vector<std::string> CheckUncertaintyPlan(const Project& project, const UncertaintyPlan& plan) {
  std::vector<std::string> problems;
  if (plan.samples < 1 || plan.samples > kMaxUncertaintySamples)
    problems.push_back("The number of samples must lie between 1 and " +
                       std::to_string(kMaxUncertaintySamples) + ".");
  const bool followX = project.approximateDispersivity != 0;
  for (size_t n = 0; n < plan.inputs.size(); ++n) {
    const InputDistribution& d = plan.inputs[n];
    const std::string label = UncertainInputLabel(d);
    const bool perContaminant = IsContaminantInput(d.input);
    if (perContaminant && d.contaminant.empty()) {
      problems.push_back(label + ": name the contaminant it belongs to.");
      continue;
    }
    if (!perContaminant && !d.contaminant.empty()) {
      problems.push_back(label + ": only lambda, C0 and CA belong to a contaminant.");
      continue;
    }
    const int index = perContaminant ? FindContaminant(project, d.contaminant) : -1;
    if (perContaminant && index < 0) {
      problems.push_back(label + ": the project has no contaminant of that name.");
      continue;
    }
    const bool twice = std::any_of(
        plan.inputs.begin(), plan.inputs.begin() + static_cast<long>(n),
        [&](const InputDistribution& e) { return e.input == d.input && e.contaminant == d.contaminant; });
    if (twice) {
      problems.push_back(label + " has more than one distribution.");
      continue;
    }
    std::string why;
    const Sampler sampler = Sampler::Make(d.kind, d.params, &why);
    if (!why.empty()) {
      problems.push_back(label + ": " + why + ".");
      continue;
    }
    if (sampler.IsFixed()) continue;
    if (followX && IsDispersivity(d.input)) {
      problems.push_back(
          label +
          ": \"Approximate by x\" derives the dispersivities from x, so this distribution would be "
          "ignored. Give x a distribution instead, or switch the approximation off.");
      continue;
    }
    if (d.input == UncertainInput::Lambda &&
        !virelo_LambdaField(&project.contaminants[index], project.contaminants[index].lambdaSelected)) {
      problems.push_back(label + ": the contaminant has no decay constant selected that this could replace.");
      continue;
    }
    const double low = sampler.Lowest(), high = sampler.Highest();
    const Accepted accepted = AcceptedValues(d.input);
    if (!std::isfinite(low) || !std::isfinite(high)) {
      problems.push_back(label + ": the " + DistributionKindName(d.kind) +
                         " distribution can draw values too large to compute with. Narrow or truncate it.");
    } else if (low < accepted.low || high > accepted.high) {
      problems.push_back(label + ": the " + DistributionKindName(d.kind) +
                         " distribution can draw values from " + Number(low) + " to " + Number(high) +
                         ", but " + label + " must be " + accepted.words + ". Narrow or truncate it.");
    }
  }
  // CA must not exceed C0 in any draw: compare the largest CA with the
  // smallest C0 that can meet in one sample.
  if (project.contaminants) {
    for (int k = 0; k < project.contaminantCount; ++k) {
      const Contaminant& c = project.contaminants[k];
      if (!Assessed(project, k)) continue;
      double largestCa = c.ca, smallestC0 = c.c0;
      bool drawn = false;
      for (const InputDistribution& d : plan.inputs) {
        if (d.contaminant != c.name || (d.input != UncertainInput::C0 && d.input != UncertainInput::CA))
          continue;
        std::string why;
        const Sampler s = Sampler::Make(d.kind, d.params, &why);
        if (!why.empty() || s.IsFixed()) continue;
        drawn = true;
        if (d.input == UncertainInput::CA) largestCa = s.Highest();
        if (d.input == UncertainInput::C0) smallestC0 = s.Lowest();
      }
      if (drawn && largestCa > smallestC0)
        problems.push_back(std::string("CA of ") + c.name + ": a draw can give CA up to " +
                           Number(largestCa) + " with C0 as low as " + Number(smallestC0) +
                           ", but CA must not exceed C0. Narrow or truncate the two.");
    }
  }
  return problems;
}

UncertaintyRun RunUncertainty(const Project& project, const UncertaintyPlan& plan,
                              const UncertaintyOptions& options) {
  UncertaintyRun run;
  run.problems = CheckUncertaintyPlan(project, plan);
  if (!run.problems.empty()) return run;
  const size_t n = static_cast<size_t>(plan.samples);
  run.samples = plan.samples;

  // The draws: the aquifer's shared by all contaminants (one site), each
  // contaminant's own.
  std::vector<Draw> aquiferDraws;
  std::vector<std::vector<Draw>> contaminantDraws(
      static_cast<size_t>(std::max<int>(project.contaminantCount, 0)));
  for (const InputDistribution& d : plan.inputs) {
    Draw draw{d.input, Sampler::Make(d.kind, d.params, nullptr),
              StreamStart(plan.seed, InputStream(d.input, d.contaminant))};
    if (draw.sampler.IsFixed()) continue;
    if (IsContaminantInput(d.input)) {
      // Every contaminant's own: a species of a chain passes its draws on to
      // its daughters even where it is not assessed itself.
      const int index = FindContaminant(project, d.contaminant);
      if (index >= 0) contaminantDraws[static_cast<size_t>(index)].push_back(draw);
    } else {
      aquiferDraws.push_back(draw);
    }
  }
  const bool followX = project.approximateDispersivity != 0 &&
                       std::any_of(aquiferDraws.begin(), aquiferDraws.end(),
                                   [](const Draw& d) { return d.input == UncertainInput::X; });

  std::vector<std::vector<double>> aquiferValues(aquiferDraws.size(), std::vector<double>(n));
  ParallelFor(aquiferDraws.size(), options.threads, [&](size_t j) {
    for (size_t k = 0; k < n; ++k)
      aquiferValues[j][k] = aquiferDraws[j].sampler.Quantile(UniformAt(aquiferDraws[j].start, k));
  });
  std::vector<std::vector<double>> aquiferRanks(aquiferDraws.size());
  ParallelFor(aquiferDraws.size(), options.threads,
              [&](size_t j) { aquiferRanks[j] = Ranks(aquiferValues[j]); });

  auto sampleAquifer = [&](size_t k) {
    Aquifer a = project.aquifer;
    for (size_t j = 0; j < aquiferDraws.size(); ++j)
      SetAquifer(a, aquiferDraws[j].input, aquiferValues[j][k]);
    if (followX) {
      DispersivitiesFollowingX(a.distanceX, &a.dispersivityAx, &a.dispersivityAy, &a.dispersivityAz);
      a.setMask = static_cast<uint16_t>(a.setMask | kAquiferAx | kAquiferAy | kAquiferAz);
    }
    return a;
  };
  auto sampleContaminant = [&](int index, size_t k, double* drawn) {
    Contaminant c = project.contaminants[index];
    const std::vector<Draw>& draws = contaminantDraws[static_cast<size_t>(index)];
    for (size_t j = 0; j < draws.size(); ++j) {
      const double v = draws[j].sampler.Quantile(UniformAt(draws[j].start, k));
      SetContaminant(c, draws[j].input, v);
      if (drawn) drawn[j] = v;
    }
    return c;
  };

  // The rows, and the input checks on the first draw: every draw lies in
  // what the checks accept (CheckUncertaintyPlan), so one check stands for
  // all. The checks are not reentrant, so they run here.
  const bool withBasis = options.verdictBasis != UncertaintyModel::Screening;
  std::vector<int> contaminants;
  const Aquifer firstAquifer = sampleAquifer(0);
  for (int index = 0; project.contaminants && index < project.contaminantCount; ++index) {
    const Contaminant& base = project.contaminants[index];
    if (!(base.assess & (kAssessPlumeLength | kAssessAttenuationFactor))) continue;
    const Contaminant first = sampleContaminant(index, 0, nullptr);
    bool evaluate = false;
    auto addRow = [&](bool plumeLength, UncertaintyModel model) {
      UncertaintyRow row;
      row.contaminantIndex = index;
      row.plumeLength = plumeLength;
      row.model = model;
      ProblemCode* codes = nullptr;
      const int aquiferCount = plumeLength ? virelo_CheckAquiferPlumeLength(&firstAquifer, &codes)
                                           : virelo_CheckAquiferAF(&firstAquifer, &codes);
      if (codes) row.problems.assign(codes, codes + aquiferCount);
      std::free(codes);
      codes = nullptr;
      const int contaminantCount = virelo_CheckContaminant(&first, &codes);
      if (codes) row.problems.insert(row.problems.end(), codes, codes + contaminantCount);
      std::free(codes);
      // A count whose codes could not be handed out still blocks the row.
      if (row.problems.empty() && aquiferCount + contaminantCount > 0) row.problems.push_back(0);
      evaluate = evaluate || row.problems.empty();
      run.rows.push_back(std::move(row));
    };
    if (base.assess & kAssessPlumeLength) addRow(true, UncertaintyModel::Screening);
    if (base.assess & kAssessAttenuationFactor) {
      addRow(false, UncertaintyModel::Screening);
      if (withBasis) addRow(false, options.verdictBasis);
    }
    if (evaluate) contaminants.push_back(index);
  }

  // The chains each evaluated contaminant stands in; their values are
  // refreshed from every draw.
  std::vector<std::vector<ChainLink>> links(static_cast<size_t>(std::max<int>(project.contaminantCount, 0)));
  if (!virelo_ExtrasOf(project).chains.empty())
    for (int index : contaminants) links[static_cast<size_t>(index)] = ChainLinksOf(project, index);

  // Which rows belong to which contaminant.
  std::vector<std::vector<size_t>> rowsOf(static_cast<size_t>(std::max<int>(project.contaminantCount, 0)));
  for (size_t r = 0; r < run.rows.size(); ++r)
    if (!run.rows[r].HasProblems()) rowsOf[static_cast<size_t>(run.rows[r].contaminantIndex)].push_back(r);

  std::mutex progressLock;
  std::atomic<bool> cancelled{false};
  std::atomic<size_t> done{0};
  const size_t total = contaminants.size() * n;
  const size_t blocks = (n + kBlock - 1) / kBlock;
  const size_t batchSize = std::max<size_t>(1, static_cast<size_t>(kBatchValues) / n);

  for (size_t batchStart = 0; batchStart < contaminants.size() && !cancelled; batchStart += batchSize) {
    const size_t batchEnd = std::min(contaminants.size(), batchStart + batchSize);
    const size_t batchCount = batchEnd - batchStart;
    // Per contaminant of the batch: its drawn values, and per row its values.
    std::vector<std::vector<double>> drawn(batchCount);
    std::vector<std::vector<RowValues>> values(batchCount);
    for (size_t b = 0; b < batchCount; ++b) {
      const int index = contaminants[batchStart + b];
      drawn[b].assign(contaminantDraws[static_cast<size_t>(index)].size() * n, 0.0);
      values[b].resize(rowsOf[static_cast<size_t>(index)].size());
      for (RowValues& v : values[b]) {
        v.key.assign(n, 0.0);
        v.concentration.assign(n, 0.0);
        v.cls.assign(n, 0);
        v.exceeds.assign(n, 0);
      }
    }

    ParallelFor(batchCount * blocks, options.threads, [&](size_t job) {
      if (cancelled) return;
      const size_t b = job / blocks;
      const int index = contaminants[batchStart + b];
      const std::vector<size_t>& rows = rowsOf[static_cast<size_t>(index)];
      const size_t draws = contaminantDraws[static_cast<size_t>(index)].size();
      const size_t first = (job % blocks) * kBlock, last = std::min(n, first + kBlock);
      std::vector<double> here(draws);
      for (size_t k = first; k < last; ++k) {
        const Aquifer a = sampleAquifer(k);
        const Contaminant c = sampleContaminant(index, k, here.data());
        for (size_t j = 0; j < draws; ++j) drawn[b][j * n + k] = here[j];
        // The chains the contaminant stands in, with every species as drawn.
        std::vector<ChainLink> drawnLinks = links[static_cast<size_t>(index)];
        for (ChainLink& link : drawnLinks) {
          for (int i = 0; i < link.chain.size(); ++i) {
            const int other = link.chain.contaminantIndex[static_cast<size_t>(i)];
            if (other < 0) continue;
            RefreshChainSpecies(other == index ? c : sampleContaminant(other, k, nullptr), i, &link.chain);
          }
        }
        ContaminantResult af{};
        bool afDone = false;
        for (size_t r = 0; r < rows.size(); ++r) {
          const UncertaintyRow& row = run.rows[rows[r]];
          VerdictOptions verdict{options.plumeLengthRange, options.attenuationRange, BasisOf(row.model)};
          ContaminantResult* computed = nullptr;
          if (!row.plumeLength) {
            // One calculation serves the screening row and the row under the
            // basis; the exact solution is added when a row first needs it.
            if (!afDone) virelo_math_CalcAttenuationFactor(&a, &c, &af), afDone = true;
            if (verdict.basis != VerdictBasis::Screening && !af.exactComputed)
              virelo_math_CalcExactAttenuationFactor(&a, &c, &af);
            computed = &af;
          }
          const ModelAssessment m = AssessModels(a, c, row.plumeLength, drawnLinks, verdict, computed);
          const double key = OrderKey(m.ratio, row.plumeLength);
          const double concentration = m.concentration;
          const AssessmentClass cls = m.cls;
          RowValues& out = values[b][r];
          out.key[k] = key;
          out.concentration[k] = std::isnan(concentration) ? kInf : concentration;
          out.cls[k] = static_cast<uint8_t>(cls);
          out.exceeds[k] = !(concentration <= c.ca);
        }
      }
      const size_t now = done.fetch_add(last - first) + (last - first);
      if (options.progress) {
        std::lock_guard<std::mutex> lock(progressLock);
        if (!cancelled && !options.progress(static_cast<double>(now) / static_cast<double>(total)))
          cancelled = true;
      }
    });
    if (cancelled) break;

    // The statistics, one contaminant per job: the ranks of its own draws
    // serve all its rows.
    ParallelFor(batchCount, options.threads, [&](size_t b) {
      const int index = contaminants[batchStart + b];
      const std::vector<Draw>& own = contaminantDraws[static_cast<size_t>(index)];
      std::vector<std::vector<double>> ownRanks(own.size());
      for (size_t j = 0; j < own.size(); ++j) {
        const std::vector<double> column(drawn[b].begin() + static_cast<long>(j * n),
                                         drawn[b].begin() + static_cast<long>((j + 1) * n));
        ownRanks[j] = Ranks(column);
      }
      // The draws of the other species of its chains, which reach it too.
      std::vector<std::pair<int, std::vector<std::vector<double>>>> speciesRanks;
      for (const ChainLink& link : links[static_cast<size_t>(index)]) {
        for (int other : link.chain.contaminantIndex) {
          const bool seen = std::any_of(speciesRanks.begin(), speciesRanks.end(),
                                        [&](const auto& entry) { return entry.first == other; });
          if (other < 0 || other == index || seen) continue;
          std::vector<std::vector<double>> ranks;
          for (const Draw& draw : contaminantDraws[static_cast<size_t>(other)]) {
            std::vector<double> column(n);
            for (size_t k = 0; k < n; ++k) column[k] = draw.sampler.Quantile(UniformAt(draw.start, k));
            ranks.push_back(Ranks(column));
          }
          speciesRanks.emplace_back(other, std::move(ranks));
        }
      }
      const std::vector<size_t>& rows = rowsOf[static_cast<size_t>(index)];
      for (size_t r = 0; r < rows.size(); ++r) {
        UncertaintyRow& row = run.rows[rows[r]];
        RowValues& v = values[b][r];
        row.samples = plan.samples;
        size_t counts[4] = {0, 0, 0, 0}, exceeds = 0;
        for (size_t k = 0; k < n; ++k) {
          ++counts[v.cls[k] & 3];
          exceeds += v.exceeds[k];
        }
        const double all = static_cast<double>(n);
        row.pGreen = static_cast<double>(counts[static_cast<int>(AssessmentClass::Green)]) / all;
        row.pYellow = static_cast<double>(counts[static_cast<int>(AssessmentClass::Yellow)]) / all;
        row.pRed = static_cast<double>(counts[static_cast<int>(AssessmentClass::Red)]) / all;
        row.pExceed = static_cast<double>(exceeds) / all;

        std::vector<double> sorted;
        const std::vector<double> ratioRanks = Ranks(v.key, &sorted);
        const double levels[3] = {0.05, 0.5, 0.95};
        for (int p = 0; p < 3; ++p) row.ratio[p] = Percentile(sorted, levels[p]);
        if (options.keepRatios) row.sortedRatios = std::move(sorted);
        for (int p = 0; p < 3; ++p) row.concentration[p] = PercentileUnsorted(v.concentration, levels[p]);

        for (size_t j = 0; j < aquiferDraws.size(); ++j) {
          if (row.plumeLength && !EntersPlumeLength(aquiferDraws[j].input)) continue;
          row.ranking.push_back({aquiferDraws[j].input, Correlation(aquiferRanks[j], ratioRanks), {}});
        }
        for (size_t j = 0; j < own.size(); ++j)
          row.ranking.push_back({own[j].input, Correlation(ownRanks[j], ratioRanks), {}});
        for (const auto& [other, ranks] : speciesRanks)
          for (size_t j = 0; j < ranks.size(); ++j)
            row.ranking.push_back({contaminantDraws[static_cast<size_t>(other)][j].input,
                                   Correlation(ranks[j], ratioRanks), project.contaminants[other].name});
        std::stable_sort(row.ranking.begin(), row.ranking.end(),
                         [](const InputInfluence& p, const InputInfluence& q) {
                           return std::fabs(p.rankCorrelation) > std::fabs(q.rankCorrelation);
                         });
      }
    });
  }
  if (cancelled) {
    run.cancelled = true;
    run.rows.clear();
  }
  return run;
}
