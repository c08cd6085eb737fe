// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Lines of evidence window opened from the Data menu as a user opens it:
// its model lights are the Results page's verdicts under the range the user
// picked there, the time frames arrive from the run, and the report opens
// with the same lines. F1 is tried with the other windows' in tst_help.
#include <QComboBox>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include "support/RunWait.h"

#include "analysis/EvidenceWindow.h"
#include "engine/core/calc.h"
#include "engine/project/extras.h"
#include "pages/CPropResults.h"
#include "pages/ResultListModel.h"
#include "report/AssessmentReport.h"
#include "shell_fixture.h"
#include "support/ContaminantProjects.h"

namespace {

QString cell(QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item ? item->text() : QString();
}

// The row's contaminant: the name stands on a contaminant's first row only.
QString contaminantOf(QTableWidget* table, int row) {
  while (row > 0 && cell(table, row, 0).isEmpty()) --row;
  return cell(table, row, 0);
}

}  // namespace

class TestEvidenceWindow : public QObject {
  Q_OBJECT
 private slots:
  // TCE on the dry cleaner is Yellow by its chain under the saved range 0
  // (0.3 .. 2.0) and Green under range 1 (0.5 .. 2.0): the window follows
  // the range picked on the Results page.
  void menuOpensTheLinesUnderTheResultsPagesRange() {
    ShellSession session;
    const QString file = session.path("cleaner.vrp");
    QVERIFY(QFile::copy(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", file));
    auto window = session.start(file);
    window->ViewPage(3);
    CPropResults* results = window->pageTabs->resultsPage;
    auto* afRange = results->findChild<QComboBox*>("afRangeCombo");
    QVERIFY(afRange);
    afRange->setCurrentIndex(1);

    // The Results page's verdicts, by name.
    QMap<QString, QString> page;
    ResultListModel* model = results->listModel(CPropResults::AttenuationFactorSide);
    for (int k = 0; k < model->size(); ++k)
      page[model->row(k).name] = QString::fromLatin1(AssessmentClassName(model->row(k).cls));
    QCOMPARE(page.value("Trichloroethene (TCE)"), QString("Green"));

    QMap<QString, QString> lights;
    QStringList lines, timeFrames;
    int rows = 0;
    bool pendingAtFirst = false;
    session.platform.dialogHandler = [&](QDialog* dialog) {
      auto* evidence = qobject_cast<EvidenceWindow*>(dialog);
      if (!evidence) return int(QDialog::Rejected);
      QTableWidget* table = evidence->table();
      for (int r = 0; r < table->rowCount(); ++r)
        if (cell(table, r, 1) == "time frame" && cell(table, r, 2) == "...") pendingAtFirst = true;
      for (int waited = 0; evidence->controller()->running() && waited < 600; ++waited) QTest::qWait(100);
      rows = table->rowCount();
      for (int r = 0; r < rows; ++r) {
        if (lines.size() < 5) lines << cell(table, r, 1);
        if (cell(table, r, 1) == "model") lights[contaminantOf(table, r)] = cell(table, r, 2);
        if (cell(table, r, 1) == "time frame") timeFrames << cell(table, r, 2);
      }
      return int(QDialog::Rejected);
    };
    window->dataCommands->action("evidence")->trigger();
    QVERIFY(pendingAtFirst);
    QCOMPARE(rows, 20);
    QCOMPARE(lines,
             QStringList({"plume behaviour", "mass discharge", "geochemistry", "model", "time frame"}));
    QCOMPARE(lights.size(), page.size());
    for (auto it = page.cbegin(); it != page.cend(); ++it) QCOMPARE(lights.value(it.key()), it.value());
    // The run replaced every "..." with a light.
    QCOMPARE(timeFrames.size(), 4);
    for (const QString& light : timeFrames) QVERIFY2(light != "...", qPrintable(light));
  }

  // The report's first section after the title holds the same lines as the
  // window, reading for reading, and cites where each is shown.
  void reportOpensWithTheSameLines() {
    ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp", "rb"));
    QVERIFY(project);
    virelo_math_CalcAll(project.get());
    const QString text =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(515, 760))->toPlainText();
    const qsizetype heading = text.indexOf("Lines of evidence");
    QVERIFY2(heading >= 0, qPrintable(text.left(2000)));
    QVERIFY(heading < text.indexOf("Results"));

    EvidenceWindow window(*project, VerdictOptionsOf(*project));
    QTRY_VERIFY_WITH_TIMEOUT(!window.controller()->running(), kRunFinishesWithinMs);
    QApplication::processEvents();
    QCOMPARE(window.rows().size(), size_t{25});
    // Without transects the report says once that the discharge line has
    // no light, instead of a row per contaminant.
    QCOMPARE(text.count("No transect of wells is named"), 1);
    qsizetype from = heading;
    for (const EvidenceRow& row : window.rows()) {
      if (row.line == EvidenceLine::kDischarge) continue;
      const qsizetype at = text.indexOf(QString::fromStdString(row.reading), from);
      QVERIFY2(at > 0, qPrintable(QString::fromStdString(row.reading)));
      from = at;
    }
    // With a transect kept, every discharge reading is in the report too,
    // and the section of the plume as a whole gives its table.
    virelo_Extras(project.get()).monitoring.transects = {{"T1", {"MW2", "MW3"}}};
    const QString kept =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(515, 760))->toPlainText();
    QVERIFY(!kept.contains("No transect of wells is named"));
    EvidenceWindow withTransect(*project, VerdictOptionsOf(*project));
    QTRY_VERIFY_WITH_TIMEOUT(!withTransect.controller()->running(), kRunFinishesWithinMs);
    int discharge = 0;
    for (const EvidenceRow& row : withTransect.rows()) {
      if (row.line != EvidenceLine::kDischarge) continue;
      ++discharge;
      QVERIFY2(row.reading.find("T1 ") != std::string::npos, row.reading.c_str());
      QVERIFY2(kept.contains(QString::fromStdString(row.reading)), row.reading.c_str());
    }
    QCOMPARE(discharge, 5);
    QVERIFY(kept.contains("Md latest [g/d]"));
    QVERIFY(kept.contains("dispersive flux is neglected"));

    // Without monitoring data the report says once what the plume and
    // geochemistry lines need, and keeps the model and time rows.
    ProjectPtr depot(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/fuel-depot.vrp", "rb"));
    QVERIFY(depot);
    virelo_math_CalcAll(depot.get());
    const QString plain =
        BuildReportDocument(*depot, ReportSettingsFor(*depot, 0, 0), QSizeF(515, 760))->toPlainText();
    QCOMPARE(plain.count("No monitoring data: the lines of the plume's behaviour"), 1);
    QVERIFY(!plain.contains("No monitoring rounds"));
    QVERIFY(plain.contains("Attenuation factor Red by the models."));
    QVERIFY(plain.contains("The receptor first exceeds CA after"));
  }
};

QTEST_MAIN(TestEvidenceWindow)
#include "tst_evidencewindow.moc"
