// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Time window driven as a user drives it (a contaminant chosen with the
// keys, the slider moved, Cancel and Run pressed): that the table, the
// charts and the inputs line show the chosen contaminant's own sorption,
// source and curves, and that the report's Time section appears only for a
// project that keeps such inputs.
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <QTextDocument>
#include <QValueAxis>
#include <cmath>
#include <memory>
#include "support/RunWait.h"

#include "analysis/TimeCharts.h"
#include "analysis/TimeWindow.h"
#include "analysis/TimingTableModel.h"
#include "engine/core/calc.h"
#include "engine/project/extras.h"
#include "engine/project/fulltexts.h"
#include "engine/project/transport.h"
#include "engine/time/timeinputs.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"

namespace {

struct Loaded {
  Project* project;
  explicit Loaded(const char* name)
      : project(virelo_LoadProject((std::string(VIRELO_SOURCE_DIR) + "/examples/" + name).c_str(), "rb")) {
    if (project) virelo_math_CalcAll(project);
  }
  ~Loaded() { virelo_FreeProject(project); }
};

QLineSeries* series(QChartView* view, const char* name) {
  if (!view->chart()) return nullptr;
  for (QAbstractSeries* s : view->chart()->series())
    if (s->objectName() == QLatin1String(name)) return qobject_cast<QLineSeries*>(s);
  return nullptr;
}

QString reportText(const Project& project) {
  return BuildReportDocument(project, ReportSettingsFor(project, 0, 0), QSizeF(515, 760))->toPlainText();
}

}  // namespace

class TestTimeWindow : public QObject {
  Q_OBJECT
 private slots:
  void tableAndChartsFollowTheChosenContaminant() {
    Loaded example("dry-cleaner.vrp");
    QVERIFY(example.project);
    const Project& project = *example.project;
    std::vector<TimeInputs> expected;
    for (int k : TimeContaminantsOf(project))
      if (TimeInputsOf(project, k).usable) expected.push_back(TimeInputsOf(project, k));
    QVERIFY(expected.size() >= 2);

    TimeWindow window(project);
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(!window.controller()->running(), kRunFinishesWithinMs);
    QCOMPARE(window.model()->rowCount(), static_cast<int>(expected.size()));
    QCOMPARE(window.contaminantBox()->count(), static_cast<int>(expected.size()));

    // Each row is that contaminant's own, with the R of its own Koc.
    for (size_t k = 0; k < expected.size(); ++k) {
      const TimingRow row = ComputeTimingRows({expected[k].timing}).front();
      for (int c = 0; c < TimingTableModel::ColumnCount(); ++c)
        QCOMPARE(window.model()->index(static_cast<int>(k), c).data().toString(),
                 TimingTableModel::CellText(row, c));
      const Retardation r = virelo_RetardationOf(project, expected[k].timing.name.c_str());
      QCOMPARE(row.retardation, r.value);
    }

    // The user picks the second contaminant with the keys.
    window.contaminantBox()->setFocus();
    QTest::keyClick(window.contaminantBox(), Qt::Key_Down);
    QCOMPARE(window.contaminantBox()->currentIndex(), 1);
    const TimeInputs& second = expected[1];
    QVERIFY2(window.inputsLabel()->text().contains(QString::fromStdString(second.retardationBasis)),
             qPrintable(window.inputsLabel()->text()));
    QVERIFY(window.inputsLabel()->text().contains(QString::fromStdString(second.sourceBasis)));
    QLineSeries* exact = series(window.breakthroughView(), timechart::kExact);
    QVERIFY(exact && exact->count() > 0);
    const double perUnit = timechart::DaysPerUnit(window.breakthroughView()->chart());
    const QPointF last = exact->points().back();
    // The second is a daughter of the chain: its curve is the chain's, in
    // the project's unit.
    QVERIFY(second.timing.chain);
    const double x = second.timing.inputs.x;
    QVERIFY(
        std::fabs(last.y() / (CurveScale(second.timing) * CurveExact(second.timing, x, last.x() * perUnit)) -
                  1.0) < 1e-9);
    QLineSeries* ca = series(window.breakthroughView(), timechart::kAcceptable);
    QVERIFY(ca && ca->count() == 2);
    QCOMPARE(ca->at(0).y(), second.timing.ca);

    // Moving the slider redraws the centre line at the new time.
    window.timeSlider()->setFocus();
    QTest::keyClick(window.timeSlider(), Qt::Key_End);
    const double t = window.profileTime();
    QVERIFY(t > 0.0);
    const QString days = QString::number(t, 'f', t < 10.0 ? 1 : 0) + QStringLiteral(" d");
    QVERIFY2(window.profileView()->chart()->title().contains(days),
             qPrintable(window.profileView()->chart()->title()));
    QLineSeries* line = series(window.profileView(), timechart::kExact);
    QVERIFY(line && line->count() > 0);
    const QPointF p = line->points().front();
    const double e = CurveExact(second.timing, p.x(), t);
    QVERIFY(std::fabs(p.y() / (CurveScale(second.timing) * e) - 1.0) < 1e-9);
    QTest::keyClick(window.timeSlider(), Qt::Key_Home);
    QVERIFY(window.profileTime() < t);
  }

  // Vinyl chloride is formed in the dry cleaner's plume: alone it never
  // exceeds its CA, through its chain it does under both models.
  void vinylChlorideFollowsItsChain() {
    Loaded example("dry-cleaner.vrp");
    QVERIFY(example.project);
    const Project& project = *example.project;
    TimeWindow window(project);
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(!window.controller()->running(), kRunFinishesWithinMs);
    // The user picks the last contaminant, vinyl chloride, with the keys.
    window.contaminantBox()->setFocus();
    QTest::keyClick(window.contaminantBox(), Qt::Key_End);
    const int row = window.contaminantBox()->currentIndex();
    QCOMPARE(window.contaminantBox()->currentText(), QStringLiteral("Vinyl chloride"));
    QCOMPARE(window.model()->index(row, 0).data().toString(), QStringLiteral("Vinyl chloride"));
    int index = -1;
    for (int k : TimeContaminantsOf(project))
      if (QString::fromLatin1(project.contaminants[k].name) == QStringLiteral("Vinyl chloride")) index = k;
    const TimeInputs vc = TimeInputsOf(project, index);
    QVERIFY(vc.timing.chain);
    const double ca = vc.timing.ca;
    for (int column : {7, 8}) {
      const QString cell = window.model()->index(row, column).data().toString();
      QVERIFY2(cell != QStringLiteral("-"), qPrintable(cell));
    }
    // At the exact solution's first exceedance the curve is at CA.
    const double t = window.model()->index(row, 8).data().toString().toDouble();
    QVERIFY(std::fabs(CurveExact(vc.timing, vc.timing.inputs.x, t) / ca - 1.0) < 0.01);
    QVERIFY(window.model()->index(row, 10).data().toString().startsWith(QStringLiteral("C = ")));
    QCOMPARE(window.model()->index(row, 1).data().toDouble(), vc.timing.chain->inputs.R);
    // The line names the chain and its R; the chart is in concentrations,
    // with the chain's steady receptor well above CA at its end.
    QVERIFY2(window.inputsLabel()->text().contains(QStringLiteral("decay chain")),
             qPrintable(window.inputsLabel()->text()));
    QLineSeries* exact = series(window.breakthroughView(), timechart::kExact);
    QVERIFY(exact && exact->count() > 0);
    QVERIFY(exact->points().back().y() > ca);
    const double perUnit = timechart::DaysPerUnit(window.breakthroughView()->chart());
    QVERIFY(std::fabs(exact->points().back().y() /
                          CurveExact(vc.timing, vc.timing.inputs.x, exact->points().back().x() * perUnit) -
                      1.0) < 1e-9);
  }

  // Beyond three years the time axis counts years, the x values with it;
  // below, days.
  void longTimesInYears() {
    const std::vector<BreakthroughPoint> longCurve = {
        {0.0, 0.0, 0.0}, {2000.0, 0.1, 0.1}, {5000.0, 0.5, 0.5}};
    std::unique_ptr<QChart> chart(BuildBreakthroughChart(longCurve, 100.0, 10.0, QStringLiteral("ug/L")));
    QCOMPARE(timechart::DaysPerUnit(chart.get()), 365.25);
    auto* xAxis = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
    QVERIFY(xAxis && xAxis->titleText().endsWith("[years]"));
    QLineSeries* exact = nullptr;
    for (QAbstractSeries* s : chart->series())
      if (s->objectName() == timechart::kExact) exact = qobject_cast<QLineSeries*>(s);
    QVERIFY(exact);
    QCOMPARE(exact->points().back().x(), 5000.0 / 365.25);

    const std::vector<BreakthroughPoint> shortCurve = {{0.0, 0.0, 0.0}, {500.0, 0.5, 0.5}};
    std::unique_ptr<QChart> days(BuildBreakthroughChart(shortCurve, 100.0, 10.0, QStringLiteral("ug/L")));
    QCOMPARE(timechart::DaysPerUnit(days.get()), 1.0);
    QVERIFY(qobject_cast<QValueAxis*>(days->axes(Qt::Horizontal).front())->titleText().endsWith("[d]"));
    QCOMPARE(timechart::TimeText(16510.0), QStringLiteral("45.2 years (16510 d)"));
    QCOMPARE(timechart::TimeText(1000.0), QStringLiteral("1000 d"));
  }

  void cancelAndRunAgain() {
    Loaded example("dry-cleaner.vrp");
    QVERIFY(example.project);
    TimeWindow window(*example.project);
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(!window.controller()->running(), kRunFinishesWithinMs);
    const int rows = window.model()->rowCount();
    QVERIFY(rows > 0);
    QVERIFY(!window.cancelButton()->isEnabled());
    QTest::mouseClick(window.runButton(), Qt::LeftButton);
    QVERIFY(window.cancelButton()->isEnabled());
    QTest::mouseClick(window.cancelButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window.controller()->running(), kRunFinishesWithinMs);
    QVERIFY(window.runButton()->isEnabled());
    // A cancelled run leaves the last table as it was; Run gives it again.
    QCOMPARE(window.model()->rowCount(), rows);
    QTest::mouseClick(window.runButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window.controller()->running(), kRunFinishesWithinMs);
    QCOMPARE(window.model()->rowCount(), rows);
  }

  // A name with an en dash, a euro sign and a Greek letter shows as the
  // user wrote it in the chooser, the table and the report, while the
  // sorption inputs stay found by the name the record holds.
  void namesShowAsTheUserWroteThem() {
    Loaded example("dry-cleaner.vrp");
    QVERIFY(example.project);
    Project* project = example.project;
    int index = -1;
    for (int k : TimeContaminantsOf(*project))
      if (index < 0 && TimeInputsOf(*project, k).usable) index = k;
    QVERIFY(index >= 0);
    const QString full = QStringLiteral("Tetra\u2013chlor \u20ac\u03b1");
    TransportInputs& transport = virelo_Extras(project).transport;
    const auto old = transport.contaminants.find(project->contaminants[index].name);
    const ContaminantTransport sorption =
        old != transport.contaminants.end() ? old->second : ContaminantTransport{};
    if (old != transport.contaminants.end()) transport.contaminants.erase(old);
    SetContaminantNameUtf8(project, index, full.toStdString());
    QCOMPARE(QByteArray(project->contaminants[index].name), QByteArray("Tetra\x96"
                                                                       "chlor \x80"
                                                                       "alpha"));
    transport.contaminants[project->contaminants[index].name] = sorption;
    QVERIFY(TimeInputsOf(*project, index).usable);

    TimeWindow window(*project);
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(!window.controller()->running(), kRunFinishesWithinMs);
    QCOMPARE(window.contaminantBox()->findText(full), 0);
    QCOMPARE(window.model()->index(0, 0).data().toString(), full);
    const QString report = reportText(*project);
    QVERIFY(report.contains(full));
    QVERIFY(!report.contains(QStringLiteral("Tetra\u0096")));
  }

  void reportShowsTimeOnlyWithTransportInputs() {
    Loaded example("dry-cleaner.vrp");
    QVERIFY(example.project);
    QVERIFY(!TransportIsDefault(*example.project));
    const QString with = reportText(*example.project);
    QVERIFY(with.contains("Times are in days since the source appeared"));
    virelo_Extras(example.project).transport = TransportInputs{};
    QVERIFY(TransportIsDefault(*example.project));
    QVERIFY(!reportText(*example.project).contains("Times are in days since the source appeared"));
  }
};

QTEST_MAIN(TestTimeWindow)
#include "tst_timewindow.moc"
