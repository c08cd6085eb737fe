// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The report's verdicts read as a reviewer reads them: each results row
// gives the verdict with the inputs that made it worse and the number of the
// section holding their evidence, that section is there and holds it, and a
// project without chains or site data reads as it always did.
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <map>
#include <set>

#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/core/verdict.h"
#include "engine/evidence/evidence.h"
#include "engine/evidence/wellsevidence.h"
#include "engine/project/extras.h"
#include "engine/project/sitedata.h"
#include "engine/site/siteproject.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "support/ContaminantProjects.h"
#include "support/PdfLines.h"

namespace {

// The results afresh, as the program computes them before a report.
bool recalculate(Project* project) {
  virelo_FreeResults(project);
  if (!virelo_math_CalcAll(project)) return false;
  virelo_math_CalcExactAll(project, 1);
  return true;
}

ProjectPtr loadExample(const char* file) {
  ProjectPtr project(
      virelo_LoadProject((QStringLiteral(VIRELO_SOURCE_DIR "/examples/") + file).toLocal8Bit(), "rb"));
  if (project && !recalculate(project.get())) project.reset();
  return project;
}

// The report as the document holds it, white space collapsed.
QString documentText(const Project& project, int plumeRange, int afRange) {
  return BuildReportDocument(project, ReportSettingsFor(project, plumeRange, afRange), QSizeF(515, 760))
      ->toPlainText()
      .simplified();
}

QString between(const QString& text, const QString& from, const QString& to) {
  const qsizetype start = text.indexOf(from);
  if (start < 0) return {};
  const qsizetype end = text.indexOf(to, start + from.size());
  return text.mid(start, end < 0 ? -1 : end - start);
}

// The stretch of `text` from `from` up to the heading numbered `next` (a
// number followed by a capitalised title), or its end.
QString upToHeading(const QString& text, const QString& from, const QString& next) {
  const qsizetype start = text.indexOf(from);
  if (start < 0) return {};
  const QRegularExpression heading(QStringLiteral(" %1 [A-Z]").arg(QRegularExpression::escape(next)));
  const qsizetype end = text.indexOf(heading, start + from.size());
  return text.mid(start, end < 0 ? -1 : end - start);
}

// The number of the heading whose title is `title` ("9" or "9.2"), "" when
// the report has none.
QString headingNumber(const QString& text, const QString& title) {
  const QRegularExpressionMatch match =
      QRegularExpression(
          QStringLiteral("(?:^| )(\\d+(?:\\.\\d+)?) %1(?: |$)").arg(QRegularExpression::escape(title)))
          .match(text);
  return match.hasMatch() ? match.captured(1) : QString();
}

int indexOf(const Project& project, const char* name) {
  for (int k = 0; k < project.contaminantCount; ++k)
    if (std::strcmp(project.contaminants[k].name, name) == 0) return k;
  return -1;
}

const ContaminantResult* resultOf(const Project& project, const char* name) {
  for (int k = 0; k < project.resultCount; ++k)
    if (std::strcmp(project.contaminants[project.results[k].contaminantIndex].name, name) == 0)
      return &project.results[k];
  return nullptr;
}

QString concentration(double value) {
  return QString::fromStdString(FormatConcentration(value));
}

}  // namespace

class TestReportVerdict : public QObject {
  Q_OBJECT

 private slots:
  void wellsSectionListsEveryDetectedWellAndMarksTheUnderprediction();
  void aFitWithWarningsGivesItsWarningsAndNoWellsReason();
  void chainVerdictsNameTheChainSectionUnderTheReportsRange();
  void aSecondChainIsCitedByItsOwnPart();
  void aDaughterWithoutAModelOfItsOwnIsRedByItsChain_data();
  void aDaughterWithoutAModelOfItsOwnIsRedByItsChain();
  void projectWithoutChainsOrSiteDataReadsAsBefore();
  void plumeSectionFollowsTheWellsWithTheMassPerRoundAndTheLight();
};

void TestReportVerdict::wellsSectionListsEveryDetectedWellAndMarksTheUnderprediction() {
  ProjectPtr project = loadExample("petrol-station.vrp");
  QVERIFY(project);
  // Benzene with the decay constant of its own wells, as "Use as decay
  // constant" sets it: the model then falls faster than the wells do.
  const int benzene = indexOf(*project, "Benzene");
  QVERIFY(benzene >= 0);
  const SiteData& site = virelo_ExtrasOf(*project).site;
  const DistanceFit fit =
      FitDistance(site, GatherSeries(site, "Benzene"), SiteFitOptionsFor(*project, "Benzene", 90));
  QVERIFY(fit.hasLambda);
  virelo_SetLambda(&project->contaminants[benzene], kLambdaUser, fit.lambda);
  project->contaminants[benzene].lambdaSelected = kLambdaUser;
  QVERIFY(recalculate(project.get()));
  const QString text = documentText(*project, 0, 0);

  // Right after the site data, with a part per contaminant.
  const QString siteNumber = headingNumber(text, QStringLiteral("Site data"));
  const QString wellsNumber = headingNumber(text, QStringLiteral("Model against the wells"));
  QVERIFY2(!siteNumber.isEmpty(), qPrintable(text));
  QCOMPARE(wellsNumber, QString::number(siteNumber.toInt() + 1));
  const QString section = upToHeading(text, wellsNumber + QStringLiteral(" Model against the wells"),
                                      QString::number(wellsNumber.toInt() + 1));
  QCOMPARE(headingNumber(section, QStringLiteral("Benzene")), wellsNumber + QStringLiteral(".1"));
  const QString part =
      upToHeading(section, wellsNumber + QStringLiteral(".1 Benzene"), wellsNumber + QStringLiteral(".2"));

  // The fit's date is the latest with three detected values at wells in
  // the fit; every well detected on it has its row, and no other well.
  std::map<std::string, int> detected;
  for (const SiteSample& s : site.samples) {
    const SiteWell* w = site.FindWell(s.well);
    if (s.analyte == "Benzene" && !s.nonDetect && w && w->inFit) ++detected[s.date];
  }
  std::string date;
  for (const auto& [day, count] : detected)
    if (count >= 3) date = day;
  QVERIFY2(part.contains(QStringLiteral("Distance fit of %1 (90 %").arg(QString::fromStdString(date))),
           qPrintable(part));
  int rows = 0, marked = 0;
  std::set<std::string> listed;
  for (const SiteSample& s : site.samples) {
    if (s.analyte != "Benzene" || s.date != date) continue;
    const SiteWell* w = site.FindWell(s.well);
    QVERIFY(w);
    const QString start = QStringLiteral("%1 %2 %3 %4 ")
                              .arg(QString::fromStdString(s.well), QString::number(w->s, 'g', 6),
                                   QString::number(w->y, 'g', 6), concentration(s.value));
    if (s.nonDetect) {
      QVERIFY2(!part.contains(QString::fromStdString(s.well) + QLatin1Char(' ')), qPrintable(part));
      continue;
    }
    const qsizetype at = part.indexOf(start);
    QVERIFY2(at >= 0, qPrintable(start + QStringLiteral("\n") + part));
    QCOMPARE(part.count(start), 1);
    ++rows;
    // Screening, exact, measured / model and its mark, as printed: the mark
    // stands where the measured value is more than twice the screening model
    // (the project's basis).
    const QStringList cells = part.mid(at + start.size()).split(QLatin1Char(' '));
    QVERIFY(cells.size() >= 4);
    const double screening = cells[0].toDouble();
    const bool underpredicted = w->inFit && s.value > 2.0 * screening;
    QVERIFY2(std::fabs(cells[2].toDouble() - s.value / screening) <= 0.002 * s.value / screening,
             qPrintable(cells.join(QLatin1Char(' '))));
    QCOMPARE(cells[3] == QStringLiteral("under"), underpredicted);
    if (underpredicted) ++marked;
    listed.insert(s.well);
  }
  QVERIFY(rows >= 5);
  QVERIFY2(marked >= 1, qPrintable(part));
  QCOMPARE(part.count(QRegularExpression(QStringLiteral("[0-9] under\\b"))), marked);

  // The wells' estimate at the receptor, with its class and those at the
  // ends of the slope's interval.
  const WellsEvidence wells =
      WellsEvidenceOf(*project, benzene, kAssessmentRanges[0].range, VerdictBasis::Screening);
  QVERIFY(wells.hasClass);
  QVERIFY2(
      part.contains(
          QStringLiteral("C(x) = %1 \u00b5g/L against CA = 1.000 \u00b5g/L, %2; with the slope at "
                         "the ends of its interval %3 \u00b5g/L (%4) and %5 \u00b5g/L (%6)")
              .arg(concentration(wells.concentration), QLatin1String(AssessmentClassName(wells.cls)),
                   concentration(wells.concentrationLow), QLatin1String(AssessmentClassName(wells.clsAtLow)),
                   concentration(wells.concentrationHigh),
                   QLatin1String(AssessmentClassName(wells.clsAtHigh)))),
      qPrintable(part));

  // MTBE's wells reach the receptor above what its model lets through: its
  // verdict follows them and cites its part of the section.
  const QString mtbe = headingNumber(section, QStringLiteral("MTBE"));
  QVERIFY(!mtbe.isEmpty());
  const ContaminantResult* r = resultOf(*project, "MTBE");
  QVERIFY(r);
  const RowVerdict verdict = VerdictOfResult(*project, *r, false, VerdictOptionsOf(*project));
  QVERIFY(verdict.reasons & kReasonWells);
  const QString results =
      between(text, QStringLiteral("Attenuation factor Assessment range"), QStringLiteral("Problems"));
  const QString row = between(results, QStringLiteral("MTBE "), QStringLiteral("Verdict: "));
  QVERIFY2(
      row.endsWith(
          QStringLiteral("%1 wells: see %2 ").arg(QLatin1String(AssessmentClassName(verdict.verdict)), mtbe)),
      qPrintable(row));
}

void TestReportVerdict::aFitWithWarningsGivesItsWarningsAndNoWellsReason() {
  ProjectPtr project = loadExample("petrol-station.vrp");
  QVERIFY(project);
  // A receptor at 100 m puts MW5 (120 m) beyond it: the fits warn, and the
  // wells give no class.
  virelo_SetAquiferValue(&project->aquifer, kAquiferX, 100.0);
  QVERIFY(recalculate(project.get()));
  const int mtbe = indexOf(*project, "MTBE");
  const WellsEvidence wells =
      WellsEvidenceOf(*project, mtbe, kAssessmentRanges[0].range, VerdictBasis::Screening);
  QVERIFY(wells.hasFit);
  QVERIFY(!wells.hasClass);
  QVERIFY(!wells.warnings.empty());
  const QString text = documentText(*project, 0, 0);
  const QString number = headingNumber(text, QStringLiteral("Model against the wells"));
  const QString part =
      upToHeading(text, QStringLiteral(" MTBE Distance fit"), QString::number(number.toInt() + 1));
  QVERIFY2(part.contains(QStringLiteral("The wells give no class: ") +
                         QString::fromLatin1(wells.warnings.front().c_str())),
           qPrintable(part));
  QVERIFY(!part.contains(QStringLiteral("Extrapolated to the receptor")));
  QVERIFY(!text.contains(QStringLiteral("wells: see")));
}

void TestReportVerdict::chainVerdictsNameTheChainSectionUnderTheReportsRange() {
  ProjectPtr project = loadExample("dry-cleaner.vrp");
  QVERIFY(project);
  QCOMPARE(virelo_SettingsOf(*project).afRange, 0);
  const QString text = documentText(*project, 0, 0);
  const QString chain = headingNumber(text, QStringLiteral("Decay chain"));
  QVERIFY2(!chain.isEmpty(), qPrintable(text));
  const QString results =
      between(text, QStringLiteral("Attenuation factor Assessment range"), QStringLiteral("Problems"));
  // Alone vinyl chloride is green; formed along the chain it arrives at
  // 23.87 ug/L against a CA of 0.5.
  // The chain decides, so the target is the chain's: the species' source
  // with every source of the chain scaled alike, C0 CA / C_chain(x).
  QVERIFY2(results.contains(QStringLiteral("Vinyl chloride Green 2820.7748577 0.0141805 0.00709025 0.0148877 "
                                           "0.419001 from the chain Red chain: see %1")
                                .arg(chain)),
           qPrintable(results));
  QVERIFY(results.contains(
      QStringLiteral("0.0531769 0.531769 1.11658 4010.24 from the chain Yellow chain: see %1").arg(chain)));
  // The parent is the chain's source: its chain class is its own.
  QVERIFY(
      results.contains(QStringLiteral("(PCE) Green 6544407.9635025 0.0001222 0.00122242 0.00368100 65444080 "
                                      "Green Trichloroethene")));
  QVERIFY(results.contains(QStringLiteral("Verdict: the worst of the class under the verdict basis")));
  QVERIFY(!text.contains(QStringLiteral("Model against the wells")));

  // The report's own range decides, not the one saved with the project:
  // TCE's ratio in the chain, 3.74/10, is green between 0.5 and 2.0.
  const QString narrow =
      between(documentText(*project, 0, 1), QStringLiteral("Attenuation factor Assessment range"),
              QStringLiteral("Problems"));
  QVERIFY2(
      narrow.contains(QStringLiteral("0.0531769 0.531769 1.11658 4010.24 from the chain Green cis-1,2-")),
      qPrintable(narrow));
  QVERIFY(narrow.contains(QStringLiteral("0.419001 from the chain Red chain: see %1").arg(chain)));

  // Assessed for their plume lengths too, the species get the plume length
  // along the chain in the chain section, beside their own.
  for (int k = 0; k < project->contaminantCount; ++k)
    if (project->contaminants[k].assess) project->contaminants[k].assess |= kAssessPlumeLength;
  QVERIFY(recalculate(project.get()));
  const QString plume = between(documentText(*project, 0, 0), QStringLiteral("Plume length along the chain"),
                                QStringLiteral("Methods"));
  const double x = project->aquifer.distanceX;
  int rows = 0;
  for (int k = 0; k < project->resultCount; ++k) {
    const ContaminantResult& r = project->results[k];
    const RowVerdict v = VerdictOfResult(*project, r, true, VerdictOptionsOf(*project));
    QVERIFY(v.models.inChain);
    const QString row =
        QStringLiteral("%1 %2 %3 %4 %5")
            .arg(QLatin1String(project->contaminants[r.contaminantIndex].name),
                 QString::fromStdString(FormatResultValue(v.models.chainValue, "%.2f", "%.2E")),
                 QString::fromStdString(FormatResultValue(v.models.chainValue / x, "%.7f", "%.4E")),
                 QLatin1String(AssessmentClassName(v.models.chainClass)),
                 QString::fromStdString(FormatResultValue(r.plumeLength, "%.2f", "%.2E")));
    QVERIFY2(plume.contains(row), qPrintable(row + QStringLiteral("\n") + plume));
    ++rows;
  }
  QCOMPARE(rows, 4);
  // The parent's plume length along its chain is its own.
  QVERIFY(plume.contains(QRegularExpression(QStringLiteral("\\(PCE\\) (\\S+) \\S+ \\S+ \\1 "))));
}

void TestReportVerdict::aSecondChainIsCitedByItsOwnPart() {
  ProjectPtr project = loadExample("dry-cleaner.vrp");
  QVERIFY(project);
  // A first chain of TCE and cis-DCE alone, with a yield that makes more of
  // the daughter than the full chain does: the row cites the chain that
  // gave its class, by its own part of the chain section.
  std::vector<DecayChain>& chains = virelo_Extras(project.get()).chains;
  chains.insert(chains.begin(), DecayChain{{"Trichloroethene (TCE)", "cis-1,2-Dichloroethene"}, {3.0}});
  const int dce = indexOf(*project, "cis-1,2-Dichloroethene");
  QVERIFY(dce >= 0);
  const ContaminantResult* r = resultOf(*project, "cis-1,2-Dichloroethene");
  QVERIFY(r);
  const RowVerdict verdict = VerdictOfResult(*project, *r, false, VerdictOptionsOf(*project));
  QVERIFY(verdict.reasons & kReasonChain);
  QVERIFY(verdict.models.chainIndex == 0 || verdict.models.chainIndex == 1);

  const QString text = documentText(*project, 0, 0);
  const QString part = headingNumber(text, QStringLiteral("Chain %1").arg(verdict.models.chainIndex + 1));
  QVERIFY2(part.contains(QLatin1Char('.')), qPrintable(text));
  const QString results =
      between(text, QStringLiteral("Attenuation factor Assessment range"), QStringLiteral("Problems"));
  const QString row = between(results, QStringLiteral("Dichloroethene Green"), QStringLiteral("Vinyl"));
  QVERIFY2(
      row.contains(
          QStringLiteral("%1 chain: see %2").arg(QLatin1String(AssessmentClassName(verdict.verdict)), part)),
      qPrintable(row));
  QVERIFY(!results.contains(QStringLiteral("see ?")));
}

void TestReportVerdict::aDaughterWithoutAModelOfItsOwnIsRedByItsChain_data() {
  QTest::addColumn<int>("change");
  QTest::newRow("C0 0.3 below CA") << 0;
  QTest::newRow("C0 unset") << 1;
  QTest::newRow("lambda 0") << 2;
}

// Vinyl chloride whose own inputs allow no single-species model: the printed
// report's results row is Red by the chain, with the chain's target, and its
// problems are said to hold for the single-species model only.
void TestReportVerdict::aDaughterWithoutAModelOfItsOwnIsRedByItsChain() {
  QFETCH(int, change);
  ProjectPtr project = loadExample("dry-cleaner.vrp");
  QVERIFY(project);
  const int vc = indexOf(*project, "Vinyl chloride");
  Contaminant& c = project->contaminants[vc];
  if (change == 0) virelo_SetContaminantValue(&c, kValueC0, 0.3);
  if (change == 1) virelo_ClearContaminantValue(&c, kValueC0);
  if (change == 2) *virelo_LambdaField(&c, c.lambdaSelected) = 0.0;
  QVERIFY(recalculate(project.get()));
  const ContaminantResult* r = resultOf(*project, "Vinyl chloride");
  QVERIFY(r && HasAttenuationFactorProblems(*r));
  const RowVerdict verdict = VerdictOfResult(*project, *r, false, VerdictOptionsOf(*project));
  QCOMPARE(verdict.verdict, AssessmentClass::Red);

  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("daughter.pdf"));
  QString error;
  QVERIFY2(WriteReportPdf(*project, ReportSettingsFor(*project, 0, 0), pdf, &error), qPrintable(error));
  QString text;
  for (int page = 1;; ++page) {
    const QStringList lines = pageLines(pdf, page);
    if (lines.isEmpty()) break;
    text += lines.join(QLatin1Char(' ')) + QLatin1Char(' ');
  }
  text = text.simplified();
  const QString results = between(text, QStringLiteral("Attenuation factor Assessment range"),
                                  QStringLiteral("Verdict: the worst"));
  const QString row =
      between(results, QStringLiteral("Vinyl chloride"), QStringLiteral("Verdict: the worst"));
  // Its share of the chain's sources scaled alike: C0 CA / C_chain(x), 0
  // without a source of its own.
  QVERIFY2(row.contains(QStringLiteral("single-species model: see problems")), qPrintable(results));
  const QString target = change == 1 ? QStringLiteral("0.0000E+00")
                                     : QString::number(c.c0 * c.ca / verdict.models.chainValue, 'g', 6);
  // The printed table's cells come out of pdftotext in their own order: the
  // row's words are checked there, their sequence in the document's text.
  for (const QString& words : {target, QStringLiteral("Red"), QStringLiteral("from the chain")})
    QVERIFY2(row.contains(words), qPrintable(row + QStringLiteral(" / ") + words));
  const QString chain = headingNumber(documentText(*project, 0, 0), QStringLiteral("Decay chain"));
  QVERIFY2(
      documentText(*project, 0, 0)
          .contains(QStringLiteral("Vinyl chloride Problems single-species model: see problems %1 from the "
                                   "chain Red chain: see %2")
                        .arg(target, chain)),
      qPrintable(target));
  const qsizetype problems = text.indexOf(QStringLiteral("Attenuation factor of Vinyl chloride"));
  QVERIFY2(problems >= 0, qPrintable(text));
  QVERIFY2(text.mid(problems, 300)
               .contains(QStringLiteral(
                   "These hold for its single-species model only: its decay chain gives the verdict.")),
           qPrintable(text.mid(problems, 300)));
}

void TestReportVerdict::projectWithoutChainsOrSiteDataReadsAsBefore() {
  ProjectPtr project = loadExample("fuel-depot.vrp");
  QVERIFY(project);
  const QString text = documentText(*project, 0, 0);
  QVERIFY(!text.contains(QStringLiteral("Model against the wells")));
  const QString results = between(text, QStringLiteral("4 Results"), QStringLiteral("4.3 Problems"));
  QVERIFY(!results.contains(QStringLiteral("Verdict")));
  QVERIFY(!results.contains(QRegularExpression(QStringLiteral("see \\d"))));
  // The plume-length rows as they always were: name, class, d, d/x.
  const ContaminantResult* benzene = resultOf(*project, "Benzene");
  QVERIFY(benzene);
  QVERIFY2(
      results.contains(
          QStringLiteral("Benzene %1 %2 %3")
              .arg(QLatin1String(AssessmentClassName(
                  ClassifyPlumeLength(benzene->plumeLengthRatio, kAssessmentRanges[0].range))))
              .arg(QString::fromStdString(FormatResultValue(benzene->plumeLength, "%.2f", "%.2E")),
                   QString::fromStdString(FormatResultValue(benzene->plumeLengthRatio, "%.7f", "%.4E")))),
      qPrintable(results));

  // Under the exact basis the verdict column is the class under the basis,
  // naphthalene's exact Yellow, with no reasons beside it.
  virelo_Extras(project.get()).settings.verdictBasis = VerdictBasis::Exact;
  const QString exact = between(documentText(*project, 0, 0), QStringLiteral("4.2 Attenuation factor"),
                                QStringLiteral("4.3 Problems"));
  const QString naphthalene =
      between(exact, QStringLiteral("Naphthalene"), QStringLiteral("AF: attenuation"));
  QVERIFY2(naphthalene.startsWith(
               QStringLiteral("Naphthalene Green 624.5166619 0.2001548 0.400310 0.744107 671.946 "
                              "Yellow")),
           qPrintable(naphthalene));
  QVERIFY(!exact.contains(QRegularExpression(QStringLiteral("see \\d"))));
  QVERIFY(!exact.contains(QStringLiteral("Verdict: the worst")));
}

void TestReportVerdict::plumeSectionFollowsTheWellsWithTheMassPerRoundAndTheLight() {
  ProjectPtr project = loadExample("petrol-station.vrp");
  QVERIFY(project);
  virelo_Extras(project.get()).settings.saturatedThickness = 3.0;
  const QString text = documentText(*project, 0, 0);
  const QString wellsNumber = headingNumber(text, QStringLiteral("Model against the wells"));
  const QString number = headingNumber(text, QStringLiteral("The plume as a whole"));
  QVERIFY2(!number.isEmpty(), qPrintable(text));
  QCOMPARE(number, QString::number(wellsNumber.toInt() + 1));
  const QString section = upToHeading(text, number + QStringLiteral(" The plume as a whole"),
                                      QString::number(number.toInt() + 1));
  // Benzene along its row of wells, per metre of plume width with b = 3 m:
  // from the first round's 0.063892125 kg/m to the last's 0.045972375, as
  // the command gives them, S = -24, the centre standing: green.
  const qsizetype start = section.indexOf(QStringLiteral("Benzene 8 line "));
  QVERIFY2(start >= 0, qPrintable(section));
  const QString part =
      section.mid(start, section.indexOf(QStringLiteral("Toluene "), start) - start).trimmed();
  QVERIFY2(part.startsWith(
               QStringLiteral("Benzene 8 line 0.06389 \u2192 0.04597 kg/m Decreasing (S = -24) No Trend "
                              "1560 (")),
           qPrintable(part));
  QVERIFY2(part.endsWith(QStringLiteral("0.0015 / 0.056 green")), qPrintable(part));

  // Without b the masses are per metre of thickness, and say so.
  virelo_Extras(project.get()).settings.saturatedThickness = 0.0;
  QVERIFY(documentText(*project, 0, 0).contains(QStringLiteral("kg/m per m of b")));
}

QTEST_MAIN(TestReportVerdict)
#include "tst_reportverdict.moc"
