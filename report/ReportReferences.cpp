// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "report/ReportReferences.h"

#include <QRegularExpression>

const std::vector<ReportReference>& ReportReferences() {
  // clang-format off
  static const std::vector<ReportReference> references = {
      {"Aziz et al. 2003",
       "Aziz, J. J., Ling, M., Rifai, H. S., Newell, C. J., Gonzales, J. R. (2003): MAROS: a decision "
       "support system for optimizing monitoring plans. Ground Water 41 (3), 355-367."},
      {"Buscheck and Alcantar 1995",
       "Buscheck, T. E., Alcantar, C. M. (1995): Regression techniques and analytical solutions to "
       "demonstrate intrinsic bioremediation. In: Hinchee, R. E., Wilson, J. T., Downey, D. C. (eds.): "
       "Intrinsic Bioremediation. Battelle Press, Columbus, Ohio, 109-116."},
      {"Domenico 1987",
       "Domenico, P. A. (1987): An analytical model for multidimensional transport of a decaying "
       "contaminant species. Journal of Hydrology 91, 49-58."},
      {"ITRC 2010",
       "ITRC (2010): Use and Measurement of Mass Flux and Mass Discharge. MASSFLUX-1. Interstate "
       "Technology &amp; Regulatory Council, Washington, D.C."},
      {"Jurgens et al. 2009",
       "Jurgens, B. C., McMahon, P. B., Chapelle, F. H., Eberts, S. M. (2009): An Excel workbook for "
       "identifying redox processes in ground water. U.S. Geological Survey Open-File Report 2009-1004."},
      {"McMahon and Chapelle 2008",
       "McMahon, P. B., Chapelle, F. H. (2008): Redox processes and water quality of selected principal "
       "aquifer systems. Ground Water 46 (2), 259-271."},
      {"Newell et al. 2002",
       "Newell, C. J., Rifai, H. S., Wilson, J. T., Connor, J. A., Aziz, J. A., Suarez, M. P. (2002): "
       "Calculation and Use of First-Order Rate Constants for Monitored Natural Attenuation Studies. "
       "US EPA Ground Water Issue, EPA/540/S-02/500."},
      {"Sun et al. 1999",
       "Sun, Y., Petersen, J. N., Clement, T. P., Skeen, R. S. (1999): Development of analytical "
       "solutions for multispecies transport with serial and parallel reactions. Water Resources "
       "Research 35 (1), 185-190."},
      {"US EPA 1999",
       "US EPA (1999): Use of Monitored Natural Attenuation at Superfund, RCRA Corrective Action, and "
       "Underground Storage Tank Sites. OSWER Directive 9200.4-17P, Washington, D.C."},
      {"West et al. 2007",
       "West, M. R., Kueper, B. H., Ungs, M. J. (2007): On the use and error of approximation in the "
       "Domenico (1987) solution. Ground Water 45 (2), 126-135."},
      {"Wexler 1992",
       "Wexler, E. J. (1992): Analytical solutions for one-, two-, and three-dimensional solute "
       "transport in ground-water systems with uniform flow. Techniques of Water-Resources "
       "Investigations of the United States Geological Survey, Book 3, Chapter B7."},
      {"Wiedemeier et al. 1998",
       "Wiedemeier, T. H., Swanson, M. A., Moutoux, D. E., Gordon, E. K., Wilson, J. T., Wilson, B. H., "
       "Kampbell, D. H., Haas, P. E., Miller, R. N., Hansen, J. E., Chapelle, F. H. (1998): Technical "
       "Protocol for Evaluating Natural Attenuation of Chlorinated Solvents in Ground Water. "
       "EPA/600/R-98/128, US EPA, Washington, D.C."},
  };
  // clang-format on
  return references;
}

QStringList CitedReferenceEntries(const QString& html) {
  QStringList entries;
  for (const ReportReference& reference : ReportReferences()) {
    // "Name 1995" is cited as it stands or as "Name (1995)", its words
    // perhaps broken across lines; a following digit or dash would make the
    // year part of a number or a date.
    QStringList words = QString::fromLatin1(reference.citation).split(QLatin1Char(' '));
    const QString year = words.takeLast();
    for (QString& word : words) word = QRegularExpression::escape(word);
    const QString pattern =
        words.join(QStringLiteral("\\s+")) + QStringLiteral("\\s+\\(?") + year + QStringLiteral("(?![\\d-])");
    if (QRegularExpression(QStringLiteral("\\b") + pattern).match(html).hasMatch())
      entries << QString::fromLatin1(reference.entry);
  }
  return entries;
}
