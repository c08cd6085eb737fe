// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// What the report and the manual cite and what their reference lists hold
// agree both ways; the report's methods say what the project's inputs are
// (sorption, a shrinking source, a decay constant taken from the wells).
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>
#include <QtTest>

#include "engine/project/chain.h"
#include "engine/project/extras.h"
#include "engine/project/sitedata.h"
#include "engine/project/transport.h"
#include "engine/site/sitefit.h"
#include "engine/site/sitelambda.h"
#include "engine/site/siteproject.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "support/ContaminantProjects.h"

namespace {

// Citations as the texts write them, each reduced to its first author (or
// institution) and year: "Aziz et al. 2003", "Buscheck and Alcantar
// (1995)", "Buscheck and Alcantar's (1995)", "Sun, Petersen, Clement and
// Skeen (1999)", "Talley (ed.) 2005", "US EPA 1999", "Domenico 1987", and
// as the database's credits write them, "Alberta Environment 2001", "van
// Ras, Roosma, Volkers, SKB Gouda 2007". A year followed by a digit or a
// dash is part of a number or a date.
QSet<QString> citedKeys(const QString& text) {
  static const QRegularExpression citation(
      QStringLiteral("\\b(US EPA|ITRC|USGS|Alberta Environment|(?:van )?[A-Z][A-Za-z\\-]+)"
                     "(?: et al\\.|(?:, [A-Z][A-Za-z\\-]+)* and [A-Z][A-Za-z\\-]+(?:'s)?| \\(ed\\.\\)|"
                     "(?:, [A-Z][A-Za-z\\-]+)*, SKB Gouda)?"
                     ",?\\s+\\(?((?:19|20)\\d\\d)(?![\\d\\-\\x{2013}])"));
  static const QSet<QString> notNames = {QStringLiteral("Page"),    QStringLiteral("Table"),
                                         QStringLiteral("Report"),  QStringLiteral("On"),
                                         QStringLiteral("Version"), QStringLiteral("OOPSLA")};
  QSet<QString> keys;
  for (auto it = citation.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (!notNames.contains(m.captured(1))) keys.insert(m.captured(1) + QLatin1Char(' ') + m.captured(2));
  }
  return keys;
}

// A list entry's first author (or institution) and year: "Aziz, J. J., ...
// (2003): ..." is "Aziz 2003", "US EPA (1999): ..." is "US EPA 1999".
QString entryKey(const QString& entry) {
  static const QRegularExpression lead(QStringLiteral("^(?:- )?([^,(]+?)(?:,| \\()"));
  static const QRegularExpression year(QStringLiteral("\\(((?:19|20)\\d\\d)\\)"));
  const QRegularExpressionMatch name = lead.match(entry);
  const QRegularExpressionMatch when = year.match(entry);
  if (!name.hasMatch() || !when.hasMatch()) return {};
  return name.captured(1).trimmed() + QLatin1Char(' ') + when.captured(1);
}

// Each citation has its entry and each entry its citation; `where` names the
// document in a failure.
void checkBothWays(const QString& where, const QString& body, const QStringList& entries) {
  QSet<QString> listed;
  for (const QString& entry : entries) {
    const QString key = entryKey(entry);
    QVERIFY2(!key.isEmpty(), qPrintable(where + QStringLiteral(": entry without author or year: ") + entry));
    QVERIFY2(!listed.contains(key), qPrintable(where + QStringLiteral(": listed twice: ") + key));
    listed.insert(key);
  }
  const QSet<QString> cited = citedKeys(body);
  for (const QString& key : cited)
    QVERIFY2(listed.contains(key), qPrintable(where + QStringLiteral(": cited, not listed: ") + key));
  for (const QString& key : listed)
    QVERIFY2(cited.contains(key), qPrintable(where + QStringLiteral(": listed, not cited: ") + key));
}

ProjectPtr loadExample(const char* name) {
  return ProjectPtr(virelo_LoadProject(
      QStringLiteral(VIRELO_SOURCE_DIR "/examples/%1.vrp").arg(QLatin1String(name)).toLocal8Bit().constData(),
      "rb"));
}

// The report as the document holds it, one block a line.
QString reportText(const Project& project) {
  const ReportSettings settings =
      ReportSettingsFor(project, virelo_SettingsOf(project).plumeRange, virelo_SettingsOf(project).afRange);
  return BuildReportDocument(project, settings, QSizeF(515, 760))->toPlainText();
}

// The report's reference list (its lines after the last heading
// "References") and the text before it, the database values' credits in
// the Sources section included: a reader looks each of them up in the list.
void splitReport(const QString& text, QString* body, QStringList* entries) {
  static const QRegularExpression heading(QStringLiteral("(?m)^[\\d.]*\\s*References$"));
  qsizetype at = -1;
  for (auto it = heading.globalMatch(text); it.hasNext();) at = it.next().capturedStart();
  *body = at < 0 ? text : text.left(at);
  entries->clear();
  if (at < 0) return;
  for (const QString& line : text.mid(at).split(QLatin1Char('\n')).mid(1))
    if (!line.trimmed().isEmpty()) *entries << line.trimmed();
}

// The Methods section's list of assumptions, white space collapsed.
QString assumptions(const QString& text) {
  const QString flat = QString(text).simplified();
  const qsizetype from = flat.indexOf(QStringLiteral("Assumptions and limits"));
  const qsizetype to = flat.indexOf(QStringLiteral("Sources of the database values used"), from);
  return from < 0 ? QString() : flat.mid(from, to < 0 ? -1 : to - from);
}

Contaminant* contaminantNamed(Project* project, const char* name) {
  for (int k = 0; k < project->contaminantCount; ++k)
    if (QLatin1String(project->contaminants[k].name) == QLatin1String(name)) return &project->contaminants[k];
  return nullptr;
}

}  // namespace

class TestReportReferences : public QObject {
  Q_OBJECT

 private slots:
  void reportListsWhatItsTextCitesAndNothingElse();
  void manualListsWhatItsTextCitesAndNothingElse();
  void methodsFollowSorptionAndSourceInputs();
  void decayConstantFromTheWellsIsNamedSo();
  void redoxTableOnlyWhereAnIndicatorWasMeasured();
};

// Each example holds a different part of the report: the dry cleaner a
// decay chain and sorbing solvents, the petrol station wells with redox
// indicators and trends, the others neither.
void TestReportReferences::reportListsWhatItsTextCitesAndNothingElse() {
  for (const char* name : {"dry-cleaner", "petrol-station", "fuel-depot", "worked-example"}) {
    ProjectPtr project = loadExample(name);
    QVERIFY2(project, name);
    QString body;
    QStringList entries;
    splitReport(reportText(*project), &body, &entries);
    QVERIFY2(!entries.isEmpty(), name);
    checkBothWays(QLatin1String(name), body, entries);
    if (QTest::currentTestFailed()) return;
    // The list follows the parts a project has: the chain's and the wells'
    // works stand only where the chain and the wells do.
    const QString list = entries.join(QLatin1Char('\n'));
    const bool chain = QLatin1String(name) == QLatin1String("dry-cleaner");
    const bool wells = QLatin1String(name) == QLatin1String("petrol-station");
    QCOMPARE(list.contains(QStringLiteral("Sun, Y.")), chain);
    QCOMPARE(list.contains(QStringLiteral("Buscheck, T. E.")), wells);
    QCOMPARE(list.contains(QStringLiteral("McMahon, P. B., Chapelle")), wells);
    QVERIFY(list.contains(QStringLiteral("Domenico, P. A. (1987)")));
  }
}

void TestReportReferences::manualListsWhatItsTextCitesAndNothingElse() {
  QFile file(QStringLiteral(VIRELO_SOURCE_DIR "/docs/manual.md"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QString manual = QString::fromUtf8(file.readAll());
  const qsizetype start = manual.indexOf(QStringLiteral("\n# 14. References"));
  QVERIFY(start > 0);
  qsizetype end = manual.indexOf(QStringLiteral("\n# "), start + 1);
  if (end < 0) end = manual.size();
  QStringList entries;
  for (const QString& line : manual.mid(start, end - start).split(QLatin1Char('\n')))
    if (line.startsWith(QStringLiteral("- "))) entries << line;
  QVERIFY(entries.size() > 10);
  checkBothWays(QStringLiteral("manual"), manual.left(start) + manual.mid(end), entries);
}

// A project without sorption or source inputs keeps the plain assumptions;
// one with them names what it keeps.
void TestReportReferences::methodsFollowSorptionAndSourceInputs() {
  ProjectPtr project = loadExample("fuel-depot");
  QVERIFY(project);
  QVERIFY(TransportIsDefault(*project));
  QString text = assumptions(reportText(*project));
  QVERIFY2(text.contains(QStringLiteral("No sorption")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("the source is constant")), qPrintable(text));

  TransportInputs transport;
  transport.aquifer.bulkDensity = 1.6;
  transport.aquifer.organicCarbon = 0.002;
  ContaminantTransport benzene;
  benzene.koc = 61.7;
  benzene.sourceDecay = SourceDecayKind::Rate;
  benzene.rate = 0.0005;
  SetContaminantTransport(&transport, "Benzene", benzene);
  virelo_Extras(project.get()).transport = transport;
  const double r = virelo_RetardationOf(*project, "Benzene").value;
  QVERIFY(r > 1.0);
  text = assumptions(reportText(*project));
  QVERIFY2(!text.contains(QStringLiteral("No sorption")), qPrintable(text));
  QVERIFY2(!text.contains(QStringLiteral("source is constant")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("Benzene R = %1").arg(QString::number(r, 'g', 4))), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("Benzene (source decaying at ks = 0.0005 1/d)")), qPrintable(text));
  // Under decay of both phases the steady values change with R, and the
  // methods say so.
  QVERIFY(text.contains(QStringLiteral("R drops out")));
  virelo_Extras(project.get()).transport.aquifer.decayOf = DecayOf::DissolvedAndSorbed;
  text = assumptions(reportText(*project));
  QVERIFY2(text.contains(QStringLiteral("use \u03bb\u00b7R in place of \u03bb")), qPrintable(text));

  // A source decaying from its mass: the dry cleaner's solvents.
  ProjectPtr cleaner = loadExample("dry-cleaner");
  QVERIFY(cleaner);
  text = assumptions(reportText(*cleaner));
  QVERIFY2(
      !text.contains(QStringLiteral("No sorption")) && !text.contains(QStringLiteral("source is constant")),
      qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("ks = Q C0 / M0")), qPrintable(text));
  // Its decay chain says how the sorbing solvents decay along it.
  const QString chain = reportText(*cleaner).simplified();
  QVERIFY(chain.contains(QStringLiteral("decay in the dissolved phase only, so that sorption changes no")));
  QVERIFY(!chain.contains(QStringLiteral("no retardation")));
}

// "Use as decay constant" of the Site data window makes the wells' rate the
// user constant and records its source and interval; the inputs table names
// the wells and that source, until the constant is changed by hand.
void TestReportReferences::decayConstantFromTheWellsIsNamedSo() {
  ProjectPtr project = loadExample("petrol-station");
  QVERIFY(project);
  const DistanceFit fit =
      FitDistance(virelo_ExtrasOf(*project).site, "MTBE", SiteFitOptionsFor(*project, "MTBE", 90));
  QVERIFY(fit.hasLambda);
  Contaminant* mtbe = UseSiteLambda(project.get(), fit);
  QVERIFY(mtbe);
  const QString source = QString::fromStdString(LambdaSourceOf(virelo_SettingsOf(*project), mtbe->name));
  QVERIFY(source.startsWith(QStringLiteral("site wells")));
  QString text = reportText(*project).simplified();
  QVERIFY2(text.contains(QStringLiteral("from the wells, ") + source), qPrintable(text.left(4000)));
  QVERIFY(text.contains(QStringLiteral("MTBE: decay constant from the wells")));

  // Changed by hand, the value is the user's again.
  mtbe->lambdaUser *= 2.0;
  text = reportText(*project).simplified();
  QVERIFY(!text.contains(QStringLiteral("from the wells, ")));
  QVERIFY(text.contains(QStringLiteral("MTBE: user-defined decay constant")));
}

// Samples of contaminants alone (ethene among them, as a chain's end
// product is measured with its solvents) give no redox table of rows that
// all read "not measured", only the sentence that says so.
void TestReportReferences::redoxTableOnlyWhereAnIndicatorWasMeasured() {
  ProjectPtr project = loadExample("petrol-station");
  QVERIFY(project);
  QString text = reportText(*project).simplified();
  QVERIFY(text.contains(QStringLiteral("Suggested redox condition")));
  QVERIFY(!text.contains(QStringLiteral("No redox indicator was measured")));

  std::vector<SiteSample>& samples = virelo_Extras(project.get()).site.samples;
  const size_t before = samples.size();
  std::erase_if(samples, [](const SiteSample& s) { return IsSiteIndicator(s.analyte); });
  QVERIFY(samples.size() < before);
  SiteSample ethene = samples.front();
  ethene.analyte = kChainEndProduct;
  ethene.value = 0.05;
  ethene.unit = "mg/L";
  samples.push_back(ethene);
  text = reportText(*project).simplified();
  QVERIFY2(text.contains(QStringLiteral("No redox indicator was measured at any well.")), qPrintable(text));
  QVERIFY(!text.contains(QStringLiteral("Suggested redox condition")));
  QVERIFY(!text.contains(QStringLiteral("solvent score")));
  // The references follow: the redox framework is no longer cited.
  QVERIFY(!text.contains(QStringLiteral("McMahon, P. B.")));
}

QTEST_MAIN(TestReportReferences)
#include "tst_reportreferences.moc"
