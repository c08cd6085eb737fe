// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Monte Carlo over the input distributions: drawing, computing each
// assessment per draw, and the shares, percentiles and rank correlations.
//
// Every drawn value is a function of the seed, the input and the sample
// index alone (engine/core/distributions.h), every sample is written to its own
// slot, and all statistics are taken on one thread per row in sample order:
// so the numbers are the same with any number of threads.
#include "engine/uncertainty/montecarlo.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <limits>
#include <mutex>
#include <numeric>
#include <optional>
#include <system_error>
#include <thread>

#include "engine/core/calc.h"
#include "engine/core/dispersivity.h"
#include "engine/core/distributions.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/evidence/evidence.h"
#include "engine/evidence/wellsevidence.h"
#include "engine/project/extras.h"
#include "engine/uncertainty/montecarlo_stats.h"

namespace {

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

}  // namespace

int UncertaintyContaminantIndex(const Project& project, const std::string& name) {
  if (!project.contaminants) return -1;
  for (int k = 0; k < project.contaminantCount; ++k)
    if (name == project.contaminants[k].name) return k;
  return -1;
}

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

namespace {

// The draws of a run: the aquifer's, shared by all contaminants (one site)
// and drawn up front with their ranks, and each contaminant's own, drawn
// again wherever a sample needs them (a value depends on the seed, the
// input and the sample alone).
struct RunDraws {
  explicit RunDraws(const Project& of) : project(of) {}
  const Project& project;
  int samples = 0;
  size_t n = 0;
  std::vector<Draw> aquifer;
  std::vector<std::vector<Draw>> contaminant;  // by contaminant index
  bool followX = false;                        // "Approximate by x" with x drawn
  std::vector<std::vector<double>> aquiferValues, aquiferRanks;

  Aquifer SampleAquifer(size_t k) const {
    Aquifer a = project.aquifer;
    for (size_t j = 0; j < aquifer.size(); ++j) SetAquifer(a, aquifer[j].input, aquiferValues[j][k]);
    if (followX) {
      DispersivitiesFollowingX(a.distanceX, &a.dispersivityAx, &a.dispersivityAy, &a.dispersivityAz);
      a.setMask = static_cast<uint16_t>(a.setMask | kAquiferAx | kAquiferAy | kAquiferAz);
    }
    return a;
  }
  // The contaminant as the steady models of sample k see it: its drawn
  // values under the project's decay convention, R taken from the sample's
  // own aquifer `a` (a drawn ne moves it). With `drawn`, the contaminant's
  // drawn values as typed, in the order of its draws.
  Contaminant SteadyContaminant(int index, size_t k, const Aquifer& a, double* drawn) const {
    return SteadyContaminantWith(TransportOf(project), a, SampleContaminant(index, k, drawn));
  }
  // With `drawn`, the contaminant's drawn values too, in the order of its draws.
  Contaminant SampleContaminant(int index, size_t k, double* drawn) const {
    Contaminant c = project.contaminants[index];
    const std::vector<Draw>& draws = contaminant[static_cast<size_t>(index)];
    for (size_t j = 0; j < draws.size(); ++j) {
      const double v = draws[j].sampler.Quantile(UniformAt(draws[j].start, k));
      SetContaminant(c, draws[j].input, v);
      if (drawn) drawn[j] = v;
    }
    return c;
  }
};

// Drawing: the plan's distributions as draws, and the aquifer's values of
// every sample with their ranks.
RunDraws DrawInputs(const Project& project, const UncertaintyPlan& plan, int threads) {
  RunDraws draws(project);
  draws.samples = plan.samples;
  draws.n = static_cast<size_t>(plan.samples);
  draws.contaminant.resize(static_cast<size_t>(std::max<int>(project.contaminantCount, 0)));
  for (const InputDistribution& d : plan.inputs) {
    Draw draw{d.input, Sampler::Make(d.kind, d.params, nullptr),
              StreamStart(plan.seed, InputStream(d.input, d.contaminant))};
    if (draw.sampler.IsFixed()) continue;
    if (IsContaminantInput(d.input)) {
      // Every contaminant's own: a species of a chain passes its draws on to
      // its daughters even where it is not assessed itself.
      const int index = UncertaintyContaminantIndex(project, d.contaminant);
      if (index >= 0) draws.contaminant[static_cast<size_t>(index)].push_back(draw);
    } else {
      draws.aquifer.push_back(draw);
    }
  }
  draws.followX = project.approximateDispersivity != 0 &&
                  std::any_of(draws.aquifer.begin(), draws.aquifer.end(),
                              [](const Draw& d) { return d.input == UncertainInput::X; });
  const size_t n = draws.n;
  draws.aquiferValues.assign(draws.aquifer.size(), std::vector<double>(n));
  ParallelFor(draws.aquifer.size(), threads, [&](size_t j) {
    for (size_t k = 0; k < n; ++k)
      draws.aquiferValues[j][k] = draws.aquifer[j].sampler.Quantile(UniformAt(draws.aquifer[j].start, k));
  });
  draws.aquiferRanks.resize(draws.aquifer.size());
  ParallelFor(draws.aquifer.size(), threads,
              [&](size_t j) { draws.aquiferRanks[j] = MonteCarloRanks(draws.aquiferValues[j]); });
  return draws;
}

// Which contaminants a run evaluates, the chains each stands in, and which
// rows of the run are each one's.
struct RunLayout {
  std::vector<int> contaminants;              // in project order
  std::vector<std::vector<ChainLink>> links;  // by contaminant index
  std::vector<std::vector<size_t>> rowsOf;    // by contaminant index, into run.rows
  // The site's wells, by contaminant index, where they give a class: the
  // measured line does not move with a draw, its receptor and CA do.
  std::vector<std::optional<WellsEvidence>> wells;
};

// The class a draw's wells give: the fitted line extrapolated to the drawn
// receptor, against the drawn CA; Problems where the wells give none.
AssessmentClass WellsClassOfDraw(const std::optional<WellsEvidence>& wells, double projectX,
                                 const Aquifer& drawn, const Contaminant& c, AssessmentRange range,
                                 double* concentration) {
  if (!wells || !wells->hasClass) return AssessmentClass::Problems;
  *concentration = wells->concentration * std::exp(wells->slope * (drawn.distanceX - projectX));
  return ClassifyChainConcentration(*concentration, c.ca, range);
}

// The rows, and the input checks on the first draw: every draw lies in
// what the checks accept (CheckUncertaintyPlan), so one check stands for
// all.
RunLayout AddRows(const RunDraws& draws, const UncertaintyOptions& options, UncertaintyRun* run) {
  const Project& project = draws.project;
  RunLayout layout;
  const bool withBasis = options.verdictBasis != UncertaintyModel::Screening;
  const Aquifer firstAquifer = draws.SampleAquifer(0);
  for (int index = 0; project.contaminants && index < project.contaminantCount; ++index) {
    const Contaminant& base = project.contaminants[index];
    if (!(base.assess & (kAssessPlumeLength | kAssessAttenuationFactor))) continue;
    const Contaminant first = draws.SampleContaminant(index, 0, nullptr);
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
      run->rows.push_back(std::move(row));
    };
    if (base.assess & kAssessPlumeLength) addRow(true, UncertaintyModel::Screening);
    if (base.assess & kAssessAttenuationFactor) {
      addRow(false, UncertaintyModel::Screening);
      if (withBasis) addRow(false, options.verdictBasis);
    }
    if (evaluate) layout.contaminants.push_back(index);
  }

  // The chains each evaluated contaminant stands in; their values are
  // refreshed from every draw.
  const size_t count = static_cast<size_t>(std::max<int>(project.contaminantCount, 0));
  layout.links.resize(count);
  if (!virelo_ExtrasOf(project).chains.empty())
    for (int index : layout.contaminants)
      layout.links[static_cast<size_t>(index)] = ChainLinksOf(project, index);
  // The verdict takes in the wells; a run without distributions gives
  // the verdict's class with probability 1.
  layout.wells.resize(count);
  if (!virelo_ExtrasOf(project).site.samples.empty())
    for (int index : layout.contaminants)
      layout.wells[static_cast<size_t>(index)] =
          WellsEvidenceOf(project, index, options.attenuationRange, BasisOf(options.verdictBasis));
  layout.rowsOf.resize(count);
  for (size_t r = 0; r < run->rows.size(); ++r)
    if (!run->rows[r].HasProblems())
      layout.rowsOf[static_cast<size_t>(run->rows[r].contaminantIndex)].push_back(r);
  return layout;
}

// The share of the samples evaluated, handed to the options' callback one
// call at a time from whichever thread finished a block; its false cancels.
class RunProgress {
 public:
  RunProgress(const std::function<bool(double)>& report, size_t total) : report_(report), total_(total) {}
  void Add(size_t samples) {
    const size_t now = done_.fetch_add(samples) + samples;
    if (!report_) return;
    std::lock_guard<std::mutex> lock(lock_);
    if (!cancelled_ && !report_(static_cast<double>(now) / static_cast<double>(total_))) cancelled_ = true;
  }
  bool cancelled() const { return cancelled_; }

 private:
  const std::function<bool(double)>& report_;
  const size_t total_;
  std::mutex lock_;
  std::atomic<bool> cancelled_{false};
  std::atomic<size_t> done_{0};
};

// A batch of the evaluated contaminants with its values over all samples:
// per contaminant its drawn values (draw by draw) and per row its values.
struct Batch {
  size_t start = 0, count = 0;  // into RunLayout::contaminants
  std::vector<std::vector<double>> drawn;
  std::vector<std::vector<RowValues>> values;
};

Batch MakeBatch(const RunDraws& draws, const RunLayout& layout, size_t start, size_t end) {
  Batch batch;
  batch.start = start;
  batch.count = end - start;
  batch.drawn.resize(batch.count);
  batch.values.resize(batch.count);
  const size_t n = draws.n;
  for (size_t b = 0; b < batch.count; ++b) {
    const int index = layout.contaminants[start + b];
    batch.drawn[b].assign(draws.contaminant[static_cast<size_t>(index)].size() * n, 0.0);
    batch.values[b].resize(layout.rowsOf[static_cast<size_t>(index)].size());
    for (RowValues& v : batch.values[b]) {
      v.key.assign(n, 0.0);
      v.concentration.assign(n, 0.0);
      v.cls.assign(n, 0);
      v.exceeds.assign(n, 0);
    }
  }
  return batch;
}

// Evaluating: every sample of every contaminant of the batch through the
// models of its rows, in blocks of samples on the worker threads.
void EvaluateBatch(const RunDraws& draws, const RunLayout& layout, const UncertaintyRun& run,
                   const UncertaintyOptions& options, Batch* batch, RunProgress* progress) {
  const size_t n = draws.n;
  const size_t blocks = (n + kBlock - 1) / kBlock;
  ParallelFor(batch->count * blocks, options.threads, [&](size_t job) {
    if (progress->cancelled()) return;
    const size_t b = job / blocks;
    const int index = layout.contaminants[batch->start + b];
    const std::vector<size_t>& rows = layout.rowsOf[static_cast<size_t>(index)];
    const size_t drawCount = draws.contaminant[static_cast<size_t>(index)].size();
    const size_t first = (job % blocks) * kBlock, last = std::min(n, first + kBlock);
    std::vector<double> here(drawCount);
    for (size_t k = first; k < last; ++k) {
      const Aquifer a = draws.SampleAquifer(k);
      const Contaminant c = draws.SteadyContaminant(index, k, a, here.data());
      for (size_t j = 0; j < drawCount; ++j) batch->drawn[b][j * n + k] = here[j];
      // The chains the contaminant stands in, with every species as drawn.
      std::vector<ChainLink> drawnLinks = layout.links[static_cast<size_t>(index)];
      for (ChainLink& link : drawnLinks) {
        for (int i = 0; i < link.chain.size(); ++i) {
          const int other = link.chain.contaminantIndex[static_cast<size_t>(i)];
          if (other < 0) continue;
          RefreshChainSpecies(other == index ? c : draws.SteadyContaminant(other, k, a, nullptr), i,
                              &link.chain);
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
        double concentration = m.concentration, wellsConcentration = 0.0;
        AssessmentClass cls = m.cls;
        const AssessmentClass wellsClass =
            WellsClassOfDraw(layout.wells[static_cast<size_t>(index)], draws.project.aquifer.distanceX, a, c,
                             options.attenuationRange, &wellsConcentration);
        if (wellsClass != AssessmentClass::Problems && static_cast<int>(wellsClass) < static_cast<int>(cls)) {
          cls = wellsClass;
          if (!row.plumeLength) concentration = std::max(concentration, wellsConcentration);
        }
        RowValues& out = batch->values[b][r];
        out.key[k] = key;
        out.concentration[k] = std::isnan(concentration) ? kInf : concentration;
        out.cls[k] = static_cast<uint8_t>(cls);
        out.exceeds[k] = !(concentration <= c.ca);
      }
    }
    progress->Add(last - first);
  });
}

// The ranks of the drawn values of one contaminant's own draws, from the
// batch, and of the other species of its chains, which reach it too.
struct InputRanks {
  std::vector<std::vector<double>> own;
  std::vector<std::pair<int, std::vector<std::vector<double>>>> species;
};

InputRanks RanksOfInputs(const RunDraws& draws, const RunLayout& layout, int index,
                         const std::vector<double>& drawn) {
  const size_t n = draws.n;
  InputRanks ranks;
  const std::vector<Draw>& own = draws.contaminant[static_cast<size_t>(index)];
  ranks.own.resize(own.size());
  for (size_t j = 0; j < own.size(); ++j) {
    const std::vector<double> column(drawn.begin() + static_cast<long>(j * n),
                                     drawn.begin() + static_cast<long>((j + 1) * n));
    ranks.own[j] = MonteCarloRanks(column);
  }
  for (const ChainLink& link : layout.links[static_cast<size_t>(index)]) {
    for (int other : link.chain.contaminantIndex) {
      const bool seen = std::any_of(ranks.species.begin(), ranks.species.end(),
                                    [&](const auto& entry) { return entry.first == other; });
      if (other < 0 || other == index || seen) continue;
      std::vector<std::vector<double>> otherRanks;
      for (const Draw& draw : draws.contaminant[static_cast<size_t>(other)]) {
        std::vector<double> column(n);
        for (size_t k = 0; k < n; ++k) column[k] = draw.sampler.Quantile(UniformAt(draw.start, k));
        otherRanks.push_back(MonteCarloRanks(column));
      }
      ranks.species.emplace_back(other, std::move(otherRanks));
    }
  }
  return ranks;
}

// One row's shares, percentiles and the influence of each of its inputs.
void SummariseRow(const RunDraws& draws, const UncertaintyOptions& options, int index,
                  const InputRanks& inputs, RowValues& v, UncertaintyRow* row) {
  const size_t n = draws.n;
  row->samples = draws.samples;
  size_t counts[4] = {0, 0, 0, 0}, exceeds = 0;
  for (size_t k = 0; k < n; ++k) {
    ++counts[v.cls[k] & 3];
    exceeds += v.exceeds[k];
  }
  const double all = static_cast<double>(n);
  row->pGreen = static_cast<double>(counts[static_cast<int>(AssessmentClass::Green)]) / all;
  row->pYellow = static_cast<double>(counts[static_cast<int>(AssessmentClass::Yellow)]) / all;
  row->pRed = static_cast<double>(counts[static_cast<int>(AssessmentClass::Red)]) / all;
  row->pExceed = static_cast<double>(exceeds) / all;

  std::vector<double> sorted;
  const std::vector<double> ratioRanks = MonteCarloRanks(v.key, &sorted);
  const double levels[3] = {0.05, 0.5, 0.95};
  for (int p = 0; p < 3; ++p) row->ratio[p] = MonteCarloPercentile(sorted, levels[p]);
  if (options.keepRatios) row->sortedRatios = std::move(sorted);
  for (int p = 0; p < 3; ++p)
    row->concentration[p] = MonteCarloPercentileUnsorted(v.concentration, levels[p]);

  for (size_t j = 0; j < draws.aquifer.size(); ++j) {
    if (row->plumeLength && !EntersPlumeLength(draws.aquifer[j].input)) continue;
    row->ranking.push_back(
        {draws.aquifer[j].input, MonteCarloRankCorrelation(draws.aquiferRanks[j], ratioRanks), {}});
  }
  const std::vector<Draw>& own = draws.contaminant[static_cast<size_t>(index)];
  for (size_t j = 0; j < own.size(); ++j)
    row->ranking.push_back({own[j].input, MonteCarloRankCorrelation(inputs.own[j], ratioRanks), {}});
  for (const auto& [other, ranks] : inputs.species)
    for (size_t j = 0; j < ranks.size(); ++j)
      row->ranking.push_back({draws.contaminant[static_cast<size_t>(other)][j].input,
                              MonteCarloRankCorrelation(ranks[j], ratioRanks),
                              draws.project.contaminants[other].name});
  std::stable_sort(row->ranking.begin(), row->ranking.end(),
                   [](const InputInfluence& p, const InputInfluence& q) {
                     return std::fabs(p.rankCorrelation) > std::fabs(q.rankCorrelation);
                   });
}

// Summarising: the statistics of the batch's rows, one contaminant per job,
// the ranks of its inputs serving all its rows.
void SummariseBatch(const RunDraws& draws, const RunLayout& layout, const UncertaintyOptions& options,
                    Batch* batch, UncertaintyRun* run) {
  ParallelFor(batch->count, options.threads, [&](size_t b) {
    const int index = layout.contaminants[batch->start + b];
    const InputRanks inputs = RanksOfInputs(draws, layout, index, batch->drawn[b]);
    const std::vector<size_t>& rows = layout.rowsOf[static_cast<size_t>(index)];
    for (size_t r = 0; r < rows.size(); ++r)
      SummariseRow(draws, options, index, inputs, batch->values[b][r], &run->rows[rows[r]]);
  });
}

}  // namespace

UncertaintyRun RunUncertainty(const Project& project, const UncertaintyPlan& plan,
                              const UncertaintyOptions& options) {
  UncertaintyRun run;
  run.problems = CheckUncertaintyPlan(project, plan);
  if (!run.problems.empty()) return run;
  run.samples = plan.samples;
  const RunDraws draws = DrawInputs(project, plan, options.threads);
  const RunLayout layout = AddRows(draws, options, &run);
  // Contaminants are evaluated in batches so that the values held at once
  // stay bounded however many there are.
  RunProgress progress(options.progress, layout.contaminants.size() * draws.n);
  const size_t batchSize = std::max<size_t>(1, static_cast<size_t>(kBatchValues) / draws.n);
  for (size_t start = 0; start < layout.contaminants.size(); start += batchSize) {
    Batch batch = MakeBatch(draws, layout, start, std::min(layout.contaminants.size(), start + batchSize));
    EvaluateBatch(draws, layout, run, options, &batch, &progress);
    if (progress.cancelled()) break;
    SummariseBatch(draws, layout, options, &batch, &run);
  }
  if (progress.cancelled()) {
    run.cancelled = true;
    run.rows.clear();
  }
  return run;
}
