// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The flow field's buttons against virelo-cli apply-flow: a user clicking
// "Apply to aquifer", "Use as flow direction" and "Use plume axis" and
// saving writes the very bytes the command writes to a copy of the same
// project; and the tab shows the mean over the dates and the plume axis
// beside the heads.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <cmath>

#include "analysis/PlumeView.h"
#include "analysis/SiteDataWindow.h"
#include "analysis/SiteFlowView.h"
#include "engine/core/calc.h"
#include "engine/project/extras.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "support/FakePlatform.h"
#include "support/SiteExample.h"
#include "support/TableDriving.h"

namespace {

// The example's first four wells surveyed in UTM metres along a plume to
// the south-west, and heads on two dates falling towards 37 degrees.
const char* kSurvey =
    "well,easting,northing,inFit\n"
    "MW1,512030,5702110,yes\nMW2,512012,5702092,yes\nMW3,511996,5702070,yes\nMW4,511975,5702050,yes\n";
const char* kHeads =
    "well,date,analyte,value,unit,nonDetect\n"
    "MW1,2024-05-12,Head,49.576382572800945,m,\nMW2,2024-05-12,Head,49.6543,m,\n"
    "MW3,2024-05-12,Head,49.7521,m,\nMW4,2024-05-12,Head,49.8677,m,\n"
    "MW1,2023-11-02,Head,49.7,m,\nMW2,2023-11-02,Head,49.79,m,\n"
    "MW3,2023-11-02,Head,49.86,m,\nMW4,2023-11-02,Head,50.01,m,\n";

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// virelo-cli as a script runs it; its standard error on failure.
int RunCli(const QStringList& arguments, QString* err) {
  QProcess process;
  process.start(QStringLiteral(VIRELO_BINARY_DIR "/virelo-cli"), arguments);
  if (!process.waitForFinished(120000)) return -1;
  *err = QString::fromUtf8(process.readAllStandardError());
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A value as a table shows it against the unrounded one: within half a unit
// of the text's last decimal. Azimuths compare round the circle.
bool ShowsValue(const QString& text, double value, bool azimuth) {
  bool ok = false;
  const double shown = text.toDouble(&ok);
  if (!ok || !std::isfinite(value)) return false;
  const qsizetype point = text.indexOf(QLatin1Char('.'));
  const double half = 0.5 * std::pow(10.0, point < 0 ? 0 : -(text.size() - point - 1));
  double difference = std::fabs(shown - value);
  if (azimuth) difference = std::min(difference, 360.0 - difference);
  return difference <= half * (1 + 1e-9);
}

void TypeInto(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

}  // namespace

class TestFlowApply : public QObject {
  Q_OBJECT
 private slots:
  void buttonsAndCommandWriteTheSameProject() {
    FakePlatform platform;
    QTemporaryDir dir;
    Owned project = Example();
    QVERIFY(project);
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    SiteFlowView* flow = window.flowView();
    QVERIFY(window.ImportTable(kSurvey, "survey.csv"));
    QVERIFY(window.ImportTable(kHeads, "heads.csv"));
    window.tabs()->setCurrentWidget(flow);
    TypeInto(flow->sourceEastingField(), "512040");
    TypeInto(flow->sourceNorthingField(), "5702120");
    QTest::mouseClick(flow->placeButton(), Qt::LeftButton);

    // The state both start from, saved before any button.
    const QString window1 = dir.filePath("window.vrp"), cli = dir.filePath("cli.vrp");
    QVERIFY(virelo_SaveProject(project.get(), window1.toLocal8Bit().constData()));
    QVERIFY(QFile::copy(window1, cli));

    // The mean over the two dates, and the plume axis of the contaminant
    // detected at the most wells, beside the heads.
    QVERIFY2(flow->numbersLabel()->text().contains("Over 2 dates: mean flow azimuth"),
             qPrintable(flow->numbersLabel()->text()));
    QVERIFY(flow->axisAnalyteCombo()->count() > 0);
    // The four wells run in a row 1.05 m wide over 30 m: the window and the
    // report warn of it under the date's numbers.
    QVERIFY2(
        flow->numbersLabel()->text().contains("Warning:</b> The wells lie nearly in a row (1.05 m across"),
        qPrintable(flow->numbersLabel()->text()));
    QVERIFY(virelo_math_CalcAll(project.get()));
    const QString report =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))->toPlainText();
    QVERIFY2(
        report.contains("Warning: The wells lie nearly in a row (1.05 m across their line, 30.3 m along it"),
        qPrintable(report));
    QVERIFY2(flow->axisLabel()->text().contains("through 4 wells"), qPrintable(flow->axisLabel()->text()));
    QVERIFY(flow->usePlumeAxisButton()->isEnabled());

    QTest::mouseClick(flow->applyGradientButton(), Qt::LeftButton);
    QTest::mouseClick(flow->useAzimuthButton(), Qt::LeftButton);
    QVERIFY(virelo_SaveProject(project.get(), window1.toLocal8Bit().constData()));
    QString err;
    QCOMPARE(RunCli({"apply-flow", cli, "--gradient", "--azimuth"}, &err), 0);
    QVERIFY2(Bytes(cli) == Bytes(window1), qPrintable(err));

    // The plume axis in its place, as the button takes it.
    QTest::mouseClick(flow->usePlumeAxisButton(), Qt::LeftButton);
    const SiteMap& map = virelo_ExtrasOf(*project).site.map;
    QVERIFY2(QString::fromStdString(map.azimuthOrigin.text).startsWith("plume axis of "),
             map.azimuthOrigin.text.c_str());
    QVERIFY(!flow->usePlumeAxisButton()->isEnabled());
    QVERIFY2(flow->originLabel()->text().contains("from the plume axis of"),
             qPrintable(flow->originLabel()->text()));
    QVERIFY(virelo_SaveProject(project.get(), window1.toLocal8Bit().constData()));
    QCOMPARE(RunCli({"apply-flow", cli, "--axis"}, &err), 0);
    QVERIFY2(Bytes(cli) == Bytes(window1), qPrintable(err));

    // Back to the heads: the two directions differ and both are recorded
    // by what they came from.
    QVERIFY(flow->useAzimuthButton()->isEnabled());
    QTest::mouseClick(flow->useAzimuthButton(), Qt::LeftButton);
    QVERIFY(QString::fromStdString(map.azimuthOrigin.text).startsWith("heads of 2024-05-12"));
  }

  // Surveyed wells read before the map's source point and direction sit
  // nowhere yet: the import, the plume view and the report say where they
  // wait, and none of them takes the wells for wells at the source.
  void surveyedWellsWaitVisiblyForTheMap() {
    FakePlatform platform;
    Owned project = Example();
    QVERIFY(project);
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    QVERIFY(window.ImportTable(kSurvey, "survey.csv"));
    const QString waiting = QStringLiteral("Wells MW1, MW2, MW3 and MW4 are surveyed on the map and wait");
    QVERIFY2(window.statusLabel()->text().contains(waiting), qPrintable(window.statusLabel()->text()));
    QVERIFY(virelo_math_CalcAll(project.get()));
    const auto reportText = [&project] {
      return BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))
          ->toPlainText()
          .remove(QChar(0x2060));
    };
    {
      PlumeView view(project.get(), kAssessmentRanges[0].range, 0);
      QVERIFY2(view.summary()->text().contains(waiting), qPrintable(view.summary()->text()));
      QVERIFY2(reportText().contains(waiting), "the report's wells section names the waiting wells");
    }
    window.tabs()->setCurrentWidget(window.flowView());
    TypeInto(window.flowView()->sourceEastingField(), "512040");
    TypeInto(window.flowView()->sourceNorthingField(), "5702120");
    TypeInto(window.flowView()->azimuthField(), "220");
    QTest::mouseClick(window.flowView()->placeButton(), Qt::LeftButton);
    QVERIFY(UnplacedWells(virelo_ExtrasOf(*project).site).empty());
    PlumeView placed(project.get(), kAssessmentRanges[0].range, 0);
    QVERIFY2(!placed.summary()->text().contains("Place wells"), qPrintable(placed.summary()->text()));
    QVERIFY(!reportText().contains("surveyed on the map and wait"));
  }

  // The report's Flow field table holds what `flow --csv` computes, one value
  // to a column, rounded as shown: read back cell by cell.
  void reportFlowTableReadsBackAgainstTheCommand() {
    FakePlatform platform;
    QTemporaryDir dir;
    Owned project = Example();
    QVERIFY(project);
    SiteDataWindow window(project.get());
    QVERIFY(window.ImportTable(kSurvey, "survey.csv"));
    QVERIFY(window.ImportTable(kHeads, "heads.csv"));
    const QString path = dir.filePath("flow.vrp");
    QVERIFY(virelo_SaveProject(project.get(), path.toLocal8Bit().constData()));
    QProcess cli;
    cli.start(QStringLiteral(VIRELO_BINARY_DIR "/virelo-cli"), {"flow", path, "--csv"});
    QVERIFY(cli.waitForFinished(120000));
    QCOMPARE(cli.exitCode(), 0);
    QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.takeFirst(), QStringLiteral("date,n,gradient,azimuth,rmsResidual,gradientSe,azimuthSe,"
                                               "azimuthLow,azimuthHigh,warning"));
    QCOMPARE(lines.size(), 2);

    QVERIFY(virelo_math_CalcAll(project.get()));
    auto doc = BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700));
    QTextTable* table = nullptr;
    for (QTextBlock b = doc->begin(); b.isValid() && !table; b = b.next()) {
      QTextTable* t = QTextCursor(b).currentTable();
      if (t && t->columns() == 8 && t->cellAt(0, 2).firstCursorPosition().block().text() == "Gradient i")
        table = t;
    }
    QVERIFY(table);
    const auto cell = [table](int row, int column) {
      return table->cellAt(row, column).firstCursorPosition().block().text().remove(QChar(0x2060)).trimmed();
    };
    int row = 1;
    for (const QString& line : lines) {
      const QStringList csv = line.split(QLatin1Char(','));
      QCOMPARE(cell(row, 0), csv[0]);
      QCOMPARE(cell(row, 1), csv[1]);
      const double value = csv[2].toDouble(), se = csv[5].toDouble();
      QVERIFY2(ShowsValue(cell(row, 2), value, false), qPrintable(cell(row, 2) + " " + csv[2]));
      QVERIFY2(ShowsValue(cell(row, 3), se, false), qPrintable(cell(row, 3) + " " + csv[5]));
      QVERIFY2(ShowsValue(cell(row, 4), csv[3].toDouble(), true), qPrintable(cell(row, 4) + " " + csv[3]));
      QVERIFY2(ShowsValue(cell(row, 5), csv[6].toDouble(), false), qPrintable(cell(row, 5) + " " + csv[6]));
      // The interval's words may be joined by no-break spaces; one that spans
      // the circle is 0 to 360 in the CSV.
      const QString shown = cell(row, 6).replace(QChar::Nbsp, QLatin1Char(' '));
      if (shown == "any direction") {
        QCOMPARE(csv[7].toDouble(), 0.0);
        QCOMPARE(csv[8].toDouble(), 360.0);
      } else {
        const QStringList interval = shown.split(QStringLiteral(" to "));
        QVERIFY2(interval.size() == 2, qPrintable(shown));
        QVERIFY2(ShowsValue(interval[0], csv[7].toDouble(), true), qPrintable(interval[0] + " " + csv[7]));
        QVERIFY2(ShowsValue(interval[1], csv[8].toDouble(), true), qPrintable(interval[1] + " " + csv[8]));
      }
      QVERIFY2(ShowsValue(cell(row, 7), csv[4].toDouble(), false), qPrintable(cell(row, 7) + " " + csv[4]));
      // A warning of wells in a row stands on a row of its own beneath.
      ++row;
      if (csv.size() > 9 && !csv[9].isEmpty()) {
        QVERIFY2(cell(row, 0).startsWith("Warning: The wells lie nearly in a row"), qPrintable(cell(row, 0)));
        ++row;
      }
    }
    QCOMPARE(table->rows(), row);
  }

  void commandRefusesWhatTheButtonsCannotTake() {
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.vrp");
    QString err;
    QCOMPARE(RunCli({"new", path, "--title", "Mill Lane", "--unit", "mg/L"}, &err), 0);
    QCOMPARE(RunCli({"new", path}, &err), 1);  // never over an existing file
    Owned project(virelo_LoadProject(path.toLocal8Bit().constData(), "rb"));
    QVERIFY(project);
    QCOMPARE(QString::fromLatin1(project->title), QString("Mill Lane"));
    QCOMPARE(QString::fromStdString(virelo_ExtrasOf(*project).settings.concentrationUnit), QString("mg/L"));
    const QByteArray before = Bytes(path);
    QCOMPARE(RunCli({"apply-flow", path, "--gradient"}, &err), 1);
    QVERIFY2(err.contains("left unchanged"), qPrintable(err));
    QCOMPARE(Bytes(path), before);
    QCOMPARE(RunCli({"apply-flow", path, "--azimuth", "--axis"}, &err), 2);
  }
};

QTEST_MAIN(TestFlowApply)
#include "tst_flowapply.moc"
