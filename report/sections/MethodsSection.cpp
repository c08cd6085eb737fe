// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The methods behind the results: both models, their assumptions and the
// literature they come from.
#include <QCoreApplication>
#include <cstring>
#include <map>

#include "engine/project/transport.h"
#include "engine/time/timeinputs.h"
#include "platform/EngineText.h"
#include "report/ReportSection.h"

namespace {

// What the project's sorption and source inputs make of the models'
// assumptions: the assessed contaminants that sorb (R > 1) and those whose
// source shrinks, each with the value it rests on. Both lists are empty for
// a project that keeps no such input.
struct TransportNotes {
  QStringList sorbing;
  QStringList shrinking;
  bool someMoveWithTheWater = false;  // an assessed contaminant with R = 1
};

TransportNotes transportNotes(ReportContext& report) {
  const Project& project = report.project();
  TransportNotes notes;
  if (TransportIsDefault(project)) return notes;
  const TransportInputs& transport = TransportOf(project);
  // The words the time section uses for a shrinking source, ks computed
  // as it computes it; a contaminant the time rows leave out is named by
  // its kind of source.
  std::map<std::string, std::string> sourceBasis;
  for (const TimeInputs& in : report.evaluated().TimeRows()) sourceBasis[in.timing.name] = in.sourceBasis;
  for (int k = 0; k < project.contaminantCount; ++k) {
    const Contaminant& c = project.contaminants[k];
    if (!c.assess) continue;
    const QString name = contaminantName(project, c.name);
    const Retardation r = virelo_RetardationOf(project, c.name);
    if (r.value > 1.0)
      notes.sorbing << QStringLiteral("%1 R = %2").arg(name, report.num(QString::number(r.value, 'g', 4)));
    else
      notes.someMoveWithTheWater = true;
    const ContaminantTransport& t = ContaminantTransportOf(transport, c.name);
    if (t.sourceDecay == SourceDecayKind::Constant) continue;
    const auto basis = sourceBasis.find(std::string(c.name, strnlen(c.name, sizeof c.name)));
    notes.shrinking << QStringLiteral("%1 (%2)").arg(
        name, basis != sourceBasis.end() ? esc(EngineText(basis->second))
              : t.sourceDecay == SourceDecayKind::Rate
                  ? QCoreApplication::translate("ReportMethods", "source decaying at ks = %1 1/d")
                        .arg(report.num(QStringLiteral("%1").arg(t.rate)))
                  : QCoreApplication::translate("ReportMethods", "source decaying from its mass M0 = %1 kg")
                        .arg(report.num(QStringLiteral("%1").arg(t.mass))));
  }
  return notes;
}

QString sorptionAssumption(const Project& project, const TransportNotes& notes) {
  if (notes.sorbing.isEmpty())
    return QStringLiteral("<li>%1</li>")
        .arg(QCoreApplication::translate(
            "ReportMethods",
            "No sorption: the contaminant moves at the seepage velocity (retardation factor 1)."));
  const bool sorbedDecays = TransportOf(project).aquifer.decayOf == DecayOf::DissolvedAndSorbed;
  return QStringLiteral("<li>%1</li>")
      .arg((QCoreApplication::translate(
                "ReportMethods",
                "Sorption retards by R = 1 + &#961;<sub>b</sub> Koc foc / n<sub>e</sub>: %1%2. %3"))
               .arg(notes.sorbing.join(QStringLiteral(", ")),
                    notes.someMoveWithTheWater
                        ? QCoreApplication::translate("ReportMethods",
                                                      "; the others move at the seepage velocity (R = 1)")
                        : QString(),
                    sorbedDecays ? QCoreApplication::translate(
                                       "ReportMethods",
                                       "The dissolved and the sorbed phase decay: the steady values use "
                                       "&#955;&#183;R in place of &#955;.")
                                 : QCoreApplication::translate(
                                       "ReportMethods",
                                       "Only the dissolved phase decays: at steady state R drops out and "
                                       "changes no steady value.")));
}

QString sourceAssumption(const QStringList& shrinking) {
  if (shrinking.isEmpty())
    return QStringLiteral("<li>%1</li>")
        .arg(QCoreApplication::translate(
            "ReportMethods",
            "Steady state: the source is constant and the plume has reached its full extent."));
  return QStringLiteral("<li>%1</li>")
      .arg(QCoreApplication::translate(
               "ReportMethods",
               "Steady state: the plume has reached its full extent from a source at C0. The source of "
               "%1 shrinks over time; the steady values keep C0 and so give it no credit.")
               .arg(shrinking.join(QStringLiteral(", "))));
}

}  // namespace

void WriteMethodsSection(ReportContext& report) {
  report.heading(2, QCoreApplication::translate("ReportMethods", "Methods"), "methods");
  report.heading(3, QCoreApplication::translate("ReportMethods", "Plume length"));
  report.add(
      QStringLiteral("<p>%1</p>"
                     "<p align=\"center\">v = Kf &#183; i / ne &nbsp;&nbsp;&nbsp; d = ln(C0 / CA) &#183; v / "
                     "&#955;</p>"
                     "<p>%2</p>")
          .arg(QCoreApplication::translate(
                   "ReportMethods",
                   "Plug flow at the seepage velocity with first-order decay: the plume ends "
                   "where the concentration has fallen from C0 to CA."),
               QCoreApplication::translate(
                   "ReportMethods",
                   "with Kf the hydraulic conductivity [m/d], i the hydraulic gradient, ne the effective "
                   "porosity, &#955; the decay constant [1/d]. The plume length is classified by d/x, "
                   "its ratio to the distance x between source and receptor.")));
  report.heading(3, QCoreApplication::translate("ReportMethods", "Attenuation factor"), "methods-af");
  report.add(
      QStringLiteral(
          "<p>%1</p>"
          "<p align=\"center\">C(x)/C0 = exp[ (x / (2 ax)) &#183; (1 &#8722; &#8730;(1 + 4 &#955; ax / v)) ] "
          "&#183; erf( Sz / (2 &#8730;(az x)) ) &#183; erf( Sy / (2 &#8730;(ay x)) )</p>"
          "<p align=\"center\">AF = C0 / C(x) &nbsp;&nbsp;&nbsp; C = CA &#183; AF</p>"
          "<p>%2</p>")
          .arg(QCoreApplication::translate(
                   "ReportMethods",
                   "Steady-state analytical solution for the centre line of a plume from a rectangular "
                   "source (width W = 2 Sy across the flow, thickness Sz below the water table) with "
                   "longitudinal dispersion and first-order decay (Domenico 1987), at the receptor "
                   "distance x:"),
               QCoreApplication::translate(
                   "ReportMethods",
                   "AF is the attenuation factor, C the highest source concentration that keeps the "
                   "receptor at CA. The attenuation factor is classified by C0/C. The error function is "
                   "the C library's erf; an infinite or undefined argument (a dispersivity of 0) counts "
                   "as erf = 1. A receptor concentration of 1e-30 or less gives AF = 0 and C0/C "
                   "infinite, which counts as green: nothing of the source reaches the receptor.")));
  report.add(
      QStringLiteral("<p>%1</p>")
          .arg(QCoreApplication::translate(
                   "ReportMethods",
                   "For comparison (section %1 and the charts) the exact steady-state centre-line "
                   "concentration of the same continuous patch source with longitudinal dispersion and "
                   "first-order decay is computed by adaptive Gauss-Kronrod quadrature over the "
                   "source's history, to a relative error of 1e-6 or better (Wexler 1992). The "
                   "screening formula underpredicts it, the more so the larger the dispersivities and "
                   "the stronger the decay (West et al. 2007).")
                   .arg(report.ref("exact"))));
  report.heading(3, QCoreApplication::translate("ReportMethods", "Assumptions and limits"));
  const TransportNotes notes = transportNotes(report);
  report.add(
      QStringLiteral("<ul>") + sourceAssumption(notes.shrinking) +
      QStringLiteral("<li>%1</li><li>%2</li>")
          .arg(QCoreApplication::translate(
                   "ReportMethods",
                   "Homogeneous aquifer: one conductivity, gradient, porosity and set of "
                   "dispersivities between source and receptor; uniform flow in "
                   "one direction."),
               QCoreApplication::translate("ReportMethods",
                                           "First-order decay with one constant for the whole flow path, "
                                           "chosen for one redox condition.")) +
      sorptionAssumption(report.project(), notes) +
      QStringLiteral("<li>%1</li></ul>")
          .arg(QCoreApplication::translate("ReportMethods",
                                           "The plume length neglects dispersion; both models are screening "
                                           "tools and do not replace a site model where the verdict is "
                                           "close.")));
}
