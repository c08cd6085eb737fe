// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The results page on its own: classification against the chosen ranges,
// the number formats, the legends, the row menus and the problems dialog.
#include <QAbstractBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>
#include <QWhatsThis>
#include <algorithm>
#include <cmath>
#include <numbers>

#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QToolTip>

#include "analysis/RobustnessDialog.h"
#include "analysis/UncertaintyWindow.h"
#include "app/HelpCommands.h"
#include "app/PageTabs.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/core/verdict.h"
#include "engine/evidence/evidence.h"
#include "engine/evidence/verdicttarget.h"
#include "engine/project/extras.h"
#include "pages/CPropResults.h"
#include "pages/ProblemsDialog.h"
#include "pages/ResultBadgeDelegate.h"
#include "pages/ResultListModel.h"
#include "platform/ManualHelp.h"
#include "resources/result_pictures.h"
#include "shell_fixture.h"
#include "support/ContaminantProjects.h"
#include "support/FakePageHost.h"

namespace {

// An aquifer in which the plume length of a contaminant with C0 = e CA and
// lambda = 1 is exactly Kf, and the ratio d/x is Kf as well (x = 1, i = 1,
// ne = 1).
void unitAquifer(Project& project, double kf) {
  Aquifer& a = project.aquifer;
  virelo_SetAquiferValue(&a, kAquiferX, 1.0);
  virelo_SetAquiferValue(&a, kAquiferI, 1.0);
  virelo_SetAquiferValue(&a, kAquiferNe, 1.0);
  virelo_SetAquiferValue(&a, kAquiferKf, kf);
  a.redoxCondition = 1;
}

Contaminant& unitContaminant(Project& project, const char* name, int assess) {
  Contaminant& c = addContaminant(project, 0, name);
  completeInputs(c, std::numbers::e, 1.0, 1.0);
  c.assess = assess;
  return c;
}

// `count` contaminants with sources and decay rates that vary enough for
// some rows' exact solutions to differ from the screening values and some
// not; every third one is assessed for the plume length only.
ProjectPtr longList(int count) {
  ProjectPtr project = makeProject(count);
  completeAquifer(*project, true);
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "C%d", i);
    Contaminant& c = addContaminant(*project, i % 8, name);
    completeInputs(c, 10.0 + i % 17, 0.1, 0.001 * (1 + i % 50));
    c.assess = i % 3 == 2 ? kAssessPlumeLength : kAssessPlumeLength | kAssessAttenuationFactor;
  }
  return project;
}

QString problemText(ProblemCode code) {
  char text[256] = "";
  virelo_GetProblemText(code, text);
  return QString::fromLatin1(text);
}

}  // namespace

class TestResultsPage : public QObject {
  Q_OBJECT

 private:
  FakePageHost host;
  std::unique_ptr<FakePlatform> ownPlatform;
  std::unique_ptr<CPropResults> ownPage;
  std::unique_ptr<ShellSession> session;
  std::unique_ptr<MainDialog> shell;
  FakePlatform* platform = nullptr;
  CPropResults* page = nullptr;

  // The page inside a main window showing `project`, which the test goes on
  // owning: the windows the page asks for open through the main window's
  // commands, as in the program.
  void useShell(Project* project) {
    ownPage->ShowProject(nullptr);
    ownPage.reset();
    ownPlatform.reset();
    session = std::make_unique<ShellSession>();
    shell = session->start();
    shell->SetCurrentProject(project, QStringLiteral("test"));
    shell->ViewPage(PageTabs::kPageCount - 1);
    page = shell->pageTabs->resultsPage;
    platform = &session->platform;
    platform->dialogTitles.clear();  // the splash
  }

  ResultListModel* rows(int side) { return page->listModel(side); }
  // The labels of the Robustness chart's factor axis, left to right.
  static QStringList factorAxisLabels(RobustnessDialog* view) {
    for (QAbstractAxis* axis : view->chart()->axes(Qt::Horizontal))
      if (auto* factors = qobject_cast<QCategoryAxis*>(axis)) return factors->categoriesLabels();
    return {};
  }
  QString cell(int side, int row, int column) { return rows(side)->index(row, column).data().toString(); }
  AssessmentClass cls(int side, int row) { return rows(side)->row(row).cls; }
  QString legend(const char* name) { return page->findChild<QLabel*>(name)->text(); }
  int rowNamed(int side, const QString& name) {
    for (int r = 0; r < rows(side)->size(); ++r)
      if (cell(side, r, 0) == name) return r;
    return -1;
  }
  // The lights of both lists as drawn, by "name PL" / "name AF".
  QMap<QString, int> lights() {
    QMap<QString, int> shown;
    for (int side : {0, 1})
      for (int r = 0; r < rows(side)->size(); ++r)
        shown[cell(side, r, 0) + (side == 0 ? " PL" : " AF")] =
            rows(side)->index(r, 0).data(ResultListModel::ClassRole).toInt();
    return shown;
  }
  // Chooses the next verdict basis in its drop-down list, as a user does
  // with the keyboard.
  void nextBasis() {
    auto* combo = page->findChild<QComboBox*>("verdictBasisCombo");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
  }
  // Every row's light is the engine's verdict of its result under the
  // page's ranges and basis, and its name the contaminant's name alone.
  void checkLightsAreTheVerdicts(const Project& project) {
    const QMap<QString, int> shown = lights();
    const VerdictOptions options{page->plumeRange(), page->afRange(), page->verdictBasis()};
    for (int side : {0, 1}) {
      for (int r = 0; r < rows(side)->size(); ++r) {
        const ContaminantResult& result = project.results[rows(side)->row(r).resultIndex];
        const QString name = QString::fromLatin1(project.contaminants[result.contaminantIndex].name);
        QCOMPARE(cell(side, r, 0), name);
        const RowVerdict v = VerdictOfResult(project, result, side == 0, options);
        QCOMPARE(shown.value(name + (side == 0 ? " PL" : " AF")), int(v.verdict));
        // The tooltip's "Screening model:" line names the screening class,
        // whatever the verdict made of it.
        const QString tip = rows(side)->index(r, 1).data(Qt::ToolTipRole).toString();
        const qsizetype at = tip.indexOf(QStringLiteral("Screening model: "));
        if (side == 1 && at >= 0) {
          const QString screening = QString::fromLatin1(
              AssessmentClassName(ClassifyAttenuationFactor(result.sourceRatio, page->afRange())));
          QVERIFY2(tip.mid(at).startsWith(QStringLiteral("Screening model: ") + screening + QLatin1Char(',')),
                   qPrintable(name + ": " + tip));
        }
      }
    }
  }
  // Paints a row's marks cell as the list does and reads the fill of the
  // "under" pill: the warning colour, where a badge without a class would be
  // grey.
  void checkUnderPillIsPaintedAsAWarning(ResultListModel* model, int row) {
    const QModelIndex marks = model->index(row, model->marksColumn());
    const QStringList texts = marks.data(ResultListModel::BadgesRole).toStringList();
    QImage image(600, 24, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.font = QApplication::font();
    ResultBadgeDelegate delegate;
    {
      QPainter painter(&image);
      delegate.paint(&painter, option, marks);
    }
    const std::vector<QRect> rects =
        ResultBadgeDelegate::pillRects(option.rect, QFontMetrics(option.font), texts);
    const auto fillAt = [&](const QString& text) {
      const QRect pill = rects.at(static_cast<size_t>(texts.indexOf(text)));
      return image.pixelColor(pill.left() + 3, pill.center().y());
    };
    QCOMPARE(fillAt("under"), ResultBadgeDelegate::warningColour());
    QVERIFY(fillAt("wells") != ResultBadgeDelegate::warningColour());
  }
  QPoint rowCentre(int side, int row) {
    QTreeView* list = page->list(side);
    return list->visualRect(rows(side)->index(row, 0)).center();
  }
  // Right-clicks a row and answers its menu.
  void rightClickRow(int side, int row, PopupMenuAnswer& answer) {
    requestContextMenu(page->list(side)->viewport(), rowCentre(side, row));
    QVERIFY(answer.opened);
  }
  // A person's double click: a click, then the second press.
  void doubleClickRow(int side, int row) {
    QTest::mouseClick(page->list(side)->viewport(), Qt::LeftButton, {}, rowCentre(side, row));
    QTest::mouseDClick(page->list(side)->viewport(), Qt::LeftButton, {}, rowCentre(side, row));
  }

 private slots:
  void init() {
    host = FakePageHost();
    ownPlatform = std::make_unique<FakePlatform>();
    platform = ownPlatform.get();
    ownPage = std::make_unique<CPropResults>(&host);
    page = ownPage.get();
    page->resize(680, 460);
    page->show();
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page));
  }
  void cleanup() {
    // Each test's project is freed by now; the page lets go of it before it
    // closes, as the main window has it do, since closing redraws the rows.
    if (page) page->ShowProject(nullptr);
    if (shell) shell->project = nullptr;  // the test's own, freed already
    shell.reset();
    session.reset();
    ownPage.reset();
    page = nullptr;
    ownPlatform.reset();
    platform = nullptr;
  }

  void legendsFollowTheRanges() {
    QCOMPARE(legend("plumeLegendRed"), QString(" d > 2.0 x"));
    QCOMPARE(legend("plumeLegendYellow"), QString(" 0.3 x < d <= 2.0 x"));
    QCOMPARE(legend("plumeLegendGreen"), QString(" d <= 0.3 x"));
    QCOMPARE(legend("afLegendRed"), QString(" C0 > 2.0 C"));

    auto* combo = page->findChild<QComboBox*>("afRangeCombo");
    QCOMPARE(combo->count(), 4);
    QCOMPARE(combo->itemText(2), QString("0,1  < ... < 10,0"));
    combo->setCurrentIndex(2);
    QCOMPARE(legend("afLegendRed"), QString(" C0 > 10.0 C"));
    QCOMPARE(legend("afLegendYellow"), QString(" 0.1 C < C0 <= 10.0 C"));
    QCOMPARE(legend("afLegendGreen"), QString(" C0 <= 0.1 C"));
    QCOMPARE(page->afRange().upper, 10.0);
    // The other side keeps its own range.
    QCOMPARE(legend("plumeLegendRed"), QString(" d > 2.0 x"));
    QCOMPARE(page->plumeRange().lower, 0.3);
    QCOMPARE(page->list(0)->model()->headerData(1, Qt::Horizontal).toString(), QString("d"));
    QCOMPARE(page->list(1)->model()->headerData(2, Qt::Horizontal).toString(), QString("C0/C"));
  }

  void classificationAtTheBounds_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lower bound") << 0.3 << int(AssessmentClass::Green) << "0.3000000";
    QTest::newRow("inside") << 0.5 << int(AssessmentClass::Yellow) << "0.5000000";
    QTest::newRow("upper bound") << 2.0 << int(AssessmentClass::Yellow) << "2.0000000";
    QTest::newRow("above") << 2.0000001 << int(AssessmentClass::Red) << "2.0000001";
    QTest::newRow("tiny") << 1e-7 << int(AssessmentClass::Green) << "1.0000E-07";
  }
  void classificationAtTheBounds() {
    QFETCH(double, ratio);
    QFETCH(int, expected);
    QFETCH(QString, shown);
    ProjectPtr project = makeProject(1);
    unitAquifer(*project, ratio);
    unitContaminant(*project, "Benzene", kAssessPlumeLength);
    page->ShowProject(project.get());
    QCOMPARE(project->resultCount, int16_t(1));
    QCOMPARE(project->results[0].plumeLengthRatio, ratio);  // the set-up is exact
    QCOMPARE(rows(0)->size(), 1);
    QCOMPARE(rows(1)->size(), 0);
    QCOMPARE(int(cls(0, 0)), expected);
    QCOMPARE(cell(0, 0, 0), QString("Benzene"));
    QCOMPARE(cell(0, 0, 2), shown);
  }

  // A decay constant taken from the site's wells shows the classes at its
  // interval's ends beside the verdict, and stops once lambda is edited.
  void siteLambdaIntervalBesideTheVerdict() {
    ProjectPtr project = makeProject(1);
    unitAquifer(*project, 1.0);  // d/x = 1 at lambda 1: Yellow
    Contaminant& c = unitContaminant(*project, "Benzene", kAssessPlumeLength);
    virelo_SetLambda(&c, kLambdaUser, 1.0);
    c.lambdaSelected = kLambdaUser;
    virelo_Extras(project.get()).settings.lambdaIntervals["Benzene"] = {1.0, 0.1, 10.0, 90};
    page->ShowProject(project.get());
    QCOMPARE(int(cls(0, 0)), int(AssessmentClass::Yellow));
    QCOMPARE(cell(0, 0, 0), QString("Benzene"));
    const int marks = rows(0)->marksColumn();
    QCOMPARE(rows(0)->index(0, marks).data(ResultListModel::BadgesRole).toStringList(),
             QStringList({QString::fromUtf8("\u03bb")}));
    // Painted in the classes at the interval's ends, better first.
    QCOMPARE(rows(0)->index(0, marks).data(ResultListModel::BadgeClassesRole).toList(),
             QVariantList({int(AssessmentClass::Green), int(AssessmentClass::Red)}));
    const QString sentence = QString::fromUtf8(
        "Decay constant from the site's wells: Yellow; Green to Red over the 90 % interval of \u03bb");
    QCOMPARE(rows(0)->index(0, marks).data(Qt::ToolTipRole).toString(), sentence);
    QCOMPARE(rows(0)->index(0, 0).data(Qt::ToolTipRole).toString(), sentence);
    page->ShowProject(nullptr);
    virelo_SetLambda(&c, kLambdaUser, 1.5);
    page->ShowProject(project.get());
    QCOMPARE(cell(0, 0, 0), QString("Benzene"));
    QCOMPARE(cell(0, 0, marks), QString());

    // A row with problems (CA above C0) has no class for the interval to
    // qualify: no mark, and no tooltip of one, though lambda is the fit's.
    page->ShowProject(nullptr);
    virelo_SetLambda(&c, kLambdaUser, 1.0);
    virelo_SetContaminantValue(&c, kValueCa, 10.0);
    page->ShowProject(project.get());
    QCOMPARE(rows(0)->size(), 1);
    QCOMPARE(int(cls(0, 0)), int(AssessmentClass::Problems));
    QCOMPARE(cell(0, 0, 0), QString("Benzene"));
    QVERIFY(!rows(0)->index(0, 0).data(Qt::ToolTipRole).toString().contains("site's wells"));
    QCOMPARE(cell(0, 0, marks), QString());
    page->ShowProject(nullptr);
  }

  void valueFormats() {
    ProjectPtr project = makeProject(1);
    unitAquifer(*project, 123.456);
    unitContaminant(*project, "Benzene", kAssessPlumeLength);
    page->ShowProject(project.get());
    QCOMPARE(cell(0, 0, 1), QString("123.46"));
    QCOMPARE(int(cls(0, 0)), int(AssessmentClass::Red));

    project->aquifer.conductivityKf = 12345678.0;
    page->RefreshResults();
    QCOMPARE(cell(0, 0, 1), QString("1.23E+07"));
    QCOMPARE(cell(0, 0, 2), QString("1.2346E+07"));
  }

  // Nothing reaches the receptor: AF 0, an infinite C0/C, and green.
  void vanishingAttenuationFactor() {
    ProjectPtr project = makeProject(1);
    completeAquifer(*project, true);
    virelo_SetAquiferValue(&project->aquifer, kAquiferX, 1000.0);
    Contaminant& c = addContaminant(*project, 0, "Benzene");
    completeInputs(c, 10.0, 0.1, 100.0);
    c.assess = kAssessAttenuationFactor;
    page->ShowProject(project.get());
    QCOMPARE(rows(0)->size(), 0);
    QCOMPARE(rows(1)->size(), 1);
    QCOMPARE(cell(1, 0, 1), QString("0.0000E+00"));
    QCOMPARE(cell(1, 0, 2), QString("infinite!"));
    QCOMPARE(int(cls(1, 0)), int(AssessmentClass::Green));
  }

  // A negative source thickness once gave a negative concentration and
  // green; now the row has no verdict and the dialog says why. The plume
  // length does not need Sy and keeps its verdict.
  void negativeSourceDimensionGivesNoVerdict() {
    ProjectPtr project = makeProject(1);
    completeAquifer(*project, true);
    virelo_SetAquiferValue(&project->aquifer, kAquiferSy, -10.0);
    Contaminant& c = addContaminant(*project, 0, "Benzene");
    completeInputs(c);
    c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
    page->ShowProject(project.get());
    QVERIFY(cls(0, 0) != AssessmentClass::Problems);
    QCOMPARE(int(cls(1, 0)), int(AssessmentClass::Problems));
    QCOMPARE(cell(1, 0, 1), QString());
    QString text;
    platform->dialogHandler = [&](QDialog* dialog) {
      text = qobject_cast<ProblemsDialog*>(dialog)->problemText();
      return int(QDialog::Accepted);
    };
    page->ShowProblems(0, CPropResults::AttenuationFactorSide);
    QVERIFY2(
        text.endsWith("1 problem(s):\r\n\r\n1. Dispersivities and source dimensions must not be negative for "
                      "the aquifer!\r\n"),
        qPrintable(text));
  }

  // A source of no thickness gave c = 0 and green; now it is problem 600.
  // The dialog also lists, under their own heading, the plausibility
  // warnings that concern the side: a Kf typed in m/s on both, ax beyond x
  // on the attenuation factor only.
  void zeroSourceAndPlausibilityWarningsInTheDialog() {
    ProjectPtr project = makeProject(1);
    completeAquifer(*project, true);
    virelo_SetAquiferValue(&project->aquifer, kAquiferSz, 0.0);
    virelo_SetAquiferValue(&project->aquifer, kAquiferAx, 150.0);
    Contaminant& c = addContaminant(*project, 0, "Benzene");
    completeInputs(c);
    c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
    page->ShowProject(project.get());
    QCOMPARE(int(cls(1, 0)), int(AssessmentClass::Problems));
    QString text;
    platform->dialogHandler = [&](QDialog* dialog) {
      text = qobject_cast<ProblemsDialog*>(dialog)->problemText();
      return int(QDialog::Accepted);
    };
    page->ShowProblems(0, CPropResults::AttenuationFactorSide);
    QVERIFY2(text.endsWith(
                 "1. " + problemText(600) +
                 "\r\n\r\nPLAUSIBILITY WARNINGS (they do not change the verdict):\r\n"
                 "1. ax = 150 m is greater than the distance x = 100 m; field values lie far below x\r\n"),
             qPrintable(text));

    project->aquifer.conductivityKf = 2e-4;
    project->contaminants[0].valueMask &= ~kValueCa;  // a problem on the plume-length side too
    page->RefreshResults();
    page->ShowProblems(0, CPropResults::PlumeLengthSide);
    QVERIFY2(text.contains("PLAUSIBILITY WARNINGS (they do not change the verdict):\r\n1. Kf = 0.0002 m/d"),
             qPrintable(text));
    QVERIFY2(!text.contains("ax = 150 m"), qPrintable(text));
  }

  // Rows follow the results; the item data is the result's index, not the
  // contaminant's; each refresh commits the other pages first.
  void rowsAndRefreshes() {
    ProjectPtr project = makeProject(4);
    unitAquifer(*project, 1.0);
    unitContaminant(*project, "Not assessed", 0);
    unitContaminant(*project, "Both", kAssessPlumeLength | kAssessAttenuationFactor);
    unitContaminant(*project, "AF only", kAssessAttenuationFactor);
    unitContaminant(*project, "PL only", kAssessPlumeLength);
    const int commitsBefore = host.commitCalls;
    page->ShowProject(project.get());
    QCOMPARE(host.commitCalls, commitsBefore + 1);
    QCOMPARE(rows(0)->size(), 2);
    QCOMPARE(cell(0, 0, 0), QString("Both"));
    QCOMPARE(cell(0, 1, 0), QString("PL only"));
    QCOMPARE(rows(0)->row(1).resultIndex, 2);
    QCOMPARE(rows(1)->size(), 2);
    QCOMPARE(cell(1, 1, 0), QString("AF only"));
    QCOMPARE(rows(1)->row(1).resultIndex, 1);
    // The aquifer lacks what the attenuation factor needs.
    QCOMPARE(int(cls(1, 0)), int(AssessmentClass::Problems));
    QCOMPARE(cell(1, 0, 1), QString());
    QCOMPARE(cell(1, 0, 2), QString());

    // Changing a range recomputes; so does showing the page again.
    page->findChild<QComboBox*>("plumeRangeCombo")->setCurrentIndex(3);
    QCOMPARE(host.commitCalls, commitsBefore + 2);
    page->hide();
    page->show();
    QCOMPARE(host.commitCalls, commitsBefore + 3);
    QCOMPARE(rows(0)->size(), 2);

    // A window restored from the task bar keeps its lists and marked row.
    page->list(0)->setCurrentIndex(rows(0)->index(1, 0));
    page->setWindowState(Qt::WindowMinimized);
    page->setWindowState(Qt::WindowNoState);
    QCOMPARE(host.commitCalls, commitsBefore + 3);
    QCOMPARE(page->list(0)->selectionModel()->selectedRows().size(), 1);
  }

  // Two aquifer problems and one contaminant problem: three numbered lines,
  // aquifer problems first; every line ends with CR LF.
  void problemsDialogText() {
    ProjectPtr project = makeProject(2);
    unitAquifer(*project, 1.0);
    project->aquifer.setMask &= ~(kAquiferX | kAquiferI);
    Contaminant& tce = unitContaminant(*project, "TCE", kAssessPlumeLength);
    tce.lambdaSelected = 0;
    tce.lambdaMask = 0;
    page->ShowProject(project.get());
    QCOMPARE(int(cls(0, 0)), int(AssessmentClass::Problems));

    QString text;
    QString shown;
    platform->dialogHandler = [&](QDialog* dialog) {
      auto* problems = qobject_cast<ProblemsDialog*>(dialog);
      text = problems->problemText();
      shown = problems->textBox()->toPlainText();
      return int(QDialog::Accepted);
    };
    doubleClickRow(0, 0);
    QCOMPARE(platform->dialogTitles, QStringList({"Problems"}));
    const QString expected = "PLUME LENGTH ASSESSMENT: \"TCE\"\r\n3 problem(s):\r\n\r\n1. " +
                             problemText(510) + "\r\n2. " + problemText(520) + "\r\n3. " + problemText(30) +
                             "\r\n\r\nPLAUSIBILITY WARNINGS (they do not change the verdict):\r\n"
                             "1. ne = 1 is above 0.5, more than the total porosity of sand and gravel\r\n";
    QCOMPARE(text, expected);
    QCOMPARE(shown, QString(expected).replace("\r\n", "\n"));

    // The attenuation-factor side counts its own problems.
    tce.assess = kAssessAttenuationFactor;
    page->RefreshResults();
    page->ShowProblems(0, CPropResults::AttenuationFactorSide);
    QVERIFY(text.startsWith("ATTENUATION FACTOR ASSESSMENT: \"TCE\"\r\n"));
    QVERIFY(text.contains("\r\n1. " + problemText(510) + "\r\n"));

    // Out of range opens nothing.
    page->ShowProblems(5, 0);
    page->ShowProblems(-1, 0);
    QCOMPARE(platform->dialogTitles.size(), 2);
  }

  // Rows without problems have no problems to show: a double click opens
  // their robustness view instead, and the menu offers both.
  void rowsWithoutProblemsOpenTheirRobustness() {
    ProjectPtr project = makeProject(2);
    unitAquifer(*project, 1.0);
    unitContaminant(*project, "Benzene", kAssessPlumeLength);
    Contaminant& tce = unitContaminant(*project, "TCE", kAssessPlumeLength);
    virelo_ClearContaminantValue(&tce, kValueC0);
    useShell(project.get());  // the view opens through its command
    QCOMPARE(int(cls(0, 1)), int(AssessmentClass::Problems));

    doubleClickRow(0, 0);
    QCOMPARE(platform->dialogTitles, QStringList({"Robustness"}));
    platform->dialogTitles.clear();

    {
      PopupMenuAnswer answer(QStringLiteral("\"Benzene\": no &problems found"));
      rightClickRow(0, 0, answer);
      QCOMPARE(answer.texts,
               QStringList({"\"Benzene\": no &problems found", "&Robustness...", "Show p&lume..."}));
      QCOMPARE(answer.enabled, QList<bool>({false, true, false}));
    }
    QVERIFY(platform->dialogTitles.isEmpty());
    {
      PopupMenuAnswer answer(QStringLiteral("\"TCE\": show &problems"));
      rightClickRow(0, 1, answer);
      QCOMPARE(answer.texts, QStringList({"\"TCE\": show &problems", "&Robustness...", "Show p&lume..."}));
      QCOMPARE(answer.enabled, QList<bool>({true, false, false}));
    }
    QCOMPARE(platform->dialogTitles, QStringList({"Problems"}));

    // A click on empty space keeps the marked row; without one, no menu.
    page->RefreshResults();
    PopupMenuAnswer none;
    requestContextMenu(page->list(0)->viewport(), QPoint(5, page->list(0)->viewport()->height() - 5));
    QTest::qWait(30);
    QVERIFY(!none.opened);
  }

  // In the whole window: a C0 typed on the contaminants page reaches the
  // results as soon as the Results tab is clicked, without any apply.
  void editedC0ReachesTheResultsThroughTheMainWindow() {
    ownPage.reset();
    page = nullptr;
    ownPlatform.reset();
    platform = nullptr;
    ShellSession session;
    auto window = session.start();
    MainDialog* w = window.get();
    completeAquifer(*w->project, true, 0);  // Benzene has a preset for this condition
    w->RefreshPages();
    auto clickTab = [w](int index) {
      QTabBar* tabs = w->pageTabs->tabBar();
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
      QCOMPARE(w->pageTabs->currentIndex(), index);
    };
    auto typeInto = [w](const char* name, const char* text) {
      auto* edit = child<QLineEdit>(w, name);
      edit->setFocus();
      edit->selectAll();
      QTest::keyClicks(edit, text);
    };
    clickTab(2);
    auto* tree = child<QTreeView>(w, "contaminantTree");
    const QModelIndexList found = tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole, "Benzene",
                                                       1, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!found.isEmpty());
    tree->scrollTo(found[0]);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(found[0]).center());
    auto* assess = child<QCheckBox>(w, "assessPlumeCheck");
    QTest::mouseClick(assess, Qt::LeftButton, {}, QPoint(6, assess->height() / 2));
    QVERIFY(assess->isChecked());
    typeInto("caEdit", "1");
    typeInto("c0Edit", "100");
    clickTab(3);
    auto* list = child<QTreeView>(w, "plumeList");
    QCOMPARE(list->model()->rowCount(), 1);
    const QString before = list->model()->index(0, 1).data().toString();

    clickTab(2);
    typeInto("c0Edit", "1000");  // still in the field when the tab is clicked
    clickTab(3);
    QCOMPARE(w->project->resultCount, int16_t(1));
    const ContaminantResult& r = w->project->results[0];
    const Contaminant& benzene = w->project->contaminants[r.contaminantIndex];
    QCOMPARE(benzene.c0, 1000.0);
    double lambda = 0.0;
    QVERIFY(virelo_GetLambda(&benzene, &lambda));
    const Aquifer& a = w->project->aquifer;
    QVERIFY(std::fabs(r.plumeLength - std::log(1000.0) / lambda * a.conductivityKf * a.gradientI /
                                          a.porosityNe) < 1e-9 * r.plumeLength);
    const QString after = list->model()->index(0, 1).data().toString();
    QVERIFY(after != before);
    QCOMPARE(after, QString::fromStdString(FormatResultValue(r.plumeLength, "%.2f", "%.2E")));
  }

  // d/x = Kf / lambda: "Firm" is green with every input a factor 3 or more
  // from a class change, "Close" yellow with CA, x, Kf, i and lambda within a
  // factor 2. The page marks the close one; its view lists the inputs
  // nearest first and follows a range chosen in it, and so does the page.
  void robustnessViewAndFragileMark() {
    ProjectPtr project = makeProject(2);
    unitAquifer(*project, 0.1);
    unitContaminant(*project, "Firm", kAssessPlumeLength);
    Contaminant& close = unitContaminant(*project, "Close", kAssessPlumeLength);
    virelo_SetLambda(&close, kLambdaAerobic, 0.2);
    useShell(project.get());  // the view opens through its command
    QCOMPARE(int(cls(0, 0)), int(AssessmentClass::Green));
    QCOMPARE(int(cls(0, 1)), int(AssessmentClass::Yellow));
    QCOMPARE(cell(0, 0, ResultListModel::kMarginColumn), QString("\u00d73.00"));
    QCOMPARE(cell(0, 1, ResultListModel::kMarginColumn), QString("\u00d71.49"));  // CA: e^0.4
    QVERIFY(!rows(0)->fragile(0));
    QVERIFY(rows(0)->fragile(1));
    QVERIFY(!rows(0)->index(0, ResultListModel::kMarginColumn).data(Qt::DecorationRole).isValid());
    QVERIFY(rows(0)->index(1, ResultListModel::kMarginColumn).data(Qt::DecorationRole).isValid());

    QStringList headers, verdicts, greenAtNe;
    QList<double> nearest;
    int chartSeries = 0;
    platform->dialogHandler = [&](QDialog* dialog) {
      auto* view = qobject_cast<RobustnessDialog*>(dialog);
      for (int round = 0; round < 2; ++round) {
        verdicts << view->verdictLabel()->text();
        QTableWidget* table = view->table();
        headers << table->horizontalHeaderItem(2)->text() + "|" + table->horizontalHeaderItem(4)->text();
        for (int row = 0; row < table->rowCount(); ++row) {
          if (table->item(row, 0)->text() == "ne") greenAtNe << table->item(row, 4)->text();
          if (round == 0) nearest << NearestFactor(view->breakEvens().inputs[size_t(row)]);
        }
        chartSeries = int(view->chart()->series().size());
        view->findChild<QComboBox*>("robustnessRangeCombo")->setCurrentIndex(2);  // 0.1 .. 10
      }
      return int(QDialog::Rejected);
    };
    // The button acts on the marked row.
    QVERIFY(!page->robustnessButton(0)->isEnabled());
    page->list(0)->setCurrentIndex(rows(0)->index(1, 0));
    QVERIFY(page->robustnessButton(0)->isEnabled());
    QTest::mouseClick(page->robustnessButton(0), Qt::LeftButton);
    QCOMPARE(platform->dialogTitles, QStringList({"Robustness"}));
    QCOMPARE(nearest.size(), 7);
    QVERIFY(std::is_sorted(nearest.begin(), nearest.end()));
    QVERIFY(nearest.front() < 2.0);
    QCOMPARE(headers, QStringList({"Red at|Green at", "Red at|Green at"}));
    // ne would have to pass 1 to reach green.
    QCOMPARE(greenAtNe, QStringList({"\u2014", "\u2014"}));
    QVERIFY(verdicts[0].startsWith("Fragile: the class changes within a factor of 2 of "));
    QVERIFY(verdicts[1].startsWith("Robust"));  // 0.1 and 10 are a factor 5 and 20 away
    QCOMPARE(chartSeries, 1);
    QCOMPARE(page->plumeRange().lower, 0.1);
    QVERIFY(!rows(0)->fragile(1));

    // A changed input reaches the marks with the next refresh.
    project->aquifer.conductivityKf = 0.15;  // d/x 1.5 of at most 10: ×1.5 from green
    page->RefreshResults();
    QVERIFY(rows(0)->fragile(0));
  }

  // A long list works out the exact solution only for the rows drawn; a row
  // scrolled to or read later gets it then, from its own result (every
  // third contaminant is on the plume-length side only, so row and result
  // numbers part), and marks as the whole-project calculation of the report
  // would mark it.
  void exactSolutionFollowsTheRowsDrawn() {
    ProjectPtr project = longList(600);
    page->ShowProject(project.get());
    QTest::qWait(20);  // the lists draw
    const auto computed = [&] {
      int n = 0;
      for (int i = 0; i < project->resultCount; ++i) n += project->results[i].exactComputed != 0;
      return n;
    };
    const int drawn = computed();
    QVERIFY2(drawn > 0 && drawn < 100, qPrintable(QString::number(drawn)));
    ResultListModel* af = rows(CPropResults::AttenuationFactorSide);
    QCOMPARE(af->size(), 400);
    // Reading a row fills it in; the row before it (result last - 1) waits.
    const int last = af->row(af->size() - 1).resultIndex;
    QVERIFY(project->results[last].exactComputed);
    QVERIFY(!project->results[last - 1].exactComputed);
    page->list(CPropResults::AttenuationFactorSide)->scrollToBottom();
    QTest::qWait(20);
    QVERIFY(project->results[last - 1].exactComputed);

    // What a person sees of a row not yet drawn: the mark beside "C0/C"
    // (even rows) or the row's tooltip (odd rows), asked for first.
    std::vector<bool> shown;
    for (int row = 0; row < af->size(); ++row) {
      if (af->exactKnown(row)) {
        shown.push_back(af->row(row).exactMark != ExactMark::None);
      } else if (row % 2 == 0) {
        const QIcon icon = af->index(row, 2).data(Qt::DecorationRole).value<QIcon>();
        shown.push_back(icon.cacheKey() != exactMarkIcon(ExactMark::None).cacheKey());
      } else {
        // The tooltip may also tell of models on both sides of CA.
        shown.push_back(af->index(row, 1).data(Qt::ToolTipRole).toString().contains("\nExact solution: "));
      }
    }
    virelo_math_CalcExactAll(project.get(), 1);
    int marked = 0;
    for (int row = 0; row < af->size(); ++row) {
      const ContaminantResult& r = project->results[af->row(row).resultIndex];
      const bool expected = CompareExactWithScreening(r, page->afRange()) != ExactComparison::None;
      QCOMPARE(shown[size_t(row)], expected);
      marked += expected;
    }
    QVERIFY2(marked > 0 && marked < af->size(), qPrintable(QString::number(marked)));
  }

  // The main window hands the page the next project and frees the old one
  // while most rows still wait for their exact solution; drawing and reading
  // them afterwards touches only the new project (an AddressSanitizer build
  // turns any read of the old one into a failure).
  void switchingProjectsWhileRowsWait() {
    ProjectPtr first = longList(900);
    page->ShowProject(first.get());
    QTest::qWait(20);
    ProjectPtr second = longList(30);
    page->ShowProject(second.get());
    first.reset();
    QTreeView* list = page->list(CPropResults::AttenuationFactorSide);
    list->scrollToBottom();
    QTest::qWait(20);
    ResultListModel* af = rows(CPropResults::AttenuationFactorSide);
    QCOMPARE(af->size(), 20);
    for (int row = 0; row < af->size(); ++row) {
      af->index(row, 1).data(Qt::ToolTipRole);
      QVERIFY(second->results[af->row(row).resultIndex].exactComputed);
    }
    page->ShowProject(nullptr);
    second.reset();
    QTest::qWait(20);
    QCOMPARE(af->size(), 0);
  }

  // The fragile marks at the edge of the factor 2, on the page and in the
  // Robustness window: with C0 = e^2 CA and lambda = 1, d/x = 2 Kf, so Kf
  // (and x, i, ne, lambda with it) is a factor `factor` from the bound the
  // row names, while CA and C0 stay more than a factor e away. The ranges
  // differ so that a window using another range than the page's marks the
  // wrong rows.
  void fragileMarksAtTheFactorBound_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<bool>("towardsUpper");
    QTest::addColumn<double>("factor");
    // The factor axis reaches a decade past the farthest class change (CA's
    // here): up to two decades each way each decade is labelled, past that
    // every other one, x1 among them, since eight labels such as "x0.0001"
    // would run into each other on a laptop's screen.
    QTest::addColumn<QStringList>("factorAxis");
    const QStringList oneDecade = {"\u00d70.1", "\u00d71", "\u00d710"};
    const QStringList twoDecades = {"\u00d70.01", "\u00d70.1", "\u00d71", "\u00d710", "\u00d7100"};
    const QStringList fourDecades = {"\u00d70.0001", "\u00d70.01", "\u00d71", "\u00d7100", "\u00d710000"};
    QTest::newRow("just inside, upper bound 2.0") << 0 << true << 1.998 << oneDecade;
    QTest::newRow("just outside, upper bound 2.0") << 0 << true << 2.002 << oneDecade;
    QTest::newRow("just inside, lower bound 0.2") << 3 << false << 1.998 << fourDecades;
    QTest::newRow("just outside, lower bound 0.2") << 3 << false << 2.002 << fourDecades;
    QTest::newRow("just inside, upper bound 5.0") << 3 << true << 1.998 << twoDecades;
  }
  void fragileMarksAtTheFactorBound() {
    QFETCH(int, range);
    QFETCH(bool, towardsUpper);
    QFETCH(double, factor);
    const AssessmentRange bounds = kAssessmentRanges[range].range;
    const double ratio = towardsUpper ? bounds.upper / factor : bounds.lower * factor;
    ProjectPtr project = makeProject(1);
    unitAquifer(*project, ratio / 2.0);
    Contaminant& c = unitContaminant(*project, "Edge", kAssessPlumeLength);
    virelo_SetContaminantValue(&c, kValueC0, std::exp(2.0));
    virelo_Extras(project.get()).settings.plumeRange = range;  // the page shows the project's range
    useShell(project.get());  // the view opens through its command, with the saved range
    QCOMPARE(project->results[0].plumeLengthRatio, ratio);  // the set-up is exact
    const bool fragile = factor < kFragileFactor;
    QCOMPARE(rows(0)->fragile(0), fragile);

    QString verdict;
    QStringList marked, darkBars, factorLabels;
    bool otherBarDark = true;
    platform->dialogHandler = [&](QDialog* dialog) {
      auto* view = qobject_cast<RobustnessDialog*>(dialog);
      verdict = view->verdictLabel()->text();
      // The bars go in from the last table row up; worse first, better second.
      auto* series = static_cast<QAbstractBarSeries*>(view->chart()->series().at(0));
      const QBarSet* near = series->barSets().at(towardsUpper ? 0 : 1);
      const QBarSet* far = series->barSets().at(towardsUpper ? 1 : 0);
      QTableWidget* table = view->table();
      for (int row = 0; row < table->rowCount(); ++row) {
        const QString input = table->item(row, 0)->text();
        if (table->item(row, 0)->background() != QBrush()) marked << input;
        if (near->isBarSelected(table->rowCount() - 1 - row)) darkBars << input;
      }
      otherBarDark = !far->selectedBars().isEmpty();
      factorLabels = factorAxisLabels(view);
      return int(QDialog::Rejected);
    };
    page->ShowRobustness(0, CPropResults::PlumeLengthSide);
    QTEST(factorLabels, "factorAxis");
    QCOMPARE(platform->dialogTitles, QStringList({"Robustness"}));
    QCOMPARE(verdict.startsWith("Fragile: "), fragile);
    QCOMPARE(verdict.startsWith("Robust: "), !fragile);
    // d/x goes with Kf, i and 1/x, 1/ne, 1/lambda alike; ne = 1 cannot grow
    // towards the lower bound.
    QStringList expected;
    if (fragile)
      expected = towardsUpper ? QStringList({"Kf", "i", "lambda", "ne", "x"})
                              : QStringList({"Kf", "i", "lambda", "x"});
    marked.sort();
    QCOMPARE(marked, expected);
    darkBars.sort();
    QCOMPARE(darkBars, marked);
    QVERIFY(!otherBarDark);
  }

  // The dry cleaner: vinyl chloride alone is Green, its chain brings it
  // above CA at the receptor. The light is Red under every basis, the name
  // stays the name, and the chain's badge says which chain and why.
  void dryCleanerLightFollowsTheChain() {
    ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", "rb"));
    QVERIFY(project);
    page->ShowProject(project.get());
    ResultListModel* af = rows(CPropResults::AttenuationFactorSide);
    const int vc = rowNamed(1, "Vinyl chloride");
    QVERIFY(vc >= 0);
    QCOMPARE(int(af->row(vc).screeningClass), int(AssessmentClass::Green));
    QCOMPARE(af->index(vc, 0).data(ResultListModel::ClassRole).toInt(), int(AssessmentClass::Red));
    QCOMPARE(af->index(vc, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey(),
             resultIcon(AssessmentClass::Red).cacheKey());

    const int marks = af->marksColumn();
    QCOMPARE(af->headerData(marks, Qt::Horizontal).toString(), QString("Marks"));
    const QStringList badges = af->index(vc, marks).data(ResultListModel::BadgesRole).toStringList();
    QVERIFY2(badges.contains("chain"), qPrintable(badges.join(',')));
    const QString chainTip =
        af->index(vc, marks).data(ResultListModel::BadgeTipsRole).toStringList().at(badges.indexOf("chain"));
    QVERIFY2(
        chainTip.startsWith(QString::fromUtf8("Decay chain Tetrachloroethene (PCE) \u2192 Trichloroethene "
                                              "(TCE) \u2192 cis-1,2-Dichloroethene \u2192 Vinyl chloride "
                                              "\u2192 Ethene: Red. C(x) = ")),
        qPrintable(chainTip));
    QVERIFY2(chainTip.contains("at the receptor by the screening model, CA = 0.5000"), qPrintable(chainTip));
    // The row's tooltip tells the whole story, verdict first.
    const QString rowTip = af->index(vc, 1).data(Qt::ToolTipRole).toString();
    // The chain decides, so the target is the chain's, and the tooltip says so.
    QVERIFY2(
        rowTip.startsWith(
            "Verdict: Red. The screening model alone gives Green; the decay chain made it worse.\n"
            "Target " +
            cell(1, vc, ResultListModel::kTargetColumn) + QString::fromUtf8(" \u00b5g/L from the chain: ")),
        qPrintable(rowTip));
    QVERIFY2(rowTip.contains("alike.\n\n" + chainTip), qPrintable(rowTip));

    // Resting the mouse on the pill shows its own sentence.
    QTreeView* list = page->list(CPropResults::AttenuationFactorSide);
    list->scrollTo(af->index(vc, marks));
    const QRect cellRect = list->visualRect(af->index(vc, marks));
    const std::vector<QRect> pills = ResultBadgeDelegate::pillRects(cellRect, list->fontMetrics(), badges);
    const QPoint at = pills.at(size_t(badges.indexOf("chain"))).center();
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &help);
    QTRY_COMPARE(QToolTip::text(), chainTip);
    QToolTip::hideText();

    // Under each basis, chosen in its list, every light is its row's verdict.
    checkLightsAreTheVerdicts(*project);
    for (int basis = 1; basis < kVerdictBasisCount; ++basis) {
      nextBasis();
      QCOMPARE(int(page->verdictBasis()), basis);
      QCOMPARE(af->index(vc, 0).data(ResultListModel::ClassRole).toInt(), int(AssessmentClass::Red));
      checkLightsAreTheVerdicts(*project);
      const QString tip = af->index(vc, marks).data(Qt::ToolTipRole).toString();
      QVERIFY2(tip.contains(basis == 1 ? "by the exact solution" : "by the worse of the two models"),
               qPrintable(tip));
    }

    // Without the chain, the lights are the classes again, without marks.
    virelo_Extras(project.get()).chains.clear();
    page->RefreshResults();
    QCOMPARE(
        af->index(vc, 0).data(ResultListModel::ClassRole).toInt(),
        int(VerdictClass(project->results[af->row(vc).resultIndex], page->afRange(), page->verdictBasis())));
    for (int r = 0; r < af->size(); ++r)
      QVERIFY(!af->index(r, marks).data(ResultListModel::BadgesRole).toStringList().contains("chain"));
    checkLightsAreTheVerdicts(*project);
  }

  void daughterWithoutAModelOfItsOwnTakesTheChainsLight_data() {
    QTest::addColumn<int>("change");
    QTest::newRow("C0 0.3 below CA") << 0;
    QTest::newRow("C0 unset") << 1;
    QTest::newRow("lambda 0") << 2;
  }

  // Vinyl chloride whose own inputs allow no single-species model: its row
  // keeps no values of its own, but its light is its chain's Red, its target
  // the chain's, and its tooltip says whose its problems are.
  void daughterWithoutAModelOfItsOwnTakesTheChainsLight() {
    QFETCH(int, change);
    ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp", "rb"));
    QVERIFY(project);
    int index = -1;
    for (int k = 0; k < project->contaminantCount; ++k)
      if (QString::fromLatin1(project->contaminants[k].name) == "Vinyl chloride") index = k;
    Contaminant& c = project->contaminants[index];
    if (change == 0) virelo_SetContaminantValue(&c, kValueC0, 0.3);
    if (change == 1) virelo_ClearContaminantValue(&c, kValueC0);
    if (change == 2) *virelo_LambdaField(&c, c.lambdaSelected) = 0.0;
    page->ShowProject(project.get());
    ResultListModel* af = rows(CPropResults::AttenuationFactorSide);
    const int vc = rowNamed(1, "Vinyl chloride");
    QVERIFY(vc >= 0);
    QVERIFY(!af->row(vc).hasValues);
    QCOMPARE(af->index(vc, 0).data(ResultListModel::ClassRole).toInt(), int(AssessmentClass::Red));
    QCOMPARE(af->index(vc, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey(),
             resultIcon(AssessmentClass::Red).cacheKey());
    QCOMPARE(cell(1, vc, 1), QString());
    const ContaminantResult& r = project->results[af->row(vc).resultIndex];
    const RowVerdict v = VerdictOfResult(*project, r, false, VerdictOptionsOf(*project));
    const VerdictTarget target = TargetOfVerdict(c, r, v, page->verdictBasis());
    QCOMPARE(target.origin, TargetOrigin::Chain);
    QCOMPARE(cell(1, vc, ResultListModel::kTargetColumn),
             QString::fromStdString(FormatConcentration(target.value)));
    const QString tip = af->index(vc, 1).data(Qt::ToolTipRole).toString();
    QVERIFY2(tip.startsWith("Verdict: Red, by its decay chain. Its own inputs allow no single-species model"),
             qPrintable(tip));
    QVERIFY2(tip.contains("from the chain"), qPrintable(tip));
    const QStringList badges =
        af->index(vc, af->marksColumn()).data(ResultListModel::BadgesRole).toStringList();
    QCOMPARE(badges.count("chain"), 1);
    checkLightsAreTheVerdicts(*project);
    // Its problems are still there to be shown.
    QVERIFY(HasAttenuationFactorProblems(r));
  }

  // The petrol station: MTBE's wells decline more slowly than the model, so
  // that their fit puts it above CA at the receptor and two wells hold more
  // than twice the model. MTBE's lights follow the wells in both lists (the
  // attenuation factor alone is Green), and both marks say why; the other
  // contaminants' wells mark them without changing a light.
  void petrolStationLightsFollowTheWells() {
    ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp", "rb"));
    QVERIFY(project);
    page->ShowProject(project.get());
    for (int side : {0, 1}) {
      ResultListModel* model = rows(side);
      const int mtbe = rowNamed(side, "MTBE");
      QVERIFY(mtbe >= 0);
      QCOMPARE(model->index(mtbe, 0).data(ResultListModel::ClassRole).toInt(), int(AssessmentClass::Yellow));
      const QModelIndex marks = model->index(mtbe, model->marksColumn());
      const QStringList badges = marks.data(ResultListModel::BadgesRole).toStringList();
      QVERIFY2(badges.contains("wells") && badges.contains("under"), qPrintable(badges.join(',')));
      const QStringList tips = marks.data(ResultListModel::BadgeTipsRole).toStringList();
      const QString wells = tips.at(badges.indexOf("wells"));
      QVERIFY2(
          wells.startsWith("The site's wells, distance fit of 2023-12-12 (slope -0.012 per m): "
                           "extrapolated to the receptor, C(x) = exp(a + m x) = 19.72 \u00b5g/L against "
                           "CA = 15.00 \u00b5g/L: Yellow; Yellow to Red over the slope's 90 % interval."),
          qPrintable(wells));
      QCOMPARE(marks.data(ResultListModel::BadgeClassesRole).toList().at(2 * badges.indexOf("wells")).toInt(),
               int(AssessmentClass::Yellow));
      const QString under = tips.at(badges.indexOf("under"));
      // Under the screening basis MW3 too: 335 against 135.3 (2.48).
      QVERIFY2(under.startsWith(
                   "The model underpredicts the wells: MW3 (s = 50.00 m, y = -2.00 m): measured "
                   "335.0 \u00b5g/L, screening model 135.3 \u00b5g/L, exact solution 184.9 \u00b5g/L, "
                   "2.5 times the model; MW4 (s = 80.00 m, y = 3.00 m): measured 254.0 \u00b5g/L, "
                   "screening model 48.82 \u00b5g/L"),
               qPrintable(under));
      QVERIFY2(under.contains("; MW5 (s = 120.00 m") && under.endsWith("than 2 times the screening model."),
               qPrintable(under));
      // "under" is a warning, painted as one; "wells" is a class, not a warning.
      const QVariantList warnings = marks.data(ResultListModel::BadgeWarningsRole).toList();
      QCOMPARE(warnings.size(), badges.size());
      QVERIFY(warnings.at(badges.indexOf("under")).toBool());
      QVERIFY(!warnings.at(badges.indexOf("wells")).toBool());
      checkUnderPillIsPaintedAsAWarning(model, mtbe);
      const int benzene = rowNamed(side, "Benzene");
      QVERIFY(model->index(benzene, model->marksColumn())
                  .data(ResultListModel::BadgesRole)
                  .toStringList()
                  .contains("wells"));
    }
    ResultListModel* af = rows(CPropResults::AttenuationFactorSide);
    const int mtbe = rowNamed(1, "MTBE");
    QCOMPARE(int(af->row(mtbe).screeningClass), int(AssessmentClass::Green));
    QVERIFY2(
        af->index(mtbe, 0)
            .data(Qt::ToolTipRole)
            .toString()
            .startsWith(
                "Verdict: Yellow. The screening model alone gives Green; the site's wells made it worse."),
        qPrintable(af->index(mtbe, 0).data(Qt::ToolTipRole).toString()));
    QVERIFY(rows(0)->index(rowNamed(0, "MTBE"), 0).data(Qt::ToolTipRole).toString().isEmpty() ||
            !rows(0)->index(rowNamed(0, "MTBE"), 0).data(Qt::ToolTipRole).toString().startsWith("Verdict: "));
    checkLightsAreTheVerdicts(*project);
    // The wells decide, so the target is theirs, C0 CA / C_wells(x), under
    // every basis: the one `assess --csv` and the Time table give.
    auto checkTarget = [&]() {
      const ContaminantResult& r = project->results[af->row(mtbe).resultIndex];
      const Contaminant& c = project->contaminants[r.contaminantIndex];
      const RowVerdict v =
          VerdictOfResult(*project, r, false, {page->plumeRange(), page->afRange(), page->verdictBasis()});
      QVERIFY(v.wells.hasClass);
      QCOMPARE(cell(1, mtbe, ResultListModel::kTargetColumn),
               QString::fromStdString(FormatConcentration(c.c0 * c.ca / v.wells.concentration)));
      QVERIFY2(af->index(mtbe, 0).data(Qt::ToolTipRole).toString().contains("from the wells"),
               qPrintable(af->index(mtbe, 0).data(Qt::ToolTipRole).toString()));
    };
    checkTarget();
    for (int basis = 1; basis < kVerdictBasisCount; ++basis) {
      nextBasis();
      checkLightsAreTheVerdicts(*project);
      checkTarget();
    }
  }

  // The fuel depot has neither chains nor site data: under every basis each
  // light is the class under that basis, as before, and no row has a
  // verdict sentence or a chain or wells mark.
  void fuelDepotLightsAreTheClassesUnderTheBasis() {
    ProjectPtr project(virelo_LoadProject(VIRELO_SOURCE_DIR "/examples/fuel-depot.vrp", "rb"));
    QVERIFY(project);
    page->ShowProject(project.get());
    for (int basis = 0; basis < kVerdictBasisCount; ++basis) {
      if (basis > 0) nextBasis();
      QCOMPARE(int(page->verdictBasis()), basis);
      const QMap<QString, int> shown = lights();
      for (int side : {0, 1}) {
        ResultListModel* model = rows(side);
        QVERIFY(model->size() > 0);
        for (int r = 0; r < model->size(); ++r) {
          const ContaminantResult& result = project->results[model->row(r).resultIndex];
          const QString name = QString::fromLatin1(project->contaminants[result.contaminantIndex].name);
          QCOMPARE(cell(side, r, 0), name);
          const bool problems =
              side == 0 ? HasPlumeLengthProblems(result) : HasAttenuationFactorProblems(result);
          const AssessmentClass expected =
              problems    ? AssessmentClass::Problems
              : side == 0 ? ClassifyPlumeLength(result.plumeLengthRatio, page->plumeRange())
                          : VerdictClass(result, page->afRange(), page->verdictBasis());
          QCOMPARE(shown.value(name + (side == 0 ? " PL" : " AF")), int(expected));
          const QStringList badges =
              model->index(r, model->marksColumn()).data(ResultListModel::BadgesRole).toStringList();
          QVERIFY(!badges.contains("chain") && !badges.contains("wells") && !badges.contains("under"));
          const QString tip = model->index(r, 1).data(Qt::ToolTipRole).toString();
          // Only the exact solution can make a verdict worse here.
          QCOMPARE(tip.startsWith("Verdict: "), int(expected) < int(model->row(r).screeningClass));
          if (tip.startsWith("Verdict: ")) QVERIFY2(tip.contains("the exact solution"), qPrintable(tip));
        }
      }
    }
  }

  // At the window's own size (it cannot be resized) every column of both
  // lists shows its header and its values in full, the probabilities of an
  // uncertainty run too, without scrolling sideways.
  void everyColumnReadableAtTheWindowSize() {
    // The program's own window and platform stand in for the fixture's.
    ownPage.reset();
    page = nullptr;
    ownPlatform.reset();
    platform = nullptr;
    ShellSession session;
    auto window = session.start(QStringLiteral(VIRELO_SOURCE_DIR "/examples/petrol-station.vrp"));
    MainDialog* w = window.get();
    QTabBar* tabs = w->pageTabs->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    CPropResults* results = w->pageTabs->resultsPage;
    bool ran = false;
    session.platform.dialogHandler = [&](QDialog* dialog) {
      auto* uncertainty = qobject_cast<UncertaintyWindow*>(dialog);
      if (!uncertainty) return int(QDialog::Rejected);
      uncertainty->AddDistribution({UncertainInput::Kf, "", DistributionKind::LogNormal, {1.0, 2.0}});
      QTest::mouseClick(uncertainty->runButton(), Qt::LeftButton);
      ran = QTest::qWaitFor([&] { return uncertainty->lastRun() != nullptr; }, 20000);
      return int(QDialog::Rejected);
    };
    QTest::mouseClick(child<QPushButton>(w, "uncertaintyButton"), Qt::LeftButton);
    QVERIFY(ran);
    QTest::qWait(20);
    for (int side : {0, 1}) {
      QTreeView* list = results->list(side);
      ResultListModel* model = results->listModel(side);
      QVERIFY(model->hasProbabilityColumn());
      QVERIFY(model->size() > 0);
      QHeaderView* header = list->header();
      int total = 0;
      for (int c = 0; c < model->columnCount(); ++c) {
        const int width = header->sectionSize(c);
        total += width;
        const QString title = model->headerData(c, Qt::Horizontal).toString();
        QVERIFY2(header->sectionSizeHint(c) <= width, qPrintable(QStringLiteral("%1: header needs %2, has %3")
                                                                     .arg(title)
                                                                     .arg(header->sectionSizeHint(c))
                                                                     .arg(width)));
        const int content = static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(c);
        QVERIFY2(
            content <= width,
            qPrintable(QStringLiteral("%1: values need %2, have %3").arg(title).arg(content).arg(width)));
      }
      QVERIFY2(total <= list->viewport()->width(),
               qPrintable(QStringLiteral("%1 of %2").arg(total).arg(list->viewport()->width())));
      QVERIFY(!list->horizontalScrollBar()->isVisible());
    }
  }

  // What's this on the marks column (its header or a row's marks) gives the
  // marks' own help; elsewhere in the list, the list's.
  void marksColumnHasItsOwnWhatsThis() {
    // The program's own window and platform stand in for the fixture's.
    ownPage.reset();
    page = nullptr;
    ownPlatform.reset();
    platform = nullptr;
    ShellSession session;
    auto window = session.start(QStringLiteral(VIRELO_SOURCE_DIR "/examples/dry-cleaner.vrp"));
    MainDialog* w = window.get();
    QTabBar* tabs = w->pageTabs->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    QTreeView* list = w->pageTabs->resultsPage->list(1);
    ResultListModel* model = w->pageTabs->resultsPage->listModel(1);
    QVERIFY(model->size() > 0);
    const int marks = model->marksColumn();
    const QRect cell = list->visualRect(model->index(0, marks));
    QVERIFY(cell.isValid());
    const QHeaderView* header = list->header();
    const QPoint onHeader(header->sectionViewportPosition(marks) + 5, header->height() / 2);
    const QPoint onName = list->visualRect(model->index(0, 0)).center();
    struct Click {
      QWidget* where;
      QPoint at;
      bool marks;
    } clicks[] = {{header->viewport(), onHeader, true},
                  {list->viewport(), cell.center(), true},
                  {list->viewport(), onName, false}};
    for (const Click& click : clicks) {
      const qsizetype before = session.platform.helpRequests.size();
      w->helpCommands->whatsThisAction->trigger();
      QVERIFY(QWhatsThis::inWhatsThisMode());
      QTest::mouseClick(click.where, Qt::LeftButton, {}, click.at);
      QCOMPARE(session.platform.helpRequests.size(), before + 1);
      const int id = session.platform.helpRequests.last().contextId;
      if (click.marks) {
        QCOMPARE(id, ResultListModel::kMarksHelpId);
      } else {
        QVERIFY(id != 0 && id != ResultListModel::kMarksHelpId);
      }
      QVERIFY(!ManualHelp::builtIn().text(ResultListModel::kMarksHelpId).isEmpty());
      if (QWhatsThis::inWhatsThisMode()) QWhatsThis::leaveWhatsThisMode();
    }
  }

  void noProjectLeavesTheListsEmpty() {
    page->RefreshResults();
    QCOMPARE(rows(0)->size(), 0);
    QCOMPARE(host.commitCalls, 0);
    page->findChild<QComboBox*>("plumeRangeCombo")->setCurrentIndex(1);
    QCOMPARE(legend("plumeLegendGreen"), QString(" d <= 0.5 x"));
  }
};

QTEST_MAIN(TestResultsPage)
#include "tst_resultspage.moc"
