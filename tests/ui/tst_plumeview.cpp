// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The exact solution on the results page and in the plume view: the marks of
// rows where it disagrees with the screening verdict, and the view's chart,
// plan, hover values and exports, chosen and clicked as a user does.
#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <cmath>

#include "../engine/support/worked_example.h"
#include "analysis/PlanView.h"
#include "analysis/PlumeView.h"
#include "app/PageTabs.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "pages/CPropResults.h"
#include "pages/ResultListModel.h"
#include "shell_fixture.h"
#include "support/ContaminantProjects.h"
#include "support/FakePageHost.h"
#include "support/FakePlatform.h"

namespace {

// The worked example's C/C0 at the receptor: 3.5733505e-6 by the screening
// formula, about 7.2036515e-6 by the exact solution. With C0 = 100 and this
// CA the screening source ratio is 0.25 (green in 0.3 to 2.0) and the exact
// one about 0.504 (yellow).
constexpr double kCaForBoundary = 100.0 * 3.5733505e-6 / 0.25;

ProjectPtr workedExampleProject() {
  ProjectPtr project = makeProject(3);
  project->aquifer = WorkedExampleAquifer();
  Contaminant& both = addContaminant(*project, 0, "Benzene");
  completeInputs(both, 100.0, kCaForBoundary, 0.01);
  both.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  Contaminant& broken = addContaminant(*project, 0, "TCE");
  broken.assess = kAssessAttenuationFactor;  // no C0, CA or decay constant
  Contaminant& afOnly = addContaminant(*project, 0, "MTBE");
  completeInputs(afOnly, 100.0, 1.0, 0.001);
  afOnly.assess = kAssessAttenuationFactor;
  return project;
}

// Moves a combo box to `index` with the arrow keys, as a keyboard user does.
void chooseWithKeys(QComboBox* box, int index) {
  for (int presses = 0; presses < box->count() && box->currentIndex() != index; ++presses)
    QTest::keyClick(box, box->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
}

QPushButton* buttonWithText(QWidget* root, const QString& text) {
  for (QPushButton* b : root->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

// Clicks an export button and picks `item` from its menu.
bool exportWith(QWidget* view, const QString& button, const QString& item) {
  QPushButton* b = buttonWithText(view, button);
  if (!b) return false;
  PopupMenuAnswer answer(item);
  QTest::mouseClick(b, Qt::LeftButton);
  return answer.opened;
}

QPoint chartPoint(CentrelineChartView* view, QPointF value) {
  QChart* chart = view->chart();
  const QPointF inChart = chart->mapToPosition(value, chart->series().first());
  return view->mapFromScene(chart->mapToScene(inChart));
}

}  // namespace

class TestPlumeView : public QObject {
  Q_OBJECT

 private:
  FakePageHost host;
  FakePlatform platform;

 private slots:
  // The mark and its tooltip follow the chosen range and the inputs; the
  // screening class stays the row's verdict throughout.
  void resultMarksFollowRangeAndInputs() {
    ProjectPtr project = workedExampleProject();
    CPropResults page(&host);
    page.ShowProject(project.get());
    ResultListModel* rows = page.listModel(CPropResults::AttenuationFactorSide);
    QCOMPARE(rows->size(), 3);
    const ContaminantResult& r = project->results[0];
    // The exact solution waits until its row is drawn or read.
    QVERIFY(!r.exactComputed);
    QCOMPARE(int(rows->row(0).cls), int(AssessmentClass::Green));
    QCOMPARE(int(rows->row(0).exactMark), int(ExactMark::WorseClass));
    QVERIFY(r.exactComputed);
    QVERIFY(std::fabs(r.exactRelativeConcentration / 7.2036515e-6 - 1.0) < 1e-6);
    const QString tip = rows->index(0, 1).data(Qt::ToolTipRole).toString();
    const auto shown = [](double v) { return QString::fromStdString(FormatResultValue(v, "%.7f", "%.4E")); };
    QVERIFY2(tip.contains("Screening model: Green, C(x)/C0 = " + shown(r.relativeConcentration) +
                          " (C0/C = 0.2500000)"),
             qPrintable(tip));
    QVERIFY2(tip.contains("Exact solution: Yellow, C(x)/C0 = " + shown(r.exactRelativeConcentration) +
                          " (C0/C = " + shown(r.exactSourceRatio) + ")"),
             qPrintable(tip));
    QVERIFY(!rows->index(0, 2).data(Qt::DecorationRole).value<QIcon>().isNull());
    // A row with problems has no exact value and no mark.
    QCOMPARE(int(rows->row(1).exactMark), int(ExactMark::None));
    QVERIFY(rows->index(1, 0).data(Qt::ToolTipRole).isNull());

    // In 0.1 to 10.0 both are yellow: only the factor of about 2 is marked.
    chooseWithKeys(page.findChild<QComboBox*>("afRangeCombo"), 2);
    QCOMPARE(int(rows->row(0).cls), int(AssessmentClass::Yellow));
    QCOMPARE(int(rows->row(0).exactMark), int(ExactMark::HigherExact));
    QVERIFY(rows->index(0, 0).data(Qt::ToolTipRole).toString().contains("Exact solution: Yellow"));

    // A small longitudinal dispersivity brings both models together.
    project->aquifer.dispersivityAx = 0.05;
    page.RefreshResults();
    QCOMPARE(int(rows->row(0).exactMark), int(ExactMark::None));
    QVERIFY(rows->index(0, 0).data(Qt::ToolTipRole).isNull());
  }

  // The view opens, through the main window's command, at the row asked for
  // from the row menu and the button, and offers only contaminants with an
  // attenuation factor to show.
  void opensFromTheResultsPage() {
    // The session's platform goes with it; this test's comes back.
    struct Restore {
      FakePlatform& platform;
      ~Restore() { Platform::setInstance(&platform); }
    } restore{platform};
    {
      ShellSession session;
      auto shell = session.start();
      shell->SetCurrentProject(workedExampleProject().release(), QStringLiteral("worked example"));
      shell->ViewPage(PageTabs::kPageCount - 1);
      session.platform.dialogTitles.clear();  // the splash
      CPropResults& page = *shell->pageTabs->resultsPage;
      QStringList names;
      int shown = -1;
      session.platform.dialogHandler = [&](QDialog* dialog) {
        auto* view = qobject_cast<PlumeView*>(dialog);
        if (!view) return int(QDialog::Rejected);
        names.clear();
        for (int i = 0; i < view->contaminantBox()->count(); ++i)
          names << view->contaminantBox()->itemText(i);
        shown = view->currentResult();
        return int(QDialog::Accepted);
      };
      QTreeView* list = page.list(CPropResults::AttenuationFactorSide);
      ResultListModel* rows = page.listModel(CPropResults::AttenuationFactorSide);
      {
        PopupMenuAnswer answer(QStringLiteral("Show p&lume..."));
        requestContextMenu(list->viewport(), list->visualRect(rows->index(2, 0)).center());
        QVERIFY(answer.opened);
        QCOMPARE(answer.enabled.last(), true);
      }
      QCOMPARE(shown, 2);
      QCOMPARE(names, QStringList({"Benzene", "MTBE"}));
      {
        PopupMenuAnswer answer(QStringLiteral("Show p&lume..."));
        requestContextMenu(list->viewport(), list->visualRect(rows->index(1, 0)).center());
        QCOMPARE(answer.enabled.last(), false);  // TCE has problems
      }
      shown = -1;
      auto* button = page.findChild<QPushButton*>("plumeViewButton");
      QVERIFY(button->isEnabled());
      QTest::mouseClick(button, Qt::LeftButton);  // the marked row has problems: the first that can be shown
      QCOMPARE(shown, 0);
      QCOMPARE(session.platform.dialogTitles.size(), 2);
    }
  }

  // The chart carries both curves with the results' values at the receptor,
  // the marks, and the hover values; the plan's contour lies where C = CA.
  void chartPlanAndHover() {
    ProjectPtr project = workedExampleProject();
    virelo_math_CalcAll(project.get());
    virelo_math_CalcExactAll(project.get(), 1);
    PlumeView view(project.get(), kAssessmentRanges[0].range, 0);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const ContaminantResult& r = project->results[0];
    auto series = [&view](const char* name) {
      for (QAbstractSeries* s : view.chartView()->chart()->series())
        if (s->objectName() == name) return qobject_cast<QLineSeries*>(s);
      return static_cast<QLineSeries*>(nullptr);
    };
    for (const char* name : {"screening", "exact", "acceptable", "receptor", "plugFlow"})
      QVERIFY2(series(name) && series(name)->count() > 0, name);
    QVERIFY(!view.chartView()->chart()->axes(Qt::Vertical).isEmpty());
    QVERIFY(qobject_cast<QLogValueAxis*>(view.chartView()->chart()->axes(Qt::Vertical).first()));
    // 200 points up to twice x: point 100 sits on the receptor.
    QCOMPARE(series("screening")->count(), PlumeView::kPoints);
    QCOMPARE(series("exact")->count(), PlumeView::kPoints);
    const QPointF atX = series("screening")->at(99);
    QCOMPARE(atX.x(), 100.0);
    QCOMPARE(atX.y(), r.relativeConcentration);
    QCOMPARE(series("exact")->at(99).y(), r.exactRelativeConcentration);
    QCOMPARE(series("acceptable")->at(0).y(), kCaForBoundary / 100.0);
    QCOMPARE(series("receptor")->at(0).x(), 100.0);
    QCOMPARE(series("plugFlow")->at(0).x(), r.plumeLength);
    QVERIFY(view.summary()->text().contains("Yellow"));  // what the exact solution would give

    QTest::mouseMove(view.chartView()->viewport(), chartPoint(view.chartView(), {100.0, 1e-5}));
    QCOMPARE(view.chartView()->hoverText(), QString("s = 100 m;  Screening C/C0 = %1;  Exact C/C0 = %2")
                                                .arg(QString::number(r.relativeConcentration, 'E', 2),
                                                     QString::number(r.exactRelativeConcentration, 'E', 2)));

    const PlanViewPicture& plan = view.planView()->picture();
    QVERIFY(!plan.contour().empty());
    // Every contour point lies within one sampling step of where C = CA:
    // the concentrations a step away on either side lie on both sides of CA.
    const double ds = plan.sAt(1) - plan.sAt(0);
    const double dy = plan.yAt(0) - plan.yAt(1);
    const double ca = view.profile().caRatio;
    for (const QLineF& segment : plan.contour()) {
      const QPointF p = segment.p1();
      double low = 1.0;
      double high = 0.0;
      for (QPointF step : {QPointF(ds, 0), QPointF(-ds, 0), QPointF(0, dy), QPointF(0, -dy)}) {
        const double c = view.profile().plan(std::max(1e-9, p.x() + step.x()), p.y() + step.y());
        low = std::min(low, c);
        high = std::max(high, c);
      }
      QVERIFY2(low <= ca && high >= ca, qPrintable(QString("contour at s %1, y %2").arg(p.x()).arg(p.y())));
    }
    // Strong near the source on the centre line, nothing far off it.
    QCOMPARE(plan.field().pixel(2, PlanViewPicture::kRows / 2),
             plan.colourOf(plan.valueAt(2, PlanViewPicture::kRows / 2)).rgb());
    QVERIFY(plan.valueAt(2, PlanViewPicture::kRows / 2) > 0.1);
    QCOMPARE(plan.field().pixel(2, 0), QColor(Qt::white).rgb());

    // Another contaminant: an attenuation factor only, so no plug-flow line.
    QCOMPARE(view.contaminantBox()->count(), 2);
    chooseWithKeys(view.contaminantBox(), 1);
    QCOMPARE(view.profile().name, QString("MTBE"));
    QVERIFY(!series("plugFlow"));
  }

  // Both pictures export as PNG and SVG through the platform's file dialog;
  // a file that cannot be written is reported and nothing is left behind.
  void exports() {
    ProjectPtr project = workedExampleProject();
    virelo_math_CalcAll(project.get());
    PlumeView view(project.get(), kAssessmentRanges[0].range, 0);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTemporaryDir dir;
    const struct {
      const char* button;
      const char* item;
      const char* file;
    } exports[] = {{"Export c&hart", "As &PNG image...", "chart"},
                   {"Export c&hart", "As &SVG drawing...", "chart"},
                   {"Export p&lan view", "As &PNG image...", "plan"},
                   {"Export p&lan view", "As &SVG drawing...", "plan"}};
    for (const auto& e : exports) {
      platform.saveFileNames.push_back(dir.filePath(e.file));
      QVERIFY2(exportWith(&view, e.button, e.item), e.item);
    }
    QVERIFY(platform.saveFileNames.empty());
    for (const char* name : {"chart", "plan"}) {
      const QImage image(dir.filePath(name) + ".png");
      QVERIFY2(!image.isNull(), name);
      QVERIFY(image.width() >= 2 * 300);
    }
    for (const char* name : {"chart", "plan"}) {
      QFile svg(dir.filePath(name) + ".svg");
      QVERIFY2(svg.open(QIODevice::ReadOnly), name);
      const QByteArray text = svg.readAll();
      QVERIFY(text.contains("<svg"));
      QVERIFY(text.contains("Benzene"));
    }
    QVERIFY(platform.messages.isEmpty());

    const QString blocked = dir.filePath("missing/plume.png");
    platform.saveFileNames.push_back(blocked);
    QVERIFY(exportWith(&view, "Export p&lan view", "As &PNG image..."));
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().caption, QString("Virelo-Error"));
    QVERIFY(!QFile::exists(blocked));
  }
};

QTEST_MAIN(TestPlumeView)
#include "tst_plumeview.moc"
