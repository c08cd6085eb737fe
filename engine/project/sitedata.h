// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// A site's own monitoring data: the wells along the plume and the samples
// taken at them. The fits, trends and the redox suggestion read these;
// the project keeps them in its settings block.
//
// Texts are Latin-1, as in the records; units and dates are ASCII.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/project/sitemap.h"

struct SiteWell {
  std::string name;
  double s = 0.0;     // distance from the source along the centre line [m]
  double y = 0.0;     // lateral offset from the centre line [m]
  bool inFit = true;  // used in the concentration-distance fit
  // Surveyed in map coordinates: s and y then follow from the site's map.
  bool mapped = false;
  double easting = 0.0, northing = 0.0;  // [m]
  bool operator==(const SiteWell&) const = default;
};

struct SiteSample {
  std::string well;
  std::string date;     // YYYY-MM-DD
  std::string analyte;  // a contaminant's name or one of kSiteIndicators
  double value = 0.0;   // the detection limit when nonDetect
  std::string unit;     // one of the canonical unit texts below
  bool nonDetect = false;
  bool operator==(const SiteSample&) const = default;
};

struct SiteData {
  std::vector<SiteWell> wells;
  std::vector<SiteSample> samples;
  SiteMap map;
  bool empty() const { return wells.empty() && samples.empty() && map.empty(); }
  bool operator==(const SiteData&) const = default;
  const SiteWell* FindWell(std::string_view name) const;
};

// Units as the project stores them. A table may also write micrograms with
// the micro sign (UTF-8 or Latin-1); ParseSiteUnit maps it to kUnitUgL.
constexpr const char* kUnitUgL = "ug/L";
constexpr const char* kUnitMgL = "mg/L";
constexpr const char* kUnitMv = "mV";
constexpr const char* kUnitM = "m";           // groundwater heads
constexpr const char* kUnitNone = "-";        // pH
constexpr const char* kUnitCelsius = "degC";  // temperature; tables may write it "\xB0C"

// The canonical text of a unit as a table writes it, or null when unknown.
const char* ParseSiteUnit(std::string_view text);
// Converts a concentration between ug/L and mg/L; false when either unit is
// not a concentration. ORP's mV and a head's m convert only to themselves.
bool ConvertSiteValue(double value, std::string_view from, std::string_view to, double* converted);
// Whether a canonical unit is one of a concentration (ug/L, mg/L).
bool IsSiteConcentrationUnit(std::string_view unit);
// The one unit an analyte is measured in (mV for ORP, m for a head, "-" for
// pH, degC for temperature), or null for the concentrations.
const char* FixedSiteUnit(std::string_view analyte);

// The groundwater indicators, named as the laboratory tables must name them.
constexpr const char* kIndicatorOxygen = "Oxygen";
constexpr const char* kIndicatorNitrate = "Nitrate";     // as NO3
constexpr const char* kIndicatorNitrateN = "Nitrate-N";  // as N
constexpr const char* kIndicatorManganese = "Manganese";
constexpr const char* kIndicatorIron = "Iron(II)";
constexpr const char* kIndicatorSulfate = "Sulfate";
constexpr const char* kIndicatorSulfide = "Sulfide";
constexpr const char* kIndicatorMethane = "Methane";
constexpr const char* kIndicatorOrp = "ORP";
constexpr const char* kIndicatorDoc = "DOC";
constexpr const char* kIndicatorChloride = "Chloride";
constexpr const char* kIndicatorHead = "Head";  // groundwater head [m]
// The further parameters of the chlorinated-solvent screening.
constexpr const char* kIndicatorPh = "pH";
constexpr const char* kIndicatorTemperature = "Temperature";
constexpr const char* kIndicatorToc = "TOC";
constexpr const char* kIndicatorEthane = "Ethane";
constexpr const char* kIndicatorHydrogen = "Hydrogen";
constexpr const char* kIndicatorFattyAcids = "Volatile fatty acids";
constexpr const char* kIndicatorAlkalinity = "Alkalinity";
constexpr const char* kIndicatorCarbonDioxide = "Carbon dioxide";
constexpr const char* kSiteIndicators[] = {
    kIndicatorOxygen,   kIndicatorNitrate,     kIndicatorNitrateN,   kIndicatorManganese,
    kIndicatorIron,     kIndicatorSulfate,     kIndicatorSulfide,    kIndicatorMethane,
    kIndicatorOrp,      kIndicatorDoc,         kIndicatorChloride,   kIndicatorHead,
    kIndicatorPh,       kIndicatorTemperature, kIndicatorToc,        kIndicatorEthane,
    kIndicatorHydrogen, kIndicatorFattyAcids,  kIndicatorAlkalinity, kIndicatorCarbonDioxide,
};
bool IsSiteIndicator(std::string_view analyte);

// Days since 1970-01-01 of a date written YYYY-MM-DD; false for anything
// else, including days a calendar lacks (2023-02-29).
bool ParseSiteDate(std::string_view text, long* day);
// The YYYY-MM-DD text of a day number.
std::string SiteDateText(long day);
