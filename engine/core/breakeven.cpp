// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Break-even values of the plume length (closed forms) and of the
// attenuation factor (bracketing and refining a monotone ratio).
//
// Every ratio is computed by the calculation itself on a copy of the inputs
// with one value changed, and every side is decided by the classification
// the results page uses. So a break-even value found here sits exactly where
// the page's colour changes, and the value returned is always the last one
// that still belongs to the better of the two classes.
#include "engine/core/breakeven.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "engine/core/calc.h"
#include "engine/core/dispersivity.h"
#include "engine/core/validation.h"

namespace {

// The smallest value the input checks take as "greater than 0".
constexpr double kSmallest = 1e-10;
// Where the search for a bound stops looking upwards.
constexpr double kLargest = 1e300;
// Relative accuracy of a value found by refining (on the log scale).
constexpr double kTolerance = 1e-12;

constexpr BreakEvenInput kPlumeLengthInputs[] = {
    BreakEvenInput::X,      BreakEvenInput::Kf, BreakEvenInput::I, BreakEvenInput::Ne,
    BreakEvenInput::Lambda, BreakEvenInput::C0, BreakEvenInput::CA};
constexpr BreakEvenInput kAttenuationInputs[] = {
    BreakEvenInput::X,      BreakEvenInput::Kf, BreakEvenInput::I,  BreakEvenInput::Ne,
    BreakEvenInput::Lambda, BreakEvenInput::Ax, BreakEvenInput::Ay, BreakEvenInput::Az,
    BreakEvenInput::Sy,     BreakEvenInput::Sz, BreakEvenInput::C0, BreakEvenInput::CA};

// One assessment of one contaminant, with one input to vary.
struct Case {
  Aquifer aquifer;
  Contaminant contaminant;
  bool approximateByX;
  bool plumeLength;
  AssessmentRange range;
  // The decay convention every trial is computed under; null for the
  // default one, under which the inputs are computed as they are.
  const TransportInputs* transport = nullptr;
  double ratio = 0.0;  // of the inputs as they are, once they pass the checks
};

double Lambda(const Contaminant& c) {
  double lambda = 0.0;
  virelo_GetLambda(&c, &lambda);
  return lambda;
}

double Get(const Case& k, BreakEvenInput input) {
  const Aquifer& a = k.aquifer;
  const Contaminant& c = k.contaminant;
  switch (input) {
    case BreakEvenInput::X: return a.distanceX;
    case BreakEvenInput::Kf: return a.conductivityKf;
    case BreakEvenInput::I: return a.gradientI;
    case BreakEvenInput::Ne: return a.porosityNe;
    case BreakEvenInput::Lambda: return Lambda(c);
    case BreakEvenInput::Ax: return a.dispersivityAx;
    case BreakEvenInput::Ay: return a.dispersivityAy;
    case BreakEvenInput::Az: return a.dispersivityAz;
    case BreakEvenInput::Sy: return a.sourceThicknessSy;
    case BreakEvenInput::Sz: return a.sourceWidthSz;
    case BreakEvenInput::C0: return c.c0;
    case BreakEvenInput::CA: return c.ca;
  }
  return 0.0;
}

void Set(Aquifer& a, Contaminant& c, bool approximateByX, BreakEvenInput input, double value) {
  switch (input) {
    case BreakEvenInput::X:
      a.distanceX = value;
      if (approximateByX)
        virelo_DispersivitiesFromX(value, &a.dispersivityAx, &a.dispersivityAy, &a.dispersivityAz);
      break;
    case BreakEvenInput::Kf: a.conductivityKf = value; break;
    case BreakEvenInput::I: a.gradientI = value; break;
    case BreakEvenInput::Ne: a.porosityNe = value; break;
    case BreakEvenInput::Lambda:
      if (double* field = virelo_LambdaField(&c, c.lambdaSelected)) *field = value;
      break;
    case BreakEvenInput::Ax: a.dispersivityAx = value; break;
    case BreakEvenInput::Ay: a.dispersivityAy = value; break;
    case BreakEvenInput::Az: a.dispersivityAz = value; break;
    case BreakEvenInput::Sy: a.sourceThicknessSy = value; break;
    case BreakEvenInput::Sz: a.sourceWidthSz = value; break;
    case BreakEvenInput::C0: c.c0 = value; break;
    case BreakEvenInput::CA: c.ca = value; break;
  }
}

// The factor the steady models multiply lambda by, for the trial's aquifer
// (R follows ne).
double DecayFactor(const TransportInputs* transport, const Aquifer& a, const Contaminant& c) {
  return transport ? SteadyDecayFactorWith(*transport, a, c.name) : 1.0;
}

double Ratio(const Aquifer& a, const Contaminant& typed, bool plumeLength, const TransportInputs* transport) {
  const Contaminant c = transport ? SteadyContaminantWith(*transport, a, typed) : typed;
  ContaminantResult r{};
  if (plumeLength) {
    virelo_math_CalcPlumeLength(&a, &c, &r);
    return r.plumeLengthRatio;
  }
  virelo_math_CalcAttenuationFactor(&a, &c, &r);
  return r.sourceRatio;
}

// The ratios of one search, each with one input changed. The inputs are
// copied once per search; a trial overwrites only the values that its input
// sets (x with its dispersivities under "Approximate by x"), so every trial
// sees the case as it is but for that input.
class Trials {
 public:
  Trials(const Case& k, BreakEvenInput input)
      : input_(input),
        approximateByX_(k.approximateByX),
        plumeLength_(k.plumeLength),
        transport_(k.transport),
        a_(k.aquifer),
        c_(k.contaminant) {}
  double RatioAt(double value) {
    Set(a_, c_, approximateByX_, input_, value);
    return Ratio(a_, c_, plumeLength_, transport_);
  }

 private:
  BreakEvenInput input_;
  bool approximateByX_, plumeLength_;
  const TransportInputs* transport_;
  Aquifer a_;
  Contaminant c_;
};

AssessmentClass Classify(const Case& k, double ratio) {
  return k.plumeLength ? ClassifyPlumeLength(ratio, k.range) : ClassifyAttenuationFactor(ratio, k.range);
}

int ProblemCount(const Aquifer& a, const Contaminant& c, bool plumeLength) {
  const int aquifer =
      plumeLength ? virelo_CheckAquiferPlumeLength(&a, nullptr) : virelo_CheckAquiferAF(&a, nullptr);
  return aquifer + virelo_CheckContaminant(&c, nullptr);
}

// A value is an answer only when the input checks take it.
bool Accepted(const Case& k, BreakEvenInput input, double value) {
  if (!std::isfinite(value)) return false;
  Aquifer a = k.aquifer;
  Contaminant c = k.contaminant;
  Set(a, c, k.approximateByX, input, value);
  return ProblemCount(a, c, k.plumeLength) == 0;
}

// The range in which the search looks; the checks have the last word.
void Limits(const Case& k, BreakEvenInput input, double* lo, double* hi) {
  *lo = kSmallest;
  *hi = kLargest;
  switch (input) {
    case BreakEvenInput::Ne: *hi = 1.0; break;
    case BreakEvenInput::Ay:
    case BreakEvenInput::Az:
    case BreakEvenInput::Sy:
    case BreakEvenInput::Sz: *lo = 0.0; break;
    case BreakEvenInput::C0: *lo = std::max(kSmallest, k.contaminant.ca); break;
    case BreakEvenInput::CA: *hi = k.contaminant.c0; break;
    default: break;
  }
}

// Whether raising the input raises the ratio.
bool Raises(BreakEvenInput input) {
  switch (input) {
    case BreakEvenInput::Kf:
    case BreakEvenInput::I:
    case BreakEvenInput::Ax:
    case BreakEvenInput::Sy:
    case BreakEvenInput::Sz:
    case BreakEvenInput::C0: return true;
    default: return false;
  }
}

// One search: the flip of the class between `better` (the class on the
// better side of `bound`) and the class below it.
struct Target {
  double bound;
  AssessmentClass better;
  bool towardsWorse;  // starting on the better side
  double logBound;    // log(bound), taken once per search
};

Target MakeTarget(double bound, AssessmentClass better, bool towardsWorse) {
  return Target{bound, better, towardsWorse, std::log(bound)};
}

bool OnBetterSide(const Case& k, const Target& t, double ratio) {
  return Classify(k, ratio) >= t.better;
}

// The signed distance of a ratio from the bound on the log scale, used only
// to aim the next trial; the side is always decided by the class.
double Distance(double ratio, const Target& t) {
  return std::log(ratio) - t.logBound;
}

// Refines a bracket on the log scale: `better` is on the better side,
// `worse` is not, both positive, with the ratios there known from the
// bracketing. Regula falsi with the Illinois modification, falling back to
// halving whenever an end has no usable distance or the bracket does not
// shrink fast enough.
double Refine(const Case& k, Trials& trials, const Target& t, double better, double worse, double betterRatio,
              double worseRatio) {
  double ub = std::log(better), uw = std::log(worse);
  double fb = Distance(betterRatio, t);
  double fw = Distance(worseRatio, t);
  int lastSide = 0;
  double widthBefore = std::fabs(uw - ub);
  for (int iteration = 0; iteration < 400; ++iteration) {
    const double width = std::fabs(uw - ub);
    if (width <= kTolerance) break;
    const bool usable = std::isfinite(fb) && std::isfinite(fw) && fb <= 0.0 && fw > 0.0;
    const bool halve = !usable || (iteration % 3 == 2 && width > 0.5 * widthBefore);
    if (iteration % 3 == 2) widthBefore = width;
    double u = halve ? 0.5 * (ub + uw) : ub + (uw - ub) * (fb / (fb - fw));
    // Stay clear of the ends, so that every trial shrinks the bracket.
    const double margin = 0.25 * kTolerance;
    const double lo = std::min(ub, uw) + margin, hi = std::max(ub, uw) - margin;
    if (!(u >= lo)) u = lo;
    if (!(u <= hi)) u = hi;
    const double p = std::exp(u);
    if (p == better || p == worse) break;  // adjacent doubles: nothing left between them
    const double ratio = trials.RatioAt(p);
    const double f = Distance(ratio, t);
    if (OnBetterSide(k, t, ratio)) {
      ub = u;
      better = p;
      fb = f;
      if (lastSide == 1) fw *= 0.5;
      lastSide = 1;
    } else {
      uw = u;
      worse = p;
      fw = f;
      if (lastSide == -1) fb *= 0.5;
      lastSide = -1;
    }
  }
  return better;
}

// Halving on the linear scale, for a bracket with an end at 0.
double RefineLinear(const Case& k, Trials& trials, const Target& t, double better, double worse) {
  for (int iteration = 0; iteration < 2200; ++iteration) {
    if (std::fabs(worse - better) <= kTolerance * std::max(better, worse)) break;
    const double p = 0.5 * (better + worse);
    if (p == better || p == worse) break;
    if (OnBetterSide(k, t, trials.RatioAt(p))) {
      better = p;
    } else {
      worse = p;
    }
  }
  return better;
}

// Brackets the flip on a log scale, from the current value outwards in the
// direction that crosses the bound, then refines it.
std::optional<double> Search(const Case& k, BreakEvenInput input, Trials& trials, const Target& t) {
  double lo = 0.0, hi = 0.0;
  Limits(k, input, &lo, &hi);
  const double start = Get(k, input);
  // Towards the worse class the ratio must grow.
  const bool up = Raises(input) == t.towardsWorse;
  const bool startBetter = t.towardsWorse;
  // An input set to its own value changes nothing, so the ratio there is
  // the case's own; but x under "Approximate by x" derives the
  // dispersivities anew, which may differ from the ones stored.
  const bool derives = input == BreakEvenInput::X && k.approximateByX;
  double insideRatio = derives ? trials.RatioAt(start) : k.ratio, outsideRatio = 0.0;
  if (OnBetterSide(k, t, insideRatio) != startBetter) return std::nullopt;

  double inside = start, outside = 0.0;
  bool found = false;
  double step = 2.0;
  for (int iteration = 0; iteration < 200 && !found; ++iteration) {
    double trial = 0.0;
    bool last = false;
    if (up) {
      trial = inside > 0.0 ? inside * step : std::max(lo, 1e-300);
      if (!(trial < hi)) trial = hi, last = true;
    } else {
      trial = inside / step;
      if (!(trial > lo) || trial < 1e-300) trial = lo, last = true;
    }
    const double ratio = trials.RatioAt(trial);
    if (OnBetterSide(k, t, ratio) != startBetter) {
      outside = trial;
      outsideRatio = ratio;
      found = true;
    } else if (last) {
      return std::nullopt;
    } else {
      inside = trial;
      insideRatio = ratio;
      step = std::min(step * step, 1e20);
    }
  }
  if (!found) return std::nullopt;
  const double better = startBetter ? inside : outside;
  const double worse = startBetter ? outside : inside;
  if (better == 0.0 || worse == 0.0) return RefineLinear(k, trials, t, better, worse);
  return startBetter ? Refine(k, trials, t, inside, outside, insideRatio, outsideRatio)
                     : Refine(k, trials, t, outside, inside, outsideRatio, insideRatio);
}

// The plume-length ratio is log(C0/CA) / (lambda f) * (i/ne) * Kf / x, f
// the decay convention's factor (R or 1): each input solves for a given
// ratio in closed form. Under R, ne enters R as well; its value is left to
// the search.
double ClosedForm(const Case& k, BreakEvenInput input, double bound) {
  const Aquifer& a = k.aquifer;
  const Contaminant& c = k.contaminant;
  const double factor = DecayFactor(k.transport, a, c);
  // The typed lambda is the value to report; the models see lambda * factor.
  const double lambda = Lambda(c) * factor;
  const double v = (a.gradientI / a.porosityNe) * a.conductivityKf;
  const double logRatio = std::log(c.c0 / c.ca);
  const double x = a.distanceX;
  switch (input) {
    case BreakEvenInput::X: return logRatio * v / (lambda * bound);
    case BreakEvenInput::Kf: return bound * x * lambda * a.porosityNe / (logRatio * a.gradientI);
    case BreakEvenInput::I: return bound * x * lambda * a.porosityNe / (logRatio * a.conductivityKf);
    case BreakEvenInput::Ne:
      if (factor != 1.0) return std::numeric_limits<double>::quiet_NaN();
      return logRatio * a.gradientI * a.conductivityKf / (lambda * bound * x);
    case BreakEvenInput::Lambda: return logRatio * v / (bound * x) / factor;
    case BreakEvenInput::C0: return c.ca * std::exp(bound * x * lambda / v);
    case BreakEvenInput::CA: return c.c0 * std::exp(-bound * x * lambda / v);
    default: return std::numeric_limits<double>::quiet_NaN();
  }
}

std::optional<double> Solve(const Case& k, BreakEvenInput input, const Target& t, BreakEvenMethod method) {
  Trials trials(k, input);
  std::optional<double> value;
  if (k.plumeLength && method == BreakEvenMethod::Best) {
    const double p = ClosedForm(k, input, t.bound);
    // A closed form rounds to either side of the flip; where it lands on the
    // worse side, or the ratio is flat there, the search settles it.
    if (std::isfinite(p) && p > 0.0) {
      double lo = 0.0, hi = 0.0;
      Limits(k, input, &lo, &hi);
      if (p < lo || p > hi) return std::nullopt;
      if (OnBetterSide(k, t, trials.RatioAt(p))) value = p;
    } else if (!std::isnan(p)) {
      return std::nullopt;  // the bound lies at 0 or beyond every finite value
    }
  }
  if (!value) value = Search(k, input, trials, t);
  if (value && !Accepted(k, input, *value)) return std::nullopt;
  return value;
}

BreakEvenTable Compute(Case k, BreakEvenMethod method) {
  BreakEvenTable table;
  table.plumeLength = k.plumeLength;
  if (ProblemCount(k.aquifer, k.contaminant, k.plumeLength) != 0) return table;
  k.ratio = Ratio(k.aquifer, k.contaminant, k.plumeLength, k.transport);
  table.cls = Classify(k, k.ratio);

  std::optional<Target> worse, better;
  switch (table.cls) {
    case AssessmentClass::Green: worse = MakeTarget(k.range.lower, AssessmentClass::Green, true); break;
    case AssessmentClass::Yellow:
      worse = MakeTarget(k.range.upper, AssessmentClass::Yellow, true);
      better = MakeTarget(k.range.lower, AssessmentClass::Green, false);
      break;
    case AssessmentClass::Red: better = MakeTarget(k.range.upper, AssessmentClass::Yellow, false); break;
    case AssessmentClass::Problems: return table;
  }
  const BreakEvenInput* first =
      k.plumeLength ? std::begin(kPlumeLengthInputs) : std::begin(kAttenuationInputs);
  const BreakEvenInput* end = k.plumeLength ? std::end(kPlumeLengthInputs) : std::end(kAttenuationInputs);
  table.inputs.reserve(static_cast<size_t>(end - first));
  for (const BreakEvenInput* input = first; input != end; ++input) {
    BreakEven entry{*input, Get(k, *input), std::nullopt, std::nullopt};
    if (worse) entry.worseAt = Solve(k, *input, *worse, method);
    if (better) entry.betterAt = Solve(k, *input, *better, method);
    table.inputs.push_back(entry);
  }
  return table;
}

std::optional<double> Factor(const BreakEven& entry, const std::optional<double>& at) {
  if (!at || !(entry.value != 0.0) || !std::isfinite(entry.value)) return std::nullopt;
  return *at / entry.value;
}

}  // namespace

const char* BreakEvenInputName(BreakEvenInput input) {
  switch (input) {
    case BreakEvenInput::X: return "x";
    case BreakEvenInput::Kf: return "Kf";
    case BreakEvenInput::I: return "i";
    case BreakEvenInput::Ne: return "ne";
    case BreakEvenInput::Lambda: return "lambda";
    case BreakEvenInput::Ax: return "ax";
    case BreakEvenInput::Ay: return "ay";
    case BreakEvenInput::Az: return "az";
    case BreakEvenInput::Sy: return "Sy";
    case BreakEvenInput::Sz: return "Sz";
    case BreakEvenInput::C0: return "C0";
    case BreakEvenInput::CA: return "CA";
  }
  return "";
}

BreakEvenTable BreakEvenValues(const Aquifer& aquifer, const Contaminant& contaminant, bool approximateByX,
                               bool plumeLength, AssessmentRange range, BreakEvenMethod method,
                               const TransportInputs* transport) {
  const Case k{aquifer, contaminant, approximateByX, plumeLength, range, transport};
  return Compute(k, method);
}

BreakEvenTable ResultBreakEvenValues(const Project& project, const ContaminantResult& result,
                                     bool plumeLength, AssessmentRange range) {
  BreakEvenTable table;
  table.plumeLength = plumeLength;
  if (!project.contaminants || result.contaminantIndex < 0 ||
      result.contaminantIndex >= project.contaminantCount)
    return table;
  const Contaminant& contaminant = project.contaminants[result.contaminantIndex];
  const int bit = plumeLength ? kAssessPlumeLength : kAssessAttenuationFactor;
  const bool problems = plumeLength ? HasPlumeLengthProblems(result) : HasAttenuationFactorProblems(result);
  if (!(contaminant.assess & bit) || problems) return table;
  return BreakEvenValues(project.aquifer, contaminant, project.approximateDispersivity != 0, plumeLength,
                         range, BreakEvenMethod::Best, &TransportOf(project));
}

std::optional<double> WorseFactor(const BreakEven& entry) {
  return Factor(entry, entry.worseAt);
}

std::optional<double> BetterFactor(const BreakEven& entry) {
  return Factor(entry, entry.betterAt);
}

double NearestFactor(const BreakEven& entry) {
  double nearest = std::numeric_limits<double>::infinity();
  for (const std::optional<double>& factor : {WorseFactor(entry), BetterFactor(entry)}) {
    if (!factor || !(*factor > 0.0) || !std::isfinite(*factor)) continue;
    nearest = std::min(nearest, std::max(*factor, 1.0 / *factor));
  }
  return nearest;
}

bool IsFragile(const BreakEven& entry) {
  return NearestFactor(entry) <= kFragileFactor;
}

bool IsFragile(const BreakEvenTable& table) {
  return std::any_of(table.inputs.begin(), table.inputs.end(),
                     [](const BreakEven& entry) { return IsFragile(entry); });
}

namespace {
// `significant` digits in fixed notation through the results' own formatter,
// so that the desktop's locale never turns the decimal point into a comma.
std::string FormatSignificant(double factor, int significant) {
  static constexpr const char* kFixed[] = {"%.0f", "%.1f", "%.2f", "%.3f", "%.4f", "%.5f",
                                           "%.6f", "%.7f", "%.8f", "%.9f", "%.10f"};
  int digits = significant - 1;
  if (factor > 0.0 && std::isfinite(factor))
    digits = std::clamp(significant - 1 - static_cast<int>(std::floor(std::log10(factor))), 0, 10);
  return FormatResultValue(factor, kFixed[digits], significant > 2 ? "%.2e" : "%.1e");
}
}  // namespace

std::string FormatFactor(double factor) {
  return FormatSignificant(factor, 2);
}

std::string FormatMarginFactor(double factor) {
  return FormatSignificant(factor, 3);
}
