// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "report/ReportReferences.h"

#include <QRegularExpression>

const std::vector<ReportReference>& ReportReferences() {
  // clang-format off
  static const std::vector<ReportReference> references = {
      {"Alberta Environment 2001",
       "Alberta Environment (2001): Alberta Soil and Water Quality Guidelines for Hydrocarbons at Upstream "
       "Oil and Gas Facilities. Volume 2. Alberta Environment, Edmonton."},
      {"Aziz et al. 2003",
       "Aziz, J. J., Ling, M., Rifai, H. S., Newell, C. J., Gonzales, J. R. (2003): MAROS: a decision "
       "support system for optimizing monitoring plans. Ground Water 41 (3), 355-367."},
      {"Buscheck and Alcantar 1995",
       "Buscheck, T. E., Alcantar, C. M. (1995): Regression techniques and analytical solutions to "
       "demonstrate intrinsic bioremediation. In: Hinchee, R. E., Wilson, J. T., Downey, D. C. (eds.): "
       "Intrinsic Bioremediation. Battelle Press, Columbus, Ohio, 109-116."},
      {"Chapelle, Bradley, Lovley and Vroblesky 1996",
       "Chapelle, F. H., Bradley, P. M., Lovley, D. R., Vroblesky, D. A. (1996): Measuring rates of "
       "biodegradation in a contaminated aquifer using field and laboratory methods. Ground Water 34 (4), "
       "691-698."},
      {"Connor et al. 2015",
       "Connor, J. A., Kamath, R., Walker, K. L., McHugh, T. E. (2015): Review of quantitative surveys of "
       "the length and stability of MTBE, TBA, and benzene plumes in groundwater at UST sites. Groundwater "
       "53 (2), 195-206."},
      {"Domenico 1987",
       "Domenico, P. A. (1987): An analytical model for multidimensional transport of a decaying "
       "contaminant species. Journal of Hydrology 91, 49-58."},
      {"Ehlke et al. 1994",
       "Ehlke, T. A., Wilson, B. H., Wilson, J. T., Imbrigiotta, T. E. (1994): In situ biotransformation of "
       "trichloroethylene and cis-1,2-dichloroethylene at Picatinny Arsenal, New Jersey. In: U.S. "
       "Geological Survey Toxic Substances Hydrology Program, Proceedings of the Technical Meeting, "
       "Colorado Springs, Colorado, September 20-24, 1993. U.S. Geological Survey Water-Resources "
       "Investigations Report 94-4015."},
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
      {"Sorenson et al. 2000",
       "Sorenson, K. S., Peterson, L. N., Hinchee, R. E., Ely, R. L. (2000): An evaluation of aerobic "
       "trichloroethene attenuation using first-order rate estimation. Bioremediation Journal 4 (4), "
       "337-357."},
      {"Suarez and Rifai 1999",
       "Suarez, M. P., Rifai, H. S. (1999): Biodegradation rates for fuel hydrocarbons and chlorinated "
       "solvents in groundwater. Bioremediation Journal 3 (4), 337-362."},
      {"Sun et al. 1999",
       "Sun, Y., Petersen, J. N., Clement, T. P., Skeen, R. S. (1999): Development of analytical "
       "solutions for multispecies transport with serial and parallel reactions. Water Resources "
       "Research 35 (1), 185-190."},
      {"US EPA 1996",
       "US EPA (1996): Soil Screening Guidance: Technical Background Document. EPA/540/R-95/128, Office "
       "of Solid Waste and Emergency Response, Washington, D.C."},
      {"US EPA 1999",
       "US EPA (1999): Use of Monitored Natural Attenuation at Superfund, RCRA Corrective Action, and "
       "Underground Storage Tank Sites. OSWER Directive 9200.4-17P, Washington, D.C."},
      {"van Ras, Roosma, Volkers, SKB Gouda 2007",
       "van Ras, N., Roosma, A., Volkers, R. (2007): Natuurlijke afbraak: het is niet niks! SKB Cahier. "
       "Stichting Kennisontwikkeling Kennisoverdracht Bodem (SKB), Gouda."},
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
      {"Wypych (ed.) 2001",
       "Wypych, G. (ed.) (2001): Handbook of Solvents. ChemTec Publishing, Toronto."},
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
