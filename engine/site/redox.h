// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The redox condition suggested by a well's groundwater indicators, on the
// thresholds of the USGS redox framework (McMahon and Chapelle 2008, Ground
// Water 46(2); Jurgens et al. 2009, USGS OFR 2009-1004), mapped onto the
// seven conditions of the Aquifer page (kRedoxConditions). A suggestion only:
// the aquifer changes when the user applies it.
#pragma once

#include <string>
#include <vector>

#include "engine/project/sitedata.h"

// Thresholds [mg/L].
constexpr double kRedoxOxygen = 0.5;
constexpr double kRedoxNitrateN = 0.5;
constexpr double kRedoxManganese = 0.05;
constexpr double kRedoxIron = 0.1;
constexpr double kRedoxSulfate = 0.5;
// Iron(II) over sulfide, by mass: above the first iron reduction dominates,
// below the second sulfate reduction; from the second to the first, both
// included, both (McMahon and Chapelle 2008; Jurgens et al. 2009).
constexpr double kRedoxIronSulfideIron = 10.0;
constexpr double kRedoxIronSulfideSulfate = 0.3;
// Methane that shows methanogenesis where sulfate is used up: the level
// above which the chlorinated-solvent protocol counts methane as present
// (Wiedemeier et al. 1998, US EPA/600/R-98/128, Table 2.3).
constexpr double kRedoxMethaneGas = 0.5;
// Nitrate as NO3 to nitrate as N: 14.0067 / 62.0049.
constexpr double kNitrateToN = 14.0067 / 62.0049;

// Indices of kRedoxConditions.
enum RedoxIndex {
  kRedoxUnknown = 0,
  kRedoxAerobic = 1,
  kRedoxNitrate = 2,
  kRedoxIronIndex = 3,
  kRedoxSulfateIndex = 4,
  kRedoxMixedPlumes = 5,
  kRedoxMethane = 6,
};

// One indicator of one sample [mg/L]: absent, or a value that may be a
// detection limit.
struct Indicator {
  bool present = false;
  double value = 0.0;
  bool nonDetect = false;
};

struct RedoxIndicators {
  Indicator oxygen, nitrateN, manganese, iron, sulfate, sulfide;
  Indicator methane;
  Indicator orp;  // [mV]
  Indicator doc;
  // Read by the solvent screening only, never by the redox class.
  Indicator ph;           // [-]
  Indicator temperature;  // [degC]
  Indicator toc, chloride, ethene, ethane, hydrogen, fattyAcids, alkalinity, carbonDioxide;
};

// The condition of one set of indicators by the first rule that matches,
// that rule in words, the indicators it rests on and the framework's
// indicators the sample lacks (short names as the Site data window heads
// its columns, "O2;NO3-N;Mn;Fe(II);SO4;H2S;CH4", joined by ";").
struct RedoxClass {
  int condition = kRedoxUnknown;
  std::string rule;
  std::string basis;
  std::string missing;
};
RedoxClass ClassifyRedoxWithBasis(const RedoxIndicators& indicators);
int ClassifyRedox(const RedoxIndicators& indicators, std::string* rule);

struct RedoxReading {
  std::string well;
  std::string date;
  int condition = kRedoxUnknown;
  std::string rule;
  RedoxIndicators indicators;  // [mg/L] (ORP [mV]), as the rules read them
  std::string basis, missing;  // as RedoxClass
};
// One reading per well and sampling date that has any indicator, ordered by
// well (as listed) and date.
std::vector<RedoxReading> ReadRedox(const SiteData& site);

// The condition to suggest for the aquifer from each well's latest reading
// (the wells in the fit, or every well when none of those has one), and why.
int SuggestRedox(const SiteData& site, const std::vector<RedoxReading>& readings, std::string* reason);
