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
};

extern const char* const kEngineSentences[];
extern const int kEngineSentenceCount;

// The longer of two patterns that both match comes first.
const char* const kEngineSentences[] = {
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
};
const int kEngineSentenceCount = static_cast<int>(sizeof kEngineSentences / sizeof kEngineSentences[0]);
