// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/site/plumemass.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <unordered_map>

#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "engine/site/sitefit.h"

namespace {

// A sample's ug/L in kg/m3.
constexpr double kKgPerCubicMetrePerUgL = 1e-6;

using Point = std::array<double, 2>;
using Triangle = std::array<int, 3>;  // counter-clockwise

double Orient(const Point& a, const Point& b, const Point& c) {
  return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
}

// Positive when d lies inside the circle through the counter-clockwise a, b, c.
double InCircle(const Point& a, const Point& b, const Point& c, const Point& d) {
  const double ax = a[0] - d[0], ay = a[1] - d[1], bx = b[0] - d[0], by = b[1] - d[1];
  const double cx = c[0] - d[0], cy = c[1] - d[1];
  return (ax * ax + ay * ay) * (bx * cy - cx * by) - (bx * bx + by * by) * (ax * cy - cx * ay) +
         (cx * cx + cy * cy) * (ax * by - bx * ay);
}

// A triangulation of the points' convex hull by a sweep in (s, y) order:
// each point lies outside the hull of those before it and is joined to
// every hull edge it sees. The points must be distinct.
std::vector<Triangle> SweepTriangulation(const std::vector<Point>& p, const std::vector<int>& order) {
  std::vector<Triangle> triangles;
  const size_t n = order.size();
  size_t first = 2;  // the first point off the line of the ones before it
  while (first < n && Orient(p[order[0]], p[order[1]], p[order[first]]) == 0.0) ++first;
  if (first >= n) return triangles;
  const int apex = order[first];
  for (size_t k = 0; k + 1 < first; ++k) {
    int a = order[k], b = order[k + 1];
    if (Orient(p[a], p[b], p[apex]) < 0.0) std::swap(a, b);
    triangles.push_back({a, b, apex});
  }
  for (size_t k = first + 1; k < n; ++k) {
    const int q = order[k];
    // Hull edges are the edges of one triangle only; the inside lies to their left.
    std::map<std::pair<int, int>, int> edges;
    for (const Triangle& t : triangles)
      for (int e = 0; e < 3; ++e) ++edges[{std::min(t[e], t[(e + 1) % 3]), std::max(t[e], t[(e + 1) % 3])}];
    std::vector<Triangle> added;
    for (const Triangle& t : triangles) {
      for (int e = 0; e < 3; ++e) {
        const int a = t[e], b = t[(e + 1) % 3];
        if (edges[{std::min(a, b), std::max(a, b)}] == 1 && Orient(p[a], p[b], p[q]) < 0.0)
          added.push_back({b, a, q});
      }
    }
    triangles.insert(triangles.end(), added.begin(), added.end());
  }
  return triangles;
}

// Flips edges until every triangle's circumcircle is empty (Lawson); points
// on a common circle keep whichever diagonal they have.
void MakeDelaunay(const std::vector<Point>& p, std::vector<Triangle>* triangles, double scale) {
  const double tolerance = 1e-12 * scale * scale * scale * scale;
  for (int pass = 0; pass < 1000; ++pass) {
    std::map<std::pair<int, int>, std::pair<int, int>> owner;  // directed edge -> triangle, corner
    for (size_t t = 0; t < triangles->size(); ++t)
      for (int e = 0; e < 3; ++e) owner[{(*triangles)[t][e], (*triangles)[t][(e + 1) % 3]}] = {int(t), e};
    bool flipped = false;
    for (const auto& [edge, at] : owner) {
      const auto other = owner.find({edge.second, edge.first});
      if (other == owner.end()) continue;
      const Triangle t1 = (*triangles)[at.first], t2 = (*triangles)[other->second.first];
      const int a = edge.first, b = edge.second, c = t1[(at.second + 2) % 3];
      const int d = t2[(other->second.second + 2) % 3];
      if (InCircle(p[a], p[b], p[c], p[d]) <= tolerance) continue;
      (*triangles)[at.first] = {a, d, c};
      (*triangles)[other->second.first] = {d, b, c};
      flipped = true;
      break;  // the edge map is stale now
    }
    if (!flipped) return;
  }
}

// The integrals of C, C s, C y, C s^2, C y^2 over a region.
struct Integrals {
  double c = 0.0, cs = 0.0, cy = 0.0, css = 0.0, cyy = 0.0;
  void Add(double weight, double value, double s, double y) {
    c += weight * value;
    cs += weight * value * s;
    cy += weight * value * y;
    css += weight * value * s * s;
    cyy += weight * value * y * y;
  }
};

// A linear C over a triangle: the rule of degree three (centroid and three
// inner points) integrates C times a quadratic exactly.
void AddTriangle(const std::array<Point, 3>& v, const std::array<double, 3>& c, Integrals* out) {
  const double area = 0.5 * std::fabs(Orient(v[0], v[1], v[2]));
  auto at = [&](double l0, double l1, double l2, double weight) {
    const double s = l0 * v[0][0] + l1 * v[1][0] + l2 * v[2][0];
    const double y = l0 * v[0][1] + l1 * v[1][1] + l2 * v[2][1];
    out->Add(area * weight, l0 * c[0] + l1 * c[1] + l2 * c[2], s, y);
  };
  at(1.0 / 3.0, 1.0 / 3.0, 1.0 / 3.0, -27.0 / 48.0);
  at(0.6, 0.2, 0.2, 25.0 / 48.0);
  at(0.2, 0.6, 0.2, 25.0 / 48.0);
  at(0.2, 0.2, 0.6, 25.0 / 48.0);
}

// A linear C along a segment of s: two-point Gauss-Legendre is exact for C s^2.
void AddSegment(double s0, double s1, double c0, double c1, Integrals* out) {
  const double half = 0.5 * (s1 - s0), g = 0.5 / std::sqrt(3.0);
  for (double t : {0.5 - g, 0.5 + g}) out->Add(half, c0 + t * (c1 - c0), s0 + t * (s1 - s0), 0.0);
}

// The wells in (s, y) order without a second well at one place.
std::vector<int> DistinctOrder(const std::vector<PlumeWellValue>& wells) {
  std::vector<int> order(wells.size());
  for (size_t k = 0; k < order.size(); ++k) order[k] = int(k);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return wells[a].s != wells[b].s ? wells[a].s < wells[b].s : wells[a].y < wells[b].y;
  });
  order.erase(std::unique(order.begin(), order.end(),
                          [&](int a, int b) { return wells[a].s == wells[b].s && wells[a].y == wells[b].y; }),
              order.end());
  return order;
}

// The wells' distinct order and, off a row, their triangles: the same for
// every round of one well set, so built once.
struct Mesh {
  bool line = false;
  std::vector<int> order;
  std::vector<Triangle> triangles;
  bool ok() const { return line ? order.size() >= 2 : !triangles.empty(); }
};

Mesh MeshOf(const std::vector<PlumeWellValue>& wells, bool line) {
  Mesh mesh;
  mesh.line = line;
  mesh.order = DistinctOrder(wells);
  if (line) return mesh;
  std::vector<Point> points;
  double lo[2] = {INFINITY, INFINITY}, hi[2] = {-INFINITY, -INFINITY};
  for (const PlumeWellValue& w : wells) {
    points.push_back({w.s, w.y});
    lo[0] = std::min(lo[0], w.s), lo[1] = std::min(lo[1], w.y);
    hi[0] = std::max(hi[0], w.s), hi[1] = std::max(hi[1], w.y);
  }
  mesh.triangles = SweepTriangulation(points, mesh.order);
  if (!mesh.triangles.empty()) MakeDelaunay(points, &mesh.triangles, std::max(hi[0] - lo[0], hi[1] - lo[1]));
  return mesh;
}

void Integrate(const std::vector<PlumeWellValue>& wells, const Mesh& mesh, bool upper, Integrals* out) {
  auto value = [&](int k) { return upper ? wells[k].upper : wells[k].value; };
  if (mesh.line) {
    for (size_t k = 0; k + 1 < mesh.order.size(); ++k) {
      const PlumeWellValue &a = wells[mesh.order[k]], &b = wells[mesh.order[k + 1]];
      if (a.s != b.s) AddSegment(a.s, b.s, value(mesh.order[k]), value(mesh.order[k + 1]), out);
    }
    return;
  }
  auto at = [&](int k) { return Point{wells[k].s, wells[k].y}; };
  for (const Triangle& t : mesh.triangles)
    AddTriangle({at(t[0]), at(t[1]), at(t[2])}, {value(t[0]), value(t[1]), value(t[2])}, out);
}

// The moments of a round on a mesh of its wells.
PlumeMoments MomentsOn(const std::vector<PlumeWellValue>& wells, const Mesh& mesh, double porosity,
                       double thickness) {
  Integrals lower, upper;
  Integrate(wells, mesh, false, &lower);
  Integrate(wells, mesh, true, &upper);
  const double factor = porosity * thickness * kKgPerCubicMetrePerUgL;
  PlumeMoments m;
  m.mass = factor * lower.c;
  m.massUpper = factor * upper.c;
  // Where nothing was detected the centre is that of the upper bound.
  const Integrals& i = lower.c > 0.0 ? lower : upper;
  if (i.c > 0.0) {
    m.centreS = i.cs / i.c;
    m.spreadS = std::sqrt(std::max(0.0, i.css / i.c - m.centreS * m.centreS));
    if (!mesh.line) {
      m.centreY = i.cy / i.c;
      m.spreadY = std::sqrt(std::max(0.0, i.cyy / i.c - m.centreY * m.centreY));
    }
  } else {
    m.centreS = m.spreadS = std::numeric_limits<double>::quiet_NaN();
  }
  return m;
}

}  // namespace

const char* PlumeLightKey(PlumeLight light) {
  switch (light) {
    case PlumeLight::kGreen: return "green";
    case PlumeLight::kYellow: return "yellow";
    case PlumeLight::kRed: return "red";
    case PlumeLight::kNone: break;
  }
  return "";
}

std::vector<int> GroupRounds(const std::vector<long>& days, int roundDays) {
  std::vector<long> sorted = days;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  std::map<long, int> roundOf;
  int round = -1;
  for (size_t k = 0; k < sorted.size(); ++k) {
    if (k == 0 || sorted[k] - sorted[k - 1] > roundDays) ++round;
    roundOf[sorted[k]] = round;
  }
  std::vector<int> out;
  out.reserve(days.size());
  for (long day : days) out.push_back(roundOf[day]);
  return out;
}

bool WellsInARow(const std::vector<double>& s, const std::vector<double>& y) {
  if (s.size() < 3) return true;
  const auto [sLo, sHi] = std::minmax_element(s.begin(), s.end());
  const auto [yLo, yHi] = std::minmax_element(y.begin(), y.end());
  return *yHi - *yLo < 0.1 * (*sHi - *sLo);
}

bool PlumeMomentsOf(const std::vector<PlumeWellValue>& wells, bool line, double porosity, double thickness,
                    PlumeMoments* out) {
  const Mesh mesh = MeshOf(wells, line);
  if (!mesh.ok()) return false;
  *out = MomentsOn(wells, mesh, porosity, thickness);
  return true;
}

namespace {

bool HoldsValuesOf(const SiteData& site, const std::string& contaminant, const std::string& well) {
  for (const SiteSample& sample : site.samples)
    if (sample.well == well && sample.analyte == contaminant) return true;
  return false;
}

bool LeftOutByUser(const PlumeMassOptions& options, const SiteWell& well) {
  if (!options.leftOut) return !well.inFit || well.s < 0.0;
  const auto& names = *options.leftOut;
  return std::find(names.begin(), names.end(), well.name) != names.end();
}

// Per round and well: the sums of the round's samples there.
struct Tally {
  double value = 0.0, upper = 0.0;
  int count = 0;
};

struct RoundTable {
  std::vector<long> firstDay;                        // per round
  std::vector<std::map<std::string, Tally>> byWell;  // per round
};

RoundTable TallyRounds(const ContaminantSeries& series, const std::set<std::string>& candidates,
                       int roundDays) {
  std::vector<const SitePoint*> points;
  std::vector<long> days;
  for (const SitePoint& p : series.points) {
    if (!candidates.count(p.well) || !std::isfinite(p.value)) continue;
    points.push_back(&p);
    days.push_back(long(p.day));
  }
  const std::vector<int> round = GroupRounds(days, roundDays);
  RoundTable table;
  const int count = round.empty() ? 0 : *std::max_element(round.begin(), round.end()) + 1;
  table.firstDay.assign(count, 0);
  table.byWell.resize(count);
  std::vector<bool> seen(count, false);
  for (size_t k = 0; k < points.size(); ++k) {
    const int r = round[k];
    if (!seen[r] || days[k] < table.firstDay[r]) table.firstDay[r] = days[k];
    seen[r] = true;
    Tally& t = table.byWell[r][points[k]->well];
    t.value += points[k]->nonDetect ? 0.0 : points[k]->value;
    t.upper += points[k]->value;
    ++t.count;
  }
  return table;
}

PlumeTrend TrendOf(const std::vector<double>& days, const std::vector<double>& values, double level) {
  PlumeTrend trend;
  trend.mannKendall = MannKendall(values);
  trend.line = FitLine(days, values, level);
  return trend;
}

bool Rising(TrendClass c) {
  return c == TrendClass::kIncreasing || c == TrendClass::kProbablyIncreasing;
}

void OverRounds(const PlumeMassOptions& options, PlumeMassResult* r) {
  std::vector<double> days, mass, lnMass, centre, spread;
  for (const PlumeRound& round : r->rounds) {
    days.push_back(round.day - r->rounds.front().day);
    mass.push_back(round.moments.mass);
    lnMass.push_back(std::log(round.moments.mass));
    centre.push_back(round.moments.centreS);
    spread.push_back(round.moments.spreadS);
  }
  const double level = options.levelPercent / 100.0;
  r->mass = TrendOf(days, mass, level);
  r->centreS = TrendOf(days, centre, level);
  r->spreadS = TrendOf(days, spread, level);
  const bool allDetected = std::all_of(mass.begin(), mass.end(), [](double m) { return m > 0.0; });
  const LineFit ln = FitLine(days, lnMass, level);
  if (allDetected && ln.ok && ln.slope < 0.0) {
    r->halfLife = std::log(2.0) / -ln.slope;
    r->halfLifeLow = std::log(2.0) / -ln.slopeLow;
    r->halfLifeHigh = ln.slopeHigh < 0.0 ? std::log(2.0) / -ln.slopeHigh : INFINITY;
  }
  if (r->centreS.line.ok) {
    r->drift = r->centreS.line.slope;
    r->driftLow = r->centreS.line.slopeLow;
    r->driftHigh = r->centreS.line.slopeHigh;
  }
  if (r->rounds.size() < 4) {
    r->notes.push_back("Fewer than four rounds: no trend and no light.");
    return;
  }
  const TrendClass m = r->mass.mannKendall.trend, c = r->centreS.mannKendall.trend;
  if (Rising(m) || Rising(c))
    r->light = PlumeLight::kRed;
  else if (m == TrendClass::kDecreasing || m == TrendClass::kProbablyDecreasing)
    r->light = PlumeLight::kGreen;
  else
    r->light = PlumeLight::kYellow;
}

// The wells sampled in more than half the rounds; a well seen less often
// would cost more rounds than it adds and is left out instead.
std::vector<std::string> WellSet(const SiteData& site, const std::set<std::string>& candidates,
                                 const RoundTable& table, std::vector<std::string>* leftOut) {
  std::vector<std::string> set;
  const size_t rounds = table.byWell.size();
  for (const SiteWell& well : site.wells) {
    if (!candidates.count(well.name)) continue;
    size_t seen = 0;
    for (const auto& round : table.byWell) seen += round.count(well.name);
    if (seen == 0) continue;
    if (2 * seen > rounds) {
      set.push_back(well.name);
    } else {
      leftOut->push_back("well " + well.name + ": sampled in only " + std::to_string(seen) + " of " +
                         std::to_string(rounds) + " rounds");
    }
  }
  return set;
}

}  // namespace

PlumeMassResult PlumeMassOf(const SiteData& site, const std::string& contaminant,
                            const PlumeMassOptions& options) {
  PlumeMassResult r;
  r.contaminant = contaminant;
  r.retardedVelocity = options.retardedVelocity;
  std::set<std::string> candidates;
  std::vector<std::string> unplaced;
  for (const SiteWell& well : site.wells) {
    // A well waiting for the map would sit at the source in the mesh.
    if (!SiteWellPlaced(well, site.map)) {
      if (HoldsValuesOf(site, contaminant, well.name)) unplaced.push_back(well.name);
    } else if (!LeftOutByUser(options, well)) {
      candidates.insert(well.name);
    }
  }
  const RoundTable table = TallyRounds(GatherSeries(site, contaminant), candidates, options.roundDays);
  r.wells = WellSet(site, candidates, table, &r.leftOut);
  if (!unplaced.empty()) r.leftOut.push_back(UnplacedWellsText(unplaced));
  for (size_t k = 0; k < table.byWell.size(); ++k) {
    PlumeRound round;
    round.date = SiteDateText(table.firstDay[k]);
    round.day = double(table.firstDay[k]);
    std::string missing;
    for (const std::string& name : r.wells) {
      const auto found = table.byWell[k].find(name);
      if (found == table.byWell[k].end()) {
        missing += (missing.empty() ? "" : ", ") + name;
        continue;
      }
      const SiteWell* well = site.FindWell(name);
      const Tally& t = found->second;
      round.wells.push_back({name, well->s, well->y, t.value / t.count, t.upper / t.count});
    }
    if (!missing.empty())
      r.leftOut.push_back("round " + round.date + ": no value at " + missing);
    else
      r.rounds.push_back(std::move(round));
  }
  if (!(options.porosity > 0.0 && options.porosity <= 1.0)) {
    r.notes.push_back("No effective porosity ne: no mass.");
    r.rounds.clear();
    return r;
  }
  r.perMetreThickness = !(options.thickness > 0.0);
  if (r.perMetreThickness) r.notes.push_back("No saturated thickness b: masses per metre of thickness.");
  std::vector<double> s, y;
  for (const std::string& name : r.wells) {
    s.push_back(site.FindWell(name)->s);
    y.push_back(site.FindWell(name)->y);
  }
  const bool line = WellsInARow(s, y);
  const double b = r.perMetreThickness ? 1.0 : options.thickness;
  // Every round holds the set's wells in one order: one mesh serves them all.
  const Mesh mesh = r.rounds.empty() ? Mesh{} : MeshOf(r.rounds.front().wells, line);
  if (!r.rounds.empty() && !mesh.ok()) {
    r.notes.push_back(
        "Fewer than two wells at distinct places (three off one line across the flow): no mass.");
    r.rounds.clear();
    return r;
  }
  for (PlumeRound& round : r.rounds) round.moments = MomentsOn(round.wells, mesh, options.porosity, b);
  r.estimator = line ? "line" : "delaunay";
  if (line) r.notes.push_back("Wells nearly in a row: masses per metre of plume width.");
  if (!r.rounds.empty()) OverRounds(options, &r);
  return r;
}

PlumeMassOptions PlumeMassOptionsFor(const Project& project, const std::string& contaminant) {
  PlumeMassOptions o;
  o.roundDays = virelo_ExtrasOf(project).monitoring.roundDays;
  const Aquifer& a = project.aquifer;
  auto set = [&](uint16_t bits) { return (a.setMask & bits) == bits; };
  if (set(kAquiferNe)) o.porosity = a.porosityNe;
  const double b = virelo_SettingsOf(project).saturatedThickness;
  if (IsAcceptedSaturatedThickness(b)) o.thickness = b;
  if (set(kAquiferKf | kAquiferI | kAquiferNe) && a.porosityNe > 0.0) {
    const double v = a.gradientI * a.conductivityKf / a.porosityNe;
    o.retardedVelocity = v / virelo_RetardationOf(project, contaminant.c_str()).value;
  }
  return o;
}
