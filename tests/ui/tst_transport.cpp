// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Data > Sorption and source... driven as a user drives it: typed values,
// the derived R and ks, the refusals that hold back OK, and what reaches the
// project, its results and its file.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <cstring>

#include "analysis/TransportDialog.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "platform/DecimalSign.h"
#include "shell_fixture.h"
#include "support/TableDriving.h"

namespace {

int rowOf(const Project* project, const char* name) {
  for (int k = 0; k < project->contaminantCount; ++k)
    if (std::strcmp(project->contaminants[k].name, name) == 0) return k;
  return -1;
}

// The worked example's aquifer, and benzene assessed with C0 100, CA 1 and
// lambda 0.01 1/d, in the project the window opened.
void prepare(Project* p) {
  const int bits[] = {kAquiferX,  kAquiferKf, kAquiferI,  kAquiferNe, kAquiferAx,
                      kAquiferAy, kAquiferAz, kAquiferSz, kAquiferSy};
  const double values[] = {100.0, 1.0, 0.01, 0.25, 10.0, 1.0, 0.1, 5.0, 10.0};
  for (int k = 0; k < 9; ++k) virelo_SetAquiferValue(&p->aquifer, bits[k], values[k]);
  Contaminant& c = p->contaminants[rowOf(p, "Benzene")];
  virelo_SetContaminantValue(&c, kValueC0, 100.0);
  virelo_SetContaminantValue(&c, kValueCa, 1.0);
  virelo_SetLambda(&c, kLambdaUser, 0.01);
  c.lambdaSelected = kLambdaUser;
  c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
}

void typeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

}  // namespace

class TestTransport : public QObject {
  Q_OBJECT
 private slots:
  void enteredValuesReachResultsAndFile();
  void cancelKeepsTheProject();
  void aGermanReaderSeesDecimalCommas();
};

void TestTransport::enteredValuesReachResultsAndFile() {
  ShellSession session;
  auto window = session.start();
  Project* project = window->project;
  prepare(project);
  const int benzene = rowOf(project, "Benzene");
  const int mtbe = rowOf(project, "MTBE");
  QVERIFY(benzene >= 0 && mtbe >= 0);
  window->ViewPage(3);
  const double plainLength = project->results[0].plumeLength;
  QVERIFY(std::fabs(plainLength - 18.4206807) < 1e-6);

  QString decayNoteBefore, decayNoteAfter, problemsWhileRefused;
  bool okWhileRefused = true;
  QString rBenzene, rMtbe, ksBenzene;
  int typed = 0;
  QString kocToluene, kocSourceToluene, kocPhenol, kocTolueneHidden;
  bool onlyAssessedShown = false, allShown = false;
  const int toluene = rowOf(project, "Toluene");
  const int phenol = rowOf(project, "Phenol");
  QVERIFY(toluene >= 0 && phenol >= 0);
  // The bundled literature table beside the program, where the button looks.
  QVERIFY(QFile::copy(QStringLiteral(VIRELO_BINARY_DIR "/generic-contaminants.csv"),
                      session.program.filePath("generic-contaminants.csv")));
  session.platform.dialogHandler = [&](QDialog* dialog) {
    if (!showActive(*dialog)) qWarning("dialog never active");
    auto* rho = dialog->findChild<QLineEdit*>("bulkDensityEdit");
    auto* foc = dialog->findChild<QLineEdit*>("organicCarbonEdit");
    auto* table = dialog->findChild<QTableWidget*>("transportTable");
    auto* decayOf = dialog->findChild<QCheckBox*>("decayOfCheck");
    auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    typeInto(rho, "1.6");
    // A percentage typed as a fraction's place is refused, and OK waits.
    typeInto(foc, "-0.2");
    okWhileRefused = ok->isEnabled();
    problemsWhileRefused = dialog->findChild<QLabel*>("transportProblems")->text();
    typeInto(foc, "0.002");
    // The list opens with the contaminants assessed; the database fills
    // only rows the user sees.
    onlyAssessedShown =
        !table->isRowHidden(benzene) && table->isRowHidden(toluene) && table->isRowHidden(mtbe);
    QTest::mouseClick(dialog->findChild<QPushButton*>("kocFromDatabase"), Qt::LeftButton);
    kocTolueneHidden = table->item(toluene, TransportDialog::kKoc)->text();
    auto* showAll = dialog->findChild<QCheckBox*>("showNotAssessed");
    QTest::mouseClick(showAll, Qt::LeftButton, {}, QPoint(6, showAll->height() / 2));
    allShown = !table->isRowHidden(toluene) && !table->isRowHidden(mtbe);
    QTest::mouseClick(dialog->findChild<QPushButton*>("kocFromDatabase"), Qt::LeftButton);
    kocToluene = table->item(toluene, TransportDialog::kKoc)->text();
    kocSourceToluene = table->item(toluene, TransportDialog::kKocSource)->text();
    kocPhenol = table->item(phenol, TransportDialog::kKoc)->text();
    typed += typeIntoCell(table, benzene, TransportDialog::kKoc, "61.7");
    typed += typeIntoCell(table, benzene, TransportDialog::kKocSource, "US EPA 1996");
    auto* kind = table->cellWidget(benzene, TransportDialog::kSource)->findChild<QComboBox*>();
    if (!kind) kind = qobject_cast<QComboBox*>(table->cellWidget(benzene, TransportDialog::kSource));
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_Down);
    QTest::keyClick(kind, Qt::Key_Down);
    typed += typeIntoCell(table, benzene, TransportDialog::kMass, "10");
    rBenzene = table->item(benzene, TransportDialog::kRetardation)->text();
    rMtbe = table->item(mtbe, TransportDialog::kRetardation)->text();
    ksBenzene = table->item(benzene, TransportDialog::kSourceRate)->text() + " " +
                table->item(benzene, TransportDialog::kSourceRate)->toolTip();
    decayNoteBefore = dialog->findChild<QLabel*>("decayNote")->text();
    QTest::mouseClick(decayOf, Qt::LeftButton, {}, QPoint(6, decayOf->height() / 2));
    decayNoteAfter = dialog->findChild<QLabel*>("decayNote")->text();
    return ok->isEnabled() ? int(QDialog::Accepted) : int(QDialog::Rejected);
  };
  window->dataCommands->action("transport")->trigger();
  QCOMPARE(session.platform.dialogTitles.last(), QStringLiteral("Sorption and source"));
  QCOMPARE(typed, 3);
  QVERIFY(!okWhileRefused);
  QVERIFY2(problemsWhileRefused.startsWith("foc"), qPrintable(problemsWhileRefused));
  // R = 1 + 1.6 * 61.7 * 0.002 / 0.25 = 1.78976.
  QVERIFY(onlyAssessedShown);
  QCOMPARE(kocTolueneHidden, QString());
  QVERIFY(allShown);
  // The bundled table's measured values, and none where it has none.
  QCOMPARE(kocToluene, QStringLiteral("140"));
  QVERIFY2(kocSourceToluene.startsWith("US EPA 1996, Soil Screening Guidance"), qPrintable(kocSourceToluene));
  QCOMPARE(kocPhenol, QString());
  QCOMPARE(rBenzene, QStringLiteral("1.79"));
  QCOMPARE(rMtbe, QStringLiteral("1 (no Koc)"));
  // Q = 1 * 0.01 * 20 * 5 = 1 m3/d, C0 = 100 ug/L = 1e-4 kg/m3, M0 = 10 kg.
  QVERIFY2(ksBenzene.startsWith(QStringLiteral("ks = 1e-05 1/d ks = Q C0 / M0 with Q = Kf i W H = 1 m3/d")),
           qPrintable(ksBenzene));
  QVERIFY(decayNoteBefore.contains("changes no steady-state value"));
  QVERIFY(decayNoteAfter.contains("lambda * R"));

  const TransportInputs& t = TransportOf(*project);
  QCOMPARE(t.aquifer, (AquiferSorption{1.6, 0.002, DecayOf::DissolvedAndSorbed}));
  const ContaminantTransport& b = ContaminantTransportOf(t, "Benzene");
  QCOMPARE(b.koc.value_or(-1), 61.7);
  QCOMPARE(b.kocSource, std::string("US EPA 1996"));
  QCOMPARE(b.sourceDecay, SourceDecayKind::Mass);
  QCOMPARE(b.mass, 10.0);
  QVERIFY(ContaminantTransportOf(t, "MTBE").IsDefault());
  QCOMPARE(ContaminantTransportOf(t, "Toluene").koc.value_or(-1), 140.0);
  QCOMPARE(project->modified, 1);

  // The results page computes the steady state with lambda * R.
  window->ViewPage(0);
  window->ViewPage(3);
  QVERIFY(project->resultCount >= 1);
  QVERIFY(std::fabs(project->results[0].plumeLength - plainLength / 1.78976) < 1e-9);

  // Saved and opened again, the inputs are the ones entered.
  const QString path = session.path("sorption.vrp");
  QCOMPARE(virelo_SaveProject(project, QFile::encodeName(path).constData()), 1);
  Project* again = virelo_LoadProject(QFile::encodeName(path).constData(), "rb");
  QVERIFY(again);
  QVERIFY(TransportOf(*again) == t);
  virelo_FreeProject(again);
}

void TestTransport::cancelKeepsTheProject() {
  ShellSession session;
  auto window = session.start();
  Project* project = window->project;
  session.platform.dialogHandler = [](QDialog* dialog) {
    showActive(*dialog);
    typeInto(dialog->findChild<QLineEdit*>("bulkDensityEdit"), "1.8");
    return int(QDialog::Rejected);
  };
  window->dataCommands->action("transport")->trigger();
  QVERIFY(TransportIsDefault(*project));
  QCOMPARE(project->modified, 0);
}

// The stored values come back in the fields with the decimal comma a German
// reader writes, as every other field shows them, and OK keeps them exactly;
// a value typed with a comma is read as the reader meant it.
void TestTransport::aGermanReaderSeesDecimalCommas() {
  ShellSession session;
  auto window = session.start();
  Project* project = window->project;
  prepare(project);
  TransportInputs& stored = virelo_Extras(project).transport;
  stored.aquifer = AquiferSorption{1.65, 0.0025, DecayOf::Dissolved};
  ContaminantTransport benzene;
  benzene.koc = 61.7;
  benzene.sourceDecay = SourceDecayKind::Rate;
  benzene.rate = 0.00035;
  SetContaminantTransport(&stored, "Benzene", benzene);
  const TransportInputs before = stored;
  SetShownDecimalSign(QLatin1Char(','));
  // Back to the point however the test ends: the tests after it read points.
  const auto restore = qScopeGuard([] { SetShownDecimalSign(QLatin1Char('.')); });
  QStringList shown;
  session.platform.dialogHandler = [&](QDialog* dialog) {
    showActive(*dialog);
    auto* table = dialog->findChild<QTableWidget*>("transportTable");
    const int row = rowOf(project, "Benzene");
    shown << dialog->findChild<QLineEdit*>("bulkDensityEdit")->text()
          << dialog->findChild<QLineEdit*>("organicCarbonEdit")->text()
          << table->item(row, TransportDialog::kKoc)->text()
          << table->item(row, TransportDialog::kRate)->text();
    return int(QDialog::Accepted);
  };
  window->dataCommands->action("transport")->trigger();
  QCOMPARE(shown, QStringList({"1,65", "0,0025", "61,7", "0,00035"}));
  QVERIFY(TransportOf(*project) == before);

  session.platform.dialogHandler = [&](QDialog* dialog) {
    showActive(*dialog);
    typeInto(dialog->findChild<QLineEdit*>("bulkDensityEdit"), "1,7");
    return int(QDialog::Accepted);
  };
  window->dataCommands->action("transport")->trigger();
  QCOMPARE(TransportOf(*project).aquifer.bulkDensity.value_or(-1), 1.7);
}

QTEST_MAIN(TestTransport)
#include "tst_transport.moc"
