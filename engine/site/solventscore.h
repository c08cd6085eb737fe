// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Whether a well's water favours reductive dechlorination of chlorinated
// solvents: the screening points of the chlorinated-solvent protocol
// (Wiedemeier et al. 1998, Technical Protocol for Evaluating Natural
// Attenuation of Chlorinated Solvents in Ground Water, US EPA/600/R-98/128,
// Table 2.3) for the parameters the site tables hold, their total and the
// protocol's reading of the total.
//
// Only rows whose thresholds the site's indicators answer are scored. Rows
// left out: pH, temperature, carbon dioxide, alkalinity and chloride (the
// last three are scored against background, which one sample does not
// give), hydrogen, volatile fatty acids, BTEX, ethene/ethane, and the
// daughter products (points only where a compound is shown not to have been
// released, which the tables do not tell). Leaving a row out can only lower
// the total: the reading errs towards less evidence.
#pragma once

#include <string>
#include <vector>

#include "engine/site/redox.h"

// Thresholds of the table [mg/L; ORP mV].
constexpr double kSolventOxygenLow = 0.5;   // below: 3 points
constexpr double kSolventOxygenHigh = 5.0;  // above: -3 points
// Nitrate below 1 mg/L: 2 points. The table does not say whether as N or
// as NO3; read as NO3, the stricter of the two, so that a nitrate between
// 1 and 4.4 mg/L NO3 earns nothing.
constexpr double kSolventNitrateAsNo3 = 1.0;
constexpr double kSolventIron = 1.0;          // above: 3 points
constexpr double kSolventSulfate = 20.0;      // below: 2 points
constexpr double kSolventSulfide = 1.0;       // above: 3 points
constexpr double kSolventMethane = 0.5;       // above: 3 points
constexpr double kSolventOrpPossible = 50.0;  // below: 1 point (against Ag/AgCl)
constexpr double kSolventOrpLikely = -100.0;  // below: 2 points
// TOC above 20 mg/L: 2 points. The tables hold DOC, the dissolved part of
// TOC: a DOC above 20 means a TOC above 20; a lower DOC earns nothing.
constexpr double kSolventOrganicCarbon = 20.0;

// The points of one parameter.
struct SolventPoints {
  std::string parameter;  // "O2", "NO3", "Fe(II)", "SO4", "H2S", "CH4", "ORP", "DOC" (on the TOC row)
  double value = 0.0;     // [mg/L] (NO3 as NO3), ORP [mV]; a detection limit when nonDetect
  bool nonDetect = false;
  int points = 0;
};

struct SolventScore {
  bool scored = false;  // at least one parameter measured
  int total = 0;
  std::vector<SolventPoints> used;   // in the order of the table
  std::vector<std::string> missing;  // the scored rows' parameters not measured
};
SolventScore ScoreSolvent(const RedoxIndicators& indicators);

// The protocol's reading of a total: 0 to 5 (or less) "inadequate", 6 to
// 14 "limited", 15 to 20 "adequate", above 20 "strong" (evidence for
// reductive dechlorination).
const char* SolventReadingWord(int total);
// "limited evidence for reductive dechlorination", ...
std::string SolventReadingText(int total);
// "O2 3, Fe(II) 3, SO4 2, ..." for a table cell.
std::string SolventPointsText(const SolventScore& score);
// "NO3;H2S" as RedoxClass::missing.
std::string SolventMissingText(const SolventScore& score);
