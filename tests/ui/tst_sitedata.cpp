// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The Site data window on the petrol-station example: its tables take only
// sound edits, the decay constant reaches the contaminant with its source
// only through its button, and the redox suggestion reaches the aquifer only
// through its own.
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <cstring>

#include "analysis/PlumeView.h"
#include "analysis/SiteDataWindow.h"
#include "analysis/SiteDecayView.h"
#include "analysis/SiteTrendsView.h"
#include "engine/assessment.h"
#include "engine/calc.h"
#include "engine/exact.h"
#include "engine/extras.h"
#include "persistence/projectfile.h"
#include "report/AssessmentReport.h"
#include "support/FakePlatform.h"

namespace {

struct ProjectFree {
  void operator()(Project* p) const { virelo_FreeProject(p); }
};
using Owned = std::unique_ptr<Project, ProjectFree>;

Owned Example() {
  return Owned(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp", "rb"));
}

Contaminant* Find(Project* p, const char* name) {
  for (int k = 0; k < p->contaminantCount; ++k)
    if (std::strcmp(p->contaminants[k].name, name) == 0) return &p->contaminants[k];
  return nullptr;
}

}  // namespace

class TestSiteData : public QObject {
  Q_OBJECT
 private slots:
  void decayConstantReachesTheContaminantOnlyThroughItsButton() {
    FakePlatform platform;
    Owned project = Example();
    QVERIFY(project);
    Contaminant* benzene = Find(project.get(), "Benzene");
    QVERIFY(benzene);
    const int16_t selectedBefore = benzene->lambdaSelected;
    SiteDataWindow window(project.get());
    QCOMPARE(window.wellsTable()->rowCount(), 6);
    SiteDecayView* decay = window.decayView();
    QCOMPARE(decay->contaminantCombo()->currentText(), QString("Benzene"));
    QCOMPARE(decay->dateCombo()->currentText(), QString("2023-12-12"));
    QVERIFY(decay->fit().hasLambda);
    QCOMPARE(benzene->lambdaSelected, selectedBefore);  // showing a fit changes nothing
    QVERIFY(decay->useButton()->isEnabled());

    QSignalSpy changed(&window, &SiteDataWindow::projectChanged);
    decay->useButton()->click();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(benzene->lambdaSelected, int16_t(kLambdaUser));
    QCOMPARE(benzene->lambdaUser, decay->fit().lambda);
    const QString source = QString::fromStdString(LambdaSourceOf(virelo_SettingsOf(*project), "Benzene"));
    QVERIFY2(source.startsWith(
                 QString::fromUtf8("site wells MW1\u2013MW5, 2023-12-12, Buscheck\u2013Alcantar, 90 % "
                                   "interval 0.0027\u20130.0035 1/d")),
             qPrintable(source));

    // The 95 % level widens the interval; a date without three detects gives
    // the reason and no button.
    decay->levelCombo()->setCurrentIndex(2);
    QVERIFY(decay->fit().lambdaHigh > decay->fit().lambda);
    QCOMPARE(decay->fit().levelPercent, 95);
    SiteData& site = virelo_Extras(project.get()).site;
    site.wells[1].y = 12.0;  // beyond the source half-width Sy = 10 m
    window.Refresh();
    QVERIFY(!decay->useButton()->isEnabled());
    QVERIFY(decay->warningsLabel()->text().contains("off the centre line"));
  }

  void redoxReachesTheAquiferOnlyThroughApply() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    SiteTrendsView* trends = window.trendsView();
    QCOMPARE(trends->suggestedRedox(), 3);  // ANAEROBIC-FE
    QVERIFY(trends->suggestionLabel()->text().contains("ANAEROBIC-FE"));
    QCOMPARE(project->aquifer.redoxCondition, int16_t(0));
    QCOMPARE(trends->trendTable()->rowCount(), 6);
    QCOMPARE(trends->trendTable()->item(0, 7)->text(), QString("Probably Decreasing"));
    trends->applyButton()->click();
    QCOMPARE(project->aquifer.redoxCondition, int16_t(3));
    QVERIFY(!trends->applyButton()->isEnabled());
  }

  void tablesTakeOnlySoundEditsAndImports() {
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    const SiteData before = virelo_ExtrasOf(*project).site;
    QTableWidget* samples = window.samplesTable();
    samples->item(0, 4)->setText("ppm");  // an unknown unit
    QVERIFY2(window.statusLabel()->text().startsWith("Not taken yet"),
             qPrintable(window.statusLabel()->text()));
    QVERIFY(window.statusLabel()->text().contains("unit"));
    QVERIFY(virelo_ExtrasOf(*project).site == before);
    samples->item(0, 4)->setText("mg/L");  // sound: 2400 mg/L
    QCOMPARE(virelo_ExtrasOf(*project).site.samples[0].unit, std::string("mg/L"));
    QCOMPARE(project->modified, int16_t(1));

    const SiteData edited = virelo_ExtrasOf(*project).site;
    QVERIFY(!window.ImportTable("well,date,analyte,value,unit\nMW9,2024-01-01,Benzene,3,ug/L\n", "t.csv"));
    QVERIFY(window.statusLabel()->text().contains("t.csv:2: well"));
    QVERIFY(virelo_ExtrasOf(*project).site == edited);
    QVERIFY(window.ImportTable("well,date,analyte,value,unit\nMW1,2024-03-12,Benzene,<1,ug/L\n", "t.csv"));
    QCOMPARE(virelo_ExtrasOf(*project).site.samples.back().nonDetect, true);
    QCOMPARE(samples->rowCount(), static_cast<int>(edited.samples.size()) + 1);
  }

  void reportHasTheSectionOnlyWithSiteData() {
    Owned project = Example();
    QVERIFY(virelo_math_CalcAll(project.get()));
    // Benzene's source text goes into the section when its lambda came from the wells.
    {
      FakePlatform platform;
      SiteDataWindow window(project.get());
      QVERIFY(window.decayView()->UseAsDecayConstant());
    }
    const QString text =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))->toPlainText();
    QVERIFY(text.contains("Monitoring wells"));
    QVERIFY(text.contains("Benzene: decay constant from the wells"));
    QVERIFY(text.contains("Suggested redox condition: ANAEROBIC-FE"));
    QVERIFY(text.contains(QString::fromUtf8("Benzene: \u03bb = 0.003098 1/d, site wells MW1\u2013MW5")));
    // The verdicts resting on that lambda carry the classes at its interval's ends.
    QVERIFY2(
        text.contains(QRegularExpression(QString::fromUtf8(
            "Benzene: (Green|Yellow|Red); (Green|Yellow|Red)( to (Green|Yellow|Red))? over the (whole )?90 % "
            "interval of \u03bb"))),
        qPrintable(text));
    // A value typed over the wells' one is credited to the hand, not the wells.
    Contaminant* benzene = Find(project.get(), "Benzene");
    QVERIFY(benzene);
    virelo_SetLambda(benzene, kLambdaUser, 0.005);
    const QString typed =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))->toPlainText();
    QVERIFY(!typed.contains(QString::fromUtf8("Benzene: \u03bb = 0.005 1/d, site wells")));
    QVERIFY2(typed.contains(QString::fromUtf8("Benzene: the wells gave \u03bb = 0.003098 1/d")),
             qPrintable(typed));
    QVERIFY(typed.contains("entered by hand; the recorded source (site wells"));
    virelo_Extras(project.get()).site = SiteData{};
    const QString without =
        BuildReportDocument(*project, ReportSettingsFor(*project, 0, 0), QSizeF(500, 700))->toPlainText();
    QVERIFY(!without.contains("Monitoring wells"));
  }

  void screenshots() {
    const QByteArray folder = qgetenv("VIRELO_SCREENSHOT_DIR");
    if (folder.isEmpty()) QSKIP("VIRELO_SCREENSHOT_DIR not set");
    FakePlatform platform;
    Owned project = Example();
    SiteDataWindow window(project.get());
    window.resize(1100, 720);
    window.show();
    const char* names[] = {"site-tables.png", "site-decay.png", "site-trends.png"};
    for (int tab = 0; tab < 3; ++tab) {
      window.tabs()->setCurrentIndex(tab);
      QTest::qWait(50);
      QVERIFY(window.grab().save(QString::fromLocal8Bit(folder) + "/" + names[tab]));
    }
    // The plume view of benzene with the wells' measurements.
    QVERIFY(window.decayView()->UseAsDecayConstant());
    QVERIFY(virelo_math_CalcAll(project.get()));
    virelo_math_CalcExactAll(project.get(), 1);
    for (int k = 0; k < project->resultCount; ++k) {
      if (std::strcmp(project->contaminants[project->results[k].contaminantIndex].name, "Benzene") != 0)
        continue;
      PlumeView view(project.get(), kAssessmentRanges[0].range, k);
      view.resize(1000, 860);
      view.show();
      QTest::qWait(50);
      QVERIFY(view.grab().save(QString::fromLocal8Bit(folder) + "/site-plume.png"));
    }
  }
};

QTEST_MAIN(TestSiteData)
#include "tst_sitedata.moc"
