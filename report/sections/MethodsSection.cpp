// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The methods behind the results: both models, their assumptions and the
// literature they come from.
#include "report/ReportSection.h"

void WriteMethodsSection(ReportContext& report) {
  report.heading(2, QStringLiteral("Methods"), "methods");
  report.heading(3, QStringLiteral("Plume length"));
  report.add(QStringLiteral(
      "<p>Plug flow at the seepage velocity with first-order decay: the plume ends where the "
      "concentration has fallen from C0 to CA.</p>"
      "<p align=\"center\">v = Kf &#183; i / ne &nbsp;&nbsp;&nbsp; d = ln(C0 / CA) &#183; v / &#955;</p>"
      "<p>with Kf the hydraulic conductivity [m/d], i the hydraulic gradient, ne the effective "
      "porosity, &#955; the decay constant [1/d]. The plume length is classified by d/x, its ratio to "
      "the distance x between source and receptor.</p>"));
  report.heading(3, QStringLiteral("Attenuation factor"), "methods-af");
  report.add(QStringLiteral(
      "<p>Steady-state analytical solution for the centre line of a plume from a rectangular "
      "source (width W = 2 Sy across the flow, thickness Sz below the water table) with longitudinal "
      "dispersion and first-order decay "
      "(Domenico 1987), at the receptor distance x:</p>"
      "<p align=\"center\">C(x)/C0 = exp[ (x / (2 ax)) &#183; (1 &#8722; &#8730;(1 + 4 &#955; ax / v)) ] "
      "&#183; erf( Sz / (2 &#8730;(az x)) ) &#183; erf( Sy / (2 &#8730;(ay x)) )</p>"
      "<p align=\"center\">AF = C0 / C(x) &nbsp;&nbsp;&nbsp; C = CA &#183; AF</p>"
      "<p>AF is the attenuation factor, C the highest source concentration that keeps the receptor at "
      "CA. The attenuation factor is classified by C0/C. The error function is the C library's erf; an "
      "infinite or undefined argument (a dispersivity of 0) counts as erf = 1. A receptor concentration of "
      "1e-30 or less gives AF = 0 and C0/C infinite, which "
      "counts as green: nothing of the source reaches the receptor.</p>"));
  report.add(
      QStringLiteral("<p>For comparison (section %1 and the charts) the exact steady-state centre-line "
                     "concentration of the same continuous patch source with longitudinal dispersion and "
                     "first-order decay is computed by adaptive Gauss-Kronrod quadrature over the source's "
                     "history, to a relative error of 1e-6 or better (Wexler 1992). The screening formula "
                     "underpredicts it, the more so the larger the dispersivities and the stronger the decay "
                     "(West, Kueper and Ungs 2007).</p>")
          .arg(report.ref("exact")));
  report.heading(3, QStringLiteral("Assumptions and limits"));
  report.add(QStringLiteral(
      "<ul><li>Steady state: the source is constant and the plume has reached its full "
      "extent.</li><li>Homogeneous aquifer: one conductivity, gradient, porosity and set of "
      "dispersivities between source and receptor; uniform flow in one direction.</li>"
      "<li>First-order decay with one constant for the whole flow path, chosen for one redox "
      "condition.</li><li>No sorption: the contaminant moves at the seepage velocity "
      "(retardation factor 1).</li><li>The plume length neglects dispersion; both models are "
      "screening tools and do not replace a site model where the verdict is close.</li></ul>"));
  report.heading(3, QStringLiteral("References"));
  report.add(QStringLiteral(
      "<ul><li>Domenico, P. A. (1987): An analytical model for multidimensional transport of a "
      "decaying contaminant species. Journal of Hydrology 91, 49-58.</li>"
      "<li>Gelhar, L. W., Welty, C., Rehfeldt, K. R. (1992): A critical review of data on "
      "field-scale dispersion in aquifers. Water Resources Research 28 (7), 1955-1974.</li>"
      "<li>West, M. R., Kueper, B. H., Ungs, M. J. (2007): On the use and error of approximation "
      "in the Domenico (1987) solution. Ground Water 45 (2), 126-135.</li>"
      "<li>Wexler, E. J. (1992): Analytical solutions for one-, two-, and three-dimensional solute "
      "transport in ground-water systems with uniform flow. Techniques of Water-Resources "
      "Investigations of the United States Geological Survey, Book 3, Chapter B7.</li>"
      "<li>Wiedemeier, T. H., Rifai, H. S., Newell, C. J., Wilson, J. T. (1999): Natural "
      "Attenuation of Fuels and Chlorinated Solvents in the Subsurface. Wiley, New York.</li></ul>"));
}
