// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Whether a well's water favours reductive dechlorination of chlorinated
// solvents: the screening points of the chlorinated-solvent protocol
// (Wiedemeier et al. 1998, Technical Protocol for Evaluating Natural
// Attenuation of Chlorinated Solvents in Ground Water, US EPA/600/R-98/128,
// Table 2.3) for the parameters the site tables hold, their total and the
// protocol's reading of the total.
//
// Every row whose threshold and points a source read states and whose
// parameter the site data hold is scored. A row against background
// compares the well with the site's background water (SolventBackground),
// and is not scored where no background well measured its parameter. The
// table's pH row, carbon dioxide and chloride (against background),
// hydrogen, volatile fatty acids, BTEX and the daughter products are left
// out and named with the reason (kSolventRowsLeftOut). The table's pH row
// counts a pH outside 5 to 9 against dechlorination, so a total without it
// may be too high as well as too low.
#pragma once

#include <string>
#include <vector>

#include "engine/project/chain.h"
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
// TOC above 20 mg/L: 2 points. Where a sample has no TOC its DOC, the
// dissolved part of TOC, stands in: a DOC above 20 means a TOC above 20; a
// lower DOC earns nothing.
constexpr double kSolventOrganicCarbon = 20.0;
// The rows below as restated from the protocol's table in Talley (ed.)
// 2005, Bioremediation of Recalcitrant Compounds, CRC Press, Table 5.1a:
// temperature above 20 degC 1 point; ethene/ethane above 0.01 mg/L 2
// points, above 0.1 mg/L 3. Ethene/ethane is one row: the two gases are
// added, a non-detect adding nothing.
constexpr double kSolventTemperature = 20.0;  // [degC] above: 1 point
constexpr double kSolventEthenesLow = 0.01;   // above: 2 points
constexpr double kSolventEthenesHigh = 0.1;   // above: 3 points
// Alkalinity above twice background: 1 point (Talley (ed.) 2005, Table
// 5.1a, restating Table 2.3: "Alkalinity > 2x background ... 1").
constexpr double kSolventAlkalinityFactor = 2.0;

// A row of the table that is not scored, and why.
struct SolventRowLeftOut {
  const char* row;
  const char* reason;
};
inline constexpr SolventRowLeftOut kSolventRowsLeftOut[] = {
    {"pH", "the points for a pH outside 5 to 9 were not confirmed in a source"},
    {"CO2", "threshold against background and points not confirmed in a source"},
    // Talley (ed.) 2005, Table 5.1a, gives chloride "> 2x background" but
    // no points beside it.
    {"chloride", "the points for a chloride above twice background were not confirmed in a source"},
    {"H2", "threshold not confirmed in a source"},
    {"VFA", "threshold not confirmed in a source"},
    {"BTEX", "threshold not confirmed in a source"},
    {"daughter products", "points only where a compound was not released, which the project does not record"},
};
// The alkalinity row where the site gives no background to compare with; it
// stands after CO2, in the order of the table.
inline constexpr SolventRowLeftOut kSolventAlkalinityUnmeasured = {"alkalinity",
                                                                   "not measured in a background well"};
inline constexpr SolventRowLeftOut kSolventAlkalinityNoBackground = {
    "alkalinity",
    "not measured in a background well (no well is marked as background or lies upstream of "
    "the source)"};
// Where a chain records what was released, the daughter rows TCE, DCE and
// VC are scored (2 points each where found and not released: Talley (ed.)
// 2005, Table 5.1a, restating Table 2.3), and only the ethanes' rows stay
// out.
inline constexpr SolventRowLeftOut kSolventEthanesLeftOut = {
    "DCA/chloroethane", "the chlorinated ethanes are not recognised in the project's chains"};

// A daughter-product row at one well and date: the compound as measured and
// whether the project records it as released.
struct SolventDaughter {
  std::string row;  // "TCE", "DCE", "VC"
  Indicator measured;
  bool released = false;
};
// The daughter rows of the project's chains that record what was released,
// at a well and date, in the order of the table; empty when no chain says.
std::vector<SolventDaughter> SolventDaughtersAt(const SiteData& site, const std::vector<DecayChain>& chains,
                                                const std::string& well, const std::string& date);

// The site's background water, which the rows against background compare
// a well with.
struct SolventBackground {
  // The background wells: those the user marked, or, where none is marked,
  // those upstream of the source (s < 0), in the order of the site's wells.
  std::vector<std::string> wells;
  bool marked = false;
  // [mg/L] The median of the background wells' latest values; absent where
  // no background well measured it. A non-detect stands at its limit, which
  // makes the level an upper bound (nonDetect): a well above twice it is
  // still surely above twice background.
  Indicator alkalinity;
};
// The background of a site: `marked` are the wells the user marks as
// background (MonitoringSettings::backgroundWells); empty, the wells
// upstream of the source serve.
SolventBackground SolventBackgroundFor(const SiteData& site, const std::vector<std::string>& marked);
// "alkalinity 120 mg/L (median of the latest values at upstream MW0)", or
// what is missing, for the windows and the report.
std::string SolventBackgroundText(const SolventBackground& background);

// The points of one parameter.
struct SolventPoints {
  // "O2", "NO3", "Fe(II)", "SO4", "H2S", "CH4", "ORP", "TOC" (or "DOC" on
  // the TOC row), "temperature", "alkalinity", "C2H4/C2H6"
  std::string parameter;
  // [mg/L] (NO3 as NO3), ORP [mV], temperature [degC]; a detection limit
  // when nonDetect
  double value = 0.0;
  bool nonDetect = false;
  int points = 0;
};

struct SolventScore {
  bool scored = false;  // at least one parameter measured
  int total = 0;
  std::vector<SolventPoints> used;   // in the order of the table
  std::vector<std::string> missing;  // the scored rows' parameters not measured
  // The table's rows not scored; the same for every sample.
  std::vector<SolventRowLeftOut> leftOut;
};
// With daughters (SolventDaughtersAt) their rows are scored too: 2 points
// for a compound found above its limit that was not released, none for a
// released one or one not detected. The rows against background compare
// with `background` (SolventBackgroundFor); without one they are left out.
SolventScore ScoreSolvent(const RedoxIndicators& indicators,
                          const std::vector<SolventDaughter>& daughters = {},
                          const SolventBackground& background = {});

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
// Every row without points: those not measured, then those not scored,
// "NO3;H2S;pH;CO2;...".
std::string SolventUnscoredText(const SolventScore& score);
// The rows not scored with their reasons, one "row: reason" per line.
std::string SolventLeftOutText(const SolventScore& score);
