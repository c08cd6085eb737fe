// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The English texts of the engine that the windows show in German and Dutch,
// listed here so that lupdate finds them: terms and fixed texts are
// translated whole (context "EngineText"), sentences with numbers or names
// in them by their pattern (context "EngineSentence"), %1, %2 standing for
// the parts, which are translated in turn where they are terms. A text is
// added here in the very words the engine writes it.
#include <QtGlobal>

// Read by lupdate only: the windows look terms up by their English text.
[[maybe_unused]] static const char* const kEngineTerms[] = {
    QT_TRANSLATE_NOOP("EngineText", "Green"),
    QT_TRANSLATE_NOOP("EngineText", "Yellow"),
    QT_TRANSLATE_NOOP("EngineText", "Red"),
    QT_TRANSLATE_NOOP("EngineText", "Problems"),
    QT_TRANSLATE_NOOP("EngineText", "none"),
    QT_TRANSLATE_NOOP("EngineText", "Increasing"),
    QT_TRANSLATE_NOOP("EngineText", "Probably Increasing"),
    QT_TRANSLATE_NOOP("EngineText", "No Trend"),
    QT_TRANSLATE_NOOP("EngineText", "Stable"),
    QT_TRANSLATE_NOOP("EngineText", "Probably Decreasing"),
    QT_TRANSLATE_NOOP("EngineText", "Decreasing"),
    QT_TRANSLATE_NOOP("EngineText", "without a trend class"),
    QT_TRANSLATE_NOOP("EngineText", "plume behaviour"),
    QT_TRANSLATE_NOOP("EngineText", "mass discharge"),
    QT_TRANSLATE_NOOP("EngineText", "geochemistry"),
    QT_TRANSLATE_NOOP("EngineText", "model"),
    QT_TRANSLATE_NOOP("EngineText", "time frame"),
    QT_TRANSLATE_NOOP("EngineText", "UNKOWN / VARIABLE"),
    QT_TRANSLATE_NOOP("EngineText", "AEROBIC"),
    QT_TRANSLATE_NOOP("EngineText", "ANAEROBIC-NO3"),
    QT_TRANSLATE_NOOP("EngineText", "ANAEROBIC-FE"),
    QT_TRANSLATE_NOOP("EngineText", "ANAEROBIC-SO4"),
    QT_TRANSLATE_NOOP("EngineText", "ANAEROBIC-MIXED-PLUMES"),
    QT_TRANSLATE_NOOP("EngineText", "ANAEROBIC-CH4"),
    QT_TRANSLATE_NOOP("EngineText", "screening model"),
    QT_TRANSLATE_NOOP("EngineText", "exact solution"),
    QT_TRANSLATE_NOOP("EngineText", "worse of the two"),
    QT_TRANSLATE_NOOP("EngineText", "exact"),
    QT_TRANSLATE_NOOP("EngineText", "chain"),
    QT_TRANSLATE_NOOP("EngineText", "wells"),
    QT_TRANSLATE_NOOP("EngineText",
                      "No monitoring rounds: import the wells' monitoring data to see the plume over time."),
    QT_TRANSLATE_NOOP("EngineText", "No light: the plume's mass could not be computed."),
    QT_TRANSLATE_NOOP("EngineText",
                      "No monitoring rounds: import the wells' monitoring data and name a transect."),
    QT_TRANSLATE_NOOP("EngineText",
                      "No transect: name wells across the flow as a transect (Site data: Plume as a whole)."),
    QT_TRANSLATE_NOOP("EngineText",
                      "No light: a trend needs four rounds with all of a transect's wells, and a decline two "
                      "transects sampled in one round."),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "No redox indicators: measure oxygen, nitrate, iron(II), sulfate, sulfide and methane."),
    QT_TRANSLATE_NOOP("EngineText", "No solvent score: none of its parameters is measured."),
    QT_TRANSLATE_NOOP("EngineText", "The literature gives it no decay there."),
    QT_TRANSLATE_NOOP("EngineText", "The database has no decay constant of it for that condition."),
    QT_TRANSLATE_NOOP("EngineText", "The condition is not clear enough to judge degradation."),
    QT_TRANSLATE_NOOP("EngineText", "No verdict: the inputs have problems (see the Results page)."),
    QT_TRANSLATE_NOOP("EngineText", "The receptor stays below CA at all times."),
    QT_TRANSLATE_NOOP("EngineText", "The times follow its decay chain."),
    QT_TRANSLATE_NOOP("EngineText", "The source is at its target already."),
    QT_TRANSLATE_NOOP("EngineText", "The source is constant: it meets no target by decay alone."),
    QT_TRANSLATE_NOOP("EngineText", "No time frame: its times are not computed."),
    QT_TRANSLATE_NOOP("EngineText",
                      "You didn't set a C0 (concentration at source) > 0.0  for the contaminant!"),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "You need a CA  (accepted concentration at receptor) > 0.0 and <=C0 for the contaminant!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "You have to set/select a lambda (decay constant) > 0.0 for the contaminant!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "You have to set  x > 0.0 (distance source to receptor) for the aquifer!"),
    QT_TRANSLATE_NOOP("EngineText", "You didn't set i (hydraulic gradient) for the aquifer!"),
    QT_TRANSLATE_NOOP("EngineText", "i (aquifer: hydraulic gradient) must be > 0.0!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "You didn't set Kf (coefficient of hydraulic conductivity) for the aquifer!"),
    QT_TRANSLATE_NOOP("EngineText", "Kf (coefficient of hydraulic conductivity) should not be <= 0.0!"),
    QT_TRANSLATE_NOOP("EngineText", "You have to set ne (effective porosity) for the aquifer!"),
    QT_TRANSLATE_NOOP("EngineText", "Range of ne (effective porosity) is:  0.0 < ne <= 1.0 !"),
    QT_TRANSLATE_NOOP("EngineText", "You have to set ax, ay, az (dispersivity) for the aquifer!"),
    QT_TRANSLATE_NOOP("EngineText", "ax (dispersivity) has to be > 0.0 for the aquifer!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "You have to set Sz and Sy (width and thickness of plume) for the aquifer!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "C0, CA and lambda (decay constant) must be finite numbers for the contaminant!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Dispersivities and source dimensions must not be negative for the aquifer!"),
    QT_TRANSLATE_NOOP("EngineText", "Source width and thickness must be greater than 0 for the aquifer!"),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "x, Kf, i, ne, dispersivities and source dimensions must be finite numbers for the aquifer!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "Koc (organic-carbon partition coefficient) must be a finite number >= 0.0 for the "
                      "contaminant!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "ks (decay rate of the source) must be a finite number >= 0.0 for the contaminant!"),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "M0 (dissolvable mass of the source) must be a finite number > 0.0 for the contaminant!"),
    QT_TRANSLATE_NOOP("EngineText", "rho_b (bulk density) must be a finite number > 0.0 for the aquifer!"),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "foc (fraction of organic carbon) must be a finite number >= 0.0 and < 1.0 for the aquifer!"),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "The project's concentration unit is not one Virelo relates to the samples' units (ng/L, "
        "ug/L, mg/L): the wells were not compared with CA!"),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "Fewer than three wells hold detected values at different distances: the wells were not "
        "compared with CA!"),
    QT_TRANSLATE_NOOP("EngineText",
                      "The wells' distance fit has warnings: the wells were not compared with CA!"),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "A decay chain of the project has problems (Data > Decay chain names them): its species "
        "were judged without it!"),
    QT_TRANSLATE_NOOP("EngineText", "oxygen missing"),
    QT_TRANSLATE_NOOP("EngineText", "oxic; iron(II) missing"),
    QT_TRANSLATE_NOOP("EngineText", "oxygen >= 0.5 mg/L, no reduced iron or manganese"),
    QT_TRANSLATE_NOOP("EngineText", "anoxic; nitrate missing"),
    QT_TRANSLATE_NOOP("EngineText", "nitrate-reducing; iron(II) missing"),
    QT_TRANSLATE_NOOP("EngineText",
                      "nitrate >= 0.5 mg/L N with iron or manganese: mixed anaerobic processes"),
    QT_TRANSLATE_NOOP("EngineText", "oxygen < 0.5, nitrate >= 0.5 mg/L N"),
    QT_TRANSLATE_NOOP("EngineText", "sulfate < 0.5 mg/L with methane > 0.5 mg/L: methanogenic"),
    QT_TRANSLATE_NOOP("EngineText", "anoxic, no nitrate; iron(II) missing"),
    QT_TRANSLATE_NOOP("EngineText", "manganese-reducing: no condition of its own"),
    QT_TRANSLATE_NOOP("EngineText", "suboxic: no electron acceptor shows"),
    QT_TRANSLATE_NOOP("EngineText", "iron-reducing or below; sulfate missing"),
    QT_TRANSLATE_NOOP("EngineText", "iron(II) >= 0.1, sulfate < 0.5 mg/L: methanogenic"),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "iron(II) >= 0.1 and sulfate >= 0.5 mg/L, sulfide not measured: iron and/or sulfate reduction"),
    QT_TRANSLATE_NOOP("EngineText", "iron(II)/sulfide > 10 (sulfide not detected)"),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "iron(II) and sulfate; sulfide not detected, ratio open: iron and/or sulfate reduction"),
    QT_TRANSLATE_NOOP("EngineText", "iron(II)/sulfide > 10: iron-reducing"),
    QT_TRANSLATE_NOOP("EngineText", "iron(II)/sulfide < 0.3: sulfate-reducing"),
    QT_TRANSLATE_NOOP("EngineText", "iron(II)/sulfide from 0.3 to 10: iron and sulfate reduction"),
    QT_TRANSLATE_NOOP("EngineText", "wells along the plume show different anaerobic conditions"),
    QT_TRANSLATE_NOOP("EngineText", "every classified well is aerobic"),
    QT_TRANSLATE_NOOP("EngineText", "no well has indicators"),
    QT_TRANSLATE_NOOP("EngineText", "no well's indicators decide a condition"),
    QT_TRANSLATE_NOOP("EngineText", "oxygen with dissolved iron or manganese: mixed oxic-anoxic water"),
    QT_TRANSLATE_NOOP("EngineText", "inadequate"),
    QT_TRANSLATE_NOOP("EngineText", "limited"),
    QT_TRANSLATE_NOOP("EngineText", "adequate"),
    QT_TRANSLATE_NOOP("EngineText", "strong"),
    QT_TRANSLATE_NOOP("EngineText", "R = 1: no Koc for this contaminant"),
    QT_TRANSLATE_NOOP("EngineText", "R = 1: bulk density or foc not entered for the aquifer"),
    QT_TRANSLATE_NOOP("EngineText", "R = 1: no usable effective porosity ne"),
    QT_TRANSLATE_NOOP("EngineText", "constant source"),
    QT_TRANSLATE_NOOP("EngineText", "Decay of dissolved and sorbed phase"),
    QT_TRANSLATE_NOOP("EngineText", "Decay of the dissolved phase only"),
    QT_TRANSLATE_NOOP("EngineText", "from the chain"),
    QT_TRANSLATE_NOOP("EngineText", "from the wells"),
    QT_TRANSLATE_NOOP("EngineText", "temperature"),
    QT_TRANSLATE_NOOP("EngineText", "alkalinity"),
    QT_TRANSLATE_NOOP("EngineText", "chloride"),
    QT_TRANSLATE_NOOP("EngineText", "daughter products"),
    QT_TRANSLATE_NOOP("EngineText", "DCA/chloroethane"),
    QT_TRANSLATE_NOOP("EngineText", "the points for a pH outside 5 to 9 were not confirmed in a source"),
    QT_TRANSLATE_NOOP("EngineText", "threshold against background and points not confirmed in a source"),
    QT_TRANSLATE_NOOP("EngineText",
                      "the points for a chloride above twice background were not confirmed in a source"),
    QT_TRANSLATE_NOOP("EngineText", "threshold not confirmed in a source"),
    QT_TRANSLATE_NOOP("EngineText",
                      "points only where a compound was not released, which the project does not record"),
    QT_TRANSLATE_NOOP("EngineText", "not measured in a background well"),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "not measured in a background well (no well is marked as background or lies upstream of the source)"),
    QT_TRANSLATE_NOOP("EngineText", "the chlorinated ethanes are not recognised in the project's chains"),
    QT_TRANSLATE_NOOP("EngineText",
                      "no background well: none is marked and none lies upstream of the source"),
    QT_TRANSLATE_NOOP("EngineText", "No effective porosity ne: no mass."),
    QT_TRANSLATE_NOOP("EngineText", "No saturated thickness b: masses per metre of thickness."),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "Fewer than two wells at distinct places (three off one line across the flow): no mass."),
    QT_TRANSLATE_NOOP("EngineText", "Wells nearly in a row: masses per metre of plume width."),
    QT_TRANSLATE_NOOP("EngineText", "Fewer than four rounds: no trend and no light."),
    QT_TRANSLATE_NOOP("EngineText", "The source's decay rate ks must be a finite number of at least 0 1/d."),
    QT_TRANSLATE_NOOP("EngineText", "The source's mass M0 must be a finite number above 0 kg."),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "The flow through the source needs Kf, i, the source width and its thickness on the Aquifer "
        "page."),
    QT_TRANSLATE_NOOP("EngineText", "The source decay from the mass needs C0."),
    QT_TRANSLATE_NOOP("EngineText", "The source decay rate from the mass is beyond the range of numbers."),
    QT_TRANSLATE_NOOP("EngineText", "unit"),
    QT_TRANSLATE_NOOP("EngineText", "too few wells"),
    QT_TRANSLATE_NOOP("EngineText", "fit warnings"),
    QT_TRANSLATE_NOOP("EngineText", "any date"),
    QT_TRANSLATE_NOOP(
        "EngineText",
        "No decay constant without the flow velocity v and the dispersivity ax of the aquifer."),
    // Why a time curve has no screening values.
    QT_TRANSLATE_NOOP("EngineText",
                      "The source fades faster than the plume decays, and there the screening form's lagged "
                      "source multiplier underestimates the receptor by orders of magnitude: only the exact "
                      "solution gives a value."),
    QT_TRANSLATE_NOOP("EngineText",
                      "A source of the chain fades faster than a species it feeds decays, and there the "
                      "screening form's lagged source multiplier underestimates the receptor by orders of "
                      "magnitude: only the exact solution gives a value."),
    // How a daughter of a decay chain is followed over time.
    QT_TRANSLATE_NOOP("EngineText", "every source feeding it fades: it rises to a peak and falls away"),
    QT_TRANSLATE_NOOP("EngineText",
                      "a source feeding it fades while others stay: it settles at what the constant sources "
                      "keep (below the steady chain's value), and t50 and t95 are not given"),
};

extern const char* const kEngineSentences[];
extern const int kEngineSentenceCount;

// The longer of two patterns that both match comes first.
const char* const kEngineSentences[] = {
    QT_TRANSLATE_NOOP("EngineSentence",
                      "followed through its decay chain %1 at R = %2, the smallest of its species' (the "
                      "earliest arrival)"),
    QT_TRANSLATE_NOOP("EngineSentence", "own factors differ: %1"),
    QT_TRANSLATE_NOOP("EngineSentence", "%1 evidence for reductive dechlorination"),
    QT_TRANSLATE_NOOP("EngineSentence", "alkalinity not measured in a background well (marked %1)"),
    QT_TRANSLATE_NOOP("EngineSentence", "alkalinity not measured in a background well (upstream %1)"),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "alkalinity below %1 mg/L (median of the latest values at marked %2)"),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "alkalinity below %1 mg/L (median of the latest values at upstream %2)"),
    QT_TRANSLATE_NOOP("EngineSentence", "alkalinity %1 mg/L (median of the latest values at marked %2)"),
    QT_TRANSLATE_NOOP("EngineSentence", "alkalinity %1 mg/L (median of the latest values at upstream %2)"),
    QT_TRANSLATE_NOOP("EngineSentence", "round %1: no value at %2"),
    QT_TRANSLATE_NOOP(
        "EngineSentence",
        "The project's concentration unit \"%1\" is not one Virelo converts to kg/m3 (ug/L, mg/L, "
        "ng/L, g/L, g/m3, mg/m3, kg/m3): no source decay from the mass."),
    QT_TRANSLATE_NOOP(
        "EngineSentence",
        "Kf = %1 m/d is below %2 m/d, as tight as silt or clay: entered in m/s? 1e-4 m/s = 8.64 m/d"),
    QT_TRANSLATE_NOOP("EngineSentence", "Kf = %1 m/d is above %2 m/d, more than even open gravel conducts"),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "i = %1 is above %2, steeper than groundwater gradients usually are: entered in per "
                      "cent or per mille?"),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "ne = %1 is below %2, less than even fractured rock usually offers to the flow"),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "ne = %1 is above %2, more than the total porosity of sand and gravel"),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "The seepage velocity v = Kf * i / ne = %1 m/d is above %2 m/d: check Kf, i and ne"),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "The seepage velocity v = Kf * i / ne = %1 m/d is below %2 m/d: check Kf, i and ne"),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "ax = %1 m is greater than the distance x = %2 m; field values lie far below x"),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "ay = %1 m is greater than ax = %2 m; transverse spreading is usually about a tenth of "
                      "the longitudinal"),
    QT_TRANSLATE_NOOP(
        "EngineSentence",
        "az = %1 m is greater than ay = %2 m; vertical spreading is usually far smaller than horizontal"),
    QT_TRANSLATE_NOOP(
        "EngineSentence",
        "rho_b = %1 kg/L lies outside 1.2 to 2.4 kg/L, the bulk densities of aquifer sediments: "
        "entered in g/cm3 or t/m3 it is the same number; in kg/m3 divide by 1000."),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "foc = %1 is above 0.05, more organic carbon than aquifer sands and gravels hold: a "
                      "percentage typed as a fraction? 0.1 % is foc = 0.001."),
    QT_TRANSLATE_NOOP("EngineSentence", "wells not compared (%1)"),
    QT_TRANSLATE_NOOP("EngineSentence", "%1; %2 over the whole %3 % interval of λ"),
    QT_TRANSLATE_NOOP("EngineSentence", "%1; %2 to %3 over the %4 % interval of λ"),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "Fewer than three detected values at different distances on %1 at wells in the fit: no "
                      "decay constant."),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "The concentration does not fall with distance (slope %1 1/m): no attenuation shown."),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "The slope's %1 interval (%2 to %3 1/m) contains 0: no attenuation shown."),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "Well %1 lies %2 m off the centre line, more than the source half-width Sy = %3 m; the "
                      "flow azimuth (%4°) places the wells and may be the cause: check it on Flow field."),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "Well %1 lies %2 m off the centre line, more than the source half-width Sy = %3 m; the "
                      "flow azimuth (%4°) places the wells and may be the cause: %5 would place them "
                      "otherwise (check on Flow field)."),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "Well %1 lies %2 m off the centre line, more than the source half-width Sy = %3 m."),
    QT_TRANSLATE_NOOP("EngineSentence", "Well %1 lies beyond the receptor (s = %2 m, x = %3 m)."),
    QT_TRANSLATE_NOOP(
        "EngineSentence",
        "Concentrations at well %1 are %2 (Mann-Kendall): the plume may not be at steady state, "
        "which the distance method needs."),
    QT_TRANSLATE_NOOP(
        "EngineSentence",
        "The project's concentration unit \"%1\" is not one Virelo relates to the samples' units "
        "(ng/L, ug/L, mg/L): the wells' concentrations cannot be compared with CA."),
    QT_TRANSLATE_NOOP("EngineSentence", "Over %1 rounds: the plume's mass %2, its centre of mass %3."),
    QT_TRANSLATE_NOOP("EngineSentence", "Wells: %1."),
    QT_TRANSLATE_NOOP(
        "EngineSentence",
        "No light: the plume's mass needs four sampling rounds of the same wells, the site has %1."),
    QT_TRANSLATE_NOOP("EngineSentence", "No mass discharge: %1"),
    QT_TRANSLATE_NOOP("EngineSentence", "Mass discharge: %1."),
    QT_TRANSLATE_NOOP("EngineSentence", "%1 has no round with all its wells"),
    QT_TRANSLATE_NOOP("EngineSentence", "%1 %2 g/d per m of thickness on %3"),
    QT_TRANSLATE_NOOP("EngineSentence", "%1 %2 g/d on %3"),
    QT_TRANSLATE_NOOP("EngineSentence", "From %1 to %2 it falls to %3 % over %4 m."),
    QT_TRANSLATE_NOOP("EngineSentence", "From %1 to %2 it grows to %3 % over %4 m."),
    QT_TRANSLATE_NOOP("EngineSentence", "The wells suggest %1."),
    QT_TRANSLATE_NOOP("EngineSentence", "Solvent score %1 at %2 (inadequate evidence of dechlorination)."),
    QT_TRANSLATE_NOOP("EngineSentence", "Solvent score %1 at %2 (limited evidence of dechlorination)."),
    QT_TRANSLATE_NOOP("EngineSentence", "Solvent score %1 at %2 (adequate evidence of dechlorination)."),
    QT_TRANSLATE_NOOP("EngineSentence", "Solvent score %1 at %2 (strong evidence of dechlorination)."),
    QT_TRANSLATE_NOOP("EngineSentence", "The literature gives it a decay constant of %1 1/d there."),
    QT_TRANSLATE_NOOP("EngineSentence", "λ from the wells %1 1/d (%2 to %3), the project's %4 1/d."),
    QT_TRANSLATE_NOOP("EngineSentence", "Attenuation factor %1 by the models."),
    QT_TRANSLATE_NOOP("EngineSentence", "Attenuation factor %1 (worse than the screening model by: %2)."),
    QT_TRANSLATE_NOOP("EngineSentence", "No time frame: %1"),
    QT_TRANSLATE_NOOP("EngineSentence", "The receptor exceeds CA from %1 to %2."),
    QT_TRANSLATE_NOOP("EngineSentence", "The receptor first exceeds CA after %1 and stays above it."),
    QT_TRANSLATE_NOOP("EngineSentence", "The source meets its target after %1."),
    QT_TRANSLATE_NOOP("EngineSentence", "%1 d (%2 years)"),
    QT_TRANSLATE_NOOP("EngineSentence", "the anaerobic wells agree on %1"),
    QT_TRANSLATE_NOOP("EngineSentence", "R = 1 + rho_b Koc foc / ne = %1"),
    QT_TRANSLATE_NOOP("EngineSentence", "source decaying at ks = %1 1/d"),
    QT_TRANSLATE_NOOP("EngineSentence",
                      "source decaying by mass balance: ks = Q C0 / M0 = %1 1/d, Q = %2 m3/d"),
};
const int kEngineSentenceCount = static_cast<int>(sizeof kEngineSentences / sizeof kEngineSentences[0]);
