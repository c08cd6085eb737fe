// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/site/flowfield.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <numbers>
#include <set>

#include "diagnostics/text.h"
#include "engine/project/sitemap.h"
#include "engine/site/sitestats.h"

namespace {
// A distance for a sentence: three significant digits.
std::string FlowMetres(double metres) {
  char text[32];
  FormatCNumber(text, sizeof text, "%.3g", metres + 0.0);
  return text;
}
}  // namespace

bool FitFlowField(const std::vector<HeadPoint>& points, FlowFieldFit* fit, std::string* why) {
  const size_t n = points.size();
  if (n < 3) {
    *why = "A flow field needs heads at three or more wells with map coordinates; " + std::to_string(n) +
           (n == 1 ? " is" : " are") + " given.";
    return false;
  }
  // Survey coordinates are six- and seven-digit numbers, whose sums lose the
  // millimetres: the sums are taken about the first well (differences of
  // nearby coordinates are exact) and then about the centroid of those
  // offsets, so that the gradient and the residuals keep their digits.
  const double e0 = points[0].easting, n0 = points[0].northing, h0 = points[0].head;
  double de = 0.0, dn = 0.0, dh = 0.0;
  for (const HeadPoint& p : points) de += p.easting - e0, dn += p.northing - n0, dh += p.head - h0;
  de /= n, dn /= n, dh /= n;
  auto centred = [&](const HeadPoint& p, double* e, double* q, double* h) {
    *e = (p.easting - e0) - de, *q = (p.northing - n0) - dn, *h = (p.head - h0) - dh;
  };
  double see = 0.0, snn = 0.0, sen = 0.0, seh = 0.0, snh = 0.0;
  for (const HeadPoint& p : points) {
    double e, q, h;
    centred(p, &e, &q, &h);
    see += e * e, snn += q * q, sen += e * q, seh += e * h, snh += q * h;
  }
  const double mh = h0 + dh;
  const double det = see * snn - sen * sen;
  // The wells' spread along and across their own main axis: the eigenvalues
  // of the scatter matrix, which no turn of the survey grid changes. Wells
  // with no spread across their axis let the plane tilt freely about it.
  const double half = 0.5 * (see + snn);
  const double along = half + std::hypot(0.5 * (see - snn), sen);
  const double across = along > 0.0 ? std::max(0.0, det / along) : 0.0;
  if (!(along > 0.0) || !(across > kFlowRowRefused * along)) {
    *why =
        "The wells with heads lie on one line, so the heads do not fix a plane: a flow field needs "
        "three wells that are not in a row.";
    return false;
  }
  const double b = (seh * snn - snh * sen) / det;
  const double c = (snh * see - seh * sen) / det;
  double ss = 0.0, shh = 0.0;
  std::vector<double> residuals;
  residuals.reserve(n);
  for (const HeadPoint& p : points) {
    double e, q, h;
    centred(p, &e, &q, &h);
    const double r = h - b * e - c * q;
    residuals.push_back(r);
    ss += r * r;
    shh += h * h;
  }
  const double gradient = std::hypot(b, c);
  // Level within the rounding of the heads themselves: no direction.
  if (!(gradient > 0.0) || gradient * std::sqrt(see + snn) <= 1e-12 * (std::sqrt(shh) + std::fabs(mh))) {
    *why = "The heads are level: they give no direction of flow.";
    return false;
  }
  FlowFieldFit out;
  out.n = static_cast<int>(n);
  out.gradient = gradient;
  // Steepest descent is -grad h; atan2(east, north) is clockwise from north.
  NormalizeAzimuth(std::atan2(-b, -c) * 180.0 / std::numbers::pi, &out.azimuth);
  out.rmsResidual = std::sqrt(ss / n);
  out.centreEasting = e0 + de, out.centreNorthing = n0 + dn, out.head0 = mh, out.dhdE = b, out.dhdN = c;
  out.residuals = std::move(residuals);
  out.spreadAlong = std::sqrt(along / static_cast<double>(n));
  out.spreadAcross = std::sqrt(across / static_cast<double>(n));
  if (out.spreadAcross < kFlowRowWarned * out.spreadAlong)
    out.warning = "The wells lie nearly in a row (" + FlowMetres(out.spreadAcross) +
                  " m across their line, " + FlowMetres(out.spreadAlong) +
                  " m along it, as root mean square distances from their centre): the heads fix the "
                  "gradient along the row but the direction of flow only poorly.";
  // With centred coordinates the (b, c) block of (X'X)^-1 is the inverse of
  // [[see, sen], [sen, snn]]. The azimuth atan2(-b, -c) has the derivatives
  // c / i^2 in b and -b / i^2 in c.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  out.gradientSe = out.azimuthSe = out.azimuthHalfWidth = out.azimuthLow = out.azimuthHigh = nan;
  if (n > 3) {
    const double s2 = ss / static_cast<double>(n - 3);
    const double vb = s2 * snn / det, vc = s2 * see / det, cov = -s2 * sen / det;
    const double i2 = gradient * gradient;
    out.gradientSe = std::sqrt(std::max(0.0, (b * b * vb + 2.0 * b * c * cov + c * c * vc) / i2));
    const double radians =
        std::sqrt(std::max(0.0, (c * c * vb - 2.0 * b * c * cov + b * b * vc) / (i2 * i2)));
    out.azimuthSe = radians * 180.0 / std::numbers::pi;
    out.azimuthHalfWidth =
        StudentTwoSidedQuantile(static_cast<int>(n) - 3, kFlowAzimuthLevel) * out.azimuthSe;
    if (out.azimuthHalfWidth < 180.0) {
      NormalizeAzimuth(out.azimuth - out.azimuthHalfWidth, &out.azimuthLow);
      NormalizeAzimuth(out.azimuth + out.azimuthHalfWidth, &out.azimuthHigh);
    } else {
      out.azimuthLow = 0.0, out.azimuthHigh = 360.0;
    }
  }
  *fit = std::move(out);
  return true;
}

namespace {
bool IsHead(const SiteSample& s) {
  return s.analyte == kHeadAnalyte && s.unit == kHeadUnit && !s.nonDetect && std::isfinite(s.value);
}
}  // namespace

std::vector<HeadPoint> HeadsOn(const SiteData& site, const std::string& date) {
  std::vector<HeadPoint> points;
  for (const SiteSample& s : site.samples) {
    if (s.date != date || !IsHead(s)) continue;
    const SiteWell* w = site.FindWell(s.well);
    if (w && w->mapped) points.push_back({s.well, w->easting, w->northing, s.value});
  }
  return points;
}

std::vector<std::string> FlowFieldDates(const SiteData& site) {
  std::map<std::string, int> count;
  for (const SiteSample& s : site.samples) {
    if (!IsHead(s)) continue;
    const SiteWell* w = site.FindWell(s.well);
    if (w && w->mapped) ++count[s.date];
  }
  std::vector<std::string> dates;
  for (const auto& [date, n] : count)
    if (n >= 3) dates.push_back(date);
  return dates;
}

int HeadsWithoutCoordinates(const SiteData& site, const std::string& date) {
  int n = 0;
  for (const SiteSample& s : site.samples) {
    if (s.date != date || !IsHead(s)) continue;
    const SiteWell* w = site.FindWell(s.well);
    if (w && !w->mapped) ++n;
  }
  return n;
}
