// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// "Decay of dissolved and sorbed phase" in the windows and the report: the
// fuel depot's benzene (rho_b 1.8 kg/L, foc 0.01, Koc 60 L/kg) has a Green
// plume length in the Robustness window and the report as on the results
// page, and the Uncertainty window's record of a run keeps the transport
// inputs it was drawn under.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QtTest>
#include <cmath>
#include <cstring>

#include "analysis/RobustnessDialog.h"
#include "analysis/SiteDecayView.h"
#include "analysis/UncertaintyRecord.h"
#include "engine/core/breakeven.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/evidence/evidence.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "support/ContaminantProjects.h"
#include "support/FakePlatform.h"

namespace {

ProjectPtr sorbedFuelDepot(DecayOf decayOf) {
  ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/fuel-depot.vrp", "rb"));
  if (!project) return project;
  TransportInputs& t = virelo_Extras(project.get()).transport;
  t.aquifer = {1.8, 0.01, decayOf};
  ContaminantTransport benzene;
  benzene.koc = 60.0;
  SetContaminantTransport(&t, "Benzene", benzene);
  virelo_FreeResults(project.get());
  if (!virelo_math_CalcAll(project.get())) project.reset();
  if (project) virelo_math_CalcExactAll(project.get(), 1);
  return project;
}

int resultIndexOf(const Project& project, const char* name) {
  for (int k = 0; k < project.resultCount; ++k)
    if (std::strcmp(project.contaminants[project.results[k].contaminantIndex].name, name) == 0) return k;
  return -1;
}

}  // namespace

class TestDecayConvention : public QObject {
  Q_OBJECT

 private slots:
  void robustnessWindowBreaksEvenInTheTypedLambda();
  void reportGivesBenzeneItsGreenPlumeLength();
  void uncertaintyRecordKeepsAndComparesTheTransportInputs();
  void useAsDecayConstantTakesTheFittedRateOverR();
};

// The window a user opens from the results page: Green, its worse column
// the Yellow bound, and the lambda there the typed one whose lambda R puts
// the plume length on the bound.
void TestDecayConvention::robustnessWindowBreaksEvenInTheTypedLambda() {
  ProjectPtr project = sorbedFuelDepot(DecayOf::DissolvedAndSorbed);
  QVERIFY(project);
  const int result = resultIndexOf(*project, "Benzene");
  QVERIFY(result >= 0);
  RobustnessDialog view(project.get(), result, true, 0);
  QCOMPARE(view.breakEvens().cls, AssessmentClass::Green);
  QCOMPARE(view.table()->horizontalHeaderItem(2)->text(), QStringLiteral("Yellow at"));
  const Contaminant& benzene = project->contaminants[project->results[result].contaminantIndex];
  const Aquifer& a = project->aquifer;
  const double r = virelo_RetardationOf(*project, "Benzene").value;
  QVERIFY(r > 6.0);
  bool found = false;
  for (const BreakEven& e : view.breakEvens().inputs) {
    if (e.input != BreakEvenInput::Lambda) continue;
    found = true;
    double lambda = 0.0;
    virelo_GetLambda(&benzene, &lambda);
    QCOMPARE(e.value, lambda);
    QVERIFY(e.worseAt);
    const double v = a.conductivityKf * a.gradientI / a.porosityNe;
    const double ratio = std::log(benzene.c0 / benzene.ca) * v / (*e.worseAt * r * a.distanceX);
    QVERIFY(std::fabs(ratio / AssessmentRangeOf(0).lower - 1.0) < 1e-12);
  }
  QVERIFY(found);

  // Under the default convention the same Koc only retards: Yellow.
  ProjectPtr plain = sorbedFuelDepot(DecayOf::Dissolved);
  QVERIFY(plain);
  RobustnessDialog retarded(plain.get(), resultIndexOf(*plain, "Benzene"), true, 0);
  QCOMPARE(retarded.breakEvens().cls, AssessmentClass::Yellow);
}

// The results table and the robustness section of the report both give
// benzene's plume length as Green, with the length the results page shows.
void TestDecayConvention::reportGivesBenzeneItsGreenPlumeLength() {
  ProjectPtr project = sorbedFuelDepot(DecayOf::DissolvedAndSorbed);
  QVERIFY(project);
  const ContaminantResult& r = project->results[resultIndexOf(*project, "Benzene")];
  QVERIFY(std::fabs(r.plumeLength - 13.85) < 0.005);
  const QString text = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(515, 760))
                           ->toPlainText()
                           .simplified();
  const QString length = QString::fromStdString(FormatResultValue(r.plumeLength, "%.2f", "%.2E"));
  QVERIFY2(text.contains(QStringLiteral("Benzene Green %1").arg(length)), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("Benzene, plume length: Green")), qPrintable(text));
  QVERIFY(!text.contains(QStringLiteral("Benzene, plume length: Yellow")));
}

// A change of any transport input is a change of the project the run no
// longer holds; the snapshot a run reads carries them.
void TestDecayConvention::uncertaintyRecordKeepsAndComparesTheTransportInputs() {
  ProjectPtr project = sorbedFuelDepot(DecayOf::DissolvedAndSorbed);
  QVERIFY(project);
  const UncertaintyPlan plan;
  const UncertaintyOptions options;
  const UncertaintyRecord record = UncertaintyRecord::Of(*project, plan, options);
  QVERIFY(record.Matches(*project, plan, options));
  auto differs = [&](auto change) {
    ProjectPtr copy = sorbedFuelDepot(DecayOf::DissolvedAndSorbed);
    change(virelo_Extras(copy.get()).transport);
    return !record.Matches(*copy, plan, options);
  };
  QVERIFY(differs([](TransportInputs& t) { t.aquifer.decayOf = DecayOf::Dissolved; }));
  QVERIFY(differs([](TransportInputs& t) { t.aquifer.bulkDensity = 1.7; }));
  QVERIFY(differs([](TransportInputs& t) { t.aquifer.organicCarbon.reset(); }));
  QVERIFY(differs([](TransportInputs& t) { t.contaminants["Benzene"].koc = 61.0; }));
  QVERIFY(differs([](TransportInputs& t) { t.contaminants["Toluene"].koc = 140.0; }));

  UncertaintySnapshot snapshot(*project, plan, options);
  QCOMPARE(TransportOf(snapshot.project) == TransportOf(*project), true);
  QCOMPARE(virelo_SteadyDecayFactor(snapshot.project, "Benzene"),
           virelo_SteadyDecayFactor(*project, "Benzene"));
}

// The Site data window's button under sorbed decay: the wells measure
// lambda R, the constant taken is lambda_fit / R, and the window says so.
void TestDecayConvention::useAsDecayConstantTakesTheFittedRateOverR() {
  FakePlatform platform;
  ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp", "rb"));
  QVERIFY(project);
  TransportInputs& t = virelo_Extras(project.get()).transport;
  t.aquifer = {1.8, 0.01, DecayOf::DissolvedAndSorbed};
  ContaminantTransport koc;
  koc.koc = 60.0;
  SetContaminantTransport(&t, "Benzene", koc);
  SiteDecayView view(project.get());
  view.Refresh();
  view.contaminantCombo()->setCurrentIndex(view.contaminantCombo()->findText(QStringLiteral("Benzene")));
  QCOMPARE(QString::fromStdString(view.fit().contaminant), QStringLiteral("Benzene"));
  QVERIFY(view.fit().hasLambda);
  QVERIFY(view.useButton()->isEnabled());
  QTest::mouseClick(view.useButton(), Qt::LeftButton);
  const double r = virelo_RetardationOf(*project, "Benzene").value;
  QVERIFY(r > 2.0);
  const Contaminant* benzene = nullptr;
  for (int k = 0; k < project->contaminantCount; ++k)
    if (std::strcmp(project->contaminants[k].name, "Benzene") == 0) benzene = &project->contaminants[k];
  QVERIFY(benzene);
  QCOMPARE(benzene->lambdaSelected, int16_t(kLambdaUser));
  QVERIFY(std::fabs(benzene->lambdaUser - view.fit().lambda / r) <= 1e-15);
  QVERIFY2(view.warningsLabel()->text().contains(QStringLiteral("\u03bb\u00b7R with R = ")),
           qPrintable(view.warningsLabel()->text()));
  QVERIFY(QString::fromStdString(LambdaSourceOf(virelo_SettingsOf(*project), "Benzene"))
              .contains(QStringLiteral("\u03bb = \u03bb_fit / R, R = ")));
}

QTEST_MAIN(TestDecayConvention)
#include "tst_decayconvention.moc"
