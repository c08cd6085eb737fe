// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Flow field part of the Site data window, driven as a user does: the
// map placed by typing, a survey on the map imported, the heads' plane
// shown, and its gradient and azimuth reaching the aquifer and the map only
// through their buttons, each with its origin in the window, the report and
// the saved project.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <cmath>

#include "analysis/SiteDataWindow.h"
#include "analysis/SiteFlowView.h"
#include "analysis/SiteMapPlan.h"
#include "analysis/SiteTableModel.h"
#include "engine/core/calc.h"
#include "engine/project/extras.h"
#include "persistence/projectfile.h"
#include "platform/ManualHelp.h"
#include "platform/Platform.h"
#include "report/AssessmentReport.h"
#include "support/FakePlatform.h"
#include "support/SiteExample.h"
#include "support/TableDriving.h"

namespace {

// Four of the example's wells surveyed in UTM metres, and their heads on
// 2024-05-12 on the plane i = 0.004 falling towards 37 degrees (the values
// of the flow field's engine tests).
const char* kSurvey =
    "well;easting;northing;inFit\n"
    "MW1;512030;5702110;yes\nMW2;512085,5;5702160,25;yes\nMW3;512140;5702095,5;yes\nMW4;512060,75;5702230;"
    "yes\n";
const char* kHeads =
    "well,date,analyte,value,unit,nonDetect\n"
    "MW1,2024-05-12,Head,49.576382572800945,m,\nMW2,2024-05-12,Head,49.282253900141685,m,\n"
    "MW3,2024-05-12,Head,49.357904822196787,m,\nMW4,2024-05-12,Head,49.119014280130543,m,\n";

const SiteWell& Well(const Project& p, const char* name) {
  return *virelo_ExtrasOf(p).site.FindWell(name);
}

void TypeInto(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

}  // namespace

class TestSiteFlow : public QObject {
  Q_OBJECT
 private slots:
  void mapHeadsAndTheirButtons() {
    FakePlatform platform;
    Owned project = Example();
    QVERIFY(project);
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    SiteFlowView* flow = window.flowView();
    QVERIFY(flow);

    const SiteData before = virelo_ExtrasOf(*project).site;
    // A survey comes before any map: the wells keep their easting and
    // northing and wait for the source point and the direction.
    QVERIFY2(window.ImportTable(kSurvey, "survey.csv"), qPrintable(window.statusLabel()->text()));
    QVERIFY(window.ImportTable(kHeads, "heads.csv"));
    QVERIFY(Well(*project, "MW2").mapped);
    QCOMPARE(Well(*project, "MW2").easting, 512085.5);
    QVERIFY(!SiteMapPlacesWells(virelo_ExtrasOf(*project).site.map));

    window.tabs()->setCurrentWidget(flow);
    TypeInto(flow->sourceEastingField(), "512030");
    TypeInto(flow->sourceNorthingField(), "5702110");
    QTest::mouseClick(flow->placeButton(), Qt::LeftButton);
    QVERIFY2(flow->statusLabel()->text().contains("once the map has both"),
             qPrintable(flow->statusLabel()->text()));
    TypeInto(flow->azimuthField(), "90");
    QTest::mouseClick(flow->placeButton(), Qt::LeftButton);
    const SiteMap& map = virelo_ExtrasOf(*project).site.map;
    QVERIFY(map.hasSource && map.hasAzimuth);
    QCOMPARE(map.sourceNorthing, 5702110.0);
    QCOMPARE(map.flowAzimuth, 90.0);

    // Eastward flow from MW1: MW2 is 55.5 m down and 50.25 m to the left (north).
    QCOMPARE(Well(*project, "MW2").s, 55.5);
    QCOMPARE(Well(*project, "MW2").y, 50.25);
    const int mw2 = 1;
    QCOMPARE(window.wellsTable()->model()->index(mw2, 1).data().toString(), QString("55.5"));
    QCOMPARE(flow->plan()->wellCount(), 4);
    QVERIFY(flow->plan()->showsFittedArrow());
    // North is up on the plan, east to the right.
    QVERIFY(flow->plan()->ToWidget(512060.75, 5702230).y() < flow->plan()->ToWidget(512030, 5702110).y());
    QVERIFY(flow->plan()->ToWidget(512140, 5702095.5).x() > flow->plan()->ToWidget(512030, 5702110).x());

    QCOMPARE(flow->dateCombo()->currentText(), QString("2024-05-12"));
    QVERIFY2(flow->numbersLabel()->text().contains(QString::fromUtf8("gradient i = <b>0.004 \u00b1 0</b>")),
             qPrintable(flow->numbersLabel()->text()));
    QVERIFY(
        flow->numbersLabel()->text().contains(QString::fromUtf8("azimuth <b>37\u00b0 \u00b1 0\u00b0</b>")));
    QVERIFY(flow->originLabel()->text().isEmpty());
    // The heads lie on the plane: every residual reads 0, none "-0".
    QVERIFY2(flow->numbersLabel()->text().contains("MW2 0.000") &&
                 !flow->numbersLabel()->text().contains("-0.000"),
             qPrintable(flow->numbersLabel()->text()));

    // Apply to aquifer: i and its origin, nothing else.
    QSignalSpy changed(&window, &SiteDataWindow::projectChanged);
    const double iBefore = project->aquifer.gradientI;
    QVERIFY(std::fabs(iBefore - 0.004) > 1e-6);
    QTest::mouseClick(flow->applyGradientButton(), Qt::LeftButton);
    QCOMPARE(changed.count(), 1);
    QVERIFY(std::fabs(project->aquifer.gradientI - 0.004) < 1e-12);
    QVERIFY(project->aquifer.setMask & kAquiferI);
    QCOMPARE(map.flowAzimuth, 90.0);
    QVERIFY2(flow->originLabel()->text().contains("from the heads of 2024-05-12 at 4 wells"),
             qPrintable(flow->originLabel()->text()));
    QVERIFY(!flow->applyGradientButton()->isEnabled());

    // Use as flow direction: the azimuth, and every well on the map moves.
    QTest::mouseClick(flow->useAzimuthButton(), Qt::LeftButton);
    QVERIFY(std::fabs(map.flowAzimuth - 37.0) < 1e-9);
    double s = 0, y = 0;
    MapToFlowAxes(map, 512085.5, 5702160.25, &s, &y);
    QCOMPARE(Well(*project, "MW2").s, s);
    QCOMPARE(Well(*project, "MW2").y, y);
    QVERIFY(std::fabs(s - (55.5 * std::sin(37 * M_PI / 180) + 50.25 * std::cos(37 * M_PI / 180))) < 1e-9);
    QCOMPARE(window.wellsModel()->index(mw2, 1).data(Qt::EditRole).toString(), QString::number(s, 'g', 10));
    QCOMPARE(Well(*project, "MW5").s, before.wells[4].s);
    QVERIFY(flow->originLabel()->text().contains(QString::fromUtf8("Flow azimuth 37\u00b0 from the heads")));
    QCOMPARE(flow->azimuthField()->text().left(2), QString("37"));

    // Ticking a surveyed well out of the fit keeps it on the map.
    QVERIFY(
        window.wellsModel()->setData(window.wellsModel()->index(mw2, 3), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(!Well(*project, "MW2").inFit);
    QVERIFY(Well(*project, "MW2").mapped);
    QCOMPARE(Well(*project, "MW2").s, s);

    // The report names both origins; saved and read again, so does the project.
    QVERIFY(virelo_math_CalcAll(project.get()));
    const QString report =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))->toPlainText();
    QVERIFY(report.contains("Flow field"));
    QVERIFY2(report.contains("Hydraulic gradient i = 0.004 from the heads of 2024-05-12"),
             qPrintable(report));
    QTemporaryDir dir;
    const QByteArray path = (dir.path() + "/flow.vrp").toLocal8Bit();
    QVERIFY(virelo_SaveProject(project.get(), path.constData()));
    Owned read(virelo_LoadProject(path.constData(), "rb"));
    QVERIFY(read);
    QVERIFY(virelo_ExtrasOf(*read).site == virelo_ExtrasOf(*project).site);
    QCOMPARE(read->aquifer.gradientI, project->aquifer.gradientI);

    // A hand-typed azimuth ends the heads' claim on it.
    TypeInto(flow->azimuthField(), "40");
    QTest::mouseClick(flow->placeButton(), Qt::LeftButton);
    QCOMPARE(map.flowAzimuth, 40.0);
    QVERIFY2(flow->originLabel()->text().contains("Flow azimuth: changed since"),
             qPrintable(flow->originLabel()->text()));
    QVERIFY(flow->useAzimuthButton()->isEnabled());
  }

  // Heads off a plane: the window and the report give the errors of i and
  // the azimuth; a date with three heads says it has none.
  void uncertaintyOfThePlane() {
    FakePlatform platform;
    Owned project = Example();
    QVERIFY(project);
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    SiteFlowView* flow = window.flowView();
    window.tabs()->setCurrentWidget(flow);
    TypeInto(flow->sourceEastingField(), "512030");
    TypeInto(flow->sourceNorthingField(), "5702110");
    TypeInto(flow->azimuthField(), "90");
    QTest::mouseClick(flow->placeButton(), Qt::LeftButton);
    QVERIFY(window.ImportTable(kSurvey, "survey.csv"));
    // The plane's heads plus 12, -7, 3 and -15 mm on 2024-05-12, and three
    // of them alone on 2024-06-20.
    QVERIFY(window.ImportTable(
        "well,date,analyte,value,unit,nonDetect\n"
        "MW1,2024-05-12,Head,49.588382572800945,m,\nMW2,2024-05-12,Head,49.275253900141685,m,\n"
        "MW3,2024-05-12,Head,49.360904822196787,m,\nMW4,2024-05-12,Head,49.104014280130543,m,\n"
        "MW1,2024-06-20,Head,49.5,m,\nMW2,2024-06-20,Head,49.3,m,\nMW3,2024-06-20,Head,49.4,m,\n",
        "heads.csv"));
    QCOMPARE(flow->dateCombo()->currentText(), QString("2024-06-20"));
    QVERIFY2(flow->numbersLabel()->text().contains("3 wells: no uncertainty"),
             qPrintable(flow->numbersLabel()->text()));
    QVERIFY(!flow->numbersLabel()->text().contains(QString::fromUtf8("\u00b1")));

    flow->dateCombo()->setCurrentText("2024-05-12");
    // mpmath at 50 digits, normal equations on the uncentred coordinates:
    // i = 0.00422912 +/- 0.0000341, azimuth 36.5751 +/- 0.36725 deg, t(1 dof,
    // 90 %) = 6.31375, so 34.256 to 38.894 deg.
    const QString numbers = flow->numbersLabel()->text();
    QVERIFY2(numbers.contains(QString::fromUtf8("gradient i = <b>0.00423 \u00b1 0.00003</b>")),
             qPrintable(numbers));
    QVERIFY2(numbers.contains(QString::fromUtf8("azimuth <b>36.6\u00b0 \u00b1 0.4\u00b0 (90 %: 34.3\u00b0 to "
                                                "38.9\u00b0)</b>")),
             qPrintable(numbers));

    // The report's table gives the same for each date.
    QVERIFY(virelo_math_CalcAll(project.get()));
    const QString report =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))->toPlainText();
    // One value to a cell: the table's text runs a cell to a line.
    QString cells = report;
    cells.remove(QChar(0x2060)).replace(QChar::Nbsp, QLatin1Char(' '));
    QVERIFY2(cells.contains("2024-05-12\n4\n0.00423\n0.00003\n36.6\n0.4\n34.3 to 38.9\n"), qPrintable(cells));
    QVERIFY(cells.contains("A dash: 3 wells: no uncertainty"));
  }

  // F1 and Shift+F1 find each control's paragraph of the manual by its id.
  void controlsHaveTheirParagraphs() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    SiteFlowView* flow = window.flowView();
    const ManualHelp& manual = ManualHelp::builtIn();
    QVERIFY(!manual.isEmpty());
    const std::pair<QWidget*, const char*> controls[] = {
        {flow->plan(), "dashed arrow"},
        {flow->azimuthField(), "positive to the left looking downstream"},
        {flow->numbersLabel(), "steepest descent"},
        {flow->applyGradientButton(), "Apply to aquifer"},
        {flow->useAzimuthButton(), "Use as flow direction"},
        {flow->usePlumeAxisButton(), "concentration-weighted circular mean"},
        {flow->axisAnalyteCombo(), "Use plume axis as flow direction"},
    };
    for (const auto& [widget, words] : controls)
      QVERIFY2(manual.text(controlId(widget)).contains(QLatin1String(words)), words);
    QVERIFY(manual.section(controlId(flow->applyGradientButton())).contains("Site data"));
  }

  void fieldsRefuseWhatIsNoPlaceOnTheMap() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    QVERIFY(showActive(window));
    SiteFlowView* flow = window.flowView();
    window.tabs()->setCurrentWidget(flow);
    TypeInto(flow->sourceEastingField(), "512030");
    QTest::mouseClick(flow->placeButton(), Qt::LeftButton);
    QVERIFY(flow->statusLabel()->text().contains("both easting and northing"));
    QVERIFY(virelo_ExtrasOf(*project).site.map.empty());
    TypeInto(flow->sourceNorthingField(), "5702110");
    TypeInto(flow->azimuthField(), "north-east");
    QTest::mouseClick(flow->placeButton(), Qt::LeftButton);
    QVERIFY(flow->statusLabel()->text().contains("degrees clockwise from north"));
    QVERIFY(virelo_ExtrasOf(*project).site.map.empty());
    QVERIFY(!flow->applyGradientButton()->isEnabled());
    QVERIFY(flow->numbersLabel()->text().contains("No date has heads"));
  }

  void screenshots() {
    const QByteArray folder = qgetenv("VIRELO_SCREENSHOT_DIR");
    if (folder.isEmpty()) QSKIP("VIRELO_SCREENSHOT_DIR not set");
    FakePlatform platform;
    Owned project = Example();
    SiteMap& map = virelo_Extras(project.get()).site.map;
    map.hasSource = map.hasAzimuth = true;
    map.sourceEasting = 512030.0;
    map.sourceNorthing = 5702110.0;
    map.flowAzimuth = 45.0;
    SiteDataWindow window(project.get());
    QVERIFY(window.ImportTable(kSurvey, "survey.csv"));
    QVERIFY(window.ImportTable(kHeads, "heads.csv"));
    window.resize(1100, 720);
    window.show();
    window.tabs()->setCurrentWidget(window.flowView());
    QTest::qWait(50);
    QVERIFY(window.grab().save(QString::fromLocal8Bit(folder) + "/site-flow.png"));
  }
};

QTEST_MAIN(TestSiteFlow)
#include "tst_siteflow.moc"
